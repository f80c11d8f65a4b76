#include "tests/support/clipboard.h"

#include <chrono>
#include <cstring>

namespace cp::test {
namespace {

constexpr auto kPatience = std::chrono::seconds(10);

}  // namespace

bool withOpenClipboard(const std::function<void()>& action, HWND owner) {
    const auto deadline = std::chrono::steady_clock::now() + kPatience;
    for (;;) {
        {
            const win::OpenClipboardGuard clipboard(owner);
            if (clipboard.isOpen()) {
                action();
                return true;
            }
        }
        if (std::chrono::steady_clock::now() >= deadline) return false;
        Sleep(10);
    }
}

std::vector<UINT> clipboardFormats() {
    std::vector<UINT> formats;
    withOpenClipboard([&] {
        for (UINT format = EnumClipboardFormats(0); format != 0;
             format = EnumClipboardFormats(format)) {
            formats.push_back(format);
        }
    });
    return formats;
}

bool placeOnClipboard(UINT format, HANDLE handle, HWND owner) {
    bool placed = false;
    withOpenClipboard(
        [&] { placed = EmptyClipboard() && SetClipboardData(format, handle) != nullptr; }, owner);
    return placed;
}

ByteBlock clipboardBlock(UINT format) {
    ByteBlock bytes;
    withOpenClipboard([&] {
        const HANDLE block = GetClipboardData(format);
        if (!block) return;
        const win::GlobalLockGuard lock(block);
        if (!lock.data()) return;
        const auto* data = static_cast<const unsigned char*>(lock.data());
        bytes.assign(data, data + GlobalSize(block));
    });
    return bytes;
}

bool putOnClipboard(UINT format, const std::string& bytes, HWND owner) {
    win::GlobalBlock block(GlobalAlloc(GMEM_MOVEABLE, bytes.size() + 1));
    if (!block) return false;
    {
        const win::GlobalLockGuard lock(block.get());
        if (!lock.data()) return false;
        std::memcpy(lock.data(), bytes.c_str(), bytes.size() + 1);
    }
    if (!placeOnClipboard(format, block.get(), owner)) return false;
    block.release();
    return true;
}

bool putTextOnClipboard(const std::string& text, HWND owner) {
    return putOnClipboard(CF_TEXT, text, owner);
}

bool putBitmapOnClipboard(win::GdiObject bitmap, HWND owner) {
    if (!placeOnClipboard(CF_BITMAP, bitmap.get(), owner)) return false;
    bitmap.release();
    return true;
}

}  // namespace cp::test
