// Takes the bitmap off the clipboard, as the tool's paste does first, and nothing else. Its
// exit code is how far that raised its peak working set above its idle one, in KiB: under
// Wine the clipboard's copies of a bitmap live in the process that takes it, so the memory
// benchmark tells them apart from the tool's own.
// windows.h first: the other Windows headers need its types.
// clang-format off
#include <windows.h>
#include <psapi.h>
// clang-format on

namespace {

PROCESS_MEMORY_COUNTERS ownMemory() {
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
    return counters;
}

// What the tool has done before its first paste: drawn on the screen, used the clipboard.
bool warmUp(HWND owner) {
    HDC screen = GetDC(nullptr);
    ReleaseDC(nullptr, screen);
    if (!OpenClipboard(owner)) return false;
    IsClipboardFormatAvailable(CF_BITMAP);
    CloseClipboard();
    return true;
}

}  // namespace

int main() {
    HWND owner = CreateWindowExA(0, "STATIC", "clipboard_taker", 0, 0, 0, 0, 0, HWND_MESSAGE,
                                 nullptr, nullptr, nullptr);
    if (!owner || !warmUp(owner)) return 0;
    const SIZE_T idle = ownMemory().WorkingSetSize;
    if (!OpenClipboard(owner)) return 0;
    const bool taken = GetClipboardData(CF_BITMAP) != nullptr;
    CloseClipboard();
    DestroyWindow(owner);
    const SIZE_T peak = ownMemory().PeakWorkingSetSize;
    return taken && peak > idle ? static_cast<int>((peak - idle) / 1024) : 0;
}
