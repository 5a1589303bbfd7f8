// A white memory bitmap to draw on, with pixel queries.
#pragma once

#include <zeledit/windows.h>

#include <vector>

namespace zeledit::test {

class Surface {
public:
    Surface(int width, int height)
        : width_(width), height_(height), dc_(CreateCompatibleDC(nullptr)),
          bitmap_(CreateCompatibleBitmap(dc_, width, height)) {
        old_ = SelectObject(dc_, bitmap_);
        RECT all{0, 0, width, height};
        FillRect(dc_, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    }
    ~Surface() {
        SelectObject(dc_, old_);
        DeleteObject(bitmap_);
        DeleteDC(dc_);
    }
    Surface(const Surface&) = delete;
    Surface& operator=(const Surface&) = delete;
    HDC dc() const { return dc_; }
    HBITMAP bitmap() const { return bitmap_; }
    COLORREF at(int x, int y) const { return GetPixel(dc_, x, y); }
    std::vector<COLORREF> pixels() const {
        std::vector<COLORREF> out;
        for (int y = 0; y < height_; ++y)
            for (int x = 0; x < width_; ++x) out.push_back(at(x, y));
        return out;
    }
    int count(COLORREF c) const {
        int n = 0;
        for (const COLORREF p : pixels()) n += p == c ? 1 : 0;
        return n;
    }

private:
    int width_, height_;
    HDC dc_;
    HBITMAP bitmap_;
    HGDIOBJ old_;
};

} // namespace zeledit::test
