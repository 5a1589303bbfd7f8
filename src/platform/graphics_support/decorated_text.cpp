#include "platform/graphics_support/decorated_text.h"

#include "platform/gdi/scoped_gdi.h"

#include <algorithm>
#include <cstdlib>

namespace zeledit::platform {
namespace {

constexpr int WavePeriod = 6;

// `rows` one-pixel lines from y downwards over [left, right).
void Stroke(HDC dc, int left, int right, int y, int rows) {
    for (int r = 0; r < rows; ++r) {
        MoveToEx(dc, left, y + r, nullptr);
        LineTo(dc, right, y + r);
    }
}

// A zigzag about y0, cut at the right end.
void Wave(HDC dc, int left, int right, int y0, int h) {
    const int saved = SaveDC(dc);
    IntersectClipRect(dc, left, y0 - h - 1, right, y0 + h + 2);
    MoveToEx(dc, left, y0 + h, nullptr);
    for (int x = left; x < right; x += WavePeriod) {
        LineTo(dc, x + WavePeriod / 2, y0 - h);
        LineTo(dc, x + WavePeriod, y0 + h);
    }
    RestoreDC(dc, saved);
}

int PenStyleOf(int underline) {
    switch (underline) {
    case 5:
    case 6: return PS_DASH;
    case 7:
    case 8: return PS_DOT;
    case 9:
    case 10: return PS_DASHDOT;
    case 11:
    case 12: return PS_DASHDOTDOT;
    default: return PS_SOLID;
    }
}

void Underline(HDC dc, int left, int right, int y0, int style, int t, COLORREF colour) {
    const int h = std::max(t / 2, 1);
    platform::UniqueGdi<HPEN> pen(CreatePen(PenStyleOf(style), 1, colour));
    platform::SelectedObject selected(dc, pen.get());
    switch (style) {
    case 1:
    case 5:
    case 7:
    case 9:
    case 11: Stroke(dc, left, right, y0, t); break;
    case 3:
        Stroke(dc, left, right, y0, t);
        Stroke(dc, left, right, y0 + t + h, t);
        break;
    case 4:
        Stroke(dc, left, right, y0, h);
        Stroke(dc, left, right, y0 + 2 * h, h);
        break;
    case 13: Wave(dc, left, right, y0, h); break;
    case 14:
        Wave(dc, left, right, y0, h);
        Wave(dc, left, right, y0 - h, h);
        break;
    default: Stroke(dc, left, right, y0, h); break; // 2, the thin styles, and any other
    }
}

} // namespace

DecorationMetrics GetDecorationMetrics(HDC dc) {
    OUTLINETEXTMETRICW otm{};
    if (GetOutlineTextMetricsW(dc, sizeof otm, &otm) != 0)
        return {otm.otmTextMetrics.tmAscent, otm.otmsUnderscoreSize, otm.otmsUnderscorePosition,
                static_cast<int>(otm.otmsStrikeoutSize), otm.otmsStrikeoutPosition};
    TEXTMETRICW tm{};
    GetTextMetricsW(dc, &tm);
    const int size = std::max(tm.tmAscent / (tm.tmWeight >= 700 ? 10 : 11), 1);
    return {tm.tmAscent, size, size, size, tm.tmAscent / 4};
}

void DecoratedTextOut(HDC dc, int x, int y, std::u16string_view text, int underline,
                      COLORREF underline_colour, int strikeout, COLORREF strikeout_colour) {
    const int count = static_cast<int>(text.size());
    if (underline == 0 && strikeout == 0) {
        TextOutW(dc, x, y, text.data(), count);
        return;
    }
    SIZE extent{};
    GetTextExtentPoint32W(dc, text.data(), count, &extent);
    const DecorationMetrics m = GetDecorationMetrics(dc);
    const UINT align = GetTextAlign(dc);
    const int top = (align & TA_BASELINE) == TA_BASELINE ? y - m.ascent : y;
    const int left = (align & TA_CENTER) == TA_CENTER ? x - extent.cx / 2
                     : (align & TA_RIGHT)             ? x - extent.cx
                                                      : x;
    const int right = left + extent.cx;
    if (underline != 0)
        Underline(dc, left, right, top + m.ascent + std::abs(m.underline_position), underline,
                  std::max(m.underline_size, 1), underline_colour);
    TextOutW(dc, x, y, text.data(), count);
    if (strikeout != 1 && strikeout != 2) return;
    const int t = std::max(std::min(m.strikeout_size, m.ascent / 10), 1);
    const int line = top + m.ascent / 2 + std::abs(std::min(m.strikeout_position, m.ascent / 4));
    platform::UniqueGdi<HPEN> pen(CreatePen(PS_SOLID, 1, strikeout_colour));
    platform::SelectedObject selected(dc, pen.get());
    if (strikeout == 1) {
        Stroke(dc, left, right, line, t);
    } else {
        Stroke(dc, left, right, line - t, t);
        Stroke(dc, left, right, line + t, t);
    }
}

} // namespace zeledit::platform
