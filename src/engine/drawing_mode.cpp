// The drawing mode: after the drawing dialog, the mouse draws a line, rectangle or ellipse
// as a rubber band; releasing the button creates the drawing floated at the caret's line.
// Shift keeps lines at multiples of 45 degrees and makes squares and circles; Escape
// leaves the mode without drawing.
#include "engine/format_editor.h"
#include "objects/drawing_object.h"
#include "platform/gdi/scoped_gdi.h"
#include "platform/user/window_dc.h"

#include <cmath>
#include <cstdlib>

namespace zeledit::engine {
namespace {

bool shift_down() { return (GetKeyState(VK_SHIFT) & 0x8000) != 0; }

// The end point under Shift: equal sides, or a line along one of the eight directions.
POINT Constrained(POINT from, POINT to, std::uint8_t style) {
    const int dx = to.x - from.x, dy = to.y - from.y;
    const int side = std::max(std::abs(dx), std::abs(dy));
    if (style != 0) return {from.x + (dx < 0 ? -side : side), from.y + (dy < 0 ? -side : side)};
    if (std::abs(dx) > 2 * std::abs(dy)) return {to.x, from.y};
    if (std::abs(dy) > 2 * std::abs(dx)) return {from.x, to.y};
    return {from.x + (dx < 0 ? -side : side), from.y + (dy < 0 ? -side : side)};
}

} // namespace

void TFormatEditor::StartDrawing() {
    if (!FSettings.CanModify) return;
    TDrawingInfo info = FDrawing.Info;
    objects::ObjectDialogs* dialogs = objects::InstalledObjectDialogs();
    if (dialogs == nullptr || !dialogs->DrawingShape(DialogContext(), info)) return;
    FDrawing.Info = info;
    FDrawing.On = true;
}

void TFormatEditor::DrawRubberBand() const {
    platform::WindowDC dc(HWindow);
    SetROP2(dc.get(), R2_NOT);
    const platform::UniqueGdi<HPEN> pen(CreatePen(PS_INSIDEFRAME, 1, RGB(0, 0, 0)));
    const platform::SelectedObject with_pen(dc.get(), pen.get());
    const platform::SelectedObject with_brush(dc.get(), GetStockObject(HOLLOW_BRUSH));
    const POINT a = FDrawing.Start, b = FDrawing.End;
    switch (FDrawing.Info.diStyle) {
    case 0:
        MoveToEx(dc.get(), a.x, a.y, nullptr);
        LineTo(dc.get(), b.x, b.y);
        break;
    case 2:
        Ellipse(dc.get(), std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x), std::max(a.y, b.y));
        break;
    default:
        Rectangle(dc.get(), std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x), std::max(a.y, b.y));
        break;
    }
}

void TFormatEditor::DrawingMouseDown(int X, int Y) {
    FDrawing.Start = FDrawing.End = {X, Y};
    FDrawing.Dragging = true;
    SetCapture(HWindow);
    DrawRubberBand();
}

void TFormatEditor::DrawingMouseMove(int X, int Y) {
    DrawRubberBand(); // the inverting pen takes the old band away
    FDrawing.End = shift_down() ? Constrained(FDrawing.Start, {X, Y}, FDrawing.Info.diStyle) : POINT{X, Y};
    DrawRubberBand();
}

void TFormatEditor::DrawingMouseUp(int X, int Y) {
    DrawingMouseMove(X, Y);
    DrawRubberBand();
    FDrawing.Dragging = false;
    FDrawing.On = false;
    ReleaseCapture();
    // Horizontally from the text area's left edge, in the document's own units.
    const int left = edInfo.eiBoundRect.left - FView.OriginX;
    const RECT r{FDrawing.Start.x - left, FDrawing.Start.y, FDrawing.End.x - left, FDrawing.End.y};
    auto made = objects::CreateDrawingObj(&edInfo, FObjects->GetNewID(), r, FDrawing.Info);
    if (!made) return;
    CreateUndo();
    objects::TObjectItem* object = made.get();
    FObjects->AddObject(std::move(made));
    PlaceNewObject(object);
}

void TFormatEditor::CancelDrawing() {
    if (FDrawing.Dragging) {
        DrawRubberBand();
        ReleaseCapture();
    }
    FDrawing.Dragging = false;
    FDrawing.On = false;
}

} // namespace zeledit::engine
