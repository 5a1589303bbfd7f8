// A logical font made real: its file, its size in logical units, its metrics and the
// advance of every character, cached so that measuring a character is a table look-up.
// Advances are integers computed from the font's own unscaled metrics.
#pragma once

#include "platform/gdi/fonts/font_files.h"

#include <zeledit/win_gdi.h>

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string_view>
#include <vector>

namespace zeledit::platform {

struct GlyphInfo {
    FT_UInt index = 0;
    std::int32_t advance = 0;      // logical units, 0 for combining marks
    std::int32_t mark_advance = 0; // a mark's own advance, for placing it over its base
    std::uint8_t source = 0;       // 0 the chosen file, 1 the fallback file
    bool mark = false;
};

struct PlacedGlyph {
    FT_UInt index;
    std::uint8_t source;
    double x;
};

// Pixels added to break characters by text justification; `used` advances as text is drawn.
struct Justification {
    int extra = 0;
    int breaks = 0;
    int used = 0;
    int take_break(); // the extra pixels of the next break character
};

class RealFont {
public:
    RealFont(const LOGFONTW& lf, ResolvedFace face);

    const GlyphInfo& glyph(char16_t c) const;
    int advance(char16_t c) const { return glyph(c).advance; }
    // Places the glyphs of a run from x = 0 and answers its width. `dx` gives explicit
    // advances; `justify`, when given, adds its pixels to break characters and is consumed.
    int layout(std::u16string_view text, const int* dx, Justification* justify,
               std::vector<PlacedGlyph>* placed) const;
    // Sets the cairo font and size for glyphs of a source (0 chosen file, 1 fallback).
    void select(cairo_t* cr, int source) const;

    const TEXTMETRICW& metrics() const { return tm_; }
    void outline_metrics(OUTLINETEXTMETRICW& otm) const;
    const FontFile& file() const { return *file_; }
    const FontFile& file_of(int source) const {
        return source == 0 || fallback_ == nullptr ? *file_ : *fallback_;
    }
    const LOGFONTW& logfont() const { return lf_; }
    int ppem() const { return ppem_; }
    int scale(int units) const; // font units to logical units, as advances are scaled
    double x_units_scale() const { return double(num_) / double(den_); }

private:
    OUTLINETEXTMETRICW make_outline_metrics() const;
    void fill_page(std::size_t page) const;

    LOGFONTW lf_;
    const FontFile* file_;
    const FontFile* fallback_;
    bool symbol_;
    bool wingdings_;
    bool synthetic_italic_;
    int ppem_;
    std::int64_t num_; // advances: round(units * num_ / den_)
    std::int64_t den_;
    TEXTMETRICW tm_{};
    mutable std::array<std::unique_ptr<std::array<GlyphInfo, 256>>, 256> pages_;
    mutable std::optional<OUTLINETEXTMETRICW> outline_; // made on first use
};

std::shared_ptr<const RealFont> realize_font(const LOGFONTW& lf);
// Rounds n / d to the nearest integer, halves to even (d > 0).
std::int64_t round_div(std::int64_t n, std::int64_t d);

} // namespace zeledit::platform
