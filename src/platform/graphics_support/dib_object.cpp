// DIB objects and drawing packed DIBs.
#include "platform/core/global_memory.h"
#include "platform/core/handle_table.h"
#include "platform/gdi/device_context.h"
#include "platform/gdi/dib.h"
#include "platform/graphics_support/graphics_support.h"
#include "platform/graphics_support/image_files.h"

#include <cstdlib>
#include <cstring>

namespace zeledit::platform {
namespace {

struct DibData {
    int bits;
    HGLOBAL colour = nullptr;
    HGLOBAL alpha = nullptr;
};

HandleTable<DibData>& dibs() {
    static HandleTable<DibData> table(6);
    return table;
}

BITMAPINFOHEADER header_of(HGLOBAL block) {
    BITMAPINFOHEADER h{};
    LockedBlock b(block);
    if (b.size() >= sizeof h) std::memcpy(&h, b.data(), sizeof h);
    return h;
}

void replace(HGLOBAL& slot, HGLOBAL block) {
    if (slot != nullptr && slot != block) GlobalFree(slot);
    slot = block;
}

// Drawn straight from the packed block, so that a picture is decoded once and only as finely
// as it is drawn.
BOOL put_part(HDC dc, int x, int y, int w, int h, HGLOBAL dib, int sx, int sy, int sw, int sh, bool whole) {
    LockedBlock block(dib);
    const auto header_bytes = dib_header_bytes(block.bytes());
    if (!header_bytes || *header_bytes > block.size()) return FALSE;
    BITMAPINFOHEADER header;
    std::memcpy(&header, block.data(), sizeof header); // dib_header_bytes checked the size
    const int height =
        static_cast<int>(std::min<std::int64_t>(std::abs(std::int64_t{header.biHeight}), INT32_MAX));
    if (whole) sx = 0, sy = 0, sw = header.biWidth, sh = height;
    // The part is given from the top; a bottom-up picture counts its rows from the bottom.
    if (header.biHeight > 0) sy = height - sy - sh;
    const int old = SetStretchBltMode(dc, HALFTONE);
    const int lines =
        stretch_dib(dc, {x, y, x + w, y + h}, {sx, sy, sx + sw, sy + sh}, block.bytes().first(*header_bytes),
                    block.bytes().subspan(*header_bytes), SRCCOPY);
    SetStretchBltMode(dc, old);
    return lines > 0;
}

} // namespace

HDIBOBJ CreateDibObject(int bits) {
    if (bits != 8 && bits != 24) return nullptr;
    return dibs().add<HDIBOBJ>(std::make_shared<DibData>(DibData{bits}));
}

void FreeDibObject(HDIBOBJ dib) {
    if (auto d = dibs().remove(dib)) {
        replace(d->colour, nullptr);
        replace(d->alpha, nullptr);
    }
}

int dibGetWidth(HDIBOBJ dib) {
    const DibData* d = dibs().find(dib);
    return d == nullptr ? 0 : header_of(d->colour).biWidth;
}

int dibGetHeight(HDIBOBJ dib) {
    const DibData* d = dibs().find(dib);
    return d == nullptr ? 0 : std::abs(header_of(d->colour).biHeight);
}

int dibGetBits(HDIBOBJ dib) {
    const DibData* d = dibs().find(dib);
    return d == nullptr ? 0 : d->bits;
}

HGLOBAL dibGetHandle(HDIBOBJ dib) {
    const DibData* d = dibs().find(dib);
    return d == nullptr ? nullptr : d->colour;
}

void dibSetHandle(HDIBOBJ dib, HGLOBAL block) {
    if (DibData* d = dibs().find(dib)) {
        replace(d->colour, block);
        const int bits = header_of(block).biBitCount;
        if (bits == 8 || bits == 24) d->bits = bits;
    }
}

HGLOBAL dibGetAlphaHandle(HDIBOBJ dib) {
    const DibData* d = dibs().find(dib);
    return d == nullptr ? nullptr : d->alpha;
}

void dibSetAlphaHandle(HDIBOBJ dib, HGLOBAL block) {
    if (DibData* d = dibs().find(dib)) replace(d->alpha, block);
}

HGLOBAL dibCreateAlphaChannel(HDIBOBJ dib) {
    DibData* d = dibs().find(dib);
    if (d == nullptr) return nullptr;
    const std::size_t n = static_cast<std::size_t>(dibGetWidth(dib)) * dibGetHeight(dib);
    HGLOBAL alpha = GlobalAlloc(GMEM_MOVEABLE, n);
    if (alpha == nullptr) return nullptr;
    std::memset(GlobalLock(alpha), 0xFF, n);
    GlobalUnlock(alpha);
    replace(d->alpha, alpha);
    return alpha;
}

HGLOBAL make_packed_dib(int width, int height, std::span<const std::uint32_t> argb) {
    if (width <= 0 || height <= 0 || argb.size() < static_cast<std::size_t>(width) * height) return nullptr;
    const std::size_t stride = dib_stride(width, 24);
    const BITMAPINFOHEADER h{sizeof h, width, height, 1, 24, BI_RGB, static_cast<DWORD>(stride * height),
                             3780,     3780,  0,      0};
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, sizeof h + stride * static_cast<std::size_t>(height));
    if (block == nullptr) return nullptr;
    LockedBlock out(block);
    std::memcpy(out.data(), &h, sizeof h);
    for (int y = 0; y < height; ++y) {
        unsigned char* row = out.data() + sizeof h + stride * static_cast<std::size_t>(height - 1 - y);
        for (int x = 0; x < width; ++x) {
            const std::uint32_t p = argb[static_cast<std::size_t>(y) * width + x];
            row[3 * x] = static_cast<unsigned char>(p);
            row[3 * x + 1] = static_cast<unsigned char>(p >> 8);
            row[3 * x + 2] = static_cast<unsigned char>(p >> 16);
        }
    }
    return block;
}

