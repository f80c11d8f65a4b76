// The staging file cannot be written: another program holds it open without sharing, or a
// folder stands where it should be. The tool tells the user and shows no picture that the
// document could name, keeps the form, harms nothing, and works on.
#include <gtest/gtest.h>

#include "tests/app/desktop.h"
#include "tests/app/started_tool.h"
#include "tests/app/test_pictures.h"
#include "tests/faults/fault_support.h"
#include "tests/support/peer_process.h"

namespace cp::e2e {
namespace {

using C = ControlId;

const FormTexts kForm = {"珊瑚绒毛毯", "129", "39.9", "", "", "", "天冷了，盖上就不想起床！"};

size_t bmpSizeAtDisplayDepth(int width, int height) {
    return 54 + (static_cast<size_t>(screenDepth()) * width + 31) / 32 * 4 * height;
}

// Pastes with the file unwritable; expects the message, closes it, and checks the box is
// blank and the form as it was.
void pasteExpectingTheNotSavedMessage(const ToolSession& tool) {
    ASSERT_TRUE(putBitmapOnClipboard(patternBitmap(40, 30, screenDepth())));
    tool.push(C::按钮3);

    const std::optional<MessageBoxView> box = waitForMessageBox(tool.processId());
    ASSERT_TRUE(box.has_value()) << "the user must be told the picture was not saved";
    EXPECT_EQ(box->title, "错误提示！");
    EXPECT_EQ(box->text, "图片保存失败：" + tool.folder().stagingPathInDocument());
    EXPECT_EQ(box->buttonCount, 1) << "OK only";
    ASSERT_TRUE(closeMessageBox(box->dialog));

    tool.settle();
    EXPECT_TRUE(tool.running());
    EXPECT_TRUE(eventually([&] { return pictureBoxIsBlank(tool); }))
        << "a picture that is not in the file must not be shown";
    const FormTexts after = readForm(tool);
    EXPECT_EQ(after.title, kForm.title);
    EXPECT_EQ(after.copyText, kForm.copyText);
}

// A generate names no picture when the box is blank.
void expectDocumentWithoutPicture(const ToolSession& tool) {
    ASSERT_TRUE(putTextOnClipboard("before generating"));
    ASSERT_TRUE(pressAndWait(tool, C::按钮1));
    const std::optional<ClipboardBlock> document = waitForRichDocument();
    ASSERT_TRUE(document.has_value()) << "the tool must still generate";
    const ReadDocument read = readRichDocument(document->text);
    EXPECT_TRUE(read.wellFormed);
    EXPECT_EQ(read.imageElements, 0);
    EXPECT_EQ(read.body, bodyWithoutSeparateLinks(kForm));
}

TEST_F(StartedTool, StagingFileHeldByAnotherProgramIsReportedAndAPasteWorksOnceItIsFree) {
    tool.fill(kForm);
    {
        const test::PeerProcess holder("hold-file \"" + tool.folder().stagingFile() + "\" 60000");
        ASSERT_TRUE(holder.isReady()) << "the other program could not open the file";
        ASSERT_NO_FATAL_FAILURE(pasteExpectingTheNotSavedMessage(tool));
        expectDocumentWithoutPicture(tool);
    }

    ASSERT_TRUE(putBitmapOnClipboard(patternBitmap(40, 30, screenDepth())));
    const std::optional<std::string> staged = pasteFromClipboard(tool);
    ASSERT_TRUE(staged.has_value());
    EXPECT_EQ(staged->size(), bmpSizeAtDisplayDepth(40, 30)) << "a later paste must work";
    EXPECT_TRUE(eventually([&] { return !pictureBoxIsBlank(tool); }));
}

TEST_F(StartedTool, FolderWhereTheStagingFileShouldBeIsReportedAndLeftAlone) {
    const std::string folder = tool.folder().stagingFile();
    ASSERT_TRUE(CreateDirectoryA(folder.c_str(), nullptr));
    const std::string kept = folder + "\\留着.txt";
    ASSERT_TRUE(writeWholeFile(kept, "a file of the user's"));
    tool.fill(kForm);

    ASSERT_NO_FATAL_FAILURE(pasteExpectingTheNotSavedMessage(tool));
    expectDocumentWithoutPicture(tool);

    ASSERT_TRUE(PostMessageA(tool.window(), WM_CLOSE, 0, 0));
    EXPECT_EQ(tool.exitCode(), std::optional<DWORD>(0));
    const DWORD attributes = GetFileAttributesA(folder.c_str());
    ASSERT_NE(attributes, INVALID_FILE_ATTRIBUTES) << "the folder is gone";
    EXPECT_TRUE(attributes & FILE_ATTRIBUTE_DIRECTORY);
    EXPECT_EQ(readWholeFile(kept), std::optional<std::string>("a file of the user's"));
}

}  // namespace
}  // namespace cp::e2e
