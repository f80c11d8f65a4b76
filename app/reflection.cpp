#include "app/reflection.h"

#include <commctrl.h>

#include <optional>

namespace cp {
namespace {

constexpr UINT_PTR kGroupBoxSubclass = 1;
constexpr UINT_PTR kEventSourceSubclass = 2;

std::optional<ControlEvent> eventOf(WORD notification) {
    switch (notification) {
        case BN_CLICKED:
            return ControlEvent::clicked;
        case EN_KILLFOCUS:
            return ControlEvent::lostFocus;
        case EN_CHANGE:
            return ControlEvent::textChanged;
        default:
            return std::nullopt;
    }
}

LRESULT CALLBACK groupBoxProc(HWND group, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                              DWORD_PTR) {
    switch (message) {
        case WM_COMMAND:
            if (lParam != 0) {
                SendMessageA(reinterpret_cast<HWND>(lParam), kReflectedCommand, wParam, lParam);
                return 0;
            }
            break;
        case WM_ERASEBKGND: {
            // The group box only frames its area; the inside would show whatever was there.
            RECT area;
            GetClientRect(group, &area);
            FillRect(reinterpret_cast<HDC>(wParam), &area, GetSysColorBrush(COLOR_BTNFACE));
            return 1;
        }
        case WM_NCDESTROY:
            RemoveWindowSubclass(group, groupBoxProc, id);
            break;
        default:
            break;
    }
    return DefSubclassProc(group, message, wParam, lParam);
}

LRESULT CALLBACK eventSourceProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam,
                                 UINT_PTR id, DWORD_PTR sinkData) {
    switch (message) {
        case kReflectedCommand:
            if (const auto event = eventOf(HIWORD(wParam))) {
                auto* sink = reinterpret_cast<EventSink*>(sinkData);
                sink->raise(static_cast<ControlId>(GetDlgCtrlID(control)), *event);
            }
            return 0;
        case WM_NCDESTROY:
            RemoveWindowSubclass(control, eventSourceProc, id);
            break;
        default:
            break;
    }
    return DefSubclassProc(control, message, wParam, lParam);
}

}  // namespace

bool reflectNotifications(HWND groupBox) {
    return SetWindowSubclass(groupBox, groupBoxProc, kGroupBoxSubclass, 0) != FALSE;
}

bool raiseEventsFromNotifications(HWND control, EventSink& sink) {
    return SetWindowSubclass(control, eventSourceProc, kEventSourceSubclass,
                             reinterpret_cast<DWORD_PTR>(&sink)) != FALSE;
}

}  // namespace cp
