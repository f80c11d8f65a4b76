// CouponPaste.exe measured from outside, as a user meets it: how long it takes to start, to
// paste a screenshot and to generate a message, and how much memory a 4K paste takes. Each
// case has a floor measured in the same run, in this process or in a minimal program:
//
//   start      the minimal window program (bench/minimal_window.cpp), from CreateProcess to
//              the window shown with its first paint done
//   paste      one BitBlt of the same bitmap into a DIB section, one copy of the bytes and
//              one write of them to a file
//   memory     the bitmap's own bytes; for the tool's own share, what a program that only
//              takes the bitmap off the clipboard grows by is taken off first
//   generate   the least any generate must do: a press of a button, the same preview set into
//              an edit box like the read-out box, the same document put on the clipboard, one
//              round trip to the tool
//   start      also against a window of the same 25 controls, made of standard controls only
//   per MiB    a generate with 1 MiB of copy text against one with 256 KiB, per byte
//
// Prints Google Benchmark's CSV (only the medians), which scripts/bench turns into its table.
// windows.h first: the other Windows headers need its types.
// clang-format off
#include <windows.h>
#include <psapi.h>
// clang-format on

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <system_error>
#include <utility>
#include <vector>

#include "app/control_ids.h"
#include "platform/scoped_handles.h"
#include "tests/support/clipboard.h"
#include "tests/support/launcher.h"

namespace {

using namespace cp;
using Clock = std::chrono::steady_clock;
using Nanos = double;

constexpr DWORD kPatienceMs = 60000;
constexpr char kTool[] = "CouponPaste.exe";
constexpr char kMinimal[] = "minimal_window.exe";
constexpr char kForm[] = "form_window.exe";
constexpr char kTaker[] = "clipboard_taker.exe";

// ---------------------------------------------------------------------------------------
// Reporting

struct Row {
    std::string name;
    double value;
    const char* unit;  // "ns" or "bytes"
    std::string label;
};

void printCsv(const std::vector<Row>& rows) {
    std::printf(
        "name,iterations,real_time,cpu_time,time_unit,bytes_per_second,items_per_second,label,"
        "error_occurred,error_message\n");
    for (const Row& row : rows) {
        std::printf("\"%s_median\",1,%.3f,%.3f,%s,,,\"%s\",,\n", row.name.c_str(), row.value,
                    row.value, row.unit, row.label.c_str());
    }
}

[[noreturn]] void fail(const std::string& why) {
    std::fprintf(stderr, "wine_bench: %s (error %lu)\n", why.c_str(), GetLastError());
    std::exit(1);
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

template <typename Work>
Nanos timed(Work work) {
    const auto begin = Clock::now();
    work();
    return std::chrono::duration<double, std::nano>(Clock::now() - begin).count();
}

// ---------------------------------------------------------------------------------------
// Folders and files

// A fresh folder with copies of the two programs, removed at the end.
class BenchFolder {
  public:
    BenchFolder() {
        char temp[MAX_PATH] = {};
        GetTempPathA(MAX_PATH, temp);
        path_ = std::string(temp) + "couponpaste-bench-" + std::to_string(GetCurrentProcessId()) +
                "-" + std::to_string(GetTickCount());
        if (!CreateDirectoryA(path_.c_str(), nullptr)) fail("cannot make " + path_);
        for (const char* program : {kTool, kMinimal, kForm, kTaker}) {
            const std::string from = test::programDirectory() + "\\" + program;
            if (!CopyFileA(from.c_str(), file(program).c_str(), FALSE)) fail("cannot copy " + from);
        }
    }
    ~BenchFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    BenchFolder(const BenchFolder&) = delete;
    BenchFolder& operator=(const BenchFolder&) = delete;

    std::string file(const std::string& name) const { return path_ + "\\" + name; }

  private:
    std::string path_;
};

ULONGLONG fileSize(const std::string& path) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) return 0;
    return (ULONGLONG{data.nFileSizeHigh} << 32) | data.nFileSizeLow;
}

// ---------------------------------------------------------------------------------------
// Other programs' windows

BOOL CALLBACK noteUnpainted(HWND child, LPARAM context) {
    if (GetUpdateRect(child, nullptr, FALSE)) *reinterpret_cast<bool*>(context) = true;
    return TRUE;
}

