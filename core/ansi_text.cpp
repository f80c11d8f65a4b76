#include "core/ansi_text.h"

#include <algorithm>
#include <cstring>

namespace cp {
namespace {

bool isLeadByte(char c) { return static_cast<unsigned char>(c) >= 0x80; }

bool matchesAt(const AnsiText& text, std::size_t at, const AnsiText& pattern) {
    return text.compare(at, pattern.size(), pattern) == 0;
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
    const std::size_t length = text.size();
    const std::size_t patternLength = pattern.size();
    if (patternLength == 0) return length == 0 ? kNotFound : 1;
    std::size_t at = 0;
    while (length - at >= patternLength) {
        if (text[at] == pattern[0] && matchesAt(text, at, pattern)) {
            return static_cast<TextPos>(at + 1);
        }
        if (isLeadByte(text[at])) {
            if (at + 1 == length) return kNotFound;
            at += 2;
        } else {
            at += 1;
        }
    }
    return kNotFound;
}

AnsiText midText(const AnsiText& text, TextPos start, TextPos count) {
    const TextPos length = textLength(text);
    if (start < 1 || start > length || count <= 0) return AnsiText();
    return text.substr(static_cast<std::size_t>(start - 1),
                       static_cast<std::size_t>(std::min(count, length - start + 1)));
}

AnsiText replaceAll(const AnsiText& text, const AnsiText& pattern, const AnsiText& replacement) {
    if (text.empty() || pattern.empty()) return text;
    const std::size_t length = text.size();
    const std::size_t patternLength = pattern.size();
    AnsiText out;
    out.reserve(length);
    std::size_t at = 0;
    std::size_t copiedUpTo = 0;  // bytes before this are in out already
    while (at < length && length - at >= patternLength) {
        if (text[at] == pattern[0] && matchesAt(text, at, pattern)) {
            out.append(text, copiedUpTo, at - copiedUpTo).append(replacement);
            at += patternLength;
            copiedUpTo = at;
        } else {
            at += isLeadByte(text[at]) ? 2 : 1;
        }
    }
    // Whatever is left, a lone lead byte at the very end included, is kept as it is.
    out.append(text, std::min(copiedUpTo, length), AnsiText::npos);
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
