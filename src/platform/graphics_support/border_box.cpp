#include "platform/graphics_support/border_box.h"

#include "platform/gdi/scoped_gdi.h"

#include <vector>

namespace zeledit::platform {
namespace {

struct Stroke {
    int offset, units; // from the edge's outer (left, top) or left/top side, in pen units
};

std::vector<Stroke> StrokesOf(int style) {
    switch (style) {
    case 1:
    case 2:
    case 3:
    case 4:
    case 5: return {{0, style}};
    case 6: return {{0, 1}, {2, 1}};
    case 7: return {{0, 2}, {3, 2}};
    case 8: return {{0, 1}};
    case 9: return {{0, 1}, {2, 3}};
    case 10: return {{0, 3}, {4, 1}};
    default: return {};
    }
}

// How far the inner stroke of a double style stops short of a corner whose other edge
// has `adjacent` style, so that the inner strokes of a double box meet.
int InnerShortening(int style, int adjacent, bool left_or_top) {
    if (adjacent == 0) return 0;
    if (style == 6) return 2;
    if (style == 7) return 3;
    if ((style == 9 || style == 10) && adjacent >= 9 && adjacent <= 10)
        return (style == 9) == left_or_top ? 2 : 4;
    return 0;
}

enum class Side { Left, Top, Right, Bottom };

void DrawEdge(HDC dc, const RECT& r, Side side, const TBorderEdge& edge, int before_style, int after_style,
              int pen_unit) {
    const int style = edge.beStyle & 0x0F;
    const auto strokes = StrokesOf(style);
    if (strokes.empty()) return;
    const int u = pen_unit;
    UniqueGdi<HPEN> pen(CreatePen(style == 8 ? PS_DOT : PS_INSIDEFRAME, u, edge.beColor));
    SelectedObject selected(dc, pen.get());
    const bool vertical = side == Side::Left || side == Side::Right;
    const bool outer_first = side == Side::Left || side == Side::Top;
    const int base = side == Side::Left    ? r.left
                     : side == Side::Top   ? r.top
                     : side == Side::Right ? r.right - BorderStyleWidth(style) * u
                                           : r.bottom - BorderStyleWidth(style) * u;
    const int from = vertical ? r.top : r.left, to = vertical ? r.bottom : r.right;
    for (std::size_t s = 0; s < strokes.size(); ++s) {
        // The inner stroke: the second of a left or top edge, the first of a right or bottom one.
        const bool inner = strokes.size() == 2 && (s == 1) == outer_first;
        const int start = from + (inner ? InnerShortening(style, before_style, outer_first) * u : 0);
        const int end = to - (inner ? InnerShortening(style, after_style, outer_first) * u : 0);
        for (int k = 0; k < strokes[s].units; ++k) {
            const int at = base + (strokes[s].offset + k) * u + u / 2;
            MoveToEx(dc, vertical ? at : start, vertical ? start : at, nullptr);
            LineTo(dc, vertical ? at : end, vertical ? end : at);
        }
    }
}

void DrawShadow(HDC dc, const RECT& r, const TBorder& b, int pen_unit) {
    const int u = pen_unit;
    UniqueGdi<HPEN> pen(CreatePen(PS_INSIDEFRAME, u, RGB(128, 128, 128)));
    SelectedObject selected(dc, pen.get());
    const int top = b.btTop.beStyle >= 16 ? r.top + 2 * u : r.top;
    const bool bottom_box = b.btBottom.beStyle >= 16;
    const int bottom = bottom_box ? r.bottom + 2 * u : r.bottom;
    for (int k = 0; k < 2; ++k) {
        MoveToEx(dc, r.right + k * u + u / 2, top, nullptr);
        LineTo(dc, r.right + k * u + u / 2, bottom);
    }
    if (!bottom_box) return;
    for (int k = 0; k < 2; ++k) {
        MoveToEx(dc, r.left + 2 * u, r.bottom + k * u + u / 2, nullptr);
        LineTo(dc, r.right + 2 * u, r.bottom + k * u + u / 2);
    }
}

} // namespace

int BorderStyleWidth(int style) {
    switch (style & 0x0F) {
    case 1:
    case 2:
    case 3:
    case 4:
    case 5: return style & 0x0F;
    case 6: return 2;
    case 7: return 4;
    case 8: return 1;
    case 9:
    case 10: return 5;
    default: return 0;
    }
}

void DrawBorderBox(HDC dc, const RECT& rect, const TBorder& border, int pen_unit) {
    const int l = border.btLeft.beStyle & 0x0F, t = border.btTop.beStyle & 0x0F;
    const int r = border.btRight.beStyle & 0x0F, b = border.btBottom.beStyle & 0x0F;
    DrawEdge(dc, rect, Side::Left, border.btLeft, t, b, pen_unit);
    DrawEdge(dc, rect, Side::Top, border.btTop, l, r, pen_unit);
    DrawEdge(dc, rect, Side::Right, border.btRight, t, b, pen_unit);
    DrawEdge(dc, rect, Side::Bottom, border.btBottom, l, r, pen_unit);
    const auto shadowed = [](const TBorderEdge& e) { return (e.beStyle >> 4) == 2; };
    if (shadowed(border.btLeft) || shadowed(border.btTop) || shadowed(border.btRight) ||
        shadowed(border.btBottom))
        DrawShadow(dc, rect, border, pen_unit);
}

void DrawStyledBorder(HDC dc, const RECT& rect, int style, COLORREF colour, int pen_unit) {
    if (style < 1 || style > 10) return;
    const auto edge = [&](int line) {
        return TBorderEdge{static_cast<std::uint8_t>(line + 16), 0.0, colour};
    };
    TBorder border{};
    if (style <= 8) {
        border = {edge(style), edge(style), edge(style), edge(style)};
    } else {
        const int near = style == 9 ? 9 : 10, far = style == 9 ? 10 : 9;
        border = {edge(near), edge(near), edge(far), edge(far)};
    }
    DrawBorderBox(dc, rect, border, pen_unit);
}

} // namespace zeledit::platform
