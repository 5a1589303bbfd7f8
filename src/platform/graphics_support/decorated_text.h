// Text output with the editor's underline and strikeout styles.
#pragma once

#include <zeledit/windows.h>

#include <string_view>

namespace zeledit::platform {

// Underline and strikeout sizes and positions of the selected font: its outline metrics,
// or a share of its ascent when it has none.
struct DecorationMetrics {
    int ascent, underline_size, underline_position, strikeout_size, strikeout_position;
};
DecorationMetrics GetDecorationMetrics(HDC dc);

void DecoratedTextOut(HDC dc, int x, int y, std::u16string_view text, int underline,
                      COLORREF underline_colour, int strikeout, COLORREF strikeout_colour);

} // namespace zeledit::platform
