// Scroll bars: a window's own bars (SB_HORZ, SB_VERT) and "SCROLLBAR" controls (SB_CTL).
#pragma once

#include "platform/user/window.h"

namespace zeledit::platform {

LRESULT CALLBACK scroll_bar_control_proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

// Where a window's own bar lies, in window coordinates (empty when the bar is hidden).
RECT window_bar_rect(const Window& w, int bar);

// A bar's arrows, track and thumb in `r` of `dc`.
void draw_scroll_bar(HDC dc, const RECT& r, const ScrollBarState& s, bool vertical);
// A window's own bars on a DC of its whole window.
void draw_window_bars(HDC dc, Window& w);

// Follows the mouse from a press on a bar until the button is released, sending the
// scroll requests to the window that owns the bar (modal, as the real system does).
void track_scroll_bar(HWND hwnd, int bar, POINT screen_pt);

} // namespace zeledit::platform
