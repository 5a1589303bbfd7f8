// Pages, printing and preview as a host drives them: the printer lent on EFN_QUERYPRINTER,
// page counts, printed PDF files read back, previews drawn into bitmaps, page mode.
#include "e2e/host_recorder.h"
#include "e2e/layout_test.h"
#include "engine/editor_internals.h"
#include "support/run_command.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <set>
#include <sstream>
#include <string>

namespace zeledit::test {
namespace {

namespace fs = std::filesystem;

// A4 at 600 dots per inch: 4961 × 7016 dots. At 96 per inch the page is 794 × 1123 pixels
// and the default margins (1.25, 1.25, 1, 1 inch) leave 554 × 931.
constexpr int PrintableWidth96 = 554, PrintableHeight96 = 931;

std::u16string widen(const std::string& s) { return {s.begin(), s.end()}; }

std::u16string paragraphs(int count) {
    std::u16string text;
    for (int i = 1; i <= count; ++i) {
        text += u"Paragraph " + widen(std::to_string(i));
        if (i < count) text += u"\r\n";
    }
    return text;
}

class Pages : public Layout {
protected:
    HDC printer = nullptr;
    std::unique_ptr<HostRecorder> host;
    std::function<void(const THeaderFooterInfo&)> on_header_footer;

    void TearDown() override {
        host.reset();
        if (printer != nullptr) DeleteDC(printer);
        Layout::TearDown();
    }
    // The host lends a PDF printer of `dpi` dots per inch to `w`.
    void lend_printer(int dpi = 600, HWND w = nullptr) {
        DEVMODEW mode{};
        mode.dmFields = DM_PRINTQUALITY;
        mode.dmPrintQuality = static_cast<short>(dpi);
        if (printer == nullptr) printer = CreateDCW(u"PDF", nullptr, nullptr, &mode);
        ASSERT_NE(printer, nullptr);
        host = std::make_unique<HostRecorder>(
            w != nullptr ? w : editor, [this](UINT msg, WPARAM, LPARAM l) -> std::optional<LRESULT> {
                if (msg == EFN_QUERYPRINTER) return reinterpret_cast<LRESULT>(printer);
                if (msg == EFN_QUERYHEADERFOOTER && on_header_footer)
                    on_header_footer(*reinterpret_cast<THeaderFooterInfo*>(l));
                return std::nullopt;
            });
    }
    static TPageRec page_setup(int scale = 100, int columns = 1) {
        TPageRec p{};
        p.pgTop = p.pgBottom = 1.0;
        p.pgLeft = p.pgRight = 1.25;
        p.pgScale = static_cast<std::uint16_t>(scale);
        p.pgTabNumber = static_cast<std::uint16_t>(columns);
        return p;
    }
    void set_page(int scale, int columns) {
        TPageRec p = page_setup(scale, columns);
        SendMessageW(editor, EFM_SETPAGE, 0, reinterpret_cast<LPARAM>(&p));
    }
    LRESULT send(UINT msg, WPARAM w = 0, LPARAM l = 0) const { return SendMessageW(editor, msg, w, l); }
    RECT bound() { return Internals(engine()).edInfo.eiBoundRect; }

