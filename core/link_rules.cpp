#include "core/link_rules.h"

namespace cp {
namespace {

constexpr char kSecure[] = "https://";
constexpr char kItemPath[] = ".com/item.htm?";
constexpr char kIdName[] = "id=";
constexpr char kParameterSeparator[] = "&";

// The value of the first parameter named exactly "id", up to the next "&" or the end.
AnsiText itemIdParameter(const AnsiText& link) {
    TextPos best = kNotFound;
    for (const char* lead : {"?id=", "&id="}) {
        const TextPos at = findText(link, lead);
        if (at != kNotFound && (best == kNotFound || at < best)) best = at;
    }
    if (best == kNotFound) return AnsiText();
    const AnsiText value = midText(link, best + 4, textLength(link));
    const TextPos end = findText(value, kParameterSeparator);
    return end == kNotFound ? value : midText(value, 1, end - 1);
}

}  // namespace

AnsiText couponClaimLink() {
    return concatText("https://", couponClaimHost, "/coupon/unify_apply.htm");
}
AnsiText couponResultLink() {
    return concatText("https://", couponClaimHost, "/coupon/unify_apply_result.htm");
}
AnsiText mobileCouponLink() { return concatText("http://", mobileShopHost, "/shop/coupon.htm"); }
AnsiText mallItemPrefix() { return concatText("https://", mallItemHost, "/item.htm?"); }
AnsiText marketItemPrefix() { return concatText("https://", marketItemHost, "/item.htm?"); }

CouponLinkResult normaliseCouponLink(const AnsiText& text) {
    const AnsiText mobile = mobileCouponLink();
    for (const AnsiText& claimPage : {couponClaimLink(), couponResultLink()}) {
        if (findText(text, claimPage) != kNotFound) {
            return {true, replaceAll(text, claimPage, mobile)};
        }
    }
    if (findText(text, mobile) != kNotFound) return {true, text};
    return {false, AnsiText()};
}

AnsiText canonicaliseOrderLink(const AnsiText& text) {
    if (findText(text, kParameterSeparator) == kNotFound) return text;
    const AnsiText id = itemIdParameter(text);
    if (isEmpty(id)) return AnsiText();
    const AnsiText host = textBetween(text, kSecure, kItemPath);
    return concatText(kSecure, host, kItemPath, concatText(kIdName, id));
}

bool isAcceptedOrderLink(const AnsiText& link) {
    return findText(link, mallItemPrefix()) != kNotFound ||
           findText(link, marketItemPrefix()) != kNotFound;
}

}  // namespace cp
