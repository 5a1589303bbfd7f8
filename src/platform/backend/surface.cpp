#include "platform/backend/surface.h"

#include <algorithm>
#include <cstring>

namespace zeledit::platform {
namespace {
constexpr std::uint32_t white = 0xFFFFFFFF;
std::size_t cells(int w, int h) { return static_cast<std::size_t>(std::max(w, 1)) * std::max(h, 1); }
} // namespace

Surface::Surface(int width, int height)
    : width_(std::max(width, 0)), height_(std::max(height, 0)), pixels_(cells(width, height), white) {}

Surface::~Surface() { release_cairo(); }

void Surface::release_cairo() {
    if (cairo_ != nullptr) cairo_surface_destroy(cairo_);
    cairo_ = nullptr;
}

std::uint32_t Surface::pixel(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return 0;
    return pixels_[static_cast<std::size_t>(y) * width_ + x];
}

void Surface::resize(int width, int height) {
    width = std::max(width, 0);
    height = std::max(height, 0);
    if (width == width_ && height == height_) return;
    release_cairo();
    std::vector<std::uint32_t> next(cells(width, height), white);
    const int w = std::min(width, width_), h = std::min(height, height_);
    for (int y = 0; y < h; ++y)
        std::memcpy(&next[static_cast<std::size_t>(y) * width],
                    &pixels_[static_cast<std::size_t>(y) * width_],
                    static_cast<std::size_t>(w) * sizeof(std::uint32_t));
    pixels_ = std::move(next);
    width_ = width;
    height_ = height;
}

void Surface::copy_within(RECT s, int dx, int dy) {
    // Clip the source so that both it and its destination lie on the surface.
    s.left = std::max<LONG>({s.left, 0, -dx});
    s.top = std::max<LONG>({s.top, 0, -dy});
    s.right = std::min({s.right, static_cast<LONG>(width_), static_cast<LONG>(width_ - dx)});
    s.bottom = std::min({s.bottom, static_cast<LONG>(height_), static_cast<LONG>(height_ - dy)});
    if (s.right <= s.left || s.bottom <= s.top) return;
    if (cairo_ != nullptr) cairo_surface_flush(cairo_);
    const auto row_bytes = static_cast<std::size_t>(s.right - s.left) * sizeof(std::uint32_t);
    auto row = [&](int y) {
        std::memmove(&pixels_[static_cast<std::size_t>(y + dy) * width_ + s.left + dx],
                     &pixels_[static_cast<std::size_t>(y) * width_ + s.left], row_bytes);
    };
    if (dy > 0)
        for (int y = s.bottom - 1; y >= s.top; --y) row(y);
    else
        for (int y = s.top; y < s.bottom; ++y) row(y);
    if (cairo_ != nullptr) cairo_surface_mark_dirty(cairo_);
}

cairo_surface_t* Surface::cairo() {
    if (cairo_ == nullptr)
        cairo_ = cairo_image_surface_create_for_data(reinterpret_cast<unsigned char*>(pixels_.data()),
                                                     CAIRO_FORMAT_ARGB32, width_, height_,
                                                     width_ * static_cast<int>(sizeof(std::uint32_t)));
    return cairo_;
}

bool Surface::write_png(const char* path) const {
    if (path == nullptr || width_ == 0 || height_ == 0) return false;
    auto* self = const_cast<Surface*>(this);
    cairo_surface_flush(self->cairo());
    return cairo_surface_write_to_png(self->cairo(), path) == CAIRO_STATUS_SUCCESS;
}

} // namespace zeledit::platform
