#include "model/editor_paragraphs.h"

#include "model/device_metrics.h"
#include "model/editor_buffer.h"
#include "model/editor_fonts.h"
#include "model/format_conversion.h"
#include "model/format_descriptions.h"

#include <zeledit/editor_messages.h>

#include <algorithm>
#include <cstring>
#include <strings.h>

namespace zeledit::model {
namespace {

int luminance(COLORREF c) {
    return RoundNearest(0.30 * GetRValue(c) + 0.59 * GetGValue(c) + 0.11 * GetBValue(c));
}

bool same_tabs(const TTabArray& a, const TTabArray& b) {
    for (int i = 0; i < TabCount; ++i) {
        const TTab x = a.tabs[i], y = b.tabs[i];
        if (RoundNearest(x.tbPosition * 1000) != RoundNearest(y.tbPosition * 1000) ||
            x.tbAlign != y.tbAlign || x.tbLeader != y.tbLeader || x.tbDefault != y.tbDefault)
            return false;
    }
    return true;
}

bool same_indent(const TIndent& a, const TIndent& b) {
    return a.inFirst == b.inFirst && a.inLeft == b.inLeft && a.inRight == b.inRight;
}

// `strict` compares every field; otherwise the spacing and colour of an edge without a
// line, and the details of an absent bullet, do not count.
bool same_format(const TParaFormat& a, const TParaFormat& b, bool strict) {
    if (!same_indent(a.ptIndent, b.ptIndent) || a.ptShading != b.ptShading) return false;
    const TBorderEdge ea[4] = {a.ptBorder.btLeft, a.ptBorder.btTop, a.ptBorder.btRight, a.ptBorder.btBottom};
    const TBorderEdge eb[4] = {b.ptBorder.btLeft, b.ptBorder.btTop, b.ptBorder.btRight, b.ptBorder.btBottom};
    for (int i = 0; i < 4; ++i) {
        if (ea[i].beStyle != eb[i].beStyle) return false;
        if ((strict || ea[i].beStyle != 0) &&
            (ea[i].beSpace != eb[i].beSpace || ea[i].beColor != eb[i].beColor))
            return false;
    }
    const TBullet& ba = a.ptBullet;
    const TBullet& bb = b.ptBullet;
    if (ba.blPresent != bb.blPresent) return false;
    if ((strict || ba.blPresent) &&
        (ba.blIndent != bb.blIndent || ba.blSize != bb.blSize || ba.blColor != bb.blColor ||
         ba.blHanging != bb.blHanging || ba.blChar != bb.blChar ||
         strncasecmp(ba.blFaceName, bb.blFaceName, sizeof ba.blFaceName) != 0))
        return false;
    return a.ptBefore == b.ptBefore && a.ptAfter == b.ptAfter && a.ptLineSpacing == b.ptLineSpacing &&
           a.ptReserved == b.ptReserved && same_tabs(a.ptTabs, b.ptTabs);
}

} // namespace

TParaFormat DefaultParaFormat() {
    TParaFormat p{};
    const TBorderEdge edge{0, 2.0, 0};
    p.ptBorder = {edge, edge, edge, edge};
    p.ptShading = 0xFFFFFF;
    std::strcpy(p.ptBullet.blFaceName, "Symbol");
    p.ptBullet.blChar = 183;
    p.ptBullet.blHanging = 1;
    p.ptBullet.blIndent = 0.3;
    DefaultTabs(p.ptTabs);
    return p;
}

TParagraphItem::TParagraphItem(const TIndent& Indent, std::uint8_t Align, const TBorder& Border,
                               COLORREF Shading)
    : FAttributes(DefaultParaFormat()) {
    FAttributes.ptIndent = Indent;
    FAttributes.ptAlign = Align;
    FAttributes.ptBorder = Border;
    FAttributes.ptShading = Shading;
    MakeBrush();
}

TParagraphItem::TParagraphItem(const TParaFormat& Para) : FAttributes(Para) {
    CopyFaceName(FAttributes.ptBullet.blFaceName, sizeof FAttributes.ptBullet.blFaceName,
                 Para.ptBullet.blFaceName, sizeof Para.ptBullet.blFaceName);
    MakeBrush();
}

TParagraphItem::TParagraphItem(const TParaFormat2& Para) : TParagraphItem(ConvertParaFormat(Para)) {}
TParagraphItem::TParagraphItem(const TParaFormat3& Para) : TParagraphItem(ConvertParaFormat(Para)) {}

TParagraphItem::~TParagraphItem() { DeleteObject(brShading); }

void TParagraphItem::MakeBrush() {
    DeleteObject(brShading);
    brShading = CreateSolidBrush(FAttributes.ptShading);
}

void TParagraphItem::SetFormat(const TParaFormat& Value) {
    FAttributes = Value;
    CopyFaceName(FAttributes.ptBullet.blFaceName, sizeof FAttributes.ptBullet.blFaceName,
                 Value.ptBullet.blFaceName, sizeof Value.ptBullet.blFaceName);
    MakeBrush();
}

void TParagraphItem::SetShading(COLORREF colour) {
    FAttributes.ptShading = colour;
    MakeBrush();
}

bool TParagraphItem::SameAs(const TParaFormat& Para) const { return same_format(FAttributes, Para, false); }
bool TParagraphItem::CompareWith(const TParagraphItem& Para) const {
    return same_format(FAttributes, Para.FAttributes, true);
}

void TParagraphItem::EnlargeReduceSize(int AInc) {
    // 0 is the automatic size, which follows the text.
    if (FAttributes.ptBullet.blSize > 0)
        FAttributes.ptBullet.blSize = ShiftedPoints(FAttributes.ptBullet.blSize, AInc);
}

template <class Transform> void TParagraphItem::RecolourWith(Transform t) {
    FAttributes.ptShading = t(FAttributes.ptShading);
    FAttributes.ptBullet.blColor = t(FAttributes.ptBullet.blColor);
    for (TBorderEdge* e : {&FAttributes.ptBorder.btLeft, &FAttributes.ptBorder.btTop,
                           &FAttributes.ptBorder.btRight, &FAttributes.ptBorder.btBottom})
        e->beColor = t(e->beColor);
    MakeBrush();
}

void TParagraphItem::Monochrome() {
    RecolourWith([](COLORREF c) -> COLORREF { return luminance(c) >= 128 ? 0xFFFFFF : 0; });
}

void TParagraphItem::GrayScale() {
    RecolourWith(
        [](COLORREF c) -> COLORREF { return static_cast<COLORREF>(std::min(luminance(c), 255) * 0x010101); });
}

// --- the encoding ---

std::uint32_t TEditorParagraphs::EndPosition(std::uint32_t p) const {
    const TEditorBuffer& b = *EditorInfo->eiBuffers;
    const std::uint32_t length = b.TextLength();
    p = std::min(p, length);
    return b.ParagraphEnd(p);
}

std::uint32_t TEditorParagraphs::StartParaIndex(std::uint32_t idx) const {
    const TEditorBuffer& b = *EditorInfo->eiBuffers;
    idx = std::min(idx, b.TextLength());
    while (idx > 0 && (b.CharAt(idx) == LF || b.CharAt(idx) == CR)) --idx;
    while (idx > 0 && b.CharAt(idx) != CR) --idx;
    return b.CharAt(idx) == CR ? idx + 2 : 0;
}

std::uint32_t TEditorParagraphs::EndOfParaIndex(std::uint32_t idx) const { return EndPosition(idx) + 1; }

std::uint8_t TEditorParagraphs::GetParaAttr(std::uint32_t idx) const {
    std::uint8_t& byte = EditorInfo->eiBuffers->FormatByte(EndPosition(idx));
    if (byte >= Count()) byte = static_cast<std::uint8_t>(std::max(Count() - 1, 0));
    return byte;
}

void TEditorParagraphs::SetParaAttr(std::uint32_t idx, std::uint8_t ParaIndex) const {
    TEditorBuffer& b = *EditorInfo->eiBuffers;
    const std::uint32_t e = EndPosition(idx);
    b.FormatByte(e) = ParaIndex;
    // A mark followed by an empty last paragraph: that one follows.
    if (b.CharAt(e) == CR && b.CharAt(e + 2) == 0) b.FormatByte(e + 2) = ParaIndex;
}

std::uint8_t TEditorParagraphs::GetParaAlign(std::uint32_t idx) const {
    return EditorInfo->eiBuffers->FormatByte(EndPosition(idx) + 1) & 3;
}

void TEditorParagraphs::SetParaAlign(std::uint32_t idx, std::uint8_t Align) const {
    TEditorBuffer& b = *EditorInfo->eiBuffers;
    const std::uint32_t e = EndPosition(idx);
    auto set = [&](std::uint32_t at) {
        b.FormatByte(at) = static_cast<std::uint8_t>((b.FormatByte(at) & ~3) | (Align & 3));
    };
    set(e + 1);
    if (b.CharAt(e) == CR && b.CharAt(e + 2) == 0) set(e + 3);
}

std::uint16_t TEditorParagraphs::GetParaWord(std::uint32_t idx) const {
    const TEditorBuffer& b = *EditorInfo->eiBuffers;
    const std::uint32_t e = EndPosition(idx);
    return static_cast<std::uint16_t>(b.FormatByte(e) | (b.FormatByte(e + 1) << 8));
}

void TEditorParagraphs::SetParaWord(std::uint32_t idx, std::uint16_t WordAttr) const {
    TEditorBuffer& b = *EditorInfo->eiBuffers;
    const std::uint32_t e = EndPosition(idx);
    b.FormatByte(e) = static_cast<std::uint8_t>(WordAttr);
    b.FormatByte(e + 1) = static_cast<std::uint8_t>(WordAttr >> 8);
}

std::int32_t TEditorParagraphs::GetPrevParaIndex(std::uint32_t Idx) const {
    const TEditorBuffer& b = *EditorInfo->eiBuffers;
    Idx = std::min(Idx, b.TextLength());
    while (Idx > 0 && b.CharAt(Idx) != LF) --Idx;
    if (b.CharAt(Idx) != LF || Idx == 0) return -1;
    const std::uint8_t index = b.FormatByte(Idx - 1);
    return index < Count() ? index : -1;
}

std::int32_t TEditorParagraphs::GetNextParaIndex(std::uint32_t Idx) const {
    const TEditorBuffer& b = *EditorInfo->eiBuffers;
    const std::uint32_t e = EndPosition(Idx);
    if (b.CharAt(e) == 0) return -1;
    const std::uint8_t index = b.FormatByte(EndPosition(e + 2));
    return index < Count() ? index : -1;
}

TParagraphItem* TEditorParagraphs::GetParaOfIndex(std::uint32_t Position) const {
    return GetFormatItem(GetParaAttr(Position));
}

// --- the table ---

void TEditorParagraphs::CreateDefaultPara() { Append(new TParagraphItem(DefaultParaFormat())); }

std::int32_t TEditorParagraphs::AddNew(const TParaFormat& Para) {
    // Formats fixed by a template: nothing changes and the last entry answers.
    if (EditorInfo != nullptr && EditorInfo->eiEditorType == 0x602) return Count() - 1;
    // An entry that no paragraph uses is taken over in place.
    const auto used = Usage();
    if (const auto unused = std::find(used.begin(), used.end(), 0u); unused != used.end()) {
        const auto k = static_cast<std::int32_t>(unused - used.begin());
        GetFormatItem(k)->SetFormat(Para);
        return k;
    }
    // A full table maps a new format to its last entry.
    if (Count() >= MaxFormats) return Count() - 1;
    Append(new TParagraphItem(Para));
    FormatsChanged();
    return Count() - 1;
}

std::int32_t TEditorParagraphs::AppendFormat(const TParaFormat& Para) {
    if (Count() >= MaxFormats) return -1;
    Append(new TParagraphItem(Para));
    FormatsChanged();
    return Count() - 1;
}

std::int32_t TEditorParagraphs::AddParaFormat(const TParaFormat& Para) {
    const std::int32_t found = FindEqual(Para);
    return found >= 0 ? found : AddNew(Para);
}

std::uint8_t TEditorParagraphs::GetFormat(std::int32_t ID, const TParaFormat& Format) {
    const PEditorInfo ei = EditorInfo;
    const bool selecting = ei->eiSelecting;
    const std::uint32_t lo = selecting ? std::min(ei->eiSelStart, ei->eiSelEnd) : ei->eiIndex;
    const std::uint32_t hi = selecting ? std::max(ei->eiSelStart, ei->eiSelEnd) : ei->eiIndex;
    GetParaAttr(lo);
    if (const std::int32_t found = FindEqual(Format); found >= 0) return static_cast<std::uint8_t>(found);
    bool other = ei->eiEditorType == 0x602 || ID < 0 || ID >= Count();
    const TEditorBuffer& b = *ei->eiBuffers;
    const std::uint32_t length = b.TextLength(), first = StartParaIndex(lo), last = EndOfParaIndex(hi);
    for (std::uint32_t i = 0; i <= length && !other; ++i) {
        if (i >= first && i <= last) i = last + 1;
        if (i > length) break;
        other = (b.CharAt(i) == CR || i == length) && b.FormatByte(i) == ID;
    }
    if (other) return static_cast<std::uint8_t>(AddNew(Format));
    GetFormatItem(ID)->SetFormat(Format);
    FormatsChanged();
    return static_cast<std::uint8_t>(ID);
}

void TEditorParagraphs::SetParaColor(std::int32_t Index, COLORREF AColor) {
    if (Index >= 0 && Index < Count()) GetFormatItem(Index)->SetShading(AColor);
}

void TEditorParagraphs::ResetFormat(std::int32_t Index, const TParaFormat& Format) {
    if (Index < 0 || Index >= Count()) return;
    GetFormatItem(Index)->SetFormat(Format);
    FormatsChanged();
}

COLORREF TEditorParagraphs::GetParaColor(std::int32_t Index) const {
    if (Index < 0 || Index >= Count()) return 0xFFFFFF;
    return GetFormatItem(Index)->FAttributes.ptShading;
}

void TEditorParagraphs::EnlargeReduceSize(int AInc) {
    ForEach([AInc](TParagraphItem& p) { p.EnlargeReduceSize(AInc); });
}

void TEditorParagraphs::Monochrome() {
    ForEach([](TParagraphItem& p) { p.Monochrome(); });
}

void TEditorParagraphs::GrayScale() {
    ForEach([](TParagraphItem& p) { p.GrayScale(); });
}

std::u16string TParagraphItem::Description() const { return VietnameseDescription(FAttributes); }
std::u16string TParagraphItem::EnglishDescription() const { return model::EnglishDescription(FAttributes); }

} // namespace zeledit::model
