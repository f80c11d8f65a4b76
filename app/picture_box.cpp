#include "app/picture_box.h"

#include <cstdint>
#include <cstring>
#include <utility>

#include "app/window_object.h"
#include "platform/bmp_layout.h"
#include "platform/scoped_handles.h"

namespace cp {
namespace {

using bmp::kFileHeaderSize;
using bmp::kInfoHeaderSize;

// The info header and colour table, copied out of the byte block so that GDI reads them
// properly aligned.
using DibInfo = bmp::InfoWithColours;

// A drawable view of BMP file bytes: the info (copied) and the pixel rows (in place).
struct DibView {
    DibInfo info;
    const unsigned char* rows = nullptr;
};

std::uint32_t readLittle32(const ByteBlock& bytes, std::size_t at) {
    return static_cast<std::uint32_t>(bytes[at]) | static_cast<std::uint32_t>(bytes[at + 1]) << 8 |
           static_cast<std::uint32_t>(bytes[at + 2]) << 16 |
           static_cast<std::uint32_t>(bytes[at + 3]) << 24;
}

std::uint32_t colourTableEntries(const BITMAPINFOHEADER& header) {
    if (header.biBitCount > 8) return 0;
    return header.biClrUsed != 0 ? header.biClrUsed : 1u << header.biBitCount;
}

// False for anything that is not a complete, uncompressed BMP that GDI can draw as it is.
bool viewDib(const ByteBlock& bytes, DibView& view) {
    if (bytes.size() < kFileHeaderSize + kInfoHeaderSize || bytes[0] != 'B' || bytes[1] != 'M') {
        return false;
    }
    BITMAPINFOHEADER& header = view.info.header;
    std::memcpy(&header, bytes.data() + kFileHeaderSize, kInfoHeaderSize);
    const std::uint64_t rowsAt = readLittle32(bytes, 10);
    const std::uint32_t entries = colourTableEntries(header);
    const std::uint64_t tableEnd = kFileHeaderSize + kInfoHeaderSize + 4ull * entries;
    if (header.biSize != kInfoHeaderSize || header.biCompression != BI_RGB || header.biWidth <= 0 ||
        header.biHeight == 0 || header.biPlanes != 1 || entries > 256 || tableEnd > rowsAt) {
        return false;
    }
    const std::uint64_t stride =
        bmp::rowStride(header.biBitCount, static_cast<std::uint64_t>(header.biWidth));
    const std::uint64_t height =
        header.biHeight < 0 ? -std::int64_t{header.biHeight} : header.biHeight;
    if (stride == 0 || rowsAt + stride * height > bytes.size()) return false;
    std::memcpy(view.info.colours, bytes.data() + kFileHeaderSize + kInfoHeaderSize, 4 * entries);
    view.rows = bytes.data() + rowsAt;
    return true;
}

}  // namespace

bool PictureBox::registerClass(HINSTANCE instance) {
    WNDCLASSEXA cls{};
    cls.cbSize = sizeof(cls);
    cls.lpfnWndProc = windowProc;
    cls.hInstance = instance;
    cls.hCursor = LoadCursor(nullptr, IDC_ARROW);
    cls.lpszClassName = kPictureBoxClass;
    return RegisterClassExA(&cls) != 0;
}

void PictureBox::setPicture(ByteBlock bytes) {
    bytes_ = std::move(bytes);
    if (window_) InvalidateRect(window_, nullptr, FALSE);
}

LRESULT CALLBACK PictureBox::windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* box = windowObject(window, message, lParam, &PictureBox::window_);
    switch (message) {
        case WM_PAINT:
            if (box) {
                box->paint();
                return 0;
            }
            break;
        case WM_ERASEBKGND:
            return 1;  // paint() fills the whole client area
        case WM_NCDESTROY:
            if (box) box->window_ = nullptr;
            SetWindowLongPtrA(window, GWLP_USERDATA, 0);
            break;
        default:
            break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

// The picture is stretched to exactly the client size, its proportions not kept; halftone
// scaling keeps a squeezed screenshot legible.
void PictureBox::paint() const {
    win::PaintDc paint(window_);
    RECT area;
    GetClientRect(window_, &area);
    FillRect(paint.get(), &area, GetSysColorBrush(COLOR_BTNFACE));
    DibView view;
    if (!viewDib(bytes_, view)) return;
    const BITMAPINFOHEADER& header = view.info.header;
    SetStretchBltMode(paint.get(), HALFTONE);
    SetBrushOrgEx(paint.get(), 0, 0, nullptr);
    StretchDIBits(paint.get(), 0, 0, area.right, area.bottom, 0, 0, header.biWidth,
                  header.biHeight < 0 ? -header.biHeight : header.biHeight, view.rows,
                  reinterpret_cast<const BITMAPINFO*>(&view.info), DIB_RGB_COLORS, SRCCOPY);
}

}  // namespace cp
