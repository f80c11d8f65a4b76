#include <gtest/gtest.h>

#include "core/paths.h"

namespace {

using namespace cp;

struct ParentCase {
    const char* what;
    AnsiText path;
    AnsiText expected;
};

TEST(ParentDirectory, CutsAtTheLastRealBackslash) {
    const ParentCase cases[] = {
        {"ordinary", "C:\\tools\\CouponPaste.exe", "C:\\tools"},
        {"root of a drive", "C:\\CouponPaste.exe", "C:"},
        {"no backslash", "CouponPaste.exe", ""},
        {"empty", "", ""},
        // \xB1\x5C is one GBK character whose trail byte is a backslash.
        {"GBK trail byte 0x5C", "C:\\\xB1\x5C\\a.exe", "C:\\\xB1\x5C"},
        {"GBK trail byte 0x5C last", "C:\\d\xB1\x5C" "a.exe", "C:"},
        {"lone lead byte at the end", "C:\\a\\\xB1", "C:\\a"},
    };
    for (const ParentCase& c : cases) EXPECT_EQ(parentDirectory(c.path), c.expected) << c.what;
    EXPECT_EQ(parentDirectory("/usr/bin/tool", '/'), "/usr/bin");
}

}  // namespace
