// composeMessage on arbitrary form contents. An input is zero-separated fields: a picture
// flag (an odd first byte means a picture), the seven form fields in the order of the
// form, and the run directory.
#include <cstdint>
#include <string>
#include <vector>

#include "core/composer.h"
#include "core/link_rules.h"
#include "core/literals.h"
#include "tests/fuzz/fuzz_input.h"

namespace {

using namespace cp;
using namespace cp::literal;
using fuzz::require;

// The markup as a QQ reader expects it, spelled out here rather than taken from the tool.
constexpr char kHeader[] = "<QQRichEditFormat><Info version=\"1001\"></Info>";
constexpr char kImageOpen[] = "<EditElement type=\"1\" filepath=\"";
constexpr char kImageClose[] = "\" shortcut=\"\"></EditElement>";
constexpr char kTextOpen[] = "<EditElement type=\"0\"><![CDATA[";
constexpr char kCdataClose[] = "]]>";
constexpr char kCdataOpen[] = "<![CDATA[";
constexpr char kTextClose[] = "</EditElement>";
constexpr char kDocumentClose[] = "</QQRichEditFormat>";

class RecordingWindow : public PreviewSink, public NoticeBox {
  public:
    void clear() override {
        ++clears;
        if (!preview.empty() || !notices.empty()) clearedLate = true;
        preview.clear();
    }
    void append(const AnsiText& text) override { preview += text; }
    void show(const AnsiText& text, const AnsiText& title) override {
        notices.push_back(concatText(title, "|", text));
    }

    AnsiText preview;
    std::vector<AnsiText> notices;
    int clears = 0;
    bool clearedLate = false;
};

// What the form should produce, worked out field by field from the rules of the message.
struct Expected {
    AnsiText preview;
    AnsiText body;
    AnsiText notice;  // "title|text" of a refusal, or empty
};

void addPrices(const ComposerInput& in, Expected& out) {
    if (!isEmpty(in.originalPrice)) {
        out.body += concatText(kLineEnd, kOriginalPriceWord, in.originalPrice, kCurrencyWord);
        out.preview += concatText(kOriginalPriceWord, in.originalPrice, kCurrencyWord);
    }
    if (!isEmpty(in.couponPrice)) {
        out.body += concatText(kCouponPriceWord, in.couponPrice, kCurrencyWord);
        out.preview += concatText(kCouponPriceWord, in.couponPrice, kCurrencyWord, kLineEnd);
    }
}

// False when a malformed link abandons the message.
bool addLinks(const ComposerInput& in, Expected& out) {
    const bool separate =
        !isEmpty(in.couponLink) && !isEmpty(in.orderLink) && isEmpty(in.comboLink);
    const bool combined = isEmpty(in.couponLink) && isEmpty(in.orderLink) && !isEmpty(in.comboLink);
    if (combined) {
        out.body += concatText(kLineEnd, kComboWord, in.comboLink);
        out.preview += concatText(kComboWord, in.comboLink, kLineEnd);
    }
    if (!separate) return true;
    const CouponLinkResult coupon = normaliseCouponLink(in.couponLink);
    if (!coupon.ok) {
        out.notice = concatText(kErrorTitle, "|", kBadCouponLink);
        return false;
    }
    out.body += concatText(kLineEnd, kCouponWord, coupon.link);
    out.preview += concatText(kCouponWord, coupon.link, kLineEnd);
    const AnsiText order = canonicaliseOrderLink(in.orderLink);
    if (!isAcceptedOrderLink(order)) {
        out.notice = concatText(kErrorTitle, "|", kBadOrderLink);
        return false;
    }
    out.body += concatText(kLineEnd, kOrderWord, order);
    out.preview += concatText(kOrderWord, order, kLineEnd);
    return true;
}

Expected expectedFor(const ComposerInput& in, const AnsiText& runDirectory) {
    Expected out;
    if (in.hasPicture) out.preview += concatText(runDirectory, kStagingFileSuffix, kLineEnd);
    if (!isEmpty(in.title)) {
        out.body += concatText(kLineEnd, in.title);
        out.preview += concatText(in.title, kLineEnd);
    }
    addPrices(in, out);
    if (!addLinks(in, out)) return out;
    if (!isEmpty(in.copyText)) {
        out.body += concatText(kLineEnd, kSeparator, kLineEnd, in.copyText);
        out.preview += concatText(kSeparator, kLineEnd, in.copyText);
    }
    if (!in.hasPicture && out.body.empty()) {
        out.notice = concatText(kNothingToSendTitle, "|", kNothingToSend);
    }
    return out;
}

// Reads the document as a reader of the markup would, from the front; each piece must be
// where the format puts it.
class DocumentReader {
  public:
    explicit DocumentReader(const AnsiText& document) : document_(document) {}

    bool take(const AnsiText& piece) {
        if (document_.compare(at_, piece.size(), piece) != 0) return false;
        at_ += piece.size();
        return true;
    }
    bool atEnd() const { return at_ == document_.size(); }

    // The text of consecutive CDATA sections, joined; the reader stops after the last "]]>".
    AnsiText cdataText() {
        AnsiText text;
        do {
            const std::size_t end = document_.find(kCdataClose, at_);
            require(end != AnsiText::npos, "a CDATA section is never closed");
            text.append(document_, at_, end - at_);
            at_ = end + sizeof kCdataClose - 1;
        } while (take(kCdataOpen));
        return text;
    }

  private:
    const AnsiText& document_;
    std::size_t at_ = 0;
};

void checkDocument(const AnsiText& document, const ComposerInput& in, const AnsiText& runDirectory,
                   const Expected& expected) {
    DocumentReader reader(document);
    require(reader.take(kHeader), "the document does not start with the header");
    if (in.hasPicture) {
        require(reader.take(kImageOpen) &&
                    reader.take(concatText(runDirectory, kStagingFileSuffix)) &&
                    reader.take(kImageClose),
                "the image element is not the staging picture");
    }
    if (!expected.body.empty()) {
        require(reader.take(kTextOpen), "the text element does not follow");
        require(reader.cdataText() == expected.body,
                "the text element does not read back as the message body");
        require(reader.take(kTextClose), "the text element is not closed after its body");
    }
    require(reader.take(kDocumentClose) && reader.atEnd(),
            "the document does not end with the closing tag after its elements");
}

ComposerInput formFrom(const std::vector<AnsiText>& field) {
    ComposerInput in;
    in.hasPicture = !field[0].empty() && (static_cast<unsigned char>(field[0][0]) & 1) != 0;
    in.title = field[1];
    in.originalPrice = field[2];
    in.couponPrice = field[3];
    in.couponLink = field[4];
    in.orderLink = field[5];
    in.comboLink = field[6];
    in.copyText = field[7];
    return in;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::vector<AnsiText> field = fuzz::splitFields(data, size, 9);
    const ComposerInput in = formFrom(field);
    const AnsiText& runDirectory = field[8];

    RecordingWindow window;
    const AnsiText document = composeMessage(in, runDirectory, window, window);
    const Expected expected = expectedFor(in, runDirectory);

    require(window.clears == 1 && !window.clearedLate, "the preview is not cleared first");
    require(window.preview == expected.preview, "the preview is not the lines of the form");
    if (document.empty()) {
        require(window.notices.size() == 1, "a refusal came without exactly one notice");
        require(window.notices.front() == expected.notice, "a refusal with the wrong notice");
        return 0;
    }
    require(window.notices.empty(), "a document came with a notice");
    require(expected.notice.empty(), "a document was made from a form that must be refused");
    checkDocument(document, in, runDirectory, expected);
    return 0;
}
