// The other program of the clipboard and file tests: starts test-peer.exe (beside the
// running test program) and waits until it has done what it was asked.
//
//   PeerProcess hold("hold-clipboard 10000");   // the clipboard is now held elsewhere
//   ...                                         // released when hold goes out of scope
//
// Commands (see test_peer.cpp): hold-clipboard MS, hold-file PATH MS,
// put-bitmap WIDTH HEIGHT BPP RRGGBB, put-text TEXT.
#pragma once

#include <windows.h>

#include <string>

#include "platform/scoped_handles.h"
#include "tests/support/launcher.h"

namespace cp::test {

class PeerProcess {
  public:
    // Waits up to 20 seconds for the peer to be ready.
    explicit PeerProcess(const std::string& command);
    // Ends a hold and waits for the peer to exit; kills it after 20 seconds.
    ~PeerProcess();
    PeerProcess(const PeerProcess&) = delete;
    PeerProcess& operator=(const PeerProcess&) = delete;

    // True once the peer holds what it was asked to hold, or has placed its data.
    bool isReady() const { return ready_; }
    // Ends a hold before the peer's own time is up.
    void release() const;
    // Waits (bounded) for the peer to end: its exit code, or STILL_ACTIVE on a timeout.
    DWORD exitCode() const;

  private:
    win::File readyEvent_;
    win::File releaseEvent_;
    LaunchedProcess process_;
    bool ready_ = false;
};

}  // namespace cp::test
