// Per-thread state of the window system: the message queue, timers, focus, capture,
// the caret and the keyboard state, as the real system keeps them per thread.
#pragma once

#include <zeledit/win_user.h>

#include <cstdint>
#include <deque>
#include <string>
#include <vector>

namespace zeledit::platform {

struct InputEvent {
    enum class Kind { Key, Mouse } kind = Kind::Key;
    // keys
    UINT vk = 0;
    bool down = false;
    std::u16string text;
    // mouse: one of WM_MOUSEMOVE, WM_xBUTTONDOWN/UP or WM_MOUSEWHEEL, screen coordinates
    UINT mouse_message = 0;
    POINT pt{};
    int wheel = 0;
    DWORD time = 0;
    // Modifier state when the event happened (filled in when it is queued).
    WPARAM mouse_keys = 0;
    bool alt = false;
};

struct Timer {
    HWND hwnd;
    UINT_PTR id;
    UINT period;
    std::uint64_t due;
    TIMERPROC proc;
};

struct CaretState {
    HWND owner = nullptr;
    int width = 0;
    int height = 0;
    POINT pos{};
    int hide_count = 0;
};

struct PendingText {
    DWORD serial;
    std::u16string text;
};

struct ClickMemory {
    UINT message = 0;
    HWND hwnd = nullptr;
    DWORD time = 0;
    POINT pt{};
};

struct ThreadState {
    std::deque<MSG> posted;
    std::deque<InputEvent> input;
    bool quit_posted = false;
    int quit_code = 0;
    std::vector<Timer> timers;
    UINT_PTR next_thread_timer = 0x7000;
    HWND focus = nullptr;
    HWND active = nullptr;
    HWND capture = nullptr;
    CaretState caret;
    BYTE keys[256] = {};
    DWORD message_time = 0;
    DWORD next_serial = 1;
    std::deque<PendingText> key_text; // what recent key-downs type, for TranslateMessage
    ClickMemory last_click;
};

ThreadState& thread_state();
void reset_thread_state();

} // namespace zeledit::platform
