// Editing: characters, text and paragraph breaks at the caret, deletions, and the
// selection. Every edit lands in the buffer, re-lays out what it touched, moves the caret
// and tells the host.
#include "engine/format_editor.h"
#include "engine/notifications.h"
#include "platform/user/window_dc.h"
#include "storage/document_identifiers.h"

#include <algorithm>
#include <optional>
#include <string>

namespace zeledit::engine {
namespace {

using model::CR;
using model::LF;

bool Special(char16_t c) { return c == objects::ObjectMark || c == LF || c == CR; }

} // namespace

void TFormatEditor::AdjustHighlight(std::uint32_t Idx, std::int64_t Delta) {
    auto& ei = edInfo;
    if (ei.eiHighStart == ei.eiHighEnd || ei.eiHighEnd < static_cast<std::int64_t>(Idx)) return;
    if (static_cast<std::int64_t>(Idx) + Delta < ei.eiHighStart) {
        ei.eiHighStart = static_cast<std::int32_t>(ei.eiHighStart + Delta);
        ei.eiHighEnd = static_cast<std::int32_t>(ei.eiHighEnd + Delta);
    } else if (Delta >= 0 || static_cast<std::int64_t>(Idx) < ei.eiHighStart) {
        ei.eiHighStart = ei.eiHighEnd = 0;
    } else {
        ei.eiHighEnd = static_cast<std::int32_t>(std::max<std::int64_t>(ei.eiHighEnd + Delta, Idx));
        if (ei.eiHighStart >= ei.eiHighEnd) ei.eiHighStart = ei.eiHighEnd = 0;
    }
}

// The pending format when there is one, else the nearest ordinary character before the
// caret; a text that starts with an object keeps the format last typed.
std::uint8_t TFormatEditor::TypingFormat() {
    if (FInput.TypingFontID() < 0) return FFonts->SearchFont(FInput.TypingFont());
    std::uint32_t p = edInfo.eiIndex > 0 ? edInfo.eiIndex - 1 : 0;
    while (p > 0 && Special(FBuffer->CharAt(p))) --p;
    if (p > 0) return FBuffer->FormatAt(p);
    if (FBuffer->CharAt(0) == objects::ObjectMark) return static_cast<std::uint8_t>(FInput.TypingFontID());
    return Special(FBuffer->CharAt(0)) ? 0 : FBuffer->FormatAt(0);
}

void TFormatEditor::DeleteObjectsIn(std::uint32_t start, std::uint32_t end) {
    for (std::uint32_t i = start; i < end; ++i)
        if (FBuffer->CharAt(i) == objects::ObjectMark) FObjects->DeleteObject(FBuffer->FormatByte(i));
}

void TFormatEditor::InsertChar(char16_t ch) {
    std::optional<std::uint8_t> format;
    if (edInfo.eiSelecting) {
        // The format of the text the selection starts with, or of what precedes it.
        std::uint32_t p = std::min({edInfo.eiSelStart, edInfo.eiSelEnd, FBuffer->TextLength()});
        while (p > 0 && Special(FBuffer->CharAt(p))) --p;
        format = Special(FBuffer->CharAt(p)) || FBuffer->CharAt(p) == 0 ? 0 : FBuffer->FormatAt(p);
        DeleteBlock();
    }
    AdjustHighlight(edInfo.eiIndex, 1);
    if (!format) format = TypingFormat();
    FInput.SetTypingFontID(*format);
    const std::int32_t line = FLines->GetLinePos(edInfo.eiIndex);
    if (!FBuffer->InsertChar(&ch, *format, 1, edInfo.eiIndex)) return;
    if (!RepaintChar(line, 1, edInfo.eiIndex++)) Refresh();
    FView.CurrentLine = FLines->GetLinePos(edInfo.eiIndex);
    UpdateCaret();
    NotifyChanged(*this);
}

void TFormatEditor::InsertText(std::u16string_view Text, std::int32_t FormatID) {
    const std::u16string text = model::StorableText(Text);
    if (edInfo.eiSelecting) DeleteBlock();
    std::uint8_t format = static_cast<std::uint8_t>(FormatID & 0x7F);
    if (FormatID == -1) {
        CreateUndo();
        AdjustHighlight(edInfo.eiIndex, 1);
        format = TypingFormat();
        FInput.SetTypingFontID(format);
    }
    if (text.empty()) return;
    const std::int32_t line = FLines->GetLinePos(edInfo.eiIndex);
    const auto n = static_cast<std::uint32_t>(text.size());
    const std::uint32_t at = edInfo.eiIndex;
    if (!FBuffer->InsertChar(text.data(), format, n, at)) return;
    edInfo.eiIndex += n;
    if (!RepaintChar(line, static_cast<std::int32_t>(n), at)) Refresh();
    FView.CurrentLine = FLines->GetLinePos(edInfo.eiIndex);
    UpdateCaret();
    NotifyChanged(*this);
}

void TFormatEditor::DeleteChar(std::uint32_t Idx, std::uint32_t Num) {
    if (edInfo.eiSelecting) return DeleteBlock();
    const std::uint32_t length = FBuffer->TextLength();
    Idx = std::min(Idx, length);
    if (Idx > 0 && FBuffer->CharAt(Idx) == LF && FBuffer->CharAt(Idx - 1) == CR) --Idx;
    if (FBuffer->CharAt(Idx) == 0 || Num == 0) return;
    std::uint32_t end = Idx + std::min(Num, length - Idx);
    if (end < length && FBuffer->CharAt(end) == LF && FBuffer->CharAt(end - 1) == CR) ++end; // the whole pair
    CreateKeyUndo();
    AdjustHighlight(Idx, -1);
    DeleteObjectsIn(Idx, end);
    const std::int32_t line = FLines->GetLinePos(Idx);
    FBuffer->DeleteChar(Idx, end - Idx);
    if (!RepaintChar(line, -static_cast<std::int32_t>(end - Idx), Idx)) Refresh();
    NotifyChanged(*this);
}

void TFormatEditor::DeleteData(std::uint32_t AStart, std::uint32_t AEnd) {
    const std::uint32_t length = FBuffer->TextLength();
    std::uint32_t start = std::min({AStart, AEnd, length}), end = std::min(std::max(AStart, AEnd), length);
    if (start > 0 && FBuffer->CharAt(start) == LF && FBuffer->CharAt(start - 1) == CR) --start;
    if (end > 0 && end < length && FBuffer->CharAt(end) == LF && FBuffer->CharAt(end - 1) == CR) ++end;
    if (start == end) return;
    if (FSettings.CanModify) CreateUndo();
    DeleteObjectsIn(start, end);
    const std::int32_t line = FLines->GetLinePos(start);
    AdjustHighlight(edInfo.eiIndex, -static_cast<std::int64_t>(end - start));
    FBuffer->DeleteChar(start, end - start);
    if (FLines->FTopLine > line) FLines->SetTopLine(line);
    UpdateShifted(line, start, -static_cast<std::int64_t>(end - start));
    ResetFormatsIfEmpty();
    edInfo.eiIndex = start;
    FView.CurrentLine = FLines->GetLinePos(start);
    edInfo.eiSelecting = false;
    UpdateCaret();
    ShowTheCaret();
    NotifyChanged(*this);
    ValidateWindow();
}

void TFormatEditor::ResetFormatsIfEmpty() {
    if (FBuffer->TextLength() != 0 || storage::MapToFamily6(edInfo.eiEditorType) == storage::UsesTemplate)
        return;
    FFonts->FreeAll();
    FFonts->CreateDefaultFont();
    FParas->FreeAll();
    FParas->CreateDefaultPara();
    FFonts->GetFormatItem(0)->ResetFont(FSettings.FDefaultCharFormat);
    Notify(HWindow, EFN_FORMATCHANGED);
}

void TFormatEditor::DeleteBlock() {
    if (edInfo.eiSelecting) DeleteData(edInfo.eiSelStart, edInfo.eiSelEnd);
}

void TFormatEditor::InsertParaBreakWith(std::uint16_t ParaWord) {
    AdjustHighlight(edInfo.eiIndex, 2);
    if (edInfo.eiSelecting) DeleteBlock();
    HideTheCaret();
    std::uint32_t at = std::min(edInfo.eiIndex, FBuffer->TextLength());
    if (at > 0 && FBuffer->CharAt(at) == LF && FBuffer->CharAt(at - 1) == CR) --at;
    const std::int32_t line = FLines->GetLinePos(at);
    if (!FBuffer->InsertChar(u"\r\n", 0, 2, at)) return ShowTheCaret();
    FBuffer->FormatByte(at) = static_cast<std::uint8_t>(ParaWord);
    FBuffer->FormatByte(at + 1) = static_cast<std::uint8_t>(ParaWord >> 8);
    UpdateShifted(line, at, 2);
    edInfo.eiIndex = at + 2;
    FView.CurrentLine = FLines->GetLinePos(edInfo.eiIndex + 1); // the line the break starts
    UpdateCaret();
    NotifyChanged(*this);
}

void TFormatEditor::InsertParaBreak() { InsertParaBreakWith(FParas->GetParaWord(edInfo.eiIndex)); }

void TFormatEditor::InsertParaBreakFormat(std::uint8_t Alignment, std::uint8_t ID) {
    InsertParaBreakWith(static_cast<std::uint16_t>(Alignment << 8 | ID));
}

void TFormatEditor::InsertParaBreakFormatEx(std::uint8_t Alignment, std::uint8_t ID) {
    InsertParaBreak();
    FParas->SetParaWord(edInfo.eiIndex, static_cast<std::uint16_t>(Alignment << 8 | ID));
}

void TFormatEditor::DeleteKey(bool ToClipboard) {
    if (!FSettings.CanModify) return;
    if (ToClipboard) return EditCut();
    const std::uint32_t at = edInfo.eiIndex;
    DeleteChar(at, FBuffer->CharAt(at) == CR && FBuffer->CharAt(at + 1) == LF ? 2 : 1);
    UpdateCaret();
}

void TFormatEditor::Backspace() {
    if (edInfo.eiSelecting) return DeleteBlock();
    const std::uint32_t at = std::min(edInfo.eiIndex, FBuffer->TextLength());
    if (at == 0) return;
    CreateKeyUndo();
    const std::uint32_t n = at >= 2 && FBuffer->CharAt(at - 1) == LF && FBuffer->CharAt(at - 2) == CR ? 2 : 1;
    const std::uint32_t from = at - n;
    AdjustHighlight(from, -static_cast<std::int64_t>(n));
    DeleteObjectsIn(from, at);
    const std::int32_t line = FLines->GetLinePos(from);
    FBuffer->DeleteChar(from, n);
    edInfo.eiIndex = from;
    if (!RepaintChar(line, -static_cast<std::int32_t>(n), from)) Refresh();
    FView.CurrentLine = FLines->GetLinePos(from);
    UpdateCaret();
    FInput.ForgetComposition();
    NotifyChanged(*this);
}

void TFormatEditor::SelectKey(std::uint32_t ASt, std::uint32_t AEnd, bool IsShift) {
    const platform::WindowDC dc = GetEditDC();
    if (edInfo.eiSelecting && !IsShift) {
        UpdateSelect(dc, edInfo.eiSelStart, edInfo.eiSelEnd);
        edInfo.eiSelecting = false;
        ShowTheCaret();
    } else if (IsShift) {
        if (!edInfo.eiSelecting) {
            edInfo.eiSelStart = ASt;
            edInfo.eiSelecting = true;
            HideTheCaret();
        }
        edInfo.eiSelEnd = AEnd;
        if (AEnd == edInfo.eiSelStart) {
            edInfo.eiSelecting = false;
            ShowTheCaret();
        }
        UpdateSelect(dc, ASt, AEnd);
    }
}

void TFormatEditor::SetSelText(std::uint32_t AStart, std::uint32_t AEnd) {
    FInput.ForgetComposition();
    if (edInfo.eiSelecting) {
        const platform::WindowDC dc = GetEditDC();
        UpdateSelect(dc, edInfo.eiSelStart, edInfo.eiSelEnd);
        edInfo.eiSelecting = false;
    }
    const std::uint32_t length = FBuffer->TextLength();
    AStart = std::min(AStart, length);
    AEnd = std::min(AEnd, length);
    if (AStart == AEnd) return ShowTheCaret();
    edInfo.eiSelStart = std::min(AStart, AEnd);
    edInfo.eiSelEnd = std::max(AStart, AEnd);
    edInfo.eiIndex = edInfo.eiSelEnd;
    FView.CurrentLine = FLines->GetLinePos(edInfo.eiIndex);
    edInfo.eiSelecting = true;
    const platform::WindowDC dc = GetEditDC();
    UpdateSelect(dc, edInfo.eiSelStart, edInfo.eiSelEnd);
    HideTheCaret();
    ScrollInView(edInfo.eiSelStart, edInfo.eiSelEnd);
}

void TFormatEditor::GetSelText(char16_t* Buffer, std::uint32_t MaxLen) const {
    if (Buffer == nullptr || MaxLen == 0) return;
    std::uint32_t n = 0;
    if (edInfo.eiSelecting) {
        const std::uint32_t length = FBuffer->TextLength();
        const std::uint32_t from = std::min({edInfo.eiSelStart, edInfo.eiSelEnd, length});
        const std::uint32_t to = std::min(std::max(edInfo.eiSelStart, edInfo.eiSelEnd), length);
        for (; n < to - from && n + 1 < MaxLen; ++n) {
            const char16_t c = FBuffer->CharAt(from + n);
            Buffer[n] = c == objects::ObjectMark ? u' ' : c;
        }
    }
    Buffer[n] = 0;
}

std::uint32_t TFormatEditor::GetSelIndex(SIZE& Range) const {
    const std::uint32_t a = edInfo.eiSelecting ? edInfo.eiSelStart : edInfo.eiIndex;
    const std::uint32_t b = edInfo.eiSelecting ? edInfo.eiSelEnd : edInfo.eiIndex;
    Range.cx = static_cast<LONG>(a);
    Range.cy = static_cast<LONG>(b);
    return (std::min<std::uint32_t>(b, 0xFFFF) << 16) | std::min<std::uint32_t>(a, 0xFFFF);
}

} // namespace zeledit::engine
