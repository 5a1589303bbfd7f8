// The print dialog: printer, its settings and information, pages, copies and odd or even
// pages; the printer, copies and collation go to the current printer object at once.
#include "controls/dialog_colors.h"
#include "dialogs/form_dialog.h"
#include "dialogs/printer_status.h"
#include "platform/core/text.h"
#include "platform/graphics_support/graphics_support.h"

#include <zeledit/controls.h>
#include <zeledit/print_dialog.h>

#include <algorithm>
#include <string>
#include <vector>

namespace zeledit {
namespace {

using dialogs::FormDialog;

constexpr int CollatePicture = 1116, RangeLabel = 1117, RangeSeparator = 1118, FromLabel = 1119,
              ToLabel = 1120;
constexpr int FormWidth = 436, FormHeight = 337, GroupBottom = 256, ButtonTop = 298;

class TPrintDlg final : public FormDialog {
public:
    TPrintDlg(HWND owner, bool english)
        : FormDialog(owner, english ? 1 : 0, english ? u"Print" : u"In dữ liệu", u"In dữ liệu", u"Print",
                     {FormWidth, FormHeight}) {
        if (window_ == nullptr) return;
        AddPrinterGroup();
        AddPagesGroup();
        AddCopiesGroup();
        Add(u"STATIC", Say(u"Phạm vi in:", u"Print range:"), SS_CENTERIMAGE, RangeLabel, {12, 262, 100, 284});
        HWND range = Add(u"COMBOBOX", u"", WS_TABSTOP | CBS_DROPDOWNLIST, PrintOddEven, {104, 262, 300, 360});
        for (LPCWSTR item :
             {Say(u"Tất cả các trang đã quy định", u"All pages"), Say(u"Chỉ những trang lẻ", u"Odd pages"),
              Say(u"Chỉ những trang chẵn", u"Even pages")})
            SendMessageW(range, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
        SendMessageW(range, CB_SETCURSEL, 0, 0);
        Add(u"STATIC", u"", SS_ETCHEDHORZ, RangeSeparator, {8, 290, FormWidth - 8, 292});
        Add(u"BUTTON", Say(u"     In", u"  Print"), BS_DEFPUSHBUTTON | WS_TABSTOP, IDOK,
            {FormWidth - 184, ButtonTop, FormWidth - 98, ButtonTop + 26});
        Add(u"BUTTON", Say(u"Thôi", u"Cancel"), WS_TABSTOP | ZBS_CANCEL, IDCANCEL,
            {FormWidth - 92, ButtonTop, FormWidth - 8, ButtonTop + 26});
        FillPrinters();
    }

    void SetMinPage(WORD value) {
        if (value == min_page_) return;
        min_page_ = value;
        for (int id : {PrintFromPage, PrintToPage})
            SendMessageW(Item(id), ZSEM_SETRANGE, value, std::max<int>(max_page_, value));
        SetSpinValue(PrintFromPage, value);
        EnablePageRange();
    }
    void SetMaxPage(WORD value) {
        if (value == max_page_) return;
        max_page_ = value;
        for (int id : {PrintFromPage, PrintToPage})
            SendMessageW(Item(id), ZSEM_SETRANGE, min_page_, std::max<int>(value, min_page_));
        SetSpinValue(PrintToPage, value);
        EnablePageRange();
    }
    void HidePrintRange() {
        for (int id : {RangeLabel, int{PrintOddEven}, RangeSeparator}) ShowWindow(Item(id), SW_HIDE);
        const int top = GroupBottom + 8;
        MoveWindow(Item(IDOK), FormWidth - 184, top, 86, 26, TRUE);
        MoveWindow(Item(IDCANCEL), FormWidth - 92, top, 84, 26, TRUE);
        Resize({FormWidth, top + 26 + 14});
    }
    void Offer(int id, bool on) const { EnableWindow(Item(id), on ? TRUE : FALSE); }

    std::function<void()> on_change;
    TExPrintPageRange PageRange() const {
        if (Checked(PrintCurrentPage)) return pprCurrent;
        if (Checked(PrintSelection)) return pprSelection;
        if (Checked(PrintPageRange)) return pprPages;
        return pprAll;
    }
    WORD From() const { return static_cast<WORD>(SpinValue(PrintFromPage)); }
    WORD To() const { return static_cast<WORD>(SpinValue(PrintToPage)); }
    TExPrintRange Range() const {
        const auto at = SendMessageW(Item(PrintOddEven), CB_GETCURSEL, 0, 0);
        return at == 1 ? prrOdds : at == 2 ? prrEvens : prrAll;
    }

private:
    void AddPrinterGroup() {
        Add(u"BUTTON", Say(u" Máy in ", u"Printer"), BS_GROUPBOX, 0, {8, 30, FormWidth - 8, 136});
        Add(u"STATIC", Say(u"Tên:", u"Name:"), SS_CENTERIMAGE, 0, {20, 46, 100, 68});
        Add(u"COMBOBOX", u"", WS_TABSTOP | CBS_DROPDOWNLIST, PrintPrinterList, {104, 46, 300, 220});
        Add(u"BUTTON", Say(u"Đặc tính...", u"Properties..."), WS_TABSTOP, PrintProperties,
            {308, 45, FormWidth - 20, 69});
        const std::pair<int, LPCWSTR> lines[] = {{PrintStatus, Say(u"Trạng thái:", u"Status:")},
                                                 {PrintType, Say(u"Kiểu:", u"Type:")},
                                                 {PrintPort, Say(u"Ở cổng in:", u"Port:")},
                                                 {PrintComment, Say(u"Chú dẫn:", u"Comment:")}};
        int y = 72;
        for (const auto& [id, label] : lines) {
            Add(u"STATIC", label, 0, 0, {20, y, 100, y + 15});
            Add(u"STATIC", u"", SS_NOPREFIX, id, {104, y, FormWidth - 20, y + 15});
            y += 15;
        }
    }
    void AddPagesGroup() {
        Add(u"BUTTON", Say(u"Trang in", u"Page range"), BS_GROUPBOX, 0, {8, 142, 250, GroupBottom});
        const std::pair<int, LPCWSTR> options[] = {
            {PrintAllPages, Say(u"Tất cả các trang", u"All pages")},
            {PrintCurrentPage, Say(u"Trang hiện thời", u"Current page")},
            {PrintSelection, Say(u"Phần được đánh dấu", u"Selection")},
            {PrintPageRange, Say(u"Các trang:", u"Pages")}};
        int y = 158;
        for (const auto& [id, caption] : options) {
            Add(u"BUTTON", caption, BS_AUTORADIOBUTTON | WS_TABSTOP, id, {20, y, 240, y + 18});
            y += 18;
        }
        Check(PrintAllPages, true);
        Add(u"STATIC", Say(u"Từ trang:", u"From:"), SS_CENTERIMAGE, FromLabel, {20, 232, 74, 252});
        Add(SpinEditClassName, u"", WS_TABSTOP, PrintFromPage, {76, 232, 122, 252});
        Add(u"STATIC", Say(u"Đến trang:", u"To:"), SS_CENTERIMAGE, ToLabel, {128, 232, 194, 252});
        Add(SpinEditClassName, u"", WS_TABSTOP, PrintToPage, {196, 232, 244, 252});
        for (int id : {PrintFromPage, PrintToPage}) SendMessageW(Item(id), ZSEM_SETRANGE, 0, 0);
        EnableFromTo(false);
    }
    void AddCopiesGroup() {
        Add(u"BUTTON", Say(u"Bản in", u"Copies"), BS_GROUPBOX, 0, {258, 142, FormWidth - 8, GroupBottom});
        Add(u"STATIC", Say(u"Số bản in:", u"Number of copies:"), SS_CENTERIMAGE, 0, {270, 160, 372, 182});
        Add(SpinEditClassName, u"", WS_TABSTOP, PrintCopies, {376, 160, FormWidth - 20, 182});
        SendMessageW(Item(PrintCopies), ZSEM_SETRANGE, 1, 9999);
        Add(u"BUTTON", Say(u"Tuần tự", u"Collate"), BS_AUTOCHECKBOX | WS_TABSTOP, PrintCollate,
            {270, 190, 360, 208});
        Add(u"STATIC", u"", SS_OWNERDRAW, CollatePicture, {270, 212, FormWidth - 20, 250});
    }

    void FillPrinters() {
        HWND list = Item(PrintPrinterList);
        for (const auto& name : Printer().Printers())
            SendMessageW(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
        SendMessageW(list, CB_SETCURSEL, static_cast<WPARAM>(std::max(Printer().PrinterIndex(), 0)), 0);
        ShowPrinter();
    }
    // The current printer's information, copies and collation.
    void ShowPrinter() {
        const std::u16string name = Printer().Name();
        std::u16string status, type, port, comment;
        HANDLE h = nullptr;
        if (OpenPrinterW(name.c_str(), &h, nullptr)) {
            DWORD needed = 0;
            GetPrinterW(h, 2, nullptr, 0, &needed);
            std::vector<BYTE> buffer(needed);
            if (needed > 0 && GetPrinterW(h, 2, buffer.data(), needed, &needed)) {
                const auto* info = reinterpret_cast<const PRINTER_INFO_2W*>(buffer.data());
                auto text = [](LPCWSTR s) { return s != nullptr ? std::u16string(s) : std::u16string(); };
                status = dialogs::PrinterStatusText(info->Status, language_ == 1);
                type = text(info->pDriverName);
                port = text(info->pPortName);
                comment = text(info->pComment);
            }
            ClosePrinter(h);
        }
        SetWindowTextW(Item(PrintStatus), status.c_str());
        SetWindowTextW(Item(PrintType), type.c_str());
        SetWindowTextW(Item(PrintPort), port.c_str());
        SetWindowTextW(Item(PrintComment), comment.c_str());
        SetSpinValue(PrintCopies, Printer().Copies());
        Check(PrintCollate, Printer().Collate());
        InvalidateRect(Item(CollatePicture), nullptr, TRUE);
    }
    void Changed() {
        if (on_change) on_change();
    }
    void EnableFromTo(bool on) const {
        for (int id : {int{PrintFromPage}, int{PrintToPage}, FromLabel, ToLabel})
            EnableWindow(Item(id), on ? TRUE : FALSE);
    }
    void EnablePageRange() const {
        const bool usable = min_page_ > 0 && max_page_ > 0;
        EnableWindow(Item(PrintPageRange), usable ? TRUE : FALSE);
        if (!usable && Checked(PrintPageRange)) {
            Check(PrintPageRange, false);
            Check(PrintAllPages, true);
            EnableFromTo(false);
        }
    }
    void EditProperties() {
        const std::u16string name = Printer().Name();
        HANDLE h = nullptr;
        if (!OpenPrinterW(name.c_str(), &h, nullptr)) return;
        const DEVMODEW in = Printer().DevMode();
        DEVMODEW out = in;
        const LONG answer = DocumentPropertiesW(window_, h, name.c_str(), &out, &in,
                                                DM_IN_BUFFER | DM_OUT_BUFFER | DM_IN_PROMPT);
        ClosePrinter(h);
        if (answer != IDOK) return;
        Printer().SetDevMode(out);
        ShowPrinter();
        Changed();
    }

    void OnCommand(int id, int code) override {
        switch (id) {
        case PrintPrinterList:
            if (code != CBN_SELCHANGE) return;
            Printer().SetPrinterIndex(static_cast<int>(SendMessageW(Item(id), CB_GETCURSEL, 0, 0)));
            ShowPrinter();
            Changed();
            return;
        case PrintProperties: EditProperties(); return;
        case PrintCopies:
            if (code == EN_CHANGE) Printer().SetCopies(SpinValue(PrintCopies));
            return;
        case PrintCollate: {
            DEVMODEW m = Printer().DevMode();
            m.dmFields |= DM_COLLATE;
            m.dmCollate = Checked(PrintCollate) ? DMCOLLATE_TRUE : DMCOLLATE_FALSE;
            Printer().SetDevMode(m);
            InvalidateRect(Item(CollatePicture), nullptr, TRUE);
            return;
        }
        case PrintAllPages:
        case PrintCurrentPage:
        case PrintSelection: EnableFromTo(false); return;
        case PrintPageRange: EnableFromTo(true); return;
        case PrintFromPage:
            if (code == EN_CHANGE)
                SendMessageW(Item(PrintToPage), ZSEM_SETRANGE, static_cast<WPARAM>(SpinValue(PrintFromPage)),
                             std::max<int>(max_page_, SpinValue(PrintFromPage)));
            return;
        default: return;
        }
    }

    // Two copies of three pages: two stacks of pages 1, 2, 3 collated; stacks of page 1 and
    // of page 2 not.
    void OnDrawItem(const DRAWITEMSTRUCT& item) override {
        if (item.CtlID != static_cast<UINT>(CollatePicture)) return;
        const bool collated = Checked(PrintCollate);
        FillRect(item.hDC, &item.rcItem, GetSysColorBrush(COLOR_BTNFACE));
        SetBkMode(item.hDC, TRANSPARENT);
        int x = item.rcItem.left;
        for (int stack = 0; stack < 2; ++stack) {
            for (int sheet = 0; sheet < 3; ++sheet) {
                const int number = collated ? 3 - sheet : stack + 1;
                RECT r{x + sheet * 8, item.rcItem.top + sheet * 4, x + sheet * 8 + 22,
                       item.rcItem.top + sheet * 4 + 28};
                Rectangle(item.hDC, r.left, r.top, r.right, r.bottom);
                const std::u16string n(1, static_cast<char16_t>(u'0' + number));
                DrawTextW(item.hDC, n.c_str(), 1, &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
            }
            x += 64;
        }
    }

    WORD min_page_ = 0, max_page_ = 0;
};

} // namespace

void TExPrintDialog::SetColors(COLORREF back, COLORREF highlight, COLORREF shadow) {
    FBackColor = back;
    FHighColor = highlight;
    FShadColor = shadow;
}

void TExPrintDialog::ColorBroadcast(LPARAM record) {
    if (FLockColor || record == 0) return;
    const auto* colors = reinterpret_cast<const std::uint32_t*>(record);
    SetColors(colors[1], colors[2], colors[3]);
}

bool TExPrintDialog::Prints(int page, int current) const {
    const bool in_range = FPageRange == pprCurrent ? page == current
                          : FPageRange == pprPages ? page >= FFromPage && page <= FToPage
                                                   : true;
    const bool parity = FPrintRange == prrOdds    ? page % 2 == 1
                        : FPrintRange == prrEvens ? page % 2 == 0
                                                  : true;
    return in_range && parity;
}

bool TExPrintDialog::Execute(HWND owner) {
    if (Printer().Printers().empty()) return false;
    controls::DialogColors colors = controls::CurrentDialogColors();
    const controls::DialogColors before = colors;
    colors.back = FBackColor;
    colors.highlight = FHighColor;
    colors.shadow = FShadColor;
    // The caption bar in the shadow colour's family.
    const COLORREF bar = platform::ChangeColorLight(FShadColor, -30);
    colors.gradient1 = platform::ChangeColorLight(bar, 50);
    colors.gradient2 = bar;
    controls::SetDialogColors(colors);
    TPrintDlg form(owner, FEnglishLanguage);
    controls::SetDialogColors(before);
    if ((FOptions & pdoUsePrintRange) == 0) form.HidePrintRange();
    form.Offer(PrintCurrentPage, (FOptions & pdoCurrentPage) != 0);
    form.Offer(PrintSelection, (FOptions & pdoUseSelection) != 0);
    form.SetMinPage(FMinPage);
    form.SetMaxPage(FMaxPage);
    form.on_change = FOnChange;
    if (form.Run() != IDOK) return false;
    FPageRange = form.PageRange();
    FFromPage = form.From();
    FToPage = form.To();
    FPrintRange = form.Range();
    return true;
}

} // namespace zeledit
