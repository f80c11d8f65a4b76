#include <gtest/gtest.h>

#include "core/link_rules.h"

namespace {

using namespace cp;

const AnsiText kClaim = "https://taoquan.taobao.com/coupon/unify_apply.htm";
const AnsiText kResult = "https://taoquan.taobao.com/coupon/unify_apply_result.htm";
const AnsiText kMobile = "http://shop.m.taobao.com/shop/coupon.htm";
const AnsiText kMall = "https://detail.tmall.com/item.htm?";
const AnsiText kMarket = "https://item.taobao.com/item.htm?";

TEST(LinkConstants, SpellTheMarketplacePages) {
    EXPECT_EQ(couponClaimLink(), kClaim);
    EXPECT_EQ(couponResultLink(), kResult);
    EXPECT_EQ(mobileCouponLink(), kMobile);
    EXPECT_EQ(mallItemPrefix(), kMall);
    EXPECT_EQ(marketItemPrefix(), kMarket);
}

struct CouponCase {
    const char* what;
    AnsiText text;
    bool ok;
    AnsiText link;
};

TEST(NormaliseCouponLink, RewritesRecognisedPagesToTheMobilePage) {
    const CouponCase cases[] = {
        {"claim page keeps its query", kClaim + "?sellerId=1&activityId=ab", true,
         kMobile + "?sellerId=1&activityId=ab"},
        {"result page with words around it", "\xC1\xEC " + kResult + "?activityId=9 go", true,
         "\xC1\xEC " + kMobile + "?activityId=9 go"},
        {"mobile page unchanged", kMobile + "?activityId=7", true, kMobile + "?activityId=7"},
        {"mobile page over https is not recognised",
         "https://shop.m.taobao.com/shop/coupon.htm?activityId=7", false, ""},
        {"claim and mobile page: the claim case wins", kClaim + "?a=1 " + kMobile + "?b=2", true,
         kMobile + "?a=1 " + kMobile + "?b=2"},
        {"every claim page is replaced", kClaim + "?a " + kClaim + "?b", true,
         kMobile + "?a " + kMobile + "?b"},
        {"case matters", "HTTPS://TAOQUAN.TAOBAO.COM/coupon/unify_apply.htm", false, ""},
        {"empty", "", false, ""},
        {"some other page", "https://www.taobao.com/?coupon", false, ""},
    };
    for (const CouponCase& c : cases) {
        const CouponLinkResult result = normaliseCouponLink(c.text);
        EXPECT_EQ(result.ok, c.ok) << c.what;
        if (c.ok) {
            EXPECT_EQ(result.link, c.link) << c.what;
        }
    }
}

struct OrderCase {
    const char* what;
    AnsiText text;
    AnsiText canonical;
    bool accepted;
};

TEST(CanonicaliseOrderLink, CutsTheLinkDownToItemAndId) {
    const OrderCase cases[] = {
        {"tracking parameter, id, another parameter",
         kMall + "spm=a1z10.1&id=612345678901&skuId=4", kMall + "id=612345678901", true},
        {"id as the last parameter keeps its number", kMarket + "spm=x&id=5550001",
         kMarket + "id=5550001", true},
        {"id first, then more parameters", kMarket + "id=42&ali_trackid=2:mm", kMarket + "id=42",
         true},
        {"no & at all: taken unchanged", kMarket + "id=5550001", kMarket + "id=5550001", true},
        {"longer names ending in id= are not the id",
         kMall + "pvid=abc&suid=def&id=777&x=1", kMall + "id=777", true},
        {"only a longer name ending in id=: refused", kMall + "pvid=abc&scm=1", "", false},
        {"an empty id: refused", kMall + "spm=1&id=&x=2", "", false},
        {"http:// item link: the host text starts at byte 7",
         "http://detail.tmall.com/item.htm?spm=1&id=9", "https:///detail.tmall.com/item.htm?id=9",
         false},
        {"words around the link: the id runs to the end of the text",
         "\xC2\xF2 " + kMarket + "a=1&id=88 now", kMarket + "id=88 now", true},
        {"no & and another page", "https://www.taobao.com/item.htm?id=1",
         "https://www.taobao.com/item.htm?id=1", false},
    };
    for (const OrderCase& c : cases) {
        const AnsiText canonical = canonicaliseOrderLink(c.text);
        EXPECT_EQ(canonical, c.canonical) << c.what;
        EXPECT_EQ(isAcceptedOrderLink(canonical), c.accepted) << c.what;
    }
}

TEST(IsAcceptedOrderLink, WantsAnItemPageOfEitherSite) {
    EXPECT_TRUE(isAcceptedOrderLink(kMall + "id=1"));
    EXPECT_TRUE(isAcceptedOrderLink("see " + kMarket + "id=1"));
    EXPECT_FALSE(isAcceptedOrderLink("https://detail.tmall.com/item.htm"));
    EXPECT_FALSE(isAcceptedOrderLink(""));
}

}  // namespace
