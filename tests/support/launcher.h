// Other programs that the tests and the benchmarks start: the tool, its second copy, the
// peer, the floors of the benchmarks. Each is owned by a scoped process handle and never
// outlives its owner.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "platform/scoped_handles.h"

namespace cp::test {

// The folder of the running program (the build's bin folder), without a trailing backslash.
std::string programDirectory();

// A shown top-level window of the process, of windowClass when one is given; null when
// there is none.
HWND shownWindowOf(DWORD processId, const char* windowClass = nullptr);

class LaunchedProcess {
  public:
    LaunchedProcess() = default;
    // Starts executable with arguments after its quoted path, in workingDirectory (this
    // process's own when empty). On failure the object is empty and GetLastError says why.
    explicit LaunchedProcess(const std::string& executable,
                             const std::string& arguments = std::string(),
                             const std::string& workingDirectory = std::string());
    // A process that still runs is ended by force.
    ~LaunchedProcess() { stop(nullptr, 0); }
    LaunchedProcess(LaunchedProcess&&) = default;
    LaunchedProcess& operator=(LaunchedProcess&&) = default;

    explicit operator bool() const { return static_cast<bool>(process_); }
    HANDLE handle() const { return process_.get(); }
    DWORD id() const { return id_; }
    bool running() const;
    // Waits up to patienceMs for the end; the exit code, or nothing while it still runs.
    std::optional<DWORD> exitCode(DWORD patienceMs) const;
    // Asks window (when given) to close, waits up to patienceMs and then ends the process by
    // force with forcedExitCode. Returns at once when the process has ended already.
    void stop(HWND window, DWORD patienceMs, UINT forcedExitCode = 1) const;

  private:
    win::KernelHandle process_;
    DWORD id_ = 0;
};

}  // namespace cp::test
