#include "platform/gdi/cups_printers.h"

#include "platform/core/rounding.h"

#include <cups/cups.h>

#include <memory>

namespace zeledit::platform {
namespace {

struct DestsDeleter {
    int count;
    void operator()(cups_dest_t* d) const { cupsFreeDests(count, d); }
};

} // namespace

std::vector<CupsPrinter> cups_printers() {
    cups_dest_t* raw = nullptr;
    const int count = cupsGetDests2(CUPS_HTTP_DEFAULT, &raw);
    const std::unique_ptr<cups_dest_t, DestsDeleter> dests(raw, DestsDeleter{count});
    std::vector<CupsPrinter> out;
    for (int i = 0; i < count; ++i)
        if (raw[i].instance == nullptr) out.push_back({raw[i].name, raw[i].is_default != 0});
    return out;
}

std::optional<CupsPaper> cups_paper(const std::string& printer) {
    cups_dest_t* dest = cupsGetNamedDest(CUPS_HTTP_DEFAULT, printer.c_str(), nullptr);
    if (dest == nullptr) return std::nullopt;
    const std::unique_ptr<cups_dest_t, DestsDeleter> owned(dest, DestsDeleter{1});
    CupsPaper paper;
    if (cups_dinfo_t* info = cupsCopyDestInfo(CUPS_HTTP_DEFAULT, dest)) {
        cups_size_t size{};
        if (cupsGetDestMediaDefault(CUPS_HTTP_DEFAULT, dest, info, 0, &size)) {
            paper = {size.width, size.length, size.left, size.top, size.right, size.bottom, size.media, 0, 0};
        }
        if (ipp_attribute_t* r = cupsFindDestDefault(CUPS_HTTP_DEFAULT, dest, info, "printer-resolution")) {
            ipp_res_t units{};
            int y = 0;
            const int x = ippGetResolution(r, 0, &y, &units);
            const double per_inch = units == IPP_RES_PER_CM ? 2.54 : 1.0;
            paper.dpi_x = round_nearest(x * per_inch);
            paper.dpi_y = round_nearest(y * per_inch);
        }
        cupsFreeDestInfo(info);
    }
    return paper;
}

std::optional<CupsPrinterInfo> cups_printer_info(const std::string& printer) {
    cups_dest_t* dest = cupsGetNamedDest(CUPS_HTTP_DEFAULT, printer.c_str(), nullptr);
    if (dest == nullptr) return std::nullopt;
    const std::unique_ptr<cups_dest_t, DestsDeleter> owned(dest, DestsDeleter{1});
    auto option = [&](const char* name) {
        const char* v = cupsGetOption(name, dest->num_options, dest->options);
        return std::string(v != nullptr ? v : "");
    };
    CupsPrinterInfo info{option("printer-info"),
                         option("printer-location"),
                         option("printer-make-and-model"),
                         option("device-uri"),
                         3,
                         option("printer-state-reasons")};
    const std::string state = option("printer-state");
    if (state == "4" || state == "5") info.state = state[0] - '0';
    return info;
}

int cups_print_pdf(const std::string& printer, const std::string& file, const std::string& title, int copies,
                   bool collate, const std::string& media, std::string& error) {
    cups_option_t* options = nullptr;
    int count = 0;
    count = cupsAddOption("copies", std::to_string(copies < 1 ? 1 : copies).c_str(), count, &options);
    if (copies > 1) count = cupsAddOption("collate", collate ? "true" : "false", count, &options);
    if (!media.empty()) count = cupsAddOption("media", media.c_str(), count, &options);
    count = cupsAddOption("document-format", "application/pdf", count, &options);
    const int job =
        cupsPrintFile2(CUPS_HTTP_DEFAULT, printer.c_str(), file.c_str(), title.c_str(), count, options);
    cupsFreeOptions(count, options);
    if (job == 0) error = cupsLastErrorString();
    return job;
}

} // namespace zeledit::platform
