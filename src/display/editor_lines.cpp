#include "display/editor_lines.h"

#include "model/editor_buffer.h"

#include <algorithm>
#include <bit>

namespace zeledit::display {
namespace {

std::uint16_t Saturated16(std::uint32_t v) {
    return static_cast<std::uint16_t>(std::min<std::uint32_t>(v, 0xFFFF));
}

bool IsParagraphMark(const model::TEditorBuffer& b, std::uint32_t at) {
    return b.CharAt(at) == 13 && b.CharAt(at + 1) == 10;
}

} // namespace

TLineItem::TLineItem(std::uint32_t Position, const model::TLineRegion* Region, std::uint16_t Height,
                     std::uint16_t Width)
    : At(Position), FWidth(Width), FHeight(Height) {
    if (Region != nullptr) FRegion = *Region;
}

TLineItem::TLineItem(std::uint32_t AIdx, const model::TLineInfo& Info) { SetInfo(AIdx, Info); }

void TLineItem::SetInfo(std::uint32_t AIdx, const model::TLineInfo& Info) {
    At = AIdx;
    FWidth = Saturated16(Info.tmWidth);
    FHeight = Saturated16(Info.tmHeight);
    FBaseLine = Saturated16(Info.tmBaseline);
    FTextHeight = Saturated16(Info.tmTextHeight);
    FRegion = Info.tmLineRegion;
}

std::uint32_t TLineItem::GetLineLength(const model::TEditorBuffer& Buffer, std::uint32_t next) const {
    const char16_t* text = Buffer.ParagraphText(At);
    std::uint32_t n = At;
    while (n < next && text[n] != 0 && text[n] != 10 && text[n] != 13) ++n;
    return n - At;
}

bool TLineItem::IsFirstLine(const model::TEditorBuffer& Buffer) const {
    return At == 0 || (At >= 2 && IsParagraphMark(Buffer, At - 2));
}

bool TLineItem::IsEndOfPara(const model::TEditorBuffer& Buffer, const TLineItem* next) const {
    if (next == nullptr) return true;
    return next->At >= 2 && IsParagraphMark(Buffer, next->At - 2);
}

// --- the list ---

void TEditorLines::ListChanged() { FIndexValid = false; }

void TEditorLines::EnsureIndex() const {
    if (FIndexValid) return;
    FIndex.clear();
    FIndex.reserve(static_cast<std::size_t>(Count()));
    for (model::TItemNode* n = Head(); n != nullptr; n = n->NextItem)
        FIndex.push_back(static_cast<TLineItem*>(n));
    // Linear construction: each node passes its sum on to its parent.
    const std::size_t size = std::max<std::size_t>(16, std::bit_ceil(FIndex.size() + 1));
    FTree.assign(size + 1, 0);
    for (std::size_t i = 1; i <= FIndex.size(); ++i) FTree[i] += FIndex[i - 1]->TotalHeight();
    for (std::size_t i = 1; i < FTree.size(); ++i) {
        const std::size_t parent = i + (i & (~i + 1));
        if (parent < FTree.size()) FTree[parent] += FTree[i];
    }
    FIndexValid = true;
}

void TEditorLines::AddHeight(std::int32_t Index, std::int64_t Delta) const {
    for (std::size_t i = static_cast<std::size_t>(Index) + 1; i < FTree.size(); i += i & (~i + 1))
        FTree[i] += Delta;
}

std::int64_t TEditorLines::SumBefore(std::int32_t Index) const {
    EnsureIndex();
    std::int64_t sum = 0;
    for (std::size_t i = static_cast<std::size_t>(std::clamp(Index, 0, Count())); i > 0; i &= i - 1)
        sum += FTree[i];
    return sum;
}

std::int32_t TEditorLines::FirstReaching(std::int64_t y) const {
    EnsureIndex();
    // The largest prefix whose sum stays below y: the line after it is the one reaching y.
    std::size_t at = 0;
    for (std::size_t step = std::bit_floor(FTree.size() - 1); step != 0; step >>= 1)
        if (at + step < FTree.size() && FTree[at + step] < y) {
            at += step;
            y -= FTree[at];
        }
    return static_cast<std::int32_t>(at);
}

TLineItem* TEditorLines::Line(std::int32_t Index) const {
    if (Index < 0 || Index >= Count()) return nullptr;
    EnsureIndex();
    return FIndex[static_cast<std::size_t>(Index)];
}

std::int32_t TEditorLines::IndexOf(const model::TItemNode* pNode) const {
    if (pNode == nullptr) return -1;
    // Lines are in text order, so the search by start finds it unless the list is mid-change.
    const std::int32_t guess = GetLinePos(static_cast<const TLineItem*>(pNode)->At + 1);
    if (Line(guess) == pNode) return guess;
    for (std::int32_t i = 0; i < Count(); ++i)
        if (Line(i) == pNode) return i;
    return -1;
}

void TEditorLines::SetInfo(std::int32_t Index, std::uint32_t AIdx, const model::TLineInfo& Info) {
    TLineItem* line = Line(Index);
    if (line == nullptr) return;
    const int before = line->TotalHeight();
    line->SetInfo(AIdx, Info);
    if (line->TotalHeight() != before) AddHeight(Index, line->TotalHeight() - before);
}

void TEditorLines::AppendLine(std::uint32_t AIdx, const model::TLineInfo& Info) {
    EnsureIndex();
    auto* line = new TLineItem(AIdx, Info);
    Append(line);
    FIndex.push_back(line);
    if (FIndex.size() + 1 > FTree.size()) {
        FIndexValid = false; // grows the tree
        EnsureIndex();
    } else {
        AddHeight(static_cast<std::int32_t>(FIndex.size()) - 1, line->TotalHeight());
        FIndexValid = true;
    }
}

void TEditorLines::InsertLine(std::int32_t Index, std::uint32_t AIdx, const model::TLineInfo& Info) {
    TLineItem* before = Line(Index);
    if (before == nullptr) return AppendLine(AIdx, Info);
    Insert(before, new TLineItem(AIdx, Info));
}

void TEditorLines::ShiftFrom(std::int32_t Index, std::int64_t Delta) {
    EnsureIndex();
    for (std::size_t i = static_cast<std::size_t>(std::max(Index, 0)); i < FIndex.size(); ++i)
        FIndex[i]->At = static_cast<std::uint32_t>(std::max<std::int64_t>(0, FIndex[i]->At + Delta));
}

void TEditorLines::FreeAfter(std::int32_t Index) {
    EnsureIndex();
    while (Count() > std::max(Index + 1, 0)) {
        TLineItem* last = FIndex.back();
        AddHeight(Count() - 1, -last->TotalHeight());
        FIndex.pop_back();
        FreeItem(last);
        FIndexValid = true;
    }
}

std::int32_t TEditorLines::GetAbsPos(std::int32_t line) const {
    if (line <= 0 || Count() == 0) return 0;
    return static_cast<std::int32_t>(SumBefore(std::min(line, LastIndex())));
}

std::int32_t TEditorLines::GetDocumentHeight() const { return static_cast<std::int32_t>(SumBefore(Count())); }

void TEditorLines::SetTopLine(std::int32_t line) {
    line = std::max(0, std::min(line, LastIndex()));
    if (line == FTopLine) return;
    FTopLine = line;
    FAbsTopLinePos = GetAbsPos(line);
    UpdateBottomLine();
}

void TEditorLines::UpdateBottomLine() {
    RECT client{};
    if (EditorInfo != nullptr) GetClientRect(EditorInfo->eiWindow, &client);
    const std::int64_t height = client.bottom - client.top;
    const std::int32_t top = std::max(0, std::min(FTopLine, LastIndex()));
    // Lines from the top whose tops lie above the client bottom.
    const std::int32_t count = height > 0 ? FirstReaching(SumBefore(top) + height) - top + 1 : 0;
    FBottomLine = std::max(0, std::min(top + count - 1, LastIndex()));
}

std::int32_t TEditorLines::GetLineOnWindow(std::int32_t line) const {
    line = std::min(line, LastIndex());
    const std::int32_t top = std::max(0, std::min(FTopLine, LastIndex()));
    return static_cast<std::int32_t>(SumBefore(line) - SumBefore(top));
}

std::int32_t TEditorLines::GetLinePos(std::uint32_t idxAt) const {
    EnsureIndex();
    // Lines whose start lies below idxAt, minus one.
    const auto below = std::lower_bound(FIndex.begin(), FIndex.end(), idxAt,
                                        [](const TLineItem* l, std::uint32_t at) { return l->At < at; });
    return std::max(0, std::min(static_cast<std::int32_t>(below - FIndex.begin()) - 1, LastIndex()));
}

std::int32_t TEditorLines::GetLineAtPoint(std::int32_t yPos) const {
    if (yPos == 0) return FTopLine;
    const std::int64_t y = SumBefore(FTopLine) + yPos;
    if (y <= 0) return -1;
    const std::int32_t line = FirstReaching(y);
    return line < Count() ? line : -1;
}

std::int32_t TEditorLines::GetLineAtAbsPos(std::int32_t yPos) const {
    return std::max(0, std::min(FirstReaching(yPos), LastIndex()));
}

bool TEditorLines::IsEndOfPara(std::int32_t Index) const {
    const TLineItem* line = Line(Index);
    return line != nullptr && EditorInfo != nullptr && EditorInfo->eiBuffers != nullptr &&
           line->IsEndOfPara(*EditorInfo->eiBuffers, Line(Index + 1));
}

std::int32_t TEditorLines::StartOfParaFrom(std::int32_t AtLine) const {
    for (std::int32_t i = std::min(AtLine, Count()) - 1; i >= 0; --i)
        if (IsEndOfPara(i)) return i + 1;
    return 0;
}

std::uint32_t TEditorLines::NextStart(std::int32_t Index) const {
    if (const TLineItem* next = Line(Index + 1)) return next->At;
    return EditorInfo != nullptr && EditorInfo->eiBuffers != nullptr ? EditorInfo->eiBuffers->TextLength()
                                                                     : 0;
}

void TEditorLines::GetLineInfo(std::int32_t Index, int y) const {
    const TLineItem* item = Line(Index);
    if (item == nullptr || EditorInfo == nullptr) return;
    const model::TEditorBuffer& text = *EditorInfo->eiBuffers;
    model::TLineInfo& line = EditorInfo->eiCurrentLine;
    line.tmWidth = item->FWidth;
    line.tmHeight = static_cast<std::uint32_t>(item->LineHeight());
    line.tmTextHeight = static_cast<std::uint32_t>(item->TextHeight());
    line.tmBaseline = item->FBaseLine;
    line.tmLineRegion = item->FRegion;
    line.tmLength = item->GetLineLength(text, NextStart(Index));
    line.tmFirstLine = item->IsFirstLine(text);
    line.tmBreakPara = item->IsEndOfPara(text, Line(Index + 1));
    line.tmIndex = item->At;
    line.tmBkgndRegion.top = line.tmParaRegion.top = y;
    line.tmBkgndRegion.bottom = line.tmParaRegion.bottom = y + item->TotalHeight();
}

std::uint32_t TEditorLines::GetNextPara(std::int32_t FromLine) const {
    std::int32_t i = FromLine;
    if (Line(i) == nullptr) return NextStart(LastIndex());
    // To the end of this paragraph, then to the end of the following one.
    for (int ends = 0; i < Count(); ++i)
        if (IsEndOfPara(i) && ++ends == 2) return Line(i)->At;
    return NextStart(LastIndex());
}

} // namespace zeledit::display
