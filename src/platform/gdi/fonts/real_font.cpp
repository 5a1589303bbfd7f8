#include "platform/gdi/fonts/real_font.h"

#include "platform/core/text.h"
#include "platform/gdi/fonts/composition.h"
#include "platform/gdi/fonts/symbol_charset.h"

#include <algorithm>
#include <map>
#include <tuple>

namespace zeledit::platform {
namespace {

constexpr int max_ppem = 4000;
constexpr int max_stretch = 16;

bool is_combining(char16_t c) {
    return (c >= 0x0300 && c <= 0x036F) || (c >= 0x1DC0 && c <= 0x1DFF) || (c >= 0x20D0 && c <= 0x20FF);
}

std::u16string_view face_of(const LOGFONTW& lf) {
    std::size_t n = 0;
    while (n < LF_FACESIZE && lf.lfFaceName[n] != 0) ++n;
    return {lf.lfFaceName, n};
}

int ppem_for(const LOGFONTW& lf, const FontFile& f) {
    std::int64_t ppem;
    if (lf.lfHeight < 0)
        ppem = -static_cast<std::int64_t>(lf.lfHeight);
    else if (lf.lfHeight > 0)
        ppem = round_div(std::int64_t(lf.lfHeight) * f.units_per_em, f.win_ascent + f.win_descent);
    else
        ppem = 16;
    return static_cast<int>(std::clamp<std::int64_t>(ppem, 1, max_ppem));
}

} // namespace

std::int64_t round_div(std::int64_t n, std::int64_t d) {
    std::int64_t q = n / d, r = n % d;
    if (r < 0) r += d, --q;
    if (2 * r > d || (2 * r == d && (q & 1) != 0)) ++q;
    return q;
}

int Justification::take_break() {
    if (breaks <= 0 || used >= breaks) return 0;
    const int share = extra / breaks + (used < extra % breaks ? 1 : 0);
    ++used;
    return share;
}

RealFont::RealFont(const LOGFONTW& lf, ResolvedFace face)
    : lf_(lf), file_(face.file), fallback_(fallback_face(lf.lfWeight >= 600, lf.lfItalic != 0)),
      symbol_(face.symbol), wingdings_(fold_case(face_of(lf)).starts_with(u"W")),
      synthetic_italic_(lf.lfItalic != 0 && !face.file->italic) {
    if (fallback_ == file_) fallback_ = nullptr;
    const FontFile& f = *file_;
    ppem_ = ppem_for(lf, f);
    num_ = ppem_;
    den_ = f.units_per_em;
    if (lf.lfWidth > 0) {
        // Glyphs stretched much wider than tall make FreeType fail, and a failed glyph spoils
        // the surface it is drawn on: the stretch stays within 16 times the height.
        const std::int64_t widest = std::max<std::int64_t>(
            std::int64_t(max_stretch) * ppem_ * std::max(f.avg_char_width, 1) / std::max(f.units_per_em, 1),
            1);
        num_ = std::min<std::int64_t>({lf.lfWidth, max_ppem * 4, widest});
        den_ = f.avg_char_width;
    }
    const int upem = f.units_per_em;
    tm_.tmAscent = static_cast<LONG>(round_div(std::int64_t(f.win_ascent) * ppem_, upem));
    tm_.tmDescent = static_cast<LONG>(round_div(std::int64_t(f.win_descent) * ppem_, upem));
    tm_.tmHeight = tm_.tmAscent + tm_.tmDescent;
    tm_.tmInternalLeading = std::max<LONG>(tm_.tmHeight - ppem_, 0);
    const int hhea_height = f.hhea_ascender - f.hhea_descender;
    const int gap = f.hhea_line_gap - ((f.win_ascent + f.win_descent) - hhea_height);
    tm_.tmExternalLeading = std::max<LONG>(0, static_cast<LONG>(round_div(std::int64_t(gap) * ppem_, upem)));
    tm_.tmAveCharWidth = scale(f.avg_char_width);
    tm_.tmMaxCharWidth = scale(static_cast<int>(f.bbox.xMax - f.bbox.xMin));
    tm_.tmWeight = lf.lfWeight == FW_DONTCARE ? FW_NORMAL : lf.lfWeight;
    tm_.tmDigitizedAspectX = tm_.tmDigitizedAspectY = 96;
    tm_.tmFirstChar = 0x20;
    tm_.tmLastChar = 0xFFFC;
    tm_.tmDefaultChar = 0x1F;
    tm_.tmBreakChar = 0x20;
    tm_.tmItalic = lf.lfItalic;
    tm_.tmUnderlined = lf.lfUnderline;
    tm_.tmStruckOut = lf.lfStrikeOut;
    // The "fixed pitch" bit is set for variable-pitch fonts, as on the real system.
    tm_.tmPitchAndFamily =
        static_cast<BYTE>(TMPF_TRUETYPE | TMPF_VECTOR | (f.fixed_pitch ? 0 : TMPF_FIXED_PITCH));
    tm_.tmCharSet =
        symbol_ ? SYMBOL_CHARSET : (lf.lfCharSet == DEFAULT_CHARSET ? ANSI_CHARSET : lf.lfCharSet);
}

int RealFont::scale(int units) const { return static_cast<int>(round_div(std::int64_t(units) * num_, den_)); }

void RealFont::fill_page(std::size_t page) const {
    auto glyphs = std::make_unique<std::array<GlyphInfo, 256>>();
    for (std::size_t i = 0; i < 256; ++i) {
        const auto code = static_cast<char16_t>(page * 256 + i);
        const char16_t c = symbol_ ? symbol_to_unicode(code, wingdings_) : code;
        GlyphInfo& g = (*glyphs)[i];
        if (c >= 0xD800 && c <= 0xDFFF) continue; // surrogates draw as nothing
        g.index = FT_Get_Char_Index(file_->face, c);
        if (g.index == 0 && fallback_ != nullptr) {
            if (const FT_UInt alt = FT_Get_Char_Index(fallback_->face, c); alt != 0)
                g.index = alt, g.source = 1;
        }
        const FontFile& f = file_of(g.source);
        // Fallback glyphs keep the chosen font's scale: same size in pixels.
        const int units =
            static_cast<int>(std::int64_t(f.advance_units(g.index)) * file_->units_per_em / f.units_per_em);
        g.mark = is_combining(c);
        g.mark_advance = scale(units);
        g.advance = g.mark ? 0 : g.mark_advance;
    }
    pages_[page] = std::move(glyphs);
}

const GlyphInfo& RealFont::glyph(char16_t c) const {
    const std::size_t page = c >> 8;
    if (!pages_[page]) fill_page(page);
    return (*pages_[page])[c & 0xFF];
}

int RealFont::layout(std::u16string_view text, const int* dx, Justification* justify,
                     std::vector<PlacedGlyph>* placed) const {
    int x = 0;
    int base_x = 0, base_advance = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t c = text[i];
        const GlyphInfo& g = glyph(c);
        if (g.mark) {
            // A mark with its own advance is centred over its base; a zero-width mark is
            // drawn where the base ended, as its font expects.
            const double at = g.mark_advance == 0 ? x : base_x + (base_advance - g.mark_advance) / 2.0;
            if (placed != nullptr) placed->push_back({g.index, g.source, at});
            if (dx != nullptr) x += dx[i];
            continue;
        }
        int advance = dx != nullptr ? dx[i] : g.advance;
        if (justify != nullptr && c == tm_.tmBreakChar) advance += justify->take_break();
        // A decomposed letter draws as the font's precomposed letter where there is one;
        // every code unit keeps its own advance, so measuring stays per character.
        const GlyphInfo* shown = &g;
        for (char16_t letter = c; !symbol_ && i + 1 < text.size() && glyph(text[i + 1]).mark;) {
            letter = compose(letter, text[i + 1]);
            if (letter == 0 || glyph(letter).index == 0 || glyph(letter).source != g.source) break;
            shown = &glyph(letter);
            ++i;
            if (dx != nullptr) advance += dx[i];
        }
        if (placed != nullptr && shown->index != 0)
            placed->push_back({shown->index, shown->source, double(x)});
        base_x = x;
        base_advance = advance;
        x += advance;
    }
    return x;
}

