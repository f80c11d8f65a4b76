#include "app/main_window.h"

#include <shellapi.h>

#include <utility>

#include "app/build_options.h"
#include "app/control_factory.h"
#include "app/focus_cycle.h"
#include "app/label.h"
#include "app/reflection.h"
#include "app/resource_ids.h"
#include "app/window_object.h"
#include "core/hints.h"
#include "core/literals.h"
#include "platform/picture_stager.h"
#include "platform/staging_file.h"

namespace cp {
namespace {

// A fixed single frame with a title bar, Close and Minimize; no Maximize, no resizing.
constexpr DWORD kFrameStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;

HFONT fontFor(const FormFonts& fonts, const ControlSpec& row) {
    return (row.extras & kOwnFont) ? fonts.ownLabelFont() : fonts.guiFont();
}

bool isKeyDown(int key) {
    return (GetKeyState(key) & 0x8000) != 0;
}

}  // namespace

void ReadOutPreview::clear() {
    SetWindowTextA(box_, "");
}

// The caret goes to the end (dropping any selection), is scrolled into view, and the text is
// inserted there without an undo step, so the box shows the newest lines.
void ReadOutPreview::append(const AnsiText& text) {
    const int length = GetWindowTextLengthA(box_);
    SendMessageA(box_, EM_SETSEL, static_cast<WPARAM>(length), static_cast<LPARAM>(length));
    SendMessageA(box_, EM_SCROLLCARET, 0, 0);
    SendMessageA(box_, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(text.c_str()));
}

// The box has no owner and the window is disabled while it is up, so closing the box leaves
// no window of the tool active; the user continues where they were.
void TaskModalNotice::show(const AnsiText& text, const AnsiText& title) {
    MessageBoxA(nullptr, text.c_str(), title.c_str(), MB_OK | MB_TASKMODAL);
    if (window_ && IsWindow(window_) && !GetActiveWindow()) SetForegroundWindow(window_);
}

const MainWindow::EventBinding MainWindow::kEventBindings[] = {
    {ControlId::按钮1, ControlEvent::clicked, &MainWindow::generate},
    {ControlId::按钮2, ControlEvent::clicked, &MainWindow::clearForm},
    {ControlId::按钮3, ControlEvent::clicked, &MainWindow::pastePicture},
    {ControlId::编辑框4, ControlEvent::lostFocus, &MainWindow::showCouponBoxHint},
    {ControlId::编辑框5, ControlEvent::lostFocus, &MainWindow::showOrderBoxHint},
    {ControlId::编辑框6, ControlEvent::lostFocus, &MainWindow::showComboBoxHint},
    {ControlId::标签9, ControlEvent::leftButtonDown, &MainWindow::openTutorialPage},
};

MainWindow::MainWindow(HINSTANCE instance, const AnsiText& runDirectory,
                       ClipboardPublisher& publisher)
    : instance_(instance), runDirectory_(runDirectory), publisher_(publisher) {}

bool MainWindow::build() {
    eventsHeld_ = true;
    if (!registerClasses(instance_) || !createFrame()) return false;
    if (!createControls()) {
        DestroyWindow(window_);
        return false;
    }
    showControls();
    eventsHeld_ = false;
    onCreated();
    return true;
}

void MainWindow::show() {
    ShowWindow(window_, SW_SHOW);
    restoreFocus();
}

bool MainWindow::registerClasses(HINSTANCE instance) {
    WNDCLASSEXA cls{};
    cls.cbSize = sizeof(cls);
    cls.lpfnWndProc = windowProc;
    cls.hInstance = instance;
    cls.hIcon = static_cast<HICON>(LoadImageA(instance, MAKEINTRESOURCEA(COUPONPASTE_ICON),
                                              IMAGE_ICON, 0, 0, LR_DEFAULTSIZE | LR_SHARED));
    cls.hIconSm = static_cast<HICON>(LoadImageA(instance, MAKEINTRESOURCEA(COUPONPASTE_ICON),
                                                IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                                                GetSystemMetrics(SM_CYSMICON), LR_SHARED));
    cls.hCursor = LoadCursor(nullptr, IDC_ARROW);
    cls.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1));
    cls.lpszClassName = kMainWindowClass;
    return RegisterClassExA(&cls) != 0 && registerLabelClass(instance) &&
           PictureBox::registerClass(instance);
}

