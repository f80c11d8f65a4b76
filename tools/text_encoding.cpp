#include "tools/text_encoding.h"

#include "core/paths.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <iconv.h>
#include <unistd.h>

#include <cerrno>
#endif

namespace cp::tools {

#ifdef _WIN32

namespace {

constexpr UINT kGbk = 936;

std::wstring widen(UINT codePage, DWORD flags, const std::string& text, bool& ok) {
    ok = true;
    if (text.empty()) return std::wstring();
    const int size = static_cast<int>(text.size());
    const int wide = MultiByteToWideChar(codePage, flags, text.data(), size, nullptr, 0);
    if (wide <= 0) {
        ok = false;
        return std::wstring();
    }
    std::wstring out(static_cast<std::size_t>(wide), L'\0');
    MultiByteToWideChar(codePage, flags, text.data(), size, out.data(), wide);
    return out;
}

std::string narrow(UINT codePage, const std::wstring& text, bool& ok) {
    if (text.empty()) return std::string();
    const int size = static_cast<int>(text.size());
    BOOL lossy = FALSE;
    BOOL* lossyOut = codePage == CP_UTF8 ? nullptr : &lossy;
    const DWORD flags = codePage == CP_UTF8 ? 0 : WC_NO_BEST_FIT_CHARS;
    const int bytes =
        WideCharToMultiByte(codePage, flags, text.data(), size, nullptr, 0, nullptr, lossyOut);
    std::string out(static_cast<std::size_t>(bytes > 0 ? bytes : 0), '\0');
    WideCharToMultiByte(codePage, flags, text.data(), size, out.data(), bytes, nullptr, lossyOut);
    ok = bytes > 0 && !lossy;
    return out;
}

}  // namespace

std::optional<std::string> utf8ToGbk(const std::string& utf8) {
    bool ok = false;
    const std::wstring wide = widen(CP_UTF8, MB_ERR_INVALID_CHARS, utf8, ok);
    if (!ok) return std::nullopt;
    std::string gbk = narrow(kGbk, wide, ok);
    if (!ok && !utf8.empty()) return std::nullopt;
    return gbk;
}

std::string gbkToUtf8(const std::string& gbk) {
    bool ok = false;
    return narrow(CP_UTF8, widen(kGbk, 0, gbk, ok), ok);
}

std::string programDirectory() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    return parentDirectory(path, '\\');
}

#else

namespace {

class Converter {
public:
    Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
    ~Converter() {
        if (valid()) iconv_close(cd_);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    bool valid() const { return cd_ != reinterpret_cast<iconv_t>(-1); }

    // Converts as much as it can; returns false at the first byte it cannot take,
    // leaving `in` pointing at it.
    bool run(char*& in, std::size_t& inLeft, std::string& out) {
        char buffer[4096];
        while (inLeft > 0) {
            char* to = buffer;
            std::size_t toLeft = sizeof buffer;
            const std::size_t done = iconv(cd_, &in, &inLeft, &to, &toLeft);
            out.append(buffer, static_cast<std::size_t>(to - buffer));
            if (done == static_cast<std::size_t>(-1) && errno != E2BIG) return false;
        }
        return true;
    }

private:
    iconv_t cd_;
};

}  // namespace

std::optional<std::string> utf8ToGbk(const std::string& utf8) {
    Converter converter("CP936", "UTF-8");
    if (!converter.valid()) return std::nullopt;
    std::string input = utf8;
    char* in = input.data();
    std::size_t left = input.size();
    std::string out;
    if (!converter.run(in, left, out)) return std::nullopt;
    return out;
}

std::string gbkToUtf8(const std::string& gbk) {
    Converter converter("UTF-8", "CP936");
    std::string input = gbk;
    char* in = input.data();
    std::size_t left = input.size();
    std::string out;
    while (converter.valid() && !converter.run(in, left, out)) {
        out.append("\xEF\xBF\xBD");  // U+FFFD for the byte GBK cannot read
        ++in;
        --left;
    }
    return out;
}

std::string programDirectory() {
    char path[4096];
    const ssize_t length = readlink("/proc/self/exe", path, sizeof path - 1);
    if (length <= 0) return std::string(".");
    // Linux paths are UTF-8 or plain bytes, not GBK: a plain byte search is right here.
    const std::string self(path, static_cast<std::size_t>(length));
    return self.substr(0, self.rfind('/'));
}

#endif

}  // namespace cp::tools
