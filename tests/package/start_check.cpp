// Starts the CouponPaste.exe named on the command line the way a double-click in Explorer
// does (from its own folder), waits until its main window shows, closes the window as its
// Close button does and checks that the program ends with exit code 0. The release package's
// test runs it on the unpacked program; the path may hold any characters.
#include <windows.h>
// After windows.h, whose types it uses.
#include <shellapi.h>

#include <chrono>
#include <cstdio>
#include <string>

#include "platform/scoped_handles.h"
#include "tests/app/tool_session.h"
#include "tests/app/waiting.h"

namespace {

using namespace std::chrono_literals;

// A program unpacked a moment ago may be scanned or loaded slowly on its first start.
constexpr auto kStartPatience = 60s;
constexpr DWORD kEndPatienceMs = 10000;

int fail(const char* what) {
    std::printf("FAILED: %s (error %lu)\n", what, GetLastError());
    return 1;
}

std::wstring folderOf(const std::wstring& path) {
    const auto separator = path.find_last_of(L"\\/");
    return separator == std::wstring::npos ? std::wstring() : path.substr(0, separator);
}

}  // namespace

int main() {
    int count = 0;
    LPWSTR* arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    if (arguments == nullptr || count != 2) {
        std::printf("usage: package_start_check WINDOWS_PATH_OF_COUPONPASTE_EXE\n");
        return 2;
    }
    const std::wstring program = arguments[1];
    LocalFree(arguments);
    const std::wstring folder = folderOf(program);

    std::wstring commandLine = L"\"" + program + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION started{};
    if (!CreateProcessW(program.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                        folder.empty() ? nullptr : folder.c_str(), &startup, &started)) {
        return fail("the program could not be started");
    }
    const cp::win::KernelHandle process(started.hProcess);
    const cp::win::KernelHandle thread(started.hThread);

    HWND window = nullptr;
    const bool shown = cp::e2e::eventually(
        [&] {
            window = cp::e2e::findShownMainWindow(started.dwProcessId);
            return window != nullptr || WaitForSingleObject(process.get(), 0) == WAIT_OBJECT_0;
        },
        kStartPatience);
    if (!shown || window == nullptr) {
        TerminateProcess(process.get(), 1);
        return fail(shown ? "the program ended without showing its window"
                          : "the program showed no window");
    }
    std::printf("the main window is shown\n");

    if (!PostMessageW(window, WM_CLOSE, 0, 0)) return fail("WM_CLOSE could not be sent");
    if (WaitForSingleObject(process.get(), kEndPatienceMs) != WAIT_OBJECT_0) {
        TerminateProcess(process.get(), 1);
        return fail("the program did not end after WM_CLOSE");
    }
    DWORD exitCode = 0;
    if (!GetExitCodeProcess(process.get(), &exitCode)) return fail("no exit code");
    if (exitCode != 0) {
        std::printf("FAILED: the program ended with exit code %lu, not 0\n", exitCode);
        return 1;
    }
    std::printf("PASSED: the program closed with exit code 0\n");
    return 0;
}