// Some part of the window or of one of its controls still waits for its WM_PAINT.
bool waitsForPaint(HWND window) {
    bool unpainted = GetUpdateRect(window, nullptr, FALSE) != FALSE;
    EnumChildWindows(window, noteUnpainted, reinterpret_cast<LPARAM>(&unpainted));
    return unpainted;
}

bool roundTrip(HWND window) {
    DWORD_PTR ignored = 0;
    return SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_NORMAL, kPatienceMs, &ignored) != 0;
}

// Shown, every part painted, and taking messages again.
bool waitUntilPainted(HWND window) {
    const auto deadline = Clock::now() + std::chrono::milliseconds(kPatienceMs);
    while (Clock::now() < deadline) {
        if (!waitsForPaint(window) && roundTrip(window) && !waitsForPaint(window)) return true;
        Sleep(1);
    }
    return false;
}

// A program of the bench folder, started and shown.
class Started {
  public:
    explicit Started(const std::string& executable) : process_(executable) {
        if (!process_) fail("cannot start " + executable);
    }
    ~Started() { close(); }
    Started(const Started&) = delete;
    Started& operator=(const Started&) = delete;

    // Waits for the first idle moment, then until the window is shown and fully painted.
    void waitUntilReady() {
        WaitForInputIdle(process_.handle(), kPatienceMs);
        const auto deadline = Clock::now() + std::chrono::milliseconds(kPatienceMs);
        while (!(window_ = test::shownWindowOf(process_.id()))) {
            if (Clock::now() > deadline) fail("no window shown");
            Sleep(1);
        }
        if (!waitUntilPainted(window_)) fail("the window was never painted");
    }

    void close() const { process_.stop(window_, kPatienceMs); }

    HWND window() const { return window_; }
    HANDLE process() const { return process_.handle(); }

  private:
    test::LaunchedProcess process_;
    HWND window_ = nullptr;
};

HWND controlOf(HWND mainWindow, ControlId group, ControlId id) {
    return GetDlgItem(GetDlgItem(mainWindow, static_cast<int>(group)), static_cast<int>(id));
}

// Presses a button of the tool the way a click does; returns once its action is done.
void press(HWND button) {
    DWORD_PTR ignored = 0;
    if (!SendMessageTimeoutA(button, BM_CLICK, 0, 0, SMTO_NORMAL, kPatienceMs, &ignored)) {
        fail("the tool did not answer a button press");
    }
}

void setText(HWND box, const std::string& text) {
    DWORD_PTR ignored = 0;
    SendMessageTimeoutA(box, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()), SMTO_NORMAL,
                        kPatienceMs, &ignored);
}

std::string textOf(HWND box) {
    DWORD_PTR length = 0;
    SendMessageTimeoutA(box, WM_GETTEXTLENGTH, 0, 0, SMTO_NORMAL, kPatienceMs, &length);
    std::string text(length + 1, '\0');
    DWORD_PTR copied = 0;
    SendMessageTimeoutA(box, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(&text[0]),
                        SMTO_NORMAL, kPatienceMs, &copied);
    text.resize(copied);
    return text;
}

// ---------------------------------------------------------------------------------------
// Start

Nanos timeStart(const BenchFolder& folder, const char* program) {
    std::unique_ptr<Started> started;
    const Nanos time = timed([&] {
        started = std::make_unique<Started>(folder.file(program));
        started->waitUntilReady();
    });
    started->close();
    return time;
}

void benchStart(const BenchFolder& folder, int runs, std::vector<Row>& rows) {
    const char* programs[] = {kTool, kMinimal, kForm};
    for (const char* program : programs) timeStart(folder, program);  // warm-up: the caches
    std::vector<double> times[3];
    for (int run = 0; run < runs; ++run) {
        // Interleaved, each in turn first, so a drift of the machine hits all three.
        for (int i = 0; i < 3; ++i) {
            const int which = (run + i) % 3;
            times[which].push_back(timeStart(folder, programs[which]));
        }
    }
    const double tool = median(times[0]);
    rows.push_back({"start", tool, "ns", "goal ratio<=1.3"});
    rows.push_back({"start_floor", median(times[1]), "ns", ""});
    // The same form of standard controls: what the window system alone needs for it.
    rows.push_back({"start/against_the_same_form", tool, "ns", "goal ratio<=1.3"});
    rows.push_back({"start_floor/against_the_same_form", median(times[2]), "ns", ""});
}

