// couponpaste-compose: runs the tool's composer on values given on the command line and
// writes the preview and the rich-edit document, byte for byte as the tool makes them.
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iostream>
#include <map>
#include <optional>
#include <string>

#include "core/composer.h"
#include "core/hints.h"
#include "tools/text_encoding.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

namespace {

constexpr int kProduced = 0;
constexpr int kRefused = 1;
constexpr int kBadUsage = 2;
constexpr int kNotWritten = 3;

constexpr char kUsage[] =
    "usage: couponpaste-compose [options]\n"
    "  --picture               the form holds a picture\n"
    "  --run-dir DIR           directory the picture path is built from\n"
    "                          (default: this program's directory)\n"
    "  --title T  --original-price T  --coupon-price T\n"
    "  --coupon-link T  --order-link T  --combo-link T  --copy-text T\n"
    "                          the form's fields, taken byte for byte\n"
    "  --preview FILE          write the preview text to FILE\n"
    "  --payload FILE          write the document to FILE (default: standard output)\n"
    "  --hint coupon|order|combo\n"
    "                          print the hint caption for that box and nothing else\n"
    "  --utf8                  values are UTF-8, and so is every output\n"
    "                          (default: GBK bytes both ways)\n"
    "exit status: 0 document produced, 1 refused (title and text on standard error),\n"
    "2 bad usage, 3 an output could not be written\n";

struct Options {
    cp::ComposerInput input;
    std::optional<std::string> runDirectory;
    std::optional<std::string> previewFile;
    std::optional<std::string> payloadFile;
    std::optional<std::string> hintBox;
    bool utf8 = false;
};

class StringPreview : public cp::PreviewSink {
public:
    void clear() override { text.clear(); }
    void append(const cp::AnsiText& more) override { text += more; }
    std::string text;
};

class RecordedNotice : public cp::NoticeBox {
public:
    void show(const cp::AnsiText& text, const cp::AnsiText& title) override {
        shown = title + ": " + text;
    }
    std::optional<std::string> shown;
};

int badUsage(const std::string& why) {
    std::cerr << "couponpaste-compose: " << why << "\n" << kUsage;
    return kBadUsage;
}

// Returns an error text, or nothing when the arguments were understood.
std::optional<std::string> parseArguments(int argc, char** argv, Options& options) {
    cp::ComposerInput& in = options.input;
    const std::map<std::string, std::string*> fields = {
        {"--title", &in.title},           {"--original-price", &in.originalPrice},
        {"--coupon-price", &in.couponPrice}, {"--coupon-link", &in.couponLink},
        {"--order-link", &in.orderLink},  {"--combo-link", &in.comboLink},
        {"--copy-text", &in.copyText},
    };
    const std::map<std::string, std::optional<std::string>*> settings = {
        {"--run-dir", &options.runDirectory},
        {"--preview", &options.previewFile},
        {"--payload", &options.payloadFile},
        {"--hint", &options.hintBox},
    };
    for (int i = 1; i < argc; ++i) {
        const std::string name = argv[i];
        if (name == "--picture") {
            in.hasPicture = true;
            continue;
        }
        if (name == "--utf8") {
            options.utf8 = true;
            continue;
        }
        const auto field = fields.find(name);
        const auto setting = settings.find(name);
        if (field == fields.end() && setting == settings.end()) {
            return "unknown option " + name;
        }
        if (i + 1 >= argc) return name + " needs a value";
        const std::string value = argv[++i];
        if (field != fields.end()) {
            *field->second = value;
        } else {
            *setting->second = value;
        }
    }
    if (options.hintBox && *options.hintBox != "coupon" && *options.hintBox != "order" &&
        *options.hintBox != "combo") {
        return "--hint takes coupon, order or combo";
    }
    return std::nullopt;
}

// In --utf8 mode, every value goes to GBK before the composer sees it.
std::optional<std::string> convertValuesToGbk(Options& options) {
    cp::ComposerInput& in = options.input;
    for (std::string* value : {&in.title, &in.originalPrice, &in.couponPrice, &in.couponLink,
                               &in.orderLink, &in.comboLink, &in.copyText}) {
        std::optional<std::string> gbk = cp::tools::utf8ToGbk(*value);
        if (!gbk) return "a value is not UTF-8 or has no GBK form: " + *value;
        *value = std::move(*gbk);
    }
    if (options.runDirectory) {
        std::optional<std::string> gbk = cp::tools::utf8ToGbk(*options.runDirectory);
        if (!gbk) return "--run-dir is not UTF-8 or has no GBK form";
        options.runDirectory = std::move(*gbk);
    }
    return std::nullopt;
}

bool writeFile(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
}

bool writeStandardOutput(const std::string& bytes) {
#ifdef _WIN32
    _setmode(_fileno(stdout), _O_BINARY);
#endif
    return std::fwrite(bytes.data(), 1, bytes.size(), stdout) == bytes.size() &&
           std::fflush(stdout) == 0;
}

std::string hintFor(const Options& options) {
    const cp::ComposerInput& in = options.input;
    if (*options.hintBox == "coupon") {
        return cp::hintForCouponBox(in.couponLink, in.orderLink, in.comboLink);
    }
    if (*options.hintBox == "order") {
        return cp::hintForOrderBox(in.couponLink, in.orderLink, in.comboLink);
    }
    return cp::hintForComboBox(in.couponLink, in.orderLink, in.comboLink);
}

}  // namespace

int main(int argc, char** argv) {
    Options options;
    if (const auto error = parseArguments(argc, argv, options)) return badUsage(*error);
    if (options.utf8) {
        if (const auto error = convertValuesToGbk(options)) return badUsage(*error);
    }
    const auto output = [&options](const std::string& gbk) {
        return options.utf8 ? cp::tools::gbkToUtf8(gbk) : gbk;
    };

    if (options.hintBox) {
        return writeStandardOutput(output(hintFor(options))) ? kProduced : kNotWritten;
    }

    const std::string runDirectory = options.runDirectory.value_or(
        options.utf8 ? cp::tools::utf8ToGbk(cp::tools::programDirectory()).value_or("")
                     : cp::tools::programDirectory());
    StringPreview preview;
    RecordedNotice notice;
    const std::string payload = cp::composeMessage(options.input, runDirectory, preview, notice);

    bool written = true;
    if (options.previewFile) written = writeFile(*options.previewFile, output(preview.text));
    const std::string document = output(payload);
    written = (options.payloadFile ? writeFile(*options.payloadFile, document)
                                   : writeStandardOutput(document)) &&
              written;
    if (!written) {
        std::cerr << "couponpaste-compose: could not write an output\n";
        return kNotWritten;
    }
    if (payload.empty()) {
        std::cerr << output(notice.shown.value_or("")) << "\n";
        return kRefused;
    }
    return kProduced;
}
