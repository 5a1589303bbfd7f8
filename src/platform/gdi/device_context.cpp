#include "platform/gdi/device_context.h"

#include "platform/core/handle_table.h"
#include "platform/core/rounding.h"
#include "platform/gdi/printer.h"
#include "platform/gdi/surface.h"
#include "platform/user/paint.h"
#include "platform/user/window_manager.h"

#include <cmath>

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

void init_state(DcState& s) {
    s.pen = static_cast<HPEN>(GetStockObject(BLACK_PEN));
    s.brush = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    s.font = static_cast<HFONT>(GetStockObject(SYSTEM_FONT));
    s.palette = static_cast<HPALETTE>(GetStockObject(DEFAULT_PALETTE));
}

HBITMAP one_pixel_bitmap() {
    static HGDIOBJ h = nullptr;
    if (find_object(h) == nullptr)
        h = add_object(GdiObject{Bitmap{std::make_shared<Surface>(1, 1, 0xFFFFFFFF), 1}, true});
    return static_cast<HBITMAP>(h);
}

void select_bitmap(DeviceContext& dc, HDC handle, HBITMAP bitmap, Bitmap& b) {
    if (Bitmap* old = find_as<Bitmap>(dc.bitmap)) old->selected_into = nullptr;
    dc.bitmap = bitmap;
    dc.surface = b.surface;
    dc.bounds = {0, 0, b.surface->width(), b.surface->height()};
    if (!find_object(bitmap)->stock) b.selected_into = handle;
}

} // namespace

HDC add_dc(DeviceContext dc) {
    init_state(dc.state);
    return dcs().add<HDC>(std::make_shared<DeviceContext>(std::move(dc)));
}

HDC create_window_dc(HWND hwnd, const RECT* client_clip) {
    DeviceContext dc;
    dc.kind = DcKind::Window;
    dc.hwnd = hwnd;
    if (Window* w = find_window(hwnd)) {
        dc.surface = top_level_of(*w).surface;
        dc.origin = client_origin_in_surface(*w);
        dc.bounds = client_on_surface(*w);
        for (Window* a = w; a->is_child();) {
            if ((a = find_window(a->parent)) == nullptr) break;
            dc.bounds = intersect(dc.bounds, client_on_surface(*a));
        }
        if (client_clip != nullptr) {
            const RECT c{client_clip->left + dc.origin.x, client_clip->top + dc.origin.y,
                         client_clip->right + dc.origin.x, client_clip->bottom + dc.origin.y};
            dc.bounds = intersect(dc.bounds, c);
        }
    }
    return add_dc(std::move(dc));
}

HDC create_frame_dc(HWND hwnd) {
    DeviceContext dc;
    dc.kind = DcKind::Window;
    dc.hwnd = hwnd;
    if (Window* w = find_window(hwnd)) {
        dc.surface = top_level_of(*w).surface;
        const POINT client = client_origin_in_surface(*w);
        const RECT in = client_in_window(*w);
        dc.origin = {client.x - in.left, client.y - in.top};
        dc.bounds = {dc.origin.x, dc.origin.y, dc.origin.x + (w->rect.right - w->rect.left),
                     dc.origin.y + (w->rect.bottom - w->rect.top)};
        for (Window* a = w; a->is_child();) {
            if ((a = find_window(a->parent)) == nullptr) break;
            dc.bounds = intersect(dc.bounds, client_on_surface(*a));
        }
    }
    return add_dc(std::move(dc));
}

DeviceContext* find_dc(HDC dc) { return dcs().find(dc); }

DWORD dc_object_type(HGDIOBJ handle) {
    const DeviceContext* dc = dcs().find(handle);
    if (dc == nullptr) return 0;
    return dc->kind == DcKind::Memory ? OBJ_MEMDC : OBJ_DC;
}

cairo_matrix_t logical_to_device(const DeviceContext& dc) {
    const DcState& s = dc.state;
    cairo_matrix_t m;
    cairo_matrix_init_translate(&m, s.viewport_org.x, s.viewport_org.y);
    cairo_matrix_scale(&m, double(s.viewport_ext.cx) / s.window_ext.cx,
                       double(s.viewport_ext.cy) / s.window_ext.cy);
    cairo_matrix_translate(&m, -s.window_org.x, -s.window_org.y);
    if (s.graphics_mode == GM_ADVANCED) {
        const XFORM& x = s.world;
        cairo_matrix_t world;
        cairo_matrix_init(&world, x.eM11, x.eM12, x.eM21, x.eM22, x.eDx, x.eDy);
        cairo_matrix_multiply(&m, &world, &m);
    }
    if (dc.playback) cairo_matrix_multiply(&m, &m, &*dc.playback);
    return m;
}

POINT to_device(const DeviceContext& dc, POINT p) {
    const cairo_matrix_t m = logical_to_device(dc);
    double x = p.x, y = p.y;
    cairo_matrix_transform_point(&m, &x, &y);
    return {round_nearest(x), round_nearest(y)};
}

