// Two copies of the tool started from one folder share its staging file: both work, each
// paste overwrites the file for both, the first copy to close deletes it, and the other
// works on.
#include <gtest/gtest.h>

#include <string>

#include "app/control_ids.h"
#include "platform/scoped_handles.h"
#include "tests/app/desktop.h"
#include "tests/app/started_tool.h"
#include "tests/app/test_pictures.h"
#include "tests/faults/fault_support.h"

namespace cp::e2e {
namespace {

using C = ControlId;

// Puts the bitmap on the clipboard, presses a copy's paste button and gives the BMP file
// the tool is to make of it.
std::string pasteInto(HWND pasteButton, win::GdiObject bitmap) {
    const std::string expected = bmpFileFor(static_cast<HBITMAP>(bitmap.get()));
    if (!putBitmapOnClipboard(std::move(bitmap)) || !pressAndWait(pasteButton)) return "";
    return expected;
}

// Generates in a copy whose title box holds a title; the image path of the document.
std::optional<std::string> documentPicture(HWND generateButton) {
    if (!putTextOnClipboard("before generating") || !pressAndWait(generateButton)) {
        return std::nullopt;
    }
    const std::optional<ClipboardBlock> document = waitForRichDocument();
    if (!document) return std::nullopt;
    const ReadDocument read = readRichDocument(document->text);
    if (!read.wellFormed || read.imageElements != 1) return std::nullopt;
    return read.imagePath;
}

TEST_F(StartedTool, TwoCopiesInOneFolderShareTheStagingFileAndTheFirstToCloseDeletesIt) {
    ToolSession second(tool.folder());
    ASSERT_TRUE(second.start()) << "the second copy showed no window: " << second.whyNotStarted();
    ASSERT_NE(second.processId(), tool.processId());
    const std::string staging = tool.folder().stagingFile();
    tool.setText(C::编辑框1, "第一个");
    second.setText(C::编辑框1, "第二个");

    const std::string first =
        pasteInto(tool.control(C::按钮3), patternBitmap(40, 30, screenDepth()));
    ASSERT_FALSE(first.empty());
    EXPECT_TRUE(withoutAlpha(readWholeFile(staging).value_or("")) == withoutAlpha(first));
    const std::string other = pasteInto(second.control(C::按钮3), monochromeBitmap(50, 20));
    ASSERT_FALSE(other.empty());
    EXPECT_TRUE(readWholeFile(staging) == other) << "the second copy's paste overwrites the file";

    EXPECT_EQ(documentPicture(tool.control(C::按钮1)), tool.folder().stagingPathInDocument());
    EXPECT_EQ(documentPicture(second.control(C::按钮1)), tool.folder().stagingPathInDocument());

    ASSERT_TRUE(PostMessageA(tool.window(), WM_CLOSE, 0, 0));
    EXPECT_EQ(tool.exitCode(), std::optional<DWORD>(0));
    EXPECT_FALSE(fileExists(staging)) << "the first copy to close deletes the file";

    EXPECT_EQ(documentPicture(second.control(C::按钮1)), tool.folder().stagingPathInDocument())
        << "the other copy must still generate";
    const std::string again = pasteInto(second.control(C::按钮3), monochromeBitmap(30, 10));
    ASSERT_FALSE(again.empty());
    EXPECT_TRUE(readWholeFile(staging) == again) << "and paste";
    EXPECT_EQ(second.text(C::编辑框1), "第二个");

    ASSERT_TRUE(PostMessageA(second.window(), WM_CLOSE, 0, 0));
    EXPECT_EQ(second.exitCode(), std::optional<DWORD>(0));
    EXPECT_FALSE(fileExists(staging));
}

}  // namespace
}  // namespace cp::e2e
