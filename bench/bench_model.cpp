// The document model: typing into a large document.
#include "model/editor_buffer.h"
#include "model/editor_fonts.h"

#include <zeledit/headless.h>

#include <benchmark/benchmark.h>

#include <string>

namespace {

using zeledit::model::TEditorBuffer;
using zeledit::model::TEditorInfo;

// One character typed and deleted again in the middle of a 1,000,000-character document:
// each is one block move.
void TypeIntoMiddleOfMillionCharacters(benchmark::State& state) {
    TEditorInfo info;
    TEditorBuffer buffer(&info);
    std::u16string text;
    while (text.size() < 1'000'000) text += u"Một đoạn văn bản tiếng Việt, and some English.\r\n";
    text.resize(1'000'000);
    buffer.InsertChar(text.data(), 0, static_cast<std::uint32_t>(text.size()), 0);
    for (auto _ : state) {
        buffer.InsertChar(u"x", 1, 1, 500'000);
        buffer.DeleteChar(500'000, 1);
    }
    state.SetItemsProcessed(state.iterations() * 2);
}
BENCHMARK(TypeIntoMiddleOfMillionCharacters)->Unit(benchmark::kMicrosecond);

} // namespace

namespace {

// The table scans that walk a 1,000,000-character text once.
void FormatTableScansOverAMillionCharacters(benchmark::State& state) {
    using namespace zeledit::model;
    TEditorInfo info;
    TEditorBuffer buffer(&info);
    info.eiBuffers = &buffer;
    TEditorFonts fonts(&info);
    fonts.CreateDefaultFont();
    std::u16string text(1'000'000, u'x');
    for (std::size_t i = 80; i < text.size(); i += 81) text[i - 1] = u'\r', text[i] = u'\n';
    buffer.InsertChar(text.data(), 0, static_cast<std::uint32_t>(text.size()), 0);
    for (auto _ : state) {
        benchmark::DoNotOptimize(fonts.OtherUseFont(5));
        fonts.Append(new TFontItem(fonts.GetFormatItem(0)->FAttributes)); // a duplicate to merge
        fonts.RemoveSames();
    }
    state.SetItemsProcessed(state.iterations() * 2'000'000);
    info.eiBuffers = nullptr;
}
BENCHMARK(FormatTableScansOverAMillionCharacters)->Unit(benchmark::kMillisecond);

} // namespace
