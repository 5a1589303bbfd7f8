// Attributes, mapping modes, world transforms and clipping of device contexts.
#include "platform/core/rounding.h"
#include "platform/gdi/device_context.h"
#include "platform/user/paint.h"

#include <cmath>
#include <cstdlib>

using namespace zeledit::platform;

namespace {

template <class T, class V> T exchange(HDC handle, T DcState::*field, V value, T failure) {
    DeviceContext* dc = find_dc(handle);
    if (dc == nullptr) return failure;
    T old = dc->state.*field;
    dc->state.*field = static_cast<T>(value);
    return old;
}

template <class T> T read(HDC handle, T DcState::*field, T failure) {
    const DeviceContext* dc = find_dc(handle);
    return dc == nullptr ? failure : dc->state.*field;
}

// Fixed mapping modes: logical units per inch, y growing upwards.
int units_per_inch(int mode) {
    switch (mode) {
    case MM_LOMETRIC: return 254;
    case MM_HIMETRIC: return 2540;
    case MM_LOENGLISH: return 100;
    case MM_HIENGLISH: return 1000;
    case MM_TWIPS: return 1440;
    default: return 0;
    }
}

bool scalable(const DcState& s) { return s.map_mode == MM_ISOTROPIC || s.map_mode == MM_ANISOTROPIC; }

// Isotropic mapping keeps logical units square by shrinking one viewport extent.
void make_isotropic(DcState& s) {
    if (s.map_mode != MM_ISOTROPIC) return;
    const double xs = std::abs(double(s.viewport_ext.cx) / s.window_ext.cx);
    const double ys = std::abs(double(s.viewport_ext.cy) / s.window_ext.cy);
    const double scale = std::min(xs, ys);
    const auto sign = [](LONG v) { return v < 0 ? -1.0 : 1.0; };
    s.viewport_ext.cx = round_nearest(sign(s.viewport_ext.cx) * std::abs(double(s.window_ext.cx)) * scale);
    s.viewport_ext.cy = round_nearest(sign(s.viewport_ext.cy) * std::abs(double(s.window_ext.cy)) * scale);
    if (s.viewport_ext.cx == 0) s.viewport_ext.cx = 1;
    if (s.viewport_ext.cy == 0) s.viewport_ext.cy = 1;
}

int complexity(const std::vector<RECT>& rects) {
    return rects.empty() ? NULLREGION : rects.size() == 1 ? SIMPLEREGION : COMPLEXREGION;
}

std::vector<RECT> current_clip(const DeviceContext& dc) {
    if (dc.state.clip) return *dc.state.clip;
    const RECT b = dc.bounds;
    return {{b.left - dc.origin.x, b.top - dc.origin.y, b.right - dc.origin.x, b.bottom - dc.origin.y}};
}

bool invertible(const DeviceContext& dc, cairo_matrix_t& inverse) {
    inverse = logical_to_device(dc);
    return cairo_matrix_invert(&inverse) == CAIRO_STATUS_SUCCESS;
}

} // namespace

int SetBkMode(HDC dc, int mode) {
    if (mode != OPAQUE && mode != TRANSPARENT) return 0;
    return exchange(dc, &DcState::bk_mode, mode, 0);
}
int GetBkMode(HDC dc) { return read(dc, &DcState::bk_mode, 0); }
COLORREF SetBkColor(HDC dc, COLORREF c) {
    return exchange(dc, &DcState::bk_color, c & 0xFFFFFF, CLR_INVALID);
}
COLORREF GetBkColor(HDC dc) { return read(dc, &DcState::bk_color, CLR_INVALID); }
COLORREF SetTextColor(HDC dc, COLORREF c) {
    return exchange(dc, &DcState::text_color, c & 0xFFFFFF, CLR_INVALID);
}
COLORREF GetTextColor(HDC dc) { return read(dc, &DcState::text_color, CLR_INVALID); }
UINT SetTextAlign(HDC dc, UINT align) { return exchange(dc, &DcState::text_align, align, UINT(GDI_ERROR)); }
UINT GetTextAlign(HDC dc) { return read(dc, &DcState::text_align, UINT(GDI_ERROR)); }

int SetROP2(HDC dc, int rop) {
    if (rop < R2_BLACK || rop > R2_WHITE) return 0;
    return exchange(dc, &DcState::rop2, rop, 0);
}
int GetROP2(HDC dc) { return read(dc, &DcState::rop2, 0); }

