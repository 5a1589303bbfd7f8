// Laying the document out: all of it, or from the lines an edit touched until the new
// lines fall back in step with the old ones.
#include "display/line_layout.h"
#include "engine/format_editor.h"
#include "engine/notifications.h"
#include "platform/user/window_dc.h"

#include <algorithm>
#include <optional>

namespace zeledit::engine {
namespace {

// Units inserted at `at` (removed from it when `delta` is negative).
struct EditSpan {
    std::uint32_t at;
    std::int64_t delta;
};

// What a line looked like before it was laid out again.
struct OldLine {
    std::uint32_t At, Next;
    int Width, TotalHeight, TextHeight, BandWidth, MoreHeight, Left, Baseline;
};

// `shift` units were inserted (or removed) before line k: the old text was that much shorter.
OldLine Remember(const display::TEditorLines& lines, std::int32_t k, const model::TEditorBuffer& buffer,
                 std::int64_t shift) {
    const display::TLineItem& l = *lines.Line(k);
    const display::TLineItem* next = lines.Line(k + 1);
    const auto old_next =
        next != nullptr ? next->At : static_cast<std::uint32_t>(buffer.TextLength() - shift);
    return {l.At,
            old_next,
            l.Width(),
            l.TotalHeight(),
            l.TextHeight(),
            l.BandWidth(),
            l.FRegion.MoreHeight,
            l.FRegion.Left,
            l.FBaseLine};
}

// The new line ends where the old one did (shifted) and has the same metrics: every line
// after it stays as it was.
bool SameAsBefore(const OldLine& old, const model::TLineInfo& now, std::uint32_t start, std::uint32_t next,
                  std::int64_t shift) {
    return start == old.At + shift && next == old.Next + shift &&
           old.Width == static_cast<int>(std::min<std::uint32_t>(now.tmWidth, 0xFFFF)) &&
           old.TotalHeight == static_cast<int>(now.tmHeight) &&
           old.TextHeight == static_cast<int>(now.tmTextHeight) &&
           old.BandWidth == now.tmLineRegion.Right - now.tmLineRegion.Left &&
           old.MoreHeight == now.tmLineRegion.MoreHeight;
}

// An edit in a continuation line can shorten its first word enough to fit on the line
// above, so relayout starts one line earlier there.
std::int32_t FirstAffectedLine(const display::TEditorLines& lines, const model::TEditorBuffer& buffer,
                               std::int32_t index) {
    const display::TLineItem* line = lines.Line(index);
    return index > 0 && line != nullptr && !line->IsFirstLine(buffer) ? index - 1 : index;
}

} // namespace

// The vertical bar of a control-mode window is about to appear: the band narrows, so the
// lines laid out so far are wasted, and waiting for the end would lay everything out twice.
bool TFormatEditor::ScrollBarAppears() const {
    if ((FSettings.FEditStyle & (esControl | esNoScrollBars)) != esControl || edInfo.eiPrinting ||
        FView.VScrollbar != nullptr || (GetWindowLongW(HWindow, GWL_STYLE) & WS_VSCROLL) != 0)
        return false;
    // An editable editor's bar ranges over its lines. A read-only one's ranges over the lines
    // below a full view, which only the whole layout knows: it is not foretold.
    return FSettings.CanModify && FLines->Count() > 1;
}

bool TFormatEditor::LayOutFromTop(HDC dc, bool may_restart) {
    model::TLineInfo& line = edInfo.eiCurrentLine;
    line.tmEndOfDoc = false;
    line.tmBreakPara = line.tmFirstLine = true;
    FObjects->InvalidPositionObjects();
    model::TParagraphItem* para = nullptr;
    const std::uint32_t length = FBuffer->TextLength();
    std::int32_t y = 0;
    const bool floated = FObjects->AnyFloated();
    for (std::uint32_t start = 0; !line.tmEndOfDoc && start <= length;) {
        display::NextLineParagraph(start, para, edInfo, edInfo.eiCurrentLine);
        const model::TLineInfo saved = line;
        display::MeasureWrappedLine(dc, y, start, *para, edInfo, edInfo.eiCurrentLine, floated);
        if (floated && FObjects->UpdateFloatedPositionAt(start, line.tmLength, y)) {
            line = saved;
            display::MeasureWrappedLine(dc, y, start, *para, edInfo, edInfo.eiCurrentLine);
        }
        FLines->AppendLine(start, line);
        y += static_cast<std::int32_t>(line.tmHeight) + line.tmLineRegion.MoreHeight;
        start = line.tmIndex;
        if (may_restart && ScrollBarAppears()) {
            FLines->FreeAll();
            ShowScrollBar(HWindow, SB_VERT, TRUE); // the size message only takes the new band
            FView.FRelayoutWanted = false;         // as the layout begins again in it
            return false;
        }
    }
    return true;
}

// A bar that shows or hides during the layout changes the band without a layout of its own:
// the band is laid out again once at most, as a bar that comes and goes with each layout
// would otherwise start layouts without end.
void TFormatEditor::GetLines() {
    if (FView.FLayingOut) {
        FView.FRelayoutWanted = true;
        return;
    }
    FView.FLayingOut = true;
    for (int pass = 0; pass < 2; ++pass) {
        FView.FRelayoutWanted = false;
        LayOutAll();
        if (!FView.FRelayoutWanted) break;
    }
    FView.FLayingOut = false;
}

void TFormatEditor::LayOutAll() {
    const HCURSOR cursor = SetCursor(LoadCursorW(nullptr, IDC_WAIT));
    FObjects->ResetObjects();
    edInfo.eiFitting = FSettings.FEnableFitObjs ? -1 : 0;
    if (edInfo.eiFitting) FObjects->FitObjects();
    FLines->FreeAll();
    const platform::WindowDC dc(HWindow);
    if (!LayOutFromTop(dc, true)) LayOutFromTop(dc, false);
    const std::uint32_t caret = edInfo.eiIndex;
    FLines->FTopLine = FLines->FAbsTopLinePos = 0;
    FView.CurrentLine = 0;
    FView.OriginX = 0;
    edInfo.eiIndex = 0;
    edInfo.eiSelecting = false;
    UpdateScrollbar();
    SetCursor(cursor);
    SetIndex(caret);
    FLines->UpdateBottomLine();
}

model::TParagraphItem* TFormatEditor::UpdateLine(HDC dc, std::int32_t Index,
                                                 const std::function<bool(std::uint32_t next)>& keep) {
    model::TLineInfo& line = edInfo.eiCurrentLine;
    const display::TLineItem& item = *FLines->Line(Index);
    const std::uint32_t at = item.At;
    const std::int32_t window_y = FLines->GetLineOnWindow(Index);
    const std::int32_t doc_y = window_y + FLines->FAbsTopLinePos;
    line.tmBaseline = 0;
    line.tmEndOfDoc = line.tmBreakPara = false;
    line.tmFirstLine = item.IsFirstLine(*FBuffer);
    model::TParagraphItem* para = FParas->GetParaInfo(at, line.tmFirstLine);
    const std::uint32_t next = display::LayoutLine(dc, doc_y, *para, at, edInfo, line);
    if (!keep || !keep(next)) display::PaintLaidOutLine(dc, window_y, *para, at, edInfo, line);
    FLines->SetInfo(Index, at, line);
    const std::int32_t below = line.tmLineRegion.MoreHeight + static_cast<std::int32_t>(line.tmHeight);
    line.tmWindowPosition = window_y + below;
    line.tmDocPosition = doc_y + below;
    return para;
}

void TFormatEditor::InvalidateLine(HDC dc, std::int32_t ALine) {
    if (ALine >= FLines->FTopLine && FLines->Line(ALine) != nullptr) UpdateLine(dc, ALine);
}

// A walk down the lines after an edit, measuring and painting each at its window and
// document y and reusing the old nodes in order.
class TFormatEditor::Relayout {
public:
    // With the edit given, lines the edit did not touch that come out as they were, at the
    // same height, are not painted again.
    Relayout(TFormatEditor& editor, HDC dc, std::int32_t first, std::optional<EditSpan> edit = std::nullopt)
        : e_(editor), dc_(dc), line_(editor.edInfo.eiCurrentLine),
          edit_(editor.FObjects->AnyFloated() ? std::nullopt : edit) {
        editor.HideTheCaret();
        line_.tmEraseBackground = true;
        top_ = editor.FLines->GetLineOnWindow(first);
        const std::optional<OldLine> old = Before(first);
        const std::uint32_t at = editor.FLines->Line(first)->At;
        para_ = editor.UpdateLine(dc, first, [&](std::uint32_t next) { return Keeps(old, at, next); });
        Measured(old);
        window_y_ = line_.tmWindowPosition;
        doc_y_ = line_.tmDocPosition;
        start_ = line_.tmIndex;
        next_ = first + 1;
    }
    bool Ended() const { return line_.tmEndOfDoc; }
    bool EndedParagraph() const { return line_.tmBreakPara; }
    std::int32_t Next() const { return next_; }
    std::uint32_t Start() const { return start_; }
    int WindowY() const { return window_y_; }
    void NextParagraph() { display::NextLineParagraph(start_, para_, e_.edInfo, line_); }
    // Lays out the next node (a new one past the end of the list, or before the next one
    // when asked) from the current start.
    void Step(bool insert = false) {
        display::TEditorLines& lines = *e_.FLines;
        const std::optional<OldLine> old = insert ? std::nullopt : Before(next_);
        if (insert || next_ >= lines.Count()) lines.InsertLine(next_, start_, model::TLineInfo{});
        const std::uint32_t at = start_;
        start_ = display::LayoutLine(dc_, doc_y_, *para_, at, e_.edInfo, line_);
        if (!Keeps(old, at, start_)) display::PaintLaidOutLine(dc_, window_y_, *para_, at, e_.edInfo, line_);
        Measured(old);
        lines.SetInfo(next_, at, line_);
        const int height = static_cast<int>(line_.tmHeight) + line_.tmLineRegion.MoreHeight;
        window_y_ += height;
        doc_y_ += height;
        ++next_;
    }
    // Lines went or came before the next one: it and all after it are painted.
    void Moved() { moved_ = true; }
    // The document ended at the last node laid out: what followed goes.
    void EndHere() {
        e_.FLines->FreeAfter(next_ - 1);
        RECT below{e_.edInfo.eiBoundRect.left, window_y_, e_.edInfo.eiBoundRect.right, 0};
        RECT client{};
        GetClientRect(e_.HWindow, &client);
        below.bottom = client.bottom;
        if (!e_.edInfo.eiTransparent && below.top < below.bottom)
            FillRect(dc_, &below, e_.edInfo.eiBackgroundBrush);
    }
    // Floated objects lie over the lines: they are drawn again from the first re-laid line.
    void Finish() {
        e_.FLines->FAbsTopLinePos = e_.FLines->GetAbsPos(e_.FLines->FTopLine); // lines above may have changed
        const int saved = SaveDC(dc_);
        IntersectClipRect(dc_, -32768, top_, 32767, 32767);
        e_.FObjects->DrawFloatedObjectAt(dc_, e_.FLines->FAbsTopLinePos);
        RestoreDC(dc_, saved);
        e_.ShowTheCaret();
    }

private:
    std::optional<OldLine> Before(std::int32_t k) const {
        if (!edit_ || k >= e_.FLines->Count()) return std::nullopt;
        return Remember(*e_.FLines, k, *e_.FBuffer, edit_->delta);
    }
    // The line just measured from `at` to `next` shows what it showed: the edit lies wholly
    // before or after its old units, nothing above it moved, and it ends and measures the same.
    bool Keeps(const std::optional<OldLine>& old, std::uint32_t at, std::uint32_t next) const {
        if (!old || moved_) return false;
        const std::int64_t removed = std::max<std::int64_t>(-edit_->delta, 0);
        std::int64_t shift = 0;
        if (old->At > edit_->at + removed)
            shift = edit_->delta;
        else if (old->Next >= edit_->at)
            return false;
        return SameAsBefore(*old, line_, at, next, shift) && old->Left == line_.tmLineRegion.Left &&
               old->Baseline == static_cast<int>(std::min<std::uint32_t>(line_.tmBaseline, 0xFFFF));
    }
    void Measured(const std::optional<OldLine>& old) {
        if (!old || old->TotalHeight != static_cast<int>(line_.tmHeight) + line_.tmLineRegion.MoreHeight)
            moved_ = true;
    }

