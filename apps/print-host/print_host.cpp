#include "print_host.h"

#include <optional>
#include <string>

namespace printhost {
namespace {

constexpr LPCWSTR LendingProperty = u"zeledit.print-host";

std::u16string Number(int n) {
    const std::string s = std::to_string(n);
    return {s.begin(), s.end()};
}

} // namespace

TPageRec Settings::DefaultPage() {
    TPageRec p{};
    p.pgTop = p.pgBottom = 1.0;
    p.pgLeft = p.pgRight = 1.25;
    p.pgScale = 100;
    p.pgTabNumber = 1;
    return p;
}

std::unique_ptr<Printer> Printer::Open(const Settings& settings, std::u16string& why) {
    DEVMODEW mode{};
    mode.dmFields = DM_PAPERSIZE | DM_ORIENTATION | DM_COPIES;
    mode.dmPaperSize = settings.paper;
    mode.dmOrientation = settings.landscape ? DMORIENT_LANDSCAPE : DMORIENT_PORTRAIT;
    mode.dmCopies = settings.copies;
    if (settings.mode) mode = *settings.mode;
    HDC dc = CreateDCW(nullptr, settings.printer.c_str(), nullptr, &mode);
    if (dc == nullptr) {
        why = u"there is no printer \"" + settings.printer + u"\"";
        return nullptr;
    }
    return std::unique_ptr<Printer>(new Printer(dc));
}

Printer::~Printer() { DeleteDC(dc_); }

Lending::Lending(HWND editor, HDC printer, const Settings& settings)
    : editor_(editor), terms_{printer, &settings, 0} {
    SetPropW(editor, LendingProperty, this);
    previous_ =
        reinterpret_cast<WNDPROC>(SetWindowLongPtrW(editor, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Proc)));
}

Lending::~Lending() {
    if (!IsWindow(editor_)) return;
    SetWindowLongPtrW(editor_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous_));
    RemovePropW(editor_, LendingProperty);
}

Lending* Lending::Of(HWND editor) { return static_cast<Lending*>(GetPropW(editor, LendingProperty)); }

LRESULT CALLBACK Lending::Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    const auto* self = static_cast<const Lending*>(GetPropW(hwnd, LendingProperty));
    if (msg == EFN_QUERYPRINTER) return reinterpret_cast<LRESULT>(self->terms_.printer);
    if (msg == EFN_QUERYHEADERFOOTER && lParam != 0)
        self->DrawHeaderAndFooter(*reinterpret_cast<const THeaderFooterInfo*>(lParam));
    return CallWindowProcW(self->previous_, hwnd, msg, wParam, lParam);
}

// The page's pixels per inch follow from its printable width, whatever the scale or the zoom.
void Lending::DrawHeaderAndFooter(const THeaderFooterInfo& info) const {
    const Settings& settings = *terms_.settings;
    if (!settings.page_numbers) return;
    const double inches =
        double(GetDeviceCaps(terms_.printer, HORZRES)) / GetDeviceCaps(terms_.printer, LOGPIXELSX) -
        settings.page.pgLeft - settings.page.pgRight;
    if (inches <= 0 || info.Rect.right <= 0) return;
    const double dpi = info.Rect.right / inches;
    LOGFONTW lf{};
    lf.lfHeight = -static_cast<LONG>(9 * dpi / 72);
    const std::u16string face = u"Liberation Sans";
    face.copy(lf.lfFaceName, face.size());
    HFONT font = CreateFontIndirectW(&lf);
    HGDIOBJ old = SelectObject(info.DC, font);
    SetBkMode(info.DC, TRANSPARENT);
    SetTextColor(info.DC, RGB(64, 64, 64));
    const UINT align = SetTextAlign(info.DC, TA_LEFT | TA_BASELINE);
    const int gap = static_cast<int>(dpi * 0.4);
    const std::u16string& name = settings.document_name;
    if (!name.empty()) TextOutW(info.DC, 0, -gap, name.c_str(), static_cast<int>(name.size()));
    const std::u16string footer =
        u"Page " + Number(info.Page) + (terms_.pages > 0 ? u" of " + Number(terms_.pages) : u"");
    SetTextAlign(info.DC, TA_CENTER | TA_BASELINE);
    TextOutW(info.DC, info.Rect.right / 2, info.Rect.bottom + gap, footer.c_str(),
             static_cast<int>(footer.size()));
    SetTextAlign(info.DC, align);
    SelectObject(info.DC, old);
    DeleteObject(font);
}

namespace {

// The page messages in their order, on a printer lent to the editor.
int PrintPages(HWND editor, HDC printer, Lending& lending, const Settings& settings,
               const std::u16string& output, std::u16string& why);

} // namespace

int PrintDocument(HWND editor, const Settings& settings, const std::u16string& output, std::u16string& why) {
    const auto printer = Printer::Open(settings, why);
    if (!printer) return 0;
    std::optional<Lending> own;
    Lending& lending =
        Lending::Of(editor) != nullptr ? *Lending::Of(editor) : own.emplace(editor, printer->dc(), settings);
    const Lending::Terms before = lending.Lend({printer->dc(), &settings, 0});
    const int pages = PrintPages(editor, printer->dc(), lending, settings, output, why);
    lending.Lend(before);
    return pages;
}

namespace {

int PrintPages(HWND editor, HDC printer, Lending& lending, const Settings& settings,
               const std::u16string& output, std::u16string& why) {
    TPageRec page = settings.page;
    SendMessageW(editor, EFM_SETPAGE, 0, reinterpret_cast<LPARAM>(&page));
    const auto pages = static_cast<int>(SendMessageW(editor, EFM_REPAGINATE, 0, 0));
    if (pages <= 0 || SendMessageW(editor, EFM_BEGINPRINT, 0, 0) == 0) {
        why = u"the printer \"" + settings.printer + u"\" gives no page to print on";
        return 0;
    }
    lending.SetPageCount(pages);
    const std::u16string title =
        settings.document_name.empty() ? u"zeledit document" : settings.document_name;
    DOCINFOW doc{sizeof doc, title.c_str(), output.empty() ? nullptr : output.c_str(), nullptr, 0};
    int printed = 0;
    for (int p = 1; p <= pages; ++p) printed += !settings.wanted || settings.wanted(p) ? 1 : 0;
    if (printed == 0) {
        SendMessageW(editor, EFM_ENDPRINT, 0, 0);
        why = u"none of the pages chosen is in the document";
        return 0;
    }
    bool ok = StartDocW(printer, &doc) > 0;
    for (int p = 1; ok && p <= pages; ++p) {
        if (settings.wanted && !settings.wanted(p)) continue;
        TPrintPageRequest request{static_cast<std::uint16_t>(p), {}, 0};
        ok = StartPage(printer) > 0;
        SendMessageW(editor, EFM_PRINTPAGE, reinterpret_cast<WPARAM>(printer),
                     reinterpret_cast<LPARAM>(&request));
        ok = EndPage(printer) > 0 && ok;
    }
    if (ok) {
        ok = EndDoc(printer) > 0;
    } else {
        AbortDoc(printer);
    }
    SendMessageW(editor, EFM_ENDPRINT, 0, 0);
    if (!ok) {
        why = output.empty() ? u"the printer \"" + settings.printer + u"\" did not take the job"
                             : u"cannot write " + output;
        return 0;
    }
    return printed;
}

} // namespace

} // namespace printhost
