#include <gtest/gtest.h>

#include "core/hints.h"

namespace {

using namespace cp;

struct HintCase {
    const char* coupon;
    const char* order;
    const char* combo;
    const char* couponBox;
    const char* orderBox;
    const char* comboBox;
};

TEST(Hints, NameTheWayTheComposerWillUse) {
    const char* neutral = "提示：";
    const char* separateCoupon = "提示：检测到生成类型为优惠券+下单链接分开型！";
    const char* separateOrder = "提示：检测到生成类型为优惠券+下单链接！";
    const char* combo = "提示：检测到生成类型为二合一型！";
    const HintCase cases[] = {
        {"", "", "", neutral, neutral, neutral},
        {"c", "o", "", separateCoupon, separateOrder, neutral},
        {"c", "o", "x", neutral, neutral, neutral},
        {"", "", "x", neutral, neutral, combo},
        {"c", "", "x", neutral, neutral, neutral},
        {"", "o", "", neutral, neutral, neutral},
        {"c", "", "", neutral, neutral, neutral},
    };
    for (const HintCase& c : cases) {
        const std::string where = std::string(c.coupon) + "|" + c.order + "|" + c.combo;
        EXPECT_EQ(hintForCouponBox(c.coupon, c.order, c.combo), c.couponBox) << where;
        EXPECT_EQ(hintForOrderBox(c.coupon, c.order, c.combo), c.orderBox) << where;
        EXPECT_EQ(hintForComboBox(c.coupon, c.order, c.combo), c.comboBox) << where;
    }
}

}  // namespace
