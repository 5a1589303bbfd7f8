// Lines, shapes, rectangles and single pixels, with the pen, brush and raster operation of
// the device context.
#include "platform/core/rounding.h"
#include "platform/gdi/raster_ops.h"
#include "platform/gdi/surface.h"
#include "platform/user/paint.h"

#include <cmath>
#include <numbers>

using namespace zeledit::platform;

namespace {

using PathFn = std::function<void(cairo_t*)>;

// Device pixels of one logical unit along x.
double device_scale(const DeviceContext& dc) {
    const cairo_matrix_t m = logical_to_device(dc);
    return std::hypot(m.xx, m.yx);
}

int device_width(const DeviceContext& dc, const Pen& pen) {
    return pen.width == 0 ? 1 : std::max(1, round_nearest(pen.width * device_scale(dc)));
}

void set_pen(cairo_t* cr, const DeviceContext& dc, const Pen& pen, bool dashed) {
    const int w = device_width(dc, pen);
    double ux = w, uy = 0;
    cairo_device_to_user_distance(cr, &ux, &uy);
    cairo_set_line_width(cr, std::hypot(ux, uy));
    const bool round = w > 1 && !pen.flat_caps;
    cairo_set_line_cap(cr, round ? CAIRO_LINE_CAP_ROUND : CAIRO_LINE_CAP_BUTT);
    cairo_set_line_join(cr, round ? CAIRO_LINE_JOIN_ROUND : CAIRO_LINE_JOIN_MITER);
    if (!dashed) return;
    // The cosmetic patterns of the real system, in device pixels.
    static const std::vector<double> patterns[] = {{18, 6}, {3, 3}, {9, 6, 3, 6}, {9, 3, 3, 3, 3, 3}};
    std::vector<double> dashes = patterns[pen.style - PS_DASH];
    for (double& d : dashes) {
        double dx = d, dy = 0;
        cairo_device_to_user_distance(cr, &dx, &dy);
        d = std::hypot(dx, dy);
    }
    cairo_set_dash(cr, dashes.data(), static_cast<int>(dashes.size()), 0);
}

bool is_dashed(const DeviceContext& dc, const Pen& pen) {
    return pen.style >= PS_DASH && pen.style <= PS_DASHDOTDOT && device_width(dc, pen) == 1;
}

void stroke(DeviceContext& dc, const PathFn& path, const Pen& pen) {
    if (pen.style == PS_NULL) return;
    const double nudge = device_width(dc, pen) % 2 == 1 ? 0.5 : 0;
    const bool dashed = is_dashed(dc, pen);
    auto draw = [&](cairo_t* cr, COLORREF color, bool with_dashes) {
        set_source(cr, color);
        set_pen(cr, dc, pen, with_dashes);
        path(cr);
        cairo_stroke(cr);
    };
    const PixelOp op = op_for_rop2(dc.state.rop2);
    if (op != PixelOp::Copy && dc.kind != DcKind::Printer) {
        apply_masked(
            dc, [&](cairo_t* cr) { draw(cr, 0, dashed); }, op, pen.color, nudge);
        return;
    }
    Canvas c(dc, true, nudge);
    if (c.cr == nullptr) return;
    // The gaps of a styled pen show the background colour in opaque mode.
    if (dashed && dc.state.bk_mode == OPAQUE) draw(c.cr, dc.state.bk_color, false);
    draw(c.cr, pen.color, dashed);
}

cairo_pattern_t* hatch_pattern(const DeviceContext& dc, const Brush& b) {
    cairo_surface_t* tile = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 8, 8);
    cairo_t* t = cairo_create(tile);
    if (dc.state.bk_mode == OPAQUE) {
        set_source(t, dc.state.bk_color);
        cairo_paint(t);
    }
    set_source(t, b.color);
    cairo_set_antialias(t, CAIRO_ANTIALIAS_NONE);
    cairo_set_line_width(t, 1);
    const bool horizontal = b.hatch == HS_HORIZONTAL || b.hatch == HS_CROSS;
    const bool vertical = b.hatch == HS_VERTICAL || b.hatch == HS_CROSS;
    if (horizontal) cairo_rectangle(t, 0, 4, 8, 1);
    if (vertical) cairo_rectangle(t, 4, 0, 1, 8);
    for (int i = 0; i < 8; ++i) {
        if (b.hatch == HS_FDIAGONAL || b.hatch == HS_DIAGCROSS) cairo_rectangle(t, i, i, 1, 1);
        if (b.hatch == HS_BDIAGONAL || b.hatch == HS_DIAGCROSS) cairo_rectangle(t, 7 - i, i, 1, 1);
    }
    cairo_fill(t);
    cairo_destroy(t);
    cairo_pattern_t* p = cairo_pattern_create_for_surface(tile);
    cairo_surface_destroy(tile);
    cairo_pattern_set_extend(p, CAIRO_EXTEND_REPEAT);
    cairo_pattern_set_filter(p, CAIRO_FILTER_NEAREST);
    // The tile is aligned to device pixels, whatever the mapping.
    cairo_matrix_t m = logical_to_device(dc);
    cairo_pattern_set_matrix(p, &m);
    return p;
}

