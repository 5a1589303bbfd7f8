// Real printers: the printers of a CUPS server listed beside the PDF printer, and an editor's
// document printed to one, arriving at the queue's device as a PDF with its pages.
#include "e2e/host_recorder.h"
#include "e2e/layout_test.h"
#include "support/private_cupsd.h"
#include "support/run_command.h"

#include <cstdio>
#include <fstream>
#include <sstream>
#include <vector>

namespace zeledit::test {
namespace {

std::vector<std::u16string> printer_names() {
    DWORD needed = 0, returned = 0;
    EXPECT_FALSE(EnumPrintersW(PRINTER_ENUM_LOCAL, nullptr, 4, nullptr, 0, &needed, &returned));
    EXPECT_EQ(GetLastError(), ERROR_INSUFFICIENT_BUFFER);
    std::vector<BYTE> buffer(needed);
    EXPECT_TRUE(EnumPrintersW(PRINTER_ENUM_LOCAL, nullptr, 4, buffer.data(), needed, &needed, &returned));
    std::vector<std::u16string> names;
    const auto* infos = reinterpret_cast<const PRINTER_INFO_4W*>(buffer.data());
    for (DWORD i = 0; i < returned; ++i) names.emplace_back(infos[i].pPrinterName);
    return names;
}

std::string read(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

TEST(CupsPrinters, WithoutAServerOnlyThePdfPrinterIsThere) {
    PrivateCupsd::UseServer("/nonexistent/zeledit/cups.sock");
    EXPECT_EQ(printer_names(), std::vector<std::u16string>{u"PDF"});
    EXPECT_EQ(CreateDCW(nullptr, u"zeledit-test", nullptr, nullptr), nullptr);
    WCHAR name[16];
    DWORD size = 16;
    ASSERT_TRUE(GetDefaultPrinterW(name, &size));
    EXPECT_EQ(std::u16string(name), u"PDF");
    PrivateCupsd::UseServer(nullptr);
}

TEST(CupsPrinters, AreListedBesideThePdfPrinter) {
    PrivateCupsd cups;
    if (!cups.running()) GTEST_SKIP() << "no private CUPS server: " << cups.why_not();
    EXPECT_EQ(printer_names(), (std::vector<std::u16string>{u"PDF", u"zeledit-test"}));
    WCHAR name[4];
    DWORD size = 4;
    EXPECT_FALSE(GetDefaultPrinterW(name, &size)); // too small: the size it needs
    EXPECT_EQ(size, 13u);
    WCHAR full[32];
    size = 32;
    ASSERT_TRUE(GetDefaultPrinterW(full, &size));
    EXPECT_EQ(std::u16string(full), u"zeledit-test");
}

class CupsPrinting : public Layout {};

TEST_F(CupsPrinting, AnEditorsDocumentArrivesAsAPdfWithItsPagesCopiesAndPaper) {
    PrivateCupsd cups;
    if (!cups.running()) GTEST_SKIP() << "no private CUPS server: " << cups.why_not();
    DEVMODEW mode{};
    mode.dmFields = DM_PAPERSIZE | DM_COPIES;
    mode.dmPaperSize = DMPAPER_LETTER;
    mode.dmCopies = 2;
    HDC printer = CreateDCW(nullptr, u"zeledit-test", nullptr, &mode);
    ASSERT_NE(printer, nullptr);
    HostRecorder host(editor, [printer](UINT msg, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (msg == EFN_QUERYPRINTER) return reinterpret_cast<LRESULT>(printer);
        return std::nullopt;
    });
    std::u16string text;
    for (int i = 1; i <= 120; ++i)
        text += u"Dòng chữ số " + std::u16string(1, char16_t(u'0' + i % 10)) + u"\r\n";
    set_text(text);
    const auto pages = static_cast<int>(SendMessageW(editor, EFM_REPAGINATE, 0, 0));
    ASSERT_GT(pages, 1);
    ASSERT_EQ(SendMessageW(editor, EFM_BEGINPRINT, 0, 0), 1);
    DOCINFOW doc{sizeof doc, u"zeledit test job", nullptr, nullptr, 0};
    ASSERT_GT(StartDocW(printer, &doc), 0);
    for (int page = 1; page <= pages; ++page) {
        StartPage(printer);
        TPrintPageRequest request{static_cast<std::uint16_t>(page), {}, 0};
        SendMessageW(editor, EFM_PRINTPAGE, reinterpret_cast<WPARAM>(printer),
                     reinterpret_cast<LPARAM>(&request));
        EndPage(printer);
    }
    EXPECT_EQ(EndDoc(printer), 1);
    SendMessageW(editor, EFM_ENDPRINT, 0, 0);
    DeleteDC(printer);

    ASSERT_TRUE(cups.wait_for_job()) << "the queue wrote no job";
    EXPECT_EQ(read(cups.job_file()).rfind("%PDF-", 0), 0u);
    const std::string options = read(cups.job_file() + ".options");
    EXPECT_EQ(options.rfind("2\n", 0), 0u) << options; // copies
    EXPECT_NE(options.find("media=na_letter_8.5x11in"), std::string::npos) << options;
    const std::string info = RunCommand("pdfinfo '" + cups.job_file() + "' 2>/dev/null");
    if (info.empty()) GTEST_SKIP() << "pdfinfo (poppler-utils) is missing";
    EXPECT_NE(info.find("Pages:           " + std::to_string(pages)), std::string::npos) << info;
    EXPECT_NE(info.find("612 x 792 pts"), std::string::npos) << info; // Letter
}

} // namespace
} // namespace zeledit::test
