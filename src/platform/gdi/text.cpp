// Fonts and text: making fonts, metrics, measuring, drawing runs and glyph outlines.
#include "platform/core/code_page.h"
#include "platform/core/rounding.h"
#include "platform/gdi/device_context.h"
#include "platform/gdi/fonts/real_font.h"
#include "platform/gdi/selected_font.h"

#include FT_OUTLINE_H

#include <cmath>
#include <cstring>
#include <string>
#include <vector>

using namespace zeledit::platform;

namespace {

const RealFont* font_of(HDC handle, DeviceContext** out = nullptr) {
    DeviceContext* dc = find_dc(handle);
    if (out != nullptr) *out = dc;
    return dc == nullptr ? nullptr : &real_font(current_font(*dc));
}

Justification justification(const DcState& s) { return {s.justify_extra, s.justify_breaks, s.justify_used}; }

void fill_rect(cairo_t* cr, double x, double y, double w, double h, COLORREF color) {
    set_source(cr, color);
    cairo_rectangle(cr, x, y, w, h);
    cairo_fill(cr);
}

void show_glyphs(cairo_t* cr, const RealFont& font, const std::vector<PlacedGlyph>& placed, double left,
                 double baseline) {
    std::vector<cairo_glyph_t> run;
    for (int source = 0; source < 2; ++source) {
        run.clear();
        for (const PlacedGlyph& g : placed)
            if (g.source == source) run.push_back({g.index, left + g.x, baseline});
        if (run.empty()) continue;
        font.select(cr, source);
        // A size FreeType refuses makes a font in error, and showing glyphs in it would put
        // the whole target surface into error for good: such text is not drawn.
        if (cairo_scaled_font_status(cairo_get_scaled_font(cr)) != CAIRO_STATUS_SUCCESS) continue;
        cairo_show_glyphs(cr, run.data(), static_cast<int>(run.size()));
    }
}

void decorate(cairo_t* cr, const RealFont& font, double left, double baseline, int width, COLORREF color) {
    OUTLINETEXTMETRICW otm;
    font.outline_metrics(otm);
    const LOGFONTW& lf = font.logfont();
    // Lines are centred on whole pixels, as the metrics place them.
    if (lf.lfUnderline) {
        const int half = static_cast<int>(otm.otmsUnderscoreSize / 2);
        fill_rect(cr, left, baseline - otm.otmsUnderscorePosition - half, width, otm.otmsUnderscoreSize,
                  color);
    }
    if (lf.lfStrikeOut) {
        const int half = static_cast<int>(otm.otmsStrikeoutSize) / 2;
        fill_rect(cr, left, baseline - otm.otmsStrikeoutPosition - half, width, otm.otmsStrikeoutSize, color);
    }
}

BOOL draw_text(HDC handle, int x, int y, UINT options, const RECT* rect, std::u16string_view text,
               const int* dx) {
    DeviceContext* dc = nullptr;
    const RealFont* font = font_of(handle, &dc);
    if (font == nullptr) return FALSE;
    DcState& s = dc->state;
    const bool update_cp = (s.text_align & TA_UPDATECP) != 0;
    if (update_cp) x = s.current_pos.x, y = s.current_pos.y;
    Justification j = justification(s);
    std::vector<PlacedGlyph> placed;
    const int width = font->layout(text, dx, &j, &placed);
    s.justify_used = j.used;
    const TEXTMETRICW& tm = font->metrics();
    const bool right = (s.text_align & TA_CENTER) == TA_RIGHT;
    const int left = (s.text_align & TA_CENTER) == TA_CENTER ? x - width / 2 : right ? x - width : x;
    const UINT vertical = s.text_align & TA_BASELINE;
    const int baseline = vertical == TA_BASELINE ? y
                         : vertical == TA_BOTTOM ? y - tm.tmDescent
                                                 : y + tm.tmAscent;
    if (update_cp) s.current_pos.x = right ? left : left + width;

    Canvas c(*dc);
    if (c.cr == nullptr) return TRUE;
    if ((options & ETO_OPAQUE) && rect != nullptr)
        fill_rect(c.cr, rect->left, rect->top, rect->right - rect->left, rect->bottom - rect->top,
                  s.bk_color);
    if ((options & ETO_CLIPPED) && rect != nullptr) {
        cairo_rectangle(c.cr, rect->left, rect->top, rect->right - rect->left, rect->bottom - rect->top);
        cairo_clip(c.cr);
    }
    if (s.bk_mode == OPAQUE && !(options & ETO_OPAQUE))
        fill_rect(c.cr, left, baseline - tm.tmAscent, width, tm.tmHeight, s.bk_color);
    set_source(c.cr, s.text_color);
    show_glyphs(c.cr, *font, placed, left, baseline);
    decorate(c.cr, *font, left, baseline, width, s.text_color);
    return TRUE;
}

std::u16string from_bytes(const RealFont& font, LPCSTR text, int count) {
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(text);
    if (font.metrics().tmCharSet != SYMBOL_CHARSET)
        return to_unicode({bytes, static_cast<std::size_t>(count)});
    std::u16string out;
    for (int i = 0; i < count; ++i) out.push_back(static_cast<char16_t>(0xF000 + bytes[i]));
    return out;
}

// Glyph outlines in the layout of the real system: polygon headers followed by curves.
class OutlineWriter {
public:
    OutlineWriter(double scale_x, double scale_y) : sx_(scale_x), sy_(scale_y) {}
    std::vector<unsigned char> bytes;

