// The text primitives on arbitrary bytes. An input is zero-separated fields: text, pattern,
// replacement, then a start position and a byte count for midText as decimal numbers.
#include <algorithm>
#include <cstdint>
#include <cstdlib>

#include "core/ansi_text.h"
#include "tests/fuzz/fuzz_input.h"

namespace {

using namespace cp;
using fuzz::require;

TextPos firstMatchAtCharacterStart(const AnsiText& text, const AnsiText& pattern) {
    for (std::size_t start : fuzz::characterStarts(text)) {
        if (fuzz::occursAt(text, start, pattern)) return static_cast<TextPos>(start + 1);
    }
    return kNotFound;
}

void checkFindText(const AnsiText& text, const AnsiText& pattern) {
    const TextPos found = findText(text, pattern);
    if (found != kNotFound) {
        require(found >= 1 && fuzz::occursAt(text, static_cast<std::size_t>(found - 1), pattern),
                "findText reports a position where the pattern does not occur");
    }
    require(found == firstMatchAtCharacterStart(text, pattern),
            "findText is not the first match at a character start");
}

void checkMidText(const AnsiText& text, TextPos start, TextPos count) {
    const AnsiText slice = midText(text, start, count);
    const TextPos length = textLength(text);
    if (start < 1 || start > length || count <= 0) {
        require(slice.empty(), "midText out of range is not empty");
        return;
    }
    const TextPos expected = std::min(count, length - start + 1);
    require(textLength(slice) == expected, "midText has the wrong length");
    require(text.compare(static_cast<std::size_t>(start - 1), slice.size(), slice) == 0,
            "midText is not the bytes at the start position");
}

// The same text cut by successive findText calls: a scan that resumes after a match
// keeps stepping through the same characters, so both must agree byte for byte.
AnsiText replacedMatchByMatch(const AnsiText& text, const AnsiText& pattern,
                              const AnsiText& replacement) {
    if (pattern.empty()) return text;
    AnsiText out;
    AnsiText rest = text;
    for (TextPos at = findText(rest, pattern); at != kNotFound; at = findText(rest, pattern)) {
        out.append(rest, 0, static_cast<std::size_t>(at - 1)).append(replacement);
        rest.erase(0, static_cast<std::size_t>(at - 1) + pattern.size());
    }
    return out.append(rest);
}

void checkReplaceAll(const AnsiText& text, const AnsiText& pattern, const AnsiText& replacement) {
    const AnsiText replaced = replaceAll(text, pattern, replacement);
    if (findText(text, pattern) == kNotFound || pattern.empty()) {
        require(replaced == text, "replaceAll without a match changed the text");
    }
    require(replaceAll(text, pattern, pattern) == text,
            "replaceAll with the pattern itself is not the identity");
    require(replaced == replacedMatchByMatch(text, pattern, replacement),
            "replaceAll disagrees with findText on the matches");
}

void checkTextBetween(const AnsiText& text, const AnsiText& start, const AnsiText& end) {
    const AnsiText between = textBetween(text, start, end);
    if (between.empty()) return;
    require(text.find(between + end) != AnsiText::npos,
            "textBetween does not stop right before an end marker");
    require(findText(between, end) == kNotFound, "textBetween runs past an end marker");
    if (findText(text, start) != kNotFound) {
        require(text.find(start + between + end) != AnsiText::npos,
                "textBetween does not begin right after the start marker");
    }
}

std::size_t countBytewise(const AnsiText& text, const AnsiText& pattern) {
    std::size_t count = 0;
    for (std::size_t at = text.find(pattern); at != AnsiText::npos;
         at = text.find(pattern, at + pattern.size())) {
        ++count;
    }
    return count;
}

void checkReplaceBytes(const AnsiText& text, const AnsiText& pattern, const AnsiText& replacement) {
    require(replaceBytes(text, pattern, pattern) == text,
            "replaceBytes with the pattern itself is not the identity");
    if (pattern.empty()) return;
    const AnsiText replaced = replaceBytes(text, pattern, replacement);
    const std::size_t matches = countBytewise(text, pattern);
    require(
        replaced.size() + matches * pattern.size() == text.size() + matches * replacement.size(),
        "replaceBytes lost or gained bytes");
    if (matches == 0) require(replaced == text, "replaceBytes without a match changed the text");
}

void checkConcatText(const AnsiText& a, const AnsiText& b, const AnsiText& c) {
    const AnsiText joined = concatText(a, b, c, a);
    require(textLength(joined) == 2 * textLength(a) + textLength(b) + textLength(c),
            "concatText lost or gained bytes");
    require(midText(joined, textLength(a) + 1, textLength(b)) == b,
            "concatText did not keep the order of its parts");
}

TextPos number(const AnsiText& digits) {
    return static_cast<TextPos>(std::strtoll(digits.c_str(), nullptr, 10));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::vector<AnsiText> field = fuzz::splitFields(data, size, 5);
    const AnsiText& text = field[0];
    const AnsiText& pattern = field[1];
    const AnsiText& replacement = field[2];

    checkFindText(text, pattern);
    checkFindText(text, replacement);
    checkMidText(text, number(field[3]), number(field[4]));
    checkReplaceAll(text, pattern, replacement);
    checkTextBetween(text, pattern, replacement);
    checkReplaceBytes(text, pattern, replacement);
    checkConcatText(text, pattern, replacement);
    return 0;
}
