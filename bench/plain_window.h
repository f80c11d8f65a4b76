// What both start-up floors share: a window of the tool's outer size and frame, centred on
// the screen, that ends its message loop when closed.
#pragma once

#include <windows.h>

namespace cp::bench {

inline constexpr int kWindowWidth = 908;
inline constexpr int kWindowHeight = 606;
inline constexpr DWORD kFrameStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;

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
    const int left = (GetSystemMetrics(SM_CXSCREEN) - kWindowWidth) / 2;
    const int top = (GetSystemMetrics(SM_CYSCREEN) - kWindowHeight) / 2;
    return CreateWindowExA(0, className, caption, kFrameStyle, left, top, kWindowWidth,
                           kWindowHeight, nullptr, nullptr, instance, nullptr);
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
