#include "test_pictures.h"

#include <utility>
#include <vector>

#include "waiting.h"

namespace cp::e2e {
namespace {

void appendLittleEndian(std::string& out, unsigned long value, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

unsigned long rowBytes(int width, int bits) {
    return ((static_cast<unsigned long>(bits) * width + 31) / 32) * 4;
}

unsigned long readLittleEndian(const std::string& bytes, size_t at, int count) {
    unsigned long value = 0;
    for (int i = count - 1; i >= 0; --i) {
        value = (value << 8) | static_cast<unsigned char>(bytes[at + i]);
    }
    return value;
}

}  // namespace

int screenDepth() {
    win::WindowDc screen(nullptr);
    return GetDeviceCaps(screen.get(), BITSPIXEL);
}

win::GdiObject patternBitmap(int width, int height, int bits) {
    const size_t stride = ((static_cast<size_t>(width) * bits + 15) / 16) * 2;  // whole words
    std::vector<unsigned char> rows(stride * height);
    for (size_t y = 0; y < static_cast<size_t>(height); ++y) {
        for (size_t i = 0; i < stride; ++i) {
            rows[y * stride + i] = static_cast<unsigned char>(i * 37 + y * 11);
        }
    }
    return win::GdiObject(CreateBitmap(width, height, 1, bits, rows.data()));
}

win::GdiObject monochromeBitmap(int width, int height) {
    const int stride = ((width + 15) / 16) * 2;  // rows of whole 16-bit words
    std::vector<unsigned char> rows(static_cast<size_t>(stride) * height);
    for (size_t i = 0; i < rows.size(); ++i) rows[i] = static_cast<unsigned char>(0xA5 ^ (i * 29));
    return win::GdiObject(CreateBitmap(width, height, 1, 1, rows.data()));
}

win::GdiObject screenshotBitmap(const RECT& area) {
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    win::WindowDc screen(nullptr);
    win::GdiObject bitmap(CreateCompatibleBitmap(screen.get(), width, height));
    win::MemoryDc memory(CreateCompatibleDC(screen.get()));
    if (!bitmap || !memory) return win::GdiObject();
    win::SelectedObject selected(memory.get(), bitmap.get());
    BitBlt(memory.get(), 0, 0, width, height, screen.get(), area.left, area.top, SRCCOPY);
    return bitmap;
}

std::string bmpFileFor(HBITMAP bitmap) {
    BITMAP shape{};
    if (!GetObjectA(bitmap, sizeof shape, &shape)) return std::string();
    const int width = shape.bmWidth;
    const int height = shape.bmHeight;
    const int bits = shape.bmBitsPixel;
    const unsigned long colours = bits == 1 ? 2 : 0;  // the tests use 1, 24 and 32 bits
    const unsigned long stride = rowBytes(width, bits);

    struct {
        BITMAPINFOHEADER header;
        RGBQUAD colours[2];
    } layout{};
    layout.header.biSize = sizeof(BITMAPINFOHEADER);
    layout.header.biWidth = width;
    layout.header.biHeight = height;
    layout.header.biPlanes = 1;
    layout.header.biBitCount = static_cast<WORD>(bits);
    layout.header.biCompression = BI_RGB;
    std::string rows(stride * height, '\0');
    win::WindowDc screen(nullptr);
    if (GetDIBits(screen.get(), bitmap, 0, height, &rows[0], reinterpret_cast<BITMAPINFO*>(&layout),
                  DIB_RGB_COLORS) != height) {
        return std::string();
    }

    std::string file = "BM";
    appendLittleEndian(file, 54 + 4 * colours + rows.size(), 4);
    appendLittleEndian(file, 0, 4);
    appendLittleEndian(file, 54 + 4 * colours, 4);
    appendLittleEndian(file, 40, 4);
    appendLittleEndian(file, static_cast<unsigned long>(width), 4);
    appendLittleEndian(file, static_cast<unsigned long>(height), 4);
    appendLittleEndian(file, 1, 2);
    appendLittleEndian(file, static_cast<unsigned long>(bits), 2);
    appendLittleEndian(file, 0, 24);  // BI_RGB, no image size, resolutions or colour counts
    if (colours == 2) {
        appendLittleEndian(file, 0x00000000, 4);  // black
        appendLittleEndian(file, 0x00FFFFFF, 4);  // white
    }
    return file + rows;
}

std::string withoutAlpha(std::string bmpFile) {
    if (bmpFile.size() < 54 || readLittleEndian(bmpFile, 28, 2) != 32) return bmpFile;
    for (size_t at = readLittleEndian(bmpFile, 10, 4) + 3; at < bmpFile.size(); at += 4) {
        bmpFile[at] = 0;
    }
    return bmpFile;
}

std::optional<std::string> pasteFromClipboard(const ToolSession& tool) {
    // So that a file from an earlier paste is not taken for this one.
    DeleteFileA(tool.folder().stagingFile().c_str());
    tool.push(ControlId::按钮3);
    // The tool keeps the file open without sharing while it writes: once it can be read, it
    // is complete.
    std::optional<std::string> staged;
    eventually([&] { return (staged = readWholeFile(tool.folder().stagingFile())).has_value(); });
    return staged;
}

bool pastePicture(const ToolSession& tool, win::GdiObject bitmap) {
    if (!putBitmapOnClipboard(std::move(bitmap))) return false;
    const std::optional<std::string> staged = pasteFromClipboard(tool);
    return staged && !staged->empty();
}

}  // namespace cp::e2e
