// Bitmaps and bit-block transfers: memory bitmaps, DIB sections, BitBlt and StretchBlt,
// drawing DIBs and reading bitmaps back as DIBs.
#include "platform/core/rounding.h"
#include "platform/gdi/dib.h"
#include "platform/gdi/raster_ops.h"
#include "platform/user/paint.h"

#include <zeledit/win_memory.h>
#include <zeledit/win_user.h>

#include <climits>
#include <cmath>
#include <cstring>
#include <memory>

using namespace zeledit::platform;

namespace {

constexpr std::uint32_t black = 0xFF000000;

HBITMAP make_bitmap(int width, int height, std::uint32_t fill, bool bottom_up, int bpp, bool section) {
    if (width < 0 || height < 0 || std::int64_t(width) * height > max_dib_pixels) return nullptr;
    auto surface = std::make_shared<Surface>(std::max(width, 1), std::max(height, 1), fill, bottom_up);
    return static_cast<HBITMAP>(add_object(GdiObject{Bitmap{std::move(surface), bpp, section}}));
}

PixelOp op_for_rop3(DWORD rop) {
    switch (rop) {
    case SRCPAINT: return PixelOp::Or;
    case SRCAND: return PixelOp::And;
    case SRCINVERT: return PixelOp::Xor;
    case NOTSRCCOPY: return PixelOp::NotCopy;
    case DSTINVERT: return PixelOp::Invert;
    case BLACKNESS: return PixelOp::Black;
    case WHITENESS: return PixelOp::White;
    default: return PixelOp::Copy;
    }
}

bool needs_source(DWORD rop) {
    return rop != DSTINVERT && rop != BLACKNESS && rop != WHITENESS && rop != PATCOPY && rop != PATINVERT;
}

// A source rectangle in pixels of `src`, possibly mirrored (negative width or height).
struct SourceRect {
    double x, y, w, h;
};

// Scaled drawing through cairo: printers, and smooth stretching on raster targets. False
// when cairo cannot hold the source (past 32,767 pixels a side, or out of memory).
bool paint_scaled(DeviceContext& dc, const PixelSource& src, const SourceRect& s, const RECT& dst_logical) {
    const int sw = ceil_to_int(std::abs(s.w)), sh = ceil_to_int(std::abs(s.h));
    const int sx = floor_to_int(std::min(s.x, s.x + s.w));
    const int sy = floor_to_int(std::min(s.y, s.y + s.h));
    if (sw <= 0 || sh <= 0) return true;
    cairo_surface_t* tile = cairo_image_surface_create(CAIRO_FORMAT_RGB24, sw, sh);
    auto* data = reinterpret_cast<std::uint32_t*>(cairo_image_surface_get_data(tile));
    if (cairo_surface_status(tile) != CAIRO_STATUS_SUCCESS || data == nullptr) {
        cairo_surface_destroy(tile);
        return false;
    }
    const int stride = cairo_image_surface_get_stride(tile) / 4;
    for (int y = 0; y < sh; ++y)
        for (int x = 0; x < sw; ++x) {
            const int px = sx + x, py = sy + y;
            data[y * stride + x] =
                px >= 0 && py >= 0 && px < src.width && py < src.height ? src.at(px, py) : black;
        }
    cairo_surface_mark_dirty(tile);
    Canvas c(dc);
    if (c.cr != nullptr) {
        cairo_translate(c.cr, dst_logical.left, dst_logical.top);
        cairo_scale(c.cr, (dst_logical.right - dst_logical.left) / s.w,
                    (dst_logical.bottom - dst_logical.top) / s.h);
        cairo_translate(c.cr, -s.x, -s.y);
        // Edges keep their colour when smoothed.
        set_source(c.cr, tile, sx, sy,
                   dc.state.stretch_mode == HALFTONE ? CAIRO_FILTER_GOOD : CAIRO_FILTER_NEAREST,
                   CAIRO_EXTEND_PAD);
        cairo_rectangle(c.cr, s.x, s.y, s.w, s.h);
        cairo_fill(c.cr);
    }
    cairo_surface_destroy(tile);
    return true;
}

// Pixel by pixel with a raster operation, sampling the nearest source pixel.
void blit_pixels(DeviceContext& dc, const PixelSource* src, const SourceRect& s, const RECT& dst_logical,
                 PixelOp op, COLORREF pattern) {
    const POINT a = to_device(dc, POINT{dst_logical.left, dst_logical.top});
    const POINT b = to_device(dc, POINT{dst_logical.right, dst_logical.bottom});
    const double dw = b.x - a.x, dh = b.y - a.y;
    if (dw == 0 || dh == 0) return;
    const RECT area{std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x), std::max(a.y, b.y)};
    const std::uint32_t pattern_px =
        black | (GetRValue(pattern) << 16) | (GetGValue(pattern) << 8) | GetBValue(pattern);
    // Source columns once per column and source rows once per row: the nearest-pixel map.
    std::vector<int> columns;
    if (src != nullptr) {
        columns.resize(static_cast<std::size_t>(area.right - area.left));
        for (int x = area.left; x < area.right; ++x)
            columns[static_cast<std::size_t>(x - area.left)] = floor_to_int(s.x + (x - a.x + 0.5) * s.w / dw);
    }
    int row_y = INT_MIN, sy = 0;
    for_each_pixel(dc, area, [&](int x, int y, std::uint32_t& p) {
        std::uint32_t sp = pattern_px;
        if (src != nullptr) {
            if (y != row_y) row_y = y, sy = floor_to_int(s.y + (y - a.y + 0.5) * s.h / dh);
            const int sx = columns[static_cast<std::size_t>(x - area.left)];
            if (sx < 0 || sy < 0 || sx >= src->width || sy >= src->height) return;
            sp = src->at(sx, sy);
        }
        p = apply_op(op, p, sp);
    });
}

