// Resolutions that layout and fonts convert with: the screen's 96 pixels per inch, or the
// printer's while a print layout exists. Process-wide, as the layout of every editor uses them.
#pragma once

#include "platform/core/rounding.h"

namespace zeledit::model {

inline int DotPerInchX = 96;
inline int DotPerInchY = 96;
inline constexpr int RefDotPerInchX = 96;
inline constexpr int RefDotPerInchY = 96;
inline int PenUnit = 1;

// Nearest integer, halves to the even neighbour; NaN gives 0 and the result is clamped to
// the 32-bit range, so doubles from files and messages never overflow a cast.
inline int RoundNearest(double value) { return platform::round_nearest(value); }

// Inches and points of a format in device pixels. Formats come from files: the results are
// held within 2^24 pixels, so that sums of a few of them cannot overflow.
inline constexpr int MaxFormatPixels = 1 << 24;
inline int InchesToPixelsX(double inches) {
    const int v = RoundNearest(DotPerInchX * inches);
    return v < -MaxFormatPixels ? -MaxFormatPixels : v > MaxFormatPixels ? MaxFormatPixels : v;
}
inline int SpacingToPixelsY(double points) {
    const int v = RoundNearest(DotPerInchY * points);
    return (v < -MaxFormatPixels ? -MaxFormatPixels : v > MaxFormatPixels ? MaxFormatPixels : v) / 72;
}

} // namespace zeledit::model
