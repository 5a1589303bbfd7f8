#include "platform/user/window_frame.h"

#include "platform/gdi/device_context.h"
#include "platform/user/menu_tracking.h"
#include "platform/user/scroll_bar.h"
#include "platform/user/window_manager.h"

#include <zeledit/win_gdi.h>

namespace zeledit::platform {
namespace {

// One ring of edge lines: `top_left` colours the top and left lines, `bottom_right` the others.
RECT ring(HDC dc, RECT r, int top_left, int bottom_right) {
    const auto fill = [&](RECT part, int colour) { FillRect(dc, &part, GetSysColorBrush(colour)); };
    fill({r.left, r.top, r.right, r.top + 1}, top_left);
    fill({r.left, r.top, r.left + 1, r.bottom}, top_left);
    fill({r.left, r.bottom - 1, r.right, r.bottom}, bottom_right);
    fill({r.right - 1, r.top, r.right, r.bottom}, bottom_right);
    return {r.left + 1, r.top + 1, r.right - 1, r.bottom - 1};
}

} // namespace

void paint_frame(HWND hwnd) {
    Window* w = find_window(hwnd);
    if (w == nullptr || !shown_on_screen(*w)) return;
    HDC dc = create_frame_dc(hwnd);
    RECT r{0, 0, w->rect.right - w->rect.left, w->rect.bottom - w->rect.top};
    if (w->is_child()) {
        if (w->style & WS_BORDER) r = ring(dc, r, COLOR_WINDOWFRAME, COLOR_WINDOWFRAME);
        if (w->ex_style & WS_EX_CLIENTEDGE) {
            r = ring(dc, r, COLOR_BTNSHADOW, COLOR_BTNHIGHLIGHT);
            r = ring(dc, r, COLOR_3DDKSHADOW, COLOR_3DLIGHT);
        }
        if (w->ex_style & WS_EX_STATICEDGE) r = ring(dc, r, COLOR_BTNSHADOW, COLOR_BTNHIGHLIGHT);
    }
    draw_window_bars(dc, *w);
    if (!w->is_child() && w->menu_bar != nullptr) draw_menu_bar(dc, *w);
    ReleaseDC(hwnd, dc);
}

} // namespace zeledit::platform
