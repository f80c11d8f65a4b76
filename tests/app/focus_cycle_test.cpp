// Where Tab and Shift+Tab move the focus, without a window: the cycle's order, its wrap at
// either end, controls that cannot take the focus, and a focus outside the cycle.
#include "app/focus_cycle.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <iterator>
#include <optional>
#include <ostream>
#include <set>

namespace cp {

void PrintTo(ControlId id, std::ostream* out) {
    *out << "control " << static_cast<int>(id);
}

namespace {

using C = ControlId;

// Every control of the cycle can take the focus except the ones named.
struct Unavailable {
    std::set<ControlId> controls;
    bool operator()(ControlId id) const { return controls.count(id) == 0; }
};

std::optional<ControlId> tab(std::optional<ControlId> from, Unavailable unavailable = {}) {
    return stepFocusCycle(from, false, unavailable);
}

std::optional<ControlId> shiftTab(std::optional<ControlId> from, Unavailable unavailable = {}) {
    return stepFocusCycle(from, true, unavailable);
}

TEST(FocusCycle, TabFollowsTheFormsOrderAndWrapsShiftTabGoesBack) {
    // The generate button follows the order link; the combined link and the copy text last.
    const ControlId order[] = {C::编辑框1, C::编辑框2, C::编辑框3, C::编辑框4, C::编辑框5, C::按钮1,
                               C::按钮2,   C::编辑框9, C::按钮3,   C::编辑框6, C::编辑框7};
    constexpr size_t kCount = std::size(order);
    for (size_t i = 0; i < kCount; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(tab(order[i]), order[(i + 1) % kCount]);
        EXPECT_EQ(shiftTab(order[(i + 1) % kCount]), order[i]);
    }
}

struct SkipCase {
    const char* what;
    std::optional<ControlId> from;
    bool backwards;
    std::initializer_list<ControlId> unavailable;
    std::optional<ControlId> to;
};

TEST(FocusCycle, SkipsControlsThatCannotTakeTheFocus) {
    const SkipCase cases[] = {
        {"one disabled button", C::编辑框5, false, {C::按钮1}, C::按钮2},
        {"two in a row", C::编辑框5, false, {C::按钮1, C::按钮2}, C::编辑框9},
        {"backwards over two", C::编辑框9, true, {C::按钮1, C::按钮2}, C::编辑框5},
        {"across the wrap", C::编辑框6, false, {C::编辑框7, C::编辑框1}, C::编辑框2},
        {"backwards across the wrap", C::编辑框2, true, {C::编辑框1, C::编辑框7}, C::编辑框6},
        {"only the current one left",
         C::按钮3,
         false,
         {C::编辑框1, C::编辑框2, C::编辑框3, C::编辑框4, C::编辑框5, C::按钮1, C::按钮2,
          C::编辑框9, C::编辑框6, C::编辑框7},
         C::按钮3},
    };
    for (const SkipCase& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(stepFocusCycle(c.from, c.backwards, Unavailable{c.unavailable}), c.to);
    }
}

TEST(FocusCycle, FromOutsideTheCycleTabStartsAtTheTitleBoxAndShiftTabAtTheCopyText) {
    EXPECT_EQ(tab(std::nullopt), C::编辑框1);
    EXPECT_EQ(shiftTab(std::nullopt), C::编辑框7);
    // A control that is not in the cycle counts as outside it.
    EXPECT_EQ(tab(C::标签8), C::编辑框1);
    EXPECT_EQ(shiftTab(C::图片框1), C::编辑框7);
    EXPECT_EQ(tab(std::nullopt, {{C::编辑框1}}), C::编辑框2);
    EXPECT_EQ(shiftTab(std::nullopt, {{C::编辑框7, C::编辑框6}}), C::按钮3);
}

TEST(FocusCycle, GoesNowhereWhenNoControlCanTakeTheFocus) {
    const auto none = [](ControlId) { return false; };
    EXPECT_EQ(stepFocusCycle(C::编辑框3, false, none), std::nullopt);
    EXPECT_EQ(stepFocusCycle(std::nullopt, true, none), std::nullopt);
}

}  // namespace
}  // namespace cp
