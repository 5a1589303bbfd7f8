// Vietnamese typing at a keystroke's cost: a paragraph of 10,000 words typed key by key in
// Telex with the tone placed by syllable, against the same composed text typed directly, in
// the same run. The counter key_us is the time per keystroke.
#include <zeledit/zeledit.h>

#include <benchmark/benchmark.h>

#include <string>
#include <utility>

namespace {

using namespace zeledit;

// Telex keys and the word they give.
constexpr std::pair<std::u16string_view, std::u16string_view> Words[] = {
    {u"Tieengs", u"Tiếng"}, {u"Vieetj", u"Việt"}, {u"nguowif", u"người"}, {u"ddaats", u"đất"},
    {u"hoaf", u"hoà"},      {u"xin", u"xin"},     {u"chaof", u"chào"},    {u"truwowngf", u"trường"},
    {u"hocj", u"học"},      {u"nuowcs", u"nước"}, {u"thuys", u"thuý"},    {u"muoons", u"muốn"},
};
constexpr int WordCount = 10'000;

std::u16string Paragraph(bool keys) {
    std::u16string out;
    for (int i = 0; i < WordCount; ++i) {
        const auto& [telex, word] = Words[static_cast<std::size_t>(i) % std::size(Words)];
        out += keys ? telex : word;
        out += u' ';
    }
    return out;
}

void TypeParagraph(benchmark::State& state, bool telex) {
    InitEditorLib();
    if (telex) LoadAccentTable((std::u16string(GetAccentTableFolder()) + u"/telex.tbl").c_str());
    const std::u16string keys = Paragraph(telex), expected = Paragraph(false);
    HWND editor = CreateWindowExW(0, FormattedEditorClassName, u"", WS_VISIBLE, 0, 0, 610, 800, nullptr,
                                  nullptr, nullptr, nullptr);
    SendMessageW(editor, EFM_ENABLEVIETKEY, telex ? 1 : 0, 0);
    SendMessageW(editor, EFM_SETTONEPLACEMENT, telex ? 1 : 0, 0);
    for (auto _ : state) {
        state.PauseTiming();
        SendMessageW(editor, EFM_CLEARTEXT, 0, 0);
        state.ResumeTiming();
        for (char16_t key : keys) SendMessageW(editor, WM_CHAR, key, 0);
    }
    const auto* text = reinterpret_cast<const char16_t*>(SendMessageW(editor, EFM_GETTEXTBUFFER, 0, 0));
    if (std::u16string_view(text) != expected) state.SkipWithError("the paragraph came out otherwise");
    state.counters["key_us"] =
        benchmark::Counter(static_cast<double>(keys.size()) * 1e-6,
                           benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
    DestroyWindow(editor);
    LoadAccentTable((std::u16string(GetAccentTableFolder()) + u"/vni.tbl").c_str());
}

void BM_TypeTelexByKeys(benchmark::State& state) { TypeParagraph(state, true); }
void BM_TypeComposedText(benchmark::State& state) { TypeParagraph(state, false); }
BENCHMARK(BM_TypeTelexByKeys)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TypeComposedText)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace
