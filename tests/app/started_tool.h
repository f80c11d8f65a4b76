// A test that begins with the tool started and its window shown.
#pragma once

#include <gtest/gtest.h>

#include "tool_session.h"

namespace cp::e2e {

class StartedTool : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(tool.start()) << "CouponPaste.exe showed no window: " << tool.whyNotStarted();
    }

    ToolSession tool;
};

}  // namespace cp::e2e