    void start(const FT_Vector* p) {
        finish_contour();
        header_ = bytes.size();
        const TTPOLYGONHEADER h{0, TT_POLYGON_TYPE, fx(p)};
        append(&h, sizeof h);
    }
    void line(const FT_Vector* p) {
        if (record_ == npos || type_ != TT_PRIM_LINE) open(TT_PRIM_LINE);
        point(p);
    }
    void curve(WORD type, std::initializer_list<const FT_Vector*> points) {
        open(type);
        for (const FT_Vector* p : points) point(p);
        record_ = npos; // a following line starts a record of its own
    }
    void finish_contour() {
        if (header_ == npos) return;
        const auto cb = static_cast<DWORD>(bytes.size() - header_);
        std::memcpy(&bytes[header_], &cb, sizeof cb);
        header_ = record_ = npos;
    }

private:
    static constexpr std::size_t npos = ~std::size_t(0);
    POINTFX fx(const FT_Vector* p) const { return {fixed(double(p->x) * sx_), fixed(double(p->y) * sy_)}; }
    static FIXED fixed(double v) {
        const std::int32_t raw = round_nearest(v * 65536.0);
        return {static_cast<WORD>(raw & 0xFFFF), static_cast<SHORT>(raw >> 16)};
    }
    void append(const void* p, std::size_t n) {
        const auto* b = static_cast<const unsigned char*>(p);
        bytes.insert(bytes.end(), b, b + n);
    }
    void open(WORD type) {
        record_ = bytes.size();
        type_ = type;
        const WORD head[2] = {type, 0};
        append(head, sizeof head);
    }
    void point(const FT_Vector* p) {
        const POINTFX f = fx(p);
        append(&f, sizeof f);
        WORD count;
        std::memcpy(&count, &bytes[record_ + 2], sizeof count);
        ++count;
        std::memcpy(&bytes[record_ + 2], &count, sizeof count);
    }

    double sx_, sy_;
    std::size_t header_ = npos;
    std::size_t record_ = npos;
    WORD type_ = 0;
};

} // namespace

HFONT CreateFontIndirectW(const LOGFONTW* lf) {
    if (lf == nullptr) return nullptr;
    LOGFONTW copy = *lf;
    copy.lfFaceName[LF_FACESIZE - 1] = 0;
    return static_cast<HFONT>(add_object(GdiObject{Font{copy, nullptr}}));
}

