// Fonts and text: resolution, metrics, measuring, justification, symbol faces, marks.
#include "platform/gdi_test.h"

#include "platform/gdi/fonts/font_files.h"
#include "platform/gdi/fonts/real_font.h"
#include "platform/gdi/gdi_objects.h"

#include <cstring>

#include FT_ADVANCES_H

#include <cstdio>
#include <cstdlib>

namespace zeledit::test {
namespace {

class Text : public PlatformTest {
protected:
    std::unique_ptr<Canvas> canvas;
    HFONT font = nullptr;
    void SetUp() override {
        PlatformTest::SetUp();
        canvas = std::make_unique<Canvas>(400, 120);
    }
    void use(const LOGFONTW& lf) {
        font = CreateFontIndirectW(&lf);
        SelectObject(canvas->dc(), font);
    }
    void TearDown() override {
        SelectObject(canvas->dc(), GetStockObject(SYSTEM_FONT));
        DeleteObject(font);
        canvas.reset();
        PlatformTest::TearDown();
    }
    int extent(std::u16string_view s) {
        SIZE size{};
        EXPECT_TRUE(GetTextExtentPoint32W(canvas->dc(), s.data(), static_cast<int>(s.size()), &size));
        return size.cx;
    }
};

TEST_F(Text, CommonFacesResolveToTheirMetricCompatibleFiles) {
    using platform::resolve_face;
    EXPECT_EQ(resolve_face(u"Times New Roman", false, false).file->family, "Liberation Serif");
    EXPECT_EQ(resolve_face(u"ARIAL", true, false).file->family, "Liberation Sans");
    EXPECT_TRUE(resolve_face(u"Arial", true, false).file->bold);
    EXPECT_EQ(resolve_face(u"Courier New", false, true).file->family, "Liberation Mono");
    EXPECT_TRUE(resolve_face(u"Symbol", false, false).symbol);
    EXPECT_NE(resolve_face(u"No Such Face Anywhere", false, false).file, nullptr);
}

TEST_F(Text, ElevenPointTimesIsFifteenPixelsAtNinetySixDpi) {
    const int height = -static_cast<int>(std::lround(11 * 96 / 72.0));
    EXPECT_EQ(height, -15);
    use(make_font(u"Times New Roman", height));
    TEXTMETRICW tm{};
    ASSERT_TRUE(GetTextMetricsW(canvas->dc(), &tm));
    EXPECT_EQ(tm.tmHeight - tm.tmInternalLeading, 15);
    EXPECT_EQ(tm.tmHeight, tm.tmAscent + tm.tmDescent);
    EXPECT_GT(tm.tmAveCharWidth, 0);
    OUTLINETEXTMETRICW otm{};
    ASSERT_EQ(GetOutlineTextMetricsW(canvas->dc(), sizeof otm, &otm), sizeof otm);
    EXPECT_LT(otm.otmsUnderscorePosition, 0);
    EXPECT_GE(otm.otmsUnderscoreSize, 1);
    EXPECT_GT(otm.otmsStrikeoutPosition, 0);
    EXPECT_EQ(GetOutlineTextMetricsW(canvas->dc(), 10, &otm), 0u);
}

TEST_F(Text, CharacterAdvancesAddUpToTheRunExtent) {
    for (auto face : {u"Times New Roman", u"Arial", u"Tahoma"}) {
        use(make_font(face, -15));
        const std::u16string text = u"Văn bản tiếng Việt, with English too.";
        int sum = 0;
        for (char16_t c : text) {
            int w = 0;
            ASSERT_TRUE(GetCharWidth32W(canvas->dc(), c, c, &w));
            sum += w;
        }
        EXPECT_EQ(sum, extent(text)) << std::string(face, face + 5);
    }
}

TEST_F(Text, AdvancesComeFromTheFontTablesWhateverTheEnvironment) {
    setenv("FREETYPE_PROPERTIES", "truetype:interpreter-version=35", 1);
    use(make_font(u"Times New Roman", -15));
    const auto& file = *platform::resolve_face(u"Times New Roman", false, false).file;
    for (char16_t c : std::u16string(u"Hamburgefontsiv")) {
        FT_Fixed units = 0;
        FT_Get_Advance(file.face, FT_Get_Char_Index(file.face, c), FT_LOAD_NO_SCALE, &units);
        int w = 0;
        GetCharWidth32W(canvas->dc(), c, c, &w);
        EXPECT_EQ(w, platform::round_div(units * 15, file.units_per_em));
    }
}

TEST_F(Text, WidthScalesAdvances) {
    LOGFONTW lf = make_font(u"Arial", -20);
    use(lf);
    const int natural = extent(u"MMMMMMMMMM");
    TEXTMETRICW tm{};
    GetTextMetricsW(canvas->dc(), &tm);
    lf.lfWidth = tm.tmAveCharWidth * 2;
    DeleteObject(SelectObject(canvas->dc(), CreateFontIndirectW(&lf)));
    const int wide = extent(u"MMMMMMMMMM");
    EXPECT_NEAR(wide, natural * 2, 10);
}

// Text stretched far beyond any use, from a damaged document, draws what it can and
// leaves the target drawable: nothing drawn later may be lost.
TEST_F(Text, AbsurdStretchesNeverSpoilTheTarget) {
    for (LONG height : {-16L, -200L, -2000L})
        for (LONG width : {800L, 4000L, 16000L, 1000000L}) {
            LOGFONTW lf = make_font(u"DejaVu Sans", height);
            lf.lfWidth = width;
            use(lf);
            TextOutW(canvas->dc(), 0, 0, u"Đ", 1);
            const RECT probe{0, 0, 4, 4};
            HBRUSH brush = CreateSolidBrush(RGB(1, 2, 3));
            FillRect(canvas->dc(), &probe, brush);
            DeleteObject(brush);
            ASSERT_EQ(GetPixel(canvas->dc(), 1, 1), RGB(1, 2, 3)) << height << " " << width;
        }
}

TEST_F(Text, JustificationSpreadsTheSurplusExactly) {
    use(make_font(u"Arial", -15));
    const std::u16string line = u"one two three four";
    const int natural = extent(line), one = extent(u"one"), space = extent(u" "),
              rest = extent(u"twothreefour");
    ASSERT_TRUE(SetTextJustification(canvas->dc(), 7, 3));
    EXPECT_EQ(extent(line), natural + 7);
    // 7 over 3 breaks: the first break takes 3, the others 2; drawing consumes them in order.
    EXPECT_EQ(extent(u"one "), one + space + 3);
    TextOutW(canvas->dc(), 0, 0, u"one ", 4);
    EXPECT_EQ(extent(u"two three four"), rest + 2 * (space + 2));
    SetTextJustification(canvas->dc(), 0, 0);
    EXPECT_EQ(extent(line), natural);
}

TEST_F(Text, SymbolFacesTranslateTheirCodes) {
    use(make_font(u"Symbol", -20));
    TEXTMETRICW tm{};
    GetTextMetricsW(canvas->dc(), &tm);
    EXPECT_EQ(tm.tmCharSet, SYMBOL_CHARSET);
    const auto& real = platform::real_font(*platform::find_as<platform::Font>(font));
    const auto& g = real.glyph(0xF0B7); // code 183
    const auto& file = real.file_of(g.source);
    EXPECT_EQ(g.index, FT_Get_Char_Index(file.face, 0x2022));
    SetBkMode(canvas->dc(), TRANSPARENT);
    EXPECT_TRUE(TextOutA(canvas->dc(), 10, 10, "\xB7", 1));
    EXPECT_GT(canvas->count(RGB(0, 0, 0)), 10);
}

TEST_F(Text, CombiningMarksSitOverTheirBase) {
    use(make_font(u"Times New Roman", -40));
    EXPECT_EQ(extent(u"e\u0302\u0301"), extent(u"e"));
    SetBkMode(canvas->dc(), TRANSPARENT);
    TextOutW(canvas->dc(), 20, 10, u"e\u0302\u0301", 3);
    // Ink of the marks stays within the columns of the base letter's cell.
    const int cell = extent(u"e");
    int ink_left = 400, ink_right = -1, ink_top = 120;
    const auto px = canvas->pixels();
    for (int y = 0; y < canvas->height(); ++y)
        for (int x = 0; x < canvas->width(); ++x)
            if (px[static_cast<std::size_t>(y) * canvas->width() + x] != RGB(255, 255, 255))
                ink_left = std::min(ink_left, x), ink_right = std::max(ink_right, x),
                ink_top = std::min(ink_top, y);
    EXPECT_GE(ink_left, 18);
    EXPECT_LE(ink_right, 20 + cell + 2);
    TEXTMETRICW tm{};
    GetTextMetricsW(canvas->dc(), &tm);
    EXPECT_LT(ink_top, 10 + tm.tmInternalLeading + 8); // the marks rise above the x-height
}

TEST_F(Text, AlignmentAndCurrentPosition) {
    use(make_font(u"Arial", -20));
    SetBkMode(canvas->dc(), TRANSPARENT);
    SetTextAlign(canvas->dc(), TA_RIGHT | TA_BASELINE);
    TextOutW(canvas->dc(), 200, 50, u"W", 1);
    bool ink_right_of_200 = false, ink_below_52 = false;
    const auto px = canvas->pixels();
    for (int y = 0; y < 120; ++y)
        for (int x = 0; x < 400; ++x)
            if (px[static_cast<std::size_t>(y) * 400 + x] != RGB(255, 255, 255)) {
                ink_right_of_200 |= x > 201;
                ink_below_52 |= y > 52;
            }
    EXPECT_FALSE(ink_right_of_200);
    EXPECT_FALSE(ink_below_52);
    SetTextAlign(canvas->dc(), TA_UPDATECP);
    MoveToEx(canvas->dc(), 10, 10, nullptr);
    TextOutW(canvas->dc(), 0, 0, u"AB", 2);
    POINT cp{};
    GetCurrentPositionEx(canvas->dc(), &cp);
    EXPECT_EQ(cp.x, 10 + extent(u"AB"));
}

TEST_F(Text, GlyphOutlinesAndMetrics) {
    use(make_font(u"Arial", -64));
    const MAT2 identity{{0, 1}, {0, 0}, {0, 0}, {0, 1}};
    GLYPHMETRICS gm{};
    EXPECT_EQ(GetGlyphOutlineW(canvas->dc(), u'H', GGO_METRICS, &gm, 0, nullptr, &identity), 0u);
    EXPECT_GT(gm.gmBlackBoxX, 20u);
    EXPECT_GT(gm.gmBlackBoxY, 30u);
    int w = 0;
    GetCharWidth32W(canvas->dc(), u'H', u'H', &w);
    EXPECT_EQ(gm.gmCellIncX, w);
    const DWORD size = GetGlyphOutlineW(canvas->dc(), u'O', GGO_NATIVE, &gm, 0, nullptr, &identity);
    ASSERT_GT(size, sizeof(TTPOLYGONHEADER));
    std::vector<unsigned char> buffer(size);
    EXPECT_EQ(GetGlyphOutlineW(canvas->dc(), u'O', GGO_NATIVE, &gm, size, buffer.data(), &identity), size);
    // Two contours for 'O', each header's size leading to the next.
    int contours = 0;
    for (std::size_t at = 0; at < size; ++contours) {
        TTPOLYGONHEADER h;
        std::memcpy(&h, &buffer[at], sizeof h);
        EXPECT_EQ(h.dwType, TT_POLYGON_TYPE);
        ASSERT_GT(h.cb, sizeof h);
        at += h.cb;
    }
    EXPECT_EQ(contours, 2);
    EXPECT_EQ(GetGlyphOutlineW(canvas->dc(), u'O', GGO_NATIVE, &gm, 4, buffer.data(), &identity),
              DWORD(GDI_ERROR));
}

TEST_F(Text, SampleOfFormatsRendersToPng) {
    Canvas page(480, 200);
    struct Sample {
        const char16_t* face;
        int height;
        bool bold, italic, underline, strike;
        COLORREF color;
    } samples[] = {{u"Times New Roman", -16, false, false, false, false, RGB(0, 0, 0)},
                   {u"Times New Roman", -16, true, true, false, false, RGB(128, 0, 0)},
                   {u"Arial", -20, false, false, true, false, RGB(0, 0, 160)},
                   {u"Courier New", -14, false, false, false, true, RGB(0, 100, 0)},
                   {u"Tahoma", -24, true, false, false, false, RGB(80, 80, 80)}};
    int y = 8;
    SetBkMode(page.dc(), TRANSPARENT);
    for (const auto& s : samples) {
        LOGFONTW lf = make_font(s.face, s.height, s.bold, s.italic);
        lf.lfUnderline = s.underline;
        lf.lfStrikeOut = s.strike;
        HFONT f = CreateFontIndirectW(&lf);
        HGDIOBJ old = SelectObject(page.dc(), f);
        SetTextColor(page.dc(), s.color);
        const std::u16string line = u"Chữ Việt có dấu — Vietnamese text";
        TextOutW(page.dc(), 8, y, line.data(), static_cast<int>(line.size()));
        y += std::abs(s.height) + 14;
        SelectObject(page.dc(), old);
        DeleteObject(f);
    }
    EXPECT_GT(page.count(RGB(128, 0, 0)) + page.count(RGB(0, 0, 160)), 50);
    const std::string path = ::testing::TempDir() + "text-formats.png";
    ASSERT_TRUE(headless::WriteBitmapPng(page.bitmap(), path.c_str()));
    std::FILE* f = std::fopen(path.c_str(), "rb");
    ASSERT_NE(f, nullptr);
    unsigned char sig[4] = {};
    EXPECT_EQ(std::fread(sig, 1, 4, f), 4u);
    std::fclose(f);
    EXPECT_EQ(sig[1], 'P');
}

} // namespace
} // namespace zeledit::test
