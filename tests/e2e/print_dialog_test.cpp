// The print dialog and the printer object as a host uses them: Execute, the dialog filled
// through the hook, the results and the printer's settings read back.
#include "controls/controls.h"
#include "dialogs/printer_status.h"
#include "e2e/dialog_queue.h"

#include <zeledit/controls.h>
#include <zeledit/headless.h>
#include <zeledit/print_dialog.h>
#include <zeledit/zeledit.h>

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <string>

namespace zeledit::test {
namespace {

class PrintDialog : public ::testing::Test {
protected:
    void SetUp() override {
        headless::Reset();
        InitEditorLib();
        Printer().SetPrinterIndex(0); // "PDF", with its own settings
    }
    void TearDown() override { headless::Reset(); }
    static std::u16string shown(HWND d, int id) { return controls::window_text(GetDlgItem(d, id)); }
    static bool enabled(HWND d, int id) { return IsWindowEnabled(GetDlgItem(d, id)) != FALSE; }
    static bool visible(HWND d, int id) { return IsWindowVisible(GetDlgItem(d, id)) != FALSE; }
    static void press(HWND d, int id) { SendMessageW(GetDlgItem(d, id), BM_CLICK, 0, 0); }
    static int height(HWND d) {
        RECT r{};
        GetWindowRect(d, &r);
        return r.bottom - r.top;
    }

