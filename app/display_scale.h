// The display's scale as the window sees it, and the form's fonts at that scale.
#pragma once

#include <windows.h>

#include "platform/scoped_handles.h"

namespace cp {

// WM_DPICHANGED: the window was moved to a display of another scale, or the scale changed.
inline constexpr UINT kDpiChangedMessage = 0x02E0;

// The DPI of the display the window is on. GetDpiForWindow (Windows 10, version 1607 on) is
// looked up at run time, so that the tool still starts on Windows 7, where the screen's
// LOGPIXELSX, the system DPI, serves.
int dpiOfWindow(HWND window);

// The form's two fonts at one DPI: the default GUI font's face with its height scaled from
// the system DPI (at the system DPI the stock font itself), and 标签6's own font, a 12-pixel
// cell at 96 DPI with no face name, so that the system picks its default face for the height.
class FormFonts {
  public:
    FormFonts() = default;
    explicit FormFonts(int dpi);

    // Never null: the stock font stands in for one that could not be made.
    HFONT guiFont() const;
    HFONT ownLabelFont() const;

  private:
    win::GdiObject scaledGuiFont_;
    win::GdiObject ownLabelFont_;
};

}  // namespace cp
