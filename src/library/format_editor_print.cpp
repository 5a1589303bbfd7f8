// The control's printer: the device context it lends the editor, and Print.
#include "library/format_editor_window.h"

#include <zeledit/format_editor.h>
#include <zeledit/print_dialog.h>

#include <algorithm>

namespace zeledit {
namespace {

// What decides the pages a printer context lays out.
bool SamePages(const DEVMODEW& a, const DEVMODEW& b) {
    return a.dmFields == b.dmFields && a.dmOrientation == b.dmOrientation && a.dmPaperSize == b.dmPaperSize &&
           a.dmPaperLength == b.dmPaperLength && a.dmPaperWidth == b.dmPaperWidth && a.dmScale == b.dmScale &&
           a.dmCopies == b.dmCopies && a.dmPrintQuality == b.dmPrintQuality &&
           a.dmYResolution == b.dmYResolution && a.dmCollate == b.dmCollate;
}

} // namespace

// The current printer's context, made again when another printer or other settings became
// current since.
HDC TCustomFormatEditor::PrinterDC() {
    const DEVMODEW mode = Printer().DevMode();
    const std::u16string name = Printer().Name();
    if (FPrinterDC != nullptr && name == FPrinterName && SamePages(mode, FPrinterMode)) return FPrinterDC;
    DropPrinterDC();
    FPrinterDC = Printer().CreateDC();
    FPrinterName = name;
    FPrinterMode = mode;
    return FPrinterDC;
}

void TCustomFormatEditor::DropPrinterDC() {
    if (FPrinterDC != nullptr) DeleteDC(FPrinterDC);
    FPrinterDC = nullptr;
}

// The dialog's pages are printed without running the message loop in between: what the loop
// would run might destroy this control.
bool TCustomFormatEditor::Print(std::u16string_view title, std::u16string_view output) {
    const int pages = Pages();
    TExPrintDialog dialog;
    dialog.SetColors(FBackColor, FHighColor, FShadColor);
    dialog.FOnChange = [this] { PrinterChange(); };
    dialog.FMinPage = 1;
    dialog.FMaxPage = static_cast<WORD>(std::clamp(pages, 0, 65535));
    dialog.FOptions = CurrentPage() > 0 ? pdoUsePrintRange | pdoCurrentPage : pdoUsePrintRange;
    dialog.FEnglishLanguage = FUseEnglish;
    if (!dialog.Execute(GetParent(Handle()))) return false;
    int from = 1, to = pages;
    if (dialog.FPageRange == pprCurrent) {
        from = to = CurrentPage();
    } else if (dialog.FPageRange == pprPages) {
        from = dialog.FFromPage;
        to = dialog.FToPage;
    }
    if (HWND top = GetParent(Handle())) UpdateWindow(top); // the screen without the dialog
    HDC printer = PrinterDC();
    if (printer == nullptr || !BeginPrint()) return false;
    const std::u16string name(title), file(output);
    DOCINFOW doc{sizeof doc, name.c_str(), file.empty() ? nullptr : file.c_str(), nullptr, 0};
    bool ok = StartDocW(printer, &doc) > 0;
    int printed = 0;
    for (int page = std::max(from, 1); ok && page <= std::min(to, pages); ++page) {
        if ((dialog.FPrintRange == prrOdds && page % 2 == 0) ||
            (dialog.FPrintRange == prrEvens && page % 2 != 0))
            continue;
        ok = StartPage(printer) > 0;
        PrintPage(printer, page);
        ok = EndPage(printer) > 0 && ok;
        ++printed;
    }
    if (ok && printed > 0) {
        ok = EndDoc(printer) > 0;
    } else {
        AbortDoc(printer); // no empty file or job for a range without pages
        ok = false;
    }
    EndPrint();
    return ok;
}

} // namespace zeledit
