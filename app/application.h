// The process: fixes the run directory, builds and shows the window, runs the message loop
// until the window has been closed.
#pragma once

#include <windows.h>

#include "app/main_window.h"
#include "core/ansi_text.h"
#include "platform/clipboard_publisher.h"

namespace cp {

class Application {
  public:
    explicit Application(HINSTANCE instance);
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    // The process exit code: WM_QUIT's (0 when the window was closed), or one of the two
    // below.
    int run();

    static constexpr int kWindowNotBuilt = 1;
    static constexpr int kMessageLoopFailed = 2;

  private:
    int runMessageLoop();

    AnsiText runDirectory_;
    ClipboardPublisher publisher_;
    MainWindow window_;
};

}  // namespace cp
