#include "display/paragraph_decor.h"

#include "model/device_metrics.h"
#include "platform/core/code_page.h"
#include "platform/gdi/scoped_gdi.h"
#include "platform/graphics_support/border_box.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace zeledit::display {
namespace {

using model::DotPerInchX;
using model::DotPerInchY;
using model::PenUnit;

int PointsBelow(int points) { return points * DotPerInchY / 72; }

} // namespace

void DrawParaBorder(HDC dc, const model::TParagraphItem& para, const model::TLineInfo& line) {
    const TParaFormat& p = para.FAttributes;
    TBorder border = p.ptBorder;
    const bool ends = line.tmBreakPara || line.tmEndOfDoc;
    const bool no_top = line.tmTopBorder || !line.tmFirstLine;
    const bool no_bottom = line.tmBottomBorder || !ends;
    if (no_top) border.btTop.beStyle = 0;
    if (no_bottom) border.btBottom.beStyle = 0;
    RECT r = line.tmParaRegion;
    if (line.tmBottomBorder && ends) r.bottom += PointsBelow(p.ptAfter);
    if (line.tmTopBorder && line.tmFirstLine) r.top -= PointsBelow(p.ptBefore);
    if (ends && !line.tmBottomBorder && p.ptBorder.btBottom.beStyle >= 16) r.bottom -= 2 * PenUnit;
    platform::DrawBorderBox(dc, r, border, PenUnit);
}

void DrawBullet(HDC dc, const model::TParagraphItem& para, int y, const model::TLineRegion& region,
                int height) {
    const TBullet& b = para.FAttributes.ptBullet;
    LOGFONTW lf{};
    lf.lfHeight = b.blSize > 0 ? -model::RoundNearest(b.blSize / 72.0 * DotPerInchY) : height;
    lf.lfCharSet = DEFAULT_CHARSET;
    for (std::size_t i = 0; i < sizeof b.blFaceName && b.blFaceName[i] != 0 && i + 1 < LF_FACESIZE; ++i)
        lf.lfFaceName[i] = static_cast<unsigned char>(b.blFaceName[i]);
    platform::UniqueGdi<HFONT> font(CreateFontIndirectW(&lf));
    platform::SelectedObject selected(dc, font.get());
    const char c = static_cast<char>(b.blChar);
    const std::u16string wide = platform::to_unicode(std::span(&b.blChar, 1));
    SIZE extent{};
    GetTextExtentPoint32W(dc, wide.data(), static_cast<int>(wide.size()), &extent);
    const int box = model::InchesToPixelsX(b.blIndent);
    const int x = region.Left - (box - extent.cx) / 2 - extent.cx;
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, b.blColor);
    SetTextAlign(dc, TA_BASELINE | TA_LEFT);
    TextOutA(dc, x, y, &c, 1);
    SetTextAlign(dc, TA_TOP | TA_LEFT);
}

} // namespace zeledit::display
