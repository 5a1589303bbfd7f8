#include "engine/notifications.h"

#include "engine/format_editor.h"

#include <algorithm>

namespace zeledit::engine {

LRESULT Notify(HWND editor, UINT code, WPARAM wParam, LPARAM lParam) {
    return SendMessageW(editor, code, wParam, lParam);
}

void PostNotify(HWND editor, UINT code, WPARAM wParam, LPARAM lParam) {
    PostMessageW(editor, code, wParam, lParam);
}

void NotifyChanged(TFormatEditor& editor) {
    editor.FSettings.IsModified = -1;
    Notify(editor.HWindow, EFN_CHANGED);
}

void UpdateState(TFormatEditor& editor, const model::TParagraphItem& para) {
    const model::TEditorInfo& ei = editor.edInfo;
    const model::TEditorBuffer& buffer = *ei.eiBuffers;
    auto mark = [&](std::uint32_t p) { return model::HasNoCharFormat(buffer.CharAt(p)); };
    // The format is taken from before the caret, past paragraph marks and objects.
    std::uint32_t p = std::min(ei.eiSelecting ? ei.eiSelEnd : ei.eiIndex, buffer.TextLength());
    while (p > 0 && mark(p)) --p;
    if (p > 0) --p;
    const std::int32_t index = mark(p) ? 0 : buffer.FormatAt(p);
    if (index >= editor.FFonts->Count()) return;
    TEditorState state{};
    state.stateCharFormat = editor.FFonts->GetFormatItem(index)->FAttributes;
    state.stateParaFormat = para.FAttributes;
    state.stateAlignment = ei.eiCurrentLine.tmAlignment;
    state.stateSelecting = ei.eiSelecting ? 1 : 0;
    state.statePastable =
        IsClipboardFormatAvailable(CF_DIB) || IsClipboardFormatAvailable(CF_UNICODETEXT) ? 1 : 0;
    state.stateOrigin = static_cast<std::int16_t>(editor.FView.OriginX);
    state.statePageWidth = ei.eiBoundRect.right - ei.eiBoundRect.left - 10;
    state.stateByUnit = editor.FSettings.Measurement;
    editor.FInput.SetTypingFont(index, state.stateCharFormat);
    Notify(editor.HWindow, EFN_UPDATESTATE, reinterpret_cast<WPARAM>(editor.HWindow),
           reinterpret_cast<LPARAM>(&state));
}

} // namespace zeledit::engine
