#include "platform/staging_file.h"

#include <windows.h>

#include "core/composer.h"
#include "core/paths.h"
#include "platform/scoped_handles.h"

namespace cp {

AnsiText runDirectory() {
    char modulePath[MAX_PATH] = {};
    if (GetModuleFileNameA(nullptr, modulePath, sizeof modulePath) == 0) return {};
    // A path longer than the buffer comes back cut short; it is still terminated.
    modulePath[sizeof modulePath - 1] = '\0';
    return parentDirectory(AnsiText(modulePath));
}

AnsiText stagingImagePath(const AnsiText& runDirectory) {
    return stagingPathIn(runDirectory);
}

bool writeWholeFile(const AnsiText& path, const ByteBlock& data) {
    if (path.empty()) return false;
    // No sharing: QQ or a second copy of the tool never reads a half-written picture.
    const win::File file(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                     FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return false;
    if (data.empty()) return true;
    if (data.size() > MAXDWORD) return false;
    const auto size = static_cast<DWORD>(data.size());
    DWORD written = 0;
    return WriteFile(file.get(), data.data(), size, &written, nullptr) && written == size;
}

void deleteStagingFile(const AnsiText& stagingPath) {
    DeleteFileA(stagingPath.c_str());
}

}  // namespace cp
