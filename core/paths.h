// Paths as the ANSI file functions take them.
#pragma once

#include "core/ansi_text.h"

namespace cp {

// Everything before the last separator, without it; the empty text when there is none.
// Walks character by character, so the trail byte of a GBK character (which may be
// 0x5C, a backslash) is never taken for a separator.
AnsiText parentDirectory(const AnsiText& path, char separator = '\\');

}  // namespace cp
