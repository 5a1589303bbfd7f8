// Resolutions that layout and fonts convert with: the screen's 96 pixels per inch, or the
// printer's while a print layout exists. The values in force are process-wide, as the layout
// code reads them everywhere; each editor keeps its own set and puts it in force only while it
// handles a message (TMetricsInForce), so no other editor ever lays out at its print values.
#pragma once

#include "platform/core/rounding.h"

namespace zeledit::model {

inline int DotPerInchX = 96;
inline int DotPerInchY = 96;
inline constexpr int RefDotPerInchX = 96;
inline constexpr int RefDotPerInchY = 96;
inline int PenUnit = 1;

struct TDeviceMetrics {
    int DotPerInchX = 96;
    int DotPerInchY = 96;
    int PenUnit = 1;
    bool operator==(const TDeviceMetrics&) const = default;
};

inline TDeviceMetrics MetricsInForce() { return {DotPerInchX, DotPerInchY, PenUnit}; }
inline void PutInForce(const TDeviceMetrics& m) {
    DotPerInchX = m.DotPerInchX;
    DotPerInchY = m.DotPerInchY;
    PenUnit = m.PenUnit;
}

// Puts an editor's metrics in force for a scope. What the scope leaves in force becomes the
// editor's again, and the metrics that were in force before come back.
class TMetricsInForce {
public:
    explicit TMetricsInForce(TDeviceMetrics& Own) : own_(Own), saved_(MetricsInForce()) { PutInForce(Own); }
    ~TMetricsInForce() {
        own_ = MetricsInForce();
        PutInForce(saved_);
    }
    TMetricsInForce(const TMetricsInForce&) = delete;
    TMetricsInForce& operator=(const TMetricsInForce&) = delete;

private:
    TDeviceMetrics& own_;
    TDeviceMetrics saved_;
};

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
