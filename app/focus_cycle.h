// The order in which Tab and Shift+Tab move the keyboard focus. It follows neither the
// layout nor the fields: the generate button comes right after the order link, and the
// combined link and the copy text come last.
#pragma once

#include <array>
#include <cstddef>
#include <optional>

#include "app/control_ids.h"

namespace cp {

inline constexpr std::array<ControlId, 11> kTabCycle = {
    ControlId::编辑框1, ControlId::编辑框2, ControlId::编辑框3, ControlId::编辑框4,
    ControlId::编辑框5, ControlId::按钮1,   ControlId::按钮2,   ControlId::编辑框9,
    ControlId::按钮3,   ControlId::编辑框6, ControlId::编辑框7,
};

// The control that Tab (or Shift+Tab, when backwards) moves the focus to from current,
// wrapping at either end and skipping controls for which canTakeFocus is false. From outside
// the cycle, Tab starts at its first control and Shift+Tab at its last. None when no control
// of the cycle can take the focus.
template <typename CanTakeFocus>
std::optional<ControlId> stepFocusCycle(std::optional<ControlId> current, bool backwards,
                                        CanTakeFocus canTakeFocus) {
    const std::size_t count = kTabCycle.size();
    std::size_t position = backwards ? 0 : count - 1;  // one step before the first candidate
    for (std::size_t i = 0; current && i < count; ++i) {
        if (kTabCycle[i] == *current) position = i;
    }
    for (std::size_t step = 1; step <= count; ++step) {
        const std::size_t candidate =
            backwards ? (position + count - step % count) % count : (position + step) % count;
        if (canTakeFocus(kTabCycle[candidate])) return kTabCycle[candidate];
    }
    return std::nullopt;
}

}  // namespace cp