int SetStretchBltMode(HDC dc, int mode) {
    if (mode < BLACKONWHITE || mode > HALFTONE) return 0;
    return exchange(dc, &DcState::stretch_mode, mode, 0);
}
int GetStretchBltMode(HDC dc) { return read(dc, &DcState::stretch_mode, 0); }

int SetMapMode(HDC handle, int mode) {
    DeviceContext* dc = find_dc(handle);
    if (dc == nullptr || mode < MM_TEXT || mode > MM_ANISOTROPIC) return 0;
    DcState& s = dc->state;
    const int old = s.map_mode;
    s.map_mode = mode;
    if (mode == MM_TEXT) {
        s.window_ext = s.viewport_ext = {1, 1};
    } else if (const int u = units_per_inch(mode)) {
        s.window_ext = {u, u};
        s.viewport_ext = {dc->dpi_x, -dc->dpi_y};
    } else if (old != MM_ISOTROPIC && old != MM_ANISOTROPIC) {
        // Entering a scalable mode from a fixed one keeps the scale it had.
        make_isotropic(s);
    }
    return old;
}
int GetMapMode(HDC dc) { return read(dc, &DcState::map_mode, 0); }

BOOL SetWindowExtEx(HDC handle, int x, int y, SIZE* old) {
    DeviceContext* dc = find_dc(handle);
    if (dc == nullptr) return FALSE;
    if (old != nullptr) *old = dc->state.window_ext;
    if (!scalable(dc->state)) return TRUE;
    if (x == 0 || y == 0) return FALSE;
    dc->state.window_ext = {x, y};
    make_isotropic(dc->state);
    return TRUE;
}

BOOL SetViewportExtEx(HDC handle, int x, int y, SIZE* old) {
    DeviceContext* dc = find_dc(handle);
    if (dc == nullptr) return FALSE;
    if (old != nullptr) *old = dc->state.viewport_ext;
    if (!scalable(dc->state)) return TRUE;
    if (x == 0 || y == 0) return FALSE;
    dc->state.viewport_ext = {x, y};
    make_isotropic(dc->state);
    return TRUE;
}

BOOL SetWindowOrgEx(HDC handle, int x, int y, POINT* old) {
    DeviceContext* dc = find_dc(handle);
    if (dc == nullptr) return FALSE;
    if (old != nullptr) *old = dc->state.window_org;
    dc->state.window_org = {x, y};
    return TRUE;
}

BOOL SetViewportOrgEx(HDC handle, int x, int y, POINT* old) {
    DeviceContext* dc = find_dc(handle);
    if (dc == nullptr) return FALSE;
    if (old != nullptr) *old = dc->state.viewport_org;
    dc->state.viewport_org = {x, y};
    return TRUE;
}

BOOL OffsetViewportOrgEx(HDC handle, int dx, int dy, POINT* old) {
    DeviceContext* dc = find_dc(handle);
    if (dc == nullptr) return FALSE;
    if (old != nullptr) *old = dc->state.viewport_org;
    dc->state.viewport_org.x += dx;
    dc->state.viewport_org.y += dy;
    return TRUE;
}

BOOL GetWindowOrgEx(HDC dc, POINT* org) {
    if (org == nullptr || find_dc(dc) == nullptr) return FALSE;
    *org = find_dc(dc)->state.window_org;
    return TRUE;
}
BOOL GetViewportOrgEx(HDC dc, POINT* org) {
    if (org == nullptr || find_dc(dc) == nullptr) return FALSE;
    *org = find_dc(dc)->state.viewport_org;
    return TRUE;
}
BOOL GetWindowExtEx(HDC dc, SIZE* ext) {
    if (ext == nullptr || find_dc(dc) == nullptr) return FALSE;
    *ext = find_dc(dc)->state.window_ext;
    return TRUE;
}
BOOL GetViewportExtEx(HDC dc, SIZE* ext) {
    if (ext == nullptr || find_dc(dc) == nullptr) return FALSE;
    *ext = find_dc(dc)->state.viewport_ext;
    return TRUE;
}

