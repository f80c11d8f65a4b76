#include "app/application.h"

#include <commctrl.h>

#include "platform/staging_file.h"

namespace cp {

Application::Application(HINSTANCE instance)
    : runDirectory_(cp::runDirectory()), window_(instance, runDirectory_, publisher_) {}

int Application::run() {
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    if (!window_.build()) return kWindowNotBuilt;
    window_.show();
    return runMessageLoop();
}

// No IsDialogMessage: the window's own pre-translation handles Tab and Esc, and Enter is left
// to the boxes (a line break in the two multi-line ones, nothing elsewhere).
int Application::runMessageLoop() {
    MSG message{};
    BOOL got;
    while ((got = GetMessageA(&message, nullptr, 0, 0)) > 0) {
        if (window_.preTranslate(message)) continue;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    window_.holdEvents();
    return got == 0 ? static_cast<int>(message.wParam) : kMessageLoopFailed;
}

}  // namespace cp
