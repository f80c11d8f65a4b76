// The keyboard: Tab and Shift+Tab through the form, Enter and tab characters in the boxes,
// the keys the window leaves alone, the focus after a message box, and the keys and requests
// that close the window.
#include <gtest/gtest.h>

#include <functional>
#include <iterator>

#include "form_layout.h"
#include "started_tool.h"
#include "user_input.h"

namespace cp::e2e {
namespace {

using C = ControlId;

// Not the visual order: the generate button follows the order link, and the combined link
// and the copy text come last.
const ControlId kTabCycle[] = {C::编辑框1, C::编辑框2, C::编辑框3, C::编辑框4, C::编辑框5, C::按钮1,
                               C::按钮2,   C::编辑框9, C::按钮3,   C::编辑框6, C::编辑框7};
constexpr int kCycleLength = static_cast<int>(std::size(kTabCycle));

TEST_F(StartedTool, TabGoesRoundTheFormInItsOrderAndShiftTabGoesBack) {
    ASSERT_TRUE(tool.focusReaches(C::编辑框1));
    for (int step = 1; step <= kCycleLength; ++step) {
        const ControlId from = kTabCycle[step - 1];
        const ControlId to = kTabCycle[step % kCycleLength];
        ASSERT_TRUE(tool.key(VK_TAB));
        ASSERT_TRUE(tool.focusReaches(to)) << "Tab from " << from;
    }
    for (int step = kCycleLength; step >= 1; --step) {
        const ControlId from = kTabCycle[step % kCycleLength];
        const ControlId to = kTabCycle[step - 1];
        ASSERT_TRUE(tool.keyWith(VK_SHIFT, VK_TAB));
        ASSERT_TRUE(tool.focusReaches(to)) << "Shift+Tab from " << from;
    }
}

TEST_F(StartedTool, TabSkipsAControlThatIsHiddenOrDisabled) {
    ASSERT_TRUE(tool.tabTo(C::编辑框5));
    // As another program on the desktop may do to the tool's controls.
    EnableWindow(tool.control(C::按钮1), FALSE);
    ShowWindow(tool.control(C::按钮2), SW_HIDE);
    ASSERT_TRUE(tool.key(VK_TAB));
    EXPECT_TRUE(tool.focusReaches(C::编辑框9)) << "Tab past the disabled and the hidden button";
    ASSERT_TRUE(tool.keyWith(VK_SHIFT, VK_TAB));
    EXPECT_TRUE(tool.focusReaches(C::编辑框5)) << "and Shift+Tab back past both";

    EnableWindow(tool.control(C::按钮1), TRUE);
    ShowWindow(tool.control(C::按钮2), SW_SHOW);
    ASSERT_TRUE(tool.key(VK_TAB));
    EXPECT_TRUE(tool.focusReaches(C::按钮1)) << "enabled again, the button is in the cycle";
    ASSERT_TRUE(tool.key(VK_TAB));
    EXPECT_TRUE(tool.focusReaches(C::按钮2)) << "shown again, the button is in the cycle";
}

// The window takes Tab only without Ctrl and Alt, and Esc only without Ctrl, Shift and Alt.
TEST_F(StartedTool, TabWithCtrlOrAltAndEscWithAModifierAreLeftAlone) {
    struct ModifiedKey {
        const char* keys;
        WORD modifier;
        WORD key;
    };
    const ModifiedKey keys[] = {{"Ctrl+Tab", VK_CONTROL, VK_TAB},
                                {"Alt+Tab", VK_MENU, VK_TAB},
                                {"Ctrl+Esc", VK_CONTROL, VK_ESCAPE},
                                {"Shift+Esc", VK_SHIFT, VK_ESCAPE},
                                {"Alt+Esc", VK_MENU, VK_ESCAPE}};
    tool.setText(C::编辑框3, "39.9");
    for (const ModifiedKey& k : keys) {
        SCOPED_TRACE(k.keys);
        ASSERT_TRUE(tool.tabTo(C::编辑框3));
        ASSERT_TRUE(tool.keyWith(k.modifier, k.key));
        // Input is taken in order: once the plain Tab after it has acted, so has the key.
        ASSERT_TRUE(tool.key(VK_TAB));
        EXPECT_TRUE(tool.focusReaches(C::编辑框4)) << "the focus moved on the modified key";
        tool.settle();
        ASSERT_TRUE(tool.running()) << "the window closed";
        EXPECT_TRUE(IsWindowVisible(tool.window()));
        EXPECT_EQ(tool.text(C::编辑框3), "39.9");
    }
}

struct KeyInBox {
    const char* keys;
    ControlId box;
    WORD modifier;  // 0: none
    WORD key;
    const char* typedAfter;  // typed after the key, where the caret stays
    const char* text;        // the box's text at the end
    ControlId focusAfter;
};

// Ctrl+I types a tab character, which the multi-line boxes keep; Tab itself only moves on.
TEST_F(StartedTool, EnterBreaksLinesInTheMultiLineBoxesTabInsertsNothingAndCtrlITypesATab) {
    const KeyInBox cases[] = {
        {"Enter", C::编辑框7, 0, VK_RETURN, "cd", "ab\r\ncd", C::编辑框7},
        {"Enter", C::编辑框9, 0, VK_RETURN, "cd", "ab\r\ncd", C::编辑框9},
        {"Enter", C::编辑框1, 0, VK_RETURN, "cd", "abcd", C::编辑框1},
        {"Tab", C::编辑框7, 0, VK_TAB, "", "ab", C::编辑框1},
        {"Tab", C::编辑框9, 0, VK_TAB, "", "ab", C::按钮3},
        {"Ctrl+I", C::编辑框7, VK_CONTROL, 'I', "cd", "ab\tcd", C::编辑框7},
        {"Ctrl+I", C::编辑框9, VK_CONTROL, 'I', "cd", "ab\tcd", C::编辑框9},
    };
    for (const KeyInBox& c : cases) {
        SCOPED_TRACE(testing::Message() << c.keys << " in " << c.box);
        tool.setText(c.box, "");
        ASSERT_TRUE(tool.click(c.box));
        ASSERT_TRUE(tool.focusReaches(c.box));
        ASSERT_TRUE(tool.type("ab"));
        ASSERT_TRUE(eventually([&] { return tool.text(c.box) == "ab"; }));
        ASSERT_TRUE(c.modifier ? tool.keyWith(c.modifier, c.key) : tool.key(c.key));
        ASSERT_TRUE(tool.type(c.typedAfter));
        EXPECT_TRUE(tool.focusReaches(c.focusAfter));
        EXPECT_TRUE(eventually([&] { return tool.text(c.box) == c.text; }))
            << "text: " << tool.text(c.box);
        tool.settle();
        EXPECT_EQ(tool.text(c.box), c.text);
        EXPECT_FALSE(hasMessageBox(tool.processId()));
        ASSERT_TRUE(tool.running());
    }
}

// Enter never presses a button (there is no default button); the space bar presses the one
// that has the focus.
TEST_F(StartedTool, SpacePressesTheFocusedButtonAndEnterDoesNot) {
    tool.setText(C::编辑框1, "珊瑚绒毛毯");
    const std::string placedBefore = "placed on the clipboard by another program";
    ASSERT_TRUE(putTextOnClipboard(placedBefore));
    const ControlId buttonsAndNext[][2] = {
        {C::按钮1, C::按钮2}, {C::按钮2, C::编辑框9}, {C::按钮3, C::编辑框6}};
    for (const auto& [button, next] : buttonsAndNext) {
        SCOPED_TRACE(testing::Message() << "Enter on " << button);
        ASSERT_TRUE(tool.tabTo(button));
        ASSERT_TRUE(tool.key(VK_RETURN));
        // Input is taken in order: once the Tab after it has acted, so has the Enter.
        ASSERT_TRUE(tool.key(VK_TAB));
        ASSERT_TRUE(tool.focusReaches(next));
        tool.settle();
        EXPECT_FALSE(hasMessageBox(tool.processId()));
        EXPECT_EQ(tool.text(C::编辑框1), "珊瑚绒毛毯");
        EXPECT_EQ(tool.text(C::编辑框9), "");
        EXPECT_FALSE(fileExists(tool.folder().stagingFile()));
        const std::optional<ClipboardBlock> text = clipboardBlock(CF_TEXT);
        ASSERT_TRUE(text.has_value());
        EXPECT_EQ(text->text, placedBefore);
    }

    ASSERT_TRUE(tool.tabTo(C::按钮1));
    ASSERT_TRUE(tool.key(VK_SPACE));
    EXPECT_TRUE(eventually([&] { return tool.text(C::编辑框9) == "珊瑚绒毛毯\r\n"; }));
    ASSERT_TRUE(tool.tabTo(C::按钮2));
    ASSERT_TRUE(tool.key(VK_SPACE));
    EXPECT_TRUE(eventually([&] { return tool.text(C::编辑框1).empty(); }));
}

// The window is active again and its focus where it was, so typing goes on in the tool.
TEST_F(StartedTool, FocusReturnsToTheToolWhenItsMessageBoxCloses) {
    const WORD closingKeys[] = {VK_RETURN, VK_ESCAPE};
    for (const WORD closingKey : closingKeys) {
        SCOPED_TRACE(closingKey == VK_RETURN ? "closed with Enter" : "closed with Esc");
        ASSERT_TRUE(tool.tabTo(C::按钮1));
        ASSERT_TRUE(tool.key(VK_SPACE));  // an empty form: the tool asks for data
        const std::optional<MessageBoxView> box = waitForMessageBox(tool.processId());
        ASSERT_TRUE(box.has_value()) << "no message box";
        ASSERT_TRUE(bringToFront(box->dialog));
        pressKey(closingKey);
        ASSERT_TRUE(eventually([&] { return !IsWindow(box->dialog); })) << "the box stays open";

        EXPECT_TRUE(eventually([&] { return GetForegroundWindow() == tool.window(); }))
            << "the tool is not the active window again";
        EXPECT_TRUE(tool.focusReaches(C::按钮1)) << "the focus is not back on the button";
        pressKey(VK_TAB);  // without bringing the tool to the front first
        EXPECT_TRUE(tool.focusReaches(C::按钮2)) << "the keyboard does not reach the tool";
        ASSERT_TRUE(tool.running());
    }
}

struct CloseRequest {
    const char* how;
    std::function<bool(const ToolSession&)> close;
};

bool escapeIn(const ToolSession& tool, ControlId control) {
    return tool.tabTo(control) && tool.key(VK_ESCAPE);
}

TEST(ClosingTheTool, DeletesTheStagingFileAndEndsWithExitCodeZero) {
    const CloseRequest requests[] = {
        {"Esc in the title box", [](const ToolSession& t) { return escapeIn(t, C::编辑框1); }},
        {"Esc in the copy text box", [](const ToolSession& t) { return escapeIn(t, C::编辑框7); }},
        {"Esc in the read-out box", [](const ToolSession& t) { return escapeIn(t, C::编辑框9); }},
        {"Esc on the clear button", [](const ToolSession& t) { return escapeIn(t, C::按钮2); }},
        {"Alt+F4", [](const ToolSession& t) { return t.keyWith(VK_MENU, VK_F4); }},
        {"WM_CLOSE",
         [](const ToolSession& t) { return PostMessageA(t.window(), WM_CLOSE, 0, 0) != FALSE; }},
        {"Close in the system menu",
         [](const ToolSession& t) {
             return PostMessageA(t.window(), WM_SYSCOMMAND, SC_CLOSE, 0) != FALSE;
         }},
    };
    for (const CloseRequest& request : requests) {
        SCOPED_TRACE(request.how);
        ToolSession tool;
        // A picture left behind by an earlier run of the tool in the same folder.
        ASSERT_TRUE(writeWholeFile(tool.folder().stagingFile(), "BM left by an earlier run"));
        ASSERT_TRUE(tool.start()) << tool.whyNotStarted();
        ASSERT_TRUE(tool.focusReaches(C::编辑框1));
        ASSERT_TRUE(fileExists(tool.folder().stagingFile()));

        ASSERT_TRUE(request.close(tool));
        const std::optional<DWORD> exitCode = tool.exitCode();
        ASSERT_TRUE(exitCode.has_value()) << "the tool did not end";
        EXPECT_EQ(*exitCode, 0u);
        EXPECT_FALSE(fileExists(tool.folder().stagingFile()));
    }
}

}  // namespace
}  // namespace cp::e2e
