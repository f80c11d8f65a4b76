// The link rules on arbitrary pasted text. An input is a coupon text and an order text
// separated by a zero byte; without one, the same text is tried as both.
#include <cstdint>
#include <initializer_list>

#include "core/link_rules.h"
#include "tests/fuzz/fuzz_input.h"

namespace {

using namespace cp;
using fuzz::require;

constexpr char kSecure[] = "https://";
constexpr char kItemPath[] = ".com/item.htm?";
constexpr char kIdAssignment[] = "id=";

// The page that normaliseCouponLink acts on: the first of the three, in its order, that
// the text holds.
TextPos recognisedCouponPage(const AnsiText& text) {
    for (const AnsiText& page : {couponClaimLink(), couponResultLink(), mobileCouponLink()}) {
        const TextPos at = findText(text, page);
        if (at != kNotFound) return at;
    }
    return kNotFound;
}

void checkCouponLink(const AnsiText& text) {
    const CouponLinkResult coupon = normaliseCouponLink(text);
    const TextPos page = recognisedCouponPage(text);
    require(coupon.ok == (page != kNotFound), "a coupon link is accepted without its page");
    if (!coupon.ok) {
        require(coupon.link.empty(), "a refused coupon link still yields a link");
        return;
    }
    require(findText(coupon.link, mobileCouponLink()) != kNotFound,
            "an accepted coupon link does not point at the mobile coupon page");
    require(findText(coupon.link, couponClaimLink()) == kNotFound,
            "a claim page survives the rewrite");
    require(coupon.link.compare(0, static_cast<std::size_t>(page - 1), text, 0,
                                static_cast<std::size_t>(page - 1)) == 0,
            "the words before the coupon link changed");
}

bool holdsAnItemPrefix(const AnsiText& link) {
    return link.find(mallItemPrefix()) != AnsiText::npos ||
           link.find(marketItemPrefix()) != AnsiText::npos;
}

// A canonical link is "https://" + host + ".com/item.htm?id=" + id, the host as the rule
// takes it from the pasted text and the id the value of an "id" parameter in it.
void checkCanonicalForm(const AnsiText& text, const AnsiText& canonical) {
    const AnsiText head =
        concatText(kSecure, textBetween(text, kSecure, kItemPath), kItemPath, kIdAssignment);
    require(canonical.compare(0, head.size(), head) == 0,
            "a canonical order link does not start with the item page");
    const AnsiText id = canonical.substr(head.size());
    require(!id.empty(), "a canonical order link has an empty id");
    require(findText(id, "&") == kNotFound, "a canonical order link keeps another parameter");
    require(text.find(concatText("?", kIdAssignment, id)) != AnsiText::npos ||
                text.find(concatText("&", kIdAssignment, id)) != AnsiText::npos,
            "the id of a canonical order link is no parameter of the pasted link");
}

void checkOrderLink(const AnsiText& text) {
    const AnsiText canonical = canonicaliseOrderLink(text);
    if (findText(text, "&") == kNotFound) {
        require(canonical == text, "an order link without parameters changed");
    } else if (!canonical.empty()) {
        checkCanonicalForm(text, canonical);
    }
    if (isAcceptedOrderLink(canonical)) {
        require(holdsAnItemPrefix(canonical), "an accepted order link names no item page");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::vector<AnsiText> field = fuzz::splitFields(data, size, 2);
    const bool oneText = field[1].empty();
    checkCouponLink(field[0]);
    checkOrderLink(oneText ? field[0] : field[1]);
    return 0;
}
