#include "tests/support/test_bitmaps.h"

#include <cstring>

namespace cp::test {

namespace {

BITMAPINFO topDownRgb32(int width, int height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}

}  // namespace

// 0xRRGGBB is the layout of a 32-bit BI_RGB pixel read as a little-endian number.
void paintPixels(HBITMAP bitmap, int width, int height, const Pixels& pixels) {
    const BITMAPINFO info = topDownRgb32(width, height);
    const win::WindowDc screen(nullptr);
    SetDIBits(screen.get(), bitmap, 0, static_cast<UINT>(height), pixels.data(), &info,
              DIB_RGB_COLORS);
}

Pixels filledPixels(int width, int height, std::uint32_t rgb) {
    return Pixels(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), rgb);
}

win::GdiObject makeScreenBitmap(int width, int height, const Pixels& pixels) {
    const win::WindowDc screen(nullptr);
    win::GdiObject bitmap(CreateCompatibleBitmap(screen.get(), width, height));
    if (bitmap) paintPixels(static_cast<HBITMAP>(bitmap.get()), width, height, pixels);
    return bitmap;
}

win::GdiObject makeDeviceBitmap(int width, int height, int bitsPerPixel, const Pixels& pixels) {
    win::GdiObject bitmap(CreateBitmap(width, height, 1, static_cast<UINT>(bitsPerPixel), nullptr));
    if (bitmap) paintPixels(static_cast<HBITMAP>(bitmap.get()), width, height, pixels);
    return bitmap;
}

win::GdiObject makeDibSection(int width, int height, int bitsPerPixel,
                              const std::vector<std::uint32_t>& colourTable, void** bits) {
    struct {
        BITMAPINFOHEADER header;
        RGBQUAD colours[256];
    } info{};
    info.header.biSize = sizeof(BITMAPINFOHEADER);
    info.header.biWidth = width;
    info.header.biHeight = height;
    info.header.biPlanes = 1;
    info.header.biBitCount = static_cast<WORD>(bitsPerPixel);
    info.header.biCompression = BI_RGB;
    info.header.biClrUsed = static_cast<DWORD>(colourTable.size());
    for (std::size_t i = 0; i < colourTable.size() && i < 256; ++i) {
        const std::uint32_t rgb = colourTable[i];
        info.colours[i] = RGBQUAD{static_cast<BYTE>(rgb), static_cast<BYTE>(rgb >> 8),
                                  static_cast<BYTE>(rgb >> 16), 0};
    }
    return win::GdiObject(CreateDIBSection(nullptr, reinterpret_cast<BITMAPINFO*>(&info),
                                           DIB_RGB_COLORS, bits, nullptr, 0));
}

}  // namespace cp::test