int SetGraphicsMode(HDC handle, int mode) {
    DeviceContext* dc = find_dc(handle);
    if (dc == nullptr || (mode != GM_COMPATIBLE && mode != GM_ADVANCED)) return 0;
    const int old = dc->state.graphics_mode;
    dc->state.graphics_mode = mode;
    if (mode == GM_COMPATIBLE) dc->state.world = {1, 0, 0, 1, 0, 0};
    return old;
}
int GetGraphicsMode(HDC dc) { return read(dc, &DcState::graphics_mode, 0); }

BOOL SetWorldTransform(HDC handle, const XFORM* x) {
    DeviceContext* dc = find_dc(handle);
    if (dc == nullptr || x == nullptr || dc->state.graphics_mode != GM_ADVANCED) return FALSE;
    if (x->eM11 * x->eM22 - x->eM12 * x->eM21 == 0 || !std::isfinite(x->eDx) || !std::isfinite(x->eDy))
        return FALSE;
    dc->state.world = *x;
    return TRUE;
}

BOOL GetWorldTransform(HDC handle, XFORM* x) {
    const DeviceContext* dc = find_dc(handle);
    if (dc == nullptr || x == nullptr) return FALSE;
    *x = dc->state.world;
    return TRUE;
}

BOOL ModifyWorldTransform(HDC handle, const XFORM* x, DWORD mode) {
    DeviceContext* dc = find_dc(handle);
    if (dc == nullptr || dc->state.graphics_mode != GM_ADVANCED) return FALSE;
    if (mode == MWT_IDENTITY) {
        dc->state.world = {1, 0, 0, 1, 0, 0};
        return TRUE;
    }
    return SetWorldTransform(handle, x);
}

BOOL LPtoDP(HDC handle, LPPOINT points, int count) {
    const DeviceContext* dc = find_dc(handle);
    if (dc == nullptr || (points == nullptr && count > 0) || count < 0) return FALSE;
    for (int i = 0; i < count; ++i) points[i] = to_device(*dc, points[i]);
    return TRUE;
}

BOOL DPtoLP(HDC handle, LPPOINT points, int count) {
    const DeviceContext* dc = find_dc(handle);
    cairo_matrix_t inverse;
    if (dc == nullptr || (points == nullptr && count > 0) || count < 0 || !invertible(*dc, inverse))
        return FALSE;
    for (int i = 0; i < count; ++i) {
        double x = points[i].x, y = points[i].y;
        cairo_matrix_transform_point(&inverse, &x, &y);
        points[i] = {round_nearest(x), round_nearest(y)};
    }
    return TRUE;
}

int SelectClipRgn(HDC handle, HRGN region) {
    DeviceContext* dc = find_dc(handle);
    if (dc == nullptr) return ERROR;
    if (region == nullptr) {
        dc->state.clip.reset();
        return SIMPLEREGION;
    }
    const Region* r = find_as<Region>(region);
    if (r == nullptr) return ERROR;
    dc->state.clip = r->rects;
    return complexity(r->rects);
}

int IntersectClipRect(HDC handle, int left, int top, int right, int bottom) {
    DeviceContext* dc = find_dc(handle);
    if (dc == nullptr) return ERROR;
    dc->state.clip = intersect_rects(current_clip(*dc), to_device(*dc, RECT{left, top, right, bottom}));
    return complexity(*dc->state.clip);
}

int ExcludeClipRect(HDC handle, int left, int top, int right, int bottom) {
    DeviceContext* dc = find_dc(handle);
    if (dc == nullptr) return ERROR;
    dc->state.clip = subtract_rect(current_clip(*dc), to_device(*dc, RECT{left, top, right, bottom}));
    return complexity(*dc->state.clip);
}

int GetClipBox(HDC handle, LPRECT rect) {
    const DeviceContext* dc = find_dc(handle);
    if (dc == nullptr || rect == nullptr) return ERROR;
    const auto rects = intersect_rects(current_clip(*dc),
                                       {dc->bounds.left - dc->origin.x, dc->bounds.top - dc->origin.y,
                                        dc->bounds.right - dc->origin.x, dc->bounds.bottom - dc->origin.y});
    const RECT box = bounding_box(rects);
    POINT corners[2] = {{box.left, box.top}, {box.right, box.bottom}};
    DPtoLP(handle, corners, 2);
    *rect = {std::min(corners[0].x, corners[1].x), std::min(corners[0].y, corners[1].y),
             std::max(corners[0].x, corners[1].x), std::max(corners[0].y, corners[1].y)};
    return complexity(rects);
}
