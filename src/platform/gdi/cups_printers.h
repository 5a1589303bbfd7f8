// The printers of a CUPS server, where one answers: their names, their default paper and
// resolution, and jobs sent to them as PDF files.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace zeledit::platform {

struct CupsPrinter {
    std::string name;
    bool is_default = false;
};

// Paper in hundredths of a millimetre, margins likewise; 0 where the server does not say.
struct CupsPaper {
    int width = 0, length = 0;
    int left = 0, top = 0, right = 0, bottom = 0;
    std::string media; // the server's keyword for it
    int dpi_x = 0, dpi_y = 0;
};

// What the server says of a printer; empty texts where it says nothing.
struct CupsPrinterInfo {
    std::string info, location, make_and_model, device_uri;
    int state = 3;       // 3 idle, 4 processing, 5 stopped
    std::string reasons; // printer-state-reasons, comma separated
};

// Empty when no CUPS server answers.
std::vector<CupsPrinter> cups_printers();
// None when the server does not know the printer.
std::optional<CupsPaper> cups_paper(const std::string& printer);
std::optional<CupsPrinterInfo> cups_printer_info(const std::string& printer);
// Queues a PDF file; the job's number, or 0 with `error` saying why.
int cups_print_pdf(const std::string& printer, const std::string& file, const std::string& title, int copies,
                   bool collate, const std::string& media, std::string& error);

} // namespace zeledit::platform