void transfer(DeviceContext& dc, const PixelSource* src, const SourceRect& s, const RECT& dst, DWORD rop) {
    const bool stretched = std::abs(s.w) != std::abs(double(dst.right - dst.left)) ||
                           std::abs(s.h) != std::abs(double(dst.bottom - dst.top));
    const bool smooth = stretched && dc.state.stretch_mode == HALFTONE;
    if (src != nullptr && (dc.kind == DcKind::Printer || (smooth && op_for_rop3(rop) == PixelOp::Copy)) &&
        (paint_scaled(dc, *src, s, dst) || dc.kind == DcKind::Printer))
        return;
    const COLORREF pattern = current_brush(dc).color;
    const PixelOp op = rop == PATCOPY ? PixelOp::Copy : rop == PATINVERT ? PixelOp::Xor : op_for_rop3(rop);
    blit_pixels(dc, needs_source(rop) ? src : nullptr, s, dst, op, pattern);
}

// The source pixels of a DC; copied when source and destination share a surface.
struct SourcePixels {
    PixelSource view;
    std::vector<std::uint32_t> copy;
};

std::optional<SourcePixels> source_pixels(DeviceContext& src, const DeviceContext& dst) {
    if (!src.surface || src.kind == DcKind::Printer) return std::nullopt;
    src.surface->flush();
    SourcePixels out{src.surface->source(), {}};
    if (src.surface == dst.surface) {
        out.copy.assign(out.view.pixels, out.view.pixels + std::size_t(out.view.width) * out.view.height);
        out.view.pixels = out.copy.data();
    }
    return out;
}

BOOL stretch(HDC dest, int x, int y, int w, int h, HDC source, int sx, int sy, int sw, int sh, DWORD rop) {
    DeviceContext* dc = find_dc(dest);
    if (dc == nullptr) return FALSE;
    const RECT dst{x, y, x + w, y + h};
    if (!needs_source(rop)) {
        transfer(*dc, nullptr, {0, 0, 1, 1}, dst, rop);
        return TRUE;
    }
    DeviceContext* src = find_dc(source);
    if (src == nullptr) return FALSE;
    auto pixels = source_pixels(*src, *dc);
    if (!pixels) return FALSE;
    // Source corners in surface pixels.
    const POINT a = to_device(*src, POINT{sx, sy});
    const POINT b = to_device(*src, POINT{sx + sw, sy + sh});
    const SourceRect s{double(a.x + src->origin.x), double(a.y + src->origin.y), double(b.x - a.x),
                       double(b.y - a.y)};
    if (s.w == 0 || s.h == 0) return FALSE;
    transfer(*dc, &pixels->view, s, dst, rop);
    return TRUE;
}

