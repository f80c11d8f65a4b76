// The tool's one window: the form's 25 controls, the services the composer needs, and the
// actions bound to the events of the window and its controls.
#pragma once

#include <windows.h>

#include <array>

#include "app/control_table.h"
#include "app/display_scale.h"
#include "app/events.h"
#include "app/form_geometry.h"
#include "app/picture_box.h"
#include "core/ansi_text.h"
#include "core/composer.h"
#include "platform/clipboard_publisher.h"
#include "platform/scoped_handles.h"

namespace cp {

// The read-out box as the composer's preview.
class ReadOutPreview final : public PreviewSink {
  public:
    void attach(HWND box) { box_ = box; }
    void clear() override;
    void append(const AnsiText& text) override;

  private:
    HWND box_ = nullptr;
};

// A message box with an OK button, modal to the whole task, without owner window or icon.
class TaskModalNotice final : public NoticeBox {
  public:
    // The window that is active again once the box has been closed.
    void returnTo(HWND window) { window_ = window; }
    void show(const AnsiText& text, const AnsiText& title) override;

  private:
    HWND window_ = nullptr;
};

class MainWindow final : public EventSink {
  public:
    MainWindow(HINSTANCE instance, const AnsiText& runDirectory, ClipboardPublisher& publisher);
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;

    // Builds the window hidden with every control, then raises the created event. False, with
    // nothing left on the screen, when any part could not be made.
    bool build();
    // Shows the window centred and puts the caret into the title box.
    void show();

    // The keys and mouse presses that the window takes before any control sees them; true when
    // the message has been dealt with and must not be dispatched.
    bool preTranslate(const MSG& message);

    // From the end of the message loop on, no action runs any more.
    void holdEvents() { eventsHeld_ = true; }

    void raise(ControlId source, ControlEvent event) override;

  private:
    using Action = void (MainWindow::*)();
    struct EventBinding {
        ControlId source;
        ControlEvent event;
        Action action;
    };
    using HintRule = AnsiText (*)(const AnsiText&, const AnsiText&, const AnsiText&);

    static const EventBinding kEventBindings[];

    // The window's own class and those of its self-drawn controls.
    static bool registerClasses(HINSTANCE instance);
    static LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam);

    bool createFrame();
    bool createControls();
    bool setUpControl(const ControlSpec& row, HWND control);
    void showControls();

    // Display scale.
    void adoptDpi(int dpi, const RECT& windowRect);

    // Window events.
    void onCreated();
    void onWillBeDestroyed();

    // Control actions.
    void generate();
    void clearForm();
    void pastePicture();
    void showCouponBoxHint();
    void showOrderBoxHint();
    void showComboBoxHint();
    void openTutorialPage();

    // Services.
    HWND control(ControlId id) const { return controls_[controlIndex(id)]; }
    AnsiText readControlText(ControlId id) const;
    void writeControlText(ControlId id, const AnsiText& text);
    ComposerInput readComposerInput() const;
    void showHint(HintRule rule);

    // Keyboard.
    bool isOwnWindow(HWND window) const;
    bool handleKeyDown(const MSG& message);
    bool swallowsCharacter(const MSG& message) const;
    void moveFocusAlongCycle(bool backwards);
    void rememberFocus();
    void restoreFocus();

    HINSTANCE instance_;
    const AnsiText& runDirectory_;
    ClipboardPublisher& publisher_;
    HWND window_ = nullptr;
    std::array<HWND, kControlCount> controls_{};
    PictureBox picture_;
    ReadOutPreview preview_;
    TaskModalNotice notice_;
    int dpi_ = kLayoutDpi;
    FormFonts fonts_;
    HWND focusBeforeDeactivation_ = nullptr;
    bool eventsHeld_ = true;
};

}  // namespace cp
