// Printing options before a document is printed: the printer a host prints on (`Printer()`,
// shared with the library's print dialog) and the print dialog (`TExPrintDialog`), which lets
// the user choose the printer and its settings, the pages, odd or even pages and copies.
//
// Printing pages 2 to 3 of an editor's document on the printer the user chose:
//
//   zeledit::TExPrintDialog dialog;
//   dialog.FMinPage = 1;
//   dialog.FMaxPage = static_cast<WORD>(SendMessageW(editor, EFM_REPAGINATE, 0, 0));
//   dialog.FEnglishLanguage = true;
//   if (!dialog.Execute(frame)) return;                  // cancelled: nothing changed
//   HDC printer = zeledit::Printer().CreateDC();         // the printer, paper and copies chosen
//   for (int page = 1; page <= dialog.FMaxPage; ++page)
//       if (dialog.Prints(page, current_page)) { /* StartPage, EFM_PRINTPAGE, EndPage */ }
//   DeleteDC(printer);
//
// The dialog's controls, for hosts and tests that fill it through the dialog hook
// (SetDialogHook in <zeledit/controls.h>); Print is IDOK, Cancel IDCANCEL.
#pragma once

#include <zeledit/win_gdi.h>
#include <zeledit/win_user.h>

#include <functional>
#include <string>
#include <vector>

namespace zeledit {

enum PrintDialogControl : int {
    PrintPrinterList = 1101, // combo box of the printers; choosing one makes it the current printer
    PrintProperties = 1102,  // the printer's own settings (paper, orientation, copies, collation)
    PrintStatus = 1103,      // the chosen printer's status, type, port and comment
    PrintType = 1104,
    PrintPort = 1105,
    PrintComment = 1106,
    PrintAllPages = 1107, // radio buttons: which pages
    PrintCurrentPage = 1108,
    PrintSelection = 1109,
    PrintPageRange = 1110,
    PrintFromPage = 1111, // spin edits, enabled with PrintPageRange
    PrintToPage = 1112,
    PrintCopies = 1113, // spin edit
    PrintCollate = 1114,
    PrintOddEven = 1115, // combo box: all, odd or even pages
    // The printer's settings dialog (Properties..., or DocumentPropertiesW with DM_IN_PROMPT):
    // OK takes them.
    SettingsPaper = 1121, // combo box: Letter, Legal, Executive, A3, A4, A5, B5
    SettingsPortrait = 1122,
    SettingsLandscape = 1123,
    SettingsCopies = 1124,
    SettingsCollate = 1125,
};

// The printer a host prints on: one of the installed printers ("PDF" and the CUPS
// destinations) with its device mode. The print dialog changes it; a host reads it.
class ZE_API TPrinter {
public:
    // "PDF" first, then the CUPS destinations, asked afresh each time.
    std::vector<std::u16string> Printers() const;
    // The current printer's index in Printers(): the default printer until one is chosen; -1
    // when the printer chosen is no longer there.
    int PrinterIndex() const;
    // Makes a printer current with its own device mode; false for an index out of range.
    bool SetPrinterIndex(int index);
    std::u16string Name() const;
    // Paper, orientation, copies and collation of the current printer.
    DEVMODEW DevMode() const;
    void SetDevMode(const DEVMODEW& mode);
    int Copies() const;
    void SetCopies(int copies); // at least 1
    bool Collate() const;
    // A device context on the current printer with its device mode, or null; the caller
    // deletes it (DeleteDC).
    HDC CreateDC() const;

private:
    std::u16string name_; // empty: the default printer
    DEVMODEW mode_{};     // dmSize 0 until the printer's own was read
};
ZE_API TPrinter& Printer();

enum TExPrintDialogOption : unsigned { pdoUsePrintRange = 1, pdoUseSelection = 2, pdoCurrentPage = 4 };
using TExPrintDialogOptions = unsigned;
enum TExPrintPageRange { pprAll, pprCurrent, pprSelection, pprPages };
enum TExPrintRange { prrAll, prrOdds, prrEvens };

// The print dialog as a component: set its fields, Execute, read the results.
class ZE_API TExPrintDialog {
public:
    // Runs the dialog over `owner`; true when Print was pressed. False at once, showing
    // nothing, when no printer is installed; cancelled, every result stays as it was.
    bool Execute(HWND owner = nullptr);
    void SetColors(COLORREF back, COLORREF highlight, COLORREF shadow);
    // The colour broadcast (message 47059): unless FLockColor, the colours at offsets 4, 8
    // and 12 of the record `lParam` points to.
    void ColorBroadcast(LPARAM record);
    // Whether `page` (1 first) is among the pages chosen: its range and odd or even pages.
    // `current` is the page the caret is on; a selection's pages are the caller's to know
    // and count as all here.
    bool Prints(int page, int current) const;

    // pdoUsePrintRange shows the odd/even choice; pdoUseSelection and pdoCurrentPage offer
    // those page options.
    TExPrintDialogOptions FOptions = pdoUsePrintRange | pdoUseSelection | pdoCurrentPage;
    WORD FMinPage = 0, FMaxPage = 0; // the from-to choice needs both above 0
    TExPrintPageRange FPageRange = pprAll;
    WORD FFromPage = 0, FToPage = 0;
    TExPrintRange FPrintRange = prrAll;
    bool FEnglishLanguage = false;
    bool FLockColor = true;
    COLORREF FBackColor = GetSysColor(COLOR_BTNFACE);
    COLORREF FHighColor = GetSysColor(COLOR_BTNHIGHLIGHT);
    COLORREF FShadColor = GetSysColor(COLOR_BTNSHADOW);
    bool FSmooth = false;
    // Called when the printer or its settings change while the dialog is open.
    std::function<void()> FOnChange;
};

} // namespace zeledit
