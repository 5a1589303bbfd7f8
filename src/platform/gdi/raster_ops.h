// Pixel operations that cairo cannot express exactly (inversion, XOR and the raster
// operations of bit-block transfers). They reach raster targets only.
#pragma once

#include "platform/gdi/device_context.h"

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
// Calls `f(x, y, pixel&)` for the pixels of a device rectangle inside the clip (device coordinates).
void for_each_pixel(DeviceContext& dc, const RECT& device_rect,
                    const std::function<void(int, int, std::uint32_t&)>& f);

} // namespace zeledit::platform
