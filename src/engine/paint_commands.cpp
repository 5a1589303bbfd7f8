// Painting the window: the lines that meet the update rectangle, the floated objects over
// them, and the selection inverted over the result.
#include "display/caret_positions.h"
#include "display/line_layout.h"
#include "display/paint_line.h"
#include "engine/format_editor.h"
#include "model/device_metrics.h"
#include "platform/user/window_dc.h"

#include <algorithm>

namespace zeledit::engine {

platform::WindowDC TFormatEditor::GetEditDC() {
    platform::WindowDC dc(HWindow);
    SetMapMode(dc, MM_ANISOTROPIC);
    SetWindowExtEx(dc, 100, 100, nullptr);
    SetViewportExtEx(dc, 100, 100, nullptr);
    SetViewportOrgEx(dc, -FView.OriginX, 0, nullptr);
    return dc;
}

void TFormatEditor::WMPaint() {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(HWindow, &ps);
    Paint(dc, ps);
    EndPaint(HWindow, &ps);
}

void TFormatEditor::Paint(HDC PaintDC, const PAINTSTRUCT& ps) {
    SetViewportOrgEx(PaintDC, -FView.OriginX, 0, nullptr);
    // A print or preview layout is shown scaled from its own resolution to the screen's.
    if (edInfo.eiPrinting) {
        UsePrintMetrics();
        SetMapMode(PaintDC, MM_ANISOTROPIC);
        SetWindowExtEx(PaintDC, model::DotPerInchX, model::DotPerInchY, nullptr);
        SetViewportExtEx(PaintDC, model::RefDotPerInchX, model::RefDotPerInchY, nullptr);
    }
    const bool from_start = !FSettings.CanModify && (FSettings.FEditStyle & esNoScrollBars) != 0;
    std::int32_t k = from_start ? 0 : FLines->FTopLine;
    int y = 0;
    while (k < FLines->Count() && y + FLines->Line(k)->TotalHeight() <= ps.rcPaint.top)
        y += FLines->Line(k++)->TotalHeight();
    model::TLineInfo& line = edInfo.eiCurrentLine;
    line.tmEraseBackground = line.tmEndOfDoc = false;
    if (k < FLines->Count()) {
        const display::TLineItem& first = *FLines->Line(k);
        model::TParagraphItem* para = FParas->GetParaInfo(first.At, first.IsFirstLine(*FBuffer));
        while (k < FLines->Count() && !line.tmEndOfDoc && y < ps.rcPaint.bottom) {
            FLines->GetLineInfo(k, y);
            display::PaintLine(PaintDC, y, *para, edInfo, edInfo.eiCurrentLine);
            y += FLines->Line(k)->TotalHeight();
            if (++k < FLines->Count())
                display::NextLineParagraph(FLines->Line(k)->At, para, edInfo, edInfo.eiCurrentLine);
        }
    }
    FObjects->DrawFloatedObjectAt(PaintDC, from_start ? 0 : FLines->FAbsTopLinePos);
    if (edInfo.eiSelecting) UpdateSelect(PaintDC, edInfo.eiSelStart, edInfo.eiSelEnd);
    if (edInfo.eiPrinting) UseScreenMetrics();
}

// A transparent editor leaves what is behind it, as it does behind white shading.
LRESULT TFormatEditor::WMEraseBkgnd(HDC dc) {
    if (edInfo.eiTransparent) return 1;
    if (FSettings.EditPalette != nullptr) {
        UnrealizeObject(FSettings.EditPalette);
        SelectPalette(dc, FSettings.EditPalette, TRUE);
        RealizePalette(dc);
    }
    UnrealizeObject(edInfo.eiBackgroundBrush);
    RECT client{};
    GetClientRect(HWindow, &client);
    FillRect(dc, &client, edInfo.eiBackgroundBrush);
    return 1;
}

void TFormatEditor::UpdateSelect(HDC dc, std::uint32_t ASt, std::uint32_t AEnd) {
    const std::uint32_t length = FBuffer->TextLength();
    std::uint32_t from = std::min({ASt, AEnd, length});
    const std::uint32_t to = std::min(std::max(ASt, AEnd), length);
    if (from == to || FLines->Count() == 0) return;
    RECT client{};
    GetClientRect(HWindow, &client);
    std::int32_t k = std::max(FLines->GetLinePos(from), FLines->FTopLine);
    from = std::max(from, FLines->Line(k)->At);
    for (; k < FLines->Count() && from <= to; ++k) {
        const int top = FLines->GetLineOnWindow(k);
        if (top >= client.bottom) break;
        const std::uint32_t line_end = FLines->NextStart(k) - (k + 1 < FLines->Count() ? 1 : 0);
        const POINT a = GetCharPos(k, from);
        const POINT b = GetCharPos(k, std::min(to, line_end));
        const int right = std::min<int>(b.x - FView.OriginX, client.right - 3) + FView.OriginX;
        const display::TLineItem& l = *FLines->Line(k);
        const RECT band{a.x, top + l.FRegion.MoreHeight + a.y, right,
                        top + l.FRegion.MoreHeight + a.y + l.TextHeight()};
        if (band.left < band.right) InvertRect(dc, &band);
        from = FLines->NextStart(k);
    }
}

} // namespace zeledit::engine