void write_row(const Surface& s, int y, int bpp, std::uint8_t* out) {
    for (int x = 0; x < s.width(); ++x) {
        const std::uint32_t p = s.pixel(x, y);
        if (bpp == 32) {
            const std::uint32_t v = p & 0x00FFFFFF;
            std::memcpy(out + 4 * x, &v, 4);
        } else {
            out[3 * x] = static_cast<std::uint8_t>(p);
            out[3 * x + 1] = static_cast<std::uint8_t>(p >> 8);
            out[3 * x + 2] = static_cast<std::uint8_t>(p >> 16);
        }
    }
}

} // namespace

HBITMAP CreateCompatibleBitmap(HDC dc, int width, int height) {
    if (find_dc(dc) == nullptr) return nullptr;
    // Unlike the real system, a memory DC's default bitmap does not make this monochrome.
    return make_bitmap(width, height, black, false, 32, false);
}

HBITMAP CreateBitmap(int width, int height, UINT planes, UINT bpp, const void* bits) {
    if (planes != 1 || (bpp != 1 && bpp != 24 && bpp != 32)) return nullptr;
    HBITMAP h = make_bitmap(width, height, black, false, static_cast<int>(bpp), false);
    if (h == nullptr || bits == nullptr) return h;
    Surface& s = *find_as<Bitmap>(h)->surface;
    // Device-dependent rows are padded to 16 bits.
    const std::size_t stride = ((static_cast<std::size_t>(width) * bpp + 15) / 16) * 2;
    const auto* in = static_cast<const std::uint8_t*>(bits);
    for (int y = 0; y < height; ++y) {
        const std::uint8_t* row = in + stride * static_cast<std::size_t>(y);
        std::uint32_t* out = s.row(y);
        for (int x = 0; x < width; ++x) {
            if (bpp == 1)
                out[x] = ((row[x / 8] >> (7 - x % 8)) & 1) ? 0xFFFFFFFF : black;
            else if (bpp == 24)
                out[x] = black | (row[3 * x + 2] << 16) | (row[3 * x + 1] << 8) | row[3 * x];
            else
                out[x] = black | (row[4 * x + 2] << 16) | (row[4 * x + 1] << 8) | row[4 * x];
        }
    }
    return h;
}

HBITMAP CreateDIBSection(HDC, const BITMAPINFO* info, UINT usage, void** bits, HANDLE, DWORD) {
    if (bits != nullptr) *bits = nullptr;
    if (info == nullptr || usage != DIB_RGB_COLORS) return nullptr;
    const BITMAPINFOHEADER& h = info->bmiHeader;
    // Sections are kept in the 32-bit layout that drawing uses directly.
    if (h.biSize < 40 || h.biPlanes != 1 || h.biBitCount != 32 || h.biCompression != BI_RGB ||
        h.biWidth <= 0 || h.biHeight == 0 || h.biHeight == INT32_MIN) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    HBITMAP bm = make_bitmap(h.biWidth, std::abs(h.biHeight), 0, h.biHeight > 0, 32, true);
    if (bm != nullptr && bits != nullptr) *bits = find_as<Bitmap>(bm)->surface->data();
    return bm;
}

BOOL BitBlt(HDC dest, int x, int y, int width, int height, HDC src, int sx, int sy, DWORD rop) {
    return stretch(dest, x, y, width, height, src, sx, sy, width, height, rop);
}

BOOL StretchBlt(HDC dest, int x, int y, int w, int h, HDC src, int sx, int sy, int sw, int sh, DWORD rop) {
    return stretch(dest, x, y, w, h, src, sx, sy, sw, sh, rop);
}

namespace {

// Every how-many pixels a large picture drawn much smaller needs decoding: the source keeps
// at least the destination's size, and pictures of ordinary size are decoded whole.
int reduction(const BITMAPINFOHEADER& h, int sw, int sh, int w, int h_dest) {
    constexpr std::int64_t WholeUpTo = std::int64_t(1) << 22; // 4 M pixels, 16 MB decoded
    if (std::int64_t{h.biWidth} * std::abs(std::int64_t{h.biHeight}) <= WholeUpTo) return 1;
    const int by_width = std::abs(sw) / std::max(std::abs(w), 1),
              by_height = std::abs(sh) / std::max(std::abs(h_dest), 1);
    return std::max(1, std::min(by_width, by_height));
}

} // namespace