void RealFont::select(cairo_t* cr, int source) const {
    cairo_set_font_face(cr, file_of(source).cairo);
    const double x_scale = double(num_) * file_->units_per_em / (double(den_) * ppem_);
    cairo_matrix_t m;
    cairo_matrix_init(&m, ppem_ * x_scale, 0, synthetic_italic_ ? -0.2 * ppem_ : 0, ppem_, 0, 0);
    cairo_set_font_matrix(cr, &m);
    cairo_font_options_t* options = cairo_font_options_create();
    cairo_font_options_set_antialias(options, CAIRO_ANTIALIAS_GRAY);
    cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
    cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_SLIGHT);
    cairo_set_font_options(cr, options);
    cairo_font_options_destroy(options);
}

void RealFont::outline_metrics(OUTLINETEXTMETRICW& out) const {
    if (!outline_) outline_ = make_outline_metrics();
    out = *outline_;
}

OUTLINETEXTMETRICW RealFont::make_outline_metrics() const {
    OUTLINETEXTMETRICW otm{};
    const FontFile& f = *file_;
    auto v = [&](int units) {
        return static_cast<int>(round_div(std::int64_t(units) * ppem_, f.units_per_em));
    };
    otm.otmSize = sizeof otm;
    otm.otmTextMetrics = tm_;
    otm.otmfsSelection = (lf_.lfItalic ? 1u : 0u) | (lf_.lfWeight >= 600 ? 0x20u : 0u);
    otm.otmsCharSlopeRise = 1;
    otm.otmItalicAngle = f.italic ? -120 : 0;
    otm.otmEMSquare = static_cast<UINT>(f.units_per_em);
    otm.otmAscent = v(f.typo_ascender);
    otm.otmDescent = v(f.typo_descender);
    otm.otmLineGap = static_cast<UINT>(std::max(0, v(f.typo_line_gap)));
    otm.otmsCapEmHeight = static_cast<UINT>(std::max(0, v(f.cap_height)));
    otm.otmsXHeight = static_cast<UINT>(std::max(0, v(f.x_height)));
    otm.otmrcFontBox = {v(static_cast<int>(f.bbox.xMin)), v(static_cast<int>(f.bbox.yMax)),
                        v(static_cast<int>(f.bbox.xMax)), v(static_cast<int>(f.bbox.yMin))};
    otm.otmMacAscent = v(f.hhea_ascender);
    otm.otmMacDescent = v(f.hhea_descender);
    otm.otmMacLineGap = static_cast<UINT>(std::max(0, v(f.hhea_line_gap)));
    otm.otmusMinimumPPEM = 9;
    otm.otmptSubscriptSize = {ppem_ * 2 / 3, ppem_ * 2 / 3};
    otm.otmptSubscriptOffset = {0, ppem_ / 4};
    otm.otmptSuperscriptSize = {ppem_ * 2 / 3, ppem_ * 2 / 3};
    otm.otmptSuperscriptOffset = {0, ppem_ / 2};
    otm.otmsStrikeoutSize = static_cast<UINT>(std::max(1, v(f.strikeout_size)));
    otm.otmsStrikeoutPosition = v(f.strikeout_position);
    otm.otmsUnderscoreSize = std::max(1, v(f.underline_thickness));
    otm.otmsUnderscorePosition = v(f.underline_position);
    return otm;
}

std::shared_ptr<const RealFont> realize_font(const LOGFONTW& lf) {
    const bool bold = lf.lfWeight >= 600;
    const bool italic = lf.lfItalic != 0;
    const auto face = std::u16string(face_of(lf));
    using Key = std::tuple<std::u16string, LONG, LONG, LONG, bool, BYTE, BYTE, BYTE>;
    static std::map<Key, std::shared_ptr<const RealFont>> cache;
    const Key key{fold_case(face), lf.lfHeight,    lf.lfWidth,     lf.lfWeight,
                  italic,          lf.lfUnderline, lf.lfStrikeOut, lf.lfCharSet};
    if (auto it = cache.find(key); it != cache.end()) return it->second;
    if (cache.size() > 1024) cache.clear(); // holders keep theirs; the cache only shares
    auto font = std::make_shared<const RealFont>(lf, resolve_face(face, bold, italic));
    cache.emplace(key, font);
    return font;
}

} // namespace zeledit::platform
