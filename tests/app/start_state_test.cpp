// The window as the user first sees it: where it stands, what it shows, where the caret is.
#include <gtest/gtest.h>

#include <cctype>
#include <string>

#include "form_layout.h"
#include "started_tool.h"

namespace cp::e2e {
namespace {

using C = ControlId;

bool isDigits(const std::string& text) {
    if (text.empty()) return false;
    for (char c : text) {
        if (!std::isdigit(static_cast<unsigned char>(c))) return false;
    }
    return true;
}

TEST_F(StartedTool, OpensCentredOnTheScreenWithAFixedFrameAndItsCaption) {
    RECT frame{};
    ASSERT_TRUE(GetWindowRect(tool.window(), &frame));
    EXPECT_EQ(frame.right - frame.left, 908);
    EXPECT_EQ(frame.bottom - frame.top, 606);
    EXPECT_EQ(frame.left, (GetSystemMetrics(SM_CXSCREEN) - 908) / 2);
    EXPECT_EQ(frame.top, (GetSystemMetrics(SM_CYSCREEN) - 606) / 2);

    const LONG style = GetWindowLongA(tool.window(), GWL_STYLE);
    EXPECT_EQ(style & WS_CAPTION, WS_CAPTION);
    EXPECT_TRUE(style & WS_SYSMENU);
    EXPECT_TRUE(style & WS_MINIMIZEBOX);
    EXPECT_FALSE(style & WS_MAXIMIZEBOX) << "the window must not be maximisable";
    EXPECT_FALSE(style & WS_THICKFRAME) << "the window must not be resizable";
    EXPECT_EQ(GetParent(tool.window()), nullptr);
    EXPECT_EQ(GetWindow(tool.window(), GW_OWNER), nullptr);

    const std::string prefix = "Quillmoor商品库专用软件QQ群号：";
    const std::string caption = windowText(tool.window());
    ASSERT_EQ(caption.substr(0, prefix.size()), prefix);
    EXPECT_TRUE(isDigits(caption.substr(prefix.size()))) << "a group number ends the caption";
}

TEST_F(StartedTool, PlacesEveryControlWhereTheFormHasIt) {
    for (const ControlPlace* place = formBegin(); place != formEnd(); ++place) {
        SCOPED_TRACE(place->name);
        const HWND control = tool.control(place->id);
        ASSERT_NE(control, nullptr);
        const HWND expectedParent = place->parent ? tool.control(*place->parent) : tool.window();
        EXPECT_EQ(GetParent(control), expectedParent);
        EXPECT_TRUE(IsWindowVisible(control));
        EXPECT_TRUE(IsWindowEnabled(control));

        const RECT rect = placeInParent(control);
        EXPECT_EQ(rect.left, place->left);
        if (place->top != kTopChosenByTool) {
            EXPECT_EQ(rect.top, place->top);
        }
        EXPECT_EQ(rect.right - rect.left, place->width);
        EXPECT_EQ(rect.bottom - rect.top, place->height);
    }
}

// Whatever of a control lies outside its group box is cut off, and the form has no
// overlapping controls: so the link labels below the read-out box must fit beside it.
TEST_F(StartedTool, ShowsEveryControlWhollyInsideItsGroupAndClearOfTheOthers) {
    for (const ControlPlace* place = formBegin(); place != formEnd(); ++place) {
        SCOPED_TRACE(place->name);
        const HWND control = tool.control(place->id);
        ASSERT_NE(control, nullptr);
        const RECT rect = placeInParent(control);
        RECT parentArea{};
        GetClientRect(GetParent(control), &parentArea);
        EXPECT_TRUE(rect.left >= 0 && rect.top >= 0 && rect.right <= parentArea.right &&
                    rect.bottom <= parentArea.bottom)
            << "at " << rect.left << "," << rect.top << " to " << rect.right << "," << rect.bottom
            << " in a parent of " << parentArea.right << "x" << parentArea.bottom;

        for (const ControlPlace* other = place + 1; other != formEnd(); ++other) {
            const HWND sibling = tool.control(other->id);
            if (!sibling || GetParent(sibling) != GetParent(control)) continue;
            const RECT otherRect = placeInParent(sibling);
            RECT overlap{};
            EXPECT_FALSE(IntersectRect(&overlap, &rect, &otherRect)) << "overlaps " << other->name;
        }
    }
}

TEST_F(StartedTool, ShowsTheCaptionsOfItsLabelsButtonsAndGroups) {
    for (const ControlPlace* place = formBegin(); place != formEnd(); ++place) {
        if (!place->caption || place->kind == Kind::editBox) continue;
        SCOPED_TRACE(place->name);
        const std::string caption = tool.text(place->id);
        if (place->id == C::标签10) {
            const std::string prefix = place->caption;
            ASSERT_EQ(caption.substr(0, prefix.size()), prefix);
            EXPECT_TRUE(isDigits(caption.substr(prefix.size()))) << "a contact number follows";
        } else {
            EXPECT_EQ(caption, place->caption);
        }
    }
}

TEST_F(StartedTool, StartsWithTheCaretInTheTitleBoxAndAnEmptyForm) {
    EXPECT_TRUE(tool.focusReaches(C::编辑框1));
    EXPECT_EQ(tool.text(C::标签8), "提示：");
    for (const ControlPlace* place = formBegin(); place != formEnd(); ++place) {
        if (place->kind == Kind::editBox) {
            EXPECT_EQ(tool.text(place->id), "") << place->name;
        }
    }
    EXPECT_TRUE(eventually([&] {
        return showsOnly(captureScreen(tool.screenRect(C::图片框1)), faceColour());
    })) << "the picture box must show only the dialog background colour";
}

// For a person to look at: the window as it comes up, in the build folder.
TEST_F(StartedTool, LeavesAScreenshotOfTheStartedWindowInTheBuildFolder) {
    ASSERT_TRUE(tool.focusReaches(C::编辑框1));
    ASSERT_TRUE(eventually(
        [&] { return showsOnly(captureScreen(tool.screenRect(C::图片框1)), faceColour()); }));
    tool.settle();
    RECT frame{};
    ASSERT_TRUE(GetWindowRect(tool.window(), &frame));
    const ScreenArea shot = captureScreen(frame);
    ASSERT_FALSE(showsOnly(shot, faceColour()));
    const std::string path = programDirectory() + "\\..\\app-screenshot.bmp";
    EXPECT_TRUE(writeWholeFile(path, bmpFileOf(shot))) << path;
}

}  // namespace
}  // namespace cp::e2e
