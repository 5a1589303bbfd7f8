// Control of the headless backend: the clock, synthetic input and pixel read-back.
// Synthetic input takes the path real input takes: it is queued, routed to the focus,
// capture or pointed window when the message loop reads it, and updates the key state.
#pragma once

#include <zeledit/win_types.h>

#include <cstdint>
#include <string>
#include <string_view>

namespace zeledit::headless {

// Time. The real clock is the default; a manual clock only moves when advanced.
ZE_API void UseManualClock(std::uint64_t startMs = 0);
ZE_API void UseRealClock();
ZE_API void AdvanceClock(std::uint64_t ms);
ZE_API std::uint64_t NowMs();

// Keyboard. `text` is what the key types (TranslateMessage turns it into WM_CHAR);
// when omitted, it is derived from the key and the Shift state for letters, digits,
// space, Tab, Enter, Backspace and Escape.
ZE_API void KeyDown(UINT virtualKey);
ZE_API void KeyDown(UINT virtualKey, std::u16string_view text);
ZE_API void KeyUp(UINT virtualKey);
ZE_API void KeyPress(UINT virtualKey); // down then up
ZE_API void TypeText(std::u16string_view text);

// Mouse, in screen coordinates.
enum class Button { Left, Right, Middle };
ZE_API void MouseMove(int x, int y);
ZE_API void MouseDown(Button button, int x, int y);
ZE_API void MouseUp(Button button, int x, int y);
ZE_API void Click(Button button, int x, int y);
ZE_API void Wheel(int delta, int x, int y);

// Dispatches every message that is ready now (posted, input, paint, due timers) without
// waiting or moving the clock; stops after `limit` messages. Answers how many it dispatched.
ZE_API int PumpMessages(int limit = 100000);

// The ARGB surface of a top-level window (or of a child's top-level window).
ZE_API std::uint32_t PixelAt(HWND hwnd, int x, int y); // window coordinates, 0xAARRGGBB
ZE_API bool WritePng(HWND hwnd, const char* path);
ZE_API bool WriteBitmapPng(HBITMAP bitmap, const char* path);

// Caret as the backend would draw it.
struct CaretState {
    HWND owner;
    int x;
    int y;
    int width;
    int height;
    bool visible;
};
ZE_API CaretState Caret();

// The cursor last set with SetCursor, as an IDC_ number (0 for none or a custom cursor).
ZE_API unsigned CursorShape();

// Forgets every window, class, timer, clipboard entry and input state (for tests).
ZE_API void Reset();

} // namespace zeledit::headless
