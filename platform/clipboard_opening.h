// How the tool opens the clipboard for its own publish and capture.
#pragma once

#include <windows.h>

#include "platform/scoped_handles.h"

namespace cp {

// Clipboard history, clipboard managers, remote-desktop and cloud sync, input methods and chat
// programs open the clipboard for a few milliseconds right after it changes. An open that
// meets one of them is tried again: ten attempts 10 ms apart, about 100 ms in all, so that a
// passing holder is waited out and the window never seems to hang on one that stays.
inline constexpr int kClipboardOpenAttempts = 10;
inline constexpr DWORD kClipboardOpenPauseMs = 10;

inline win::OpenClipboardGuard openClipboardBriefly(HWND owner) {
    return win::OpenClipboardGuard(owner, kClipboardOpenAttempts, kClipboardOpenPauseMs);
}

}  // namespace cp
