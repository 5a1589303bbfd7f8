#include "display/paint_line.h"

#include "display/line_text.h"
#include "display/paragraph_decor.h"
#include "model/device_metrics.h"

namespace zeledit::display {

void PaintLine(HDC dc, int y, model::TParagraphItem& para, const model::TEditorInfo& ei,
               model::TLineInfo& line) {
    const TParaFormat& p = para.FAttributes;
    const int more = line.tmLineRegion.MoreHeight, height = static_cast<int>(line.tmHeight);
    line.tmParaRegion.top = y;
    line.tmParaRegion.bottom = y + height + more;
    // The shading leaves out the spacing that separates this paragraph from different ones.
    if (line.tmFirstLine && !line.tmSamePrevPara && !line.tmTopBorder)
        line.tmParaRegion.top = y + p.ptBefore * model::DotPerInchY / 72;
    if ((line.tmBreakPara || line.tmEndOfDoc) && !(line.tmSameNextPara || line.tmBottomBorder))
        line.tmParaRegion.bottom -= p.ptAfter * model::DotPerInchY / 72;
    if (line.tmEraseBackground) {
        line.tmBkgndRegion.top = y;
        line.tmBkgndRegion.bottom = y + height + more;
        if (!ei.eiTransparent) FillRect(dc, &line.tmBkgndRegion, ei.eiBackgroundBrush);
    }
    if (!(ei.eiTransparent && (p.ptShading & 0xFFFFFF) == 0xFFFFFF))
        FillRect(dc, &line.tmParaRegion, para.brShading);
    const int baseline = y + more + static_cast<int>(line.tmBaseline);
    DrawLineText(dc, baseline, line.tmIndex, ei, line, para, line.tmLength);
    if (line.tmFirstLine && p.ptBullet.blPresent && line.tmLength > 0)
        DrawBullet(dc, para, baseline, line.tmLineRegion, height);
    DrawParaBorder(dc, para, line);
}

} // namespace zeledit::display
