// What the test sees of the desktop around the tool: the clipboard, the screen, message
// boxes and files. Texts are bytes in the ANSI code page (GBK), as the tool handles them.
#pragma once

#include <windows.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/scoped_handles.h"
#include "tests/support/clipboard.h"

namespace cp::e2e {

// --- clipboard ---

// The format number of "QQ_RichEdit_Format" as every program on the desktop sees it.
UINT richFormat();

using test::clipboardFormats;
using test::putBitmapOnClipboard;
using test::putTextOnClipboard;

// One clipboard block: its bytes up to the first zero byte, and the block's whole size;
// nothing when the format is not there.
struct ClipboardBlock {
    std::string text;
    size_t blockSize = 0;
};
std::optional<ClipboardBlock> clipboardBlock(UINT format);

// The rich document once the clipboard offers one.
std::optional<ClipboardBlock> waitForRichDocument();

// --- screen ---

// Pixels copied from the screen, row by row from the top, as 0x00RRGGBB.
struct ScreenArea {
    int width = 0;
    int height = 0;
    std::vector<DWORD> pixels;
};
ScreenArea captureScreen(const RECT& area);
// What draw(dc) paints into a 32-bit device-independent bitmap of that size, read the same way.
ScreenArea drawnArea(SIZE size, const std::function<void(HDC)>& draw);
bool showsOnly(const ScreenArea& area, DWORD colour);

// The dialog background colour, as 0x00RRGGBB.
DWORD faceColour();

// A 24-bit BMP file of the area.
std::string bmpFileOf(const ScreenArea& area);

// --- message boxes ---

struct MessageBoxView {
    HWND dialog = nullptr;
    std::string title;
    std::string text;
    int buttonCount = 0;
};
// The message box (dialog) of a process, once it is shown.
std::optional<MessageBoxView> waitForMessageBox(DWORD processId);
bool hasMessageBox(DWORD processId);

// --- windows ---

// A window's rectangle in the client coordinates of its parent.
RECT placeInParent(HWND window);

// A window's text as the window itself gives it (WM_GETTEXT), also across processes.
std::string windowText(HWND window);

// --- files ---

std::optional<std::string> readWholeFile(const std::string& path);
bool writeWholeFile(const std::string& path, const std::string& bytes);
bool fileExists(const std::string& path);

}  // namespace cp::e2e
