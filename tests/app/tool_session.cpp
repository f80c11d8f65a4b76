#include "tool_session.h"

#include <filesystem>
#include <system_error>

#include "form_layout.h"
#include "user_input.h"

namespace cp::e2e {
namespace {

constexpr UINT kSendTimeoutMs = 10000;

std::string longPath(const std::string& path) {
    char buffer[MAX_PATH] = {};
    const DWORD length = GetLongPathNameA(path.c_str(), buffer, MAX_PATH);
    return length > 0 && length < MAX_PATH ? std::string(buffer, length) : path;
}

// A new, empty folder below the temporary folder, its name ending in nameEnding.
std::string makeFreshFolder(const std::string& nameEnding) {
    char temp[MAX_PATH] = {};
    const DWORD length = GetTempPathA(MAX_PATH, temp);
    if (length == 0 || length >= MAX_PATH) return std::string();
    std::string parent = longPath(std::string(temp, length));
    if (!parent.empty() && parent.back() == '\\') parent.pop_back();
    const std::string base =
        parent + "\\couponpaste-e2e-" + std::to_string(GetCurrentProcessId()) + "-";
    for (int attempt = 0; attempt < 1000; ++attempt) {
        const std::string candidate = base + std::to_string(attempt) + nameEnding;
        if (CreateDirectoryA(candidate.c_str(), nullptr)) return candidate;
        if (GetLastError() != ERROR_ALREADY_EXISTS) break;
    }
    return std::string();
}

std::wstring wideFromAnsi(const std::string& text) {
    const int length =
        MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<size_t>(length), L'\0');
    if (length > 0) {
        MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), &wide[0],
                            length);
    }
    return wide;
}

}  // namespace

HWND findShownMainWindow(DWORD processId) {
    return test::shownWindowOf(processId, kMainWindowClass);
}

RunFolder::RunFolder(const std::string& nameEnding) : path_(makeFreshFolder(nameEnding)) {
    // The built program can be open for a moment elsewhere (a virus scanner, Wine's loader
    // for the test before): a copy that fails at once is tried again for a while.
    const std::string built = programDirectory() + "\\CouponPaste.exe";
    ready_ = !path_.empty() && eventually([&] {
        return CopyFileA(built.c_str(), executable().c_str(), FALSE) != FALSE;
    });
}

RunFolder::~RunFolder() {
    if (path_.empty()) return;
    std::error_code ignored;
    std::filesystem::remove_all(std::filesystem::path(wideFromAnsi(path_)), ignored);
}

std::string RunFolder::stagingFile() const {
    return file("待发图片.bmp");
}

std::string RunFolder::stagingPathInDocument() const {
    return path_ + "/待发图片.bmp";
}

ToolSession::~ToolSession() {
    stop();
}

bool ToolSession::notStarted(const std::string& why) {
    whyNotStarted_ = why + " (error " + std::to_string(GetLastError()) + ")";
    return false;
}

bool ToolSession::start() {
    if (!folder_.ready()) return notStarted("no run folder with a copy of CouponPaste.exe");
    // Started from another current directory: the tool must find its folder by itself.
    process_ = test::LaunchedProcess(folder_.executable(), std::string(), programDirectory());
    if (!process_) return notStarted("CreateProcess failed");
    WaitForInputIdle(process_.handle(), static_cast<DWORD>(kPatience.count()));
    if (!eventually([this] { return (window_ = findShownMainWindow(processId())) != nullptr; })) {
        return notStarted(running() ? "no window shown" : "the process ended");
    }
    threadId_ = GetWindowThreadProcessId(window_, nullptr);
    return true;
}

void ToolSession::stop() {
    if (mouseHeld_) releaseMouse();  // a test that failed half-way through a click
    process_.stop(window_, 5000);
}

HWND ToolSession::control(ControlId id) const {
    const ControlPlace& place = placeOf(id);
    HWND parent = place.parent ? GetDlgItem(window_, static_cast<int>(*place.parent)) : window_;
    return GetDlgItem(parent, static_cast<int>(id));
}

bool ToolSession::running() const {
    return process_.running();
}

std::string ToolSession::text(ControlId id) const {
    return windowText(control(id));
}

HWND ToolSession::focus() const {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    return GetGUIThreadInfo(threadId_, &info) ? info.hwndFocus : nullptr;
}

bool ToolSession::focusReaches(ControlId id) const {
    const HWND target = control(id);
    return target && eventually([&] { return focus() == target; });
}

RECT ToolSession::screenRect(ControlId id) const {
    RECT rect{};
    GetWindowRect(control(id), &rect);
    return rect;
}

void ToolSession::settle() const {
    DWORD_PTR ignored = 0;
    SendMessageTimeoutA(window_, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, kSendTimeoutMs, &ignored);
}

void ToolSession::setText(ControlId id, const std::string& text) const {
    DWORD_PTR ignored = 0;
    SendMessageTimeoutA(control(id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()),
                        SMTO_ABORTIFHUNG, kSendTimeoutMs, &ignored);
}

void ToolSession::fill(const FormTexts& form) const {
    setText(ControlId::编辑框1, form.title);
    setText(ControlId::编辑框2, form.originalPrice);
    setText(ControlId::编辑框3, form.couponPrice);
    setText(ControlId::编辑框4, form.couponLink);
    setText(ControlId::编辑框5, form.orderLink);
    setText(ControlId::编辑框6, form.comboLink);
    setText(ControlId::编辑框7, form.copyText);
}

bool ToolSession::key(WORD virtualKey) const {
    if (!bringToFront(window_)) return false;
    pressKey(virtualKey);
    return true;
}

bool ToolSession::keyWith(WORD modifier, WORD virtualKey) const {
    if (!bringToFront(window_)) return false;
    pressKeyWith(modifier, virtualKey);
    return true;
}

bool ToolSession::type(const std::string& text) const {
    if (!bringToFront(window_)) return false;
    typeText(text);
    return true;
}

bool ToolSession::click(ControlId id) const {
    if (!pressMouseOn(id)) return false;
    releaseMouse();
    return true;
}

bool ToolSession::pressMouseOn(ControlId id) const {
    const HWND target = control(id);
    if (!target || !bringToFront(window_)) return false;
    moveMouseTo(centreOf(target));
    leftButtonDown();
    mouseHeld_ = true;
    return true;
}

void ToolSession::releaseMouse() const {
    leftButtonUp();
    mouseHeld_ = false;
}

void ToolSession::push(ControlId button) const {
    PostMessageA(control(button), BM_CLICK, 0, 0);
}

bool ToolSession::tabTo(ControlId id) const {
    const HWND target = control(id);
    for (int step = 0; step < 12 && focus() != target; ++step) {
        const HWND before = focus();
        if (!key(VK_TAB)) return false;
        eventually([&] { return focus() != before; }, 3s);
    }
    return focus() == target;
}

std::optional<DWORD> ToolSession::exitCode(std::chrono::milliseconds patience) const {
    return process_.exitCode(static_cast<DWORD>(patience.count()));
}

}  // namespace cp::e2e
