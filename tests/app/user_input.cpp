#include "user_input.h"

#include <vector>

#include "waiting.h"

namespace cp::e2e {
namespace {

INPUT keyEvent(WORD key, bool up) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.wScan = static_cast<WORD>(MapVirtualKeyA(key, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    return input;
}

INPUT characterEvent(char character, bool up) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wScan = static_cast<WORD>(static_cast<unsigned char>(character));
    input.ki.dwFlags = KEYEVENTF_UNICODE | (up ? KEYEVENTF_KEYUP : 0);
    return input;
}

INPUT mouseButtonEvent(DWORD flags) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    return input;
}

void send(std::vector<INPUT> inputs) {
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

}  // namespace

void pressKey(WORD key) {
    send({keyEvent(key, false), keyEvent(key, true)});
}

void pressKeyWith(WORD modifier, WORD key) {
    send({keyEvent(modifier, false), keyEvent(key, false), keyEvent(key, true),
          keyEvent(modifier, true)});
}

void typeText(const std::string& text) {
    for (char character : text) {
        send({characterEvent(character, false), characterEvent(character, true)});
    }
}

void moveMouseTo(POINT screenPoint) {
    SetCursorPos(screenPoint.x, screenPoint.y);
    eventually(
        [&] {
            POINT at{};
            return GetCursorPos(&at) && at.x == screenPoint.x && at.y == screenPoint.y;
        },
        2s);
}

void leftButtonDown() {
    send({mouseButtonEvent(MOUSEEVENTF_LEFTDOWN)});
}
void leftButtonUp() {
    send({mouseButtonEvent(MOUSEEVENTF_LEFTUP)});
}

POINT centreOf(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

bool bringToFront(HWND target) {
    auto inFront = [target] { return GetForegroundWindow() == target; };
    if (inFront()) return true;
    SetForegroundWindow(target);
    if (eventually(inFront, 2s)) return true;
    // Only the thread that owns the foreground may hand it on; borrow its input state.
    const DWORD foregroundThread = GetWindowThreadProcessId(GetForegroundWindow(), nullptr);
    const DWORD self = GetCurrentThreadId();
    const bool attached =
        foregroundThread != 0 && AttachThreadInput(self, foregroundThread, TRUE) != FALSE;
    SetForegroundWindow(target);
    if (attached) AttachThreadInput(self, foregroundThread, FALSE);
    return eventually(inFront, 3s);
}

bool closeMessageBox(HWND dialog) {
    if (!bringToFront(dialog)) return false;
    pressKey(VK_RETURN);
    return eventually([&] { return !IsWindow(dialog); });
}

}  // namespace cp::e2e
