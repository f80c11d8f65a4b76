#include "app/display_scale.h"

#include "app/form_geometry.h"

namespace cp {
namespace {

constexpr int kOwnLabelFontHeight = 12;

HFONT stockGuiFont() {
    return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

int systemDpi() {
    const win::WindowDc screen(nullptr);
    const int dpi = screen ? GetDeviceCaps(screen.get(), LOGPIXELSY) : 0;
    return dpi > 0 ? dpi : kLayoutDpi;
}

// The stock font keeps the system DPI's size; another DPI gets a copy of it scaled.
HFONT createGuiFontAt(int dpi) {
    const int system = systemDpi();
    if (dpi == system) return nullptr;
    LOGFONTA font{};
    if (GetObjectA(stockGuiFont(), sizeof font, &font) != sizeof font) return nullptr;
    font.lfHeight = MulDiv(font.lfHeight, dpi, system);
    font.lfWidth = MulDiv(font.lfWidth, dpi, system);
    return CreateFontIndirectA(&font);
}

HFONT createOwnLabelFontAt(int dpi) {
    return CreateFontA(scaleToDpi(kOwnLabelFontHeight, dpi), 0, 0, 0, FW_NORMAL, FALSE, FALSE,
                       FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                       DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, "");
}

}  // namespace

int dpiOfWindow(HWND window) {
    using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
    const HMODULE user32 = GetModuleHandleA("user32.dll");
    const auto getDpiForWindow = reinterpret_cast<GetDpiForWindowFn>(
        reinterpret_cast<void (*)()>(user32 ? GetProcAddress(user32, "GetDpiForWindow") : nullptr));
    const UINT dpi = getDpiForWindow ? getDpiForWindow(window) : 0;
    return dpi > 0 ? static_cast<int>(dpi) : systemDpi();
}

FormFonts::FormFonts(int dpi)
    : scaledGuiFont_(createGuiFontAt(dpi)), ownLabelFont_(createOwnLabelFontAt(dpi)) {}

HFONT FormFonts::guiFont() const {
    return scaledGuiFont_ ? static_cast<HFONT>(scaledGuiFont_.get()) : stockGuiFont();
}

HFONT FormFonts::ownLabelFont() const {
    return ownLabelFont_ ? static_cast<HFONT>(ownLabelFont_.get()) : stockGuiFont();
}

}  // namespace cp
