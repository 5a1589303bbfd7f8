// The PDF printer: paper, resolution, pages and the file it writes.
#include "platform/gdi_test.h"

#include <cmath>
#include <fstream>
#include <sstream>

namespace zeledit::test {
namespace {

class Printer : public PlatformTest {
protected:
    static std::string read(const std::string& path) {
        std::ifstream f(path, std::ios::binary);
        std::stringstream s;
        s << f.rdbuf();
        return s.str();
    }
    static std::u16string wide(const std::string& s) { return {s.begin(), s.end()}; }
};

TEST_F(Printer, TwoPagesOfA5At300DotsPerInch) {
    DEVMODEW mode{};
    mode.dmFields = DM_PAPERWIDTH | DM_PAPERLENGTH | DM_PRINTQUALITY;
    mode.dmPaperWidth = 1480; // A5 in tenths of a millimetre
    mode.dmPaperLength = 2100;
    mode.dmPrintQuality = 300;
    HDC dc = CreateDCW(u"PDF", nullptr, nullptr, &mode);
    ASSERT_NE(dc, nullptr);
    EXPECT_EQ(GetDeviceCaps(dc, LOGPIXELSX), 300);
    EXPECT_EQ(GetDeviceCaps(dc, PHYSICALWIDTH), std::lround(148 / 25.4 * 300));
    EXPECT_EQ(GetDeviceCaps(dc, PHYSICALHEIGHT), std::lround(210 / 25.4 * 300));
    EXPECT_EQ(GetDeviceCaps(dc, HORZRES),
              GetDeviceCaps(dc, PHYSICALWIDTH) - 2 * GetDeviceCaps(dc, PHYSICALOFFSETX));
    EXPECT_EQ(GetDeviceCaps(dc, TECHNOLOGY), DT_RASPRINTER);

    const std::string path = ::testing::TempDir() + "two-pages.pdf";
    const std::u16string output = wide(path);
    DOCINFOW doc{sizeof doc, u"test", output.c_str(), nullptr, 0};
    ASSERT_GT(StartDocW(dc, &doc), 0);
    LOGFONTW lf = make_font(u"Times New Roman", -MulDiv(12, 300, 72));
    HFONT font = CreateFontIndirectW(&lf);
    SelectObject(dc, font);
    for (int page = 1; page <= 2; ++page) {
        ASSERT_GT(StartPage(dc), 0);
        const std::u16string text = page == 1 ? u"Trang một — page one" : u"Trang hai — page two";
        TextOutW(dc, 300, 300, text.data(), static_cast<int>(text.size()));
        Rectangle(dc, 300, 500, 1200, 900);
        ASSERT_GT(EndPage(dc), 0);
    }
    ASSERT_GT(EndDoc(dc), 0);
    SelectObject(dc, GetStockObject(SYSTEM_FONT));
    DeleteObject(font);
    DeleteDC(dc);

    const std::string pdf = read(path);
    EXPECT_EQ(pdf.rfind("%PDF-", 0), 0u);
    EXPECT_NE(pdf.find("/Count 2"), std::string::npos);
    // A5 in points: 419.53 by 595.28.
    EXPECT_NE(pdf.find("/MediaBox [ 0 0 419.52"), std::string::npos);
    EXPECT_NE(pdf.find("595.27"), std::string::npos);
    EXPECT_NE(pdf.find("%%EOF"), std::string::npos);
}

TEST_F(Printer, NothingIsWrittenWithoutPagesOrAfterAnAbort) {
    HDC dc = CreateDCW(u"PDF", nullptr, nullptr, nullptr);
    EXPECT_EQ(GetDeviceCaps(dc, PHYSICALWIDTH), std::lround(210 / 25.4 * 600)); // A4 at 600 by default
    const std::string path = ::testing::TempDir() + "aborted.pdf";
    std::remove(path.c_str());
    const std::u16string output = wide(path);
    DOCINFOW doc{sizeof doc, u"test", output.c_str(), nullptr, 0};
    ASSERT_GT(StartDocW(dc, &doc), 0);
    EXPECT_LE(StartDocW(dc, &doc), 0); // one document at a time
    StartPage(dc);
    Rectangle(dc, 0, 0, 100, 100);
    EXPECT_GT(AbortDoc(dc), 0);
    EXPECT_FALSE(std::ifstream(path).good());
    ASSERT_GT(StartDocW(dc, &doc), 0);
    EXPECT_EQ(EndDoc(dc), 0); // no page printed
    EXPECT_FALSE(std::ifstream(path).good());
    DeleteDC(dc);
    EXPECT_EQ(CreateDCW(u"DISPLAY", nullptr, nullptr, nullptr), nullptr);
}

TEST_F(Printer, NamedPaperSizesTurnWithTheOrientation) {
    DEVMODEW mode{};
    mode.dmFields = DM_PAPERSIZE | DM_ORIENTATION;
    mode.dmPaperSize = DMPAPER_LETTER;
    mode.dmOrientation = DMORIENT_LANDSCAPE;
    HDC dc = CreateDCW(nullptr, u"PDF", nullptr, &mode);
    ASSERT_NE(dc, nullptr);
    EXPECT_EQ(GetDeviceCaps(dc, PHYSICALWIDTH), 6600); // 11 inches at 600
    EXPECT_EQ(GetDeviceCaps(dc, PHYSICALHEIGHT), 5100);
    EXPECT_EQ(GetDeviceCaps(dc, HORZRES), 6600);
    DeleteDC(dc);
    mode.dmPrintQuality = 4800; // beyond any printer
    mode.dmFields |= DM_PRINTQUALITY;
    EXPECT_EQ(CreateDCW(u"PDF", nullptr, nullptr, &mode), nullptr);
}

TEST_F(Printer, UnwritablePlacesFail) {
    HDC dc = CreateDCW(u"PDF", nullptr, nullptr, nullptr);
    DOCINFOW doc{sizeof doc, u"test", u"/nonexistent-dir/x.pdf", nullptr, 0};
    EXPECT_LE(StartDocW(dc, &doc), 0);
    doc.lpszOutput = nullptr; // the PDF printer has nowhere else to put it
    EXPECT_LE(StartDocW(dc, &doc), 0);
    DeleteDC(dc);
}

} // namespace
} // namespace zeledit::test
