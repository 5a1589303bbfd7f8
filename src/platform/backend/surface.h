// The ARGB pixels of a top-level window (0xAARRGGBB, cairo's native ARGB32 layout).
// Child windows draw on their top-level window's surface.
#pragma once

#include <zeledit/win_types.h>

#include <cairo.h>

#include <cstdint>
#include <vector>

namespace zeledit::platform {

class Surface {
public:
    Surface(int width, int height);
    ~Surface();
    Surface(const Surface&) = delete;
    Surface& operator=(const Surface&) = delete;

    int width() const { return width_; }
    int height() const { return height_; }
    std::uint32_t pixel(int x, int y) const; // 0 outside
    // Keeps what is at the top left; new area is white.
    void resize(int width, int height);
    // Moves the pixels of `source` by (dx, dy), clipped to the surface.
    void copy_within(RECT source, int dx, int dy);
    bool write_png(const char* path) const;
    // A cairo surface over the pixels, valid until the next resize.
    cairo_surface_t* cairo();

private:
    void release_cairo();

    int width_;
    int height_;
    std::vector<std::uint32_t> pixels_;
    cairo_surface_t* cairo_ = nullptr;
};

} // namespace zeledit::platform
