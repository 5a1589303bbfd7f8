// Update regions shared by painting, window moves and scrolling.
#pragma once

#include "platform/user/window.h"

namespace zeledit::platform {

// Adds a client rectangle (null: the whole client area) to the window's update region;
// descendants are included unless the window clips its children or `children` is false.
void invalidate(Window& w, const RECT* rect, bool erase, bool children);
void validate(Window& w, const RECT* rect);
// Marks the part of the parent that a child covered, after it moved, hid or died.
void invalidate_parent_area(const Window& child);
// Sends WM_NCPAINT when the window's frame waits to be drawn.
void paint_pending_frame(HWND hwnd);
// The next window of this thread that needs WM_PAINT (parents first), or null; windows that
// need only their frame drawn get it on the way.
HWND next_window_to_paint(HWND filter);

RECT intersect(const RECT& a, const RECT& b);
RECT unite(const RECT& a, const RECT& b);
bool is_empty(const RECT& r);

} // namespace zeledit::platform
