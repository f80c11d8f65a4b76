#include "platform/clipboard_publisher.h"

#include <cstring>

#include "platform/clipboard_opening.h"
#include "platform/scoped_handles.h"

namespace cp {

namespace {

// The payload and its terminating zero in a moveable, zeroed block; empty when memory is short.
win::GlobalBlock copyToGlobalBlock(const AnsiText& payload) {
    const SIZE_T size = payload.size() + 1;
    win::GlobalBlock block(GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, size));
    if (!block) return {};
    {
        const win::GlobalLockGuard lock(block.get());
        if (!lock.data()) return {};
        std::memcpy(lock.data(), payload.c_str(), size);
    }
    return block;
}

}  // namespace

void ClipboardPublisher::registerRichFormat() {
    richFormatId_ = RegisterClipboardFormatA(kRichFormatName);
}

bool ClipboardPublisher::publishRichPayload(const AnsiText& payload) const {
    if (payload.empty()) return false;
    win::GlobalBlock block = copyToGlobalBlock(payload);
    if (!block) return false;
    const win::OpenClipboardGuard clipboard = openClipboardBriefly(nullptr);
    if (!clipboard.isOpen() || !EmptyClipboard()) return false;
    // From here on the clipboard owns the block; until then the wrapper frees it.
    if (!SetClipboardData(richFormatId_, block.get())) return false;
    block.release();
    return true;
}

}  // namespace cp
