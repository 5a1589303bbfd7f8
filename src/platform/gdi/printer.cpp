#include "platform/gdi/printer.h"

#include "platform/core/text.h"

#include <cairo-pdf.h>

#include <cmath>
#include <cstdio>

namespace zeledit::platform {
namespace {

constexpr int default_dpi = 300;
constexpr int a4_width_tenth_mm = 2100, a4_height_tenth_mm = 2970;

int dots(int tenth_mm, int dpi) { return static_cast<int>(std::lround(tenth_mm / 254.0 * dpi)); }

void close_surface(PrintJob& job) {
    if (job.pdf == nullptr) return;
    cairo_surface_finish(job.pdf);
    cairo_surface_destroy(job.pdf);
    job.pdf = nullptr;
}

} // namespace

cairo_surface_t* page_surface(DeviceContext& dc) {
    return dc.job && dc.job->page_open ? dc.job->pdf : nullptr;
}

SIZE paper_dots(const DeviceContext& dc) { return dc.job ? dc.job->paper : SIZE{}; }
POINT printable_offset(const DeviceContext& dc) { return dc.job ? dc.job->offset : POINT{}; }

void abort_job(DeviceContext& dc) {
    if (!dc.job || dc.job->pdf == nullptr) return;
    close_surface(*dc.job);
    std::remove(dc.job->temp_path.c_str());
    dc.job->page_open = false;
}

} // namespace zeledit::platform

using namespace zeledit::platform;

HDC CreateDCW(LPCWSTR driver, LPCWSTR, LPCWSTR, const DEVMODEW* mode) {
    static constexpr char16_t pdf[] = u"PDF";
    if (driver == nullptr || std::u16string_view(driver) != pdf) return nullptr;
    int dpi_x = default_dpi, dpi_y = default_dpi;
    int width = a4_width_tenth_mm, height = a4_height_tenth_mm;
    bool landscape = false;
    if (mode != nullptr) {
        if ((mode->dmFields & DM_PRINTQUALITY) && mode->dmPrintQuality > 0)
            dpi_x = dpi_y = mode->dmPrintQuality;
        if ((mode->dmFields & DM_YRESOLUTION) && mode->dmYResolution > 0) dpi_y = mode->dmYResolution;
        if ((mode->dmFields & DM_PAPERWIDTH) && mode->dmPaperWidth > 0) width = mode->dmPaperWidth;
        if ((mode->dmFields & DM_PAPERLENGTH) && mode->dmPaperLength > 0) height = mode->dmPaperLength;
        landscape = (mode->dmFields & DM_ORIENTATION) && mode->dmOrientation == DMORIENT_LANDSCAPE;
    }
    if (dpi_x > 2400 || dpi_y > 2400) return nullptr;
    if (landscape) std::swap(width, height);
    DeviceContext dc;
    dc.kind = DcKind::Printer;
    dc.dpi_x = dpi_x;
    dc.dpi_y = dpi_y;
    dc.job = std::make_shared<PrintJob>();
    dc.job->paper = {dots(width, dpi_x), dots(height, dpi_y)};
    dc.job->width_pt = width / 254.0 * 72;
    dc.job->height_pt = height / 254.0 * 72;
    dc.bounds = {0, 0, dc.job->paper.cx, dc.job->paper.cy};
    return add_dc(std::move(dc));
}

int StartDocW(HDC handle, const DOCINFOW* info) {
    DeviceContext* dc = find_dc(handle);
    if (dc == nullptr || !dc->job || dc->job->pdf != nullptr || info == nullptr ||
        info->lpszOutput == nullptr)
        return -1;
    PrintJob& job = *dc->job;
    job.path = to_utf8(wide_view(info->lpszOutput));
    job.temp_path = job.path + ".part";
    job.pdf = cairo_pdf_surface_create(job.temp_path.c_str(), job.width_pt, job.height_pt);
    if (cairo_surface_status(job.pdf) != CAIRO_STATUS_SUCCESS) {
        close_surface(job);
        return -1;
    }
    job.pages = 0;
    return 1;
}

int StartPage(HDC handle) {
    DeviceContext* dc = find_dc(handle);
    if (dc == nullptr || !dc->job || dc->job->pdf == nullptr || dc->job->page_open) return 0;
    dc->job->page_open = true;
    return 1;
}

int EndPage(HDC handle) {
    DeviceContext* dc = find_dc(handle);
    if (dc == nullptr || !dc->job || !dc->job->page_open) return 0;
    cairo_surface_show_page(dc->job->pdf);
    dc->job->page_open = false;
    ++dc->job->pages;
    return 1;
}

int EndDoc(HDC handle) {
    DeviceContext* dc = find_dc(handle);
    if (dc == nullptr || !dc->job || dc->job->pdf == nullptr) return 0;
    PrintJob& job = *dc->job;
    if (job.page_open) EndPage(handle);
    cairo_surface_finish(job.pdf);
    const bool ok = cairo_surface_status(job.pdf) == CAIRO_STATUS_SUCCESS && job.pages > 0;
    close_surface(job);
    if (!ok || std::rename(job.temp_path.c_str(), job.path.c_str()) != 0) {
        std::remove(job.temp_path.c_str());
        return 0;
    }
    return 1;
}

int AbortDoc(HDC handle) {
    DeviceContext* dc = find_dc(handle);
    if (dc == nullptr || !dc->job) return 0;
    abort_job(*dc);
    return 1;
}
