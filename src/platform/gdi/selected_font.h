// The font selected into a device context, found once: for measuring many single units and
// reading the font's metrics without finding the context and its font on every call.
#pragma once

#include <zeledit/windows.h>

#include <memory>

namespace zeledit::platform {

class RealFont;

class SelectedFont {
public:
    explicit SelectedFont(HDC dc); // no font for a handle that is no device context
    bool Valid() const { return font_ != nullptr; }
    // As GetTextExtentPoint32W measures the unit alone, without justification.
    int Width(char16_t c) const;
    // As GetTextMetricsW and GetOutlineTextMetricsW answer.
    const TEXTMETRICW& Metrics() const;
    void OutlineMetrics(OUTLINETEXTMETRICW& otm) const;

private:
    std::shared_ptr<const RealFont> font_; // kept alive while the font is measured
};

} // namespace zeledit::platform
