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

    // Empties the clipboard and stores payload plus one zero byte under the rich format; true
    // when the document is on the clipboard. A clipboard that another program keeps open past
    // the brief wait stays as it was, and the answer is false: the caller must say so, or the
    // user would paste the previous message.
    bool publishRichPayload(const AnsiText& payload) const;

private:
    UINT richFormatId_ = 0;
};

}  // namespace cp
