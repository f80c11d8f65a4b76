// Puts the composed QQ rich-edit document on the clipboard, as the only format offered.
#pragma once

#include <windows.h>

#include "core/ansi_text.h"

namespace cp {

inline constexpr char kRichFormatName[] = "QQ_RichEdit_Format";

class ClipboardPublisher {
public:
    // Once, when the main window has been created; 0 until then or when it failed.
    void registerRichFormat();
    UINT richFormatId() const { return richFormatId_; }

    // Empties the clipboard and stores payload plus one zero byte under the rich format.
    // Silent on every failure: a clipboard held open elsewhere stays as it was.
    void publishRichPayload(const AnsiText& payload) const;

private:
    UINT richFormatId_ = 0;
};

}  // namespace cp
