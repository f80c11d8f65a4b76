// Another program keeps the clipboard open while the user pastes or generates: the tool
// takes no picture and publishes nothing, says nothing, keeps what the user typed, and works
// again once the clipboard is free.
#include <gtest/gtest.h>

#include "tests/app/desktop.h"
#include "tests/app/started_tool.h"
#include "tests/app/test_pictures.h"
#include "tests/faults/fault_support.h"
#include "tests/support/peer_process.h"

namespace cp::e2e {
namespace {

using C = ControlId;

// Long enough for every step of a test; the peer lets go at the end of its scope.
constexpr char kHoldClipboard[] = "hold-clipboard 60000";

TEST_F(StartedTool, PasteWhileTheClipboardIsHeldBlanksTheBoxAndEmptiesTheFile) {
    ASSERT_TRUE(pastePicture(tool, patternBitmap(64, 48, screenDepth())));
    ASSERT_TRUE(eventually([&] { return !pictureBoxIsBlank(tool); }));
    ASSERT_TRUE(putBitmapOnClipboard(patternBitmap(32, 32, screenDepth())));
    tool.setText(C::编辑框1, "珊瑚绒毛毯");
    {
        const test::PeerProcess holder(kHoldClipboard);
        ASSERT_TRUE(holder.isReady()) << "the other program could not take the clipboard";
        DeleteFileA(tool.folder().stagingFile().c_str());

        ASSERT_TRUE(pressAndWait(tool, C::按钮3)) << "the paste did not end";

        const std::optional<std::string> staged = readWholeFile(tool.folder().stagingFile());
        ASSERT_TRUE(staged.has_value()) << "the staging file must exist";
        EXPECT_EQ(staged->size(), 0u);
        EXPECT_TRUE(eventually([&] { return pictureBoxIsBlank(tool); }));
        tool.settle();
        EXPECT_FALSE(hasMessageBox(tool.processId())) << "a held clipboard is no error to show";
        EXPECT_EQ(tool.text(C::编辑框1), "珊瑚绒毛毯");
    }

    // Free again: the bitmap that was there all along is pasted.
    const std::optional<std::string> staged = pasteFromClipboard(tool);
    ASSERT_TRUE(staged.has_value());
    const size_t rowBytes = (static_cast<size_t>(screenDepth()) * 32 + 31) / 32 * 4;
    EXPECT_EQ(staged->size(), 54 + rowBytes * 32) << "the 32 x 32 bitmap at the display's depth";
    EXPECT_TRUE(eventually([&] { return !pictureBoxIsBlank(tool); }));
}

TEST_F(StartedTool, GenerateWhileTheClipboardIsHeldWritesThePreviewAndLeavesTheClipboard) {
    const FormTexts form = {
        "珊瑚绒毛毯",  "129", "39.9", "", "", "https://s.click.taobao.com/t?e=m%3D2",
        "领券立减90元"};
    tool.fill(form);
    const std::string placedBefore = "placed on the clipboard by another program";
    ASSERT_TRUE(putTextOnClipboard(placedBefore));
    const std::string preview =
        "珊瑚绒毛毯\r\n原价129元   券后39.9元\r\n优惠券下单链接：https://s.click.taobao.com/"
        "t?e=m%3D2\r\n------------------------------------\r\n领券立减90元";
    {
        const test::PeerProcess holder(kHoldClipboard);
        ASSERT_TRUE(holder.isReady()) << "the other program could not take the clipboard";

        ASSERT_TRUE(pressAndWait(tool, C::按钮1)) << "the generate did not end";

        EXPECT_EQ(tool.text(C::编辑框9), preview);
        tool.settle();
        EXPECT_FALSE(hasMessageBox(tool.processId())) << "a held clipboard is no error to show";
        EXPECT_EQ(readForm(tool).title, form.title);
    }

    const std::optional<ClipboardBlock> text = clipboardBlock(CF_TEXT);
    ASSERT_TRUE(text.has_value()) << "the clipboard lost what it held";
    EXPECT_EQ(text->text, placedBefore);
    EXPECT_FALSE(clipboardBlock(richFormat()).has_value()) << "nothing may have been published";

    // Free again: the next generate publishes.
    ASSERT_TRUE(pressAndWait(tool, C::按钮1));
    const std::optional<ClipboardBlock> document = waitForRichDocument();
    ASSERT_TRUE(document.has_value()) << "a later generate must publish";
    const ReadDocument read = readRichDocument(document->text);
    EXPECT_TRUE(read.wellFormed);
    EXPECT_EQ(read.body, bodyWithoutSeparateLinks(form));
    EXPECT_EQ(tool.text(C::编辑框9), preview);
}

}  // namespace
}  // namespace cp::e2e
