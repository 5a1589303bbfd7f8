// What a host does to print an editor's document: open a printer by name, lend it to the
// editor when it asks (EFN_QUERYPRINTER), draw headers and footers when it asks
// (EFN_QUERYHEADERFOOTER), and send the page messages in their order. The demo and zdfconv
// share it; it uses the library's public messages only.
#pragma once

#include <zeledit/zeledit.h>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>

namespace printhost {

struct Settings {
    std::u16string printer = u"PDF"; // "PDF" or a CUPS printer
    short paper = DMPAPER_A4;
    bool landscape = false;
    short copies = 1;
    TPageRec page = DefaultPage(); // margins, scale, columns
    bool page_numbers = false;     // "Page N of M" below each page, the name above it
    std::u16string document_name;
    // The printer's device mode as its settings dialog left it, over paper, landscape and
    // copies above.
    std::optional<DEVMODEW> mode;
    // The pages to print (1 first); every page when empty.
    std::function<bool(int page)> wanted;

    // Margins 1 inch top and bottom, 1.25 left and right; scale 100; one column.
    static TPageRec DefaultPage();
};

// An open printer, closed with the object.
class Printer {
public:
    // None, with the reason in `why`, when the printer cannot be opened.
    static std::unique_ptr<Printer> Open(const Settings& settings, std::u16string& why);
    ~Printer();
    Printer(const Printer&) = delete;
    Printer& operator=(const Printer&) = delete;
    HDC dc() const { return dc_; }

private:
    explicit Printer(HDC dc) : dc_(dc) {}
    HDC dc_;
};

// While it lives, `editor` gets `printer` when it asks for one and pages get the headers and
// footers of `settings`. An editor has one lending at most; printing through one that exists
// lends it another printer for the time of the job.
class Lending {
public:
    Lending(HWND editor, HDC printer, const Settings& settings);
    ~Lending();
    Lending(const Lending&) = delete;
    Lending& operator=(const Lending&) = delete;
    static Lending* Of(HWND editor);

    struct Terms {
        HDC printer;
        const Settings* settings;
        int pages; // for "of M"; 0 while unknown
    };
    // The terms lent from now on; answers the ones before.
    Terms Lend(const Terms& terms) { return std::exchange(terms_, terms); }
    void SetPageCount(int pages) { terms_.pages = pages; }

private:
    static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    void DrawHeaderAndFooter(const THeaderFooterInfo& info) const;
    HWND editor_;
    Terms terms_;
    WNDPROC previous_ = nullptr;
};

// Prints the document's wanted pages on the settings' printer: to `output` when it is not
// empty (the PDF printer needs it), else to the printer itself. Answers the pages printed, or
// 0 with the reason in `why`; a file is written whole or not at all.
int PrintDocument(HWND editor, const Settings& settings, const std::u16string& output, std::u16string& why);

} // namespace printhost