BOOL GetTextMetricsW(HDC dc, TEXTMETRICW* tm) {
    const RealFont* font = font_of(dc);
    if (font == nullptr || tm == nullptr) return FALSE;
    *tm = font->metrics();
    return TRUE;
}

UINT GetOutlineTextMetricsW(HDC dc, UINT size, OUTLINETEXTMETRICW* otm) {
    const RealFont* font = font_of(dc);
    if (font == nullptr) return 0;
    if (otm == nullptr) return sizeof(OUTLINETEXTMETRICW);
    if (size < sizeof(OUTLINETEXTMETRICW)) return 0;
    font->outline_metrics(*otm);
    return sizeof(OUTLINETEXTMETRICW);
}

int GetTextFaceW(HDC dc, int count, LPWSTR face) {
    const RealFont* font = font_of(dc);
    if (font == nullptr) return 0;
    const LOGFONTW& lf = font->logfont();
    std::size_t n = 0;
    while (n < LF_FACESIZE && lf.lfFaceName[n] != 0) ++n;
    if (face == nullptr) return static_cast<int>(n + 1);
    if (count <= 0) return 0;
    const std::size_t copied = std::min<std::size_t>(n, static_cast<std::size_t>(count - 1));
    std::memcpy(face, lf.lfFaceName, copied * sizeof(WCHAR));
    face[copied] = 0;
    return static_cast<int>(copied);
}

BOOL GetTextExtentPoint32W(HDC handle, LPCWSTR text, int count, SIZE* size) {
    DeviceContext* dc = nullptr;
    const RealFont* font = font_of(handle, &dc);
    if (font == nullptr || size == nullptr || count < 0 || (text == nullptr && count > 0)) return FALSE;
    Justification j = justification(dc->state); // measured, not consumed
    size->cx =
        font->layout({text == nullptr ? u"" : text, static_cast<std::size_t>(count)}, nullptr, &j, nullptr);
    size->cy = font->metrics().tmHeight;
    return TRUE;
}

SelectedFont::SelectedFont(HDC handle) {
    if (DeviceContext* dc = find_dc(handle)) {
        Font& font = current_font(*dc);
        real_font(font);
        font_ = font.real;
    }
}

int SelectedFont::Width(char16_t c) const { return font_->advance(c); }
const TEXTMETRICW& SelectedFont::Metrics() const { return font_->metrics(); }
void SelectedFont::OutlineMetrics(OUTLINETEXTMETRICW& otm) const { font_->outline_metrics(otm); }

BOOL GetCharWidth32W(HDC dc, UINT first, UINT last, int* widths) {
    const RealFont* font = font_of(dc);
    if (font == nullptr || widths == nullptr || first > last || last > 0xFFFF) return FALSE;
    for (UINT c = first; c <= last; ++c) widths[c - first] = font->advance(static_cast<char16_t>(c));
    return TRUE;
}

BOOL TextOutW(HDC dc, int x, int y, LPCWSTR text, int count) {
    if (count < 0 || (text == nullptr && count > 0)) return FALSE;
    return draw_text(dc, x, y, 0, nullptr, {text == nullptr ? u"" : text, static_cast<std::size_t>(count)},
                     nullptr);
}

BOOL TextOutA(HDC dc, int x, int y, LPCSTR text, int count) {
    const RealFont* font = font_of(dc);
    if (font == nullptr || count < 0 || (text == nullptr && count > 0)) return FALSE;
    const std::u16string wide = from_bytes(*font, text, count);
    return draw_text(dc, x, y, 0, nullptr, wide, nullptr);
}

BOOL ExtTextOutW(HDC dc, int x, int y, UINT options, const RECT* rect, LPCWSTR text, UINT count,
                 const int* dx) {
    if (text == nullptr && count > 0) return FALSE;
    return draw_text(dc, x, y, options, rect, {text == nullptr ? u"" : text, count}, dx);
}

