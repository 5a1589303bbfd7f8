// Device-independent bitmaps: reading them from bytes of any origin, safely.
#pragma once

#include "platform/gdi/surface.h"

#include <zeledit/win_gdi.h>

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace zeledit::platform {

struct DecodedImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels; // top-down, 0xFFRRGGBB
    int step = 1;                      // every step-th pixel of every step-th row was kept
    PixelSource source() const { return {pixels.data(), width, height, false}; }
};

inline constexpr std::int64_t max_dib_pixels = std::int64_t(1) << 26;

std::size_t dib_stride(int width, int bits_per_pixel);
// Bytes of header, masks and colour table before the pixel rows of a packed DIB.
std::optional<std::size_t> dib_header_bytes(std::span<const std::uint8_t> block);

// `info` holds `info_bytes` readable bytes, `bits` holds `bits_bytes`; everything is checked.
// With a step above 1 only every step-th pixel of every step-th row is kept, so that a
// picture drawn much smaller than it is costs what is drawn, not what it claims to be.
std::optional<DecodedImage> decode_dib(const void* info, std::size_t info_bytes, const void* bits,
                                       std::size_t bits_bytes, int step = 1);
// A packed DIB: header, colour table and rows in one block.
std::optional<DecodedImage> decode_packed_dib(std::span<const std::uint8_t> block);
// The clipboard's stand-ins for each other: a memory bitmap from a packed DIB (null when it
// is malformed), and a 24-bit bottom-up packed DIB of a bitmap (null for a bad handle).
HBITMAP bitmap_from_packed_dib(std::span<const std::uint8_t> block);
HGLOBAL packed_dib_from_bitmap(HBITMAP bitmap);
// What a caller's BITMAPINFO and bits occupy, judged from its header alone (for the
// functions whose callers pass no sizes): bytes of the info record and of the bits.
struct DibLayout {
    std::size_t info_bytes;
    std::size_t bits_bytes;
};
std::optional<DibLayout> caller_dib_layout(const BITMAPINFOHEADER& header);

// StretchDIBits with the sizes of what the caller holds: `info` is the header with its masks
// and colours, `bits` the pixel data. A picture far larger than `dest` is decoded only as
// finely as it is drawn. Answers the picture's height, 0 when it cannot be drawn.
int stretch_dib(HDC dc, RECT dest, RECT source, std::span<const std::uint8_t> info,
                std::span<const std::uint8_t> bits, DWORD rop);

} // namespace zeledit::platform