RECT to_device(const DeviceContext& dc, const RECT& r) {
    const POINT a = to_device(dc, POINT{r.left, r.top});
    const POINT b = to_device(dc, POINT{r.right, r.bottom});
    return {std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x), std::max(a.y, b.y)};
}

std::vector<RECT> clip_rects(const DeviceContext& dc) {
    if (!dc.state.clip) return is_empty(dc.bounds) ? std::vector<RECT>{} : std::vector<RECT>{dc.bounds};
    std::vector<RECT> out;
    for (const RECT& r : *dc.state.clip) {
        const RECT s = intersect(
            {r.left + dc.origin.x, r.top + dc.origin.y, r.right + dc.origin.x, r.bottom + dc.origin.y},
            dc.bounds);
        if (!is_empty(s)) out.push_back(s);
    }
    return out;
}

Pen current_pen(const DeviceContext& dc) {
    if (const Pen* p = find_as<Pen>(dc.state.pen)) return *p;
    return Pen{PS_SOLID, 0, 0};
}

Brush current_brush(const DeviceContext& dc) {
    if (const Brush* b = find_as<Brush>(dc.state.brush)) return *b;
    return Brush{BS_SOLID, RGB(255, 255, 255)};
}

Font& current_font(DeviceContext& dc) {
    if (Font* f = find_as<Font>(dc.state.font)) return *f;
    return *find_as<Font>(GetStockObject(SYSTEM_FONT));
}

void enter_logical(cairo_t* cr, const DeviceContext& dc, double nudge) {
    cairo_translate(cr, nudge, nudge);
    const cairo_matrix_t m = logical_to_device(dc);
    cairo_transform(cr, &m);
}

Canvas::Canvas(DeviceContext& dc, bool logical, double nudge) {
    cairo_surface_t* target = nullptr;
    cairo_matrix_t base;
    cairo_matrix_init_identity(&base);
    if (dc.kind == DcKind::Printer) {
        target = page_surface(dc);
        cairo_matrix_init_scale(&base, 72.0 / dc.dpi_x, 72.0 / dc.dpi_y);
    } else if (dc.surface) {
        surface_ = dc.surface.get();
        target = surface_->cairo();
        if (surface_->bottom_up()) {
            cairo_matrix_init_translate(&base, 0, surface_->height());
            cairo_matrix_scale(&base, 1, -1);
        }
    }
    const auto rects = clip_rects(dc);
    if (target == nullptr || rects.empty()) return;
    cr = cairo_create(target);
    cairo_set_matrix(cr, &base);
    for (const RECT& r : rects) cairo_rectangle(cr, r.left, r.top, r.right - r.left, r.bottom - r.top);
    cairo_clip(cr);
    cairo_translate(cr, dc.origin.x, dc.origin.y);
    if (logical) enter_logical(cr, dc, nudge);
    cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
}

Canvas::~Canvas() {
    if (cr == nullptr) return;
    cairo_destroy(cr);
    if (surface_ != nullptr) surface_->flush();
}

void set_source(cairo_t* cr, cairo_surface_t* surface, double x, double y, cairo_filter_t filter,
                cairo_extend_t extend) {
    cairo_pattern_t* pattern = cairo_pattern_create_for_surface(surface);
    cairo_matrix_t at;
    cairo_matrix_init_translate(&at, -x, -y);
    cairo_pattern_set_matrix(pattern, &at);
    cairo_pattern_set_filter(pattern, filter);
    cairo_pattern_set_extend(pattern, extend);
    cairo_set_source(cr, pattern);
    cairo_pattern_destroy(pattern);
}

void set_source(cairo_t* cr, COLORREF c) {
    cairo_set_source_rgb(cr, GetRValue(c) / 255.0, GetGValue(c) / 255.0, GetBValue(c) / 255.0);
}

void reset_device_contexts() { dcs().clear(); }

} // namespace zeledit::platform

using namespace zeledit::platform;

HDC GetDC(HWND hwnd) {
    if (hwnd == nullptr) {
        DeviceContext dc;
        dc.kind = DcKind::Screen;
        dc.bounds = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
        return add_dc(std::move(dc));
    }
    if (checked_window(hwnd) == nullptr) return nullptr;
    return create_window_dc(hwnd, nullptr);
}

int ReleaseDC(HWND, HDC dc) {
    const DeviceContext* d = find_dc(dc);
    if (d == nullptr || d->kind == DcKind::Memory || d->kind == DcKind::Printer) return 0;
    dcs().remove(dc);
    return 1;
}

HDC CreateCompatibleDC(HDC handle) {
    DeviceContext dc;
    dc.kind = DcKind::Memory;
    if (const DeviceContext* like = handle ? find_dc(handle) : nullptr)
        dc.dpi_x = like->dpi_x, dc.dpi_y = like->dpi_y;
    else if (handle != nullptr)
        return nullptr;
    HDC h = add_dc(std::move(dc));
    HBITMAP one = one_pixel_bitmap();
    select_bitmap(*find_dc(h), h, one, *find_as<Bitmap>(one));
    return h;
}

