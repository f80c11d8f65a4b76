// Where the window and its controls go at a display's DPI. The control table and the window's
// outer size are laid out for 96 DPI; at any other DPI each figure is scaled from them, so the
// form keeps its proportions and every caption stays whole at 125, 150 or 200 %.
#pragma once

#include <windows.h>

#include "app/control_table.h"

namespace cp {

inline constexpr int kLayoutDpi = 96;
// The window's outer size, frame and title bar included, at kLayoutDpi.
inline constexpr int kWindowWidth = 908;
inline constexpr int kWindowHeight = 606;

// A figure of the 96-DPI layout at dpi.
inline int scaleToDpi(int value, int dpi) {
    return MulDiv(value, dpi, kLayoutDpi);
}

// The window's outer size at dpi.
SIZE windowSizeAt(int dpi);

// The control's rectangle in its parent's client area at dpi; each of left, top, width and
// height is scaled on its own, as the table gives it.
RECT controlRectAt(const ControlSpec& row, int dpi);

// The window's outer rectangle at dpi, centred on the primary screen (its full size, not the
// work area).
RECT centredWindowRectAt(int dpi);

}  // namespace cp
