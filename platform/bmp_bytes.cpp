#include "platform/bmp_bytes.h"

#include <algorithm>
#include <cstdint>
#include <iterator>
#include <limits>
#include <new>

#include "platform/bmp_layout.h"
#include "platform/clipboard_opening.h"
#include "platform/scoped_handles.h"

namespace cp {

namespace {

using bmp::kHeadersSize;
using bmp::kInfoHeaderSize;

// Colours as 0xRRGGBB.
constexpr std::uint32_t kOneBitColours[] = {0x000000, 0xFFFFFF};
constexpr std::uint32_t kFourBitColours[] = {
    0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0x808080,
    0xC0C0C0, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF};
constexpr std::uint32_t kEightBitFirstColours[] = {0x000000, 0x800000, 0x008000, 0x808000,
                                                   0x000080, 0x800080, 0x008080, 0xC0C0C0,
                                                   0xC0DCC0, 0xA6CAF0};
constexpr std::uint32_t kEightBitLastColours[] = {0xFFFBF0, 0xA0A0A4, 0x808080, 0xFF0000, 0x00FF00,
                                                  0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF};

struct BitmapShape {
    std::uint32_t width;
    std::uint32_t height;
    WORD bitsPerPixel;
};

// The info header and the colour table as CreateDIBSection wants them, contiguous.
using DibDescription = bmp::InfoWithColours;

bool isSupportedDepth(WORD bitsPerPixel) {
    switch (bitsPerPixel) {
        case 1:
        case 4:
        case 8:
        case 16:
        case 24:
        case 32:
            return true;
        default:
            return false;
    }
}

std::size_t colourCount(WORD bitsPerPixel) {
    return bitsPerPixel <= 8 ? std::size_t{1} << bitsPerPixel : 0;
}

RGBQUAD toRgbQuad(std::uint32_t rgb) {
    return RGBQUAD{static_cast<BYTE>(rgb), static_cast<BYTE>(rgb >> 8),
                   static_cast<BYTE>(rgb >> 16), 0};
}

// Entries 10 to 245 of the 8-bit table: a 8 x 8 x 4 cube of red, green and blue.
std::uint32_t eightBitCubeColour(std::uint32_t index) {
    const std::uint32_t red = (index % 8) * 32;
    const std::uint32_t green = ((index / 8) % 8) * 32;
    const std::uint32_t blue = (index / 64) * 64;
    return (red << 16) | (green << 8) | blue;
}

std::uint32_t eightBitColour(std::size_t index) {
    constexpr std::size_t kFirst = std::size(kEightBitFirstColours);
    constexpr std::size_t kLastStart = 256 - std::size(kEightBitLastColours);
    if (index < kFirst) return kEightBitFirstColours[index];
    if (index >= kLastStart) return kEightBitLastColours[index - kLastStart];
    return eightBitCubeColour(static_cast<std::uint32_t>(index));
}

std::uint32_t tableColour(WORD bitsPerPixel, std::size_t index) {
    if (bitsPerPixel == 1) return kOneBitColours[index];
    if (bitsPerPixel == 4) return kFourBitColours[index];
    return eightBitColour(index);
}

void fillColourTable(WORD bitsPerPixel, RGBQUAD* table) {
    for (std::size_t i = 0; i < colourCount(bitsPerPixel); ++i)
        table[i] = toRgbQuad(tableColour(bitsPerPixel, i));
}

DibDescription describeDib(const BitmapShape& shape) {
    DibDescription dib{};
    dib.header.biSize = kInfoHeaderSize;
    dib.header.biWidth = static_cast<LONG>(shape.width);
    dib.header.biHeight = static_cast<LONG>(shape.height);  // positive: bottom row first
    dib.header.biPlanes = 1;
    dib.header.biBitCount = shape.bitsPerPixel;
    dib.header.biCompression = BI_RGB;
    fillColourTable(shape.bitsPerPixel, dib.colours);
    return dib;
}

std::uint64_t rowStride(const BitmapShape& shape) {
    return bmp::rowStride(shape.bitsPerPixel, shape.width);
}

// The whole file's length, or 0 when bfSize (32 bits) or memory could never hold it.
std::size_t fileSize(const BitmapShape& shape) {
    const std::uint64_t size =
        kHeadersSize + 4 * colourCount(shape.bitsPerPixel) + rowStride(shape) * shape.height;
    const bool fits = size <= std::numeric_limits<std::uint32_t>::max() &&
                      size <= std::numeric_limits<std::size_t>::max() / 2;
    return fits ? static_cast<std::size_t>(size) : 0;
}

void appendLittleEndian(ByteBlock& out, std::uint32_t value, int byteCount) {
    for (int i = 0; i < byteCount; ++i) out.push_back(static_cast<unsigned char>(value >> (8 * i)));
}

void appendFileHeader(ByteBlock& out, std::size_t fileLength, std::size_t pixelOffset) {
    out.push_back('B');
    out.push_back('M');
    appendLittleEndian(out, static_cast<std::uint32_t>(fileLength), 4);
    appendLittleEndian(out, 0, 2);
    appendLittleEndian(out, 0, 2);
    appendLittleEndian(out, static_cast<std::uint32_t>(pixelOffset), 4);
}

void appendBytes(ByteBlock& out, const void* data, std::size_t count) {
    const auto* bytes = static_cast<const unsigned char*>(data);
    out.insert(out.end(), bytes, bytes + count);
}

bool readShape(HBITMAP bitmap, BitmapShape& shape) {
    BITMAP info{};
    // GetObjectA would fill the BITMAP with a brush's or font's description just as well.
    if (GetObjectType(bitmap) != OBJ_BITMAP) return false;
    if (GetObjectA(bitmap, sizeof info, &info) == 0) return false;
    if (info.bmWidth <= 0 || info.bmHeight <= 0) return false;
    shape = {static_cast<std::uint32_t>(info.bmWidth), static_cast<std::uint32_t>(info.bmHeight),
             info.bmBitsPixel};
    return true;
}

// The rows are drawn and copied out a band of about this many bytes at a time, so that a 4K
// screenshot never has a second whole copy of itself beside the file's bytes.
constexpr std::uint64_t kBandBytes = std::uint64_t{1} << 20;

// Draws `count` bands of `rows` rows each into a DIB section of the file's layout and that
// height, going up from source row `end`, and appends their rows. The file keeps the bottom
// row first, and each band of a bottom-up DIB holds its rows in the file's order.
bool appendBands(HDC source, const BitmapShape& shape, DibDescription dib, std::uint32_t rows,
                 std::uint32_t count, std::uint32_t& end, ByteBlock& out) {
    dib.header.biHeight = static_cast<LONG>(rows);
    void* bits = nullptr;
    const win::GdiObject section(CreateDIBSection(source, reinterpret_cast<const BITMAPINFO*>(&dib),
                                                  DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!section || !bits) return false;
    const win::MemoryDc target(CreateCompatibleDC(source));
    if (!target) return false;
    const win::SelectedObject selected(target.get(), section.get());
    if (!selected.ok()) return false;
    const std::size_t bandBytes = static_cast<std::size_t>(rowStride(shape) * rows);
    for (std::uint32_t band = 0; band < count; ++band) {
        end -= rows;
        if (!BitBlt(target.get(), 0, 0, static_cast<int>(shape.width), static_cast<int>(rows),
                    source, 0, static_cast<int>(end), SRCCOPY)) {
            return false;
        }
        GdiFlush();  // the bits must be complete before they are read
        appendBytes(out, bits, bandBytes);
    }
    return true;
}

// Draws the selected source into DIB sections of the file's layout and appends its rows.
bool appendPixelRows(HDC source, const BitmapShape& shape, const DibDescription& dib,
                     ByteBlock& out) {
    const std::uint64_t perBand = std::max<std::uint64_t>(1, kBandBytes / rowStride(shape));
    const auto rows = static_cast<std::uint32_t>(std::min<std::uint64_t>(perBand, shape.height));
    const std::uint32_t fullBands = shape.height / rows;
    const std::uint32_t restRows = shape.height % rows;
    std::uint32_t end = shape.height;
    return appendBands(source, shape, dib, rows, fullBands, end, out) &&
           (restRows == 0 || appendBands(source, shape, dib, restRows, 1, end, out));
}

ByteBlock convert(HBITMAP bitmap) {
    BitmapShape shape{};
    if (!readShape(bitmap, shape)) return {};
    const win::MemoryDc source(CreateCompatibleDC(nullptr));
    if (!source) return {};
    // Deselected again before the DC goes, so the caller's bitmap is left as it was.
    const win::SelectedObject selected(source.get(), bitmap);
    if (!selected.ok() || !isSupportedDepth(shape.bitsPerPixel)) return {};

    const std::size_t length = fileSize(shape);
    if (length == 0) return {};
    const std::size_t tableBytes = 4 * colourCount(shape.bitsPerPixel);
    const std::size_t pixelOffset = kHeadersSize + tableBytes;
    const DibDescription dib = describeDib(shape);

    ByteBlock file;
    file.reserve(length);
    appendFileHeader(file, length, pixelOffset);
    appendBytes(file, &dib, kInfoHeaderSize + tableBytes);
    if (!appendPixelRows(source.get(), shape, dib, file)) return {};
    return file;
}

}  // namespace

ByteBlock bitmapToBmpBytes(HBITMAP bitmap) {
    try {
        return convert(bitmap);
    } catch (const std::bad_alloc&) {
        return {};  // a picture too large for the memory at hand is no picture
    }
}

ByteBlock captureClipboardBitmap(HWND owner) {
    const win::OpenClipboardGuard clipboard = openClipboardBriefly(owner);
    if (!clipboard.isOpen()) return {};
    // The handle stays the clipboard's: used only while it is open, never deleted.
    const auto bitmap = static_cast<HBITMAP>(GetClipboardData(CF_BITMAP));
    if (!bitmap) return {};
    return bitmapToBmpBytes(bitmap);
}

}  // namespace cp
