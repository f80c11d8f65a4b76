#include <gtest/gtest.h>

#include "core/ansi_text.h"

namespace {

using namespace cp;

// "\xB0\x69" is a two-byte GBK character whose trail byte is the letter i.
const AnsiText kTrailI = "\xB0\x69";

TEST(TextLength, CountsBytes) {
    EXPECT_EQ(textLength(""), 0);
    EXPECT_EQ(textLength("\xD4\xAD" "a"), 3);
    EXPECT_TRUE(isEmpty(""));
    EXPECT_FALSE(isEmpty(" "));
}

TEST(ConcatText, JoinsTwoToFourParts) {
    EXPECT_EQ(concatText("a", ""), "a");
    EXPECT_EQ(concatText("a", "b", "c"), "abc");
    EXPECT_EQ(concatText("", "b", "", "d"), "bd");
}

struct FindCase {
    const char* what;
    AnsiText text;
    AnsiText pattern;
    TextPos expected;
};

TEST(FindText, FollowsCharacterStarts) {
    const FindCase cases[] = {
        {"empty pattern in text", "abc", "", 1},
        {"empty pattern in empty text", "", "", -1},
        {"pattern in empty text", "", "a", -1},
        {"first of two matches", "xabab", "ab", 2},
        {"at the very start", "id=1", "id=", 1},
        {"at the very end", "xyz", "yz", 2},
        {"longer than the text", "ab", "abc", -1},
        {"case-sensitive", "ABC", "abc", -1},
        {"never on a trail byte", kTrailI + "d=5", "id=", -1},
        {"after a two-byte character", kTrailI + "id=5", "id=", 3},
        {"lead byte at the end still compared", "a\xB0", "\xB0", 2},
        {"lone lead byte at the end stops the search", "a\xB0", "b", -1},
        {"a pattern starting with a trail byte", "\xB0\x69\x69", "\x69", 3},
        {"odd run of lead bytes: the next byte is a trail byte", "\xB0\xB0\xB0\x61", "a", -1},
        {"even run of lead bytes: the next byte starts a character", "\xB0\xB0\x61", "a", 3},
        {"a match on a trail byte, then one at a character start", "x\xB0\xB0\xB0\x61\x61", "a",
         6},
        {"a longer pattern on a trail byte, then at a character start", kTrailI + "d=1&id=2",
         "id=", 7},
    };
    for (const FindCase& c : cases) EXPECT_EQ(findText(c.text, c.pattern), c.expected) << c.what;
}

struct MidCase {
    const char* what;
    TextPos start;
    TextPos count;
    AnsiText expected;
};

TEST(MidText, SlicesPlainBytes) {
    const AnsiText text = "abcdef";
    const MidCase cases[] = {
        {"inside", 2, 3, "bcd"},
        {"count past the end", 4, 100, "def"},
        {"last byte", 6, 1, "f"},
        {"start 0", 0, 3, ""},
        {"negative start", -1, 3, ""},
        {"start beyond the end", 7, 1, ""},
        {"count 0", 1, 0, ""},
        {"negative count", 1, -2, ""},
    };
    for (const MidCase& c : cases) EXPECT_EQ(midText(text, c.start, c.count), c.expected) << c.what;
    EXPECT_EQ(midText("\xD4\xAD", 2, 1), "\xAD") << "may cut a character in half";
}

struct ReplaceCase {
    const char* what;
    AnsiText text;
    AnsiText pattern;
    AnsiText replacement;
    AnsiText expected;
};

TEST(ReplaceAll, ReplacesEveryMatchAtCharacterStarts) {
    const ReplaceCase cases[] = {
        {"empty text", "", "a", "b", ""},
        {"empty pattern", "abc", "", "x", "abc"},
        {"three equal bytes, two-byte pattern", "aaa", "aa", "b", "ba"},
        {"longer replacement at every match", "a-a-a", "a", "<a>", "<a>-<a>-<a>"},
        {"replacement empty", "a.b.c", ".", "", "abc"},
        {"no match", "abc", "x", "y", "abc"},
        {"trail byte is not a match start", kTrailI + "i", "i", "I", kTrailI + "I"},
        {"tail shorter than the pattern kept", "abab" "x", "ab", "", "x"},
        {"lone lead byte at the end kept", "a\xB0", "a", "b", "b\xB0"},
        {"lone lead byte, one-byte pattern, kept", "ab\xB0", "x", "y", "ab\xB0"},
        {"lead byte at the end replaced when it matches", "a\xB0", "\xB0", "z", "az"},
        {"whole text", "abc", "abc", "", ""},
        {"a match on a trail byte kept, the one after it replaced", "\xB0\xB0\xB0\x61\x61", "a",
         "b", "\xB0\xB0\xB0\x61\x62"},
    };
    for (const ReplaceCase& c : cases) {
        EXPECT_EQ(replaceAll(c.text, c.pattern, c.replacement), c.expected) << c.what;
    }
}

TEST(AppendReplacingBytes, WritesOntoTheEndOfWhatIsThere) {
    AnsiText out = "<x>";
    appendReplacingBytes(out, "a]]>b]]>", "]]>", "]]]]><![CDATA[>");
    EXPECT_EQ(out, "<x>a]]]]><![CDATA[>b]]]]><![CDATA[>");
    appendReplacingBytes(out, "c", "", "-");
    EXPECT_EQ(out, "<x>a]]]]><![CDATA[>b]]]]><![CDATA[>c");
}

TEST(ReplaceBytes, IgnoresCharacterStarts) {
    // A reader of markup sees "]]>" at byte 2, inside what GBK calls one character.
    EXPECT_EQ(replaceBytes("\x81]]>", "]]>", "X"), "\x81X");
    EXPECT_EQ(replaceBytes("]]>]]>", "]]>", "-"), "--");
    EXPECT_EQ(replaceBytes("abc", "", "-"), "abc");
}

struct BetweenCase {
    const char* what;
    AnsiText text;
    AnsiText start;
    AnsiText end;
    AnsiText expected;
};

TEST(TextBetween, KeepsItsEdgeBehaviour) {
    const BetweenCase cases[] = {
        {"value between markers", "a=1&id=42&b=2", "id=", "&", "42"},
        {"value is the last parameter", "a=1&id=42", "id=", "&", ""},
        {"no start marker: copy from byte 2", "xyz&w", "id=", "&", "yz"},
        {"end marker right after start", "id=&x", "id=", "&", ""},
        {"host between scheme and path", "https://detail.tmall.com/item.htm?a", "https://",
         ".com/item.htm?", "detail.tmall"},
        {"no https: copy from byte 7", "http://item.taobao.com/item.htm?a", "https://",
         ".com/item.htm?", "/item.taobao"},
        {"empty text", "", "id=", "&", ""},
    };
    for (const BetweenCase& c : cases) {
        EXPECT_EQ(textBetween(c.text, c.start, c.end), c.expected) << c.what;
    }
}

}  // namespace
