// The clipboard as another program on the desktop uses it: what the tests and the benchmarks
// put there and read back. Texts are bytes in the ANSI code page (GBK).
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "core/ansi_text.h"
#include "platform/scoped_handles.h"

namespace cp::test {

// Runs action while the clipboard is open for owner; false when it could not be opened.
// Retries for up to ten seconds, since another program may hold it for a moment. Under Wine
// a second program can open a clipboard held for no window: a holder that must keep others
// out passes a window of its own.
bool withOpenClipboard(const std::function<void()>& action, HWND owner = nullptr);

// The formats on offer, in the clipboard's order.
std::vector<UINT> clipboardFormats();

// The whole global block stored under format (GlobalSize bytes, which may be rounded up);
// empty when the format is not there.
ByteBlock clipboardBlock(UINT format);

// Replaces the clipboard's content with handle under format; once this returns true, the
// handle is the clipboard's.
bool placeOnClipboard(UINT format, HANDLE handle, HWND owner = nullptr);

// Replaces the clipboard's content with one block of format: the bytes and a zero byte.
bool putOnClipboard(UINT format, const std::string& bytes, HWND owner = nullptr);

// Replaces the clipboard's content with text as CF_TEXT.
bool putTextOnClipboard(const std::string& text, HWND owner = nullptr);

// Replaces the clipboard's content with the bitmap, which then belongs to the clipboard.
bool putBitmapOnClipboard(win::GdiObject bitmap, HWND owner = nullptr);

}  // namespace cp::test