    // Prints pages 1..count to a PDF file through the messages a host sends.
    fs::path print_to_pdf(const std::string& name) {
        const fs::path out = fs::path(::testing::TempDir()) / name;
        const int pages = static_cast<int>(send(EFM_REPAGINATE));
        EXPECT_EQ(send(EFM_BEGINPRINT), 1);
        DOCINFOW doc{};
        const std::u16string path = widen(out.string());
        doc.lpszOutput = path.c_str();
        EXPECT_GT(StartDocW(printer, &doc), 0);
        for (int page = 1; page <= pages; ++page) {
            StartPage(printer);
            TPrintPageRequest request{static_cast<std::uint16_t>(page), {}, 0};
            send(EFM_PRINTPAGE, reinterpret_cast<WPARAM>(printer), reinterpret_cast<LPARAM>(&request));
            EndPage(printer);
        }
        EXPECT_EQ(EndDoc(printer), 1);
        send(EFM_ENDPRINT);
        return out;
    }
};

TEST_F(Pages, WithoutAPrinterNothingStarts) {
    set_text(paragraphs(5));
    EXPECT_EQ(send(EFM_BEGINPRINT), 0);
    EXPECT_EQ(send(EFM_BEGINPREVIEW), 0);
    EXPECT_EQ(send(EFM_REPAGINATE), 0);
    RECT r{1, 2, 3, 4};
    EXPECT_EQ(send(EFM_GETPREVIEWRECT, 100, reinterpret_cast<LPARAM>(&r)), 0);
    EXPECT_EQ(r.right, 0);
    EXPECT_TRUE(IsWindowEnabled(editor));
    // Page mode without a printer lays out in the client area.
    send(EFM_SETEDITTYPE, 0, 0);
    RECT client{};
    GetClientRect(editor, &client);
    EXPECT_EQ(bound().right, client.right);
}

// The window is disabled while pages are laid out, which takes the keyboard focus from it.
TEST_F(Pages, LayingPagesOutLeavesTheKeyboardFocusWhereItWas) {
    lend_printer();
    set_text(paragraphs(20));
    SetFocus(editor);
    EXPECT_GT(send(EFM_REPAGINATE), 0);
    EXPECT_EQ(GetFocus(), editor);
    SetFocus(nullptr);
    send(EFM_REPAGINATE);
    EXPECT_EQ(GetFocus(), nullptr); // not taken when it was elsewhere
}

TEST_F(Pages, ADeviceWithoutAResolutionCountsAsNoPrinter) {
    set_text(paragraphs(5));
    HostRecorder bogus(editor, [](UINT msg, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (msg == EFN_QUERYPRINTER) return 0x5151; // not a device context
        return std::nullopt;
    });
    EXPECT_EQ(send(EFM_BEGINPREVIEW), 0);
    EXPECT_EQ(send(EFM_REPAGINATE), 0);
    HDC memory = CreateCompatibleDC(nullptr);
    send(EFM_PREVIEWPAGEDC, reinterpret_cast<WPARAM>(memory), 1); // draws nothing, divides nothing
    DeleteDC(memory);
}

TEST_F(Pages, PageModeBreaksLinesAtTheColumnOfThePrintedPage) {
    lend_printer();
    set_text(paragraphs(3) + u" " + std::u16string(300, u'x'));
    send(EFM_SETEDITTYPE, 0, 0);
    EXPECT_EQ(bound().right, PrintableWidth96);
    EXPECT_EQ(bound().bottom, PrintableHeight96);
    set_page(100, 2); // two columns a quarter inch apart
    EXPECT_EQ(bound().right, (PrintableWidth96 - 24) / 2);
    for (std::int32_t i = 0; i < lines().Count(); ++i) EXPECT_LE(lines().Line(i)->Width(), bound().right);
    send(EFM_SETEDITTYPE, 0, 0x2); // control mode: the client area again
    RECT client{};
    GetClientRect(editor, &client);
    EXPECT_EQ(bound().right, client.right);
}

TEST_F(Pages, AShortDocumentIsOnePageAndTheCaretAtTheEndIsOnTheLastPage) {
    lend_printer();
    set_text(paragraphs(3));
    EXPECT_EQ(send(EFM_REPAGINATE), 1);
    EXPECT_TRUE(IsWindowEnabled(editor)); // pagination passes through the print layout
    set_text(paragraphs(400));
    const LRESULT pages = send(EFM_REPAGINATE);
    ASSERT_GT(pages, 3);
    send(EFM_SETINDEX, 0, 0);
    EXPECT_EQ(send(EFM_GETCURRENTPAGE), 1);
    send(EFM_SETINDEX, 0, static_cast<LPARAM>(send(EFM_GETTEXTLENGTH)));
    EXPECT_EQ(send(EFM_GETCURRENTPAGE), pages);
}

TEST_F(Pages, ScaleFiftyHalvesThePageAndOtherScalesCountAsAHundred) {
    lend_printer();
    set_text(paragraphs(20));
    const auto page_size = [&](int scale) {
        set_page(scale, 1);
        EXPECT_EQ(send(EFM_BEGINPRINT), 1);
        EXPECT_FALSE(IsWindowEnabled(editor));
        RECT r{};
        send(EFM_GETPREVIEWRECTDC, 0, reinterpret_cast<LPARAM>(&r));
        send(EFM_ENDPRINT);
        EXPECT_TRUE(IsWindowEnabled(editor));
        return r;
    };
    const RECT full = page_size(100);
    EXPECT_EQ(full.right, GetDeviceCaps(printer, HORZRES));
    EXPECT_EQ(full.bottom, GetDeviceCaps(printer, VERTRES));
    const RECT half = page_size(50);
    EXPECT_NEAR(half.right, full.right / 2, 1);
    EXPECT_NEAR(half.bottom, full.bottom / 2, 1);
    EXPECT_EQ(page_size(5).right, full.right);
    EXPECT_EQ(page_size(150).right, full.right);
}

TEST_F(Pages, APageIsPrintedOnlyWhileAPrintLayoutExists) {
    lend_printer();
    set_text(paragraphs(100));
    ASSERT_GT(send(EFM_REPAGINATE), 1);
    TPrintPageRequest request{1, {-1, -1, -1, -1}, 0};
    send(EFM_PRINTPAGE, reinterpret_cast<WPARAM>(printer), reinterpret_cast<LPARAM>(&request));
    EXPECT_EQ(request.Rect.left, -1); // before EFM_BEGINPRINT: nothing
    ASSERT_EQ(send(EFM_BEGINPRINT), 1);
    request.Page = 99;
    send(EFM_PRINTPAGE, reinterpret_cast<WPARAM>(printer), reinterpret_cast<LPARAM>(&request));
    EXPECT_EQ(request.Rect.left, -1); // no such page
    request.Page = 2;
    send(EFM_PRINTPAGE, reinterpret_cast<WPARAM>(printer), reinterpret_cast<LPARAM>(&request));
    send(EFM_ENDPRINT);
    EXPECT_EQ(request.Rect.left, 750); // 1.25 inch at 600
    EXPECT_EQ(request.Rect.top, 600);
    EXPECT_EQ(request.Rect.right, GetDeviceCaps(printer, HORZRES) - 1500);
    EXPECT_EQ(request.Rect.bottom, GetDeviceCaps(printer, VERTRES) - 1200);
}

TEST_F(Pages, APrintedDocumentHoldsEveryParagraphOnceWithItsFooters) {
    if (!HaveTool("pdftotext") || !HaveTool("pdfinfo"))
        GTEST_SKIP() << "pdftotext or pdfinfo (poppler-utils) is missing";
    lend_printer();
    set_text(paragraphs(150));
    int pages_seen = 0;
    on_header_footer = [&](const THeaderFooterInfo& info) {
        ++pages_seen;
        const std::u16string footer = u"Footer of page " + std::u16string(1, char16_t(u'0' + info.Page));
        TextOutW(info.DC, 0, info.Rect.bottom + 60, footer.c_str(), static_cast<int>(footer.size()));
    };
    const int pages = static_cast<int>(send(EFM_REPAGINATE));
    ASSERT_GT(pages, 2);
    ASSERT_LT(pages, 10);
    const fs::path pdf = print_to_pdf("pages_every_paragraph.pdf");
    EXPECT_EQ(pages_seen, pages);
    EXPECT_NE(RunCommand("pdfinfo '" + pdf.string() + "'").find("Pages:           " + std::to_string(pages)),
              std::string::npos);
    const std::string text = RunCommand("pdftotext -layout '" + pdf.string() + "' -");
    for (int i = 1; i <= 150; ++i) {
        const std::string needle = "Paragraph " + std::to_string(i) + "\n";
        const auto first = text.find(needle);
        ASSERT_NE(first, std::string::npos) << "missing paragraph " << i;
        EXPECT_EQ(text.find(needle, first + 1), std::string::npos) << "paragraph " << i << " printed twice";
    }
    for (int page = 1; page <= pages; ++page)
        EXPECT_NE(text.find("Footer of page " + std::to_string(page)), std::string::npos);
    // Each face is embedded once for the whole document, as a subset.
    std::istringstream fonts(RunCommand("pdffonts '" + pdf.string() + "'"));
    std::set<std::string> faces;
    int rows = 0;
    for (std::string row; std::getline(fonts, row);) {
        if (row.find("TrueType") == std::string::npos) continue;
        ++rows;
        faces.insert(row.substr(row.find('+') + 1, row.find(' ') - row.find('+') - 1));
        EXPECT_NE(row.find("yes yes"), std::string::npos) << row; // embedded, subset
    }
    EXPECT_GT(rows, 0);
    EXPECT_EQ(rows, static_cast<int>(faces.size()));
}

// Ink (dark pixels) of a rectangle of a memory bitmap.
int ink(HDC dc, int left, int top, int right, int bottom) {
    int n = 0;
    for (int y = top; y < bottom; ++y)
        for (int x = left; x < right; ++x)
            if ((GetPixel(dc, x, y) & 0xFF) < 128) ++n;
    return n;
}

TEST_F(Pages, TwoColumnsAreDividedByALineInTheMiddleOfTheGapOnly) {
    lend_printer();
    set_page(100, 2);
    set_text(paragraphs(150));
    ASSERT_GT(send(EFM_REPAGINATE), 1);
    ASSERT_EQ(send(EFM_BEGINPREVIEW), 1);
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP bitmap = CreateCompatibleBitmap(GetDC(nullptr), 794, 1123);
    HGDIOBJ old = SelectObject(dc, bitmap);
    send(EFM_PREVIEWPAGEDC, reinterpret_cast<WPARAM>(dc), 1);
    send(EFM_ENDPRINT);
    const int column = (PrintableWidth96 - 24) / 2, left = 120, top = 96;
    EXPECT_GT(ink(dc, left, top, left + column, top + 400), 100);                        // first column
    EXPECT_GT(ink(dc, left + column + 24, top, left + 2 * column + 24, top + 400), 100); // second
    const int middle = left + column + 12;
    EXPECT_GT(ink(dc, middle - 1, top, middle + 1, top + PrintableHeight96), 50); // the separator
    EXPECT_EQ(ink(dc, left + column + 2, top, middle - 2, top + PrintableHeight96), 0);
    EXPECT_EQ(ink(dc, left + 2 * column + 26, top, 794, 1123), 0); // nothing after the last column
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
}

TEST_F(Pages, AnotherEditorLaysOutAtTheScreensResolutionDuringAPreview) {
    HWND other = make_editor(400);
    set_text(u"Second editor", 0, other);
    const int height = lines(other).Line(0)->TotalHeight();
    lend_printer();
    set_page(50, 1); // the preview lays out at 48 pixels per inch
    set_text(paragraphs(30));
    ASSERT_EQ(send(EFM_BEGINPREVIEW), 1);
    SendMessageW(other, WM_CHAR, 'x', 0);
    SendMessageW(other, EFM_REFRESH, 0, 0);
    EXPECT_EQ(lines(other).Line(0)->TotalHeight(), height);
    send(EFM_ENDPRINT);
    DestroyWindow(other);
}

// A binary PPM or PGM file as grey levels.
struct Raster {
    int width = 0, height = 0;
    std::vector<int> grey;
    int at(int x, int y) const { return grey[static_cast<std::size_t>(y * width + x)]; }
};

Raster read_pnm(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::string magic;
    int maximum = 0;
    Raster r;
    in >> magic >> r.width >> r.height >> maximum;
    in.get();
    const int channels = magic == "P6" ? 3 : 1;
    std::vector<unsigned char> bytes(static_cast<std::size_t>(r.width * r.height * channels));
    in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    for (std::size_t i = 0; i < bytes.size(); i += static_cast<std::size_t>(channels))
        r.grey.push_back(bytes[i]);
    return r;
}

TEST_F(Pages, APreviewShowsWhatThePrinterPrints) {
    if (!HaveTool("pdftoppm")) GTEST_SKIP() << "pdftoppm (poppler-utils) is missing";
    lend_printer();
    set_text(paragraphs(60));
    const fs::path pdf = print_to_pdf("pages_preview_match.pdf");
    RunCommand("pdftoppm -r 96 -gray -f 1 -l 1 -singlefile '" + pdf.string() + "' '" +
               (fs::path(::testing::TempDir()) / "pages_preview_match").string() + "'");
    const Raster printed = read_pnm(fs::path(::testing::TempDir()) / "pages_preview_match.pgm");
    ASSERT_EQ(printed.width, 794);
    ASSERT_EQ(printed.height, 1123);

    ASSERT_EQ(send(EFM_BEGINPRINT), 1);
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP bitmap = CreateCompatibleBitmap(GetDC(nullptr), 794, 1123);
    HGDIOBJ old = SelectObject(dc, bitmap);
    TPreviewRequest request{dc, 1, {}, 100};
    send(EFM_PAGEPREVIEW, 0, reinterpret_cast<LPARAM>(&request));
    send(EFM_ENDPRINT);
    // The same rows and columns carry ink, give or take the rendering of glyph edges.
    int rows_differ = 0, ink_printed = 0, ink_previewed = 0;
    for (int y = 0; y < 1123; ++y) {
        bool row_printed = false, row_previewed = false;
        for (int x = 0; x < 794; ++x) {
            const bool p = printed.at(x, y) < 128, v = (GetPixel(dc, x, y) & 0xFF) < 128;
            ink_printed += p;
            ink_previewed += v;
            row_printed |= p;
            row_previewed |= v;
        }
        rows_differ += row_printed != row_previewed;
    }
    EXPECT_GT(ink_printed, 1000);
    EXPECT_NEAR(ink_previewed, ink_printed, ink_printed / 5);
    EXPECT_LT(rows_differ, 60);
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
}

TEST_F(Pages, PrintingLeavesTheWindowsViewAsItWas) {
    lend_printer();
    set_text(paragraphs(300));
    const auto start = static_cast<LPARAM>(send(EFM_GETTEXTLENGTH) / 2);
    send(EFM_SETTOPINDEX, static_cast<WPARAM>(start), 0);
    const LRESULT top = send(EFM_GETTOPINDEX);
    const std::int32_t count = lines().Count();
    ASSERT_GT(top, 0);
    ASSERT_GT(send(EFM_REPAGINATE), 3);
    EXPECT_EQ(send(EFM_GETTOPINDEX), top);
    EXPECT_EQ(lines().Count(), count);
    // An edit while the print layout exists: the window is laid out afresh afterwards.
    ASSERT_EQ(send(EFM_BEGINPRINT), 1);
    send(EFM_SETINDEX, 0, 0);
    send(EFM_INSERTTEXT, 0, reinterpret_cast<LPARAM>(u"Added first\r\nand second\r\n"));
    send(EFM_ENDPRINT);
    EXPECT_EQ(lines().Count(), count + 2);
    EXPECT_EQ(lines().Line(1)->At, 13u);
}

TEST_F(Pages, CtrlPAsksTheHostToPrint) {
    HostRecorder host_ear(editor);
    SetFocus(editor);
    headless::KeyDown(VK_CONTROL);
    headless::KeyPress('P');
    headless::KeyUp(VK_CONTROL);
    EXPECT_EQ(host_ear.count(EFN_PRINT), 0); // posted, not sent
    headless::PumpMessages();
    EXPECT_EQ(host_ear.count(EFN_PRINT), 1);
}

TEST_F(Pages, APageColumnWiderThanTheWindowScrollsSideways) {
    lend_printer();
    set_text(paragraphs(10));
    send(EFM_SETEDITTYPE, 0, 0); // the window is 410 wide, the column 554
    int low = -1, high = -1;
    GetScrollRange(editor, SB_HORZ, &low, &high);
    RECT client{};
    GetClientRect(editor, &client);
    EXPECT_EQ(high, PrintableWidth96 - client.right + 8);
    send(WM_HSCROLL, SB_PAGEDOWN, 0);
    EXPECT_GT(Internals(engine()).FView.OriginX, 0);
}

} // namespace
} // namespace zeledit::test
