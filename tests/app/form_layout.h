// The form as the user sees it: every control's parent, place, size and caption. Written out
// here on its own, so that a change of the window's layout shows up as a failing test.
#pragma once

#include <optional>
#include <ostream>

#include "app/control_ids.h"

namespace cp {

// Control names in failure messages (UTF-8, unlike the GBK texts the tool shows).
std::ostream& operator<<(std::ostream& out, ControlId id);

namespace e2e {

enum class Kind { groupBox, pictureBox, label, editBox, button };

// The labels below the read-out box have no fixed top; the tool places them.
inline constexpr int kTopChosenByTool = -1;

struct ControlPlace {
    ControlId id;
    const char* name;  // UTF-8, for messages
    Kind kind;
    std::optional<ControlId> parent;  // empty: the main window's client area
    int left;
    int top;
    int width;
    int height;
    const char* caption;  // GBK; for 标签10 only the start (a contact number follows)
};

// All 25 controls.
const ControlPlace* formBegin();
const ControlPlace* formEnd();

const ControlPlace& placeOf(ControlId id);

}  // namespace e2e
}  // namespace cp