// ---------------------------------------------------------------------------------------
// Pictures

struct Size {
    int width;
    int height;
};

std::string sizeName(Size size) {
    return std::to_string(size.width) + "x" + std::to_string(size.height);
}

size_t pixelBytes(Size size) {
    return size_t{4} * size.width * size.height;
}

BITMAPINFO dibInfo32(Size size) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = size.width;
    info.bmiHeader.biHeight = size.height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}

// A screenshot-like bitmap of the display's depth (32 bits under Wine): colour bands with
// detail in every row, so nothing about it is uniform.
win::GdiObject screenshotOf(Size size, unsigned salt) {
    std::vector<DWORD> pixels(static_cast<size_t>(size.width) * size.height);
    for (size_t i = 0; i < pixels.size(); ++i) {
        pixels[i] =
            static_cast<DWORD>((i * 2654435761u) ^ (i / size.width * 40503u) ^ salt) & 0x00FFFFFF;
    }
    const win::WindowDc screen(nullptr);
    win::GdiObject bitmap(CreateCompatibleBitmap(screen.get(), size.width, size.height));
    const BITMAPINFO info = dibInfo32(size);
    if (!bitmap || SetDIBits(screen.get(), static_cast<HBITMAP>(bitmap.get()), 0, size.height,
                             pixels.data(), &info, DIB_RGB_COLORS) != size.height) {
        fail("cannot make a bitmap of " + sizeName(size));
    }
    BITMAP shape{};
    GetObjectA(bitmap.get(), sizeof shape, &shape);
    if (shape.bmBitsPixel != 32) fail("the display is not 32 bits deep");
    return bitmap;
}

void putOnClipboard(HWND owner, win::GdiObject bitmap) {
    if (!test::putBitmapOnClipboard(std::move(bitmap), owner)) fail("cannot place the bitmap");
}

void putTextOnClipboard(HWND owner, const std::string& text) {
    if (!test::putTextOnClipboard(text, owner)) fail("cannot place the text");
}

