// Device contexts: a drawing target, the state programs set on it, and the transform from
// logical to device coordinates.
#pragma once

#include "platform/gdi/gdi_objects.h"

#include <cairo.h>

#include <memory>
#include <optional>
#include <vector>

namespace zeledit::platform {

class Surface;
struct PrintJob;

enum class DcKind { Screen, Window, Memory, Printer };

// What SaveDC keeps and RestoreDC brings back.
struct DcState {
    HPEN pen = nullptr;
    HBRUSH brush = nullptr;
    HFONT font = nullptr;
    HPALETTE palette = nullptr;
    COLORREF text_color = 0;
    COLORREF bk_color = RGB(255, 255, 255);
    int bk_mode = OPAQUE;
    UINT text_align = TA_LEFT | TA_TOP;
    int rop2 = R2_COPYPEN;
    int stretch_mode = BLACKONWHITE;
    int map_mode = MM_TEXT;
    POINT window_org{};
    POINT viewport_org{};
    SIZE window_ext{1, 1};
    SIZE viewport_ext{1, 1};
    int graphics_mode = GM_COMPATIBLE;
    XFORM world{1, 0, 0, 1, 0, 0};
    std::optional<std::vector<RECT>> clip; // device coordinates; none: the whole target
    POINT current_pos{};
    // Text justification: `extra` pixels over `breaks` break characters, `used` consumed so far.
    int justify_extra = 0;
    int justify_breaks = 0;
    int justify_used = 0;
};

struct DeviceContext {
    DcKind kind = DcKind::Screen;
    HWND hwnd = nullptr;
    std::shared_ptr<Surface> surface; // raster target, if any
    POINT origin{};                   // device (0, 0) on the surface
    RECT bounds{};                    // where drawing may land, surface coordinates
    int dpi_x = 96;
    int dpi_y = 96;
    std::shared_ptr<PrintJob> job; // printer DCs
    HBITMAP bitmap = nullptr;      // memory DCs
    DcState state;
    std::vector<DcState> saved;
    // While an enhanced metafile plays: its picture frame mapped onto the target, applied
    // after the metafile's own mapping.
    std::optional<cairo_matrix_t> playback;
};

// A window DC clipped to its client area (and to `client_clip`, client coordinates, if given).
HDC create_window_dc(HWND hwnd, const RECT* client_clip);
// A DC of the whole window, frame included, with its origin at the window's top left.
HDC create_frame_dc(HWND hwnd);
// Registers a DC with the default objects selected.
HDC add_dc(DeviceContext dc);
DeviceContext* find_dc(HDC dc);
DWORD dc_object_type(HGDIOBJ handle);

// Logical to device transform and conversions (rounded to nearest, halves to even).
cairo_matrix_t logical_to_device(const DeviceContext& dc);
POINT to_device(const DeviceContext& dc, POINT logical);
RECT to_device(const DeviceContext& dc, const RECT& logical); // normalised
// Where drawing may land, in surface coordinates (device coordinates for printers).
std::vector<RECT> clip_rects(const DeviceContext& dc);

// The objects selected into a DC, falling back to the defaults when one was deleted.
Pen current_pen(const DeviceContext& dc);
Brush current_brush(const DeviceContext& dc);
Font& current_font(DeviceContext& dc);

// A cairo context on the DC's target, clipped, in logical coordinates (or device
// coordinates when `logical` is false), shifted by `nudge` device pixels (lines of odd
// width sit on pixel centres); `cr` is null when there is nothing to draw on.
class Canvas {
public:
    explicit Canvas(DeviceContext& dc, bool logical = true, double nudge = 0);
    ~Canvas();
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;
    cairo_t* cr = nullptr;

private:
    Surface* surface_ = nullptr;
};

void set_source(cairo_t* cr, COLORREF color);
// A surface as the source at (x, y), with its filter and extend. The pattern is made here,
// never fetched back with cairo_get_source, which leaks a pattern on a context in error.
void set_source(cairo_t* cr, cairo_surface_t* surface, double x, double y, cairo_filter_t filter,
                cairo_extend_t extend);
// Puts a context whose matrix maps to device coordinates into logical coordinates.
void enter_logical(cairo_t* cr, const DeviceContext& dc, double nudge);
void reset_device_contexts();

} // namespace zeledit::platform
