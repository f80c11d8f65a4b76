#include "tests/platform/clipboard_access.h"

#include <cstring>

#include "platform/scoped_handles.h"

namespace cp::test {

bool withOpenClipboard(const std::function<void()>& action, HWND owner) {
    for (int attempt = 0; attempt < 200; ++attempt) {
        const win::OpenClipboardGuard clipboard(owner);
        if (clipboard.isOpen()) {
            action();
            return true;
        }
        Sleep(10);
    }
    return false;
}

std::vector<UINT> clipboardFormats() {
    std::vector<UINT> formats;
    withOpenClipboard([&] {
        for (UINT format = EnumClipboardFormats(0); format != 0;
             format = EnumClipboardFormats(format))
            formats.push_back(format);
    });
    return formats;
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

bool putClipboardText(const AnsiText& text) {
    win::GlobalBlock block(GlobalAlloc(GMEM_MOVEABLE, text.size() + 1));
    if (!block) return false;
    {
        const win::GlobalLockGuard lock(block.get());
        if (!lock.data()) return false;
        std::memcpy(lock.data(), text.c_str(), text.size() + 1);
    }
    bool placed = false;
    withOpenClipboard([&] {
        if (EmptyClipboard() && SetClipboardData(CF_TEXT, block.get())) {
            block.release();
            placed = true;
        }
    });
    return placed;
}

}  // namespace cp::test
