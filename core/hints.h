// The caption of the hint line after one of the three link boxes lost the focus: it
// names the way of giving links that the composer will use for the current texts.
#pragma once

#include "core/ansi_text.h"

namespace cp {

AnsiText hintForCouponBox(const AnsiText& coupon, const AnsiText& order, const AnsiText& combo);
AnsiText hintForOrderBox(const AnsiText& coupon, const AnsiText& order, const AnsiText& combo);
AnsiText hintForComboBox(const AnsiText& coupon, const AnsiText& order, const AnsiText& combo);

// The two ways the composer recognises; exactly the conditions it uses.
bool usesSeparateLinks(const AnsiText& coupon, const AnsiText& order, const AnsiText& combo);
bool usesComboLink(const AnsiText& coupon, const AnsiText& order, const AnsiText& combo);

}  // namespace cp
