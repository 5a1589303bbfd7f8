// Text wrapped into a rectangle at its spaces, as text boxes draw and measure their content.
#pragma once

#include <zeledit/windows.h>

#include <string_view>

namespace zeledit::objects {

enum class WrapAlign { Left = 0, Centre = 1, Right = 2, Justify = 3, MeasureOnly = 4 };

struct TextDecoration {
    int underline = 0;
    COLORREF underline_colour = 0;
    int strikeout = 0;
    COLORREF strikeout_colour = 0;
};

// Draws `text` in the selected font, wrapped at spaces (and after each CJK character) to
// the rectangle's width, one paragraph per carriage return, clipped to the rectangle;
// answers the height of all its lines. A word wider than the rectangle takes a line of its
// own. Justified lines spread their surplus over their spaces, except each paragraph's last.
int WrappedTextOut(HDC dc, const RECT& rect, std::u16string_view text, WrapAlign align,
                   const TextDecoration& decoration = {});

} // namespace zeledit::objects
