// Another program keeps the clipboard open while the user pastes or generates. One that lets
// go within a moment (clipboard history, sync tools, input methods) is waited out. One that
// keeps it: the paste takes no picture and says nothing, the generate says that the message is
// not on the clipboard; both keep what the user typed and work again once the clipboard is
// free.
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
// The peer lets go by itself 60 ms after it took the clipboard: an action pressed once it
// holds it meets a held clipboard and must wait.
constexpr char kHoldClipboardForAMoment[] = "hold-clipboard 60";

const FormTexts kEverydayForm = {
    "珊瑚绒毛毯", "129", "39.9", "", "", "https://s.click.taobao.com/t?e=m%3D2", "领券立减90元"};

size_t screenshotBytes(int width, int height) {
    const size_t rowBytes = (static_cast<size_t>(screenDepth()) * width + 31) / 32 * 4;
    return 54 + rowBytes * height;
}

TEST_F(StartedTool, PasteWaitsOutAProgramThatHoldsTheClipboardForAMoment) {
    ASSERT_TRUE(putBitmapOnClipboard(patternBitmap(32, 32, screenDepth())));
    {
        const test::PeerProcess holder(kHoldClipboardForAMoment);
        ASSERT_TRUE(holder.isReady()) << "the other program could not take the clipboard";
        ASSERT_TRUE(pressAndWait(tool, C::按钮3)) << "the paste did not end";
        EXPECT_EQ(holder.exitCode(), 0u) << "the other program must have let go by itself";
    }

    const std::optional<std::string> staged = readWholeFile(tool.folder().stagingFile());
    ASSERT_TRUE(staged.has_value()) << "the staging file must exist";
    EXPECT_EQ(staged->size(), screenshotBytes(32, 32)) << "the bitmap, not an empty file";
    EXPECT_TRUE(eventually([&] { return !pictureBoxIsBlank(tool); }));
    tool.settle();
    EXPECT_FALSE(hasMessageBox(tool.processId()));
}

TEST_F(StartedTool, GenerateWaitsOutAProgramThatHoldsTheClipboardForAMoment) {
    // One preview line, so that the publish comes well within the moment: with a long form
    // the composing alone can outlast the other program's hold.
    const FormTexts titleOnly = {"珊瑚绒毛毯", "", "", "", "", "", ""};
    tool.fill(titleOnly);
    ASSERT_TRUE(putTextOnClipboard("placed on the clipboard by another program"));
    {
        const test::PeerProcess holder(kHoldClipboardForAMoment);
        ASSERT_TRUE(holder.isReady()) << "the other program could not take the clipboard";
        tool.push(C::按钮1);
        EXPECT_EQ(holder.exitCode(), 0u) << "the other program must have let go by itself";
    }

    const std::optional<ClipboardBlock> document = waitForRichDocument();
    ASSERT_TRUE(document.has_value()) << "the document must reach the clipboard";
    const ReadDocument read = readRichDocument(document->text);
    EXPECT_TRUE(read.wellFormed);
    EXPECT_EQ(read.body, "\r\n珊瑚绒毛毯");
    tool.settle();
    EXPECT_FALSE(hasMessageBox(tool.processId())) << "a published message is no error to show";
}

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
    EXPECT_EQ(staged->size(), screenshotBytes(32, 32)) << "the 32 x 32 bitmap at the display's depth";
    EXPECT_TRUE(eventually([&] { return !pictureBoxIsBlank(tool); }));
}

TEST_F(StartedTool, GenerateWhileTheClipboardIsHeldSaysTheMessageIsNotOnTheClipboard) {
    const FormTexts& form = kEverydayForm;
    tool.fill(form);
    const std::string placedBefore = "placed on the clipboard by another program";
    ASSERT_TRUE(putTextOnClipboard(placedBefore));
    const std::string preview =
        "珊瑚绒毛毯\r\n原价129元   券后39.9元\r\n优惠券下单链接：https://s.click.taobao.com/"
        "t?e=m%3D2\r\n------------------------------------\r\n领券立减90元";
    {
        const test::PeerProcess holder(kHoldClipboard);
        ASSERT_TRUE(holder.isReady()) << "the other program could not take the clipboard";

        tool.push(C::按钮1);

        const std::optional<MessageBoxView> box = waitForMessageBox(tool.processId());
        ASSERT_TRUE(box.has_value()) << "a message that is not on the clipboard must be told";
        EXPECT_EQ(box->text, "消息没有放到剪贴板上：剪贴板正被其他程序占用，请稍后再点生成。");
        EXPECT_EQ(box->title, "错误提示！");
        EXPECT_EQ(box->buttonCount, 1) << "OK only";
        EXPECT_EQ(tool.text(C::编辑框9), preview);
        const FormTexts kept = readForm(tool);
        EXPECT_EQ(kept.title, form.title);
        EXPECT_EQ(kept.comboLink, form.comboLink);
        EXPECT_EQ(kept.copyText, form.copyText);
        ASSERT_TRUE(closeMessageBox(box->dialog));
        tool.settle();
        EXPECT_TRUE(tool.running()) << "closing the box must not close the tool";
    }

    const std::optional<ClipboardBlock> text = clipboardBlock(CF_TEXT);
    ASSERT_TRUE(text.has_value()) << "the clipboard lost what it held";
    EXPECT_EQ(text->text, placedBefore);
    EXPECT_FALSE(clipboardBlock(richFormat()).has_value()) << "nothing may have been published";

    // Free again: the next generate publishes, and says nothing.
    ASSERT_TRUE(pressAndWait(tool, C::按钮1));
    const std::optional<ClipboardBlock> document = waitForRichDocument();
    ASSERT_TRUE(document.has_value()) << "a later generate must publish";
    const ReadDocument read = readRichDocument(document->text);
    EXPECT_TRUE(read.wellFormed);
    EXPECT_EQ(read.body, bodyWithoutSeparateLinks(form));
    EXPECT_EQ(tool.text(C::编辑框9), preview);
    EXPECT_FALSE(hasMessageBox(tool.processId()));
}

}  // namespace
}  // namespace cp::e2e
