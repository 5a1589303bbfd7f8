#include "engine/notifications.h"

#include "engine/format_editor.h"

namespace zeledit::engine {

LRESULT Notify(HWND editor, UINT code, WPARAM wParam, LPARAM lParam) {
    return SendMessageW(editor, code, wParam, lParam);
}

void PostNotify(HWND editor, UINT code, WPARAM wParam, LPARAM lParam) {
    PostMessageW(editor, code, wParam, lParam);
}

void NotifyChanged(TFormatEditor& editor) {
    editor.IsModified = -1;
    Notify(editor.HWindow, EFN_CHANGED);
}

} // namespace zeledit::engine
