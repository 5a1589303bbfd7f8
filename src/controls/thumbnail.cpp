#include "controls/thumbnail.h"

#include "platform/core/small_file.h"
#include "platform/graphics_support/image_files.h"

#include <algorithm>
#include <vector>

namespace zeledit::controls {
namespace {

// Averages the pixels each target pixel covers (a box filter), channel by channel.
platform::RgbaImage shrink(const platform::RgbaImage& from, int side) {
    const double scale = std::min({1.0, double(side) / from.width, double(side) / from.height});
    platform::RgbaImage to;
    to.width = std::max(1, static_cast<int>(from.width * scale));
    to.height = std::max(1, static_cast<int>(from.height * scale));
    to.pixels.resize(static_cast<std::size_t>(to.width) * static_cast<std::size_t>(to.height));
    for (int y = 0; y < to.height; ++y) {
        const int y0 = y * from.height / to.height, y1 = std::max(y0 + 1, (y + 1) * from.height / to.height);
        for (int x = 0; x < to.width; ++x) {
            const int x0 = x * from.width / to.width, x1 = std::max(x0 + 1, (x + 1) * from.width / to.width);
            std::uint64_t sum[4] = {0, 0, 0, 0};
            for (int sy = y0; sy < y1; ++sy)
                for (int sx = x0; sx < x1; ++sx) {
                    const std::uint32_t p =
                        from.pixels[static_cast<std::size_t>(sy) * static_cast<std::size_t>(from.width) +
                                    static_cast<std::size_t>(sx)];
                    for (int c = 0; c < 4; ++c) sum[c] += (p >> (8 * c)) & 0xFF;
                }
            const auto n = static_cast<std::uint64_t>(y1 - y0) * static_cast<std::uint64_t>(x1 - x0);
            std::uint32_t out = 0;
            for (int c = 0; c < 4; ++c) out |= static_cast<std::uint32_t>(sum[c] / n) << (8 * c);
            to.pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(to.width) +
                      static_cast<std::size_t>(x)] = out;
        }
    }
    return to;
}

} // namespace

bool Thumbnail::Load(const std::string& path, int side) {
    Clear();
    std::vector<std::uint8_t> bytes;
    if (!platform::ReadSmallFile(path, bytes)) return false;
    const auto image = platform::decode_image(bytes);
    if (!image || image->width <= 0 || image->height <= 0) return false;
    const platform::RgbaImage small = shrink(*image, std::max(side, 1));
    HGLOBAL colour = platform::make_packed_dib(small.width, small.height, small.pixels);
    if (colour == nullptr) return false;
    dib_ = platform::CreateDibObject(24);
    platform::dibSetHandle(dib_, colour);
    platform::dibSetAlphaHandle(dib_, platform::make_alpha_block(small.width, small.height, small.pixels));
    original_ = {image->width, image->height};
    return true;
}

void Thumbnail::Clear() {
    if (dib_ != nullptr) platform::FreeDibObject(dib_);
    dib_ = nullptr;
    original_ = {0, 0};
}

void Thumbnail::Draw(HDC dc, const RECT& box) const {
    if (dib_ == nullptr) return;
    const int width = platform::dibGetWidth(dib_), height = platform::dibGetHeight(dib_);
    const int room_w = box.right - box.left, room_h = box.bottom - box.top;
    if (width <= 0 || height <= 0 || room_w <= 0 || room_h <= 0) return;
    const double scale = std::min({1.0, double(room_w) / width, double(room_h) / height});
    const int w = std::max(1, static_cast<int>(width * scale)),
              h = std::max(1, static_cast<int>(height * scale));
    platform::PrintAlphaDibOnDC(dc, box.left + (room_w - w) / 2, box.top + (room_h - h) / 2, w, h, dib_);
}

} // namespace zeledit::controls