void fill(DeviceContext& dc, const PathFn& path, const Brush& brush, bool use_rop) {
    if (brush.style == BS_NULL) return;
    const PixelOp op = use_rop ? op_for_rop2(dc.state.rop2) : PixelOp::Copy;
    if (op != PixelOp::Copy && dc.kind != DcKind::Printer) {
        apply_masked(
            dc, [&](cairo_t* cr) { path(cr), cairo_fill(cr); }, op, brush.color);
        return;
    }
    Canvas c(dc);
    if (c.cr == nullptr) return;
    cairo_set_fill_rule(c.cr, CAIRO_FILL_RULE_EVEN_ODD);
    if (brush.style == BS_HATCHED) {
        cairo_pattern_t* p = hatch_pattern(dc, brush);
        cairo_set_source(c.cr, p);
        cairo_pattern_destroy(p);
    } else {
        set_source(c.cr, brush.color);
    }
    path(c.cr);
    cairo_fill(c.cr);
}

void rect_path(cairo_t* cr, double l, double t, double r, double b) {
    cairo_rectangle(cr, l, t, r - l, b - t);
}

void ellipse_path(cairo_t* cr, double l, double t, double r, double b) {
    if (r - l <= 0 || b - t <= 0) return;
    cairo_save(cr);
    cairo_translate(cr, (l + r) / 2, (t + b) / 2);
    cairo_scale(cr, (r - l) / 2, (b - t) / 2);
    cairo_arc(cr, 0, 0, 1, 0, 2 * std::numbers::pi);
    cairo_restore(cr);
}

void round_rect_path(cairo_t* cr, double l, double t, double r, double b, double w, double h) {
    const double rx = std::min(w / 2, (r - l) / 2), ry = std::min(h / 2, (b - t) / 2);
    if (rx <= 0 || ry <= 0) return rect_path(cr, l, t, r, b);
    const double pi = std::numbers::pi;
    auto corner = [&](double cx, double cy, double from) {
        cairo_save(cr);
        cairo_translate(cr, cx, cy);
        cairo_scale(cr, rx, ry);
        cairo_arc(cr, 0, 0, 1, from, from + pi / 2);
        cairo_restore(cr);
    };
    cairo_new_sub_path(cr);
    corner(r - rx, t + ry, -pi / 2);
    corner(r - rx, b - ry, 0);
    corner(l + rx, b - ry, pi / 2);
    corner(l + rx, t + ry, pi);
    cairo_close_path(cr);
}

