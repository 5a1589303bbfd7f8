// Pop-up menus and menu bars on the screen: the window procedure of the pop-up class, and
// the bar a top-level window shows above its client area (SetMenu). Tracking a pop-up menu
// itself is TrackPopupMenuEx.
#pragma once

#include "platform/user/window.h"

#include <zeledit/win_types.h>

namespace zeledit::platform {

LRESULT CALLBACK menu_window_proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

// The bar's rectangle in window coordinates; empty without a bar.
RECT menu_bar_rect(const Window& w);
void draw_menu_bar(HDC dc, const Window& w);
// Runs the bar from a press at a screen point, or from Alt with a mnemonic (0: F10, the
// first menu); a command chosen is posted to the window as WM_COMMAND.
void track_menu_bar_at(HWND hwnd, POINT screen);
void track_menu_bar_key(HWND hwnd, char16_t mnemonic);

} // namespace zeledit::platform
