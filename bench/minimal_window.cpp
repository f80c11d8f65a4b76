// The least a Windows program does to show a window like the tool's: one class, one window
// of the same outer size and frame, shown at once, and a message loop. The start-up
// benchmark measures CouponPaste.exe against it.
#include "bench/plain_window.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    HWND window =
        cp::bench::createPlainWindow(instance, "CouponPasteBenchMinimalWindow", "minimal");
    return window ? cp::bench::showAndRun(window) : 1;
}
