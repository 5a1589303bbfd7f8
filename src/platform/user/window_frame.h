// The part of a window the system draws: the edges of a child window and its scroll bars.
#pragma once

#include <zeledit/win_types.h>

namespace zeledit::platform {

// Draws the frame of a shown window (what WM_NCPAINT asks for).
void paint_frame(HWND hwnd);

} // namespace zeledit::platform
