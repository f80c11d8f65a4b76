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

namespace {

using namespace cp;

constexpr char kClassName[] = "CouponPasteBenchFormWindow";
constexpr int kWidth = 908;
constexpr int kHeight = 606;
constexpr DWORD kFrameStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;

LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

bool registerClass(HINSTANCE instance) {
    WNDCLASSEXA cls{};
    cls.cbSize = sizeof cls;
    cls.lpfnWndProc = windowProc;
    cls.hInstance = instance;
    cls.hCursor = LoadCursor(nullptr, IDC_ARROW);
    cls.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1));
    cls.lpszClassName = kClassName;
    return RegisterClassExA(&cls) != 0;
}

struct StandardKind {
    const char* className;
    DWORD style;
    DWORD exStyle;
};

StandardKind standardKindOf(const ControlSpec& spec) {
    switch (spec.kind) {
        case ControlKind::groupBox:
            return {"BUTTON", BS_GROUPBOX, 0};
        case ControlKind::button:
            return {"BUTTON", WS_TABSTOP | BS_PUSHBUTTON | BS_MULTILINE, 0};
        case ControlKind::editBox: {
            const DWORD multiLine = WS_VSCROLL | ES_MULTILINE | ES_WANTRETURN | ES_AUTOVSCROLL;
            const DWORD lines = (spec.extras & kMultiLine) ? multiLine : ES_AUTOHSCROLL;
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
    for (const ControlSpec& spec : controlTable()) {
        const StandardKind kind = standardKindOf(spec);
        HWND parent = spec.parent == kTheWindow ? window : made[controlIndex(spec.parent)];
        HWND control = CreateWindowExA(
            kind.exStyle, kind.className, spec.caption, WS_CHILD | WS_VISIBLE | kind.style,
            spec.left, spec.top, spec.width, spec.height, parent,
            reinterpret_cast<HMENU>(static_cast<INT_PTR>(spec.id)), instance, nullptr);
        if (!control) return false;
        SendMessageA(control, WM_SETFONT, font, FALSE);
        made[controlIndex(spec.id)] = control;
    }
    return true;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    if (!registerClass(instance)) return 1;
    const int left = (GetSystemMetrics(SM_CXSCREEN) - kWidth) / 2;
    const int top = (GetSystemMetrics(SM_CYSCREEN) - kHeight) / 2;
    HWND window = CreateWindowExA(0, kClassName, kWindowCaption, kFrameStyle, left, top, kWidth,
                                  kHeight, nullptr, nullptr, instance, nullptr);
    if (!window || !createForm(window, instance)) return 1;
    ShowWindow(window, SW_SHOW);
    MSG message{};
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return static_cast<int>(message.wParam);
}
