// Paste and clear of the product picture: the picture box holds the BMP bytes, and the
// staging file holds the same bytes for QQ to read.
#pragma once

#include <windows.h>

#include "core/ansi_text.h"
#include "core/composer.h"

namespace cp {

// The picture box, as far as the picture's life is concerned.
class PictureHolder {
  public:
    // Keeps bytes as its own (a caller that still needs them passes a copy); an empty block
    // leaves the box blank.
    virtual void setPicture(ByteBlock bytes) = 0;
    // The bytes it holds, not copied; valid until the next setPicture.
    virtual const ByteBlock& heldBytes() const = 0;

  protected:
    ~PictureHolder() = default;
};

// Takes the clipboard bitmap into the box and writes the box's bytes to the staging file
// (an empty file when no bitmap was found). When a picture could not be written, the box is
// blanked again so that no document names a file holding another picture, and the user is
// told: "图片保存失败：" + path, titled "错误提示！".
void pastePicture(HWND owner, PictureHolder& box, const AnsiText& stagingPath, NoticeBox& notice);

// Blanks the box; the staging file stays.
void clearPicture(PictureHolder& box);

}  // namespace cp
