#include "platform/gdi/surface.h"

#include <algorithm>
#include <cstring>

namespace zeledit::platform {
namespace {
std::size_t cells(int w, int h) { return static_cast<std::size_t>(std::max(w, 1)) * std::max(h, 1); }
} // namespace

Surface::Surface(int width, int height, std::uint32_t fill, bool bottom_up)
    : width_(std::max(width, 0)), height_(std::max(height, 0)), fill_(fill), bottom_up_(bottom_up),
      pixels_(cells(width, height), fill) {}

Surface::~Surface() { release_cairo(); }

void Surface::release_cairo() {
    if (cairo_ != nullptr) cairo_surface_destroy(cairo_);
    cairo_ = nullptr;
}

std::uint32_t Surface::pixel(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return 0;
    return source().at(x, y);
}

void Surface::resize(int width, int height) {
    width = std::max(width, 0);
    height = std::max(height, 0);
    if (width == width_ && height == height_) return;
    flush();
    release_cairo();
    std::vector<std::uint32_t> next(cells(width, height), fill_);
    const int w = std::min(width, width_), h = std::min(height, height_);
    for (int y = 0; y < h; ++y) {
        const int to = bottom_up_ ? height - 1 - y : y;
        std::memcpy(&next[static_cast<std::size_t>(to) * width], row(y),
                    static_cast<std::size_t>(w) * sizeof(std::uint32_t));
    }
    pixels_ = std::move(next);
    width_ = width;
    height_ = height;
}

void Surface::copy_within(RECT s, int dx, int dy) {
    // Clip the source so that both it and its destination lie on the surface.
    s.left = std::max<LONG>({s.left, 0, -dx});
    s.top = std::max<LONG>({s.top, 0, -dy});
    s.right = std::min<LONG>({s.right, width_, width_ - dx});
    s.bottom = std::min<LONG>({s.bottom, height_, height_ - dy});
    if (s.right <= s.left || s.bottom <= s.top) return;
    flush();
    const auto row_bytes = static_cast<std::size_t>(s.right - s.left) * sizeof(std::uint32_t);
    auto move_row = [&](int y) { std::memmove(row(y + dy) + s.left + dx, row(y) + s.left, row_bytes); };
    if (dy > 0)
        for (int y = s.bottom - 1; y >= s.top; --y) move_row(y);
    else
        for (int y = s.top; y < s.bottom; ++y) move_row(y);
    mark_dirty();
}

cairo_surface_t* Surface::cairo() {
    if (cairo_ == nullptr)
        cairo_ = cairo_image_surface_create_for_data(reinterpret_cast<unsigned char*>(pixels_.data()),
                                                     CAIRO_FORMAT_ARGB32, width_, height_,
                                                     width_ * static_cast<int>(sizeof(std::uint32_t)));
    return cairo_;
}

void Surface::flush() {
    if (cairo_ != nullptr) cairo_surface_flush(cairo_);
}

void Surface::mark_dirty() {
    if (cairo_ != nullptr) cairo_surface_mark_dirty(cairo_);
}

} // namespace zeledit::platform
