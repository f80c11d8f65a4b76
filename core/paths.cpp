#include "core/paths.h"

namespace cp {

AnsiText parentDirectory(const AnsiText& path, char separator) {
    std::size_t lastSeparator = AnsiText::npos;
    for (std::size_t at = 0; at < path.size();) {
        const auto byte = static_cast<unsigned char>(path[at]);
        if (byte == static_cast<unsigned char>(separator)) lastSeparator = at;
        at += (byte >= 0x80) ? 2 : 1;
    }
    return lastSeparator == AnsiText::npos ? AnsiText() : path.substr(0, lastSeparator);
}

}  // namespace cp
