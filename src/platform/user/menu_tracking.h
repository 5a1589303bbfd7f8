// The window procedure of the pop-up menu class; tracking itself is TrackPopupMenuEx.
#pragma once

#include <zeledit/win_types.h>

namespace zeledit::platform {

LRESULT CALLBACK menu_window_proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

} // namespace zeledit::platform
