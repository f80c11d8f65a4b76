// How the pasted coupon and order links are checked and rewritten.
#pragma once

#include "core/ansi_text.h"

namespace cp {

// Hosts as the marketplace's users paste them.
inline constexpr char couponClaimHost[] = "taoquan.taobao.com";
inline constexpr char mobileShopHost[] = "shop.m.taobao.com";
inline constexpr char mallItemHost[] = "detail.tmall.com";
inline constexpr char marketItemHost[] = "item.taobao.com";

AnsiText couponClaimLink();   // https://<claim host>/coupon/unify_apply.htm
AnsiText couponResultLink();  // https://<claim host>/coupon/unify_apply_result.htm
AnsiText mobileCouponLink();  // http://<mobile shop host>/shop/coupon.htm
AnsiText mallItemPrefix();    // https://<mall item host>/item.htm?
AnsiText marketItemPrefix();  // https://<market item host>/item.htm?

struct CouponLinkResult {
    bool ok = false;
    AnsiText link;
};

// Points any recognised coupon page at the mobile coupon page; words around the link
// and its query string survive.
CouponLinkResult normaliseCouponLink(const AnsiText& text);

// A link with parameters is cut down to the item page and its id. The empty text when
// it has parameters but no non-empty "id" among them: such a link names no item.
AnsiText canonicaliseOrderLink(const AnsiText& text);

bool isAcceptedOrderLink(const AnsiText& link);

}  // namespace cp
