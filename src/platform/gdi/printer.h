// The platform printer: a device context whose pages go to a PDF file.
#pragma once

#include "platform/gdi/device_context.h"

#include <string>

namespace zeledit::platform {

struct PrintJob {
    SIZE paper{};        // in dots
    double width_pt = 0; // the paper's exact size in points
    double height_pt = 0;
    POINT offset{}; // unprintable margin, in dots
    std::string path;
    std::string temp_path;
    cairo_surface_t* pdf = nullptr;
    bool page_open = false;
    int pages = 0;
};

cairo_surface_t* page_surface(DeviceContext& dc); // null outside a page
SIZE paper_dots(const DeviceContext& dc);
POINT printable_offset(const DeviceContext& dc);
void abort_job(DeviceContext& dc);

} // namespace zeledit::platform
