#include "tests/support/address_space.h"

namespace cp::test {
namespace {

constexpr SIZE_T kSmallestBlock = SIZE_T{1} << 20;
constexpr SIZE_T kLargestBlock = SIZE_T{1} << 30;
constexpr size_t kMaxBlocks = 4096;  // all of 4 GiB in blocks of 1 MiB

}  // namespace

AddressSpaceFiller::AddressSpaceFiller(DWORD processId, SIZE_T holeBytes)
    : process_(OpenProcess(PROCESS_VM_OPERATION | PROCESS_QUERY_INFORMATION, FALSE, processId)) {
    if (!process_) return;
    const HANDLE process = process_.get();
    blocks_.reserve(kMaxBlocks);
    void* hole = holeBytes ? VirtualAllocEx(process, nullptr, holeBytes, MEM_RESERVE, PAGE_NOACCESS)
                           : nullptr;
    for (SIZE_T size = kLargestBlock; size >= kSmallestBlock; size /= 2) {
        while (blocks_.size() < kMaxBlocks) {
            void* block = VirtualAllocEx(process, nullptr, size, MEM_RESERVE, PAGE_NOACCESS);
            if (!block) break;
            blocks_.push_back(block);
        }
    }
    if (hole) VirtualFreeEx(process, hole, 0, MEM_RELEASE);
}

AddressSpaceFiller::~AddressSpaceFiller() {
    for (void* block : blocks_) VirtualFreeEx(process_.get(), block, 0, MEM_RELEASE);
}

}  // namespace cp::test