// Centred on the full screen (not the work area), hidden until show(). The display's scale is
// known once the window exists: it is made at the 96-DPI place, then sized for its display.
bool MainWindow::createFrame() {
    const RECT place = centredWindowRectAt(kLayoutDpi);
    if (!CreateWindowExA(0, kMainWindowClass, kWindowCaption, kFrameStyle, place.left, place.top,
                         place.right - place.left, place.bottom - place.top, nullptr, nullptr,
                         instance_, this)) {
        return false;
    }
    dpi_ = dpiOfWindow(window_);
    if (dpi_ != kLayoutDpi) {
        const RECT scaled = centredWindowRectAt(dpi_);
        SetWindowPos(window_, nullptr, scaled.left, scaled.top, scaled.right - scaled.left,
                     scaled.bottom - scaled.top, SWP_NOZORDER | SWP_NOACTIVATE);
    }
    return true;
}

bool MainWindow::createControls() {
    fonts_ = FormFonts(dpi_);
    for (const ControlSpec& row : controlTable()) {
        HWND parent = row.parent == kTheWindow ? window_ : control(row.parent);
        void* createParam = row.kind == ControlKind::pictureBox ? &picture_ : nullptr;
        HWND created = createControl(row, controlRectAt(row, dpi_), parent, instance_, createParam);
        if (!created) return false;
        controls_[controlIndex(row.id)] = created;
        if (!setUpControl(row, created)) return false;
    }
    preview_.attach(control(ControlId::编辑框9));
    notice_.returnTo(window_);
    return true;
}

bool MainWindow::setUpControl(const ControlSpec& row, HWND created) {
    SendMessageA(created, WM_SETFONT, reinterpret_cast<WPARAM>(fontFor(fonts_, row)), FALSE);
    switch (row.kind) {
        case ControlKind::groupBox:
            return reflectNotifications(created);
        case ControlKind::label:
            setLabelTextColour(created, labelTextColour(row));
            return true;
        case ControlKind::editBox:
            // The standard limit would stop a long copy text at 32,767 characters.
            SendMessageA(created, EM_SETLIMITTEXT, 0, 0);
            return raiseEventsFromNotifications(created, *this);
        case ControlKind::button:
            return raiseEventsFromNotifications(created, *this);
        case ControlKind::pictureBox:
            return true;
    }
    return false;
}

void MainWindow::showControls() {
    for (HWND created : controls_) ShowWindow(created, SW_SHOWNA);
}

// The window was moved to a display of another scale, or the scale changed: every control
// goes to its place and font at the new DPI, the window to the rectangle Windows suggests.
// Texts, picture and focus stay; moving the controls raises no event of the form.
void MainWindow::adoptDpi(int dpi, const RECT& windowRect) {
    const bool eventsWereHeld = std::exchange(eventsHeld_, true);
    dpi_ = dpi;
    FormFonts fonts(dpi);
    for (const ControlSpec& row : controlTable()) {
        const RECT place = controlRectAt(row, dpi);
        HWND target = control(row.id);
        SetWindowPos(target, nullptr, place.left, place.top, place.right - place.left,
                     place.bottom - place.top, SWP_NOZORDER | SWP_NOACTIVATE);
        SendMessageA(target, WM_SETFONT, reinterpret_cast<WPARAM>(fontFor(fonts, row)), TRUE);
    }
    // The old fonts are deleted only now that no control uses them any more.
    fonts_ = std::move(fonts);
    SetWindowPos(window_, nullptr, windowRect.left, windowRect.top,
                 windowRect.right - windowRect.left, windowRect.bottom - windowRect.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    eventsHeld_ = eventsWereHeld;
}

LRESULT CALLBACK MainWindow::windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = windowObject(window, message, lParam, &MainWindow::window_);
    if (!self) return DefWindowProcA(window, message, wParam, lParam);
    return self->handleMessage(message, wParam, lParam);
}

