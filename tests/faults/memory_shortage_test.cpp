// A picture the tool has no memory to convert. Wine cannot hand a bitmap larger than a 32-bit
// process's address space over the clipboard at all (it makes two copies of it in the process
// that takes it), so the nearest real case takes the memory away instead: another program
// reserves the tool's free address space after the tool has taken the bitmap once. The paste
// then finds no room for the picture's bytes: the box is blank, the file empty, nothing is
// said, the form is kept, and with its memory back the same bitmap pastes.
#include <gtest/gtest.h>

#include "platform/scoped_handles.h"
#include "tests/app/desktop.h"
#include "tests/app/started_tool.h"
#include "tests/app/test_pictures.h"
#include "tests/faults/fault_support.h"
#include "tests/support/address_space.h"

namespace cp::e2e {
namespace {

using C = ControlId;

TEST_F(StartedTool, PictureWithoutMemoryToConvertItLeavesTheBoxBlankAndTheToolWorking) {
    if (sizeof(void*) != 4) {
        GTEST_SKIP() << "the 128 TiB of a 64-bit process cannot be used up from outside; the "
                        "32-bit build runs this";
    }
    constexpr int kWidth = 1920;
    constexpr int kHeight = 1080;
    const size_t fileSize =
        54 + (static_cast<size_t>(screenDepth()) * kWidth + 31) / 32 * 4 * kHeight;
    // Pasted once, so the tool already holds the clipboard's copy of the bitmap.
    ASSERT_TRUE(pastePicture(tool, patternBitmap(kWidth, kHeight, screenDepth())));
    ASSERT_TRUE(eventually([&] { return !pictureBoxIsBlank(tool); }));
    tool.setText(C::编辑框1, "珊瑚绒毛毯");
    {
        const test::AddressSpaceFiller filler(tool.processId());
        ASSERT_TRUE(filler.tookAny()) << "could not reach the tool's memory";
        DeleteFileA(tool.folder().stagingFile().c_str());

        ASSERT_TRUE(pressAndWait(tool, C::按钮3)) << "the paste did not end";

        const std::optional<std::string> staged = readWholeFile(tool.folder().stagingFile());
        ASSERT_TRUE(staged.has_value()) << "the staging file must exist";
        EXPECT_EQ(staged->size(), 0u);
        EXPECT_TRUE(eventually([&] { return pictureBoxIsBlank(tool); }));
        tool.settle();
        EXPECT_TRUE(tool.running());
        EXPECT_FALSE(hasMessageBox(tool.processId()));
        EXPECT_EQ(tool.text(C::编辑框1), "珊瑚绒毛毯");
    }

    const std::optional<std::string> staged = pasteFromClipboard(tool);
    ASSERT_TRUE(staged.has_value());
    EXPECT_EQ(staged->size(), fileSize) << "with its memory back the same bitmap pastes";
    EXPECT_TRUE(eventually([&] { return !pictureBoxIsBlank(tool); }));
}

}  // namespace
}  // namespace cp::e2e
