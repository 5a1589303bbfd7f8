// Where the lines of a paragraph go: its regions from the indents, margins and borders,
// and whether its box continues into its neighbours'.
#include "model/device_metrics.h"
#include "model/editor_buffer.h"
#include "model/editor_paragraphs.h"

#include <algorithm>
#include <cmath>

namespace zeledit::model {
namespace {

constexpr int InnerMargin = 5; // pixels between a paragraph's region and its text

bool HasBox(const TBorder& b) {
    return ((b.btLeft.beStyle | b.btTop.beStyle | b.btRight.beStyle | b.btBottom.beStyle) & 0xF0) != 0;
}

bool SameEdge(const TBorderEdge& a, const TBorderEdge& b) {
    return a.beStyle == b.beStyle && a.beColor == b.beColor && a.beSpace == b.beSpace;
}

double EffectiveLeft(const TIndent& i) { return i.inFirst >= 0 ? i.inLeft : i.inFirst + i.inLeft; }

// Two neighbouring paragraphs share one box: same edges, same indents, both boxed.
bool BoxContinues(const TParagraphItem* a, const TParagraphItem* b) {
    if (a == nullptr || b == nullptr) return false;
    const TParaFormat &p = a->FAttributes, &q = b->FAttributes;
    return std::fabs(EffectiveLeft(p.ptIndent) - EffectiveLeft(q.ptIndent)) <= 0.01 &&
           p.ptIndent.inRight == q.ptIndent.inRight && SameEdge(p.ptBorder.btLeft, q.ptBorder.btLeft) &&
           SameEdge(p.ptBorder.btTop, q.ptBorder.btTop) && SameEdge(p.ptBorder.btRight, q.ptBorder.btRight) &&
           SameEdge(p.ptBorder.btBottom, q.ptBorder.btBottom) && HasBox(p.ptBorder) && HasBox(q.ptBorder);
}

std::int16_t Clamp16(int v) { return static_cast<std::int16_t>(std::clamp(v, -32768, 32767)); }

} // namespace

TParagraphItem* TEditorParagraphs::GetParaInfo(std::uint32_t Idx, bool FirstLine) const {
    return GetParaInfo(Idx, FirstLine, EditorInfo->eiCurrentLine);
}

TParagraphItem* TEditorParagraphs::GetParaInfo(std::uint32_t Idx, bool FirstLine, TLineInfo& line) const {
    TEditorBuffer& b = *EditorInfo->eiBuffers;
    const std::uint32_t end = b.ParagraphEnd(Idx);
    std::uint32_t start = Idx;
    while (start > 0 && !(start >= 2 && b.CharAt(start - 2) == CR && b.CharAt(start - 1) == LF)) --start;
    const auto entry = [&](std::uint32_t e) -> TParagraphItem* {
        const std::uint8_t f = b.FormatByte(e);
        return f < Count() ? static_cast<TParagraphItem*>(Get(f)) : nullptr;
    };
    std::uint8_t& own = b.FormatByte(end);
    if (own >= Count()) own = static_cast<std::uint8_t>(std::max(Count() - 1, 0));
    TParagraphItem* para = GetFormatItem(own);
    const TParagraphItem* prev = start >= 2 ? entry(start - 2) : nullptr;
    const TParagraphItem* next = b.CharAt(end) != 0 ? entry(b.ParagraphEnd(end + 2)) : nullptr;

    const TParaFormat& p = para->FAttributes;
    line.tmAlignment = b.FormatByte(end + 1) & 3;
    line.tmTopBorder = BoxContinues(prev, para);
    line.tmBottomBorder = BoxContinues(para, next);
    line.tmSamePrevPara = prev == para;
    line.tmSameNextPara = next == para;
    const RECT& bound = EditorInfo->eiBoundRect;
    line.tmRegion = bound;
    line.tmRegion.left += InchesToPixelsX(p.ptIndent.inLeft);
    line.tmRegion.right -= InchesToPixelsX(p.ptIndent.inRight);
    line.tmLeftIndent = line.tmRegion.left;
    const int first = InchesToPixelsX(p.ptIndent.inFirst);
    line.tmParaRegion.left = first <= 0 ? line.tmRegion.left + first : line.tmRegion.left;
    line.tmParaRegion.right = line.tmRegion.right;
    line.tmBkgndRegion = bound;
    if (FirstLine && !(p.ptBullet.blPresent && p.ptBullet.blHanging)) line.tmRegion.left += first;
    line.tmLeftIndent += InnerMargin;
    line.tmRegion.left += InnerMargin;
    line.tmRegion.right -= InnerMargin;
    const int border = DotPerInchY * 2 / 72;
    if (p.ptBorder.btLeft.beStyle != 0) {
        line.tmRegion.left += border;
        line.tmLeftIndent += border;
    }
    if (p.ptBorder.btRight.beStyle != 0) line.tmRegion.right -= border;
    line.tmFirstLine = FirstLine;
    line.tmLineRegion = {Clamp16(line.tmRegion.left), Clamp16(line.tmRegion.right), 0};
    return para;
}

} // namespace zeledit::model