int zeledit::platform::stretch_dib(HDC handle, RECT dest, RECT source, std::span<const std::uint8_t> info,
                                   std::span<const std::uint8_t> bits, DWORD rop) {
    DeviceContext* dc = find_dc(handle);
    if (dc == nullptr || info.size() < sizeof(BITMAPINFOHEADER)) return 0;
    BITMAPINFOHEADER header;
    std::memcpy(&header, info.data(), sizeof header);
    const int sw = source.right - source.left, sh = source.bottom - source.top;
    const int w = dest.right - dest.left, h = dest.bottom - dest.top;
    const auto image =
        decode_dib(info.data(), info.size(), bits.data(), bits.size(), reduction(header, sw, sh, w, h));
    if (!image) return 0;
    // For bottom-up DIBs the source origin is the lower-left corner.
    const double full_height = std::abs(double(header.biHeight));
    const double top = header.biHeight > 0 ? full_height - source.top - sh : source.top;
    const double step = image->step;
    const PixelSource pixels = image->source();
    transfer(*dc, &pixels, {source.left / step, top / step, sw / step, sh / step}, dest, rop);
    return static_cast<int>(full_height);
}

int StretchDIBits(HDC handle, int x, int y, int w, int h, int sx, int sy, int sw, int sh, const void* bits,
                  const BITMAPINFO* info, UINT usage, DWORD rop) {
    if (info == nullptr || bits == nullptr || usage != DIB_RGB_COLORS) return 0;
    const auto layout = caller_dib_layout(info->bmiHeader);
    if (!layout) return 0;
    return stretch_dib(handle, {x, y, x + w, y + h}, {sx, sy, sx + sw, sy + sh},
                       {reinterpret_cast<const std::uint8_t*>(info), layout->info_bytes},
                       {static_cast<const std::uint8_t*>(bits), layout->bits_bytes}, rop);
}

int SetDIBitsToDevice(HDC handle, int x, int y, DWORD w, DWORD h, int sx, int sy, UINT start, UINT lines,
                      const void* bits, const BITMAPINFO* info, UINT usage) {
    DeviceContext* dc = find_dc(handle);
    if (dc == nullptr || info == nullptr || usage != DIB_RGB_COLORS || lines == 0 || w > 1u << 16 ||
        h > 1u << 16)
        return 0;
    // The bits hold `lines` rows from `start`: decode them as a DIB of their own.
    BITMAPINFOHEADER band = info->bmiHeader;
    const LONG full = band.biHeight;
    if (full == 0 || full == INT32_MIN || start >= static_cast<UINT>(std::abs(full))) return 0;
    lines = std::min<UINT>(lines, static_cast<UINT>(std::abs(full)) - start);
    band.biHeight = full > 0 ? static_cast<LONG>(lines) : -static_cast<LONG>(lines);
    const auto layout = caller_dib_layout(band);
    if (!layout) return 0;
    std::vector<std::uint8_t> header(layout->info_bytes);
    std::memcpy(header.data(), info, layout->info_bytes);
    std::memcpy(header.data(), &band, sizeof band);
    const auto image = decode_dib(header.data(), header.size(), bits, layout->bits_bytes);
    if (!image) return 0;
    // Rows of the band, top-down within the full image.
    const int height = std::abs(full);
    const int band_top = full > 0 ? height - static_cast<int>(start + lines) : static_cast<int>(start);
    const int src_top = full > 0 ? height - sy - static_cast<int>(h) : sy;
    const PixelSource source = image->source();
    transfer(*dc, &source, {double(sx), double(src_top - band_top), double(w), double(h)},
             {x, y, x + static_cast<int>(w), y + static_cast<int>(h)}, SRCCOPY);
    return static_cast<int>(lines);
}

