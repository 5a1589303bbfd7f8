// Text measuring and drawing: the per-character look-up the layout depends on, and a
// window full of mixed-format text as the editor paints it.
#include <zeledit/headless.h>
#include <zeledit/windows.h>

#include "platform/gdi/device_context.h"
#include "platform/gdi/fonts/real_font.h"

#include <benchmark/benchmark.h>

#include <array>
#include <cstring>
#include <string>

namespace {

HFONT make_font(const char16_t* face, int height, bool bold, bool italic, bool underline) {
    LOGFONTW lf{};
    lf.lfHeight = height;
    lf.lfWeight = bold ? FW_BOLD : FW_NORMAL;
    lf.lfItalic = italic;
    lf.lfUnderline = underline;
    std::memcpy(lf.lfFaceName, face, (std::char_traits<char16_t>::length(face) + 1) * sizeof(char16_t));
    return CreateFontIndirectW(&lf);
}

std::u16string sample_text(std::size_t n) {
    const std::u16string words = u"Văn bản tiếng Việt có dấu, and some English words too. ";
    std::u16string s;
    while (s.size() < n) s += words;
    s.resize(n);
    return s;
}

void MeasureCharactersOfACachedFont(benchmark::State& state) {
    HDC dc = GetDC(nullptr);
    HFONT font = make_font(u"Times New Roman", -15, false, false, false);
    SelectObject(dc, font);
    const std::u16string text = sample_text(4096);
    SIZE size;
    for (auto _ : state) {
        GetTextExtentPoint32W(dc, text.data(), static_cast<int>(text.size()), &size);
        benchmark::DoNotOptimize(size);
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(text.size()));
    SelectObject(dc, GetStockObject(SYSTEM_FONT));
    DeleteObject(font);
    ReleaseDC(nullptr, dc);
}
BENCHMARK(MeasureCharactersOfACachedFont);

void AdvanceLookUp(benchmark::State& state) {
    LOGFONTW lf{};
    lf.lfHeight = -15;
    std::memcpy(lf.lfFaceName, u"Arial", sizeof(u"Arial"));
    const auto font = zeledit::platform::realize_font(lf);
    const std::u16string text = sample_text(4096);
    for (auto _ : state) {
        int sum = 0;
        for (char16_t c : text) sum += font->advance(c);
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(text.size()));
}
BENCHMARK(AdvanceLookUp);

LRESULT CALLBACK proc(HWND h, UINT m, WPARAM w, LPARAM l) { return DefWindowProcW(h, m, w, l); }

// 60 lines of 50 characters in runs of six formats: 3,000 characters on 1000 × 800.
void PaintWindowOfMixedText(benchmark::State& state) {
    WNDCLASSW wc{};
    wc.lpfnWndProc = proc;
    wc.lpszClassName = u"BenchText";
    RegisterClassW(&wc);
    HWND w = CreateWindowExW(0, u"BenchText", u"", WS_VISIBLE, 0, 0, 1000, 800, nullptr, nullptr, nullptr,
                             nullptr);
    std::array<HFONT, 6> fonts = {make_font(u"Times New Roman", -15, false, false, false),
                                  make_font(u"Times New Roman", -15, true, false, false),
                                  make_font(u"Arial", -13, false, true, false),
                                  make_font(u"Arial", -20, true, false, true),
                                  make_font(u"Courier New", -13, false, false, false),
                                  make_font(u"Tahoma", -16, false, false, false)};
    const std::u16string text = sample_text(3000);
    HBRUSH background = CreateSolidBrush(RGB(255, 255, 255));
    for (auto _ : state) {
        HDC dc = GetDC(w);
        RECT all{0, 0, 1000, 800};
        FillRect(dc, &all, background);
        SetBkMode(dc, TRANSPARENT);
        for (int line = 0; line < 60; ++line) {
            int x = 5;
            for (int run = 0; run < 5; ++run) {
                HFONT f = fonts[static_cast<std::size_t>((line + run) % 6)];
                SelectObject(dc, f);
                SetTextColor(dc, RGB(run * 40, 0, line * 4));
                const char16_t* s = text.data() + line * 50 + run * 10;
                TextOutW(dc, x, 5 + line * 13, s, 10);
                SIZE size;
                GetTextExtentPoint32W(dc, s, 10, &size);
                x += size.cx;
            }
        }
        ReleaseDC(w, dc);
    }
    state.SetItemsProcessed(state.iterations() * 3000);
    DeleteObject(background);
    for (HFONT f : fonts) DeleteObject(f);
    DestroyWindow(w);
}
BENCHMARK(PaintWindowOfMixedText)->Unit(benchmark::kMillisecond);

} // namespace
