// The tool's form without the tool: the same window with the same 25 controls, places,
// captions, font and resources, made of the system's standard controls and nothing else (no
// subclassing, no drawing of its own, no actions). The start-up benchmark measures
// CouponPaste.exe against it to tell what the form costs the window system from what the
// tool adds to it.
// windows.h first: the other Windows headers need its types.
// clang-format off
#include <windows.h>
#include <commctrl.h>
// clang-format on

#include <array>

#include "app/build_options.h"
#include "app/control_table.h"
#include "app/form_geometry.h"
#include "bench/plain_window.h"

namespace {

using namespace cp;

struct StandardKind {
    const char* className;
    DWORD style;
    DWORD exStyle;
};

StandardKind standardKindOf(const ControlSpec& row) {
    switch (row.kind) {
        case ControlKind::groupBox:
            return {"BUTTON", BS_GROUPBOX, 0};
        case ControlKind::button:
            return {"BUTTON", WS_TABSTOP | BS_PUSHBUTTON | BS_MULTILINE, 0};
        case ControlKind::editBox: {
            const DWORD multiLine = WS_VSCROLL | ES_MULTILINE | ES_WANTRETURN | ES_AUTOVSCROLL;
            const DWORD lines = (row.extras & kMultiLine) ? multiLine : ES_AUTOHSCROLL;
            return {"EDIT", WS_TABSTOP | lines, WS_EX_CLIENTEDGE};
        }
        case ControlKind::label:
        case ControlKind::pictureBox:
            break;
    }
    return {"STATIC", SS_LEFT, 0};
}

bool createForm(HWND window, HINSTANCE instance) {
    std::array<HWND, kControlCount> made{};
    const auto font = reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT));
    const int dpi = bench::screenDpi();
    for (const ControlSpec& row : controlTable()) {
        const StandardKind kind = standardKindOf(row);
        HWND parent = row.parent == kTheWindow ? window : made[controlIndex(row.parent)];
        const RECT place = controlRectAt(row, dpi);
        HWND control = CreateWindowExA(
            kind.exStyle, kind.className, row.caption, WS_CHILD | WS_VISIBLE | kind.style,
            place.left, place.top, place.right - place.left, place.bottom - place.top, parent,
            reinterpret_cast<HMENU>(static_cast<INT_PTR>(row.id)), instance, nullptr);
        if (!control) return false;
        SendMessageA(control, WM_SETFONT, font, FALSE);
        made[controlIndex(row.id)] = control;
    }
    return true;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    HWND window = bench::createPlainWindow(instance, "CouponPasteBenchFormWindow", kWindowCaption);
    if (!window || !createForm(window, instance)) return 1;
    return bench::showAndRun(window);
}