LRESULT MainWindow::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_ACTIVATE:
            if (LOWORD(wParam) == WA_INACTIVE) {
                rememberFocus();
            } else if (!HIWORD(wParam)) {
                restoreFocus();
            }
            return 0;
        case WM_SETFOCUS:
            restoreFocus();
            return 0;
        case kDpiChangedMessage:
            if (lParam) adoptDpi(LOWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
            return 0;
        case WM_DESTROY: {
            const LRESULT result = DefWindowProcA(window_, message, wParam, lParam);
            onWillBeDestroyed();
            return result;
        }
        case WM_NCDESTROY: {
            const LRESULT result = DefWindowProcA(window_, message, wParam, lParam);
            SetWindowLongPtrA(window_, GWLP_USERDATA, 0);
            window_ = nullptr;
            controls_.fill(nullptr);
            preview_.attach(nullptr);
            notice_.returnTo(nullptr);
            PostQuitMessage(0);
            return result;
        }
        default:
            return DefWindowProcA(window_, message, wParam, lParam);
    }
}

void MainWindow::raise(ControlId source, ControlEvent event) {
    if (eventsHeld_) return;
    for (const EventBinding& binding : kEventBindings) {
        if (binding.source == source && binding.event == event) {
            (this->*binding.action)();
            return;
        }
    }
}

void MainWindow::onCreated() {
    publisher_.registerRichFormat();
    clearPicture(picture_);
}

void MainWindow::onWillBeDestroyed() {
    if (eventsHeld_) return;
    deleteStagingFile(stagingImagePath(runDirectory_));
}

// A document that did not reach the clipboard leaves the previous message there; the user
// is told, or the next paste would send the wrong product.
void MainWindow::generate() {
    const AnsiText payload = composeMessage(readComposerInput(), runDirectory_, preview_, notice_);
    if (isEmpty(payload) || publisher_.publishRichPayload(payload)) return;
    notice_.show(literal::kMessageNotOnClipboard, literal::kErrorTitle);
}

void MainWindow::clearForm() {
    clearPicture(picture_);
    for (ControlId box :
         {ControlId::编辑框1, ControlId::编辑框2, ControlId::编辑框3, ControlId::编辑框4,
          ControlId::编辑框5, ControlId::编辑框6, ControlId::编辑框7}) {
        writeControlText(box, "");
    }
    writeControlText(ControlId::标签8, literal::kHintNeutral);
    writeControlText(ControlId::编辑框9, "");
}

void MainWindow::pastePicture() {
    cp::pastePicture(window_, picture_, stagingImagePath(runDirectory_), notice_);
}

void MainWindow::showCouponBoxHint() {
    showHint(hintForCouponBox);
}
void MainWindow::showOrderBoxHint() {
    showHint(hintForOrderBox);
}
void MainWindow::showComboBoxHint() {
    showHint(hintForComboBox);
}

void MainWindow::showHint(HintRule rule) {
    writeControlText(ControlId::标签8,
                     rule(readControlText(ControlId::编辑框4), readControlText(ControlId::编辑框5),
                          readControlText(ControlId::编辑框6)));
}

// In the default browser; an open Internet Explorer window, if any, owns the request.
void MainWindow::openTutorialPage() {
    HWND browser = FindWindowExA(nullptr, nullptr, nullptr, "Microsoft Internet Explorer");
    ShellExecuteA(browser, "open", kTutorialPageAddress, nullptr, nullptr, SW_SHOWNORMAL);
}

AnsiText MainWindow::readControlText(ControlId id) const {
    HWND box = control(id);
    const int length = GetWindowTextLengthA(box);
    AnsiText text(static_cast<std::size_t>(length) + 1, '\0');
    text.resize(static_cast<std::size_t>(GetWindowTextA(box, text.data(), length + 1)));
    return text;
}

