// The mouse over an editor: the cursor's shape, placing the caret, selecting by dragging and
// by double click, dragging floating objects, the right button and the mouse pause.
#include "engine/drag_object.h"
#include "engine/format_editor.h"
#include "engine/notifications.h"
#include "platform/user/window_dc.h"

#include <algorithm>

namespace zeledit::engine {
namespace {

constexpr int CursorText = -4, CursorArrow = -2, CursorHand = -21;
constexpr std::uint32_t NoIndex = UINT32_MAX;

LPCWSTR DesktopCursor(int ID) {
    if (ID == CursorHand) return IDC_HAND;
    return ID == CursorText ? IDC_IBEAM : IDC_ARROW;
}

} // namespace

HCURSOR TFormatEditor::GetCursor(int ID) {
    const auto cursor = reinterpret_cast<HCURSOR>(Notify(HWindow, EFN_GETCURSOR, static_cast<WPARAM>(ID)));
    // A host that leaves the choice to the editor gets the desktop's own cursors.
    return cursor != nullptr ? cursor : LoadCursorW(nullptr, DesktopCursor(ID));
}

void TFormatEditor::SetBeamCursor() {
    SetCursor(GetCursor(FSettings.CanModify ? CursorText : CursorArrow));
    FMouse.SetShowsHand(false);
}

void TFormatEditor::SetHandCursor() {
    SetCursor(GetCursor(CursorHand));
    FMouse.SetShowsHand(true);
}

objects::TObjectItem* TFormatEditor::ObjectAt(int X, int Y) {
    return FObjects->ObjectAt(X - FView.OriginX, Y);
}

bool TFormatEditor::MouseDownObject(int X, int Y, objects::TObjectItem*& Object) {
    return FObjects->MouseDown(X, Y, Object);
}

std::int32_t TFormatEditor::MouseAt(int X, int Y, std::uint32_t* Index) {
    const std::int32_t line = FLines->GetLineAtPoint(Y);
    if (line < 0) return 0;
    const std::uint32_t idx = FLines->Line(line)->At + GetIndexOfPos(line, X);
    if (Index != nullptr) *Index = idx;
    FMouse.SetHitObject(ObjectAt(X, Y));
    if (FMouse.HitObject() != nullptr) return 3;
    if (idx > FBuffer->TextLength()) return 0;
    // A link counts up to its end, not in the space after the last line's text.
    if (const model::TLinkItem* link = FLinks->HyperLinkAt(static_cast<std::int32_t>(idx))) {
        const std::int32_t end = link->Info.ikEnd; // a packed field, read by value
        if (X <= GetCharPos(line, static_cast<std::uint32_t>(std::max(end, 0))).x) {
            SetHotspot(link);
            return 2;
        }
    }
    SetHotspot(nullptr);
    const std::uint32_t lo = std::min(edInfo.eiSelStart, edInfo.eiSelEnd);
    const std::uint32_t hi = std::max(edInfo.eiSelStart, edInfo.eiSelEnd);
    return edInfo.eiSelecting && idx >= lo && idx < hi ? 1 : 0;
}

void TFormatEditor::MouseMove(int X, int Y) {
    std::uint32_t index = NoIndex;
    const std::int32_t hit = MouseAt(X + FView.OriginX, Y, &index);
    FMouse.Over(index == NoIndex ? -1 : static_cast<std::int32_t>(index));
    const bool hand = (hit == 1 && (FSettings.FEditStyle & eoRespond) != 0) || hit == 2 ||
                      (hit == 3 && (FSettings.CanModify || (FSettings.FEditStyle & eoObjectClick) != 0));
    if (hand)
        SetHandCursor();
    else
        SetBeamCursor();
}

void TFormatEditor::RemoveSelection() {
    if (!edInfo.eiSelecting) return;
    const platform::WindowDC dc = GetEditDC();
    UpdateSelect(dc, edInfo.eiSelStart, edInfo.eiSelEnd);
    edInfo.eiSelecting = false;
    ShowTheCaret();
}

void TFormatEditor::PlaceCaretAt(int X, int Y) {
    edInfo.eiIndex = IndexAtPosition(X + FView.OriginX, Y);
    FInput.ForgetComposition();
    UpdateCaret();
}

bool TFormatEditor::MouseDown(int Button, int X, int Y) {
    if (FMouse.TakesFocus() && GetFocus() != HWindow) {
        SetFocus(HWindow);
        if (edInfo.eiSelecting) return false; // the click only activates the window
    }
    const std::int32_t hit = MouseAt(X + FView.OriginX, Y, nullptr);
    bool answered = false;
    if (hit == 1 && (FSettings.FEditStyle & eoRespond) != 0)
        answered = Notify(HWindow, EFN_CLICK, reinterpret_cast<WPARAM>(HWindow)) != 0;
    RemoveSelection();
    PlaceCaretAt(X, Y);
    if (Button != 0) return false;
    FMouse.DropDrag();
    objects::TObjectItem* object = nullptr;
    if (MouseDownObject(X, Y, object)) {
        if (!object->Floated() || !FSettings.CanModify) return false;
        CreateDragObject(X, Y, *object);
    }
    if (CheckHyperlink(X + FView.OriginX, Y)) return false;
    return !answered;
}

void TFormatEditor::WMLButtonDown(LPARAM Point) {
    Notify(HWindow, EFN_HIDECOMMENT);
    const int x = GET_X_LPARAM(Point), y = GET_Y_LPARAM(Point);
    if (FDrawing.On) return DrawingMouseDown(x, y);
    if (!MouseDown(0, x, y)) return;
    if ((FSettings.FEditStyle & eoSingleClickWord) != 0) return DoubleClickWord(x, y);
    edInfo.eiSelStart = edInfo.eiIndex;
    FMouse.PressLeft();
    SetCapture(HWindow);
}

void TFormatEditor::MouseDrag(int X, int Y) {
    if (!FSettings.EnableSelecting) return;
    HideTheCaret();
    const std::uint32_t from = edInfo.eiIndex;
    PlaceCaretAt(X, Y);
    if (edInfo.eiIndex != from) SelectKey(from, edInfo.eiIndex, true);
}

void TFormatEditor::CreateDragObject(int X, int Y, objects::TObjectItem& Object) {
    TDragObject& drag = FMouse.StartDrag(std::make_unique<TDragObject>(HWindow, &Object));
    drag.FRegion = {edInfo.eiBoundRect.left - FView.OriginX, -1, edInfo.eiBoundRect.right - FView.OriginX,
                    -1};
    const RECT r = Object.ObjectRect();
    drag.SetPosition(r.left, r.top);
    drag.FWidth = Object.DataWidth();
    drag.FHeight = Object.DataHeight();
    drag.MouseDown(X, Y);
}

void TFormatEditor::WMLButtonUp(LPARAM Point) {
    const int x = GET_X_LPARAM(Point), y = GET_Y_LPARAM(Point);
    if (FDrawing.Dragging) return DrawingMouseUp(x, y);
    FMouse.EndPress();
    FObjects->MouseUp(x, y);
    if (!FMouse.Dragged()) return;
    FMouse.Dragged()->MouseUp(x, y);
    const std::unique_ptr<TDragObject> drag = FMouse.TakeDrag();
    MoveFloatedObjectTo(drag->Fx + FView.OriginX, drag->Fy, *drag->ParentObject);
}

void TFormatEditor::WMMouseMove(LPARAM Point) {
    FMouse.Moved();
    const int x = GET_X_LPARAM(Point), y = GET_Y_LPARAM(Point);
    if (FDrawing.Dragging) return DrawingMouseMove(x, y);
    if (!FMouse.LeftDown())
        MouseMove(x, y);
    else if (FMouse.Dragged())
        FMouse.Dragged()->MouseMove(x, y);
    else
        MouseDrag(x, y);
}

void TFormatEditor::DoubleClickWord(int X, int Y) {
    PlaceCaretAt(X, Y);
    std::uint32_t start = 0;
    std::int64_t end = 0;
    if (FBuffer->GetWordRangeAt(edInfo.eiIndex, start, end))
        SetSelText(start, static_cast<std::uint32_t>(std::max<std::int64_t>(end + 1, start)));
    Notify(HWindow, EFN_CLICK, reinterpret_cast<WPARAM>(HWindow));
}

void TFormatEditor::WMDblClk(LPARAM Point) {
    Notify(HWindow, EFN_HIDECOMMENT);
    const int x = GET_X_LPARAM(Point), y = GET_Y_LPARAM(Point);
    if (FSettings.CanModify && FObjects->DblClick(x, y)) {
        FMouse.EndPress();
        FMouse.DropDrag();
        if (objects::TObjectItem* object = FObjects->ObjectAt(x, y)) ModifyObject(*object);
        return;
    }
    if (FMouse.TakesFocus()) SetFocus(HWindow);
    DoubleClickWord(x, y);
}

void TFormatEditor::WMRButtonDown(LPARAM Point) {
    if ((FSettings.FEditStyle & eoSimple) != 0) return;
    if (!edInfo.eiSelecting) MouseDown(1, GET_X_LPARAM(Point), GET_Y_LPARAM(Point));
    if (FMouse.SpecialRightButton())
        Notify(HWindow, EFN_RIGHTCLICK, reinterpret_cast<WPARAM>(HWindow),
               static_cast<LPARAM>(edInfo.eiIndex));
    else
        ShowQuickMenu({GET_X_LPARAM(Point), GET_Y_LPARAM(Point)});
}

void TFormatEditor::CheckMousePause() {
    const std::optional<std::int32_t> index = FMouse.Paused();
    if (!index) return;
    POINT p{};
    RECT client{};
    GetCursorPos(&p);
    ScreenToClient(HWindow, &p);
    GetClientRect(HWindow, &client);
    if (PtInRect(&client, p)) Notify(HWindow, EFN_MOUSEWAIT, reinterpret_cast<WPARAM>(HWindow), *index);
}

} // namespace zeledit::engine
