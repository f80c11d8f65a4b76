// The window at display scales other than 100 %: every place and size of the 96-DPI form
// scaled to the display's DPI, fonts to match, captions whole, and the same document and picture
// as at 96 DPI. Run once per scale, each in a Wine prefix set to that DPI (run_at_dpi.sh); the
// DPI a run is meant for comes in COUPONPASTE_TEST_DPI, so that a prefix that did not take the
// setting fails instead of passing at 96.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>

#include "expected_documents.h"
#include "form_layout.h"
#include "started_tool.h"
#include "test_pictures.h"

namespace cp::e2e {
namespace {

using C = ControlId;

constexpr int kFormDpi = 96;
// WM_DPICHANGED, which older headers do not name.
constexpr UINT kDpiChanged = 0x02E0;

int displayDpi() {
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
    ReleaseDC(nullptr, screen);
    return dpi;
}

int dpiOfThisRun() {
    const char* wanted = std::getenv("COUPONPASTE_TEST_DPI");
    return wanted ? std::atoi(wanted) : kFormDpi;
}

int scaled(int value, int dpi) {
    return MulDiv(value, dpi, kFormDpi);
}

// Each edge within a pixel of the form's place scaled to dpi; the tool chooses the top of the
// two link labels, so only their other figures are checked.
void expectScaledPlace(const ControlPlace& place, HWND control, int dpi) {
    SCOPED_TRACE(place.name);
    const RECT rect = placeInParent(control);
    EXPECT_NEAR(rect.left, scaled(place.left, dpi), 1);
    EXPECT_NEAR(rect.right - rect.left, scaled(place.width, dpi), 1);
    EXPECT_NEAR(rect.bottom - rect.top, scaled(place.height, dpi), 1);
    if (place.top != kTopChosenByTool) {
        EXPECT_NEAR(rect.top, scaled(place.top, dpi), 1);
    }
}

// The default GUI font's description at dpi: the stock font's face, its height scaled from the
// system DPI.
LOGFONTA guiFontAt(int dpi) {
    LOGFONTA font{};
    GetObjectA(GetStockObject(DEFAULT_GUI_FONT), sizeof font, &font);
    // The system DPI: Wine gives every program the display's.
    font.lfHeight = MulDiv(font.lfHeight, dpi, displayDpi());
    return font;
}

// 标签6's own font: a 12-pixel cell at 96 DPI, normal weight, no face name.
LOGFONTA ownLabelFontAt(int dpi) {
    LOGFONTA font{};
    font.lfHeight = scaled(12, dpi);
    font.lfWeight = FW_NORMAL;
    font.lfCharSet = DEFAULT_CHARSET;
    return font;
}

LOGFONTA expectedFont(const ControlPlace& place, int dpi) {
    return place.id == C::标签6 ? ownLabelFontAt(dpi) : guiFontAt(dpi);
}

// The box around the ink of a caption (every pixel whose red part is dark: black, blue and
// light blue text all have none) on the light face colour; empty when there is no ink.
RECT inkBox(const ScreenArea& area) {
    RECT box = {area.width, area.height, 0, 0};
    for (int y = 0; y < area.height; ++y) {
        for (int x = 0; x < area.width; ++x) {
            if (((area.pixels[static_cast<size_t>(y) * area.width + x] >> 16) & 0xFF) >= 0x80) {
                continue;
            }
            box.left = std::min<LONG>(box.left, x);
            box.top = std::min<LONG>(box.top, y);
            box.right = std::max<LONG>(box.right, x + 1);
            box.bottom = std::max<LONG>(box.bottom, y + 1);
        }
    }
    return box;
}

// The caption drawn in font on the face colour in an area of that size, as a label draws it
// (one line, left, vertically centred) or a button (centred both ways, wrapped when too wide).
ScreenArea drawnCaption(const std::string& caption, const LOGFONTA& font, SIZE size, Kind kind) {
    const win::GdiObject made(CreateFontIndirectA(&font));
    return drawnArea(size, [&](HDC dc) {
        const win::SelectedObject selectedFont(dc, made.get());
        RECT area = {0, 0, size.cx, size.cy};
        FillRect(dc, &area, GetSysColorBrush(COLOR_BTNFACE));
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, RGB(0, 0, 0));
        SIZE extent{};
        GetTextExtentPoint32A(dc, caption.c_str(), static_cast<int>(caption.size()), &extent);
        const UINT lines =
            kind == Kind::label || extent.cx <= size.cx ? DT_SINGLELINE | DT_VCENTER : DT_WORDBREAK;
        const UINT across = kind == Kind::label ? DT_LEFT : DT_CENTER;
        DrawTextA(dc, caption.c_str(), static_cast<int>(caption.size()), &area,
                  lines | across | DT_NOPREFIX);
    });
}

int textWidth(const std::string& text, const LOGFONTA& font) {
    const win::MemoryDc memory(CreateCompatibleDC(nullptr));
    const win::GdiObject made(CreateFontIndirectA(&font));
    const win::SelectedObject selected(memory.get(), made.get());
    SIZE extent{};
    GetTextExtentPoint32A(memory.get(), text.c_str(), static_cast<int>(text.size()), &extent);
    return extent.cx;
}

// What a label or button shows of its caption is as tall as the caption drawn in the font the
// display's scale asks for; a label's is also as wide, and the caption's ink in that font fits
// the label (a full-width colon's empty right half may reach past it, as at 96 DPI).
void expectFontsOfTheScale(const ToolSession& tool, int dpi) {
    for (const ControlPlace* place = formBegin(); place != formEnd(); ++place) {
        if (place->kind != Kind::label && place->kind != Kind::button) continue;
        SCOPED_TRACE(place->name);
        const HWND control = tool.control(place->id);
        const std::string caption = windowText(control);
        const LOGFONTA font = expectedFont(*place, dpi);
        RECT shown = tool.screenRect(place->id);
        if (place->kind == Kind::button) {
            // Inside the button's frame, where only the caption is drawn.
            const int frame = scaled(4, dpi);
            InflateRect(&shown, -frame, -frame);
        }
        const SIZE size = {shown.right - shown.left, shown.bottom - shown.top};
        const RECT seen = inkBox(captureScreen(shown));
        // A label's caption is drawn unclipped, to tell whether the label cuts any of it off.
        const SIZE room = {place->kind == Kind::label
                               ? std::max<LONG>(size.cx, textWidth(caption, font) + 8)
                               : size.cx,
                           size.cy};
        const RECT expected = inkBox(drawnCaption(caption, font, room, place->kind));
        ASSERT_GT(expected.bottom, expected.top) << "the caption draws no ink";
        EXPECT_NEAR(seen.bottom - seen.top, expected.bottom - expected.top, 2)
            << "the caption is not drawn at the height of the scale's font";
        if (place->kind == Kind::label) {
            EXPECT_NEAR(seen.right - seen.left, expected.right - expected.left, 2)
                << "the caption is not drawn whole in the scale's font";
            EXPECT_LE(expected.right, size.cx) << "the caption is wider than its label";
        }
    }
}

// The system's own message for a move to a display of another scale, with the rectangle it
// suggests; the rectangle is placed in the tool's memory, where the message's pointer points.
bool sendDpiChanged(const ToolSession& tool, int dpi, const RECT& suggested) {
    const win::KernelHandle process(
        OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_WRITE, FALSE, tool.processId()));
    if (!process) return false;
    void* remote = VirtualAllocEx(process.get(), nullptr, sizeof suggested,
                                  MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    if (!remote) return false;
    DWORD_PTR answer = 0;
    const bool sent =
        WriteProcessMemory(process.get(), remote, &suggested, sizeof suggested, nullptr) &&
        SendMessageTimeoutA(tool.window(), kDpiChanged, MAKEWPARAM(dpi, dpi),
                            reinterpret_cast<LPARAM>(remote), SMTO_NORMAL, 10000, &answer);
    VirtualFreeEx(process.get(), remote, 0, MEM_RELEASE);
    return sent;
}

// A tool started on a display of this run's scale.
class ScaledForm : public StartedTool {
  protected:
    void SetUp() override {
        ASSERT_EQ(displayDpi(), dpiOfThisRun()) << "the display is not at this run's scale";
        StartedTool::SetUp();
    }
};
using ScaledActions = ScaledForm;

TEST_F(ScaledForm, WindowAndEveryControlTakeTheirPlacesScaledToTheDisplay) {
    const int dpi = displayDpi();
    RECT frame{};
    ASSERT_TRUE(GetWindowRect(tool.window(), &frame));
    EXPECT_EQ(frame.right - frame.left, scaled(908, dpi));
    EXPECT_EQ(frame.bottom - frame.top, scaled(606, dpi));
    EXPECT_EQ(frame.left, (GetSystemMetrics(SM_CXSCREEN) - scaled(908, dpi)) / 2);
    EXPECT_EQ(frame.top, (GetSystemMetrics(SM_CYSCREEN) - scaled(606, dpi)) / 2);
    for (const ControlPlace* place = formBegin(); place != formEnd(); ++place) {
        expectScaledPlace(*place, tool.control(place->id), dpi);
    }
}

TEST_F(ScaledForm, LabelsAndButtonsUseFontsOfTheScaleAndNoCaptionIsCutOff) {
    expectFontsOfTheScale(tool, displayDpi());
}

// For a person to look at: the window at this scale, in the build folder.
TEST_F(ScaledForm, LeavesAScreenshotOfTheWindowAtThisScale) {
    ASSERT_TRUE(tool.focusReaches(C::编辑框1));
    ASSERT_TRUE(eventually(
        [&] { return showsOnly(captureScreen(tool.screenRect(C::图片框1)), faceColour()); }));
    tool.fill({"【冬季新款】加厚珊瑚绒毛毯", "129", "39.9", "", "", "", "领券立减90元"});
    tool.settle();
    RECT frame{};
    ASSERT_TRUE(GetWindowRect(tool.window(), &frame));
    const ScreenArea shot = captureScreen(frame);
    ASSERT_FALSE(showsOnly(shot, faceColour()));
    const std::string path =
        programDirectory() + "\\..\\app-screenshot-" + std::to_string(displayDpi()) + "dpi.bmp";
    EXPECT_TRUE(writeWholeFile(path, bmpFileOf(shot))) << path;
}

// The document's bytes do not depend on the scale.
TEST_F(ScaledActions, PasteAndGenerateGiveWhatTheyGiveAt96Dpi) {
    win::GdiObject bitmap = patternBitmap(40, 30, screenDepth());
    const std::string expectedPicture = bmpFileFor(static_cast<HBITMAP>(bitmap.get()));
    ASSERT_TRUE(putBitmapOnClipboard(std::move(bitmap)));
    const std::optional<std::string> staged = pasteFromClipboard(tool);
    ASSERT_TRUE(staged.has_value()) << "no staging file";
    EXPECT_TRUE(withoutAlpha(*staged) == withoutAlpha(expectedPicture)) << "the picture differs";
    EXPECT_TRUE(eventually([&] {
        return !showsOnly(captureScreen(tool.screenRect(C::图片框1)), faceColour());
    })) << "the picture box shows no picture";

    tool.fill({"加厚珊瑚绒毛毯", "129", "39.9", "", "", "https://s.click.taobao.com/t?e=m%3D2",
               "领券立减90元"});
    ASSERT_TRUE(putTextOnClipboard("on the clipboard before generating"));
    tool.push(C::按钮1);

    const std::optional<ClipboardBlock> document = waitForRichDocument();
    ASSERT_TRUE(document.has_value()) << "no QQ_RichEdit_Format on the clipboard";
    EXPECT_EQ(document->text,
              richDocument(imageElement(tool.folder().stagingPathInDocument()) +
                           textElement("\r\n加厚珊瑚绒毛毯\r\n原价129元   券后39.9元"
                                       "\r\n优惠券下单链接：https://s.click.taobao.com/t?e=m%3D2"
                                       "\r\n------------------------------------"
                                       "\r\n领券立减90元")));
}

// Started at 96 DPI, then told by the system that its display is now at 150 %.
TEST_F(StartedTool, MovedToADisplayOfAnotherScaleItTakesThatScaleAndKeepsTheForm) {
    ASSERT_EQ(displayDpi(), kFormDpi) << "this test starts the tool at 96 DPI";
    ASSERT_TRUE(pastePicture(tool, patternBitmap(40, 30, screenDepth())));
    const FormTexts form = {"加厚珊瑚绒毛毯",
                            "129",
                            "39.9",
                            "https://taoquan.taobao.com/coupon/unify_apply.htm?sellerId=1",
                            "https://detail.tmall.com/item.htm?id=561234567890",
                            "",
                            "领券立减90元"};
    tool.fill(form);
    // The coupon box has the focus and both links are filled: were its lost-focus event raised,
    // the hint would change.
    ASSERT_TRUE(tool.click(C::编辑框4));
    ASSERT_TRUE(eventually([&] { return tool.focus() == tool.control(C::编辑框4); }));
    tool.settle();
    const std::string hintBefore = windowText(tool.control(C::标签8));

    const int dpi = 144;
    const RECT suggested = {40, 30, 40 + scaled(908, dpi), 30 + scaled(606, dpi)};
    ASSERT_TRUE(sendDpiChanged(tool, dpi, suggested));
    tool.settle();

    RECT frame{};
    ASSERT_TRUE(GetWindowRect(tool.window(), &frame));
    EXPECT_EQ(frame.left, suggested.left);
    EXPECT_EQ(frame.top, suggested.top);
    EXPECT_EQ(frame.right, suggested.right);
    EXPECT_EQ(frame.bottom, suggested.bottom);
    for (const ControlPlace* place = formBegin(); place != formEnd(); ++place) {
        expectScaledPlace(*place, tool.control(place->id), dpi);
    }
    expectFontsOfTheScale(tool, dpi);

    EXPECT_EQ(tool.text(C::编辑框1), form.title);
    EXPECT_EQ(tool.text(C::编辑框4), form.couponLink);
    EXPECT_EQ(tool.text(C::编辑框5), form.orderLink);
    EXPECT_EQ(tool.text(C::编辑框7), form.copyText);
    EXPECT_EQ(tool.focus(), tool.control(C::编辑框4)) << "the focus must stay where it was";
    EXPECT_EQ(windowText(tool.control(C::标签8)), hintBefore) << "no event may be raised";
    EXPECT_FALSE(showsOnly(captureScreen(tool.screenRect(C::图片框1)), faceColour()))
        << "the picture must stay";
}

}  // namespace
}  // namespace cp::e2e
