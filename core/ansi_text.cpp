#include "core/ansi_text.h"

#include <algorithm>

namespace cp {
namespace {

bool isLeadByte(char c) { return static_cast<unsigned char>(c) >= 0x80; }

// Whether offset `at` begins a character, knowing that `from` (at or before it) does. The
// bytes of 0x80 or more right before `at` form a run that begins at a character start
// (at `from`, or after a byte below 0x80, which always ends a character) and pair up from
// there, so `at` begins a character exactly when that run is even.
bool startsCharacter(const AnsiText& text, std::size_t from, std::size_t at) {
    std::size_t run = 0;
    while (at - run > from && isLeadByte(text[at - run - 1])) ++run;
    return run % 2 == 0;
}

// The first character start at or after `from` (itself a character start) where a
// non-empty pattern occurs whole, or npos. A fast byte search proposes each match; one that
// falls on a trail byte is skipped, and the byte after that trail byte begins a character.
std::size_t findAtCharacterStart(const AnsiText& text, std::size_t from, const AnsiText& pattern) {
    for (std::size_t hit = text.find(pattern, from); hit != AnsiText::npos;
         hit = text.find(pattern, from)) {
        if (startsCharacter(text, from, hit)) return hit;
        from = hit + 1;
    }
    return AnsiText::npos;
}

}  // namespace

TextPos textLength(const AnsiText& text) { return static_cast<TextPos>(text.size()); }

bool isEmpty(const AnsiText& text) { return text.empty(); }

AnsiText concatText(const AnsiText& a, const AnsiText& b) {
    AnsiText out;
    out.reserve(a.size() + b.size());
    return out.append(a).append(b);
}

AnsiText concatText(const AnsiText& a, const AnsiText& b, const AnsiText& c) {
    AnsiText out;
    out.reserve(a.size() + b.size() + c.size());
    return out.append(a).append(b).append(c);
}

AnsiText concatText(const AnsiText& a, const AnsiText& b, const AnsiText& c, const AnsiText& d) {
    AnsiText out;
    out.reserve(a.size() + b.size() + c.size() + d.size());
    return out.append(a).append(b).append(c).append(d);
}

TextPos findText(const AnsiText& text, const AnsiText& pattern) {
    if (pattern.empty()) return text.empty() ? kNotFound : 1;
    const std::size_t hit = findAtCharacterStart(text, 0, pattern);
    return hit == AnsiText::npos ? kNotFound : static_cast<TextPos>(hit + 1);
}

AnsiText midText(const AnsiText& text, TextPos start, TextPos count) {
    const TextPos length = textLength(text);
    if (start < 1 || start > length || count <= 0) return AnsiText();
    return text.substr(static_cast<std::size_t>(start - 1),
                       static_cast<std::size_t>(std::min(count, length - start + 1)));
}

AnsiText replaceAll(const AnsiText& text, const AnsiText& pattern, const AnsiText& replacement) {
    if (text.empty() || pattern.empty()) return text;
    AnsiText out;
    out.reserve(text.size());
    std::size_t copiedUpTo = 0;  // bytes before this are in out already
    // After a match the scan goes on right behind it, as at a character start.
    for (std::size_t hit = findAtCharacterStart(text, 0, pattern); hit != AnsiText::npos;
         hit = findAtCharacterStart(text, copiedUpTo, pattern)) {
        out.append(text, copiedUpTo, hit - copiedUpTo).append(replacement);
        copiedUpTo = hit + pattern.size();
    }
    // Whatever is left, a lone lead byte at the very end included, is kept as it is.
    out.append(text, copiedUpTo, AnsiText::npos);
    return out;
}

AnsiText textBetween(const AnsiText& text, const AnsiText& start, const AnsiText& end) {
    const TextPos length = textLength(text);
    const TextPos a = findText(text, start);
    const AnsiText rest = midText(text, a + textLength(start), length);
    const TextPos b = findText(rest, end);
    return midText(rest, 1, b - 1);
}

void appendReplacingBytes(AnsiText& out, const AnsiText& text, const AnsiText& pattern,
                          const AnsiText& replacement) {
    if (pattern.empty()) {
        out.append(text);
        return;
    }
    std::size_t from = 0;
    for (std::size_t hit = text.find(pattern); hit != AnsiText::npos;
         hit = text.find(pattern, from)) {
        out.append(text, from, hit - from).append(replacement);
        from = hit + pattern.size();
    }
    out.append(text, from, AnsiText::npos);
}

AnsiText replaceBytes(const AnsiText& text, const AnsiText& pattern, const AnsiText& replacement) {
    AnsiText out;
    out.reserve(text.size());
    appendReplacingBytes(out, text, pattern, replacement);
    return out;
}

}  // namespace cp
