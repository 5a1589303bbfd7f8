// Character and paragraph formats applied to the selection or the caret, and the commands
// that work on the format tables as a whole.
#include "engine/format_dialogs.h"
#include "engine/format_editor.h"
#include "engine/notifications.h"
#include "platform/user/window_dc.h"

#include <algorithm>
#include <cstring>
#include <optional>
#include <strings.h>

namespace zeledit::engine {

using model::LF;
namespace {

TBorderEdge Edge(std::uint8_t style, COLORREF colour) { return TBorderEdge{style, 5.0, colour}; }

TBorder Box(TBorderEdge leftTop, TBorderEdge rightBottom) {
    return TBorder{leftTop, leftTop, rightBottom, rightBottom};
}

// The whole-border presets; nothing for a command that is not one.
std::optional<TBorder> BorderPreset(std::uint32_t Command, std::uint32_t LineStyle, COLORREF Color) {
    if (Command == 118) return Box(Edge(0, 0), Edge(0, 0));
    if (Command != 117) return std::nullopt;
    if (LineStyle >= 1 && LineStyle <= 8) {
        const TBorderEdge e = Edge(static_cast<std::uint8_t>(LineStyle + 0x10), Color);
        return Box(e, e);
    }
    if (LineStyle == 9) return Box(Edge(25, Color), Edge(26, Color));
    if (LineStyle == 10) return Box(Edge(26, Color), Edge(25, Color));
    return Box(Edge(0, 0), Edge(0, 0));
}

} // namespace

bool TFormatEditor::StyleState(const TCharFormat& Format, std::uint8_t Style) {
    switch (Style) {
    case 0: return (Format.ftAttr & 1) != 0;
    case 1: return (Format.ftAttr & 2) != 0;
    case 2: return Format.ftUnderline == 1;
    case 3: return Format.ftUnderline == 3;
    case 4: return Format.ftStrikethrough != 0;
    case 5: return Format.ftScript == 1;
    case 6: return Format.ftScript == -1;
    default: return false;
    }
}

void TFormatEditor::ModifyStyle(TCharFormat& Format, std::uint8_t Style, bool On) {
    switch (Style) {
    case 0:
    case 1: {
        const auto bit = static_cast<std::uint8_t>(1u << Style);
        Format.ftAttr = static_cast<std::uint8_t>(On ? Format.ftAttr | bit : Format.ftAttr & ~bit);
        break;
    }
    case 2: Format.ftUnderline = On ? 1 : 0; break;
    case 3: Format.ftUnderline = On ? 3 : 0; break;
    case 4: Format.ftStrikethrough = On ? 1 : 0; break;
    case 5: Format.ftScript = On ? 1 : 0; break;
    case 6: Format.ftScript = On ? -1 : 0; break;
    default: break;
    }
}

// --- reading the formats at the selection ---

std::uint8_t TFormatEditor::FormatIDAt(std::uint32_t Position) const {
    return FBuffer->FormatAt(std::min(Position, FBuffer->TextLength())) & 0x7F;
}

TCharFormat TFormatEditor::GetSelFormat() const {
    if (!edInfo.eiSelecting) return FInput.TypingFont();
    return FFonts->GetFormatItem(FormatIDAt(edInfo.eiSelStart))->FAttributes;
}

std::uint8_t TFormatEditor::GetSelFormatID() const {
    return FormatIDAt(edInfo.eiSelecting ? edInfo.eiSelStart + 1 : edInfo.eiIndex);
}

std::uint32_t TFormatEditor::SelParaPosition() const {
    return std::min(edInfo.eiSelecting ? edInfo.eiSelEnd : edInfo.eiIndex, FBuffer->TextLength());
}

std::uint8_t TFormatEditor::GetSelParaFormatID() const { return FParas->GetParaAttr(SelParaPosition()); }

TParaFormat TFormatEditor::GetSelParaFormat() const {
    return FParas->GetFormatItem(GetSelParaFormatID())->FAttributes;
}

// --- character formats ---

void TFormatEditor::ShowSelectionAgain(std::uint32_t From, std::uint32_t To) {
    const platform::WindowDC dc = GetEditDC();
    UpdateSelect(dc, From, To);
}

void TFormatEditor::ApplyFont(std::int32_t ID, const TCharFormat& Format) {
    if (!edInfo.eiSelecting) return;
    CreateUndo();
    const auto NewID = static_cast<std::uint8_t>(FFonts->GetFormat(ID, Format));
    const std::uint32_t length = FBuffer->TextLength();
    const std::uint32_t from = std::min({edInfo.eiSelStart, edInfo.eiSelEnd, length});
    const std::uint32_t to = std::min(std::max(edInfo.eiSelStart, edInfo.eiSelEnd), length);
    if (to > from) FFonts->SetFormatChars(from, to - 1, NewID);
    UpdateFormat(static_cast<std::int32_t>(from), to);
    NotifyChanged(*this);
    ShowSelectionAgain(from, to);
}

void TFormatEditor::ApplyFontFast(std::int32_t ID) {
    if (!edInfo.eiSelecting || ID < 0 || ID >= FFonts->Count()) return;
    ApplyFont(FormatIDAt(edInfo.eiSelStart), FFonts->GetFormatItem(ID)->FAttributes);
}

void TFormatEditor::SetPendingFont(const TCharFormat& Format) { FInput.SetTypingFont(-1, Format); }

void TFormatEditor::ApplyAttribute(const std::function<bool(TCharFormat&)>& Change) {
    if (!edInfo.eiSelecting) {
        TCharFormat f = FInput.TypingFont();
        Change(f);
        return SetPendingFont(f);
    }
    const std::int32_t Base = edInfo.eiSelEnd > 0 ? FormatIDAt(edInfo.eiSelEnd - 1) : FormatIDAt(0);
    if (Base >= FFonts->Count()) return;
    TCharFormat f = FFonts->GetFormatItem(Base)->FAttributes;
    if (Change(f)) ApplyFont(Base, f);
}

void TFormatEditor::ApplyFontFace(std::string_view Name) {
    ApplyAttribute([&](TCharFormat& f) {
        char face[sizeof f.ftFaceName] = {};
        std::memcpy(face, Name.data(), std::min(Name.size(), sizeof face - 1));
        if (strcasecmp(face, f.ftFaceName) == 0) return false;
        std::memcpy(f.ftFaceName, face, sizeof face);
        return true;
    });
}

void TFormatEditor::ApplyFontSize(std::int32_t Height) {
    ApplyAttribute([&](TCharFormat& f) {
        if (Height <= 0 || Height == f.ftHeight) return false;
        f.ftHeight = static_cast<std::int16_t>(std::min<std::int32_t>(Height, INT16_MAX));
        return true;
    });
}

void TFormatEditor::ApplyFontColor(COLORREF Color) {
    ApplyAttribute([&](TCharFormat& f) {
        if (Color == f.ftColor) return false;
        f.ftColor = Color;
        return true;
    });
}

void TFormatEditor::FormatStyle(std::uint8_t Style, bool OnOff) {
    TCharFormat f = GetSelFormat();
    ModifyStyle(f, Style, OnOff);
    if (edInfo.eiSelecting)
        ApplyFont(FormatIDAt(edInfo.eiSelStart), f);
    else
        SetPendingFont(f);
}

void TFormatEditor::ToggleStyle(std::uint8_t Style) {
    FormatStyle(Style, !StyleState(GetSelFormat(), Style));
}

// --- paragraph formats ---

void TFormatEditor::ForEachSelParagraph(const std::function<void(std::uint32_t)>& Action,
                                        std::uint32_t& First, std::uint32_t& Last) {
    const std::uint32_t length = FBuffer->TextLength();
    std::uint32_t a = std::min(edInfo.eiIndex, length), b = a;
    if (edInfo.eiSelecting) {
        a = std::min(edInfo.eiSelStart, length);
        b = edInfo.eiSelEnd > 0 ? std::min(edInfo.eiSelEnd - 1, length) : 0;
        if (a > b) std::swap(a, b);
    }
    First = FParas->StartParaIndex(a);
    Last = FParas->StartParaIndex(b);
    for (std::uint32_t p = First; p <= Last;) {
        Action(p);
        const std::uint32_t next = FParas->EndOfParaIndex(p) + 1;
        if (next <= p || FBuffer->CharAt(next - 2) == 0) break;
        p = next;
    }
}

void TFormatEditor::ApplyPara(std::int32_t ID, const TParaFormat& Format, bool ApplyAlign) {
    CreateUndo();
    const std::uint8_t NewID = FParas->GetFormat(ID, Format);
    std::uint32_t first = 0, last = 0;
    ForEachSelParagraph(
        [&](std::uint32_t p) {
            FParas->SetParaAttr(p, NewID);
            if (ApplyAlign) FParas->SetParaAlign(p, Format.ptAlign);
        },
        first, last);
    const std::int32_t from = FLines->StartOfParaFrom(FLines->GetLinePos(first));
    const std::uint32_t to = FLines->GetNextPara(FLines->GetLinePos(last));
    const display::TLineItem* line = FLines->Line(from);
    UpdateFormat(static_cast<std::int32_t>(line != nullptr ? line->At : 0), to);
    if (edInfo.eiSelecting) ShowSelectionAgain(edInfo.eiSelStart, edInfo.eiSelEnd);
    NotifyChanged(*this);
}

void TFormatEditor::ApplyParaFast(std::int32_t ID) {
    if (ID < 0 || ID >= FParas->Count()) return;
    ApplyPara(ID, FParas->GetFormatItem(ID)->FAttributes, false);
}

void TFormatEditor::ApplyParaPart(const std::function<void(TParaFormat&)>& Change) {
    const std::uint8_t id = GetSelParaFormatID();
    TParaFormat f = FParas->GetFormatItem(id)->FAttributes;
    Change(f);
    ApplyPara(id, f, false);
}

void TFormatEditor::ApplyBorder(const TBorder& Border) {
    ApplyParaPart([&](TParaFormat& f) { f.ptBorder = Border; });
}

void TFormatEditor::ApplyTab(const TTabArray& Tabs) {
    ApplyParaPart([&](TParaFormat& f) { f.ptTabs = Tabs; });
}

void TFormatEditor::ApplyIndent(const TIndent& Indent) {
    ApplyParaPart([&](TParaFormat& f) { f.ptIndent = Indent; });
}

void TFormatEditor::ApplyShading(COLORREF Color) {
    ApplyParaPart([&](TParaFormat& f) { f.ptShading = Color; });
}

void TFormatEditor::ApplyBulletFast(bool Present) {
    ApplyParaPart([&](TParaFormat& f) {
        f.ptBullet = FSettings.LastBullet;
        f.ptBullet.blPresent = Present ? 1 : 0;
        if (!Present) return;
        const double indent = FSettings.LastBullet.blIndent,
                     left = f.ptIndent.inLeft; // packed: read by value
        if (FSettings.LastBullet.blHanging) {
            f.ptIndent.inLeft = std::max(left, indent);
            f.ptIndent.inFirst = -indent;
        } else {
            f.ptIndent.inFirst = indent;
        }
    });
}

void TFormatEditor::ApplyBorderFast(std::uint32_t Command, std::uint8_t State, COLORREF Color) {
    ApplyParaPart([&](TParaFormat& f) {
        TBorderEdge* edges[] = {&f.ptBorder.btTop, &f.ptBorder.btBottom, &f.ptBorder.btLeft,
                                &f.ptBorder.btRight};
        *edges[Command - 112] = Edge(State, Color);
    });
}

void TFormatEditor::ModifyBorder(std::uint32_t Command, std::uint32_t LineStyle, COLORREF Color) {
    if (Command >= 112 && Command <= 115)
        ApplyBorderFast(Command, static_cast<std::uint8_t>(LineStyle), Color);
    else if (const std::optional<TBorder> border = BorderPreset(Command, LineStyle, Color))
        ApplyBorder(*border);
}

void TFormatEditor::SetAlignment(std::uint8_t Align) {
    CreateUndo();
    std::uint32_t first = 0, last = 0;
    ForEachSelParagraph([&](std::uint32_t p) { FParas->SetParaAlign(p, Align); }, first, last);
    ValidateFromLine(FLines->StartOfParaFrom(FLines->GetLinePos(first)));
    if (!edInfo.eiSelecting) UpdateCaret();
    NotifyChanged(*this);
}

// --- the tables as a whole ---

void TFormatEditor::EnlargeReduceFont(std::int32_t Inc) {
    FFonts->EnlargeReduceSize(Inc);
    FParas->EnlargeReduceSize(Inc);
    Refresh();
}

void TFormatEditor::SetMonochrome() {
    FFonts->Monochrome();
    FParas->Monochrome();
    ValidateWindow();
}

void TFormatEditor::ClearFormats() {
    const std::uint32_t length = FBuffer->TextLength();
    for (std::uint32_t i = 0; i <= length; ++i) {
        const char16_t c = FBuffer->CharAt(i);
        if (c != objects::ObjectMark && c != LF) FBuffer->FormatByte(i) = 0;
    }
    FFonts->FreeAll();
    FFonts->CreateDefaultFont();
    FParas->FreeAll();
    FParas->CreateDefaultPara();
    Refresh();
    Notify(HWindow, EFN_FORMATCHANGED);
}

void TFormatEditor::Compact() {
    FFonts->RemoveSames();
    FParas->RemoveSames();
    Refresh();
}

void TFormatEditor::ParagraphsDeleted() {
    // The text shrank under the caret and the selection.
    RemoveSelection();
    edInfo.eiIndex = std::min(edInfo.eiIndex, FBuffer->TextLength());
    Notify(HWindow, EFN_FORMATCHANGED);
    Refresh();
}

void TFormatEditor::DeleteParas(std::uint8_t FormatID) {
    FBuffer->DeleteParas(FormatID);
    FObjects->DropUnmarked(*FBuffer);
    ParagraphsDeleted();
}

void TFormatEditor::DeleteDoubleSpaceParas() {
    FBuffer->DeleteDoubleSpaceParas();
    ParagraphsDeleted();
}

} // namespace zeledit::engine
