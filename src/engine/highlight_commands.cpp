// The highlight (one transient range, both ends included) and the marks that flag single
// characters in their format bytes.
#include "engine/format_editor.h"

#include <algorithm>
#include <optional>
#include <utility>

namespace zeledit::engine {
namespace {

constexpr std::uint8_t MarkBit = 0x80;

// The word at Idx as the first and the last of its units; none on an empty text, past its
// end, or where there is no word (a delimiter followed by another).
std::optional<std::pair<std::uint32_t, std::uint32_t>> WordAt(const model::TEditorBuffer& Buffer,
                                                              std::uint32_t Idx) {
    std::uint32_t start = 0;
    std::int64_t last = 0;
    if (!Buffer.GetWordRangeAt(Idx, start, last) || last < start) return std::nullopt;
    return std::pair{start, static_cast<std::uint32_t>(last)};
}

void SetMarks(model::TEditorBuffer& Buffer, std::uint32_t AStart, std::uint32_t AEnd, bool On) {
    const std::uint32_t length = Buffer.TextLength();
    if (length == 0) return;
    const std::uint32_t from = std::min({AStart, AEnd, length - 1});
    const std::uint32_t to = std::min(std::max(AStart, AEnd), length - 1);
    for (std::uint32_t i = from; i <= to; ++i) {
        if (model::HasNoCharFormat(Buffer.CharAt(i))) continue;
        auto& byte = Buffer.FormatByte(i);
        byte = static_cast<std::uint8_t>(On ? byte | MarkBit : byte & ~MarkBit);
    }
}

} // namespace

void TFormatEditor::SetHighlight(std::int64_t HighStart, std::int64_t HighEnd) {
    FMouse.SetHotspot(nullptr);
    if (edInfo.eiHighStart != edInfo.eiHighEnd) {
        UpdateRange(static_cast<std::uint32_t>(std::max(edInfo.eiHighStart, 0)), edInfo.eiHighEnd, FALSE);
        edInfo.eiHighStart = edInfo.eiHighEnd = 0;
    }
    const std::int64_t length = FBuffer->TextLength();
    const auto start =
        static_cast<std::int32_t>(std::clamp<std::int64_t>(std::min(HighStart, HighEnd), 0, length));
    const auto end =
        static_cast<std::int32_t>(std::clamp<std::int64_t>(std::max(HighStart, HighEnd), 0, length));
    if (start == end) return;

    const std::int32_t first = FLines->GetLinePos(static_cast<std::uint32_t>(start));
    const std::int32_t top = FLines->FTopLine;
    if (first < top)
        SetTopMostLine(std::max(first - 1, 0));
    else if (first >= FLines->FBottomLine)
        SetTopMostLine(first);
    const bool scrolled = FLines->FTopLine != top;
    if (scrolled) {
        FView.CurrentLine = FLines->FTopLine;
        edInfo.eiIndex = FLines->Line(FView.CurrentLine)->At;
    }
    edInfo.eiHighStart = start;
    edInfo.eiHighEnd = end;
    UpdateRange(static_cast<std::uint32_t>(start), end);
    if (scrolled) UpdateCaret();
}

void TFormatEditor::SetHighlightStyle(std::uint8_t AStyle, COLORREF AColor) {
    edInfo.eiHighlightStyle = AStyle;
    edInfo.eiHighColor = AColor;
}

void TFormatEditor::GetHighlightText(char16_t* Buffer, std::uint32_t MaxLen) const {
    if (Buffer == nullptr || MaxLen == 0) return;
    std::uint32_t n = 0;
    if (edInfo.eiHighStart != edInfo.eiHighEnd) {
        const std::uint32_t length = FBuffer->TextLength();
        const std::uint32_t from = std::min(static_cast<std::uint32_t>(edInfo.eiHighStart), length);
        const std::uint32_t to = std::min(static_cast<std::uint32_t>(edInfo.eiHighEnd) + 1, length);
        n = std::min(to > from ? to - from : 0, MaxLen - 1);
        std::copy_n(FBuffer->Text() + from, n, Buffer);
    }
    Buffer[n] = 0;
}

void TFormatEditor::HighlightWordAt(std::uint32_t Idx) {
    if (const auto word = WordAt(*FBuffer, Idx)) SetHighlight(word->first, word->second);
}

void TFormatEditor::MarkRange(std::uint32_t AStart, std::uint32_t AEnd) {
    SetMarks(*FBuffer, AStart, AEnd, true);
    UpdateRange(std::min(AStart, AEnd), static_cast<std::int32_t>(std::max(AStart, AEnd)));
}

void TFormatEditor::UnMarkRange(std::uint32_t AStart, std::uint32_t AEnd) {
    SetMarks(*FBuffer, AStart, AEnd, false);
    UpdateRange(std::min(AStart, AEnd), static_cast<std::int32_t>(std::max(AStart, AEnd)));
}

void TFormatEditor::MarkWordAt(std::uint32_t Idx) {
    if (const auto word = WordAt(*FBuffer, Idx)) MarkRange(word->first, word->second);
}

void TFormatEditor::UnMarkWordAt(std::uint32_t Idx) {
    if (const auto word = WordAt(*FBuffer, Idx)) UnMarkRange(word->first, word->second);
}

void TFormatEditor::ClearMarks() {
    SetMarks(*FBuffer, 0, FBuffer->TextLength(), false);
    InvalidateRect(HWindow, nullptr, TRUE);
}

void TFormatEditor::SetMarkType(std::uint8_t AType, COLORREF AColor) {
    edInfo.eiState = AType;
    edInfo.eiStateColor = AColor;
    InvalidateRect(HWindow, nullptr, TRUE);
}

bool TFormatEditor::EFMHighlightMessage(TMessage& msg) {
    const auto w = static_cast<std::uint32_t>(msg.WParam), l = static_cast<std::uint32_t>(msg.LParam);
    switch (msg.Msg) {
    case EFM_SETHIGHLIGHT:
        SetHighlight(static_cast<std::int32_t>(w), static_cast<std::int32_t>(l));
        return true;
    case EFM_SETHIGHLIGHTSTYLE:
        SetHighlightStyle(static_cast<std::uint8_t>(w & 0xFFFF), static_cast<COLORREF>(l));
        return true;
    case EFM_HIGHLIGHTWORDAT: HighlightWordAt(l); return true;
    case EFM_GETHIGHLIGHTTEXT: GetHighlightText(reinterpret_cast<char16_t*>(msg.LParam), w); return true;
    case EFM_MARKRANGE: MarkRange(w, l); return true;
    case EFM_UNMARKRANGE: UnMarkRange(w, l); return true;
    case EFM_MARKWORDAT: MarkWordAt(l); return true;
    case EFM_UNMARKWORDAT: UnMarkWordAt(l); return true;
    case EFM_CLEARMARKS: ClearMarks(); return true;
    case EFM_SETMARKTYPE:
        SetMarkType(static_cast<std::uint8_t>(w & 0xFF), static_cast<COLORREF>(l));
        return true;
    default: return false;
    }
}

} // namespace zeledit::engine