// A label is redrawn over its own background, without an erase first.
void MainWindow::writeControlText(ControlId id, const AnsiText& text) {
    HWND target = control(id);
    SetWindowTextA(target, text.c_str());
    if (controlSpec(id).kind == ControlKind::label) InvalidateRect(target, nullptr, FALSE);
}

ComposerInput MainWindow::readComposerInput() const {
    ComposerInput input;
    input.hasPicture = picture_.holdsPicture();
    input.title = readControlText(ControlId::编辑框1);
    input.originalPrice = readControlText(ControlId::编辑框2);
    input.couponPrice = readControlText(ControlId::编辑框3);
    input.couponLink = readControlText(ControlId::编辑框4);
    input.orderLink = readControlText(ControlId::编辑框5);
    input.comboLink = readControlText(ControlId::编辑框6);
    input.copyText = readControlText(ControlId::编辑框7);
    return input;
}

bool MainWindow::isOwnWindow(HWND target) const {
    return window_ && (target == window_ || IsChild(window_, target));
}

bool MainWindow::preTranslate(const MSG& message) {
    if (!isOwnWindow(message.hwnd)) return false;
    switch (message.message) {
        case WM_KEYDOWN:
            return handleKeyDown(message);
        case WM_CHAR:
            return swallowsCharacter(message);
        case WM_LBUTTONDOWN: {
            // Raised at the press; the press then goes on to the control as usual.
            const int id = GetDlgCtrlID(message.hwnd);
            if (message.hwnd != window_ && isControlId(id)) {
                raise(static_cast<ControlId>(id), ControlEvent::leftButtonDown);
            }
            return false;
        }
        default:
            return false;
    }
}

bool MainWindow::handleKeyDown(const MSG& message) {
    const bool control = isKeyDown(VK_CONTROL);
    const bool alt = isKeyDown(VK_MENU);
    const bool shift = isKeyDown(VK_SHIFT);
    if (message.wParam == VK_TAB && !control && !alt) {
        moveFocusAlongCycle(shift);
        return true;
    }
    if (message.wParam == VK_ESCAPE && !control && !alt && !shift) {
        SendMessageA(window_, WM_CLOSE, 0, 0);
        return true;
    }
    return false;
}

// Enter does nothing in a one-line box (where the system would otherwise beep). Tab never
// gets this far; a tab character typed otherwise (Ctrl+I) is the box's.
bool MainWindow::swallowsCharacter(const MSG& message) const {
    if (message.wParam != '\r' && message.wParam != '\n') return false;
    const int id = GetDlgCtrlID(message.hwnd);
    if (!isControlId(id) || control(static_cast<ControlId>(id)) != message.hwnd) return false;
    const ControlSpec& row = controlSpec(static_cast<ControlId>(id));
    return row.kind == ControlKind::editBox && !(row.extras & kMultiLine);
}

void MainWindow::moveFocusAlongCycle(bool backwards) {
    HWND focus = GetFocus();
    std::optional<ControlId> current;
    for (ControlId id : kTabCycle) {
        if (control(id) == focus) current = id;
    }
    const auto next = stepFocusCycle(current, backwards, [this](ControlId id) {
        return IsWindowVisible(control(id)) && IsWindowEnabled(control(id));
    });
    if (next) SetFocus(control(*next));
}

void MainWindow::rememberFocus() {
    HWND focus = GetFocus();
    if (focus && focus != window_ && isOwnWindow(focus)) focusBeforeDeactivation_ = focus;
}

// Back to the control that had the focus when the window was deactivated; the title box when
// none had it yet.
void MainWindow::restoreFocus() {
    HWND target = focusBeforeDeactivation_;
    if (!target || !IsWindow(target) || !isOwnWindow(target)) target = control(ControlId::编辑框1);
    SetFocus(target);
}

}  // namespace cp
