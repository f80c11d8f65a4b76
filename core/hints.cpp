#include "core/hints.h"

#include "core/literals.h"

namespace cp {

bool usesSeparateLinks(const AnsiText& coupon, const AnsiText& order, const AnsiText& combo) {
    return !isEmpty(coupon) && !isEmpty(order) && isEmpty(combo);
}

bool usesComboLink(const AnsiText& coupon, const AnsiText& order, const AnsiText& combo) {
    return isEmpty(coupon) && isEmpty(order) && !isEmpty(combo);
}

AnsiText hintForCouponBox(const AnsiText& coupon, const AnsiText& order, const AnsiText& combo) {
    return usesSeparateLinks(coupon, order, combo) ? literal::kHintSeparateFromCoupon
                                                   : literal::kHintNeutral;
}

AnsiText hintForOrderBox(const AnsiText& coupon, const AnsiText& order, const AnsiText& combo) {
    return usesSeparateLinks(coupon, order, combo) ? literal::kHintSeparateFromOrder
                                                   : literal::kHintNeutral;
}

AnsiText hintForComboBox(const AnsiText& coupon, const AnsiText& order, const AnsiText& combo) {
    return usesComboLink(coupon, order, combo) ? literal::kHintCombo : literal::kHintNeutral;
}

}  // namespace cp
