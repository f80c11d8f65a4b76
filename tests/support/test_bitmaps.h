// Bitmaps for the tests, made the way other programs on the desktop make them.
#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

#include "platform/scoped_handles.h"

namespace cp::test {

// Colours as 0xRRGGBB, one per pixel, top row first.
using Pixels = std::vector<std::uint32_t>;

Pixels filledPixels(int width, int height, std::uint32_t rgb);

// Sets every pixel of bitmap to pixels (GDI maps the colours onto the bitmap's depth).
void paintPixels(HBITMAP bitmap, int width, int height, const Pixels& pixels);

// A device-dependent bitmap as a screenshot tool makes it: made for the display, so it
// has the display's depth (32 bits on a 24-bit X display).
win::GdiObject makeScreenBitmap(int width, int height, const Pixels& pixels);

// A device-dependent bitmap of the given depth (CreateBitmap); 1 bit gives a monochrome
// bitmap. GDI maps the colours onto that depth.
win::GdiObject makeDeviceBitmap(int width, int height, int bitsPerPixel, const Pixels& pixels);

// A DIB section of the given depth with the given colour table (0xRRGGBB, for 1, 4 and 8
// bits); its pixel bytes, bottom row first, are returned in bits.
win::GdiObject makeDibSection(int width, int height, int bitsPerPixel,
                              const std::vector<std::uint32_t>& colourTable, void** bits);

}  // namespace cp::test
