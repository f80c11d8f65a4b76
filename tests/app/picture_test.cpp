// The paste-picture button: the bitmap from the clipboard in the picture box and in the
// staging file, a paste without a bitmap, and clear.
#include <gtest/gtest.h>

#include <functional>

#include "expected_documents.h"
#include "started_tool.h"
#include "test_pictures.h"

namespace cp::e2e {
namespace {

using C = ControlId;

unsigned long field(const std::string& bmp, size_t at, int bytes) {
    unsigned long value = 0;
    for (int i = bytes - 1; i >= 0; --i)
        value = (value << 8) | static_cast<unsigned char>(bmp[at + i]);
    return value;
}

struct Picture {
    const char* what;
    std::function<win::GdiObject(const ToolSession&)> make;
};

TEST_F(StartedTool, PastedPictureIsShownAndStagedAsItsBmpFile) {
    const Picture pictures[] = {
        {"a screenshot of the tool's own window",
         [](const ToolSession& t) {
             RECT frame{};
             GetWindowRect(t.window(), &frame);
             return screenshotBitmap(frame);
         }},
        {"1 bit, rows padded to whole words, with the black and white colour table",
         [](const ToolSession&) { return monochromeBitmap(13, 7); }},
        {"the display's depth, an odd size",
         [](const ToolSession&) { return patternBitmap(37, 23, screenDepth()); }},
    };
    const auto pictureBox = [&] { return captureScreen(tool.screenRect(C::图片框1)); };
    for (const Picture& picture : pictures) {
        SCOPED_TRACE(picture.what);
        win::GdiObject bitmap = picture.make(tool);
        ASSERT_TRUE(bitmap);
        const std::string expected = bmpFileFor(static_cast<HBITMAP>(bitmap.get()));
        ASSERT_FALSE(expected.empty());

        ASSERT_TRUE(putBitmapOnClipboard(std::move(bitmap)));
        const std::optional<std::string> staged = pasteFromClipboard(tool);
        ASSERT_TRUE(staged.has_value()) << "no staging file";
        ASSERT_EQ(staged->size(), expected.size());
        EXPECT_EQ(staged->substr(0, 2), "BM");
        EXPECT_EQ(field(*staged, 2, 4), staged->size()) << "bfSize";
        EXPECT_EQ(field(*staged, 10, 4), field(expected, 10, 4)) << "bfOffBits";
        EXPECT_EQ(field(*staged, 18, 4), field(expected, 18, 4)) << "biWidth";
        EXPECT_EQ(field(*staged, 22, 4), field(expected, 22, 4)) << "biHeight";
        EXPECT_EQ(field(*staged, 28, 2), field(expected, 28, 2)) << "biBitCount";
        EXPECT_TRUE(withoutAlpha(*staged) == withoutAlpha(expected)) << "the bytes differ";
        EXPECT_TRUE(eventually([&] { return !showsOnly(pictureBox(), faceColour()); }))
            << "the picture box shows no picture";
    }
}

struct NoPicture {
    const char* what;
    std::function<bool()> putOnClipboard;
};

TEST_F(StartedTool, PasteWithoutAPictureToTakeBlanksTheBoxAndEmptiesTheFile) {
    const NoPicture cases[] = {
        {"only text", [] { return putTextOnClipboard("only text, no picture"); }},
        {"a bitmap of another depth than the display's, which cannot be drawn from",
         [] { return putBitmapOnClipboard(patternBitmap(20, 20, screenDepth() == 24 ? 32 : 24)); }},
    };
    const auto pictureBox = [&] { return captureScreen(tool.screenRect(C::图片框1)); };
    for (const NoPicture& c : cases) {
        SCOPED_TRACE(c.what);
        ASSERT_TRUE(pastePicture(tool, monochromeBitmap(20, 20)));
        ASSERT_TRUE(eventually([&] { return !showsOnly(pictureBox(), faceColour()); }));

        ASSERT_TRUE(c.putOnClipboard());
        const std::optional<std::string> staged = pasteFromClipboard(tool);

        ASSERT_TRUE(staged.has_value()) << "the staging file must exist";
        EXPECT_EQ(staged->size(), 0u);
        EXPECT_TRUE(eventually([&] { return showsOnly(pictureBox(), faceColour()); }));

        tool.setText(C::编辑框1, "珊瑚绒毛毯");
        tool.push(C::按钮1);
        const std::optional<ClipboardBlock> document = waitForRichDocument();
        ASSERT_TRUE(document.has_value());
        EXPECT_EQ(document->text, richDocument(textElement("\r\n珊瑚绒毛毯")));
        EXPECT_TRUE(eventually([&] { return tool.text(C::编辑框9) == "珊瑚绒毛毯\r\n"; }));
    }
}

TEST_F(StartedTool, ClearBlanksThePictureButKeepsTheStagingFile) {
    const auto pictureBox = [&] { return captureScreen(tool.screenRect(C::图片框1)); };
    ASSERT_TRUE(pastePicture(tool, monochromeBitmap(50, 40)));
    ASSERT_TRUE(eventually([&] { return !showsOnly(pictureBox(), faceColour()); }));
    const std::optional<std::string> staged = readWholeFile(tool.folder().stagingFile());

    tool.push(C::按钮2);

    EXPECT_TRUE(eventually([&] { return showsOnly(pictureBox(), faceColour()); }));
    EXPECT_EQ(readWholeFile(tool.folder().stagingFile()), staged);

    ASSERT_TRUE(putTextOnClipboard("before generating"));
    tool.setText(C::编辑框1, "珊瑚绒毛毯");
    tool.push(C::按钮1);
    const std::optional<ClipboardBlock> document = waitForRichDocument();
    ASSERT_TRUE(document.has_value());
    EXPECT_EQ(document->text, richDocument(textElement("\r\n珊瑚绒毛毯")))
        << "a cleared picture must not be named";
}

// In GBK the second byte of "礬" (B5 5C) is a backslash: the folder's name must not be cut
// there, or the picture would be written beside the folder and the document would name it so.
TEST(RunFolderWithAChineseName, KeepsThePictureInThatFolderAndNamesItSo) {
    ToolSession tool("礬");
    ASSERT_TRUE(tool.start()) << tool.whyNotStarted();
    ASSERT_TRUE(pastePicture(tool, monochromeBitmap(16, 16))) << "no picture in the folder";

    tool.setText(C::编辑框1, "珊瑚绒毛毯");
    tool.push(C::按钮1);
    const std::optional<ClipboardBlock> document = waitForRichDocument();
    ASSERT_TRUE(document.has_value());
    EXPECT_EQ(document->text, richDocument(imageElement(tool.folder().path() + "/待发图片.bmp") +
                                           textElement("\r\n珊瑚绒毛毯")));

    ASSERT_TRUE(PostMessageA(tool.window(), WM_CLOSE, 0, 0));
    EXPECT_EQ(tool.exitCode(), std::optional<DWORD>(0));
    EXPECT_FALSE(fileExists(tool.folder().stagingFile()));
}

}  // namespace
}  // namespace cp::e2e
