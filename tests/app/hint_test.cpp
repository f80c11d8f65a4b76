// The hint line: what leaving each link box shows, and that it is set before a button's
// action when the button takes the focus from a link box.
#include <gtest/gtest.h>

#include "expected_documents.h"
#include "form_layout.h"
#include "started_tool.h"
#include "test_pictures.h"
#include "user_input.h"

namespace cp::e2e {
namespace {

using C = ControlId;

const char kNeutral[] = "提示：";
const char kSeparateFromCoupon[] = "提示：检测到生成类型为优惠券+下单链接分开型！";
const char kSeparateFromOrder[] = "提示：检测到生成类型为优惠券+下单链接！";
const char kCombined[] = "提示：检测到生成类型为二合一型！";

const char kCoupon[] = "https://taoquan.taobao.com/coupon/unify_apply.htm?sellerId=7&activityId=9";
const char kOrder[] = "https://item.taobao.com/item.htm?id=600123456789";
const char kCombo[] = "https://s.click.taobao.com/t?e=m%3D2%26s%3Dq8Yw1bZ";

struct LinkBoxVisit {
    const char* coupon;
    const char* order;
    const char* combo;
    ControlId left;
    const char* hint;
};

// Each visit changes the hint, so that every step is seen to act.
TEST_F(StartedTool, LeavingALinkBoxShowsHowTheLinksAreGiven) {
    const LinkBoxVisit visits[] = {
        {kCoupon, kOrder, "", C::编辑框5, kSeparateFromOrder},
        {kCoupon, kOrder, "", C::编辑框4, kSeparateFromCoupon},
        {kCoupon, kOrder, kCombo, C::编辑框6, kNeutral},
        {"", "", kCombo, C::编辑框6, kCombined},
        {"", "", kCombo, C::编辑框4, kNeutral},
        {kCoupon, kOrder, "", C::编辑框5, kSeparateFromOrder},
        {kCoupon, kOrder, kCombo, C::编辑框5, kNeutral},
        {"", "", kCombo, C::编辑框6, kCombined},
        {kCoupon, "", "", C::编辑框4, kNeutral},
        {kCoupon, kOrder, "", C::编辑框4, kSeparateFromCoupon},
        {"", kOrder, "", C::编辑框5, kNeutral},
    };
    ASSERT_TRUE(tool.focusReaches(C::编辑框1));
    for (const LinkBoxVisit& visit : visits) {
        SCOPED_TRACE(testing::Message()
                     << "leaving " << visit.left << " with coupon '" << visit.coupon << "', order '"
                     << visit.order << "', combined '" << visit.combo << "'");
        tool.setText(C::编辑框4, visit.coupon);
        tool.setText(C::编辑框5, visit.order);
        tool.setText(C::编辑框6, visit.combo);
        const std::string before = tool.text(C::标签8);

        ASSERT_TRUE(tool.click(visit.left));
        ASSERT_TRUE(tool.focusReaches(visit.left));
        tool.settle();
        EXPECT_EQ(tool.text(C::标签8), before)
            << "entering a box or leaving the title changes nothing";

        ASSERT_TRUE(tool.click(C::编辑框1));
        ASSERT_TRUE(tool.focusReaches(C::编辑框1));
        EXPECT_TRUE(eventually([&] { return tool.text(C::标签8) == visit.hint; }))
            << "hint: " << tool.text(C::标签8);
    }
}

// The press of the mouse button moves the focus (and so runs the lost-focus action); only
// the release completes the click: between the two the hint is there and nothing is cleared.
TEST_F(StartedTool, ClearFromTheOrderBoxShowsItsHintFirstThenEmptiesTheForm) {
    ASSERT_TRUE(pastePicture(tool, patternBitmap(32, 24, screenDepth())));
    const auto picture = [&] { return captureScreen(tool.screenRect(C::图片框1)); };
    ASSERT_TRUE(eventually([&] { return !showsOnly(picture(), faceColour()); }));
    const std::optional<std::string> staged = readWholeFile(tool.folder().stagingFile());
    tool.fill({"珊瑚绒毛毯", "129", "39.9", kCoupon, kOrder, "", "领券立减"});
    tool.setText(C::编辑框9, "an earlier preview");
    ASSERT_TRUE(tool.click(C::编辑框5));
    ASSERT_TRUE(tool.focusReaches(C::编辑框5));

    ASSERT_TRUE(tool.pressMouseOn(C::按钮2));
    EXPECT_TRUE(eventually([&] { return tool.text(C::标签8) == kSeparateFromOrder; }))
        << "hint: " << tool.text(C::标签8);
    EXPECT_EQ(tool.text(C::编辑框1), "珊瑚绒毛毯") << "cleared before the click was complete";
    tool.releaseMouse();

    EXPECT_TRUE(eventually([&] { return tool.text(C::标签8) == kNeutral; }));
    for (ControlId box : {C::编辑框1, C::编辑框2, C::编辑框3, C::编辑框4, C::编辑框5, C::编辑框6,
                          C::编辑框7, C::编辑框9}) {
        EXPECT_TRUE(eventually([&] { return tool.text(box).empty(); })) << box << " not cleared";
    }
    EXPECT_TRUE(eventually([&] { return showsOnly(picture(), faceColour()); }))
        << "the picture stays";
    EXPECT_EQ(readWholeFile(tool.folder().stagingFile()), staged) << "the staging file stays";
}

TEST_F(StartedTool, GenerateFromTheCombinedLinkBoxShowsItsHintFirstThenComposes) {
    tool.setText(C::编辑框6, kCombo);
    ASSERT_TRUE(putTextOnClipboard("before generating"));
    ASSERT_TRUE(tool.click(C::编辑框6));
    ASSERT_TRUE(tool.focusReaches(C::编辑框6));

    ASSERT_TRUE(tool.pressMouseOn(C::按钮1));
    EXPECT_TRUE(eventually([&] { return tool.text(C::标签8) == kCombined; }))
        << "hint: " << tool.text(C::标签8);
    EXPECT_EQ(tool.text(C::编辑框9), "") << "composed before the click was complete";
    tool.releaseMouse();

    const std::string line = std::string("优惠券下单链接：") + kCombo;
    const std::optional<ClipboardBlock> document = waitForRichDocument();
    ASSERT_TRUE(document.has_value());
    EXPECT_EQ(document->text, richDocument(textElement("\r\n" + line)));
    EXPECT_TRUE(eventually([&] { return tool.text(C::编辑框9) == line + "\r\n"; }));
    EXPECT_EQ(tool.text(C::标签8), kCombined);
}

// Another program taking the keyboard is also a way of leaving the box; coming back puts the
// caret where it was.
TEST_F(StartedTool, SwitchingToAnotherProgramFromTheCouponBoxCountsAsLeavingIt) {
    tool.setText(C::编辑框4, kCoupon);
    tool.setText(C::编辑框5, kOrder);
    ASSERT_TRUE(tool.click(C::编辑框4));
    ASSERT_TRUE(tool.focusReaches(C::编辑框4));
    tool.settle();
    ASSERT_EQ(tool.text(C::标签8), kNeutral);

    const win::Window otherProgram(CreateWindowExA(0, "STATIC", "another program",
                                                   WS_POPUP | WS_VISIBLE, 0, 0, 120, 80, nullptr,
                                                   nullptr, GetModuleHandleA(nullptr), nullptr));
    ASSERT_TRUE(otherProgram);
    ASSERT_TRUE(bringToFront(otherProgram.get()));
    EXPECT_TRUE(eventually([&] { return tool.text(C::标签8) == kSeparateFromCoupon; }))
        << "hint: " << tool.text(C::标签8);

    ASSERT_TRUE(bringToFront(tool.window()));
    EXPECT_TRUE(tool.focusReaches(C::编辑框4));
}

}  // namespace
}  // namespace cp::e2e
