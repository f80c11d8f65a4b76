// Taking the bitmap off the real clipboard, as another program left it there; the
// clipboard itself is never changed.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "platform/bmp_bytes.h"
#include "tests/support/clipboard.h"
#include "tests/support/peer_process.h"
#include "tests/support/test_bitmaps.h"

namespace {

using namespace cp;

void placeWithPeer(const std::string& command) {
    test::PeerProcess peer(command);
    ASSERT_TRUE(peer.isReady()) << command;
    ASSERT_EQ(peer.exitCode(), 0u) << command;
}

std::size_t pixelOffset(const ByteBlock& bmp) {
    return bmp.at(10) | bmp.at(11) << 8 | bmp.at(12) << 16 | std::size_t{bmp.at(13)} << 24;
}

struct ClipboardState {
    DWORD sequence;
    std::vector<UINT> formats;
};

ClipboardState clipboardState() {
    return {GetClipboardSequenceNumber(), test::clipboardFormats()};
}

void expectUnchanged(const ClipboardState& before) {
    EXPECT_EQ(GetClipboardSequenceNumber(), before.sequence);
    EXPECT_EQ(test::clipboardFormats(), before.formats);
}

TEST(CaptureClipboardBitmap, ReadsTheBitmapAnotherProgramPlaced) {
    struct PlacedCase {
        const char* what;
        int width, height, bitsPerPixel;  // 0: the display's depth
        std::uint32_t rgb;
        std::size_t fileSize;
        ByteBlock firstPixel;
    };
    const PlacedCase cases[] = {
        {"screenshot", 7, 5, 0, 0x3366CC, 54 + 28 * 5, {0xCC, 0x66, 0x33}},
        {"monochrome picture", 5, 3, 1, 0xFFFFFF, 62 + 4 * 3, {0xF8}},
    };
    for (const PlacedCase& c : cases) {
        SCOPED_TRACE(c.what);
        char rgb[8];
        std::snprintf(rgb, sizeof rgb, "%06X", static_cast<unsigned>(c.rgb));
        placeWithPeer("put-bitmap " + std::to_string(c.width) + " " + std::to_string(c.height) +
                      " " + std::to_string(c.bitsPerPixel) + " " + rgb);
        const ClipboardState before = clipboardState();

        const ByteBlock captured = captureClipboardBitmap(nullptr);

        ASSERT_EQ(captured.size(), c.fileSize);
        const std::size_t pixels = pixelOffset(captured);
        EXPECT_EQ(
            ByteBlock(captured.begin() + pixels, captured.begin() + pixels + c.firstPixel.size()),
            c.firstPixel);
        const test::Pixels same = test::filledPixels(c.width, c.height, c.rgb);
        const win::GdiObject local =
            c.bitsPerPixel == 0 ? test::makeScreenBitmap(c.width, c.height, same)
                                : test::makeDeviceBitmap(c.width, c.height, c.bitsPerPixel, same);
        EXPECT_EQ(captured, bitmapToBmpBytes(static_cast<HBITMAP>(local.get())))
            << "the same picture made here converts to the same bytes";
        expectUnchanged(before);
    }
}

TEST(CaptureClipboardBitmap, NoBitmapToBeHadGivesEmptyAndLeavesTheClipboard) {
    struct EmptyCase {
        const char* what;
        std::string placeCommand;
        bool heldElsewhere;
    };
    const EmptyCase cases[] = {
        {"text only", "put-text \"copied text\"", false},
        {"a bitmap of a depth no memory DC takes", "put-bitmap 4 4 8 336699", false},
        {"a bitmap, but the clipboard held open elsewhere", "put-bitmap 4 4 0 336699", true},
    };
    for (const EmptyCase& c : cases) {
        SCOPED_TRACE(c.what);
        placeWithPeer(c.placeCommand);
        const ClipboardState before = clipboardState();
        ByteBlock captured{1};
        if (c.heldElsewhere) {
            const test::PeerProcess holder("hold-clipboard 20000");
            ASSERT_TRUE(holder.isReady());
            captured = captureClipboardBitmap(nullptr);
        } else {
            captured = captureClipboardBitmap(nullptr);
        }
        EXPECT_TRUE(captured.empty());
        expectUnchanged(before);
    }
}

}  // namespace
