// Vietnamese typing (an accent key right after a letter replaces the letter), typographic
// characters, case cycling and the host's single-character replacement.
#include "engine/format_editor.h"
#include "engine/notifications.h"
#include "engine/tone_placement.h"
#include "platform/core/text.h"
#include "platform/system_library/accent_table.h"
#include "platform/system_library/case_table.h"
#include "platform/system_library/system_library.h"
#include "platform/system_library/vietnamese_letters.h"
#include "platform/user/window_dc.h"

#include <algorithm>

namespace zeledit::engine {

using model::TAB, model::LF, model::CR;
namespace {

constexpr std::int32_t etTypographic = 0x80000;
constexpr std::uint32_t MaxSyllable = 7; // nghiêng

bool OpensQuote(char16_t c) {
    return c == TAB || c == LF || c == CR || c == u' ' || c == u',' || c == u':' || c == u'[' || c == u']' ||
           c == u'{' || c == u'}';
}

bool StartsWordAfter(char16_t c) {
    return c == objects::ObjectMark || c == LF || c == u' ' || c == u'!' || c == u',' || c == u'.' ||
           c == u':' || c == u';' || c == u'?';
}

} // namespace

// Composes only with the letter just typed: after a click, a selection or any other caret
// move the character before the caret is not the one composing and the key types itself.
bool TFormatEditor::ProcessAccent(char16_t C) {
    const std::uint32_t at = edInfo.eiIndex;
    if (FInput.Composing() == 0 || edInfo.eiSelecting || at == 0 || at > FBuffer->TextLength() ||
        FBuffer->CharAt(at - 1) != FInput.Composing())
        return false;
    const bool placing = FInput.Placement() != ToneStyle::Off;
    if (placing)
        if (const auto placed = PlaceToneKey(C)) return *placed;
    const std::u16string_view composed = platform::AccentTable().ComposeText(FInput.Composing(), C);
    if (composed.empty()) return false;
    if (placing && composed.size() == 1) {
        // A mark changes the letter in place; the tone the syllable has moves with it.
        ReplaceSyllable(at, std::u16string(1, FBuffer->CharAt(at - 1)), composed);
        JoinHorn(at - 1);
        Retone();
        NotifyChanged(*this);
    } else {
        SendMessageW(HWindow, WM_CHAR, 8, 0);
        for (char16_t unit : composed) InsertChar(unit);
    }
    FInput.Typed(composed.back());
    return true;
}

std::optional<bool> TFormatEditor::PlaceToneKey(char16_t C) {
    const platform::TCharSetList& table = platform::AccentTable();
    const std::u16string_view on_a = table.ComposeText(u'a', C);
    const int tone = on_a.size() == 1 ? platform::ToneOf(on_a[0]) : 0;
    if (tone == 0 && table.ComposeText(u'á', C) != u"a") return std::nullopt; // nor a key taking tones off
    const std::uint32_t end = edInfo.eiIndex;
    const std::u16string syllable = SyllableBefore(end);
    const int now = SyllableTone(syllable);
    const bool again = tone != 0 && tone == now; // the tone goes, the key types itself
    if (syllable.empty() || (tone == 0 && now == 0)) return false;
    const auto placed = PlaceTone(syllable, again ? 0 : tone, FInput.Placement());
    if (!placed) return false;
    if (!FInput.StepTaken()) CreateUndo();
    ReplaceSyllable(end, syllable, *placed);
    NotifyChanged(*this);
    if (again) InsertChar(C);
    FInput.Typed(again ? C : placed->back());
    return true;
}

// A letter typed after the tone moves it where the longer syllable has it (ngoà, then i:
// ngoài).
void TFormatEditor::Retone() {
    const std::uint32_t end = edInfo.eiIndex;
    const std::u16string syllable = SyllableBefore(end);
    const int tone = SyllableTone(syllable);
    if (tone == 0) return;
    if (const auto placed = PlaceTone(syllable, tone, FInput.Placement()); placed && *placed != syllable)
        ReplaceSyllable(end, syllable, *placed);
}

// The letters before `end` when they are few enough to be one syllable; else none.
std::u16string TFormatEditor::SyllableBefore(std::uint32_t end) const {
    std::uint32_t start = end;
    while (start > 0 && end - start <= MaxSyllable && SyllableLetter(FBuffer->CharAt(start - 1))) --start;
    if (end - start > MaxSyllable) return {};
    std::u16string syllable;
    for (std::uint32_t i = start; i < end; ++i) syllable += FBuffer->CharAt(i);
    return syllable;
}

// In place: the letters keep their format bytes.
void TFormatEditor::ReplaceSyllable(std::uint32_t end, std::u16string_view was, std::u16string_view now) {
    const auto start = static_cast<std::uint32_t>(end - was.size());
    for (std::uint32_t i = 0; i < now.size(); ++i)
        if (now[i] != was[i]) FBuffer->SetCharAt(start + i, now[i]);
    UpdateFormat(static_cast<std::int32_t>(start), end);
}

void TFormatEditor::JoinHorn(std::uint32_t o) {
    const char16_t horned = platform::Untoned(FBuffer->CharAt(o));
    if ((horned != u'ơ' && horned != u'Ơ') || o == 0) return;
    const char16_t u = FBuffer->CharAt(o - 1);
    if (u != u'u' && u != u'U') return;
    if (o >= 2 && (FBuffer->CharAt(o - 2) == u'q' || FBuffer->CharAt(o - 2) == u'Q')) return; // quơ
    FBuffer->SetCharAt(o - 1, u == u'u' ? u'ư' : u'Ư');
    UpdateFormat(static_cast<std::int32_t>(o - 1), o);
}

std::u16string TFormatEditor::FromOutside(std::u16string_view Text) const {
    return FSettings.FKeepDecomposed ? std::u16string(Text) : platform::compose_nfc(Text);
}

char16_t TFormatEditor::ChangeCode(char16_t Code) const {
    if ((FSettings.FEditStyle & etTypographic) == 0) return Code;
    const std::uint32_t at = std::min(edInfo.eiIndex, FBuffer->TextLength());
    const bool opening = at == 0 || OpensQuote(FBuffer->CharAt(at - 1));
    const bool shift_ctrl = GetKeyState(VK_SHIFT) < 0 && GetKeyState(VK_CONTROL) < 0;
    switch (Code) {
    case 34: return opening ? 0x201C : 0x201D;
    case 39: return opening ? 0x2018 : 0x2019;
    case 3: return shift_ctrl ? 0xA2 : Code;
    case 12: return shift_ctrl ? 0xA3 : Code;
    case 15: return shift_ctrl ? 0xB0 : Code;
    case 25: return shift_ctrl ? 0xA5 : Code;
    case 31:
        if (GetKeyState(VK_MENU) < 0) return 0x2013;
        return shift_ctrl ? 0x2014 : Code;
    default: return Code;
    }
}

void TFormatEditor::ChangeCase() {
    if (!edInfo.eiSelecting) return;
    const std::uint32_t length = FBuffer->TextLength();
    const std::uint32_t from = std::min({edInfo.eiSelStart, edInfo.eiSelEnd, length});
    const std::uint32_t to = std::min(std::max(edInfo.eiSelStart, edInfo.eiSelEnd), length);
    if (to - from < 2) return;
    const platform::TCaseList& cases = platform::CaseTable();
    const char16_t c1 = FBuffer->CharAt(from), c2 = FBuffer->CharAt(from + 1);
    enum { Lower, Title, Upper } mode = Lower;
    if (cases.IsLowercase(c1) && cases.IsLowercase(c2))
        mode = Title;
    else if (cases.IsUppercase(c1) && cases.IsLowercase(c2))
        mode = Upper;
    for (std::uint32_t i = from; i < to; ++i) {
        const char16_t c = FBuffer->CharAt(i);
        if (mode == Lower)
            FBuffer->SetCharAt(i, cases.Lowercase(c));
        else if (mode == Upper)
            FBuffer->SetCharAt(i, cases.Uppercase(c));
        else
            FBuffer->SetCharAt(i, i == from || StartsWordAfter(FBuffer->CharAt(i - 1)) ? cases.Uppercase(c)
                                                                                       : cases.Lowercase(c));
    }
    UpdateFormat(static_cast<std::int32_t>(from), to);
    NotifyChanged(*this);
    // The lines were painted afresh: the selection is shown again over them.
    const platform::WindowDC dc = GetEditDC();
    UpdateSelect(dc, from, to);
}

void TFormatEditor::EFMChangeChar(char16_t W, std::int64_t P) {
    if (P < 0 || P > FBuffer->TextLength()) return;
    const auto at = static_cast<std::uint32_t>(P);
    if (model::HasNoCharFormat(W) || model::HasNoCharFormat(FBuffer->CharAt(at))) return;
    FBuffer->SetCharAt(at, W);
    UpdateFormat(static_cast<std::int32_t>(at), at + 1);
}

} // namespace zeledit::engine