    TFormatEditor& e_;
    HDC dc_;
    model::TLineInfo& line_;
    std::optional<EditSpan> edit_;
    bool moved_ = false;
    model::TParagraphItem* para_ = nullptr;
    int top_ = 0, window_y_ = 0, doc_y_ = 0;
    std::uint32_t start_ = 0;
    std::int32_t next_ = 0;
};

// Goes on with a walk after Delta units were inserted at At (removed from At on when
// negative): old lines behind the walk were swallowed by the edit, a new line before the next
// old one gets a node of its own, and at a paragraph past the edit where an old line started
// the old lines resume, only moved. Answers the window y from which they moved, if they did.
std::optional<int> TFormatEditor::ResumeShifted(Relayout& walk, std::uint32_t At, std::int64_t Delta) {
    display::TEditorLines& lines = *FLines;
    const std::int64_t old_end = std::int64_t{At} + std::max<std::int64_t>(-Delta, 0);
    const std::int64_t new_end = std::int64_t{At} + std::max<std::int64_t>(Delta, 0);
    // Where an old line start lies in the new text; -1 inside the removed text.
    const auto mapped = [&](std::uint32_t old) -> std::int64_t {
        if (old < At) return old;
        return old >= old_end ? old + Delta : -1;
    };
    while (!walk.Ended()) {
        bool insert = false;
        while (const display::TLineItem* old = lines.Line(walk.Next())) {
            const std::int64_t m = mapped(old->At);
            if (m < walk.Start()) {
                lines.FreeLine(walk.Next());
                walk.Moved();
                continue;
            }
            insert = m > walk.Start();
            if (!insert && walk.EndedParagraph() && walk.Start() > new_end) {
                lines.ShiftFrom(walk.Next(), Delta);
                return walk.WindowY();
            }
            break;
        }
        walk.NextParagraph();
        walk.Step(insert);
    }
    return std::nullopt;
}

void TFormatEditor::InvalidateBelow(int Y) {
    RECT client{};
    GetClientRect(HWindow, &client);
    RECT band{edInfo.eiBoundRect.left, Y, edInfo.eiBoundRect.right, client.bottom};
    if (band.top < band.bottom) InvalidateRect(HWindow, &band, TRUE);
}

bool TFormatEditor::RepaintChar(std::int32_t Index, std::int32_t AmountOfChange,
                                std::optional<std::uint32_t> At) {
    if (FLines->Line(Index) == nullptr) return false;
    Index = FirstAffectedLine(*FLines, *FBuffer, Index);
    const platform::WindowDC dc = GetEditDC();
    const std::optional<EditSpan> edit = At ? std::optional<EditSpan>({*At, AmountOfChange}) : std::nullopt;
    Relayout walk(*this, dc, Index, edit);
    const auto in_step = [&] {
        const display::TLineItem* node = FLines->Line(walk.Next());
        return node != nullptr && std::int64_t{node->At} + AmountOfChange == walk.Start();
    };
    std::optional<int> invalidate_from;
    if (!walk.Ended()) {
        walk.NextParagraph();
        while (!walk.Ended() && !walk.EndedParagraph() && !in_step()) {
            walk.Step();
            if (!walk.Ended()) walk.NextParagraph();
        }
        if (!walk.Ended() && walk.EndedParagraph() && in_step()) {
            FLines->ShiftFrom(walk.Next(), AmountOfChange);
            invalidate_from = walk.WindowY(); // heights above may have changed
        } else if (At && CanResume()) {
            invalidate_from = ResumeShifted(walk, *At, AmountOfChange);
        } else {
            while (!walk.Ended()) {
                const std::int32_t k = walk.Next();
                const bool had = k < FLines->Count();
                const OldLine old = had ? Remember(*FLines, k, *FBuffer, AmountOfChange) : OldLine{};
                const std::uint32_t at = walk.Start();
                walk.Step();
                if (walk.Ended()) break;
                if (had && SameAsBefore(old, edInfo.eiCurrentLine, at, walk.Start(), AmountOfChange)) {
                    FLines->ShiftFrom(walk.Next(), AmountOfChange);
                    break;
                }
                walk.NextParagraph();
            }
        }
    }
    if (walk.Ended()) walk.EndHere();
    walk.Finish();
    FLines->UpdateBottomLine();
    if (invalidate_from) InvalidateBelow(*invalidate_from);
    FView.CurrentLine = std::min(FView.CurrentLine, FLines->LastIndex());
    return true;
}

void TFormatEditor::UpdateFrom(std::int32_t Index) {
    if (FLines->Line(Index) == nullptr) return Refresh();
    Index = FirstAffectedLine(*FLines, *FBuffer, Index);
    const platform::WindowDC dc = GetEditDC();
    Relayout walk(*this, dc, Index);
    while (!walk.Ended()) {
        walk.NextParagraph();
        walk.Step();
    }
    walk.EndHere();
    walk.Finish();
    FLines->UpdateBottomLine();
    FView.CurrentLine = std::min(FView.CurrentLine, FLines->LastIndex());
}

void TFormatEditor::UpdateFormat(std::int32_t AFrom, std::uint32_t ATo) {
    const std::int32_t first = FirstAffectedLine(
        *FLines, *FBuffer, FLines->GetLinePos(static_cast<std::uint32_t>(std::max(AFrom, 0))));
    if (FLines->Line(first) == nullptr) return Refresh();
    const int old_height = FLines->Line(first)->TotalHeight();
    const platform::WindowDC dc = GetEditDC();
    Relayout walk(*this, dc, first);
    bool height_changed = FLines->Line(first)->TotalHeight() != old_height;
    while (!walk.Ended()) {
        walk.NextParagraph();
        const std::int32_t k = walk.Next();
        const bool had = k < FLines->Count();
        const OldLine old = had ? Remember(*FLines, k, *FBuffer, 0) : OldLine{};
        const std::uint32_t at = walk.Start();
        walk.Step();
        height_changed |= !had || FLines->Line(k)->TotalHeight() != old.TotalHeight;
        if (!walk.Ended() && had && at >= ATo && SameAsBefore(old, edInfo.eiCurrentLine, at, walk.Start(), 0))
            break;
    }
    if (walk.Ended()) walk.EndHere();
    if (FLines->FTopLine > FLines->LastIndex()) {
        FLines->SetTopLine(FLines->LastIndex());
        height_changed = true;
    } else {
        FLines->UpdateBottomLine();
    }
    walk.Finish();
    if (height_changed) InvalidateBelow(walk.WindowY());
}

void TFormatEditor::UpdateRange(std::uint32_t AStart, std::int32_t AEnd, BOOL Erase) {
    const auto end = static_cast<std::uint32_t>(std::max(AEnd, 0));
    const std::int32_t first = FLines->GetLinePos(std::min(AStart, end));
    const std::int32_t last = FLines->GetLinePos(std::max(AStart, end));
    RECT client{};
    GetClientRect(HWindow, &client);
    RECT band{edInfo.eiBoundRect.left, FLines->GetLineOnWindow(std::max(first, FLines->FTopLine)),
              edInfo.eiBoundRect.right, 0};
    band.bottom =
        std::min<LONG>(FLines->GetLineOnWindow(last) + FLines->Line(last)->TotalHeight(), client.bottom);
    if (band.top < band.bottom) InvalidateRect(HWindow, &band, Erase);
}

void TFormatEditor::UpdateShifted(std::int32_t Index, std::uint32_t At, std::int64_t Delta) {
    if (FLines->Line(Index) == nullptr) return Refresh();
    Index = FirstAffectedLine(*FLines, *FBuffer, Index);
    if (!CanResume()) return UpdateFrom(Index);
    const platform::WindowDC dc = GetEditDC();
    Relayout walk(*this, dc, Index);
    const std::optional<int> moved_from = ResumeShifted(walk, At, Delta);
    if (walk.Ended()) walk.EndHere();
    walk.Finish();
    FLines->UpdateBottomLine();
    if (moved_from) InvalidateBelow(*moved_from); // the lines below moved on the screen
    FView.CurrentLine = std::min(FView.CurrentLine, FLines->LastIndex());
}

// Floated objects wrap lines by their height in the document, so after one the rest moves
// as well as shifts. An edit above the view may resume too: the view keeps its top line by
// index, and what moved below the resumed lines is painted again.
bool TFormatEditor::CanResume() const { return !FObjects->AnyFloated(); }

void TFormatEditor::ValidateFromLine(std::int32_t FrLine) {
    Notify(HWindow, EFN_HIDECOMMENT);
    RECT client{};
    GetClientRect(HWindow, &client);
    client.top = FLines->GetLineOnWindow(std::max(FrLine, FLines->FTopLine));
    InvalidateRect(HWindow, &client, TRUE);
}

void TFormatEditor::Refresh() {
    const std::int32_t top = FLines->FTopLine;
    const std::uint32_t caret = edInfo.eiIndex;
    edInfo.eiBoundRect = GetBoundRect();
    GetLines();
    FLines->SetTopLine(std::min(top, FLines->LastIndex()));
    ValidateWindow();
    SetIndex(caret);
}

std::int32_t TFormatEditor::GetDocumentHeight() const {
    return std::max(FLines->GetDocumentHeight(), FObjects->GetObjsHeight());
}

void TFormatEditor::WMSize(TMessage& msg) {
    if (msg.WParam == SIZE_MINIMIZED) return;
    if (FView.FLayingOut) {
        const RECT old = edInfo.eiBoundRect;
        edInfo.eiBoundRect = GetBoundRect();
        if (edInfo.eiBoundRect.right - edInfo.eiBoundRect.left != old.right - old.left)
            FView.FRelayoutWanted = true;
        return;
    }
    if ((FSettings.FEditStyle & esControl) != 0 && !edInfo.eiPrinting) {
        const RECT old = edInfo.eiBoundRect;
        edInfo.eiBoundRect = GetBoundRect();
        if (edInfo.eiBoundRect.right - edInfo.eiBoundRect.left != old.right - old.left) {
            const std::int32_t top = FLines->FTopLine;
            GetLines();
            FLines->SetTopLine(std::min(top, FLines->LastIndex()));
        }
        UpdateScrollbar();
        SetIndex(edInfo.eiIndex);
    }
    FLines->UpdateBottomLine();
    if ((FSettings.FEditStyle & esControl) == 0 && !edInfo.eiPrinting) {
        UpdateHScrollbar();
        UpdateCaret();
    }
}

bool TFormatEditor::EFMLayoutMessage(TMessage& msg) {
    switch (msg.Msg) {
    case EFM_REFRESH: Refresh(); return true;
    case EFM_GETDOCUMENTHEIGHT: msg.Result = GetDocumentHeight(); return true;
    case EFM_GETLINEOFINDEX:
        msg.Result = FLines->GetLinePos(static_cast<std::uint32_t>(msg.LParam));
        return true;
    default: return false;
    }
}

} // namespace zeledit::engine
