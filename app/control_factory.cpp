#include "app/control_factory.h"

#include "app/label.h"
#include "app/picture_box.h"

namespace cp {
namespace {

struct WindowKind {
    const char* className;
    DWORD style;
    DWORD exStyle;
};

constexpr DWORD kSingleLineEdit = WS_TABSTOP | ES_LEFT | ES_AUTOHSCROLL;
// Wraps at the right edge: no ES_AUTOHSCROLL, no horizontal scroll bar.
constexpr DWORD kMultiLineEdit =
    WS_TABSTOP | WS_VSCROLL | ES_LEFT | ES_MULTILINE | ES_WANTRETURN | ES_AUTOVSCROLL;

WindowKind windowKindFor(const ControlSpec& row) {
    switch (row.kind) {
        case ControlKind::groupBox:
            return {"BUTTON", BS_GROUPBOX | WS_CLIPCHILDREN, 0};
        case ControlKind::pictureBox:
            return {kPictureBoxClass, 0, 0};
        case ControlKind::button:
            return {"BUTTON", WS_TABSTOP | BS_PUSHBUTTON | BS_MULTILINE, 0};
        case ControlKind::label:
            return {kLabelClass, 0, 0};
        case ControlKind::editBox:
            return {"EDIT", (row.extras & kMultiLine) ? kMultiLineEdit : kSingleLineEdit,
                    WS_EX_CLIENTEDGE};
    }
    return {"STATIC", 0, 0};
}

}  // namespace

HWND createControl(const ControlSpec& row, const RECT& place, HWND parent, HINSTANCE instance,
                   void* createParam) {
    const WindowKind kind = windowKindFor(row);
    return CreateWindowExA(
        kind.exStyle, kind.className, row.caption, WS_CHILD | kind.style, place.left, place.top,
        place.right - place.left, place.bottom - place.top, parent,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(row.id)), instance, createParam);
}

COLORREF labelTextColour(const ControlSpec& row) {
    if (row.extras & kBlueText) return RGB(0, 0, 255);
    if (row.extras & kLightBlueText) return RGB(0, 136, 255);
    return RGB(0, 0, 0);
}

}  // namespace cp
