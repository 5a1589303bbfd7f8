// Helpers for the drawing tests: a white memory bitmap to draw on, and pixel queries.
#pragma once

#include "platform/platform_test.h"

#include <string>

namespace zeledit::test {

class Canvas {
public:
    Canvas(int width, int height);
    ~Canvas();
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    HDC dc() const { return dc_; }
    HBITMAP bitmap() const { return bitmap_; }
    COLORREF at(int x, int y) const; // device coordinates, whatever the mapping
    int count(COLORREF color) const; // pixels of that colour
    std::vector<COLORREF> pixels() const;
    void fill(COLORREF color);
    int width() const { return width_; }
    int height() const { return height_; }

private:
    int width_, height_;
    HDC dc_;
    HBITMAP bitmap_;
    HGDIOBJ old_;
};

LOGFONTW make_font(std::u16string_view face, int height, bool bold = false, bool italic = false);

} // namespace zeledit::test