// Shapes whose outline lies inside their rectangle: the pen's half width is taken in.
template <class Shape> BOOL draw_shape(HDC handle, int l, int t, int r, int b, Shape shape) {
    DeviceContext* dc = find_dc(handle);
    if (dc == nullptr) return FALSE;
    if (l > r) std::swap(l, r);
    if (t > b) std::swap(t, b);
    const Pen pen = current_pen(*dc);
    if (pen.style == PS_NULL) {
        // Without a pen the real system fills one unit less to the right and bottom.
        fill(
            *dc, [&](cairo_t* cr) { shape(cr, l, t, r - 1, b - 1); }, current_brush(*dc), true);
        return TRUE;
    }
    const double half = pen.width <= 1 ? 0.5 : pen.width / 2.0;
    fill(
        *dc, [&](cairo_t* cr) { shape(cr, l + half, t + half, r - half, b - half); }, current_brush(*dc),
        true);
    const double inset = pen.width <= 1 ? 0 : half - 0.5;
    stroke(
        *dc, [&](cairo_t* cr) { shape(cr, l + inset, t + inset, r - 1 - inset, b - 1 - inset); }, pen);
    return TRUE;
}

} // namespace

BOOL MoveToEx(HDC handle, int x, int y, LPPOINT old) {
    DeviceContext* dc = find_dc(handle);
    if (dc == nullptr) return FALSE;
    if (old != nullptr) *old = dc->state.current_pos;
    dc->state.current_pos = {x, y};
    return TRUE;
}

BOOL GetCurrentPositionEx(HDC handle, LPPOINT point) {
    const DeviceContext* dc = find_dc(handle);
    if (dc == nullptr || point == nullptr) return FALSE;
    *point = dc->state.current_pos;
    return TRUE;
}

BOOL LineTo(HDC handle, int x, int y) {
    DeviceContext* dc = find_dc(handle);
    if (dc == nullptr) return FALSE;
    const POINT from = dc->state.current_pos;
    stroke(
        *dc, [&](cairo_t* cr) { cairo_move_to(cr, from.x, from.y), cairo_line_to(cr, x, y); },
        current_pen(*dc));
    dc->state.current_pos = {x, y};
    return TRUE;
}

BOOL Polyline(HDC handle, const POINT* points, int count) {
    DeviceContext* dc = find_dc(handle);
    if (dc == nullptr || points == nullptr || count < 2) return FALSE;
    stroke(
        *dc,
        [&](cairo_t* cr) {
            cairo_move_to(cr, points[0].x, points[0].y);
            for (int i = 1; i < count; ++i) cairo_line_to(cr, points[i].x, points[i].y);
        },
        current_pen(*dc));
    return TRUE;
}

BOOL Polygon(HDC handle, const POINT* points, int count) {
    DeviceContext* dc = find_dc(handle);
    if (dc == nullptr || points == nullptr || count < 2) return FALSE;
    const PathFn path = [&](cairo_t* cr) {
        cairo_move_to(cr, points[0].x, points[0].y);
        for (int i = 1; i < count; ++i) cairo_line_to(cr, points[i].x, points[i].y);
        cairo_close_path(cr);
    };
    fill(*dc, path, current_brush(*dc), true);
    stroke(*dc, path, current_pen(*dc));
    return TRUE;
}

BOOL Rectangle(HDC dc, int l, int t, int r, int b) { return draw_shape(dc, l, t, r, b, rect_path); }
BOOL Ellipse(HDC dc, int l, int t, int r, int b) { return draw_shape(dc, l, t, r, b, ellipse_path); }

BOOL RoundRect(HDC dc, int l, int t, int r, int b, int w, int h) {
    return draw_shape(dc, l, t, r, b, [&](cairo_t* cr, double a, double c, double d, double e) {
        round_rect_path(cr, a, c, d, e, w, h);
    });
}

int FillRect(HDC handle, const RECT* rect, HBRUSH brush) {
    DeviceContext* dc = find_dc(handle);
    const auto b = brush_of(brush);
    if (dc == nullptr || rect == nullptr || !b) return 0;
    fill(
        *dc, [&](cairo_t* cr) { rect_path(cr, rect->left, rect->top, rect->right, rect->bottom); }, *b,
        false);
    return 1;
}

