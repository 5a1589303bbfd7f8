#include "platform/gdi/dib.h"

#include "platform/core/byte_reader.h"

#include <algorithm>
#include <bit>
#include <cstring>

namespace zeledit::platform {
namespace {

struct Header {
    int width = 0;
    int height = 0; // positive
    bool bottom_up = true;
    int bpp = 0;
    DWORD compression = BI_RGB;
    std::size_t header_bytes = 0; // header plus masks
    std::size_t colors = 0;
    std::size_t color_bytes = 4; // 3 for the old core header
    DWORD masks[3] = {0x00FF0000, 0x0000FF00, 0x000000FF};
    DWORD size_image = 0;
};

bool valid_depth(int bpp, DWORD compression) {
    switch (compression) {
    case BI_RGB: return bpp == 1 || bpp == 4 || bpp == 8 || bpp == 16 || bpp == 24 || bpp == 32;
    case BI_RLE8: return bpp == 8;
    case BI_RLE4: return bpp == 4;
    case BI_BITFIELDS: return bpp == 16 || bpp == 32;
    default: return false;
    }
}

std::optional<Header> parse_header(std::span<const std::uint8_t> in) {
    const ByteReader r(in);
    const DWORD size = r.get<DWORD>(0);
    Header h;
    std::int64_t width, height;
    if (size == 12) { // the old core header
        width = r.get<WORD>(4);
        height = r.get<WORD>(6);
        h.bpp = r.get<WORD>(10);
        h.color_bytes = 3;
        h.header_bytes = 12;
    } else {
        if (size < 40 || size > in.size()) return std::nullopt;
        width = r.get<LONG>(4);
        height = r.get<LONG>(8);
        if (r.get<WORD>(12) != 1) return std::nullopt;
        h.bpp = r.get<WORD>(14);
        h.compression = r.get<DWORD>(16);
        h.size_image = r.get<DWORD>(20);
        const DWORD used = r.get<DWORD>(32);
        if (h.bpp <= 8 && used > (1u << h.bpp)) return std::nullopt;
        h.colors = used;
        h.header_bytes = size;
        if (h.compression == BI_BITFIELDS) {
            // The masks follow the plain header, or sit at the same place inside larger ones.
            for (int i = 0; i < 3; ++i) h.masks[i] = r.get<DWORD>(40 + 4 * i);
            if (size == 40) h.header_bytes += 12;
        } else if (h.bpp == 16) {
            h.masks[0] = 0x7C00, h.masks[1] = 0x03E0, h.masks[2] = 0x001F;
        }
    }
    if (!r.ok()) return std::nullopt;
    if (!valid_depth(h.bpp, h.compression) || width <= 0 || height == 0 || height == INT32_MIN)
        return std::nullopt;
    h.bottom_up = height > 0;
    if (height < 0) {
        if (h.compression == BI_RLE8 || h.compression == BI_RLE4) return std::nullopt;
        height = -height;
    }
    if (width * height > max_dib_pixels) return std::nullopt;
    h.width = static_cast<int>(width);
    h.height = static_cast<int>(height);
    if (h.bpp <= 8 && h.colors == 0) h.colors = std::size_t(1) << h.bpp;
    if (h.bpp > 8) h.colors = 0;
    return h;
}

std::uint32_t argb(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
    return 0xFF000000u | (std::uint32_t(r) << 16) | (std::uint32_t(g) << 8) | b;
}

std::uint32_t from_mask(DWORD value, DWORD mask) {
    if (mask == 0) return 0;
    const int shift = std::countr_zero(mask);
    const DWORD max = mask >> shift;
    return static_cast<std::uint32_t>((std::uint64_t((value & mask) >> shift) * 255 + max / 2) / max);
}

class Decoder {
public:
    Decoder(const Header& h, std::span<const std::uint8_t> table, std::span<const std::uint8_t> bits,
            int step)
        : h_(h), bits_(bits), step_(std::max(step, 1)) {
        palette_.assign(std::size_t(1) << std::min(h.bpp, 8), 0xFF000000u);
        const std::size_t n = std::min(h.colors, table.size() / h.color_bytes);
        for (std::size_t i = 0; i < n && i < palette_.size(); ++i) {
            const std::uint8_t* c = table.data() + i * h.color_bytes;
            palette_[i] = argb(c[2], c[1], c[0]);
        }
        image_.width = (h.width + step_ - 1) / step_;
        image_.height = (h.height + step_ - 1) / step_;
        image_.step = step_;
        image_.pixels.assign(static_cast<std::size_t>(image_.width) * image_.height, 0xFF000000u);
    }

