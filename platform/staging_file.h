// The picture file beside the executable that the rich document names.
#pragma once

#include "core/ansi_text.h"

namespace cp {

// The executable's directory, without a trailing backslash, as GetModuleFileNameA reports it.
// Read once at process start and kept by the caller.
AnsiText runDirectory();

// runDirectory + "/待发图片.bmp".
AnsiText stagingImagePath(const AnsiText& runDirectory);

// Creates or replaces the file (no sharing while it is open) and writes all of data.
// False when the path is empty or the file could not be created or fully written.
bool writeWholeFile(const AnsiText& path, const ByteBlock& data);

// Deletes the staging file; a missing file is no error.
void deleteStagingFile(const AnsiText& stagingPath);

}  // namespace cp
