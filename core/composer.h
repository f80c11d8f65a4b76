// Turns a snapshot of the form into the plain-text preview and the QQ rich-edit
// clipboard document.
#pragma once

#include "core/ansi_text.h"

namespace cp {

struct ComposerInput {
    bool hasPicture = false;
    AnsiText title;
    AnsiText originalPrice;
    AnsiText couponPrice;
    AnsiText couponLink;
    AnsiText orderLink;
    AnsiText comboLink;
    AnsiText copyText;
};

// The read-out box, as far as the composer knows it.
class PreviewSink {
public:
    virtual void clear() = 0;
    virtual void append(const AnsiText& text) = 0;

protected:
    ~PreviewSink() = default;
};

// A modal message with one OK button; returns once the user has closed it.
class NoticeBox {
public:
    virtual void show(const AnsiText& text, const AnsiText& title) = 0;

protected:
    ~NoticeBox() = default;
};

// runDirectory + "/待发图片.bmp".
AnsiText stagingPathIn(const AnsiText& runDirectory);

// The rich-edit document, or the empty text when the input was refused (after telling
// the user why). The preview is rebuilt from empty on every call.
AnsiText composeMessage(const ComposerInput& input, const AnsiText& runDirectory,
                        PreviewSink& preview, NoticeBox& notice);

}  // namespace cp