int GetDIBits(HDC dc, HBITMAP bitmap, UINT start, UINT lines, LPVOID bits, BITMAPINFO* info, UINT usage) {
    const Bitmap* b = find_as<Bitmap>(bitmap);
    if (find_dc(dc) == nullptr || b == nullptr || info == nullptr || usage != DIB_RGB_COLORS) return 0;
    BITMAPINFOHEADER& h = info->bmiHeader;
    const Surface& s = *b->surface;
    if (h.biSize < 40) return 0;
    if (h.biBitCount == 0) h.biBitCount = 32, h.biHeight = s.height();
    if (h.biBitCount != 24 && h.biBitCount != 32) return 0;
    h.biWidth = s.width();
    if (h.biHeight == 0) h.biHeight = s.height();
    h.biHeight = h.biHeight < 0 ? -s.height() : s.height();
    h.biPlanes = 1;
    h.biCompression = BI_RGB;
    const std::size_t stride = dib_stride(s.width(), h.biBitCount);
    h.biSizeImage = static_cast<DWORD>(stride * static_cast<std::size_t>(s.height()));
    if (bits == nullptr) return s.height();
    if (start >= static_cast<UINT>(s.height())) return 0;
    lines = std::min<UINT>(lines, static_cast<UINT>(s.height()) - start);
    const_cast<Surface&>(s).flush();
    for (UINT i = 0; i < lines; ++i) {
        // Scan line numbers count from the bottom for bottom-up layouts.
        const UINT scan = start + i;
        const int y = h.biHeight > 0 ? s.height() - 1 - static_cast<int>(scan) : static_cast<int>(scan);
        write_row(s, y, h.biBitCount, static_cast<std::uint8_t*>(bits) + stride * i);
    }
    return static_cast<int>(lines);
}

BOOL GdiFlush() { return TRUE; }

HPALETTE SelectPalette(HDC handle, HPALETTE palette, BOOL) {
    DeviceContext* dc = find_dc(handle);
    if (dc == nullptr || find_as<Palette>(palette) == nullptr) return nullptr;
    HPALETTE old = dc->state.palette;
    dc->state.palette = palette;
    return old;
}

UINT RealizePalette(HDC dc) { return find_dc(dc) == nullptr ? UINT(GDI_ERROR) : 0; }

namespace zeledit::platform {

HBITMAP bitmap_from_packed_dib(std::span<const std::uint8_t> block) {
    const std::optional<DecodedImage> image = decode_packed_dib(block);
    if (!image) return nullptr;
    HBITMAP h = make_bitmap(image->width, image->height, black, false, 32, false);
    if (h == nullptr) return nullptr;
    Surface& s = *find_as<Bitmap>(h)->surface;
    for (int y = 0; y < image->height; ++y)
        std::memcpy(s.row(y), &image->pixels[static_cast<std::size_t>(y) * image->width],
                    sizeof(std::uint32_t) * static_cast<std::size_t>(image->width));
    return h;
}

HGLOBAL packed_dib_from_bitmap(HBITMAP bitmap) {
    const Bitmap* b = find_as<Bitmap>(bitmap);
    if (b == nullptr) return nullptr;
    Surface& s = *b->surface;
    s.flush();
    const std::size_t stride = dib_stride(s.width(), 24);
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, sizeof(BITMAPINFOHEADER) + stride * s.height());
    auto* out = static_cast<std::uint8_t*>(GlobalLock(block));
    if (out == nullptr) {
        GlobalFree(block);
        return nullptr;
    }
    BITMAPINFOHEADER header{};
    header.biSize = sizeof header;
    header.biWidth = s.width();
    header.biHeight = s.height(); // bottom-up
    header.biPlanes = 1;
    header.biBitCount = 24;
    std::memcpy(out, &header, sizeof header);
    for (int y = 0; y < s.height(); ++y) {
        const std::uint32_t* in = s.row(s.height() - 1 - y);
        std::uint8_t* row = out + sizeof header + stride * static_cast<std::size_t>(y);
        std::memset(row, 0, stride);
        for (int x = 0; x < s.width(); ++x) {
            row[3 * x] = static_cast<std::uint8_t>(in[x]);
            row[3 * x + 1] = static_cast<std::uint8_t>(in[x] >> 8);
            row[3 * x + 2] = static_cast<std::uint8_t>(in[x] >> 16);
        }
    }
    GlobalUnlock(block);
    return block;
}

} // namespace zeledit::platform
