// Device contexts: a target surface, an origin and a clip rectangle.
#pragma once

#include <zeledit/win_gdi.h>

#include <cairo.h>

#include <memory>

namespace zeledit::platform {

class Surface;

struct DeviceContext {
    HWND hwnd = nullptr;              // null for the screen
    std::shared_ptr<Surface> surface; // null: drawing goes nowhere
    POINT origin{};                   // logical (0, 0) on the surface
    RECT clip{};                      // surface coordinates
};

// A window DC clipped to its client area (and to `client_clip`, client coordinates, if given).
HDC create_window_dc(HWND hwnd, const RECT* client_clip);
DeviceContext* find_dc(HDC dc);

// A cairo context on the DC's surface, translated to its origin and clipped; null without a surface.
struct CairoContext {
    explicit CairoContext(DeviceContext& dc);
    ~CairoContext();
    CairoContext(const CairoContext&) = delete;
    CairoContext& operator=(const CairoContext&) = delete;
    cairo_t* cr = nullptr;
};

void reset_gdi();

} // namespace zeledit::platform
