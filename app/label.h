// The window's labels: a small self-drawn class, so that a label paints its own background
// (a new caption shows without an erase) and can have its own text colour.
#pragma once

#include <windows.h>

namespace cp {

inline constexpr char kLabelClass[] = "CouponPasteLabel";

bool registerLabelClass(HINSTANCE instance);

// Black unless set otherwise.
void setLabelTextColour(HWND label, COLORREF colour);

}  // namespace cp
