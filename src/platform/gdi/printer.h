// The platform's printers: the "PDF" printer, always there, which writes the job to a file,
// and the printers of a CUPS server, which receive the job as a PDF file through libcups.
#pragma once

#include "platform/gdi/device_context.h"

#include <optional>
#include <string>
#include <string_view>

namespace zeledit::platform {

struct PrintJob {
    SIZE paper{};        // in dots
    RECT margins{};      // unprintable edges, in dots
    double width_pt = 0; // the paper's exact size in points
    double height_pt = 0;
    std::string printer; // a CUPS printer; empty for the PDF printer
    std::string media;   // the paper's CUPS keyword, if it has one
    int copies = 1;
    bool collate = false;
    std::string title;
    std::string path;      // the file asked for; empty when the job goes to `printer`
    std::string temp_path; // where the PDF grows until the job ends
    cairo_surface_t* pdf = nullptr;
    bool page_open = false;
    int pages = 0;
};

// A printer's device mode before anyone changed it; none for a printer there is not.
std::optional<DEVMODEW> printer_defaults(std::u16string_view name);

cairo_surface_t* page_surface(DeviceContext& dc); // null outside a page
SIZE paper_dots(const DeviceContext& dc);
RECT unprintable_margins(const DeviceContext& dc);
void abort_job(DeviceContext& dc);

} // namespace zeledit::platform
