// What the fuzz targets share: how an input becomes the tool's texts, and how a broken
// property is reported (libFuzzer keeps the input that made the target abort).
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "core/ansi_text.h"

namespace cp::fuzz {

// A text never holds a zero byte, so zero bytes separate the fields of an input. Fields
// the input does not reach are empty, like an empty edit box.
inline std::vector<AnsiText> splitFields(const std::uint8_t* data, std::size_t size,
                                         std::size_t count) {
    std::vector<AnsiText> fields(count);
    std::size_t field = 0;
    for (std::size_t i = 0; i < size && field < count; ++i) {
        if (data[i] == 0) {
            ++field;
        } else {
            fields[field].push_back(static_cast<char>(data[i]));
        }
    }
    return fields;
}

inline void require(bool holds, const char* property) {
    if (holds) return;
    std::fprintf(stderr, "property broken: %s\n", property);
    std::abort();
}

// Byte offsets at which a character begins: a byte of 0x80 or more takes the next byte
// with it, as the tool's searches step through GBK text.
inline std::vector<std::size_t> characterStarts(const AnsiText& text) {
    std::vector<std::size_t> starts;
    for (std::size_t at = 0; at < text.size();) {
        starts.push_back(at);
        at += static_cast<unsigned char>(text[at]) >= 0x80 ? 2 : 1;
    }
    return starts;
}

inline bool occursAt(const AnsiText& text, std::size_t at, const AnsiText& pattern) {
    return at + pattern.size() <= text.size() && text.compare(at, pattern.size(), pattern) == 0;
}

}  // namespace cp::fuzz
