// Vietnamese typing (an accent key right after a letter replaces the letter), typographic
// characters, case cycling and the host's single-character replacement.
#include "engine/format_editor.h"
#include "engine/notifications.h"
#include "platform/system_library/case_table.h"
#include "platform/system_library/system_library.h"
#include "platform/user/window_dc.h"

#include <algorithm>

namespace zeledit::engine {

using model::TAB, model::LF, model::CR;
namespace {

constexpr std::int32_t etTypographic = 0x80000;

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
    const auto composed =
        static_cast<char16_t>(platform::VCharOf(FInput.Composing(), static_cast<std::int32_t>(C) - 48));
    if (composed == 0) return false;
    SendMessageW(HWindow, WM_CHAR, 8, 0);
    InsertChar(composed);
    FInput.Typed(composed);
    return true;
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
