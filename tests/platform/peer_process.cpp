#include "tests/platform/peer_process.h"

#include "platform/staging_file.h"

namespace cp::test {

namespace {

constexpr DWORD kPeerTimeoutMs = 20000;

// Unique for this process and moment, so peers of different test programs never meet.
std::string uniqueEventPrefix() {
    LARGE_INTEGER now{};
    QueryPerformanceCounter(&now);
    return "CouponPastePeer-" + std::to_string(GetCurrentProcessId()) + "-" +
           std::to_string(now.QuadPart);
}

win::File createEvent(const std::string& name) {
    return win::File(CreateEventA(nullptr, TRUE, FALSE, name.c_str()));
}

win::File startProcess(const std::string& commandLine) {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION started{};
    std::string writable = commandLine;
    if (!CreateProcessA(nullptr, writable.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &started))
        return {};
    const win::File unusedThread(started.hThread);
    return win::File(started.hProcess);
}

}  // namespace

PeerProcess::PeerProcess(const std::string& command) {
    const std::string prefix = uniqueEventPrefix();
    readyEvent_ = createEvent(prefix + ".ready");
    releaseEvent_ = createEvent(prefix + ".release");
    if (!readyEvent_ || !releaseEvent_) return;
    process_ = startProcess("\"" + runDirectory() + "\\test-peer.exe\" " + prefix + " " + command);
    if (!process_) return;
    const HANDLE readyOrGone[] = {readyEvent_.get(), process_.get()};
    ready_ = WaitForMultipleObjects(2, readyOrGone, FALSE, kPeerTimeoutMs) == WAIT_OBJECT_0;
}

PeerProcess::~PeerProcess() {
    if (!process_) return;
    release();
    if (WaitForSingleObject(process_.get(), kPeerTimeoutMs) == WAIT_OBJECT_0) return;
    TerminateProcess(process_.get(), 3);
    WaitForSingleObject(process_.get(), kPeerTimeoutMs);
}

void PeerProcess::release() const {
    if (releaseEvent_) SetEvent(releaseEvent_.get());
}

DWORD PeerProcess::exitCode() const {
    if (!process_ || WaitForSingleObject(process_.get(), kPeerTimeoutMs) != WAIT_OBJECT_0)
        return STILL_ACTIVE;
    DWORD code = STILL_ACTIVE;
    GetExitCodeProcess(process_.get(), &code);
    return code;
}

}  // namespace cp::test
