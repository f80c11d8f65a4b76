// Clipboard bitmaps turned into BMP file bytes by the real GDI: sizes, header fields, the
// fixed colour tables, pixel rows as GDI gives them, bottom row first, and the failures.
#include "platform/bmp_bytes.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <vector>

#include "platform/scoped_handles.h"
#include "tests/support/address_space.h"
#include "tests/support/test_bitmaps.h"

namespace {

using namespace cp;
using test::Pixels;

std::uint32_t readLe(const ByteBlock& bytes, std::size_t at, int count) {
    std::uint32_t value = 0;
    for (int i = count - 1; i >= 0; --i) value = (value << 8) | bytes.at(at + i);
    return value;
}

// Colour-table entry i as 0xRRGGBB; the stored order is blue, green, red, zero.
std::uint32_t tableEntry(const ByteBlock& bmp, std::size_t i) {
    const std::size_t at = 54 + 4 * i;
    EXPECT_EQ(bmp.at(at + 3), 0) << "entry " << i;
    return (std::uint32_t{bmp.at(at + 2)} << 16) | (std::uint32_t{bmp.at(at + 1)} << 8) |
           bmp.at(at);
}

ByteBlock storedRow(const ByteBlock& bmp, std::size_t row, std::size_t rowBytes) {
    const std::size_t at = readLe(bmp, 10, 4) + row * rowBytes;
    return ByteBlock(bmp.begin() + at, bmp.begin() + at + rowBytes);
}

enum class Kind { Screen, Monochrome, DibSection };

Pixels pattern(int width, int height) {
    Pixels pixels(static_cast<std::size_t>(width) * height);
    std::uint32_t state = 12345;
    for (std::uint32_t& pixel : pixels) {
        state = state * 1103515245u + 12345u;
        pixel = (state >> 8) & 0xFFFFFF;
    }
    return pixels;
}

std::vector<std::uint32_t> greys(int bitsPerPixel) {
    std::vector<std::uint32_t> table;
    if (bitsPerPixel > 8) return table;
    const int count = 1 << bitsPerPixel;
    for (int i = 0; i < count; ++i) table.push_back(0x010101u * (255 * i / (count - 1)));
    return table;
}

// A bitmap of the kind with a pattern of many colours.
win::GdiObject makeBitmap(Kind kind, int width, int height, int bitsPerPixel) {
    const Pixels pixels = pattern(width, height);
    if (kind == Kind::Screen) return test::makeScreenBitmap(width, height, pixels);
    if (kind == Kind::Monochrome) return test::makeDeviceBitmap(width, height, 1, pixels);
    void* bits = nullptr;
    win::GdiObject dib =
        test::makeDibSection(width, height, bitsPerPixel, greys(bitsPerPixel), &bits);
    if (dib) test::paintPixels(static_cast<HBITMAP>(dib.get()), width, height, pixels);
    return dib;
}

ByteBlock convert(const win::GdiObject& bitmap) {
    return bitmapToBmpBytes(static_cast<HBITMAP>(bitmap.get()));
}

struct SizeCase {
    const char* what;
    Kind kind;
    int width, height, bitsPerPixel;
    std::size_t fileSize, pixelOffset;
};

const SizeCase kSizeCases[] = {
    {"1x1 screen bitmap", Kind::Screen, 1, 1, 32, 58, 54},
    {"3x2 at 24 bits", Kind::DibSection, 3, 2, 24, 78, 54},
    {"5x1 monochrome", Kind::Monochrome, 5, 1, 1, 66, 62},
    {"10x10 at 8 bits", Kind::DibSection, 10, 10, 8, 1198, 1078},
    {"2x2 at 16 bits", Kind::DibSection, 2, 2, 16, 62, 54},
    {"3x3 at 4 bits", Kind::DibSection, 3, 3, 4, 130, 118},
    {"33x2 monochrome, rows of 8 bytes", Kind::Monochrome, 33, 2, 1, 78, 62},
    {"7x3 at 24 bits, rows of 24 bytes", Kind::DibSection, 7, 3, 24, 126, 54},
    {"5x2 at 32 bits", Kind::DibSection, 5, 2, 32, 94, 54},
    {"1920x1080 screenshot", Kind::Screen, 1920, 1080, 32, 54 + 1920 * 4 * 1080, 54},
};

TEST(BitmapToBmpBytes, FileSizeAndHeaderFields) {
    for (const SizeCase& c : kSizeCases) {
        SCOPED_TRACE(c.what);
        const win::GdiObject bitmap = makeBitmap(c.kind, c.width, c.height, c.bitsPerPixel);
        ASSERT_TRUE(bitmap);
        const ByteBlock bmp = convert(bitmap);
        ASSERT_EQ(bmp.size(), c.fileSize);
        EXPECT_EQ(bmp[0], 'B');
        EXPECT_EQ(bmp[1], 'M');
        EXPECT_EQ(readLe(bmp, 2, 4), c.fileSize) << "bfSize";
        EXPECT_EQ(readLe(bmp, 6, 2), 0u) << "bfReserved1";
        EXPECT_EQ(readLe(bmp, 8, 2), 0u) << "bfReserved2";
        EXPECT_EQ(readLe(bmp, 10, 4), c.pixelOffset) << "bfOffBits";
        EXPECT_EQ(readLe(bmp, 14, 4), 40u) << "biSize";
        EXPECT_EQ(readLe(bmp, 18, 4), static_cast<std::uint32_t>(c.width)) << "biWidth";
        EXPECT_EQ(readLe(bmp, 22, 4), static_cast<std::uint32_t>(c.height)) << "biHeight";
        EXPECT_EQ(readLe(bmp, 26, 2), 1u) << "biPlanes";
        EXPECT_EQ(readLe(bmp, 28, 2), static_cast<std::uint32_t>(c.bitsPerPixel)) << "biBitCount";
        for (std::size_t at = 30; at < 54; at += 4)
            EXPECT_EQ(readLe(bmp, at, 4), 0u) << "compression, image size, resolution, colours";
    }
}

// Each colour table once, written out as Windows defines it.
TEST(BitmapToBmpBytes, OneBitTableIsBlackThenWhite) {
    const ByteBlock bmp = convert(makeBitmap(Kind::Monochrome, 5, 1, 1));
    ASSERT_EQ(bmp.size(), 66u);
    EXPECT_EQ(tableEntry(bmp, 0), 0x000000u);
    EXPECT_EQ(tableEntry(bmp, 1), 0xFFFFFFu);
}

TEST(BitmapToBmpBytes, FourBitTableIsTheSixteenWindowsColours) {
    const std::uint32_t expected[16] = {0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080,
                                        0x008080, 0x808080, 0xC0C0C0, 0xFF0000, 0x00FF00, 0xFFFF00,
                                        0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF};
    const ByteBlock bmp = convert(makeBitmap(Kind::DibSection, 3, 3, 4));
    ASSERT_EQ(bmp.size(), 130u);
    for (std::size_t i = 0; i < 16; ++i) EXPECT_EQ(tableEntry(bmp, i), expected[i]) << i;
}

TEST(BitmapToBmpBytes, EightBitTableIsTheWindowsHalftonePalette) {
    const std::pair<std::size_t, std::uint32_t> expected[] = {
        {0, 0x000000},   {1, 0x800000},   {2, 0x008000},   {3, 0x808000},   {4, 0x000080},
        {5, 0x800080},   {6, 0x008080},   {7, 0xC0C0C0},   {8, 0xC0DCC0},   {9, 0xA6CAF0},
        {10, 0x402000},  {11, 0x602000},  {17, 0x204000},  {63, 0xE0E000},  {64, 0x000040},
        {100, 0x808040}, {164, 0x808080}, {200, 0x0020C0}, {244, 0x80C0C0}, {245, 0xA0C0C0},
        {246, 0xFFFBF0}, {247, 0xA0A0A4}, {248, 0x808080}, {249, 0xFF0000}, {250, 0x00FF00},
        {251, 0xFFFF00}, {252, 0x0000FF}, {253, 0xFF00FF}, {254, 0x00FFFF}, {255, 0xFFFFFF}};
    const ByteBlock bmp = convert(makeBitmap(Kind::DibSection, 10, 10, 8));
    ASSERT_EQ(bmp.size(), 1198u);
    for (const auto& [index, rgb] : expected) EXPECT_EQ(tableEntry(bmp, index), rgb) << index;
    for (std::size_t i = 0; i < 256; ++i) tableEntry(bmp, i);  // every fourth byte is zero
}

// What GetDIBits gives for the bitmap with the same header: GDI's own copy of the rows.
ByteBlock gdiRows(const win::GdiObject& bitmap, const ByteBlock& bmp) {
    struct {
        BITMAPINFOHEADER header;
        RGBQUAD colours[256];
    } info{};
    const std::size_t offset = readLe(bmp, 10, 4);
    std::memcpy(&info, bmp.data() + 14, offset - 14);
    ByteBlock rows(bmp.size() - offset);
    const win::WindowDc screen(nullptr);
    const int lines = GetDIBits(screen.get(), static_cast<HBITMAP>(bitmap.get()), 0,
                                static_cast<UINT>(info.header.biHeight), rows.data(),
                                reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS);
    EXPECT_EQ(lines, info.header.biHeight);
    return rows;
}

TEST(BitmapToBmpBytes, PixelRowsAreWhatGdiGives) {
    struct RowCase {
        const char* what;
        Kind kind;
        int bitsPerPixel;
    };
    const RowCase cases[] = {{"screen bitmap", Kind::Screen, 32},
                             {"32-bit DIB section", Kind::DibSection, 32},
                             {"24-bit DIB section, rows padded", Kind::DibSection, 24},
                             {"16-bit DIB section, 5-5-5", Kind::DibSection, 16},
                             {"monochrome bitmap", Kind::Monochrome, 1}};
    for (const RowCase& c : cases) {
        SCOPED_TRACE(c.what);
        const win::GdiObject bitmap = makeBitmap(c.kind, 13, 7, c.bitsPerPixel);
        const ByteBlock bmp = convert(bitmap);
        ASSERT_FALSE(bmp.empty());
        const ByteBlock rows(bmp.begin() + readLe(bmp, 10, 4), bmp.end());
        EXPECT_EQ(rows, gdiRows(bitmap, bmp));
    }
}

// The conversion draws a picture a band of rows (about 1 MiB) at a time: pictures of several
// bands, the topmost one shorter, come out whole and in order, exactly as GDI gives them.
TEST(BitmapToBmpBytes, PicturesOfManyBandsAreWhatGdiGives) {
    struct BandCase {
        const char* what;
        Kind kind;
        int width, height, bitsPerPixel;
    };
    const BandCase cases[] = {
        {"screen bitmap: 262 rows a band, 2 bands and 76 rows", Kind::Screen, 1000, 600, 32},
        {"24-bit DIB section, rows padded, 4 bands and 1 row", Kind::DibSection, 1397, 1001, 24},
        {"monochrome bitmap: one band of 2912 rows and 1 row", Kind::Monochrome, 2880, 2913, 1},
    };
    for (const BandCase& c : cases) {
        SCOPED_TRACE(c.what);
        const win::GdiObject bitmap = makeBitmap(c.kind, c.width, c.height, c.bitsPerPixel);
        ASSERT_TRUE(bitmap);
        const ByteBlock bmp = convert(bitmap);
        ASSERT_FALSE(bmp.empty());
        const ByteBlock rows(bmp.begin() + readLe(bmp, 10, 4), bmp.end());
        EXPECT_TRUE(rows == gdiRows(bitmap, bmp)) << "the pixel rows differ";
    }
}

// A source with its own palette: GDI maps each colour onto the fixed table, whose index
// goes into the file; the source's palette is never written.
TEST(BitmapToBmpBytes, PaletteColoursAreMappedOntoTheFixedTable) {
    struct PaletteCase {
        const char* what;
        int bitsPerPixel;
        std::vector<std::uint32_t> sourceTable;
        ByteBlock sourceRows;    // bottom row first, indices into sourceTable
        ByteBlock expectedRows;  // bottom row first, indices into the fixed table
    };
    const PaletteCase cases[] = {
        {"4 bits",
         4,
         {0xFFFFFF, 0x0000FF, 0x00FF00, 0xFF0000, 0x808080, 0xC0C0C0, 0x000080, 0xFFFF00},
         {0x45, 0x67, 0, 0, 0x01, 0x23, 0, 0},
         {0x78, 0x4B, 0, 0, 0xFC, 0xA9, 0, 0}},
        {"8 bits",
         8,
         {0x402000, 0xA0C0C0, 0xC0DCC0, 0xFFFBF0, 0xFF0000, 0xA0A0A4, 0xA6CAF0, 0xFFFFFF},
         {4, 5, 6, 7, 0, 1, 2, 3},
         {249, 247, 9, 255, 10, 245, 8, 246}},
    };
    for (const PaletteCase& c : cases) {
        SCOPED_TRACE(c.what);
        void* bits = nullptr;
        const win::GdiObject dib = test::makeDibSection(4, 2, c.bitsPerPixel, c.sourceTable, &bits);
        ASSERT_TRUE(dib);
        std::memcpy(bits, c.sourceRows.data(), c.sourceRows.size());
        const ByteBlock bmp = convert(dib);
        ASSERT_FALSE(bmp.empty());
        EXPECT_EQ(ByteBlock(bmp.begin() + readLe(bmp, 10, 4), bmp.end()), c.expectedRows);
    }
}

TEST(BitmapToBmpBytes, BottomRowIsStoredFirst) {
    struct OrderCase {
        const char* what;
        Kind kind;
        int bitsPerPixel;
        std::size_t rowBytes;
        ByteBlock firstStoredRow;  // the bottom row
        ByteBlock lastStoredRow;   // the top row
    };
    const std::uint32_t red = 0xFF0000;
    const std::uint32_t blue = 0x0000FF;
    const OrderCase cases[] = {
        {"screen bitmap",
         Kind::Screen,
         32,
         8,
         {0xFF, 0, 0, 0, 0xFF, 0, 0, 0},
         {0, 0, 0xFF, 0, 0, 0, 0xFF, 0}},
        {"24-bit DIB section",
         Kind::DibSection,
         24,
         8,
         {0xFF, 0, 0, 0xFF, 0, 0, 0, 0},
         {0, 0, 0xFF, 0, 0, 0xFF, 0, 0}},
    };
    for (const OrderCase& c : cases) {
        SCOPED_TRACE(c.what);
        const win::GdiObject bitmap = makeBitmap(c.kind, 2, 2, c.bitsPerPixel);
        test::paintPixels(static_cast<HBITMAP>(bitmap.get()), 2, 2, {red, red, blue, blue});
        const ByteBlock bmp = convert(bitmap);
        ASSERT_EQ(bmp.size(), 54 + 2 * c.rowBytes);
        EXPECT_EQ(storedRow(bmp, 0, c.rowBytes), c.firstStoredRow);
        EXPECT_EQ(storedRow(bmp, 1, c.rowBytes), c.lastStoredRow);
    }
    const win::GdiObject mono = test::makeDeviceBitmap(
        8, 2, 1, {0xFFFFFF, 0, 0xFFFFFF, 0xFFFFFF, 0, 0, 0, 0xFFFFFF, 0, 0, 0, 0, 0, 0, 0, 0});
    const ByteBlock bmp = convert(mono);
    ASSERT_EQ(bmp.size(), 70u);
    EXPECT_EQ(storedRow(bmp, 0, 4), (ByteBlock{0x00, 0, 0, 0}));
    EXPECT_EQ(storedRow(bmp, 1, 4), (ByteBlock{0xB1, 0, 0, 0}));
}

TEST(BitmapToBmpBytes, WhatCannotBeConvertedGivesEmpty) {
    const win::GdiObject brush(CreateSolidBrush(RGB(1, 2, 3)));
    HBITMAP deleted = CreateBitmap(4, 4, 1, 1, nullptr);
    DeleteObject(deleted);
    // Only monochrome and display-depth bitmaps can be selected into a memory DC.
    const win::GdiObject eightBit = test::makeDeviceBitmap(4, 4, 8, test::filledPixels(4, 4, 0));
    const win::GdiObject twentyFourBit =
        test::makeDeviceBitmap(4, 4, 24, test::filledPixels(4, 4, 0));
    struct FailureCase {
        const char* what;
        HGDIOBJ handle;
    };
    const FailureCase cases[] = {{"no handle", nullptr},
                                 {"a brush", brush.get()},
                                 {"a deleted bitmap", deleted},
                                 {"an 8-bit device bitmap", eightBit.get()},
                                 {"a 24-bit device bitmap", twentyFourBit.get()}};
    for (const FailureCase& c : cases)
        EXPECT_TRUE(bitmapToBmpBytes(static_cast<HBITMAP>(c.handle)).empty()) << c.what;
}

TEST(BitmapToBmpBytes, BitmapSelectedElsewhereGivesEmptyAndStaysSelected) {
    const win::GdiObject bitmap = makeBitmap(Kind::Screen, 4, 4, 32);
    const win::MemoryDc elsewhere(CreateCompatibleDC(nullptr));
    const win::SelectedObject selected(elsewhere.get(), bitmap.get());
    ASSERT_TRUE(selected.ok());
    EXPECT_TRUE(convert(bitmap).empty());
    EXPECT_EQ(GetCurrentObject(elsewhere.get(), OBJ_BITMAP), bitmap.get());
}

// 32-bit pixels of the bitmap, bottom row first.
ByteBlock rgb32Rows(const win::GdiObject& bitmap, int width, int height) {
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    ByteBlock rows(static_cast<std::size_t>(width) * height * 4);
    const win::WindowDc screen(nullptr);
    GetDIBits(screen.get(), static_cast<HBITMAP>(bitmap.get()), 0, static_cast<UINT>(height),
              rows.data(), &info, DIB_RGB_COLORS);
    return rows;
}

TEST(BitmapToBmpBytes, LeavesTheBitmapAsItWas) {
    const win::GdiObject bitmap = makeBitmap(Kind::Screen, 9, 4, 32);
    const ByteBlock before = rgb32Rows(bitmap, 9, 4);
    ASSERT_FALSE(convert(bitmap).empty());
    EXPECT_EQ(rgb32Rows(bitmap, 9, 4), before);
    const win::MemoryDc another(CreateCompatibleDC(nullptr));
    const win::SelectedObject selected(another.get(), bitmap.get());
    EXPECT_TRUE(selected.ok()) << "the conversion must deselect the bitmap again";
}

// A 20 MB picture while the process has no room for it: once with no room at all, and once
// with room for the band of rows that the conversion draws at a time (1 MiB) but not for the
// file's bytes. Either way the result is empty, nothing escapes, and once the memory is back
// the same bitmap converts.
TEST(BitmapToBmpBytes, PictureTooLargeForTheMemoryAtHandGivesEmpty) {
    if (sizeof(void*) != 4)
        GTEST_SKIP() << "Wine keeps a byte of bookkeeping for every reserved page, so the "
                        "128 TiB of a 64-bit process cannot be used up; the 32-bit build runs this";
    constexpr int kWidth = 2500;
    constexpr int kHeight = 2000;
    constexpr std::size_t kFileSize = 54 + std::size_t{kWidth} * 4 * kHeight;
    void* bits = nullptr;
    const win::GdiObject dib = test::makeDibSection(kWidth, kHeight, 32, {}, &bits);
    ASSERT_TRUE(dib);
    const SIZE_T holes[] = {0, SIZE_T{16} << 20};
    for (const SIZE_T hole : holes) {
        SCOPED_TRACE(hole);
        std::size_t starvedSize = 1;
        {
            const test::AddressSpaceFiller filler(GetCurrentProcessId(), hole);
            starvedSize = convert(dib).size();
        }
        EXPECT_EQ(starvedSize, 0u);
        EXPECT_EQ(convert(dib).size(), kFileSize);
    }
}

}  // namespace