BOOL SetTextJustification(HDC handle, int extra, int breaks) {
    DeviceContext* dc = find_dc(handle);
    if (dc == nullptr) return FALSE;
    DcState& s = dc->state;
    s.justify_extra = breaks > 0 ? extra : 0;
    s.justify_breaks = std::max(breaks, 0);
    s.justify_used = 0;
    return TRUE;
}

DWORD GetGlyphOutlineW(HDC handle, UINT ch, UINT format, GLYPHMETRICS* gm, DWORD size, LPVOID buffer,
                       const MAT2* mat) {
    const RealFont* font = font_of(handle);
    const UINT kind = format & ~GGO_GLYPH_INDEX;
    if (font == nullptr || mat == nullptr || (kind != GGO_METRICS && kind != GGO_NATIVE))
        return DWORD(GDI_ERROR);
    GlyphInfo g;
    if (format & GGO_GLYPH_INDEX)
        g.index = ch, g.advance = font->scale(font->file().advance_units(ch));
    else
        g = font->glyph(static_cast<char16_t>(ch));
    const FontFile& file = font->file_of(g.source);
    if (FT_Load_Glyph(file.face, g.index, FT_LOAD_NO_SCALE | FT_LOAD_NO_BITMAP) != 0 ||
        file.face->glyph->format != FT_GLYPH_FORMAT_OUTLINE)
        return DWORD(GDI_ERROR);
    FT_Outline& outline = file.face->glyph->outline;
    // Units of the glyph's own file, scaled as the chosen file's advances are.
    const double unit_ratio = double(font->file().units_per_em) / file.units_per_em;
    const double sy = double(font->ppem()) / file.units_per_em;
    const double sx = font->x_units_scale() * unit_ratio;
    if (gm != nullptr) {
        FT_BBox box;
        FT_Outline_Get_CBox(&outline, &box);
        *gm = GLYPHMETRICS{1, 1, {0, 0}, static_cast<SHORT>(g.advance), 0};
        if (outline.n_points > 0) {
            const auto x0 = static_cast<LONG>(std::floor(static_cast<double>(box.xMin) * sx)),
                       x1 = static_cast<LONG>(std::ceil(static_cast<double>(box.xMax) * sx));
            const auto y0 = static_cast<LONG>(std::floor(static_cast<double>(box.yMin) * sy)),
                       y1 = static_cast<LONG>(std::ceil(static_cast<double>(box.yMax) * sy));
            gm->gmBlackBoxX = static_cast<UINT>(std::max<LONG>(x1 - x0, 1));
            gm->gmBlackBoxY = static_cast<UINT>(std::max<LONG>(y1 - y0, 1));
            gm->gmptGlyphOrigin = {x0, y1};
        }
    }
    if (kind == GGO_METRICS) return 0;
    OutlineWriter writer(sx, sy);
    FT_Outline_Funcs funcs{};
    funcs.move_to = [](const FT_Vector* p, void* w) { return static_cast<OutlineWriter*>(w)->start(p), 0; };
    funcs.line_to = [](const FT_Vector* p, void* w) { return static_cast<OutlineWriter*>(w)->line(p), 0; };
    funcs.conic_to = [](const FT_Vector* c, const FT_Vector* p, void* w) {
        return static_cast<OutlineWriter*>(w)->curve(TT_PRIM_QSPLINE, {c, p}), 0;
    };
    funcs.cubic_to = [](const FT_Vector* c1, const FT_Vector* c2, const FT_Vector* p, void* w) {
        return static_cast<OutlineWriter*>(w)->curve(TT_PRIM_CSPLINE, {c1, c2, p}), 0;
    };
    FT_Outline_Decompose(&outline, &funcs, &writer);
    writer.finish_contour();
    const auto needed = static_cast<DWORD>(writer.bytes.size());
    if (buffer == nullptr || size == 0) return needed;
    if (size < needed) return DWORD(GDI_ERROR);
    std::memcpy(buffer, writer.bytes.data(), needed);
    return needed;
}
