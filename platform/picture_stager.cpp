#include "platform/picture_stager.h"

#include "core/literals.h"
#include "platform/bmp_bytes.h"
#include "platform/staging_file.h"

namespace cp {

void pastePicture(HWND owner, PictureHolder& box, const AnsiText& stagingPath, NoticeBox& notice) {
    box.setPicture(captureClipboardBitmap(owner));
    // The file is written from what the box holds, so the two cannot disagree; a screenshot
    // is large, so neither step copies it.
    const ByteBlock& stored = box.heldBytes();
    if (writeWholeFile(stagingPath, stored) || stored.empty()) return;
    // A shown picture whose file holds another one would go out as the wrong product.
    clearPicture(box);
    notice.show(concatText(literal::kPictureNotSaved, stagingPath), literal::kErrorTitle);
}

void clearPicture(PictureHolder& box) {
    box.setPicture(ByteBlock());
}

}  // namespace cp
