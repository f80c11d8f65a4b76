// What the window is made of: each control's kind, parent, place, size, caption and the ways
// it differs from the defaults of its kind. The window is built from this table, row by row.
#pragma once

#include <array>
#include <cstddef>

#include "app/control_ids.h"

namespace cp {

enum class ControlKind { groupBox, pictureBox, button, label, editBox };

// Ways a control differs from the defaults of its kind.
enum ControlExtra : unsigned {
    kNoExtras = 0,
    kMultiLine = 1u << 0,      // edit box: several wrapped lines, vertical scroll bar
    kOwnFont = 1u << 1,        // label: its own smaller font
    kBlueText = 1u << 2,       // label: RGB(0, 0, 255)
    kLightBlueText = 1u << 3,  // label: RGB(0, 136, 255)
};

// The parent of the three group boxes.
inline constexpr ControlId kTheWindow = static_cast<ControlId>(0);

struct ControlSpec {
    ControlId id;
    ControlKind kind;
    ControlId parent;
    int left;
    int top;
    int width;
    int height;
    const char* caption;
    unsigned extras;
};

inline constexpr std::size_t kControlCount = 25;
inline constexpr int kFirstControlId = static_cast<int>(ControlId::分组框1);

// Parents come before their children.
const std::array<ControlSpec, kControlCount>& controlTable();

// The row of a control; every ControlId has one.
const ControlSpec& controlSpec(ControlId id);

// Position of a control in the table, for arrays indexed like it.
inline constexpr std::size_t controlIndex(ControlId id) {
    return static_cast<std::size_t>(static_cast<int>(id) - kFirstControlId);
}

// True for the identifiers of the 25 controls.
inline constexpr bool isControlId(int id) {
    return id >= kFirstControlId && id < kFirstControlId + static_cast<int>(kControlCount);
}

}  // namespace cp
