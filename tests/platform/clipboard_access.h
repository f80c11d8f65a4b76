// Reading and setting the clipboard from the tests, the way another program would.
#pragma once

#include <windows.h>

#include <functional>
#include <vector>

#include "core/ansi_text.h"

namespace cp::test {

// Runs action while the clipboard is open for owner. Retries for up to two seconds, since a
// process that has just let go of it may still hold it a moment.
bool withOpenClipboard(const std::function<void()>& action, HWND owner = nullptr);

// The formats on offer, in the clipboard's order.
std::vector<UINT> clipboardFormats();

// The whole global block stored under format (GlobalSize bytes, which may be rounded up);
// empty when the format is not there.
ByteBlock clipboardBlock(UINT format);

// Replaces the clipboard's content with text as CF_TEXT.
bool putClipboardText(const AnsiText& text);

}  // namespace cp::test
