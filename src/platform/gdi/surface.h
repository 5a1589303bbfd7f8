// A raster of 32-bit pixels (0xAARRGGBB, cairo's native ARGB32 layout): the pixels of a
// top-level window (its children draw on it) or of a bitmap. Bitmaps of bottom-up DIB
// sections keep their rows bottom-up, so the program sees the layout it asked for.
#pragma once

#include <zeledit/win_types.h>

#include <cairo.h>

#include <cstdint>
#include <vector>

namespace zeledit::platform {

// Read-only pixels of any origin (a surface, a decoded DIB) for blitting.
struct PixelSource {
    const std::uint32_t* pixels = nullptr;
    int width = 0;
    int height = 0;
    bool bottom_up = false;
    std::uint32_t at(int x, int y) const {
        return pixels[static_cast<std::size_t>(bottom_up ? height - 1 - y : y) * width + x];
    }
};

class Surface {
public:
    Surface(int width, int height, std::uint32_t fill = 0xFFFFFFFF, bool bottom_up = false);
    ~Surface();
    Surface(const Surface&) = delete;
    Surface& operator=(const Surface&) = delete;

    int width() const { return width_; }
    int height() const { return height_; }
    bool bottom_up() const { return bottom_up_; }
    std::uint32_t* data() { return pixels_.data(); }
    PixelSource source() const { return {pixels_.data(), width_, height_, bottom_up_}; }

    // Top-down coordinates whatever the storage order; 0 outside.
    std::uint32_t pixel(int x, int y) const;
    std::uint32_t* row(int y) {
        return &pixels_[static_cast<std::size_t>(bottom_up_ ? height_ - 1 - y : y) * width_];
    }
    // Keeps what is at the top left; new area gets the fill colour.
    void resize(int width, int height);
    // Moves the pixels of `source` by (dx, dy), clipped to the surface.
    void copy_within(RECT source, int dx, int dy);
    // A cairo surface over the pixels (in storage order), valid until the next resize.
    cairo_surface_t* cairo();
    // Call around direct pixel access while cairo may hold drawing in flight.
    void flush();
    void mark_dirty();

private:
    void release_cairo();

    int width_;
    int height_;
    std::uint32_t fill_;
    bool bottom_up_;
    std::vector<std::uint32_t> pixels_;
    cairo_surface_t* cairo_ = nullptr;
};

} // namespace zeledit::platform
