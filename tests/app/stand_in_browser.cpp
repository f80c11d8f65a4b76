// Stands in for the default web browser in the tests: records how it was started.
// Usage: stand_in_browser.exe OUTPUT-FILE ADDRESS...
#include <windows.h>

#include <cstdlib>
#include <cstring>

#include "platform/scoped_handles.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    if (__argc < 2) return 2;
    const char* commandLine = GetCommandLineA();
    cp::win::File record(CreateFileA(__argv[1], GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                     FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!record) return 1;
    DWORD written = 0;
    const DWORD length = static_cast<DWORD>(std::strlen(commandLine));
    return WriteFile(record.get(), commandLine, length, &written, nullptr) && written == length ? 0
                                                                                                : 1;
}
