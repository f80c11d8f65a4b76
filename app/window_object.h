// The object behind a window of the tool's own classes: handed over as the creation parameter,
// kept in GWLP_USERDATA from WM_NCCREATE on, so the static window procedure can call it.
#pragma once

#include <windows.h>

namespace cp {

// The window's object, or null before WM_NCCREATE and after it was detached. At WM_NCCREATE it
// also stores the window's handle in the object's member named by handle.
template <typename Owner>
Owner* windowObject(HWND window, UINT message, LPARAM lParam, HWND Owner::*handle) {
    if (message == WM_NCCREATE) {
        auto* owner = static_cast<Owner*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        owner->*handle = window;
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(owner));
    }
    return reinterpret_cast<Owner*>(GetWindowLongPtrA(window, GWLP_USERDATA));
}

}  // namespace cp
