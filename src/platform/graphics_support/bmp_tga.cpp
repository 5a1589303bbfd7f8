// BMP and TGA files, and the choice of decoder by signature.
#include "platform/core/byte_reader.h"
#include "platform/gdi/dib.h"
#include "platform/graphics_support/image_files.h"

#include <cstring>

namespace zeledit::platform {
namespace {

bool starts_with(std::span<const std::uint8_t> f, std::initializer_list<std::uint8_t> sig) {
    return f.size() >= sig.size() && std::equal(sig.begin(), sig.end(), f.begin());
}

std::uint32_t from16(std::uint16_t v, bool alpha_bit) {
    auto c = [&](int shift) { return std::uint32_t(((v >> shift) & 0x1F) * 255 / 31); };
    const std::uint32_t a = alpha_bit && !(v & 0x8000) ? 0 : 0xFF;
    return (a << 24) | (c(10) << 16) | (c(5) << 8) | c(0);
}

class TgaReader {
public:
    explicit TgaReader(std::span<const std::uint8_t> f) : in_(f) {}

    std::optional<RgbaImage> read() {
        const auto f = in_.take(18);
        if (!f) return std::nullopt;
        const int id_len = (*f)[0], map_type = (*f)[1], type = (*f)[2];
        const int map_first = in_.get<std::uint16_t>(3), map_len = in_.get<std::uint16_t>(5);
        const int map_bits = (*f)[7];
        const int width = in_.get<std::uint16_t>(12), height = in_.get<std::uint16_t>(14);
        bpp_ = (*f)[16];
        const int descriptor = (*f)[17];
        const int base = type & ~8;
        rle_ = (type & 8) != 0;
        if ((base != 1 && base != 2 && base != 3) || map_type > 1 || width == 0 || height == 0)
            return std::nullopt;
        // No more pixels than the data can describe: raw pixels take their bytes, a run
        // packet of one or more bytes gives at most 128.
        const std::uint64_t pixels = std::uint64_t(width) * height;
        const std::uint64_t bytes_per_pixel = (bpp_ + 7) / 8;
        const std::uint64_t available = in_.remaining();
        const bool run_length = (type & 8) != 0;
        if (pixels > max_image_pixels ||
            (run_length ? pixels > available * 128 : pixels * bytes_per_pixel > available))
            return std::nullopt;
        if (base == 1 && (map_type != 1 || bpp_ != 8)) return std::nullopt;
        if (base == 2 && bpp_ != 15 && bpp_ != 16 && bpp_ != 24 && bpp_ != 32) return std::nullopt;
        if (base == 3 && bpp_ != 8) return std::nullopt;
        if (!in_.take(static_cast<std::size_t>(id_len))) return std::nullopt;
        if (map_type == 1 && !read_map(map_first, map_len, map_bits)) return std::nullopt;
        kind_ = base;
        alpha_ = (descriptor & 0x0F) != 0;
        RgbaImage out{width, height,
                      std::vector<std::uint32_t>(static_cast<std::size_t>(width) * height, 0xFF000000u)};
        const bool top_down = (descriptor & 0x20) != 0;
        for (std::size_t i = 0; i < out.pixels.size(); ++i) {
            const auto p = next();
            if (!p) return std::nullopt;
            const std::size_t row = i / width, col = i % width;
            const std::size_t y = top_down ? row : height - 1 - row;
            out.pixels[y * width + col] = *p;
        }
        return out;
    }

private:
    bool read_map(int first, int len, int bits) {
        const int bytes = (bits + 7) / 8;
        if (bits != 15 && bits != 16 && bits != 24 && bits != 32) return false;
        const auto entries = in_.take(std::uint64_t(len) * bytes);
        if (!entries) return false;
        map_.assign(256, 0xFF000000u);
        for (int i = 0; i < len && first + i < 256; ++i)
            map_[first + i] = colour(entries->data() + std::size_t(i) * bytes, bits, bits == 32);
        return true;
    }

    static std::uint32_t colour(const std::uint8_t* p, int bits, bool alpha) {
        switch (bits) {
        case 15:
        case 16: return from16(LoadUnaligned<std::uint16_t>(p), false);
        case 24: return 0xFF000000u | (p[2] << 16) | (p[1] << 8) | p[0];
        default: return (std::uint32_t(alpha ? p[3] : 0xFF) << 24) | (p[2] << 16) | (p[1] << 8) | p[0];
        }
    }

    std::optional<std::uint32_t> raw() {
        const auto bytes = in_.take((bpp_ + 7) / 8);
        if (!bytes) return std::nullopt;
        const std::uint8_t* p = bytes->data();
        if (kind_ == 1) return map_[p[0]];
        if (kind_ == 3) return 0xFF000000u | (p[0] << 16) | (p[0] << 8) | p[0];
        return colour(p, bpp_, alpha_);
    }

    std::optional<std::uint32_t> next() {
        if (!rle_) return raw();
        if (left_ == 0) {
            const auto byte = in_.read<std::uint8_t>();
            if (!byte) return std::nullopt;
            const std::uint8_t head = *byte;
            left_ = (head & 0x7F) + 1;
            repeat_ = (head & 0x80) != 0;
            if (repeat_) {
                const auto p = raw();
                if (!p) return std::nullopt;
                value_ = *p;
            }
        }
        --left_;
        return repeat_ ? std::optional<std::uint32_t>(value_) : raw();
    }

    ByteReader in_;
    int bpp_ = 0;
    int kind_ = 0;
    bool rle_ = false;
    bool alpha_ = false;
    std::vector<std::uint32_t> map_;
    int left_ = 0;
    bool repeat_ = false;
    std::uint32_t value_ = 0;
};

} // namespace

std::optional<RgbaImage> decode_bmp(std::span<const std::uint8_t> file) {
    if (!starts_with(file, {'B', 'M'}) || file.size() < sizeof(BITMAPFILEHEADER)) return std::nullopt;
    const auto image = decode_packed_dib(file.subspan(sizeof(BITMAPFILEHEADER)));
    if (!image) return std::nullopt;
    return RgbaImage{image->width, image->height, image->pixels};
}

std::optional<RgbaImage> decode_tga(std::span<const std::uint8_t> file) { return TgaReader(file).read(); }

std::optional<RgbaImage> decode_image(std::span<const std::uint8_t> file) {
    if (starts_with(file, {0x89, 'P', 'N', 'G'})) return decode_png(file);
    if (starts_with(file, {0xFF, 0xD8, 0xFF})) return decode_jpeg(file);
    if (starts_with(file, {'I', 'I', 42, 0}) || starts_with(file, {'M', 'M', 0, 42}))
        return decode_tiff(file);
    if (starts_with(file, {'B', 'M'})) return decode_bmp(file);
    return decode_tga(file);
}

} // namespace zeledit::platform
