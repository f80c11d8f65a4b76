// Makes one control of the window from its row in the control table.
#pragma once

#include <windows.h>

#include "app/control_table.h"

namespace cp {

// The control's window, created hidden with the kind's styles, the row's caption and its
// identifier, at place in its parent's client area; createParam goes to the control's
// WM_NCCREATE. Null on failure.
HWND createControl(const ControlSpec& row, const RECT& place, HWND parent, HINSTANCE instance,
                   void* createParam);

// Text colour of a label row.
COLORREF labelTextColour(const ControlSpec& row);

}  // namespace cp
