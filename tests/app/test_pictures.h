// Pictures the tests put on the clipboard, and the BMP file the tool should make of each.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "platform/scoped_handles.h"
#include "tool_session.h"

namespace cp::e2e {

// Bits per pixel of the display: the depth of its screenshots.
int screenDepth();

// A device-dependent bitmap with a pattern that differs from byte to byte and row to row.
// Not a DIB section: Wine's clipboard hands those to no other process. Only a bitmap of the
// display's depth (or of 1 bit) can be drawn from, as any screenshot is.
win::GdiObject patternBitmap(int width, int height, int bits);

// A monochrome bitmap (1 bit) with a pattern that differs from row to row.
win::GdiObject monochromeBitmap(int width, int height);

// A bitmap of the screen's own depth holding what the screen shows in area: a screenshot.
win::GdiObject screenshotBitmap(const RECT& area);

// The BMP file of the bitmap at its own depth, as the tool is to write it: file header, info
// header, the fixed colour table for 1 bit, and the pixel rows as GDI gives them.
std::string bmpFileFor(HBITMAP bitmap);

// At 32 bits the fourth byte of a pixel is whatever the copy leaves there; zeroes it, so that
// two files can be compared.
std::string withoutAlpha(std::string bmpFile);

// Presses the tool's paste button and gives what the staging file then holds.
std::optional<std::string> pasteFromClipboard(const ToolSession& tool);

// Puts the bitmap on the clipboard and pastes it; true when the staging file holds a picture.
bool pastePicture(const ToolSession& tool, win::GdiObject bitmap);

}  // namespace cp::e2e
