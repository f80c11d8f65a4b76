// Makes one control of the window from its row in the control table.
#pragma once

#include <windows.h>

#include "app/control_table.h"

namespace cp {

// The control's window, created hidden with the kind's styles, the row's place, size and
// caption, and its identifier; createParam goes to the control's WM_NCCREATE. Null on failure.
HWND createControl(const ControlSpec& row, HWND parent, HINSTANCE instance, void* createParam);

// Text colour of a label row.
COLORREF labelTextColour(const ControlSpec& row);

}  // namespace cp
