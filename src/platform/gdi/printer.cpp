#include "platform/gdi/printer.h"

#include "platform/core/text.h"
#include "platform/gdi/cups_printers.h"

#include <zeledit/win_user.h>

#include <cairo-pdf.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <unistd.h>

namespace zeledit::platform {
namespace {

constexpr int default_dpi = 600;
constexpr int max_dpi = 2400;

struct PaperSize {
    short code;
    int width, length; // tenths of a millimetre
    const char* media;
};

constexpr PaperSize paper_sizes[] = {
    {DMPAPER_LETTER, 2159, 2794, "na_letter_8.5x11in"},
    {DMPAPER_LEGAL, 2159, 3556, "na_legal_8.5x14in"},
    {DMPAPER_EXECUTIVE, 1842, 2667, "na_executive_7.25x10.5in"},
    {DMPAPER_A3, 2970, 4200, "iso_a3_297x420mm"},
    {DMPAPER_A4, 2100, 2970, "iso_a4_210x297mm"},
    {DMPAPER_A5, 1480, 2100, "iso_a5_148x210mm"},
    {DMPAPER_B5, 1820, 2570, "jis_b5_182x257mm"},
};

// What a printer prints on: its defaults, then what the DEVMODEW asks for.
struct Paper {
    int dpi_x = default_dpi, dpi_y = default_dpi;
    int width = 2100, length = 2970;              // tenths of a millimetre
    int left = 0, top = 0, right = 0, bottom = 0; // hundredths of a millimetre
    std::string media = "iso_a4_210x297mm";
    bool landscape = false;
    int copies = 1;
    bool collate = false;
};

bool apply(Paper& p, const DEVMODEW* mode) {
    if (mode == nullptr) return true;
    const DWORD f = mode->dmFields;
    if ((f & DM_PRINTQUALITY) && mode->dmPrintQuality > 0) p.dpi_x = p.dpi_y = mode->dmPrintQuality;
    if ((f & DM_YRESOLUTION) && mode->dmYResolution > 0) p.dpi_y = mode->dmYResolution;
    if (f & DM_PAPERSIZE) {
        for (const PaperSize& s : paper_sizes)
            if (s.code == mode->dmPaperSize) {
                p.width = s.width;
                p.length = s.length;
                p.media = s.media;
            }
    }
    if ((f & DM_PAPERWIDTH) && mode->dmPaperWidth > 0) {
        p.width = mode->dmPaperWidth;
        p.media.clear();
    }
    if ((f & DM_PAPERLENGTH) && mode->dmPaperLength > 0) {
        p.length = mode->dmPaperLength;
        p.media.clear();
    }
    if (f & DM_ORIENTATION) p.landscape = mode->dmOrientation == DMORIENT_LANDSCAPE;
    if ((f & DM_COPIES) && mode->dmCopies > 0) p.copies = mode->dmCopies;
    if (f & DM_COLLATE) p.collate = mode->dmCollate == DMCOLLATE_TRUE;
    return p.dpi_x <= max_dpi && p.dpi_y <= max_dpi;
}

int dots(double tenth_mm, int dpi) { return static_cast<int>(std::lround(tenth_mm / 254.0 * dpi)); }

void close_surface(PrintJob& job) {
    if (job.pdf == nullptr) return;
    cairo_surface_finish(job.pdf);
    cairo_surface_destroy(job.pdf);
    job.pdf = nullptr;
}

HDC make_printer_dc(const Paper& p, const std::string& printer) {
    int width = p.width, length = p.length;
    RECT m{p.left, p.top, p.right, p.bottom};
    if (p.landscape) {
        std::swap(width, length);
        m = {p.top, p.right, p.bottom, p.left};
    }
    DeviceContext dc;
    dc.kind = DcKind::Printer;
    dc.dpi_x = p.dpi_x;
    dc.dpi_y = p.dpi_y;
    auto job = std::make_shared<PrintJob>();
    job->paper = {dots(width, p.dpi_x), dots(length, p.dpi_y)};
    job->margins = {dots(m.left / 10.0, p.dpi_x), dots(m.top / 10.0, p.dpi_y), dots(m.right / 10.0, p.dpi_x),
                    dots(m.bottom / 10.0, p.dpi_y)};
    job->width_pt = width / 254.0 * 72;
    job->height_pt = length / 254.0 * 72;
    job->printer = printer;
    job->media = p.media;
    job->copies = p.copies;
    job->collate = p.collate;
    // The device's (0, 0) is the printable area's corner, as on every printer.
    dc.origin = {job->margins.left, job->margins.top};
    dc.bounds = {job->margins.left, job->margins.top, job->paper.cx - job->margins.right,
                 job->paper.cy - job->margins.bottom};
    dc.job = std::move(job);
    return add_dc(std::move(dc));
}

// A CUPS printer's own paper and resolution, where the server gives them.
Paper cups_defaults(const CupsPaper& c) {
    Paper p;
    if (c.width > 0 && c.length > 0) {
        p.width = c.width / 10;
        p.length = c.length / 10;
        p.left = c.left;
        p.top = c.top;
        p.right = c.right;
        p.bottom = c.bottom;
        p.media = c.media;
    }
    if (c.dpi_x > 0 && c.dpi_y > 0 && c.dpi_x <= max_dpi && c.dpi_y <= max_dpi) {
        p.dpi_x = c.dpi_x;
        p.dpi_y = c.dpi_y;
    }
    return p;
}

// A printer's own paper as a device mode: a known size by its code, any other by its measures.
DEVMODEW device_mode_of(const Paper& p, std::u16string_view name) {
    DEVMODEW m{};
    const std::size_t n = std::min<std::size_t>(name.size(), 31);
    std::copy_n(name.begin(), n, m.dmDeviceName);
    m.dmSize = sizeof m;
    m.dmFields = DM_ORIENTATION | DM_COPIES | DM_COLLATE | DM_PRINTQUALITY | DM_YRESOLUTION;
    m.dmOrientation = DMORIENT_PORTRAIT;
    m.dmCopies = 1;
    m.dmCollate = DMCOLLATE_FALSE;
    m.dmPrintQuality = static_cast<short>(p.dpi_x);
    m.dmYResolution = static_cast<short>(p.dpi_y);
    for (const PaperSize& s : paper_sizes)
        if (s.media == p.media || (s.width == p.width && s.length == p.length)) m.dmPaperSize = s.code;
    if (m.dmPaperSize != 0) {
        m.dmFields |= DM_PAPERSIZE;
    } else {
        m.dmFields |= DM_PAPERWIDTH | DM_PAPERLENGTH;
        m.dmPaperWidth = static_cast<short>(std::min(p.width, 32767));
        m.dmPaperLength = static_cast<short>(std::min(p.length, 32767));
    }
    return m;
}

std::string temp_pdf_path() {
    const char* dir = std::getenv("TMPDIR");
    std::string path = std::string(dir != nullptr && *dir != 0 ? dir : "/tmp") + "/zeledit-job-XXXXXX";
    const int fd = mkstemp(path.data());
    if (fd < 0) return {};
    close(fd);
    return path;
}

} // namespace

cairo_surface_t* page_surface(DeviceContext& dc) {
    return dc.job && dc.job->page_open ? dc.job->pdf : nullptr;
}

SIZE paper_dots(const DeviceContext& dc) { return dc.job ? dc.job->paper : SIZE{}; }
RECT unprintable_margins(const DeviceContext& dc) { return dc.job ? dc.job->margins : RECT{}; }

void abort_job(DeviceContext& dc) {
    if (!dc.job || dc.job->pdf == nullptr) return;
    close_surface(*dc.job);
    std::remove(dc.job->temp_path.c_str());
    dc.job->page_open = false;
}

std::optional<DEVMODEW> printer_defaults(std::u16string_view name) {
    if (name == u"PDF") return device_mode_of(Paper{}, name);
    const auto cups = cups_paper(to_utf8(name));
    if (!cups) return std::nullopt;
    return device_mode_of(cups_defaults(*cups), name);
}

} // namespace zeledit::platform

