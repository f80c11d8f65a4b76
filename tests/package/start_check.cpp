// Starts the CouponPaste.exe named on the command line the way a double-click in Explorer
// does (from its own folder), waits until its main window shows, closes the window as its
// Close button does and checks that the program ends with exit code 0. The release package's
// test runs it on the unpacked program, from a folder whose name is Chinese (GBK here).
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <optional>
#include <string>

#include "tests/app/tool_session.h"
#include "tests/app/waiting.h"
#include "tests/support/launcher.h"

namespace {

using namespace std::chrono_literals;

// A program unpacked a moment ago may be scanned or loaded slowly on its first start.
constexpr auto kStartPatience = 60s;
constexpr DWORD kEndPatienceMs = 10000;

int fail(const char* what) {
    std::printf("FAILED: %s (error %lu)\n", what, GetLastError());
    return 1;
}

std::string folderOf(const std::string& path) {
    const auto separator = path.find_last_of("\\/");
    return separator == std::string::npos ? std::string() : path.substr(0, separator);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::printf("usage: package_start_check WINDOWS_PATH_OF_COUPONPASTE_EXE\n");
        return 2;
    }
    const std::string program = argv[1];
    const cp::test::LaunchedProcess tool(program, std::string(), folderOf(program));
    if (!tool) return fail("the program could not be started");

    HWND window = nullptr;
    const bool shown = cp::e2e::eventually(
        [&] {
            window = cp::e2e::findShownMainWindow(tool.id());
            return window != nullptr || !tool.running();
        },
        kStartPatience);
    if (!shown || window == nullptr) {
        return fail(shown ? "the program ended without showing its window"
                          : "the program showed no window");
    }
    std::printf("the main window is shown\n");

    if (!PostMessageA(window, WM_CLOSE, 0, 0)) return fail("WM_CLOSE could not be sent");
    const std::optional<DWORD> exitCode = tool.exitCode(kEndPatienceMs);
    if (!exitCode) return fail("the program did not end after WM_CLOSE");
    if (*exitCode != 0) {
        std::printf("FAILED: the program ended with exit code %lu, not 0\n", *exitCode);
        return 1;
    }
    std::printf("PASSED: the program closed with exit code 0\n");
    return 0;
}
