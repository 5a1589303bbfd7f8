// Decoders of the image files that can be inserted as pictures. Each reads only the bytes
// it is given and answers nothing for damaged or oversized input.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace zeledit::platform {

struct RgbaImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels; // top-down 0xAARRGGBB, not premultiplied
};

inline constexpr std::uint64_t max_image_pixels = std::uint64_t(1) << 26;

std::optional<RgbaImage> decode_png(std::span<const std::uint8_t> file);
std::optional<RgbaImage> decode_jpeg(std::span<const std::uint8_t> file);
std::optional<RgbaImage> decode_tiff(std::span<const std::uint8_t> file);
std::optional<RgbaImage> decode_bmp(std::span<const std::uint8_t> file);
std::optional<RgbaImage> decode_tga(std::span<const std::uint8_t> file);
// Picks the decoder by the file's signature (TGA has none: it is tried last).
std::optional<RgbaImage> decode_image(std::span<const std::uint8_t> file);

} // namespace zeledit::platform