using namespace zeledit::platform;

// The printer is named by `device` (or, as the PDF printer always was, by `driver`).
HDC CreateDCW(LPCWSTR driver, LPCWSTR device, LPCWSTR, const DEVMODEW* mode) {
    const std::u16string_view name = device != nullptr && *device != 0 ? wide_view(device)
                                     : driver != nullptr               ? wide_view(driver)
                                                                       : std::u16string_view{};
    if (name.empty()) return nullptr;
    if (name == u"PDF") {
        Paper p;
        return apply(p, mode) ? make_printer_dc(p, {}) : nullptr;
    }
    if (name == u"DISPLAY" || name == u"WINSPOOL") return nullptr;
    const std::string printer = to_utf8(name);
    const auto cups = cups_paper(printer);
    if (!cups) return nullptr;
    Paper p = cups_defaults(*cups);
    return apply(p, mode) ? make_printer_dc(p, printer) : nullptr;
}

int StartDocW(HDC handle, const DOCINFOW* info) {
    DeviceContext* dc = find_dc(handle);
    if (dc == nullptr || !dc->job || dc->job->pdf != nullptr || info == nullptr) return -1;
    PrintJob& job = *dc->job;
    job.title = info->lpszDocName != nullptr ? to_utf8(wide_view(info->lpszDocName)) : "zeledit";
    if (info->lpszOutput != nullptr) {
        job.path = to_utf8(wide_view(info->lpszOutput));
        job.temp_path = job.path + ".part";
    } else if (!job.printer.empty()) {
        job.path.clear();
        job.temp_path = temp_pdf_path();
    } else {
        return -1; // the PDF printer needs a file
    }
    if (job.temp_path.empty()) return -1;
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

// The file appears (or the job is queued) only when the whole document was written.
int EndDoc(HDC handle) {
    DeviceContext* dc = find_dc(handle);
    if (dc == nullptr || !dc->job || dc->job->pdf == nullptr) return 0;
    PrintJob& job = *dc->job;
    if (job.page_open) EndPage(handle);
    cairo_surface_finish(job.pdf);
    const bool ok = cairo_surface_status(job.pdf) == CAIRO_STATUS_SUCCESS && job.pages > 0;
    close_surface(job);
    if (!ok) {
        std::remove(job.temp_path.c_str());
        return 0;
    }
    if (job.path.empty()) {
        std::string error;
        const int queued =
            cups_print_pdf(job.printer, job.temp_path, job.title, job.copies, job.collate, job.media, error);
        std::remove(job.temp_path.c_str());
        return queued > 0 ? 1 : 0;
    }
    if (std::rename(job.temp_path.c_str(), job.path.c_str()) != 0) {
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

namespace {

// Fills a PRINTER_INFO_4W array with the strings packed after it; answers the bytes needed.
DWORD pack_printer_infos(const std::vector<std::u16string>& names, LPBYTE buffer, DWORD size) {
    DWORD needed = static_cast<DWORD>(names.size() * sizeof(PRINTER_INFO_4W));
    for (const auto& n : names) needed += static_cast<DWORD>((n.size() + 1) * sizeof(char16_t));
    if (buffer == nullptr || size < needed) return needed;
    auto* infos = reinterpret_cast<PRINTER_INFO_4W*>(buffer);
    auto* text = reinterpret_cast<char16_t*>(buffer + names.size() * sizeof(PRINTER_INFO_4W));
    for (std::size_t i = 0; i < names.size(); ++i) {
        std::memcpy(text, names[i].c_str(), (names[i].size() + 1) * sizeof(char16_t));
        infos[i] = {text, nullptr, PRINTER_ATTRIBUTE_LOCAL};
        text += names[i].size() + 1;
    }
    return needed;
}

} // namespace

BOOL EnumPrintersW(DWORD, LPWSTR, DWORD level, LPBYTE buffer, DWORD size, LPDWORD needed, LPDWORD returned) {
    if (level != 4 || needed == nullptr || returned == nullptr) {
        SetLastError(ERROR_INVALID_LEVEL);
        return FALSE;
    }
    std::vector<std::u16string> names{u"PDF"};
    for (const CupsPrinter& p : cups_printers()) names.push_back(from_utf8(p.name));
    *needed = pack_printer_infos(names, buffer, size);
    if (buffer == nullptr || size < *needed) {
        *returned = 0;
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return FALSE;
    }
    *returned = static_cast<DWORD>(names.size());
    return TRUE;
}

BOOL GetDefaultPrinterW(LPWSTR buffer, LPDWORD size) {
    if (size == nullptr) return FALSE;
    std::u16string name = u"PDF";
    for (const CupsPrinter& p : cups_printers())
        if (p.is_default) name = from_utf8(p.name);
    const DWORD wanted = static_cast<DWORD>(name.size() + 1);
    if (buffer == nullptr || *size < wanted) {
        *size = wanted;
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return FALSE;
    }
    std::memcpy(buffer, name.c_str(), wanted * sizeof(char16_t));
    *size = wanted;
    return TRUE;
}
