#include "platform/gdi/raster_ops.h"

#include "platform/gdi/surface.h"
#include "platform/user/paint.h"

#include <memory>

namespace zeledit::platform {
namespace {

constexpr std::uint32_t opaque = 0xFF000000;
constexpr std::uint32_t rgb_mask = 0x00FFFFFF;

std::uint32_t argb(COLORREF c) { return opaque | (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c); }

struct CairoSurfaceDeleter {
    void operator()(cairo_surface_t* s) const { cairo_surface_destroy(s); }
};

} // namespace

PixelOp op_for_rop2(int rop2) {
    switch (rop2) {
    case R2_NOT: return PixelOp::Invert;
    case R2_XORPEN: return PixelOp::Xor;
    case R2_BLACK: return PixelOp::Black;
    case R2_WHITE: return PixelOp::White;
    case R2_NOP: return PixelOp::Nop;
    default: return PixelOp::Copy;
    }
}

std::uint32_t apply_op(PixelOp op, std::uint32_t d, std::uint32_t s) {
    switch (op) {
    case PixelOp::Copy: return opaque | (s & rgb_mask);
    case PixelOp::Invert: return opaque | (~d & rgb_mask);
    case PixelOp::Xor: return opaque | ((d ^ s) & rgb_mask);
    case PixelOp::And: return opaque | (d & s & rgb_mask);
    case PixelOp::Or: return opaque | ((d | s) & rgb_mask);
    case PixelOp::NotCopy: return opaque | (~s & rgb_mask);
    case PixelOp::Black: return opaque;
    case PixelOp::White: return 0xFFFFFFFF;
    case PixelOp::Nop: return d;
    }
    return d;
}

void apply_to_rect(DeviceContext& dc, const RECT& r, PixelOp op, COLORREF color) {
    const std::uint32_t src = argb(color);
    for_each_pixel(dc, r, [&](int, int, std::uint32_t& p) { p = apply_op(op, p, src); });
}

void apply_masked(DeviceContext& dc, const std::function<void(cairo_t*)>& shape, PixelOp op, COLORREF color,
                  double nudge) {
    if (!dc.surface || dc.kind == DcKind::Printer || op == PixelOp::Nop) return;
    const auto rects = clip_rects(dc);
    const RECT box = bounding_box(rects);
    if (is_empty(box)) return;
    const int w = box.right - box.left, h = box.bottom - box.top;
    std::unique_ptr<cairo_surface_t, CairoSurfaceDeleter> mask(
        cairo_image_surface_create(CAIRO_FORMAT_A8, w, h));
    cairo_t* cr = cairo_create(mask.get());
    cairo_translate(cr, -box.left, -box.top);
    for (const RECT& r : rects) cairo_rectangle(cr, r.left, r.top, r.right - r.left, r.bottom - r.top);
    cairo_clip(cr);
    cairo_translate(cr, dc.origin.x, dc.origin.y);
    enter_logical(cr, dc, nudge);
    cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
    cairo_set_source_rgba(cr, 0, 0, 0, 1);
    shape(cr);
    cairo_destroy(cr);
    cairo_surface_flush(mask.get());
    const unsigned char* bits = cairo_image_surface_get_data(mask.get());
    const int stride = cairo_image_surface_get_stride(mask.get());
    const std::uint32_t src = argb(color);
    Surface& s = *dc.surface;
    s.flush();
    for (int y = 0; y < h; ++y) {
        std::uint32_t* row = s.row(y + box.top);
        for (int x = 0; x < w; ++x)
            if (bits[y * stride + x] >= 0x80) row[x + box.left] = apply_op(op, row[x + box.left], src);
    }
    s.mark_dirty();
}

} // namespace zeledit::platform
