#include "platform/gdi_test.h"

#include <algorithm>
#include <cstring>

namespace zeledit::test {

Canvas::Canvas(int width, int height) : width_(width), height_(height) {
    HDC screen = GetDC(nullptr);
    dc_ = CreateCompatibleDC(screen);
    bitmap_ = CreateCompatibleBitmap(screen, width, height);
    ReleaseDC(nullptr, screen);
    old_ = SelectObject(dc_, bitmap_);
    fill(RGB(255, 255, 255));
}

Canvas::~Canvas() {
    SelectObject(dc_, old_);
    DeleteDC(dc_);
    DeleteObject(bitmap_);
}

COLORREF Canvas::at(int x, int y) const { return pixels()[static_cast<std::size_t>(y) * width_ + x]; }

std::vector<COLORREF> Canvas::pixels() const {
    std::vector<std::uint32_t> raw(static_cast<std::size_t>(width_) * height_);
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width_, -height_, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    GetDIBits(dc_, bitmap_, 0, static_cast<UINT>(height_), raw.data(), &info, DIB_RGB_COLORS);
    std::vector<COLORREF> out;
    for (std::uint32_t p : raw) out.push_back(RGB(BYTE(p >> 16), BYTE(p >> 8), BYTE(p)));
    return out;
}

int Canvas::count(COLORREF color) const {
    const auto px = pixels();
    return static_cast<int>(std::count(px.begin(), px.end(), color));
}

void Canvas::fill(COLORREF color) {
    HBRUSH b = CreateSolidBrush(color);
    RECT r{0, 0, width_, height_};
    // Fill in device units whatever mapping a test set.
    HDC plain = CreateCompatibleDC(dc_);
    SelectObject(dc_, old_);
    HGDIOBJ prev = SelectObject(plain, bitmap_);
    FillRect(plain, &r, b);
    SelectObject(plain, prev);
    DeleteDC(plain);
    SelectObject(dc_, bitmap_);
    DeleteObject(b);
}

LOGFONTW make_font(std::u16string_view face, int height, bool bold, bool italic) {
    LOGFONTW lf{};
    lf.lfHeight = height;
    lf.lfWeight = bold ? FW_BOLD : FW_NORMAL;
    lf.lfItalic = italic ? 1 : 0;
    std::copy_n(face.data(), std::min<std::size_t>(face.size(), LF_FACESIZE - 1), lf.lfFaceName);
    return lf;
}

} // namespace zeledit::test
