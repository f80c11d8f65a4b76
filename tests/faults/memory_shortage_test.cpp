// A picture the tool has no memory to convert. Wine cannot hand a bitmap larger than a 32-bit
// process's address space over the clipboard at all (it makes two copies of it in the process
// that takes it), so the nearest real case takes the memory away instead: another program
// reserves the tool's free address space after the tool has taken the bitmap once. The paste
// then finds no room for the picture's bytes: the box is blank, the file empty, nothing is
// said, the form is kept, and with its memory back the same bitmap pastes.
#include <gtest/gtest.h>

#include <vector>

#include "platform/scoped_handles.h"
#include "tests/app/desktop.h"
#include "tests/app/started_tool.h"
#include "tests/app/test_pictures.h"
#include "tests/faults/fault_support.h"

namespace cp::e2e {
namespace {

using C = ControlId;

// Reserves, without committing, the free address space of another process in blocks of
// 1 MiB and more, so that no allocation of that size succeeds there until it goes; smaller
// ones still fit, so the process goes on running.
class AddressSpaceTaker {
  public:
    explicit AddressSpaceTaker(DWORD processId)
        : process_(
              OpenProcess(PROCESS_VM_OPERATION | PROCESS_QUERY_INFORMATION, FALSE, processId)) {
        if (!process_) return;
        for (SIZE_T size = kLargestBlock; size >= kSmallestBlock; size /= 2) {
            while (blocks_.size() < kMaxBlocks) {
                void* block =
                    VirtualAllocEx(process_.get(), nullptr, size, MEM_RESERVE, PAGE_NOACCESS);
                if (!block) break;
                blocks_.push_back(block);
            }
        }
    }
    ~AddressSpaceTaker() {
        for (void* block : blocks_) VirtualFreeEx(process_.get(), block, 0, MEM_RELEASE);
    }
    AddressSpaceTaker(const AddressSpaceTaker&) = delete;
    AddressSpaceTaker& operator=(const AddressSpaceTaker&) = delete;

    bool tookAny() const { return !blocks_.empty(); }

  private:
    static constexpr SIZE_T kSmallestBlock = SIZE_T{1} << 20;
    static constexpr SIZE_T kLargestBlock = SIZE_T{1} << 30;
    static constexpr size_t kMaxBlocks = 4096;  // all of 4 GiB in blocks of 1 MiB
    win::KernelHandle process_;
    std::vector<void*> blocks_;
};

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
        const AddressSpaceTaker taker(tool.processId());
        ASSERT_TRUE(taker.tookAny()) << "could not reach the tool's memory";
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
