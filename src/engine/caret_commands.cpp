// The caret: where a text position is on the screen, which position a point hits, and
// keeping the caret's line in view.
#include "display/caret_positions.h"
#include "engine/format_editor.h"
#include "engine/notifications.h"
#include "model/device_metrics.h"
#include "platform/system_library/system_library.h"
#include "platform/user/window_dc.h"

#include <algorithm>

namespace zeledit::engine {
namespace {

constexpr int CaretWidth = 2;
constexpr int CaretMargin = 3; // the caret stays this far inside the right edge

bool Focused(HWND w) { return GetFocus() == w; }

} // namespace

model::TParagraphItem* TFormatEditor::LoadLine(std::int32_t pLine) {
    const display::TLineItem& line = *FLines->Line(pLine);
    model::TParagraphItem* para = FParas->GetParaInfo(line.At, line.IsFirstLine(*FBuffer));
    FLines->GetLineInfo(pLine, 0);
    // Left over from a layout that ran to the end; the line's own flags say where it ends, as
    // painting takes them, and a justified line measures as it is drawn.
    edInfo.eiCurrentLine.tmEndOfDoc = false;
    return para;
}

POINT TFormatEditor::GetCharPos(std::int32_t pLine, std::uint32_t Idx) {
    if (FLines->Line(pLine) == nullptr) return {};
    const model::TParagraphItem& para = *LoadLine(pLine);
    const std::uint32_t at = FLines->Line(pLine)->At;
    const std::uint32_t count = Idx > at ? Idx - at : 0;
    const auto units = FBuffer->Units(at, std::max(count, edInfo.eiCurrentLine.tmLength));
    const platform::WindowDC dc = GetEditDC();
    const int x =
        display::CharXPosition(dc, units.text, units.formats, edInfo, edInfo.eiCurrentLine, para, count);
    const model::TLineInfo& line = edInfo.eiCurrentLine;
    const TParaFormat& p = para.FAttributes;
    int y = 0;
    if (line.tmFirstLine) {
        y = p.ptBefore * model::DotPerInchY / 72;
        if (p.ptBorder.btTop.beStyle != 0 && !line.tmTopBorder)
            y += model::SpacingToPixelsY(p.ptBorder.btTop.beSpace);
    }
    return {x, y};
}

std::uint32_t TFormatEditor::GetIndexOfPos(std::int32_t pLine, int xPos) {
    if (FLines->Line(pLine) == nullptr) return 0;
    const model::TParagraphItem& para = *LoadLine(pLine);
    const std::uint32_t at = FLines->Line(pLine)->At;
    const auto units = FBuffer->Units(at, edInfo.eiCurrentLine.tmLength);
    const platform::WindowDC dc = GetEditDC();
    const std::uint32_t offset =
        display::CharIndexAtX(dc, units.text, units.formats, edInfo, edInfo.eiCurrentLine, para, xPos);
    return offset;
}

std::uint32_t TFormatEditor::IndexAtPosition(int x, int y) {
    const std::int32_t line = FLines->GetLineAtPoint(y);
    if (line < 0) return edInfo.eiIndex;
    FView.CurrentLine = line;
    return FLines->Line(line)->At + GetIndexOfPos(line, x);
}

void TFormatEditor::AdjustTheCaret(int Height) {
    if (FCaret.Enabled()) FCaret.Remake(HWindow, CaretWidth, Height, Focused(HWindow) && !edInfo.eiSelecting);
}

bool TFormatEditor::CaretInView() const {
    RECT client{};
    GetClientRect(HWindow, &client);
    return FCaret.Meets(client);
}

void TFormatEditor::PlaceCaretInView() {
    if (!FCaret.Enabled() || !Focused(HWindow)) return;
    if (!CaretInView()) return HideTheCaret();
    FCaret.Place(FView.OriginX);
    ShowTheCaret();
}

void TFormatEditor::ShowTheCaret() {
    if (FCaret.Enabled() && Focused(HWindow) && !edInfo.eiSelecting && CaretInView()) FCaret.Show(HWindow);
}

void TFormatEditor::HideTheCaret() { FCaret.Hide(HWindow, Focused(HWindow)); }

void TFormatEditor::UpdateCaretPos(std::int32_t pLine, int x, int y) {
    const POINT offset = GetCharPos(pLine, FLines->Line(pLine)->At); // also loads the line
    y += offset.y;
    // A caret that lands at the same place on the screen but elsewhere in the text (Ctrl+End,
    // the page keys) reports its new state too.
    if (x != FCaret.Position().x || y != FCaret.Position().y || edInfo.eiIndex != FView.StateIndex) {
        FView.StateIndex = edInfo.eiIndex;
        RECT client{};
        GetClientRect(HWindow, &client);
        x = std::min(x, static_cast<int>(client.right) - CaretMargin + FView.OriginX);
        FCaret.MoveTo({x, y});
        UpdateState(*this, *FParas->GetParaInfo(FLines->Line(pLine)->At, edInfo.eiCurrentLine.tmFirstLine));
    }
    PlaceCaretInView();
}

void TFormatEditor::UpdateCaret() {
    FView.CurrentLine = std::clamp(FView.CurrentLine, 0, FLines->LastIndex());
    RECT client{};
    GetClientRect(HWindow, &client);
    if (FView.CurrentLine < FLines->FTopLine)
        SetTopMostLine(FView.CurrentLine);
    else if (FLines->GetLineOnWindow(FView.CurrentLine) + FLines->Line(FView.CurrentLine)->TotalHeight() >
             client.bottom)
        SetTopMostLine(FLines->FTopLine + 1);
    const int x = GetCharPos(FView.CurrentLine, edInfo.eiIndex).x;
    if ((FSettings.FEditStyle & esControl) == 0) {
        if (x - FView.OriginX - 5 < client.left)
            SetOriginX(x - client.left - 5);
        else if (client.right < x - FView.OriginX + 8)
            SetOriginX(x - client.right + 10);
    }
    const display::TLineItem& line = *FLines->Line(FView.CurrentLine);
    AdjustTheCaret(line.TextHeight());
    UpdateCaretPos(FView.CurrentLine, x,
                   FLines->GetLineOnWindow(FView.CurrentLine) + line.FRegion.MoreHeight);
    UpdateScrollbar();
}

void TFormatEditor::SetIndex(std::uint32_t Idx) {
    if (Idx > FBuffer->TextLength()) return;
    FInput.ForgetComposition();
    FView.CurrentLine = FLines->GetLinePos(Idx);
    edInfo.eiIndex = Idx;
    FView.OriginX = 0;
    UpdateCaret();
}

// The line that starts at or before Idx: a top index read with EFM_GETTOPINDEX, which is a
// line's start, gives that line back (GetLinePos would give the one above it).
void TFormatEditor::SetTopIndex(std::uint32_t Idx) {
    if (Idx >= FBuffer->TextLength()) return;
    FView.CurrentLine = FLines->GetLinePos(Idx + 1);
    SetTopMostLine(FView.CurrentLine);
    edInfo.eiIndex = Idx;
    UpdateCaret();
}

void TFormatEditor::ScrollInView(std::uint32_t, std::uint32_t) {
    const std::int32_t first = FLines->GetLinePos(edInfo.eiSelStart);
    if (first < FLines->FTopLine) {
        SetTopMostLine(first);
        return;
    }
    RECT client{};
    GetClientRect(HWindow, &client);
    const std::int32_t last = FLines->GetLinePos(edInfo.eiSelEnd);
    if (FLines->GetLineOnWindow(last) > client.bottom) {
        SetTopMostLine(last);
        FView.CurrentLine = last;
    }
}

void TFormatEditor::WMSetFocus() {
    platform::SetVietnameseKey(FInput.VietKey() ? 1 : 0);
    AdjustTheCaret(FLines->Line(std::clamp(FView.CurrentLine, 0, FLines->LastIndex()))->TotalHeight());
    UpdateCaret();
}

void TFormatEditor::WMKillFocus() {
    platform::SetVietnameseKey(0);
    DestroyCaret();
    FCaret.Lost();
}

} // namespace zeledit::engine
