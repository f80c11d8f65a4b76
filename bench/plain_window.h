// What both start-up floors share: a window of the tool's outer size and frame, centred on
// the screen, that ends its message loop when closed.
#pragma once

#include <windows.h>

#include "app/form_geometry.h"

namespace cp::bench {

inline constexpr DWORD kFrameStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;

// The screen's DPI, at which the floors lay out the tool's size and form.
inline int screenDpi() {
    HDC screen = GetDC(nullptr);
    const int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSX) : 0;
    if (screen) ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : kLayoutDpi;
}

inline LRESULT CALLBACK quitWhenDestroyed(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

// Registers the class and makes the window, hidden; null when either fails.
inline HWND createPlainWindow(HINSTANCE instance, const char* className, const char* caption) {
    WNDCLASSEXA cls{};
    cls.cbSize = sizeof cls;
    cls.lpfnWndProc = quitWhenDestroyed;
    cls.hInstance = instance;
    cls.hCursor = LoadCursor(nullptr, IDC_ARROW);
    cls.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1));
    cls.lpszClassName = className;
    if (!RegisterClassExA(&cls)) return nullptr;
    const RECT place = centredWindowRectAt(screenDpi());
    return CreateWindowExA(0, className, caption, kFrameStyle, place.left, place.top,
                           place.right - place.left, place.bottom - place.top, nullptr, nullptr,
                           instance, nullptr);
}

// Shows the window and runs the message loop until it has been closed.
inline int showAndRun(HWND window) {
    ShowWindow(window, SW_SHOW);
    MSG message{};
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return static_cast<int>(message.wParam);
}

}  // namespace cp::bench
