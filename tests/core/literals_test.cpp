// The bytes of every fixed text, written out in hex: a build that stores the literals in
// any code page other than GBK fails here.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "core/literals.h"

namespace {

using namespace cp;

std::string hexOf(const std::string& bytes) {
    std::string hex;
    char pair[3];
    for (unsigned char byte : bytes) {
        std::snprintf(pair, sizeof pair, "%02X", byte);
        hex += pair;
    }
    return hex;
}

struct LiteralCase {
    const char* name;
    const char* text;
    const char* gbkHex;
};

TEST(Literals, AreStoredInGbk) {
    const LiteralCase cases[] = {
        {"kStagingFileSuffix", literal::kStagingFileSuffix, "2FB4FDB7A2CDBCC6AC2E626D70"},
        {"kOriginalPriceWord", literal::kOriginalPriceWord, "D4ADBCDB"},
        {"kCouponPriceWord", literal::kCouponPriceWord, "202020C8AFBAF3"},
        {"kCurrencyWord", literal::kCurrencyWord, "D4AA"},
        {"kCouponWord", literal::kCouponWord, "D3C5BBDDC8AFA3BA"},
        {"kOrderWord", literal::kOrderWord, "CFC2B5A5A3BA"},
        {"kComboWord", literal::kComboWord, "D3C5BBDDC8AFCFC2B5A5C1B4BDD3A3BA"},
        {"kNothingToSend", literal::kNothingToSend, "C7EBCCEED0B4CAFDBEDDBAF3C9FAB3C9A3A1"},
        {"kNothingToSendTitle", literal::kNothingToSendTitle, "CCE1CABE"},
        {"kBadCouponLink", literal::kBadCouponLink, "D3C5BBDDC8AFB5D8D6B7B8F1CABDB4EDCEF3A3A1"},
        {"kBadOrderLink", literal::kBadOrderLink, "CFC2B5A5B5D8D6B7B8F1CABDB4EDCEF3A3A1"},
        {"kErrorTitle", literal::kErrorTitle, "B4EDCEF3CCE1CABEA3A1"},
        {"kPictureNotSaved", literal::kPictureNotSaved, "CDBCC6ACB1A3B4E6CAA7B0DCA3BA"},
        {"kMessageNotOnClipboard", literal::kMessageNotOnClipboard,
         "CFFBCFA2C3BBD3D0B7C5B5BDBCF4CCF9B0E5C9CFA3BABCF4CCF9B0E5D5FDB1BBC6E4CBFBB3CCD0F2D5BCD3C3A3AC"
         "C7EBC9D4BAF3D4D9B5E3C9FAB3C9A1A3"},
        {"kHintNeutral", literal::kHintNeutral, "CCE1CABEA3BA"},
        {"kHintSeparateFromCoupon", literal::kHintSeparateFromCoupon,
         "CCE1CABEA3BABCECB2E2B5BDC9FAB3C9C0E0D0CDCEAAD3C5BBDDC8AF2BCFC2B5A5C1B4BDD3B7D6BFAAD0CDA3A1"},
        {"kHintSeparateFromOrder", literal::kHintSeparateFromOrder,
         "CCE1CABEA3BABCECB2E2B5BDC9FAB3C9C0E0D0CDCEAAD3C5BBDDC8AF2BCFC2B5A5C1B4BDD3A3A1"},
        {"kHintCombo", literal::kHintCombo,
         "CCE1CABEA3BABCECB2E2B5BDC9FAB3C9C0E0D0CDCEAAB6FEBACFD2BBD0CDA3A1"},
        {"kSeparator", literal::kSeparator,
         "2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D"},
        {"kLineEnd", literal::kLineEnd, "0D0A"},
    };
    for (const LiteralCase& c : cases) {
        EXPECT_EQ(hexOf(c.text), c.gbkHex) << c.name;
    }
}

}  // namespace