    std::optional<DecodedImage> run() {
        const bool ok = h_.compression == BI_RLE8 || h_.compression == BI_RLE4 ? rle() : rows();
        if (!ok) return std::nullopt;
        return std::move(image_);
    }

private:
    int top_down(int row_from_bottom_or_top) const {
        return h_.bottom_up ? h_.height - 1 - row_from_bottom_or_top : row_from_bottom_or_top;
    }

    void put(int x, int row_from_bottom_or_top, std::uint32_t p) {
        const int y = top_down(row_from_bottom_or_top);
        if (x < 0 || x >= h_.width || y < 0 || y >= h_.height || x % step_ != 0 || y % step_ != 0) return;
        image_.pixels[static_cast<std::size_t>(y / step_) * image_.width + x / step_] = p;
    }

    bool rows() {
        const std::size_t stride = dib_stride(h_.width, h_.bpp);
        if (bits_.size() / stride < static_cast<std::size_t>(h_.height)) return false;
        for (int r = 0; r < h_.height; ++r) {
            if (top_down(r) % step_ != 0) continue;
            const std::uint8_t* row = bits_.data() + static_cast<std::size_t>(r) * stride;
            for (int x = 0; x < h_.width; x += step_) put(x, r, pixel(row, x));
        }
        return true;
    }

    std::uint32_t pixel(const std::uint8_t* row, int x) const {
        switch (h_.bpp) {
        case 1: return palette_[(row[x / 8] >> (7 - x % 8)) & 1];
        case 4: return palette_[(row[x / 2] >> (x % 2 == 0 ? 4 : 0)) & 0xF];
        case 8: return palette_[row[x]];
        case 16: {
            const DWORD v = LoadUnaligned<WORD>(row + 2 * x);
            return argb(std::uint8_t(from_mask(v, h_.masks[0])), std::uint8_t(from_mask(v, h_.masks[1])),
                        std::uint8_t(from_mask(v, h_.masks[2])));
        }
        case 24: return argb(row[3 * x + 2], row[3 * x + 1], row[3 * x]);
        default: {
            const DWORD v = LoadUnaligned<DWORD>(row + 4 * x);
            if (h_.compression != BI_BITFIELDS) return 0xFF000000u | (v & 0xFFFFFF);
            return argb(std::uint8_t(from_mask(v, h_.masks[0])), std::uint8_t(from_mask(v, h_.masks[1])),
                        std::uint8_t(from_mask(v, h_.masks[2])));
        }
        }
    }

    // Run-length rows: every read is checked against the end of the data.
    bool rle() {
        const bool four = h_.compression == BI_RLE4;
        std::size_t i = 0;
        int x = 0, row = 0;
        auto next = [&](std::uint8_t& v) {
            if (i >= bits_.size()) return false;
            v = bits_[i++];
            return true;
        };
        auto index_at = [&](std::uint8_t byte, int k) {
            return four ? ((k % 2 == 0) ? byte >> 4 : byte & 0xF) : byte;
        };
        while (row < h_.height) {
            std::uint8_t count, value;
            if (!next(count) || !next(value)) return true; // a missing end marker ends the image
            if (count > 0) {
                for (int k = 0; k < count; ++k) put(x++, row, palette_[index_at(value, k)]);
                continue;
            }
            if (value == 0) { // end of line
                x = 0, ++row;
            } else if (value == 1) { // end of bitmap
                return true;
            } else if (value == 2) { // delta
                std::uint8_t dx, dy;
                if (!next(dx) || !next(dy)) return true;
                x += dx, row += dy;
            } else { // absolute run of `value` pixels, padded to a word
                const std::size_t bytes = four ? (value + 1u) / 2 : value;
                if (i + bytes > bits_.size()) return true;
                for (int k = 0; k < value; ++k) {
                    const std::uint8_t byte = bits_[i + (four ? std::size_t(k / 2) : std::size_t(k))];
                    put(x++, row, palette_[index_at(byte, k)]);
                }
                i += bytes + (bytes % 2);
            }
        }
        return true;
    }