HGLOBAL make_alpha_block(int width, int height, std::span<const std::uint32_t> argb) {
    const std::size_t n = static_cast<std::size_t>(width) * height;
    if (width <= 0 || height <= 0 || argb.size() < n) return nullptr;
    bool opaque = true;
    for (std::size_t i = 0; i < n && opaque; ++i) opaque = (argb[i] >> 24) == 0xFF;
    if (opaque) return nullptr;
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, n);
    if (block == nullptr) return nullptr;
    LockedBlock out(block);
    // Alpha rows follow the colour DIB: bottom-up.
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            out.data()[static_cast<std::size_t>(height - 1 - y) * width + x] =
                static_cast<unsigned char>(argb[static_cast<std::size_t>(y) * width + x] >> 24);
    return block;
}

HGLOBAL BitmapToDIB(HDC dc, HBITMAP bitmap, HPALETTE) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    if (GetDIBits(dc, bitmap, 0, 0, nullptr, &info, DIB_RGB_COLORS) == 0) return nullptr;
    const int width = info.bmiHeader.biWidth, height = std::abs(info.bmiHeader.biHeight);
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biHeight = height;
    const std::size_t stride = dib_stride(width, 24);
    HGLOBAL block =
        GlobalAlloc(GMEM_MOVEABLE, sizeof(BITMAPINFOHEADER) + stride * static_cast<std::size_t>(height));
    if (block == nullptr) return nullptr;
    LockedBlock out(block);
    if (GetDIBits(dc, bitmap, 0, static_cast<UINT>(height), out.data() + sizeof(BITMAPINFOHEADER), &info,
                  DIB_RGB_COLORS) != height) {
        GlobalFree(block);
        return nullptr;
    }
    std::memcpy(out.data(), &info.bmiHeader, sizeof(BITMAPINFOHEADER));
    return block;
}

BOOL PutDIBit(HDC dc, int x, int y, int w, int h, HGLOBAL dib) {
    return put_part(dc, x, y, w, h, dib, 0, 0, 0, 0, true);
}

BOOL PutDIBStr(HDC dc, int x, int y, int w, int h, HGLOBAL dib, int) {
    return put_part(dc, x, y, w, h, dib, 0, 0, 0, 0, true);
}

BOOL AdvPutDIBit(HDC dc, int x, int y, int w, int h, HGLOBAL dib, int sx, int sy, int sw, int sh) {
    return put_part(dc, x, y, w, h, dib, sx, sy, sw, sh, false);
}

BOOL AdvPutDIBStr(HDC dc, int x, int y, int w, int h, HGLOBAL dib, int sx, int sy, int sw, int sh, int) {
    return put_part(dc, x, y, w, h, dib, sx, sy, sw, sh, false);
}

BOOL PrintAlphaDibOnDC(HDC handle, int x, int y, int w, int h, HDIBOBJ dib) {
    DeviceContext* dc = find_dc(handle);
    const DibData* d = dibs().find(dib);
    if (dc == nullptr || d == nullptr || w == 0 || h == 0) return FALSE;
    if (d->alpha == nullptr) return PutDIBit(handle, x, y, w, h, d->colour);
    LockedBlock colour(d->colour), alpha(d->alpha);
    auto image = decode_packed_dib(colour.bytes());
    const std::size_t n = image ? static_cast<std::size_t>(image->width) * image->height : 0;
    if (!image || alpha.size() < n) return FALSE;
    // A premultiplied image for cairo, its alpha rows turned top-down.
    cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, image->width, image->height);
    auto* px = reinterpret_cast<std::uint32_t*>(cairo_image_surface_get_data(s));
    const int stride = cairo_image_surface_get_stride(s) / 4;
    for (int row = 0; row < image->height; ++row)
        for (int col = 0; col < image->width; ++col) {
            const std::uint32_t a =
                alpha.data()[static_cast<std::size_t>(image->height - 1 - row) * image->width + col];
            const std::uint32_t c = image->pixels[static_cast<std::size_t>(row) * image->width + col];
            auto pre = [&](int shift) { return (((c >> shift) & 0xFF) * a + 127) / 255 << shift; };
            px[row * stride + col] = (a << 24) | pre(16) | pre(8) | pre(0);
        }
    cairo_surface_mark_dirty(s);
    {
        Canvas canvas(*dc);
        if (canvas.cr != nullptr) {
            cairo_translate(canvas.cr, x, y);
            cairo_scale(canvas.cr, double(w) / image->width, double(h) / image->height);
            set_source(canvas.cr, s, 0, 0, CAIRO_FILTER_GOOD, CAIRO_EXTEND_PAD);
            cairo_rectangle(canvas.cr, 0, 0, image->width, image->height);
            cairo_clip(canvas.cr);
            cairo_paint(canvas.cr);
        }
    }
    cairo_surface_destroy(s);
    return TRUE;
}

} // namespace zeledit::platform

namespace zeledit::platform {

HDIBOBJ LoadImageToDib(std::span<const std::uint8_t> file) {
    const auto image = decode_image(file);
    if (!image) return nullptr;
    HGLOBAL colour = make_packed_dib(image->width, image->height, image->pixels);
    if (colour == nullptr) return nullptr;
    HDIBOBJ dib = CreateDibObject(24);
    dibSetHandle(dib, colour);
    dibSetAlphaHandle(dib, make_alpha_block(image->width, image->height, image->pixels));
    return dib;
}

} // namespace zeledit::platform
