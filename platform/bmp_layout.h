// How the tool's BMP files lay out their bytes: the file header, the info header followed by
// the colour table, then the pixel rows, each padded to whole 32-bit words. The writer
// (bmp_bytes.cpp) and the picture box, which checks the bytes it is given, share it.
#pragma once

#include <windows.h>

#include <cstddef>
#include <cstdint>

namespace cp::bmp {

inline constexpr std::size_t kFileHeaderSize = 14;
inline constexpr std::size_t kInfoHeaderSize = sizeof(BITMAPINFOHEADER);
inline constexpr std::size_t kHeadersSize = kFileHeaderSize + kInfoHeaderSize;

// The bytes of one pixel row.
constexpr std::uint64_t rowStride(std::uint32_t bitsPerPixel, std::uint64_t width) {
    return (bitsPerPixel * width + 31) / 32 * 4;
}

// The info header and the colour table, contiguous and aligned, as GDI reads a BITMAPINFO.
struct InfoWithColours {
    BITMAPINFOHEADER header;
    RGBQUAD colours[256];
};

}  // namespace cp::bmp
