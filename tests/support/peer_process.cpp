#include "tests/support/peer_process.h"

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

}  // namespace

PeerProcess::PeerProcess(const std::string& command) {
    const std::string prefix = uniqueEventPrefix();
    readyEvent_ = createEvent(prefix + ".ready");
    releaseEvent_ = createEvent(prefix + ".release");
    if (!readyEvent_ || !releaseEvent_) return;
    process_ = LaunchedProcess(programDirectory() + "\\test-peer.exe", prefix + " " + command);
    if (!process_) return;
    const HANDLE readyOrGone[] = {readyEvent_.get(), process_.handle()};
    ready_ = WaitForMultipleObjects(2, readyOrGone, FALSE, kPeerTimeoutMs) == WAIT_OBJECT_0;
}

PeerProcess::~PeerProcess() {
    release();
    process_.stop(nullptr, kPeerTimeoutMs, 3);
}

void PeerProcess::release() const {
    if (releaseEvent_) SetEvent(releaseEvent_.get());
}

DWORD PeerProcess::exitCode() const {
    return process_.exitCode(kPeerTimeoutMs).value_or(STILL_ACTIVE);
}

}  // namespace cp::test