    const Header& h_;
    std::span<const std::uint8_t> bits_;
    int step_;
    std::vector<std::uint32_t> palette_;
    DecodedImage image_;
};

std::optional<DecodedImage> decode(const Header& h, std::span<const std::uint8_t> header_area,
                                   std::span<const std::uint8_t> bits, int step = 1) {
    const std::size_t table_bytes = h.colors * h.color_bytes;
    if (header_area.size() < h.header_bytes) return std::nullopt;
    // Rows that are not there are refused before the image is allocated.
    const bool rle = h.compression == BI_RLE8 || h.compression == BI_RLE4;
    if (!rle && bits.size() / dib_stride(h.width, h.bpp) < static_cast<std::size_t>(h.height))
        return std::nullopt;
    const auto table =
        header_area.subspan(h.header_bytes, std::min(table_bytes, header_area.size() - h.header_bytes));
    return Decoder(h, table, bits, step).run();
}

} // namespace

std::size_t dib_stride(int width, int bpp) {
    return ((static_cast<std::size_t>(width) * static_cast<std::size_t>(bpp) + 31) / 32) * 4;
}

std::optional<std::size_t> dib_header_bytes(std::span<const std::uint8_t> block) {
    const auto h = parse_header(block);
    if (!h) return std::nullopt;
    return h->header_bytes + h->colors * h->color_bytes;
}

std::optional<DecodedImage> decode_dib(const void* info, std::size_t info_bytes, const void* bits,
                                       std::size_t bits_bytes, int step) {
    if (info == nullptr || bits == nullptr) return std::nullopt;
    const std::span<const std::uint8_t> header_area(static_cast<const std::uint8_t*>(info), info_bytes);
    const auto h = parse_header(header_area);
    if (!h) return std::nullopt;
    return decode(*h, header_area, {static_cast<const std::uint8_t*>(bits), bits_bytes}, step);
}

std::optional<DecodedImage> decode_packed_dib(std::span<const std::uint8_t> block) {
    const auto h = parse_header(block);
    if (!h) return std::nullopt;
    const std::size_t start = h->header_bytes + h->colors * h->color_bytes;
    if (start > block.size()) return std::nullopt;
    return decode(*h, block.first(start), block.subspan(start));
}

std::optional<DibLayout> caller_dib_layout(const BITMAPINFOHEADER& header) {
    if (header.biSize < 40 || header.biSize > 124) return std::nullopt;
    // Parse a copy whose size field covers only what BITMAPINFOHEADER holds, plus masks.
    std::uint8_t copy[52] = {};
    std::memcpy(copy, &header, 40);
    const DWORD plain = 40;
    std::memcpy(copy, &plain, sizeof plain);
    if (header.biCompression == BI_BITFIELDS)
        std::memcpy(copy + 40, reinterpret_cast<const std::uint8_t*>(&header) + 40, 12);
    const auto h = parse_header(copy);
    if (!h) return std::nullopt;
    const std::size_t masks = header.biCompression == BI_BITFIELDS && header.biSize == 40 ? 12 : 0;
    const std::size_t info = header.biSize + masks + h->colors * h->color_bytes;
    const bool rle = h->compression == BI_RLE8 || h->compression == BI_RLE4;
    return DibLayout{info, rle ? h->size_image
                               : dib_stride(h->width, h->bpp) * static_cast<std::size_t>(h->height)};
}

} // namespace zeledit::platform
