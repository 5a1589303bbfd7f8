#include "display/paint_line.h"

namespace zeledit::display {

// Only the background stripe is painted so far; the line's text, borders and objects come
// with the painting of runs.
void PaintLine(HDC dc, int y, model::TParagraphItem&, model::TEditorInfo& ei) {
    const model::TLineInfo& line = ei.eiCurrentLine;
    if (!line.tmEraseBackground || ei.eiTransparent) return;
    RECT stripe = ei.eiBoundRect;
    stripe.top = y;
    stripe.bottom = y + line.tmLineRegion.MoreHeight + static_cast<int>(line.tmHeight);
    FillRect(dc, &stripe, ei.eiBackgroundBrush);
}

} // namespace zeledit::display
