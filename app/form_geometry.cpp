#include "app/form_geometry.h"

namespace cp {

SIZE windowSizeAt(int dpi) {
    return {scaleToDpi(kWindowWidth, dpi), scaleToDpi(kWindowHeight, dpi)};
}

RECT controlRectAt(const ControlSpec& row, int dpi) {
    const int left = scaleToDpi(row.left, dpi);
    const int top = scaleToDpi(row.top, dpi);
    return {left, top, left + scaleToDpi(row.width, dpi), top + scaleToDpi(row.height, dpi)};
}

RECT centredWindowRectAt(int dpi) {
    const SIZE size = windowSizeAt(dpi);
    const int left = (GetSystemMetrics(SM_CXSCREEN) - size.cx) / 2;
    const int top = (GetSystemMetrics(SM_CYSCREEN) - size.cy) / 2;
    return {left, top, left + size.cx, top + size.cy};
}

}  // namespace cp