int FrameRect(HDC handle, const RECT* rect, HBRUSH brush) {
    DeviceContext* dc = find_dc(handle);
    const auto b = brush_of(brush);
    if (dc == nullptr || rect == nullptr || !b) return 0;
    const RECT& r = *rect;
    if (r.right <= r.left || r.bottom <= r.top) return 1;
    fill(
        *dc,
        [&](cairo_t* cr) {
            rect_path(cr, r.left, r.top, r.right, r.top + 1);
            rect_path(cr, r.left, r.bottom - 1, r.right, r.bottom);
            rect_path(cr, r.left, r.top + 1, r.left + 1, r.bottom - 1);
            rect_path(cr, r.right - 1, r.top + 1, r.right, r.bottom - 1);
        },
        *b, false);
    return 1;
}

BOOL InvertRect(HDC handle, const RECT* rect) {
    DeviceContext* dc = find_dc(handle);
    if (dc == nullptr || rect == nullptr) return FALSE;
    apply_to_rect(*dc, to_device(*dc, *rect), PixelOp::Invert, 0);
    return TRUE;
}

BOOL DrawFocusRect(HDC handle, const RECT* rect) {
    DeviceContext* dc = find_dc(handle);
    if (dc == nullptr || rect == nullptr) return FALSE;
    const RECT r = to_device(*dc, *rect);
    if (is_empty(r)) return TRUE;
    // Every other pixel of the frame is inverted, so a second call restores it exactly.
    for_each_pixel(*dc, r, [&](int x, int y, std::uint32_t& p) {
        const bool edge = x == r.left || x == r.right - 1 || y == r.top || y == r.bottom - 1;
        if (edge && (x + y) % 2 == 0) p = apply_op(PixelOp::Invert, p, 0);
    });
    return TRUE;
}

BOOL PatBlt(HDC handle, int x, int y, int width, int height, DWORD rop) {
    DeviceContext* dc = find_dc(handle);
    if (dc == nullptr) return FALSE;
    const RECT r = to_device(*dc, RECT{x, y, x + width, y + height});
    const Brush brush = current_brush(*dc);
    switch (rop) {
    case PATCOPY: {
        const RECT logical{x, y, x + width, y + height};
        fill(
            *dc,
            [&](cairo_t* cr) { rect_path(cr, logical.left, logical.top, logical.right, logical.bottom); },
            brush, false);
        return TRUE;
    }
    case PATINVERT: apply_to_rect(*dc, r, PixelOp::Xor, brush.color); return TRUE;
    case DSTINVERT: apply_to_rect(*dc, r, PixelOp::Invert, 0); return TRUE;
    case BLACKNESS: apply_to_rect(*dc, r, PixelOp::Black, 0); return TRUE;
    case WHITENESS: apply_to_rect(*dc, r, PixelOp::White, 0); return TRUE;
    default: return FALSE;
    }
}

COLORREF SetPixel(HDC handle, int x, int y, COLORREF color) {
    DeviceContext* dc = find_dc(handle);
    if (dc == nullptr) return CLR_INVALID;
    const POINT p = to_device(*dc, POINT{x, y});
    bool set = false;
    apply_to_rect(*dc, {p.x, p.y, p.x + 1, p.y + 1}, PixelOp::Copy, color);
    for_each_pixel(*dc, {p.x, p.y, p.x + 1, p.y + 1}, [&](int, int, std::uint32_t&) { set = true; });
    return set ? (color & 0xFFFFFF) : CLR_INVALID;
}

COLORREF GetPixel(HDC handle, int x, int y) {
    DeviceContext* dc = find_dc(handle);
    if (dc == nullptr) return CLR_INVALID;
    const POINT p = to_device(*dc, POINT{x, y});
    COLORREF c = CLR_INVALID;
    for_each_pixel(*dc, {p.x, p.y, p.x + 1, p.y + 1},
                   [&](int, int, std::uint32_t& px) { c = RGB(BYTE(px >> 16), BYTE(px >> 8), BYTE(px)); });
    return c;
}
