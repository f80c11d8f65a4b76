// How long generating a message takes, from a form as the tool's users fill it to one with
// a megabyte of copy text and 64 KiB links. Each case has a floor measured in the same run:
// writing the same number of output bytes with plain string appends. scripts/bench reports
// every case as a ratio to its floor; a case named NAME/ARGS has its floor in
// NAME_floor/ARGS, and its label names the ratio it must stay within.
#include <benchmark/benchmark.h>

#include <cstddef>
#include <cstdint>
#include <string>

#include "core/composer.h"
#include "core/link_rules.h"

namespace {

using namespace cp;

// "夏季新款纯棉短袖T恤男宽松圆领半袖上衣"
constexpr char kTitle[] =
    "\xCF\xC4\xBC\xBE\xD0\xC2\xBF\xEE\xB4\xBF\xC3\xDE\xB6\xCC\xD0\xE4T\xD0\xF4\xC4\xD0\xBF\xED"
    "\xCB\xC9\xD4\xB2\xC1\xEC\xB0\xEB\xD0\xE4\xC9\xCF\xD2\xC2";
// "纯棉面料，透气舒适，领券立减五十元！"
constexpr char kCopyLine[] =
    "\xB4\xBF\xC3\xDE\xC3\xE6\xC1\xCF\xA3\xAC\xCD\xB8\xC6\xF8\xCA\xE6\xCA\xCA\xA3\xAC\xC1\xEC"
    "\xC8\xAF\xC1\xA2\xBC\xF5\xCE\xE5\xCA\xAE\xD4\xAA\xA3\xA1\r\n";
// "C:\Users\推广\CouponPaste"
constexpr char kRunDirectory[] = "C:\\Users\\\xCD\xC6\xB9\xE3\\CouponPaste";

// The read-out box: it keeps what it is given, as the window's edit box does.
class ReadOutBox : public PreviewSink, public NoticeBox {
  public:
    void clear() override { text.clear(); }
    void append(const AnsiText& more) override { text += more; }
    void show(const AnsiText&, const AnsiText&) override { ++notices; }

    AnsiText text;
    int notices = 0;
};

AnsiText repeatedTo(const AnsiText& piece, std::size_t size) {
    AnsiText out;
    out.reserve(size + piece.size());
    while (out.size() < size) out += piece;
    out.resize(size);
    return out;
}

// A query string of the given length, as trackers make them: many short parameters.
AnsiText trackingQuery(std::size_t size) {
    return repeatedTo("&spm=a230r.1.14.1&pvid=3f2a9c&scm=1007.13982.82927.0", size);
}

ComposerInput everydayForm() {
    ComposerInput in;
    in.hasPicture = true;
    in.title = kTitle;
    in.originalPrice = "129";
    in.couponPrice = "79";
    in.couponLink = couponClaimLink() + "?sellerId=2200713958888&activityId=8f3c2a1b4d5e6f70";
    in.orderLink = mallItemPrefix() + "spm=a220m.1000858.1000725.1&id=612345678901" +
                   trackingQuery(180) + "&skuId=4567890123456";
    in.copyText = repeatedTo(kCopyLine, 400);
    return in;
}

// Links grow with the copy text (64 KiB links with 1 MiB of copy text), so every part of
// the work scales with the size and the time should grow in proportion to it.
ComposerInput largeForm(std::size_t copyTextSize) {
    const std::size_t linkSize = copyTextSize / 16;
    ComposerInput in = everydayForm();
    in.couponLink = couponClaimLink() + "?sellerId=1" + trackingQuery(linkSize);
    in.orderLink = mallItemPrefix() + "id=612345678901" + trackingQuery(linkSize);
    in.copyText = repeatedTo(kCopyLine, copyTextSize);
    return in;
}

std::size_t inputBytes(const ComposerInput& in) {
    return in.title.size() + in.originalPrice.size() + in.couponPrice.size() +
           in.couponLink.size() + in.orderLink.size() + in.comboLink.size() + in.copyText.size();
}

void runComposer(benchmark::State& state, const ComposerInput& in) {
    ReadOutBox box;
    std::size_t written = 0;
    for (auto _ : state) {
        const AnsiText document = composeMessage(in, kRunDirectory, box, box);
        benchmark::DoNotOptimize(document.data());
        written = document.size() + box.text.size();
    }
    if (box.notices != 0) state.SkipWithError("the form was refused");
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * written));
}

// The least any composer must do: write every byte of the document and the preview once.
void runFloor(benchmark::State& state, const ComposerInput& in) {
    ReadOutBox box;
    const AnsiText document = composeMessage(in, kRunDirectory, box, box);
    const AnsiText source = document + box.text;
    for (auto _ : state) {
        AnsiText documentCopy;
        AnsiText previewCopy;
        documentCopy.append(source, 0, document.size());
        previewCopy.append(source, document.size(), AnsiText::npos);
        benchmark::DoNotOptimize(documentCopy.data());
        benchmark::DoNotOptimize(previewCopy.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * source.size()));
}

void composeEverydayForm(benchmark::State& state) {
    runComposer(state, everydayForm());
    state.SetLabel("goal ratio<=40");
}
void composeEverydayForm_floor(benchmark::State& state) {
    runFloor(state, everydayForm());
}

void composeLargeCopyText(benchmark::State& state) {
    const ComposerInput in = largeForm(static_cast<std::size_t>(state.range(0)));
    runComposer(state, in);
    state.SetComplexityN(static_cast<std::int64_t>(inputBytes(in)));
    state.SetLabel("goal ratio<=4");
}
void composeLargeCopyText_floor(benchmark::State& state) {
    runFloor(state, largeForm(static_cast<std::size_t>(state.range(0))));
}

constexpr int kKiB = 1024;

}  // namespace

BENCHMARK(composeEverydayForm);
BENCHMARK(composeEverydayForm_floor);
BENCHMARK(composeLargeCopyText)
    ->Arg(64 * kKiB)
    ->Arg(256 * kKiB)
    ->Arg(1024 * kKiB)
    ->Complexity(benchmark::oN);
BENCHMARK(composeLargeCopyText_floor)->Arg(64 * kKiB)->Arg(256 * kKiB)->Arg(1024 * kKiB);

BENCHMARK_MAIN();
