// The DEX image format: a colour DIB of 8 or 24 bits and an optional 8-bit alpha channel.
//
//   offset  size  field
//   0       4     "ZDEX"
//   4       2     version (1)
//   6       2     bits per pixel of the colour DIB (8 or 24)
//   8       4     width
//   12      4     height
//   16      4     bytes of the packed colour DIB that follows the header
//   20      4     bytes of alpha that follow the DIB (0, or width × height)
//   24            packed DIB, then alpha rows in the DIB's row order
#include "platform/core/byte_reader.h"
#include "platform/core/global_memory.h"
#include "platform/gdi/dib.h"
#include "platform/graphics_support/graphics_support.h"

#include <cstdlib>
#include <cstring>

namespace zeledit::platform {
namespace {

constexpr std::size_t header_size = 24;
constexpr char magic[4] = {'Z', 'D', 'E', 'X'};

template <class T> void put(BYTE* p, T v) { std::memcpy(p, &v, sizeof v); }

struct Shape {
    int width = 0;
    int height = 0;
    int bits = 0;
};

// Plain rows are checked by their size alone; packed ones by decoding them, which costs as
// much as drawing the picture.
bool rows_fit(std::span<const std::uint8_t> dib, const BITMAPINFOHEADER& h) {
    if (h.biCompression != BI_RGB) return decode_packed_dib(dib).has_value();
    const auto start = dib_header_bytes(dib);
    const std::int64_t width = h.biWidth, height = std::abs(std::int64_t{h.biHeight});
    if (!start || h.biPlanes != 1 || width <= 0 || height == 0 || width * height > max_dib_pixels)
        return false;
    return *start + dib_stride(h.biWidth, h.biBitCount) * static_cast<std::size_t>(height) <= dib.size();
}

std::optional<Shape> shape_of(std::span<const std::uint8_t> dib) {
    if (dib.size() < sizeof(BITMAPINFOHEADER)) return std::nullopt;
    BITMAPINFOHEADER h;
    std::memcpy(&h, dib.data(), sizeof h);
    if (h.biSize != sizeof h || (h.biBitCount != 8 && h.biBitCount != 24) || !rows_fit(dib, h))
        return std::nullopt;
    return Shape{h.biWidth, std::abs(h.biHeight), h.biBitCount};
}

HGLOBAL copy_block(const BYTE* data, std::size_t size) {
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, size);
    if (block == nullptr) return nullptr;
    std::memcpy(GlobalLock(block), data, size);
    GlobalUnlock(block);
    return block;
}

} // namespace

std::size_t GetDEXSize(HGLOBAL colour, HGLOBAL alpha) {
    LockedBlock c(colour);
    if (!shape_of(c.bytes())) return 0;
    return header_size + c.size() + (alpha != nullptr ? GlobalSize(alpha) : 0);
}

std::size_t SaveDibExToBuffer(BYTE* destination, HGLOBAL colour, HGLOBAL alpha) {
    LockedBlock c(colour);
    const auto shape = shape_of(c.bytes());
    if (destination == nullptr || !shape) return 0;
    LockedBlock a(alpha);
    const std::size_t pixels = static_cast<std::size_t>(shape->width) * shape->height;
    const std::size_t alpha_bytes = alpha != nullptr && a.size() == pixels ? pixels : 0;
    if (alpha != nullptr && alpha_bytes == 0) return 0; // an alpha block of the wrong size
    std::memcpy(destination, magic, 4);
    put<WORD>(destination + 4, 1);
    put<WORD>(destination + 6, static_cast<WORD>(shape->bits));
    put<DWORD>(destination + 8, static_cast<DWORD>(shape->width));
    put<DWORD>(destination + 12, static_cast<DWORD>(shape->height));
    put<DWORD>(destination + 16, static_cast<DWORD>(c.size()));
    put<DWORD>(destination + 20, static_cast<DWORD>(alpha_bytes));
    std::memcpy(destination + header_size, c.data(), c.size());
    if (alpha_bytes > 0) std::memcpy(destination + header_size + c.size(), a.data(), alpha_bytes);
    return header_size + c.size() + alpha_bytes;
}

int LoadDibExFromBuffer(const BYTE** data, std::size_t* remaining, HGLOBAL* colour, HGLOBAL* alpha) {
    if (data == nullptr || *data == nullptr || remaining == nullptr || colour == nullptr || alpha == nullptr)
        return 0;
    *colour = *alpha = nullptr;
    ByteReader in({*data, *remaining});
    const auto head = in.take(header_size);
    if (!head || std::memcmp(head->data(), magic, 4) != 0 || in.get<WORD>(4) != 1) return 0;
    const int bits = in.get<WORD>(6);
    const std::uint64_t width = in.get<DWORD>(8), height = in.get<DWORD>(12);
    const auto dib = in.take(in.get<DWORD>(16));
    const auto alpha_part = in.take(in.get<DWORD>(20));
    if (!dib || !alpha_part) return 0;
    const auto shape = shape_of(*dib);
    if (!shape || shape->bits != bits || std::uint64_t(shape->width) != width ||
        std::uint64_t(shape->height) != height)
        return 0;
    if (!alpha_part->empty() && alpha_part->size() != width * height) return 0;
    HGLOBAL c = copy_block(dib->data(), dib->size());
    HGLOBAL a = !alpha_part->empty() ? copy_block(alpha_part->data(), alpha_part->size()) : nullptr;
    if (c == nullptr || (!alpha_part->empty() && a == nullptr)) {
        GlobalFree(c);
        GlobalFree(a);
        return 0;
    }
    *colour = c;
    *alpha = a;
    *data += in.position();
    *remaining -= in.position();
    return bits;
}

HDIBOBJ LoadDexFromResource(HINSTANCE instance, LPCWSTR name) {
    HRSRC found = FindResourceW(instance, name, RT_RCDATA);
    HGLOBAL loaded = found != nullptr ? LoadResource(instance, found) : nullptr;
    const auto* bytes = static_cast<const BYTE*>(LockResource(loaded));
    std::size_t size = found != nullptr ? SizeofResource(instance, found) : 0;
    HGLOBAL colour = nullptr, alpha = nullptr;
    const int bits = bytes != nullptr ? LoadDibExFromBuffer(&bytes, &size, &colour, &alpha) : 0;
    if (bits == 0) return nullptr;
    HDIBOBJ dib = CreateDibObject(bits);
    dibSetHandle(dib, colour);
    dibSetAlphaHandle(dib, alpha);
    return dib;
}

} // namespace zeledit::platform
