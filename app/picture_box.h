// The picture box: holds the pasted picture as BMP file bytes and shows it stretched to its
// client area over the 3D face colour. It never takes the focus and has no border.
#pragma once

#include <windows.h>

#include "core/ansi_text.h"
#include "platform/picture_stager.h"

namespace cp {

inline constexpr char kPictureBoxClass[] = "CouponPastePictureBox";

class PictureBox final : public PictureHolder {
  public:
    PictureBox() = default;
    PictureBox(const PictureBox&) = delete;
    PictureBox& operator=(const PictureBox&) = delete;

    static bool registerClass(HINSTANCE instance);

    // The box's window is made by CreateWindowExA with this class and &box as the creation
    // parameter; it stays tied to this object until it is destroyed.
    void setPicture(ByteBlock bytes) override;
    const ByteBlock& heldBytes() const override { return bytes_; }
    // Whether the box shows a picture.
    bool holdsPicture() const { return !bytes_.empty(); }

  private:
    static LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void paint() const;

    HWND window_ = nullptr;
    ByteBlock bytes_;
};

}  // namespace cp
