// Scoped owners for the Win32 handles the tool opens, allocates or selects. Each frees
// exactly once: none can be copied, and each releases its handle when it goes out of scope.
#pragma once

#include <windows.h>

#include <utility>

namespace cp::win {

// A handle type together with the call that releases it.
template <typename Handle, typename Traits>
class Scoped {
public:
    Scoped() = default;
    explicit Scoped(Handle handle) : handle_(handle) {}
    ~Scoped() { reset(); }
    Scoped(const Scoped&) = delete;
    Scoped& operator=(const Scoped&) = delete;
    Scoped(Scoped&& other) noexcept : handle_(other.release()) {}
    Scoped& operator=(Scoped&& other) noexcept {
        if (this != &other) reset(other.release());
        return *this;
    }

    Handle get() const { return handle_; }
    explicit operator bool() const { return Traits::isValid(handle_); }
    Handle release() { return std::exchange(handle_, Traits::invalid()); }
    void reset(Handle handle = Traits::invalid()) {
        if (Traits::isValid(handle_)) Traits::close(handle_);
        handle_ = handle;
    }

private:
    Handle handle_ = Traits::invalid();
};

struct MemoryDcTraits {
    static HDC invalid() { return nullptr; }
    static bool isValid(HDC h) { return h != nullptr; }
    static void close(HDC h) { DeleteDC(h); }
};
struct GdiObjectTraits {
    static HGDIOBJ invalid() { return nullptr; }
    static bool isValid(HGDIOBJ h) { return h != nullptr; }
    static void close(HGDIOBJ h) { DeleteObject(h); }
};
struct GlobalBlockTraits {
    static HGLOBAL invalid() { return nullptr; }
    static bool isValid(HGLOBAL h) { return h != nullptr; }
    static void close(HGLOBAL h) { GlobalFree(h); }
};
struct FileTraits {
    static HANDLE invalid() { return INVALID_HANDLE_VALUE; }
    static bool isValid(HANDLE h) { return h != INVALID_HANDLE_VALUE && h != nullptr; }
    static void close(HANDLE h) { CloseHandle(h); }
};
struct WindowTraits {
    static HWND invalid() { return nullptr; }
    static bool isValid(HWND h) { return h != nullptr; }
    static void close(HWND h) { DestroyWindow(h); }
};
struct RegistryKeyTraits {
    static HKEY invalid() { return nullptr; }
    static bool isValid(HKEY h) { return h != nullptr; }
    static void close(HKEY h) { RegCloseKey(h); }
};

// A DC made with CreateCompatibleDC (DeleteDC).
using MemoryDc = Scoped<HDC, MemoryDcTraits>;
// A pen, brush, font, bitmap or region that this program created (DeleteObject).
using GdiObject = Scoped<HGDIOBJ, GdiObjectTraits>;
// A GlobalAlloc block not (yet) handed to the clipboard (GlobalFree); release() on hand-over.
using GlobalBlock = Scoped<HGLOBAL, GlobalBlockTraits>;
// A file or other kernel handle from CreateFile (CloseHandle).
using File = Scoped<HANDLE, FileTraits>;
// A window that nothing else destroys, such as a message-only helper (DestroyWindow).
using Window = Scoped<HWND, WindowTraits>;
// A process or thread handle from CreateProcess (CloseHandle).
using KernelHandle = Scoped<HANDLE, FileTraits>;
// An opened or created registry key (RegCloseKey).
using RegistryKey = Scoped<HKEY, RegistryKeyTraits>;

// A DC borrowed from a window with GetDC (ReleaseDC).
class WindowDc {
public:
    explicit WindowDc(HWND window) : window_(window), dc_(GetDC(window)) {}
    ~WindowDc() {
        if (dc_) ReleaseDC(window_, dc_);
    }
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;
    HDC get() const { return dc_; }
    explicit operator bool() const { return dc_ != nullptr; }

private:
    HWND window_;
    HDC dc_;
};

// BeginPaint/EndPaint for one WM_PAINT.
class PaintDc {
public:
    explicit PaintDc(HWND window) : window_(window) { dc_ = BeginPaint(window, &paint_); }
    ~PaintDc() { EndPaint(window_, &paint_); }
    PaintDc(const PaintDc&) = delete;
    PaintDc& operator=(const PaintDc&) = delete;
    HDC get() const { return dc_; }
    const PAINTSTRUCT& paint() const { return paint_; }

private:
    HWND window_;
    PAINTSTRUCT paint_{};
    HDC dc_ = nullptr;
};

// An object selected into a DC; the previous one is selected back on scope exit.
class SelectedObject {
public:
    SelectedObject(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
    ~SelectedObject() {
        if (previous_ && previous_ != HGDI_ERROR) SelectObject(dc_, previous_);
    }
    SelectedObject(const SelectedObject&) = delete;
    SelectedObject& operator=(const SelectedObject&) = delete;
    // False when the selection failed (e.g. the bitmap is selected into another DC).
    bool ok() const { return previous_ != nullptr && previous_ != HGDI_ERROR; }

private:
    HDC dc_;
    HGDIOBJ previous_;
};

// A locked global block; unlocked on scope exit.
class GlobalLockGuard {
public:
    explicit GlobalLockGuard(HGLOBAL block) : block_(block), data_(GlobalLock(block)) {}
    ~GlobalLockGuard() {
        if (data_) GlobalUnlock(block_);
    }
    GlobalLockGuard(const GlobalLockGuard&) = delete;
    GlobalLockGuard& operator=(const GlobalLockGuard&) = delete;
    void* data() const { return data_; }

private:
    HGLOBAL block_;
    void* data_;
};

// The clipboard, opened for one operation; closed on scope exit if it was opened. While
// another program holds it, the open is tried `attempts` times in all, `pauseMs` apart.
class OpenClipboardGuard {
public:
    explicit OpenClipboardGuard(HWND owner, int attempts = 1, DWORD pauseMs = 0) {
        open_ = OpenClipboard(owner) != FALSE;
        for (int attempt = 1; !open_ && attempt < attempts; ++attempt) {
            Sleep(pauseMs);
            open_ = OpenClipboard(owner) != FALSE;
        }
    }
    ~OpenClipboardGuard() {
        if (open_) CloseClipboard();
    }
    OpenClipboardGuard(const OpenClipboardGuard&) = delete;
    OpenClipboardGuard& operator=(const OpenClipboardGuard&) = delete;
    bool isOpen() const { return open_; }

private:
    bool open_ = false;
};

}  // namespace cp::win
