// Byte strings in the system ANSI code page (GBK on the systems the tool is made for)
// and the operations the composer and the link rules are built from.
// Positions are 1-based and -1 means "not found"; lengths count bytes.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace cp {

// Never holds a zero byte; an absent text is the empty text.
using AnsiText = std::string;
// The complete bytes of one BMP file, or empty for "no picture".
using ByteBlock = std::vector<unsigned char>;
using TextPos = std::ptrdiff_t;

inline constexpr TextPos kNotFound = -1;

TextPos textLength(const AnsiText& text);
bool isEmpty(const AnsiText& text);

AnsiText concatText(const AnsiText& a, const AnsiText& b);
AnsiText concatText(const AnsiText& a, const AnsiText& b, const AnsiText& c);
AnsiText concatText(const AnsiText& a, const AnsiText& b, const AnsiText& c, const AnsiText& d);

// First match at a character start; a match never begins on the trail byte of a
// two-byte character. An empty pattern is found at 1 in any non-empty text.
TextPos findText(const AnsiText& text, const AnsiText& pattern);

// Plain byte slice: may cut a two-byte character in half.
AnsiText midText(const AnsiText& text, TextPos start, TextPos count);

// Every non-overlapping match at a character start, left to right. No input byte is
// lost, not even a lone lead byte at the very end.
AnsiText replaceAll(const AnsiText& text, const AnsiText& pattern, const AnsiText& replacement);

// The bytes after the first start marker up to the next end marker. A missing start
// marker is not special-cased (the copy then begins at byte textLength(start) - 1),
// and a missing end marker gives the empty text; the link rules rely on both.
AnsiText textBetween(const AnsiText& text, const AnsiText& start, const AnsiText& end);

// Every occurrence of pattern as plain bytes, ignoring character starts. For markup,
// where a reader sees bytes, not characters.
AnsiText replaceBytes(const AnsiText& text, const AnsiText& pattern, const AnsiText& replacement);

// replaceBytes onto the end of out: a large text goes into a larger one without a copy of
// its own on the way.
void appendReplacingBytes(AnsiText& out, const AnsiText& text, const AnsiText& pattern,
                          const AnsiText& replacement);

}  // namespace cp
