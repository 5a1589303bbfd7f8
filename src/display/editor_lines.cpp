#include "display/editor_lines.h"

#include "model/editor_buffer.h"

#include <algorithm>

namespace zeledit::display {

using model::LF, model::CR;
namespace {

std::uint16_t Saturated16(std::uint32_t v) {
    return static_cast<std::uint16_t>(std::min<std::uint32_t>(v, 0xFFFF));
}

bool IsParagraphMark(const model::TEditorBuffer& b, std::uint32_t at) {
    return b.CharAt(at) == CR && b.CharAt(at + 1) == LF;
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
    while (n < next && text[n] != 0 && text[n] != LF && text[n] != CR) ++n;
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

void TEditorLines::ListChanged() {
    ++FChanges;
    if (FOwnChange || !FIndexValid) return;
    // The list changed around the index: the lines take their pending shifts while the index
    // still knows them, and the index is rebuilt when next needed.
    for (std::size_t c = 0; c < FChunks.size(); ++c) Settle(c);
    FIndexValid = false;
}

void TEditorLines::EnsureIndex() const {
    if (FIndexValid) return;
    FChunks.clear();
    for (model::TItemNode* n = Head(); n != nullptr; n = n->NextItem) {
        if (FChunks.empty() || FChunks.back().lines.size() == ChunkLines) FChunks.emplace_back();
        auto* line = static_cast<TLineItem*>(n);
        FChunks.back().lines.push_back(line);
        FChunks.back().height += line->TotalHeight();
    }
    FPrefixFrom = 0;
    FIndexValid = true;
}

void TEditorLines::EnsurePrefix() const {
    EnsureIndex();
    FFirst.resize(FChunks.size());
    FTop.resize(FChunks.size());
    for (std::size_t c = FPrefixFrom; c < FChunks.size(); ++c) {
        FFirst[c] = c == 0 ? 0 : FFirst[c - 1] + static_cast<std::int32_t>(FChunks[c - 1].lines.size());
        FTop[c] = c == 0 ? 0 : FTop[c - 1] + FChunks[c - 1].height;
    }
    FPrefixFrom = FChunks.size();
}

std::size_t TEditorLines::ChunkOf(std::int32_t Index) const {
    EnsurePrefix();
    return static_cast<std::size_t>(std::upper_bound(FFirst.begin(), FFirst.end(), Index) - FFirst.begin()) -
           1;
}

void TEditorLines::Settle(std::size_t c) const {
    Chunk& chunk = FChunks[c];
    if (chunk.shift == 0) return;
    for (TLineItem* line : chunk.lines)
        line->At = static_cast<std::uint32_t>(std::max<std::int64_t>(0, line->At + chunk.shift));
    chunk.shift = 0;
}

std::int64_t TEditorLines::SumBefore(std::int32_t Index) const {
    EnsurePrefix();
    if (FChunks.empty() || Index <= 0) return 0;
    if (Index >= Count()) return FTop.back() + FChunks.back().height;
    const std::size_t c = ChunkOf(Index);
    std::int64_t sum = FTop[c];
    const auto& lines = FChunks[c].lines;
    for (std::int32_t i = FFirst[c]; i < Index; ++i)
        sum += lines[static_cast<std::size_t>(i - FFirst[c])]->TotalHeight();
    return sum;
}

std::int32_t TEditorLines::FirstReaching(std::int64_t y) const {
    EnsurePrefix();
    if (FChunks.empty() || y <= 0) return 0;
    // The last chunk that starts above y, then its line that reaches y.
    const std::size_t c =
        static_cast<std::size_t>(std::lower_bound(FTop.begin(), FTop.end(), y) - FTop.begin()) - 1;
    std::int64_t bottom = FTop[c];
    const auto& lines = FChunks[c].lines;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        bottom += lines[i]->TotalHeight();
        if (bottom >= y) return FFirst[c] + static_cast<std::int32_t>(i);
    }
    return FFirst[c] + static_cast<std::int32_t>(lines.size());
}

TLineItem* TEditorLines::Line(std::int32_t Index) const {
    if (Index < 0 || Index >= Count()) return nullptr;
    const std::size_t c = ChunkOf(Index);
    Settle(c);
    return FChunks[c].lines[static_cast<std::size_t>(Index - FFirst[c])];
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
    TLineItem* line = Line(Index); // its chunk's shift is settled: AIdx is where it starts now
    if (line == nullptr) return;
    ++FChanges;
    const int before = line->TotalHeight();
    line->SetInfo(AIdx, Info);
    if (line->TotalHeight() == before) return;
    const std::size_t c = ChunkOf(Index);
    FChunks[c].height += line->TotalHeight() - before;
    Touched(c + 1);
}

void TEditorLines::AppendLine(std::uint32_t AIdx, const model::TLineInfo& Info) {
    EnsureIndex();
    auto* line = new TLineItem(AIdx, Info);
    FOwnChange = true;
    Append(line);
    FOwnChange = false;
    if (FChunks.empty() || FChunks.back().lines.size() >= ChunkLines) {
        FChunks.emplace_back();
        Touched(FChunks.size() - 1);
    }
    Settle(FChunks.size() - 1);
    FChunks.back().lines.push_back(line);
    FChunks.back().height += line->TotalHeight();
}

void TEditorLines::InsertLine(std::int32_t Index, std::uint32_t AIdx, const model::TLineInfo& Info) {
    TLineItem* before = Line(Index);
    if (before == nullptr) return AppendLine(AIdx, Info);
    auto* line = new TLineItem(AIdx, Info);
    FOwnChange = true;
    Insert(before, line);
    FOwnChange = false;
    const std::size_t c = ChunkOf(Index);
    Chunk& chunk = FChunks[c];
    chunk.lines.insert(chunk.lines.begin() + (Index - FFirst[c]), line);
    chunk.height += line->TotalHeight();
    Touched(c + 1);
    if (chunk.lines.size() < 2 * ChunkLines) return;
    // Split in two halves; both are settled, as the chunk was read above.
    Chunk second;
    second.lines.assign(chunk.lines.begin() + ChunkLines, chunk.lines.end());
    chunk.lines.resize(ChunkLines);
    for (const TLineItem* l : second.lines) second.height += l->TotalHeight();
    chunk.height -= second.height;
    FChunks.insert(FChunks.begin() + static_cast<std::ptrdiff_t>(c) + 1, std::move(second));
}

TLineItem* TEditorLines::Unlink(std::int32_t Index) {
    TLineItem* line = Line(Index);
    const std::size_t c = ChunkOf(Index);
    Chunk& chunk = FChunks[c];
    chunk.lines.erase(chunk.lines.begin() + (Index - FFirst[c]));
    chunk.height -= line->TotalHeight();
    if (chunk.lines.empty()) {
        FChunks.erase(FChunks.begin() + static_cast<std::ptrdiff_t>(c));
        Touched(c);
    } else {
        Touched(c + 1);
    }
    return line;
}

void TEditorLines::FreeLine(std::int32_t Index) {
    if (Index < 0 || Index >= Count()) return;
    TLineItem* line = Unlink(Index);
    FOwnChange = true;
    FreeItem(line);
    FOwnChange = false;
}

void TEditorLines::ShiftFrom(std::int32_t Index, std::int64_t Delta) {
    Index = std::max(Index, 0);
    if (Index >= Count() || Delta == 0) return;
    ++FChanges;
    const std::size_t c = ChunkOf(Index);
    Settle(c);
    auto& lines = FChunks[c].lines;
    for (std::size_t i = static_cast<std::size_t>(Index - FFirst[c]); i < lines.size(); ++i)
        lines[i]->At = static_cast<std::uint32_t>(std::max<std::int64_t>(0, lines[i]->At + Delta));
    for (std::size_t k = c + 1; k < FChunks.size(); ++k) FChunks[k].shift += Delta;
}

void TEditorLines::FreeAfter(std::int32_t Index) {
    while (Count() > std::max(Index + 1, 0)) FreeLine(Count() - 1);
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
    EnsurePrefix();
    // Lines whose start lies below idxAt, minus one: first the chunks that start below it.
    const auto starts_below = [&](const Chunk& chunk) {
        return std::max<std::int64_t>(0, chunk.lines.front()->At + chunk.shift) < idxAt;
    };
    const std::size_t chunks = static_cast<std::size_t>(
        std::partition_point(FChunks.begin(), FChunks.end(), starts_below) - FChunks.begin());
    if (chunks == 0) return 0;
    const std::size_t c = chunks - 1;
    Settle(c);
    const auto& lines = FChunks[c].lines;
    const auto below = std::lower_bound(lines.begin(), lines.end(), idxAt,
                                        [](const TLineItem* l, std::uint32_t at) { return l->At < at; });
    const std::int32_t count = FFirst[c] + static_cast<std::int32_t>(below - lines.begin());
    return std::max(0, std::min(count - 1, LastIndex()));
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