    DialogQueue queue;
};

TEST_F(PrintDialog, TheChoicesComeBackOnPrint) {
    TExPrintDialog dialog;
    dialog.FMinPage = 1;
    dialog.FMaxPage = 9;
    queue.push_back([](HWND d) {
        EXPECT_EQ(controls::window_text(d), u"In dữ liệu");
        EXPECT_EQ(shown(d, PrintType), u"zeledit PDF writer");
        EXPECT_EQ(shown(d, PrintStatus), u"Đang rỗi");
        EXPECT_FALSE(enabled(d, PrintFromPage)); // behind "all pages"
        press(d, PrintPageRange);
        EXPECT_TRUE(enabled(d, PrintFromPage));
        SendMessageW(GetDlgItem(d, PrintFromPage), ZSEM_SETPOS, 3, 0);
        SendMessageW(GetDlgItem(d, PrintToPage), ZSEM_SETPOS, 7, 0);
        SendMessageW(GetDlgItem(d, PrintOddEven), CB_SETCURSEL, 2, 0);
        press(d, IDOK);
    });
    ASSERT_TRUE(dialog.Execute());
    EXPECT_EQ(dialog.FPageRange, pprPages);
    EXPECT_EQ(dialog.FFromPage, 3);
    EXPECT_EQ(dialog.FToPage, 7);
    EXPECT_EQ(dialog.FPrintRange, prrEvens);
    EXPECT_FALSE(dialog.Prints(3, 1));
    EXPECT_TRUE(dialog.Prints(4, 1));
    EXPECT_FALSE(dialog.Prints(8, 1));
}

TEST_F(PrintDialog, CancellingKeepsEveryResult) {
    TExPrintDialog dialog;
    dialog.FMinPage = 1;
    dialog.FMaxPage = 5;
    dialog.FFromPage = 2;
    dialog.FPrintRange = prrOdds;
    queue.push_back([](HWND d) {
        press(d, PrintPageRange);
        SendMessageW(GetDlgItem(d, PrintOddEven), CB_SETCURSEL, 2, 0);
        press(d, IDCANCEL);
    });
    EXPECT_FALSE(dialog.Execute());
    EXPECT_EQ(dialog.FPageRange, pprAll);
    EXPECT_EQ(dialog.FFromPage, 2);
    EXPECT_EQ(dialog.FPrintRange, prrOdds);
}

TEST_F(PrintDialog, OptionsAndLimitsDecideWhatIsOffered) {
    TExPrintDialog dialog;
    dialog.FMinPage = 1; // no maximum: no page range
    dialog.FOptions = pdoCurrentPage;
    dialog.FEnglishLanguage = true;
    int full = 0, short_form = 0;
    queue.push_back([&](HWND d) {
        EXPECT_EQ(controls::window_text(d), u"Print");
        EXPECT_FALSE(enabled(d, PrintPageRange));
        EXPECT_TRUE(enabled(d, PrintCurrentPage));
        EXPECT_FALSE(enabled(d, PrintSelection));
        EXPECT_FALSE(visible(d, PrintOddEven));
        EXPECT_EQ(shown(d, PrintStatus), u"Idle");
        short_form = height(d);
        press(d, PrintCurrentPage);
        press(d, IDOK);
    });
    ASSERT_TRUE(dialog.Execute());
    EXPECT_EQ(dialog.FPageRange, pprCurrent);
    EXPECT_EQ(dialog.FPrintRange, prrAll); // the hidden list's first item
    EXPECT_TRUE(dialog.Prints(2, 2));
    EXPECT_FALSE(dialog.Prints(3, 2));
    TExPrintDialog other;
    queue.push_back([&](HWND d) {
        full = height(d);
        press(d, IDCANCEL);
    });
    other.Execute();
    EXPECT_LT(short_form, full);
}

TEST_F(PrintDialog, ThePrintersSettingsGoToThePrinterObject) {
    TExPrintDialog dialog;
    int changes = 0;
    dialog.FOnChange = [&] { ++changes; };
    queue.push_back([this](HWND d) {
        queue.push_back([](HWND settings) { // Properties...: the printer's own dialog
            SendMessageW(GetDlgItem(settings, SettingsPaper), CB_SETCURSEL, 0, 0); // Letter
            press(settings, SettingsLandscape);
            SendMessageW(controls::find_item(settings, SettingsCopies), ZSEM_SETPOS, 3, 0);
            press(settings, SettingsCollate);
            press(settings, IDOK);
        });
        press(d, PrintProperties);
        EXPECT_EQ(SendMessageW(GetDlgItem(d, PrintCopies), ZSEM_GETPOS, 0, 0), 3);
        EXPECT_EQ(SendMessageW(GetDlgItem(d, PrintCollate), BM_GETCHECK, 0, 0), BST_CHECKED);
        press(d, PrintCollate); // off again, straight into the device mode
        press(d, IDOK);
    });
    ASSERT_TRUE(dialog.Execute());
    EXPECT_EQ(changes, 1);
    const DEVMODEW mode = Printer().DevMode();
    EXPECT_EQ(mode.dmPaperSize, DMPAPER_LETTER);
    EXPECT_EQ(mode.dmOrientation, DMORIENT_LANDSCAPE);
    EXPECT_EQ(Printer().Copies(), 3);
    EXPECT_FALSE(Printer().Collate());
    // The device context follows: Letter, landscape.
    HDC dc = Printer().CreateDC();
    ASSERT_NE(dc, nullptr);
    EXPECT_GT(GetDeviceCaps(dc, HORZRES), GetDeviceCaps(dc, VERTRES));
    DeleteDC(dc);
    // Choosing the printer again brings back its own settings.
    Printer().SetPrinterIndex(0);
    EXPECT_EQ(Printer().Copies(), 1);
}

TEST_F(PrintDialog, APrinterOpenedByNameDescribesItself) {
    HANDLE h = nullptr;
    EXPECT_FALSE(OpenPrinterW(u"no such printer", &h, nullptr));
    ASSERT_TRUE(OpenPrinterW(u"PDF", &h, nullptr));
    DWORD needed = 0;
    EXPECT_FALSE(GetPrinterW(h, 2, nullptr, 0, &needed));
    std::vector<BYTE> buffer(needed);
    ASSERT_TRUE(GetPrinterW(h, 2, buffer.data(), needed, &needed));
    const auto* info = reinterpret_cast<const PRINTER_INFO_2W*>(buffer.data());
    EXPECT_EQ(std::u16string(info->pPrinterName), u"PDF");
    EXPECT_EQ(std::u16string(info->pPortName), u"FILE:");
    EXPECT_EQ(info->pDevMode->dmPaperSize, DMPAPER_A4);
    EXPECT_EQ(info->Status, 0u);
    EXPECT_EQ(DocumentPropertiesW(nullptr, h, nullptr, nullptr, nullptr, 0), LONG{sizeof(DEVMODEW)});
    EXPECT_TRUE(ClosePrinter(h));
    EXPECT_FALSE(ClosePrinter(h));
    EXPECT_FALSE(GetPrinterW(h, 2, buffer.data(), needed, &needed));
}

TEST(PrinterStatus, EachConditionInWordsAndTwoAtOnceAsIdle) {
    EXPECT_EQ(std::u16string(dialogs::PrinterStatusText(8, false)), u"Kẹt giấy");
    EXPECT_EQ(std::u16string(dialogs::PrinterStatusText(8, true)), u"Paper jam");
    EXPECT_EQ(std::u16string(dialogs::PrinterStatusText(4194304, true)), u"Door open");
    EXPECT_EQ(std::u16string(dialogs::PrinterStatusText(0, false)), u"Đang rỗi");
    EXPECT_EQ(std::u16string(dialogs::PrinterStatusText(8 | 16, true)), u"Idle");
}

TEST_F(PrintDialog, PicturesInBothLanguages) {
    for (bool english : {false, true}) {
        TExPrintDialog dialog;
        dialog.FMinPage = 1;
        dialog.FMaxPage = 12;
        dialog.FEnglishLanguage = english;
        queue.push_back([english](HWND d) {
            headless::PumpMessages();
            const std::string name = english ? "print-english.png" : "print-vietnamese.png";
            EXPECT_TRUE(headless::WritePng(d, (::testing::TempDir() + name).c_str()));
            press(d, IDCANCEL);
        });
        dialog.Execute();
    }
}

} // namespace
} // namespace zeledit::test
