// Pixel operations that cairo cannot express exactly (inversion, XOR and the raster
// operations of bit-block transfers). They reach raster targets only.
#pragma once

#include "platform/gdi/device_context.h"
#include "platform/gdi/surface.h"

#include <algorithm>
#include <functional>

namespace zeledit::platform {

enum class PixelOp { Copy, Invert, Xor, And, Or, NotCopy, Black, White, Nop };

PixelOp op_for_rop2(int rop2);
std::uint32_t apply_op(PixelOp op, std::uint32_t dst, std::uint32_t src);

// Applies `op` with `color` to the pixels that `shape` covers (shape built in logical units).
void apply_masked(DeviceContext& dc, const std::function<void(cairo_t*)>& shape, PixelOp op, COLORREF color,
                  double nudge = 0);
// Applies `op` with `color` to a device rectangle, inside the clip.
void apply_to_rect(DeviceContext& dc, const RECT& device_rect, PixelOp op, COLORREF color);
// Calls `f(x, y, pixel&)` for the pixels of a device rectangle inside the clip (device
// coordinates). A template, so that the call per pixel is inlined.
template <class F>
void for_each_pixel(DeviceContext& dc, const RECT& r, F&& f) {
    if (!dc.surface || dc.kind == DcKind::Printer) return;
    Surface& s = *dc.surface;
    s.flush();
    const RECT on_surface{r.left + dc.origin.x, r.top + dc.origin.y, r.right + dc.origin.x, r.bottom + dc.origin.y};
    for (const RECT& c : clip_rects(dc)) {
        const LONG left = std::max(on_surface.left, c.left), right = std::min(on_surface.right, c.right);
        for (LONG y = std::max(on_surface.top, c.top); y < std::min(on_surface.bottom, c.bottom); ++y) {
            std::uint32_t* row = s.row(y);
            for (LONG x = left; x < right; ++x) f(x - dc.origin.x, y - dc.origin.y, row[x]);
        }
    }
    s.mark_dirty();
}

} // namespace zeledit::platform
