// Keyboard and mouse input as a user gives it: real input events through SendInput, which the
// window system delivers to the foreground window.
#pragma once

#include <windows.h>

#include <string>

namespace cp::e2e {

// One key pressed and released.
void pressKey(WORD key);

// A key pressed while a modifier is held down (Shift+Tab, Alt+F4).
void pressKeyWith(WORD modifier, WORD key);

// Printable ASCII, one WM_CHAR per character.
void typeText(const std::string& text);

// The left mouse button at a point of the screen.
void moveMouseTo(POINT screenPoint);
void leftButtonDown();
void leftButtonUp();

// The middle of a window, in screen coordinates.
POINT centreOf(HWND window);

// Makes target the foreground window, so that key input reaches it; false if it did not
// become the foreground window in time.
bool bringToFront(HWND target);

// Closes a message box with Enter, as a user does; true once it is gone.
bool closeMessageBox(HWND dialog);

}  // namespace cp::e2e
