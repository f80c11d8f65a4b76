// What the fault tests share: pressing the tool's buttons and waiting for the action's end,
// the form read back from the window, and the rich document read the way QQ reads it.
#pragma once

#include <windows.h>

#include <array>
#include <string>

#include "tests/app/tool_session.h"
#include "tests/app/user_input.h"

namespace cp::e2e {

// A button of the tool pressed as a click does; true once its action has ended. Only for
// actions that raise no message box, which would hold the press until it is closed.
bool pressAndWait(const ToolSession& tool, ControlId button);
bool pressAndWait(HWND button);

// The seven input boxes, 编辑框1 to 编辑框7.
inline constexpr std::array<ControlId, 7> kInputBoxes = {
    ControlId::编辑框1, ControlId::编辑框2, ControlId::编辑框3, ControlId::编辑框4,
    ControlId::编辑框5, ControlId::编辑框6, ControlId::编辑框7};

// What the seven boxes hold now, as the window gives it.
FormTexts readForm(const ToolSession& tool);

// The text element's body that a form gives when it uses no separate coupon and order links
// (those are rewritten): CR LF and the title, the prices, the combined link when it is the
// only link, the separator and the copy text.
std::string bodyWithoutSeparateLinks(const FormTexts& form);

// The rich document as an XML reader takes it apart.
struct ReadDocument {
    bool wellFormed = false;  // header, elements, closing tag and nothing else
    int imageElements = 0;
    std::string imagePath;  // of the last image element
    int textElements = 0;
    std::string body;  // the text element's CDATA sections, joined
};
ReadDocument readRichDocument(const std::string& document);

// The picture box shows only its background.
bool pictureBoxIsBlank(const ToolSession& tool);

}  // namespace cp::e2e
