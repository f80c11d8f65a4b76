// The real CouponPaste.exe, started from a private copy folder and driven from outside
// through the window system, the way a user drives it.
#pragma once

#include <windows.h>

#include <chrono>
#include <optional>
#include <string>

#include "app/control_ids.h"
#include "desktop.h"
#include "tests/support/launcher.h"
#include "waiting.h"

namespace cp::e2e {

// The folder that holds this test program and the tool (the build's bin folder).
using test::programDirectory;

// The shown main window of the tool running as that process; null when there is none.
HWND findShownMainWindow(DWORD processId);

// A fresh folder with its own copy of CouponPaste.exe: the tool's run directory, so each
// test has its own staging file at a path it knows. Removed with all it holds.
class RunFolder {
  public:
    // nameEnding: GBK text at the end of the folder's name.
    explicit RunFolder(const std::string& nameEnding = std::string());
    ~RunFolder();
    RunFolder(const RunFolder&) = delete;
    RunFolder& operator=(const RunFolder&) = delete;

    bool ready() const { return ready_; }
    // Without a trailing backslash, as the tool reports its directory.
    const std::string& path() const { return path_; }
    std::string file(const std::string& name) const { return path_ + "\\" + name; }
    std::string executable() const { return file("CouponPaste.exe"); }
    // "待发图片.bmp" in this folder.
    std::string stagingFile() const;
    // The same file as the rich document names it: the folder, a forward slash, the name.
    std::string stagingPathInDocument() const;

  private:
    std::string path_;
    bool ready_ = false;
};

// What the user enters in the seven input boxes, 编辑框1 to 编辑框7.
struct FormTexts {
    std::string title;
    std::string originalPrice;
    std::string couponPrice;
    std::string couponLink;
    std::string orderLink;
    std::string comboLink;
    std::string copyText;
};

class ToolSession {
  public:
    // nameEnding: GBK text at the end of the run folder's name.
    explicit ToolSession(const std::string& folderNameEnding = std::string())
        : ownFolder_(std::in_place, folderNameEnding), folder_(*ownFolder_) {}
    // Another copy of the tool, started from the same folder as that session's.
    explicit ToolSession(const RunFolder& sharedFolder) : folder_(sharedFolder) {}
    ~ToolSession();
    ToolSession(const ToolSession&) = delete;
    ToolSession& operator=(const ToolSession&) = delete;

    const RunFolder& folder() const { return folder_; }

    // Starts the tool and waits until its main window is shown; false when it is not, with
    // the step that failed in whyNotStarted().
    bool start();
    const std::string& whyNotStarted() const { return whyNotStarted_; }

    HWND window() const { return window_; }
    HWND control(ControlId id) const;
    DWORD processId() const { return process_.id(); }
    bool running() const;

    // --- what the user sees ---
    std::string text(ControlId id) const;
    // The control that has the keyboard focus in the tool (its caret).
    HWND focus() const;
    bool focusReaches(ControlId id) const;
    // The control's rectangle on the screen.
    RECT screenRect(ControlId id) const;
    // The tool has handled every input and message given to it so far that it has taken
    // from its queue.
    void settle() const;

    // --- what the user does ---
    // Sets a box's content at once, where the test is about content, not typing.
    void setText(ControlId id, const std::string& text) const;
    void fill(const FormTexts& form) const;
    // Real key input; brings the tool's window to the front first.
    bool key(WORD key) const;
    bool keyWith(WORD modifier, WORD key) const;
    bool type(const std::string& text) const;
    // A real mouse click at the middle of the control, and its two halves.
    bool click(ControlId id) const;
    bool pressMouseOn(ControlId id) const;
    void releaseMouse() const;
    // A button's click action, without the mouse.
    void push(ControlId button) const;
    // Moves the focus there with Tab, as a user reaching it by keyboard.
    bool tabTo(ControlId id) const;

    // Waits for the process to end and gives its exit code.
    std::optional<DWORD> exitCode(std::chrono::milliseconds patience = kPatience) const;

  private:
    void stop();
    bool notStarted(const std::string& why);

    std::optional<RunFolder> ownFolder_;
    const RunFolder& folder_;
    test::LaunchedProcess process_;
    std::string whyNotStarted_;
    DWORD threadId_ = 0;
    HWND window_ = nullptr;
    mutable bool mouseHeld_ = false;
};

}  // namespace cp::e2e
