// The tests of this program mean something only in the environment the tool is made for:
// a Chinese Windows (ANSI code page 936) with a true-colour display.
#include <gtest/gtest.h>
#include <windows.h>

#include "platform/scoped_handles.h"

namespace {

TEST(TestEnvironment, AnsiCodePageIsGbk) {
    ASSERT_EQ(GetACP(), 936u) << "run under Wine with LC_ALL=zh_CN.UTF-8";
}

TEST(TestEnvironment, DisplayBitmapsHave32Bits) {
    const cp::win::WindowDc screen(nullptr);
    ASSERT_TRUE(screen) << "no display: DISPLAY must name a running X server";
    EXPECT_EQ(GetDeviceCaps(screen.get(), BITSPIXEL), 32) << "a 24-bit X display gives 32 here";
}

}  // namespace