// The least work a paste needs: the bitmap drawn into a DIB section, its bytes copied out
// into a block of their own, and written to a file.
void pasteFloor(HBITMAP bitmap, Size size, const std::string& path) {
    const win::MemoryDc source(CreateCompatibleDC(nullptr));
    const win::SelectedObject selected(source.get(), bitmap);
    const BITMAPINFO info = dibInfo32(size);
    void* bits = nullptr;
    const win::GdiObject section(
        CreateDIBSection(source.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    const win::MemoryDc target(CreateCompatibleDC(source.get()));
    const win::SelectedObject drawnInto(target.get(), section.get());
    if (!bits || !BitBlt(target.get(), 0, 0, size.width, size.height, source.get(), 0, 0, SRCCOPY))
        fail("the floor's BitBlt failed");
    GdiFlush();
    const size_t length = pixelBytes(size);
    std::unique_ptr<unsigned char[]> copy(new unsigned char[length]);
    std::memcpy(copy.get(), bits, length);
    const win::File file(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                     FILE_ATTRIBUTE_NORMAL, nullptr));
    DWORD written = 0;
    if (!file || !WriteFile(file.get(), copy.get(), static_cast<DWORD>(length), &written, nullptr))
        fail("the floor's write failed");
}

// One press of the paste button, checked: the staging file must hold the whole picture.
Nanos timePaste(const Started& tool, const BenchFolder& folder, Size size) {
    const HWND button = controlOf(tool.window(), ControlId::分组框1, ControlId::按钮3);
    const std::string staged = folder.file("待发图片.bmp");
    DeleteFileA(staged.c_str());  // a new file each time, as for the floor
    const Nanos time = timed([&] { press(button); });
    if (fileSize(staged) != 54 + pixelBytes(size)) {
        fail("the paste of " + sizeName(size) + " did not stage the picture");
    }
    if (!waitUntilPainted(tool.window())) fail("the picture was never shown");
    return time;
}

void benchPaste(const BenchFolder& folder, HWND owner, Size size, int runs,
                std::vector<Row>& rows) {
    Started tool(folder.file(kTool));
    tool.waitUntilReady();
    putOnClipboard(owner, screenshotOf(size, 1));
    const win::GdiObject same = screenshotOf(size, 1);
    const auto bitmap = static_cast<HBITMAP>(same.get());
    const std::string floorFile = folder.file("floor.bmp");
    timePaste(tool, folder, size);  // warm-up: the clipboard's copy reaches the tool
    pasteFloor(bitmap, size, floorFile);
    std::vector<double> times, floor;
    for (int run = 0; run < runs; ++run) {
        // Each in turn first: the disk's write-back of the last file hits both alike.
        if (run % 2) times.push_back(timePaste(tool, folder, size));
        DeleteFileA(floorFile.c_str());
        floor.push_back(timed([&] { pasteFloor(bitmap, size, floorFile); }));
        if (!(run % 2)) times.push_back(timePaste(tool, folder, size));
    }
    rows.push_back({"paste/" + sizeName(size), median(times), "ns", "goal ratio<=1.5"});
    rows.push_back({"paste_floor/" + sizeName(size), median(floor), "ns", ""});
}

PROCESS_MEMORY_COUNTERS memoryOf(HANDLE process) {
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    if (!GetProcessMemoryInfo(process, &counters, sizeof counters)) fail("no memory figures");
    return counters;
}

// The growth of the tool's peak working set over its idle working set during one paste of a
// picture it has never seen (fresh on the clipboard, fresh process).
double pastePeakGrowth(const BenchFolder& folder, HWND owner, Size size) {
    putOnClipboard(owner, screenshotOf(size, 2));
    Started tool(folder.file(kTool));
    tool.waitUntilReady();
    Sleep(200);  // let start-up's own allocations settle
    const SIZE_T idle = memoryOf(tool.process()).WorkingSetSize;
    timePaste(tool, folder, size);
    const SIZE_T peak = memoryOf(tool.process()).PeakWorkingSetSize;
    return peak > idle ? static_cast<double>(peak - idle) : 0.0;
}

// What a program that only takes the same bitmap off the clipboard grows by (its exit code,
// in KiB).
double clipboardTakerGrowth(const BenchFolder& folder) {
    const std::string taker = folder.file(kTaker);
    const test::LaunchedProcess process(taker);
    if (!process) fail("cannot start " + taker);
    const DWORD kibibytes = process.exitCode(kPatienceMs).value_or(0);
    if (kibibytes == 0) fail("the clipboard taker took no bitmap");
    return 1024.0 * kibibytes;
}

void benchPasteMemory(const BenchFolder& folder, HWND owner, Size size, int runs,
                      std::vector<Row>& rows) {
    std::vector<double> growth, ownGrowth;
    for (int run = 0; run < runs; ++run) {
        const double tool = pastePeakGrowth(folder, owner, size);
        growth.push_back(tool);
        ownGrowth.push_back(tool - clipboardTakerGrowth(folder));
    }
    const double bitmap = static_cast<double>(pixelBytes(size));
    rows.push_back(
        {"paste_peak_memory/" + sizeName(size), median(growth), "bytes", "goal ratio<=3"});
    rows.push_back({"paste_peak_memory_floor/" + sizeName(size), bitmap, "bytes", ""});
    // Less what Wine's clipboard keeps in any process that takes the bitmap (on Windows it
    // lives outside the process): the tool's own share, the box's bytes and one band.
    rows.push_back(
        {"paste_own_peak_memory/" + sizeName(size), median(ownGrowth), "bytes", "goal ratio<=1.1"});
    rows.push_back({"paste_own_peak_memory_floor/" + sizeName(size), bitmap, "bytes", ""});
}

// ---------------------------------------------------------------------------------------
// Generate

struct Form {
    const char* title;
    const char* originalPrice;
    const char* couponPrice;
    const char* couponLink;
    const char* orderLink;
    const char* comboLink;
};

// A product as the tool's users fill it in, links copied from the marketplace's pages.
const Form kEverydayForm = {
    "【冬季新款】加厚珊瑚绒毛毯 双人床盖毯 法兰绒午睡毯子",
    "129",
    "39.9",
    "https://taoquan.taobao.com/coupon/unify_apply.htm?sellerId=2200812345678&activityId="
    "8f3c2a1b9d7e4c6f",
    "https://detail.tmall.com/item.htm?spm=a230r.1.14.16.5d3c6f1bQwErTy&id=561234567890&ns=1&"
    "abbucket=7",
    "",
};

// Copy text of the given length: lines as the users write them, GBK and ASCII mixed.
std::string copyTextOf(size_t length) {
    const std::string line = "天冷了，盖上就不想起床！领券立减90元，手慢无。Soft & warm.\r\n";
    std::string text;
    text.reserve(length);
    while (text.size() + line.size() <= length) text += line;
    text.append(length - text.size(), '.');  // whole lines, no character cut in half
    return text;
}

void fillForm(HWND mainWindow, const Form& form, const std::string& copyText) {
    const auto box = [&](ControlId id) { return controlOf(mainWindow, ControlId::分组框2, id); };
    setText(box(ControlId::编辑框1), form.title);
    setText(box(ControlId::编辑框2), form.originalPrice);
    setText(box(ControlId::编辑框3), form.couponPrice);
    setText(box(ControlId::编辑框4), form.couponLink);
    setText(box(ControlId::编辑框5), form.orderLink);
    setText(box(ControlId::编辑框6), form.comboLink);
    setText(box(ControlId::编辑框7), copyText);
}

// What a generate left behind: the read-out box's text and the clipboard's document.
struct Generated {
    std::string preview;
    std::string document;
};

UINT richFormat() {
    return RegisterClipboardFormatA("QQ_RichEdit_Format");
}

std::string richDocumentOnClipboard() {
    const ByteBlock block = test::clipboardBlock(richFormat());
    return std::string(block.begin(), std::find(block.begin(), block.end(), 0));
}

// An edit box like the read-out box and a button like the generate button, shown (edit boxes
// cost more then), in a window of the bench below the tool's, so neither covers the other.
class FloorReadOut {
  public:
    FloorReadOut()
        : frame_(CreateWindowExA(WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, "STATIC", "",
                                 WS_POPUP | WS_VISIBLE, 0, GetSystemMetrics(SM_CYSCREEN) - 208,
                                 GetSystemMetrics(SM_CXSCREEN), 208, nullptr, nullptr, nullptr,
                                 nullptr)),
          box_(CreateWindowExA(WS_EX_CLIENTEDGE, "EDIT", "",
                               WS_CHILD | WS_VISIBLE | WS_VSCROLL | ES_LEFT | ES_MULTILINE |
                                   ES_WANTRETURN | ES_AUTOVSCROLL,
                               16, 4, 840, 200, frame_.get(), nullptr, nullptr, nullptr)),
          button_(CreateWindowExA(0, "BUTTON", "generate", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON,
                                  872, 84, 232, 40, frame_.get(), nullptr, nullptr, nullptr)) {
        if (!box_ || !button_) fail("cannot make the floor's controls");
        for (HWND control : {box_.get(), button_.get()}) {
            SendMessageA(control, WM_SETFONT,
                         reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
        }
        SendMessageA(box_.get(), EM_SETLIMITTEXT, 0, 0);
    }
    HWND button() const { return button_.get(); }
    HWND box() const { return box_.get(); }
    HWND owner() const { return frame_.get(); }

    // Paints what the last change left to paint, as the tool does once its handler returns.
    void settle() const {
        MSG message{};
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
    }

  private:
    win::Window frame_;
    win::Window box_;
    win::Window button_;
};

// The least a generate must do: take the press of its button, show the preview, publish the
// document and answer the caller.
void generateFloor(const FloorReadOut& readOut, const Generated& expected, HWND tool) {
    SendMessageA(readOut.button(), BM_CLICK, 0, 0);
    SetWindowTextA(readOut.box(), expected.preview.c_str());
    test::putOnClipboard(richFormat(), expected.document, readOut.owner());
    roundTrip(tool);
}

Nanos timeGenerate(const Started& tool, const Generated& expected) {
    const HWND button = controlOf(tool.window(), ControlId::分组框2, ControlId::按钮1);
    const HWND readOut = controlOf(tool.window(), ControlId::分组框3, ControlId::编辑框9);
    const Nanos time = timed([&] { press(button); });
    if (richDocumentOnClipboard() != expected.document || textOf(readOut) != expected.preview)
        fail("a generate published another document or preview");
    if (!waitUntilPainted(tool.window())) fail("the preview was never shown");
    return time;
}

struct GenerateTimes {
    double tool;
    double floor;
};

GenerateTimes benchGenerateCase(const Started& tool, HWND owner, const std::string& copyText,
                                int runs) {
    fillForm(tool.window(), kEverydayForm, copyText);
    press(controlOf(tool.window(), ControlId::分组框2, ControlId::按钮1));  // warm-up
    const Generated expected{
        textOf(controlOf(tool.window(), ControlId::分组框3, ControlId::编辑框9)),
        richDocumentOnClipboard()};
    if (expected.document.empty() || expected.preview.empty()) fail("the form was refused");
    const FloorReadOut readOut;
    std::vector<double> times, floor;
    for (int run = 0; run < runs; ++run) {
        putTextOnClipboard(owner, "before generating");
        floor.push_back(timed([&] { generateFloor(readOut, expected, tool.window()); }));
        readOut.settle();
        putTextOnClipboard(owner, "before generating");
        times.push_back(timeGenerate(tool, expected));
    }
    return {median(times), median(floor)};
}

void benchGenerate(const BenchFolder& folder, HWND owner, int runs, std::vector<Row>& rows) {
    Started tool(folder.file(kTool));
    tool.waitUntilReady();
    putOnClipboard(owner, screenshotOf({1920, 1080}, 3));
    press(controlOf(tool.window(), ControlId::分组框1, ControlId::按钮3));  // with its picture

    const std::string everyday = copyTextOf(160);
    const GenerateTimes form = benchGenerateCase(tool, owner, everyday, runs);
    rows.push_back({"generate/everyday_form", form.tool, "ns", "shown only"});
    rows.push_back({"generate_floor/everyday_form", form.floor, "ns", ""});

    constexpr size_t kQuarter = 256 * 1024;
    constexpr size_t kMiB = 1024 * 1024;
    const GenerateTimes quarter = benchGenerateCase(tool, owner, copyTextOf(kQuarter), runs);
    const GenerateTimes whole = benchGenerateCase(tool, owner, copyTextOf(kMiB), runs);
    rows.push_back({"generate/256KiB_copy_text", quarter.tool, "ns", "goal ratio<=1.5"});
    rows.push_back({"generate_floor/256KiB_copy_text", quarter.floor, "ns", ""});
    rows.push_back({"generate/1MiB_copy_text", whole.tool, "ns", "goal ratio<=1.5"});
    rows.push_back({"generate_floor/1MiB_copy_text", whole.floor, "ns", ""});
    // Linear in the input: the cost of a MiB stays the same from 256 KiB to 1 MiB.
    rows.push_back({"generate_per_MiB/1MiB_vs_256KiB", whole.tool, "ns", "goal ratio<=1.3"});
    rows.push_back({"generate_per_MiB_floor/1MiB_vs_256KiB", quarter.tool * 4, "ns", ""});
}

}  // namespace

// usage: wine_bench [RUNS [CASE...]], CASE one of start, paste, memory, generate (all).
int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 7;
    const auto wanted = [&](const char* name) {
        if (argc <= 2) return true;
        for (int i = 2; i < argc; ++i)
            if (std::strcmp(argv[i], name) == 0) return true;
        return false;
    };
    const BenchFolder folder;
    // The bench's clipboard owner: Wine lets a second program open a clipboard held for no
    // window.
    const win::Window owner(CreateWindowExA(0, "STATIC", "wine_bench", 0, 0, 0, 0, 0, HWND_MESSAGE,
                                            nullptr, nullptr, nullptr));
    std::vector<Row> rows;
    if (wanted("start")) benchStart(folder, runs, rows);
    if (wanted("paste")) {
        benchPaste(folder, owner.get(), {1920, 1080}, runs, rows);
        benchPaste(folder, owner.get(), {3840, 2160}, runs, rows);
    }
    if (wanted("memory")) benchPasteMemory(folder, owner.get(), {3840, 2160}, 3, rows);
    if (wanted("generate")) benchGenerate(folder, owner.get(), runs, rows);
    printCsv(rows);
    return 0;
}
