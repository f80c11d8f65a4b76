#include "desktop.h"

#include <algorithm>
#include <cstring>

#include "waiting.h"

namespace cp::e2e {
namespace {

std::string className(HWND window) {
    char name[64] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
}

DWORD processOf(HWND window) {
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    return process;
}

struct MessageBoxSearch {
    DWORD processId;
    HWND found;
};

BOOL CALLBACK considerMessageBox(HWND window, LPARAM context) {
    auto& search = *reinterpret_cast<MessageBoxSearch*>(context);
    if (processOf(window) == search.processId && IsWindowVisible(window) &&
        className(window) == "#32770") {
        search.found = window;
        return FALSE;
    }
    return TRUE;
}

HWND findMessageBox(DWORD processId) {
    MessageBoxSearch search{processId, nullptr};
    EnumWindows(considerMessageBox, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

BOOL CALLBACK readMessageBoxPart(HWND child, LPARAM context) {
    auto& view = *reinterpret_cast<MessageBoxView*>(context);
    const std::string kind = className(child);
    if (kind == "Button") ++view.buttonCount;
    if (kind == "Static" && view.text.empty()) view.text = windowText(child);
    return TRUE;
}

MessageBoxView viewOf(HWND dialog) {
    MessageBoxView view;
    view.dialog = dialog;
    view.title = windowText(dialog);
    EnumChildWindows(dialog, readMessageBoxPart, reinterpret_cast<LPARAM>(&view));
    return view;
}

void appendLittleEndian(std::string& out, unsigned long value, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

}  // namespace

UINT richFormat() {
    return RegisterClipboardFormatA("QQ_RichEdit_Format");
}

std::optional<ClipboardBlock> clipboardBlock(UINT format) {
    const ByteBlock block = test::clipboardBlock(format);
    if (block.empty()) return std::nullopt;
    return ClipboardBlock{std::string(block.begin(), std::find(block.begin(), block.end(), 0)),
                          block.size()};
}

// Watched without opening the clipboard: a test holding it open at the moment the tool
// publishes would make the tool's publish fail, as another program holding it does.
std::optional<ClipboardBlock> waitForRichDocument() {
    if (!eventually([] { return IsClipboardFormatAvailable(richFormat()) != FALSE; })) {
        return std::nullopt;
    }
    return clipboardBlock(richFormat());
}

ScreenArea drawnArea(SIZE size, const std::function<void(HDC)>& draw) {
    ScreenArea result;
    result.width = size.cx;
    result.height = size.cy;
    if (result.width <= 0 || result.height <= 0) return result;

    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = result.width;
    info.bmiHeader.biHeight = -result.height;  // top row first
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;

    win::WindowDc screen(nullptr);
    void* bits = nullptr;
    win::GdiObject dib(CreateDIBSection(screen.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    win::MemoryDc memory(CreateCompatibleDC(screen.get()));
    if (!dib || !memory || !bits) return result;
    {
        win::SelectedObject selected(memory.get(), dib.get());
        draw(memory.get());
        GdiFlush();
    }
    const DWORD* pixels = static_cast<const DWORD*>(bits);
    result.pixels.assign(pixels, pixels + static_cast<size_t>(result.width) * result.height);
    for (DWORD& pixel : result.pixels) pixel &= 0x00FFFFFF;
    return result;
}

ScreenArea captureScreen(const RECT& area) {
    const SIZE size = {area.right - area.left, area.bottom - area.top};
    win::WindowDc screen(nullptr);
    return drawnArea(size, [&](HDC dc) {
        BitBlt(dc, 0, 0, size.cx, size.cy, screen.get(), area.left, area.top, SRCCOPY);
    });
}

bool showsOnly(const ScreenArea& area, DWORD colour) {
    return !area.pixels.empty() && std::all_of(area.pixels.begin(), area.pixels.end(),
                                               [colour](DWORD pixel) { return pixel == colour; });
}

DWORD faceColour() {
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    return (static_cast<DWORD>(GetRValue(face)) << 16) |
           (static_cast<DWORD>(GetGValue(face)) << 8) | GetBValue(face);
}

std::string bmpFileOf(const ScreenArea& area) {
    const unsigned long stride = (static_cast<unsigned long>(area.width) * 3 + 3) & ~3ul;
    const unsigned long imageSize = stride * static_cast<unsigned long>(area.height);
    std::string file = "BM";
    appendLittleEndian(file, 54 + imageSize, 4);
    appendLittleEndian(file, 0, 4);
    appendLittleEndian(file, 54, 4);
    appendLittleEndian(file, 40, 4);
    appendLittleEndian(file, static_cast<unsigned long>(area.width), 4);
    appendLittleEndian(file, static_cast<unsigned long>(area.height), 4);
    appendLittleEndian(file, 1, 2);
    appendLittleEndian(file, 24, 2);
    appendLittleEndian(file, 0, 24);
    for (int y = area.height - 1; y >= 0; --y) {
        std::string row;
        for (int x = 0; x < area.width; ++x) {
            appendLittleEndian(row, area.pixels[static_cast<size_t>(y) * area.width + x], 3);
        }
        row.resize(stride, '\0');
        file += row;
    }
    return file;
}

std::optional<MessageBoxView> waitForMessageBox(DWORD processId) {
    HWND dialog = nullptr;
    if (!eventually([&] { return (dialog = findMessageBox(processId)) != nullptr; })) {
        return std::nullopt;
    }
    // The box's text is set while it is being built; wait until the box is complete.
    MessageBoxView view;
    eventually([&] {
        view = viewOf(dialog);
        return !view.text.empty() && view.buttonCount > 0;
    });
    return view;
}

bool hasMessageBox(DWORD processId) {
    return findMessageBox(processId) != nullptr;
}

RECT placeInParent(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    MapWindowPoints(HWND_DESKTOP, GetParent(window), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

std::string windowText(HWND window) {
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutA(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 5000, &length)) {
        return std::string();
    }
    // Across processes the length may count characters, not bytes: leave room for both.
    std::string text(2 * length + 2, '\0');
    DWORD_PTR copied = 0;
    if (!SendMessageTimeoutA(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(&text[0]),
                             SMTO_ABORTIFHUNG, 5000, &copied)) {
        return std::string();
    }
    text.resize(std::strlen(text.c_str()));
    return text;
}

std::optional<std::string> readWholeFile(const std::string& path) {
    win::File file(CreateFileA(path.c_str(), GENERIC_READ,
                               FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                               OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return std::nullopt;
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file.get(), &size)) return std::nullopt;
    std::string bytes(static_cast<size_t>(size.QuadPart), '\0');
    DWORD read = 0;
    if (!bytes.empty() &&
        (!ReadFile(file.get(), &bytes[0], static_cast<DWORD>(bytes.size()), &read, nullptr) ||
         read != bytes.size())) {
        return std::nullopt;
    }
    return bytes;
}

bool writeWholeFile(const std::string& path, const std::string& bytes) {
    win::File file(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                               FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return false;
    DWORD written = 0;
    return bytes.empty() || (WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()),
                                       &written, nullptr) &&
                             written == bytes.size());
}

bool fileExists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

}  // namespace cp::e2e
