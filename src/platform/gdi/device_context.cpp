#include "platform/gdi/device_context.h"

#include "platform/backend/surface.h"
#include "platform/core/handle_table.h"
#include "platform/user/paint.h"
#include "platform/user/window_manager.h"

namespace zeledit::platform {
namespace {

HandleTable<DeviceContext>& dcs() {
    static HandleTable<DeviceContext> table(3);
    return table;
}

RECT client_on_surface(const Window& w) {
    const POINT o = client_origin_in_surface(w);
    const SIZE s = client_size(w);
    return {o.x, o.y, o.x + s.cx, o.y + s.cy};
}

} // namespace

HDC create_window_dc(HWND hwnd, const RECT* client_clip) {
    auto dc = std::make_shared<DeviceContext>();
    dc->hwnd = hwnd;
    if (Window* w = find_window(hwnd)) {
        dc->surface = top_level_of(*w).surface;
        dc->origin = client_origin_in_surface(*w);
        dc->clip = client_on_surface(*w);
        for (Window* a = w; a->is_child();) {
            a = find_window(a->parent);
            if (a == nullptr) break;
            dc->clip = intersect(dc->clip, client_on_surface(*a));
        }
        if (client_clip != nullptr) {
            const RECT c{client_clip->left + dc->origin.x, client_clip->top + dc->origin.y,
                         client_clip->right + dc->origin.x, client_clip->bottom + dc->origin.y};
            dc->clip = intersect(dc->clip, c);
        }
    }
    return dcs().add<HDC>(std::move(dc));
}

DeviceContext* find_dc(HDC dc) { return dcs().find(dc); }

CairoContext::CairoContext(DeviceContext& dc) {
    if (!dc.surface || is_empty(dc.clip)) return;
    cr = cairo_create(dc.surface->cairo());
    cairo_rectangle(cr, dc.clip.left, dc.clip.top, dc.clip.right - dc.clip.left,
                    dc.clip.bottom - dc.clip.top);
    cairo_clip(cr);
    cairo_translate(cr, dc.origin.x, dc.origin.y);
}

CairoContext::~CairoContext() {
    if (cr == nullptr) return;
    cairo_surface_t* target = cairo_get_target(cr);
    cairo_destroy(cr);
    cairo_surface_flush(target);
}

void reset_gdi() { dcs().clear(); }

} // namespace zeledit::platform

using namespace zeledit::platform;

HDC GetDC(HWND hwnd) {
    if (hwnd != nullptr && checked_window(hwnd) == nullptr) return nullptr;
    return create_window_dc(hwnd, nullptr);
}

int ReleaseDC(HWND, HDC dc) { return dcs().remove(dc) ? 1 : 0; }

COLORREF GetPixel(HDC hdc, int x, int y) {
    const DeviceContext* dc = find_dc(hdc);
    if (dc == nullptr || !dc->surface) return CLR_INVALID;
    const POINT p{x + dc->origin.x, y + dc->origin.y};
    const RECT& c = dc->clip;
    if (p.x < c.left || p.x >= c.right || p.y < c.top || p.y >= c.bottom) return CLR_INVALID;
    const std::uint32_t argb = dc->surface->pixel(p.x, p.y);
    return RGB(BYTE(argb >> 16), BYTE(argb >> 8), BYTE(argb));
}
