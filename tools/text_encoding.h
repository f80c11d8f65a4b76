// Conversion between UTF-8 and the code page the composer works in (GBK).
#pragma once

#include <optional>
#include <string>

namespace cp::tools {

// Empty optional when the text is not UTF-8 or holds a character GBK lacks.
std::optional<std::string> utf8ToGbk(const std::string& utf8);
// Bytes that are no GBK character become U+FFFD, so nothing is silently dropped.
std::string gbkToUtf8(const std::string& gbk);
// The directory holding the running program, in the system's own narrow encoding.
std::string programDirectory();

}  // namespace cp::tools
