#include "core/composer.h"

#include "core/hints.h"
#include "core/link_rules.h"
#include "core/literals.h"

namespace cp {
namespace {

using namespace literal;

// Room for every field and the fixed words around them, so the body grows only once.
std::size_t bodySizeHint(const ComposerInput& in) {
    constexpr std::size_t kFixedWords = 128;
    return in.title.size() + in.originalPrice.size() + in.couponPrice.size() +
           in.couponLink.size() + in.orderLink.size() + in.comboLink.size() + in.copyText.size() +
           kFixedWords;
}

// Written straight into the document, which is sized for it and the closing tag. A "]]>"
// inside the body would end the CDATA section early and let the rest be read as markup;
// it is split across two sections so any reader joins it back.
void appendTextElement(AnsiText& document, const AnsiText& body) {
    document.reserve(document.size() + sizeof kTextElementOpen + body.size() +
                     sizeof kTextElementClose + sizeof kRichClose);
    document.append(kTextElementOpen);
    appendReplacingBytes(document, body, kCdataEnd, kCdataEndSplit);
    document.append(kTextElementClose);
}

}  // namespace

AnsiText stagingPathIn(const AnsiText& runDirectory) {
    return concatText(runDirectory, kStagingFileSuffix);
}

AnsiText composeMessage(const ComposerInput& input, const AnsiText& runDirectory,
                        PreviewSink& preview, NoticeBox& notice) {
    preview.clear();
    AnsiText document = kRichHeader;
    AnsiText body;  // the text element's content; each field adds to it and to the preview
    body.reserve(bodySizeHint(input));
    auto addToBody = [&body](const AnsiText& a, const AnsiText& b, const AnsiText& c = AnsiText()) {
        body.append(a).append(b).append(c);
    };

    if (input.hasPicture) {
        const AnsiText path = stagingPathIn(runDirectory);
        document.append(kImageElementOpen).append(path).append(kImageElementClose);
        preview.append(concatText(path, kLineEnd));
    }
    if (!isEmpty(input.title)) {
        addToBody(kLineEnd, input.title);
        preview.append(concatText(input.title, kLineEnd));
    }
    if (!isEmpty(input.originalPrice)) {
        addToBody(kLineEnd, concatText(kOriginalPriceWord, input.originalPrice), kCurrencyWord);
        preview.append(concatText(kOriginalPriceWord, input.originalPrice, kCurrencyWord));
    }
    if (!isEmpty(input.couponPrice)) {
        addToBody(kCouponPriceWord, input.couponPrice, kCurrencyWord);
        preview.append(concatText(kCouponPriceWord, input.couponPrice, kCurrencyWord, kLineEnd));
    }
    if (usesSeparateLinks(input.couponLink, input.orderLink, input.comboLink)) {
        const CouponLinkResult coupon = normaliseCouponLink(input.couponLink);
        if (!coupon.ok) {
            notice.show(kBadCouponLink, kErrorTitle);
            return AnsiText();
        }
        addToBody(kLineEnd, kCouponWord, coupon.link);
        preview.append(concatText(kCouponWord, coupon.link, kLineEnd));

        const AnsiText order = canonicaliseOrderLink(input.orderLink);
        if (!isAcceptedOrderLink(order)) {
            notice.show(kBadOrderLink, kErrorTitle);
            return AnsiText();
        }
        addToBody(kLineEnd, kOrderWord, order);
        preview.append(concatText(kOrderWord, order, kLineEnd));
    } else if (usesComboLink(input.couponLink, input.orderLink, input.comboLink)) {
        addToBody(kLineEnd, kComboWord, input.comboLink);
        preview.append(concatText(kComboWord, input.comboLink, kLineEnd));
    }
    if (!isEmpty(input.copyText)) {
        addToBody(kLineEnd, kSeparator);
        preview.append(concatText(kSeparator, kLineEnd));
        addToBody(kLineEnd, input.copyText);
        preview.append(input.copyText);
    }

    if (!isEmpty(body)) {
        appendTextElement(document, body);
    }
    if (document.size() == sizeof(kRichHeader) - 1) {
        notice.show(kNothingToSend, kNothingToSendTitle);
        return AnsiText();
    }
    document.append(kRichClose);
    return document;
}

}  // namespace cp