BOOL DeleteDC(HDC handle) {
    DeviceContext* dc = find_dc(handle);
    if (dc == nullptr) return FALSE;
    if (Bitmap* b = find_as<Bitmap>(dc->bitmap)) b->selected_into = nullptr;
    if (dc->kind == DcKind::Printer) abort_job(*dc);
    dcs().remove(handle);
    return TRUE;
}

int SaveDC(HDC handle) {
    DeviceContext* dc = find_dc(handle);
    if (dc == nullptr) return 0;
    dc->saved.push_back(dc->state);
    return static_cast<int>(dc->saved.size());
}

BOOL RestoreDC(HDC handle, int saved) {
    DeviceContext* dc = find_dc(handle);
    if (dc == nullptr) return FALSE;
    const int depth = static_cast<int>(dc->saved.size());
    const int level = saved < 0 ? depth + saved + 1 : saved;
    if (level < 1 || level > depth) return FALSE;
    dc->state = dc->saved[static_cast<std::size_t>(level - 1)];
    dc->saved.resize(static_cast<std::size_t>(level - 1));
    return TRUE;
}

HGDIOBJ SelectObject(HDC handle, HGDIOBJ object) {
    DeviceContext* dc = find_dc(handle);
    GdiObject* o = find_object(object);
    if (dc == nullptr || o == nullptr) return nullptr;
    DcState& s = dc->state;
    auto swap = [&](auto& slot) -> HGDIOBJ {
        HGDIOBJ old = slot;
        slot = static_cast<std::remove_reference_t<decltype(slot)>>(object);
        return old;
    };
    if (std::holds_alternative<Pen>(o->data)) return swap(s.pen);
    if (std::holds_alternative<Brush>(o->data)) return swap(s.brush);
    if (std::holds_alternative<Font>(o->data)) return swap(s.font);
    if (std::holds_alternative<Region>(o->data))
        return reinterpret_cast<HGDIOBJ>(
            static_cast<INT_PTR>(SelectClipRgn(handle, static_cast<HRGN>(object))));
    if (Bitmap* b = std::get_if<Bitmap>(&o->data)) {
        if (dc->kind != DcKind::Memory || (b->selected_into != nullptr && b->selected_into != handle &&
                                           find_dc(b->selected_into) != nullptr))
            return nullptr;
        HGDIOBJ old = dc->bitmap;
        select_bitmap(*dc, handle, static_cast<HBITMAP>(object), *b);
        return old;
    }
    return nullptr;
}

HGDIOBJ GetCurrentObject(HDC handle, UINT type) {
    const DeviceContext* dc = find_dc(handle);
    if (dc == nullptr) return nullptr;
    switch (type) {
    case OBJ_PEN: return dc->state.pen;
    case OBJ_BRUSH: return dc->state.brush;
    case OBJ_FONT: return dc->state.font;
    case OBJ_PAL: return dc->state.palette;
    case OBJ_BITMAP: return dc->bitmap;
    default: return nullptr;
    }
}

int GetDeviceCaps(HDC handle, int index) {
    const DeviceContext* dc = find_dc(handle);
    if (dc == nullptr) return 0;
    const bool printer = dc->kind == DcKind::Printer;
    const SIZE paper =
        printer ? paper_dots(*dc) : SIZE{GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    const RECT m = printer ? unprintable_margins(*dc) : RECT{};
    switch (index) {
    case DRIVERVERSION: return 0x4000;
    case TECHNOLOGY: return printer ? DT_RASPRINTER : DT_RASDISPLAY;
    case LOGPIXELSX: return dc->dpi_x;
    case LOGPIXELSY: return dc->dpi_y;
    case HORZRES: return paper.cx - m.left - m.right;
    case VERTRES: return paper.cy - m.top - m.bottom;
    case HORZSIZE: return static_cast<int>(std::lround((paper.cx - m.left - m.right) * 25.4 / dc->dpi_x));
    case VERTSIZE: return static_cast<int>(std::lround((paper.cy - m.top - m.bottom) * 25.4 / dc->dpi_y));
    case PHYSICALWIDTH: return printer ? paper.cx : 0;
    case PHYSICALHEIGHT: return printer ? paper.cy : 0;
    case PHYSICALOFFSETX: return m.left;
    case PHYSICALOFFSETY: return m.top;
    case BITSPIXEL: return printer ? 24 : 32;
    case PLANES: return 1;
    case NUMCOLORS: return -1;
    case SIZEPALETTE: return 0;
    case RASTERCAPS:
        return RC_BITBLT | RC_BITMAP64 | RC_DI_BITMAP | RC_DIBTODEV | RC_STRETCHBLT | RC_STRETCHDIB;
    default: return 0;
    }
}
