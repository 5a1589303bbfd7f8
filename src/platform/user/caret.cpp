// The thread's one caret. The backend draws it; here is only its state.
#include "platform/user/caret.h"

#include "platform/user/thread_state.h"
#include "platform/user/window_manager.h"

namespace zeledit::platform {
void destroy_caret_state() { thread_state().caret = CaretState{}; }
} // namespace zeledit::platform

using namespace zeledit::platform;

BOOL CreateCaret(HWND hwnd, HBITMAP, int width, int height) {
    const Window* w = checked_window(hwnd);
    if (w == nullptr || w->thread != &thread_state()) return FALSE;
    auto& caret = thread_state().caret;
    caret = CaretState{};
    caret.owner = hwnd;
    caret.width = width > 0 ? width : GetSystemMetrics(SM_CXBORDER);
    caret.height = height > 0 ? height : GetSystemMetrics(SM_CYBORDER);
    caret.hide_count = 1; // a new caret starts hidden
    return TRUE;
}

BOOL DestroyCaret() {
    if (thread_state().caret.owner == nullptr) return FALSE;
    destroy_caret_state();
    return TRUE;
}

BOOL SetCaretPos(int x, int y) {
    auto& caret = thread_state().caret;
    if (caret.owner == nullptr) return FALSE;
    caret.pos = {x, y};
    return TRUE;
}

BOOL GetCaretPos(LPPOINT point) {
    if (point == nullptr) return FALSE;
    *point = thread_state().caret.pos;
    return TRUE;
}

BOOL ShowCaret(HWND hwnd) {
    auto& caret = thread_state().caret;
    if (caret.owner == nullptr || (hwnd != nullptr && hwnd != caret.owner)) return FALSE;
    if (caret.hide_count > 0) --caret.hide_count;
    return TRUE;
}

BOOL HideCaret(HWND hwnd) {
    auto& caret = thread_state().caret;
    if (caret.owner == nullptr || (hwnd != nullptr && hwnd != caret.owner)) return FALSE;
    ++caret.hide_count;
    return TRUE;
}

UINT GetCaretBlinkTime() { return 530; }
