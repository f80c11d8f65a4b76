// A bitmap on the clipboard, turned into the bytes of a complete BMP file.
#pragma once

#include <windows.h>

#include "core/ansi_text.h"

namespace cp {

// The CF_BITMAP on the clipboard as BMP file bytes; empty when the clipboard cannot be
// opened within the brief wait, holds no bitmap, or the bitmap cannot be converted. The
// clipboard is left as it was.
ByteBlock captureClipboardBitmap(HWND owner);

// An uncompressed, bottom-up BMP of the bitmap's own depth (1, 4, 8, 16, 24 or 32 bits) with
// the fixed colour table for 1, 4 and 8 bits; empty on any failure, including a bitmap too
// large for the memory at hand. Never throws.
ByteBlock bitmapToBmpBytes(HBITMAP bitmap);

}  // namespace cp
