#include "app/label.h"

#include <string>

#include "platform/scoped_handles.h"

namespace cp {
namespace {

// Window extra bytes of a label.
constexpr int kFontSlot = 0;
constexpr int kColourSlot = static_cast<int>(sizeof(LONG_PTR));
constexpr int kExtraBytes = 2 * static_cast<int>(sizeof(LONG_PTR));

HFONT labelFont(HWND label) {
    return reinterpret_cast<HFONT>(GetWindowLongPtrA(label, kFontSlot));
}

COLORREF labelTextColour(HWND label) {
    return static_cast<COLORREF>(GetWindowLongPtrA(label, kColourSlot));
}

std::string captionOf(HWND label) {
    std::string text(static_cast<std::size_t>(GetWindowTextLengthA(label)) + 1, '\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextA(label, text.data(), static_cast<int>(text.size()))));
    return text;
}

// One line, left-aligned, vertically centred, over the 3D face colour. The whole client area
// is painted here, so the class needs no background erase.
void paintLabel(HWND label) {
    win::PaintDc paint(label);
    RECT area;
    GetClientRect(label, &area);
    FillRect(paint.get(), &area, GetSysColorBrush(COLOR_BTNFACE));
    HFONT font = labelFont(label);
    win::SelectedObject selected(
        paint.get(), font ? font : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)));
    SetBkMode(paint.get(), TRANSPARENT);
    SetTextColor(paint.get(), labelTextColour(label));
    const std::string caption = captionOf(label);
    DrawTextA(paint.get(), caption.c_str(), static_cast<int>(caption.size()), &area,
              DT_SINGLELINE | DT_LEFT | DT_VCENTER | DT_NOPREFIX);
}

LRESULT CALLBACK labelProc(HWND label, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT:
            paintLabel(label);
            return 0;
        case WM_ERASEBKGND:
            return 1;
        case WM_SETFONT:
            SetWindowLongPtrA(label, kFontSlot, static_cast<LONG_PTR>(wParam));
            if (LOWORD(lParam)) InvalidateRect(label, nullptr, FALSE);
            return 0;
        case WM_GETFONT:
            return static_cast<LRESULT>(GetWindowLongPtrA(label, kFontSlot));
        case WM_SETTEXT: {
            const LRESULT result = DefWindowProcA(label, message, wParam, lParam);
            InvalidateRect(label, nullptr, FALSE);
            return result;
        }
        default:
            return DefWindowProcA(label, message, wParam, lParam);
    }
}

}  // namespace

bool registerLabelClass(HINSTANCE instance) {
    WNDCLASSEXA cls{};
    cls.cbSize = sizeof(cls);
    cls.lpfnWndProc = labelProc;
    cls.cbWndExtra = kExtraBytes;
    cls.hInstance = instance;
    cls.hCursor = LoadCursor(nullptr, IDC_ARROW);
    cls.lpszClassName = kLabelClass;
    return RegisterClassExA(&cls) != 0;
}

void setLabelTextColour(HWND label, COLORREF colour) {
    SetWindowLongPtrA(label, kColourSlot, static_cast<LONG_PTR>(colour));
    InvalidateRect(label, nullptr, FALSE);
}

}  // namespace cp
