// Another program on the desktop, for the tests of the clipboard and the staging file.
//
//   test-peer NAME hold-clipboard MS            keeps the clipboard open
//   test-peer NAME hold-file PATH MS            keeps the file open, shared with no one
//   test-peer NAME put-bitmap W H BPP RRGGBB    places a CF_BITMAP of one colour; BPP 0 is
//                                               the display's depth, as a screenshot has it
//   test-peer NAME put-text TEXT                places TEXT as CF_TEXT
//
// The event NAME.ready is set once the clipboard or the file is held, or the data placed.
// A hold ends when NAME.release is set or after MS milliseconds. Exit code: 0 done,
// 1 the action failed, 2 a bad command line.
#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <utility>

#include "platform/scoped_handles.h"
#include "tests/support/clipboard.h"
#include "tests/support/test_bitmaps.h"

namespace {

using namespace cp;

constexpr int kDone = 0;
constexpr int kFailed = 1;
constexpr int kUsage = 2;

struct Signals {
    win::File ready;
    win::File release;
};

Signals openSignals(const std::string& name) {
    return {win::File(CreateEventA(nullptr, TRUE, FALSE, (name + ".ready").c_str())),
            win::File(CreateEventA(nullptr, TRUE, FALSE, (name + ".release").c_str()))};
}

void holdUntilReleased(const Signals& signals, DWORD ms) {
    SetEvent(signals.ready.get());
    WaitForSingleObject(signals.release.get(), ms);
}

// Opened for a window of its own, as programs do: Wine lets a second opener in while the
// clipboard is held for no window.
int holdClipboard(const Signals& signals, DWORD ms) {
    const win::Window owner(CreateWindowExA(0, "STATIC", "test-peer", 0, 0, 0, 0, 0, HWND_MESSAGE,
                                            nullptr, nullptr, nullptr));
    if (!owner) return kFailed;
    const bool held = test::withOpenClipboard([&] { holdUntilReleased(signals, ms); }, owner.get());
    return held ? kDone : kFailed;
}

int holdFile(const Signals& signals, const char* path, DWORD ms) {
    const win::File file(CreateFileA(path, GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS,
                                     FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return kFailed;
    holdUntilReleased(signals, ms);
    return kDone;
}

int putBitmap(const Signals& signals, int width, int height, int bitsPerPixel, std::uint32_t rgb) {
    const test::Pixels pixels = test::filledPixels(width, height, rgb);
    win::GdiObject bitmap = bitsPerPixel == 0
                                ? test::makeScreenBitmap(width, height, pixels)
                                : test::makeDeviceBitmap(width, height, bitsPerPixel, pixels);
    if (!bitmap || !test::putBitmapOnClipboard(std::move(bitmap))) return kFailed;
    SetEvent(signals.ready.get());
    return kDone;
}

int putText(const Signals& signals, const char* text) {
    if (!test::putTextOnClipboard(text)) return kFailed;
    SetEvent(signals.ready.get());
    return kDone;
}

DWORD milliseconds(const char* text) {
    return static_cast<DWORD>(std::strtoul(text, nullptr, 10));
}

int usage() {
    std::fputs(
        "usage: test-peer NAME hold-clipboard MS | hold-file PATH MS |"
        " put-bitmap W H BPP RRGGBB | put-text TEXT\n",
        stderr);
    return kUsage;
}

int run(int argc, char** argv) {
    if (argc < 3) return usage();
    const Signals signals = openSignals(argv[1]);
    if (!signals.ready || !signals.release) return kFailed;
    const std::string command = argv[2];
    if (command == "hold-clipboard" && argc == 4)
        return holdClipboard(signals, milliseconds(argv[3]));
    if (command == "hold-file" && argc == 5)
        return holdFile(signals, argv[3], milliseconds(argv[4]));
    if (command == "put-bitmap" && argc == 7)
        return putBitmap(signals, std::atoi(argv[3]), std::atoi(argv[4]), std::atoi(argv[5]),
                         static_cast<std::uint32_t>(std::strtoul(argv[6], nullptr, 16)));
    if (command == "put-text" && argc == 4) return putText(signals, argv[3]);
    return usage();
}

}  // namespace

int main(int argc, char** argv) {
    return run(argc, argv);
}
