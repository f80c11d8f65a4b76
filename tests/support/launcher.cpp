#include "tests/support/launcher.h"

#include <cstring>

namespace cp::test {
namespace {

// How long an end by force may take to show.
constexpr DWORD kForcedEndMs = 5000;

struct WindowSearch {
    DWORD processId;
    const char* windowClass;
    HWND found;
};

BOOL CALLBACK considerWindow(HWND window, LPARAM context) {
    auto& search = *reinterpret_cast<WindowSearch*>(context);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != search.processId || !IsWindowVisible(window)) return TRUE;
    if (search.windowClass) {
        char name[256] = {};
        GetClassNameA(window, name, sizeof name);
        if (std::strcmp(name, search.windowClass) != 0) return TRUE;
    }
    search.found = window;
    return FALSE;
}

}  // namespace

std::string programDirectory() {
    char path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    const std::string text(path, length);
    const auto separator = text.find_last_of('\\');
    return separator == std::string::npos ? std::string() : text.substr(0, separator);
}

HWND shownWindowOf(DWORD processId, const char* windowClass) {
    WindowSearch search{processId, windowClass, nullptr};
    EnumWindows(considerWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

LaunchedProcess::LaunchedProcess(const std::string& executable, const std::string& arguments,
                                 const std::string& workingDirectory) {
    std::string commandLine = "\"" + executable + "\"";
    if (!arguments.empty()) commandLine += " " + arguments;
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION started{};
    if (!CreateProcessA(executable.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                        workingDirectory.empty() ? nullptr : workingDirectory.c_str(), &startup,
                        &started)) {
        return;
    }
    process_.reset(started.hProcess);
    const win::KernelHandle thread(started.hThread);
    id_ = started.dwProcessId;
}

bool LaunchedProcess::running() const {
    return process_ && WaitForSingleObject(process_.get(), 0) == WAIT_TIMEOUT;
}

std::optional<DWORD> LaunchedProcess::exitCode(DWORD patienceMs) const {
    DWORD code = 0;
    if (!process_ || WaitForSingleObject(process_.get(), patienceMs) != WAIT_OBJECT_0 ||
        !GetExitCodeProcess(process_.get(), &code)) {
        return std::nullopt;
    }
    return code;
}

void LaunchedProcess::stop(HWND window, DWORD patienceMs, UINT forcedExitCode) const {
    if (!running()) return;
    if (window) PostMessageA(window, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(process_.get(), patienceMs) == WAIT_OBJECT_0) return;
    TerminateProcess(process_.get(), forcedExitCode);
    WaitForSingleObject(process_.get(), kForcedEndMs);
}

}  // namespace cp::test
