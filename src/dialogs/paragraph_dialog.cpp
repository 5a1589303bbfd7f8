#include "controls/controls.h"
#include "controls/dialog_colors.h"
#include "dialogs/form_dialog.h"
#include "dialogs/paragraph_dialogs.h"
#include "dialogs/paragraph_preview.h"
#include "dialogs/tab_dialog.h"
#include "dialogs/typed_numbers.h"
#include "platform/core/text.h"

#include <zeledit/controls.h>
#include <zeledit/format_dialogs.h>

#include <algorithm>
#include <cmath>
#include <string>

namespace zeledit::dialogs {
namespace {

constexpr double CmPerInch = 2.54, MaxIndent = 22.0, StartDistance = 0.3;
constexpr int LabelLeftUnit = 530, LabelRightUnit = 531, LabelDistanceUnit = 532, LabelLineUnit = 533,
              LabelDistance = 534;
enum Special { None, FirstLine, Hanging };
enum LineKind { Single, OneAndHalf, Double, AtLeast, Exactly, Multiply };

// A length shown in the unit, at most two decimals.
std::u16string Length(double inches, BYTE unit) {
    return ShortDecimals(unit == 1 ? inches * CmPerInch : inches, 2);
}

class ParagraphDialog final : public FormDialog {
public:
    ParagraphDialog(HWND owner, const TParaFormat& format, std::uint8_t alignment, std::uint8_t color_style,
                    BYTE language, BYTE unit)
        : FormDialog(owner, language, language == 1 ? u"Paragraph attributes" : u"Định dạng đoạn",
                     u"Định dạng đoạn", u"Paragraph attributes", {480, 344}),
          f_(format), alignment_(std::min<std::uint8_t>(alignment, 3)), unit_(unit == 1 ? 1 : 0),
          color_style_(color_style) {
        pages_ = Add(PageControlClassName, u"", WS_TABSTOP, ParaPages, {8, 32, 300, 290});
        AddMargins(Page(u"Định lề ", u"Margins"));
        AddSpacing(Page(u"Khoảng cách  ", u"Spacing"));
        AddShading(Page(u"Màu sắc ", u"Shading"), color_style);
        Add(u"STATIC", Say(u"Xem trước", u"Preview"), SS_CENTERIMAGE, 0, {310, 32, 470, 48});
        Add(u"STATIC", u"", SS_OWNERDRAW, ParaPreview, {310, 50, 470, 262});
        Add(u"BUTTON", Say(u"Vị trí tab...", u"Tabs..."), WS_TABSTOP, ParaTabs, {8, 302, 90, 328});
        Add(u"BUTTON", Say(u"Khung...", u"Borders..."), WS_TABSTOP, ParaBorders, {96, 302, 178, 328});
        Add(u"BUTTON", Say(u"Hoa thị...", u"Bullet..."), WS_TABSTOP, ParaBullet, {184, 302, 266, 328});
        Add(u"BUTTON", u"OK", BS_DEFPUSHBUTTON | WS_TABSTOP, IDOK, {302, 302, 384, 328});
        Add(u"BUTTON", Say(u"Thôi", u"Cancel"), WS_TABSTOP | ZBS_CANCEL, IDCANCEL, {390, 302, 472, 328});
        Load();
    }

    const TParaFormat& Format() const { return f_; }
    std::uint8_t Alignment() const { return alignment_; }
    BYTE Unit() const { return unit_; }

private:
    HWND Page(LPCWSTR vi, LPCWSTR en) {
        const auto index = SendMessageW(pages_, ZPCM_ADDPAGE, 0, reinterpret_cast<LPARAM>(Say(vi, en)));
        return reinterpret_cast<HWND>(
            SendMessageW(pages_, ZPCM_GETPAGEWINDOW, static_cast<WPARAM>(index), 0));
    }
    HWND Combo(HWND page, int id, RECT r, std::initializer_list<LPCWSTR> items) const {
        r.bottom += 150; // the dropped list
        HWND c = Add(page, u"COMBOBOX", u"", WS_TABSTOP | CBS_DROPDOWNLIST, id, r);
        for (LPCWSTR item : items) SendMessageW(c, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
        return c;
    }
    LPCWSTR UnitName() const { return unit_ == 1 ? u"cm" : u"inch"; }

    void AddMargins(HWND page) {
        const DWORD edit = WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL;
        Add(page, u"STATIC", Say(u"Trái:", u"Left:"), SS_CENTERIMAGE, 0, {12, 12, 90, 34});
        SendMessageW(Add(page, u"EDIT", u"", edit, ParaLeft, {94, 12, 150, 34}), EM_LIMITTEXT, 4, 0);
        Add(page, u"STATIC", UnitName(), SS_CENTERIMAGE, LabelLeftUnit, {154, 12, 200, 34});
        Add(page, u"STATIC", Say(u"Phải:", u"Right:"), SS_CENTERIMAGE, 0, {12, 40, 90, 62});
        SendMessageW(Add(page, u"EDIT", u"", edit, ParaRight, {94, 40, 150, 62}), EM_LIMITTEXT, 4, 0);
        Add(page, u"STATIC", UnitName(), SS_CENTERIMAGE, LabelRightUnit, {154, 40, 200, 62});
        Add(page, u"STATIC", Say(u"Đặc biệt", u"Special:"), SS_CENTERIMAGE, 0, {12, 72, 90, 94});
        Combo(page, ParaSpecial, {94, 72, 210, 94},
              {Say(u"(không)", u"(none)"), Say(u"Thụt đầu dòng", u"First line"),
               Say(u"Ló đầu dòng", u"Hanging")});
        Add(page, u"STATIC", Say(u"Ở khoảng:", u"By:"), SS_CENTERIMAGE, LabelDistance, {94, 100, 160, 122});
        SendMessageW(Add(page, u"EDIT", u"", edit, ParaDistance, {162, 100, 210, 122}), EM_LIMITTEXT, 5, 0);
        Add(page, u"STATIC", UnitName(), SS_CENTERIMAGE, LabelDistanceUnit, {214, 100, 260, 122});
        Add(page, u"STATIC", Say(u"Căn lề:", u"Alignment:"), SS_CENTERIMAGE, 0, {12, 132, 90, 154});
        Combo(page, ParaAlignment, {94, 132, 210, 154},
              {Say(u"Trái", u"Left"), Say(u"Giữa", u"Center"), Say(u"Phải", u"Right"),
               Say(u"Đều hai bên", u"Justify")});
        Add(page, u"STATIC", Say(u"Đơn vị tính", u"Measurement units:"), SS_CENTERIMAGE, 0,
            {12, 168, 140, 190});
        Add(page, u"BUTTON", u"inch", BS_AUTORADIOBUTTON | WS_GROUP | WS_TABSTOP, ParaInch,
            {144, 168, 200, 190});
        Add(page, u"BUTTON", u"cm", BS_AUTORADIOBUTTON, ParaCm, {204, 168, 260, 190});
    }

    void AddSpacing(HWND page) {
        Add(page, u"BUTTON", Say(u"Khoảng cách đoạn ", u"Paragraph spacing "), BS_GROUPBOX, 0,
            {8, 8, 276, 78});
        AddSpin(page, Say(u"Trước:", u"Before:"), ParaBefore, {20, 28, 130, 50}, 0, 24, 0, 50);
        AddSpin(page, Say(u"Sau:", u"After:"), ParaAfter, {140, 28, 250, 50}, 0, 24, 0, 50);
        for (int id : {ParaBefore, ParaAfter}) SendMessageW(Item(id), ZSEM_SETSTEP, 6, 0);
        Add(page, u"BUTTON", Say(u"Khoảng cách dòng ", u"Line spacing "), BS_GROUPBOX, 0, {8, 88, 276, 158});
        Combo(page, ParaLineSpacing, {20, 110, 150, 132},
              {Say(u"Bình thường", u"Single"), Say(u"Gấp rưỡi", u"1.5 lines"), Say(u"Gấp đôi", u"Double"),
               Say(u"Ít nhất là...", u"At least..."), Say(u"Chính xác là...", u"Exactly..."),
               Say(u"Gấp nhiều dòng", u"Multiply...")});
        Add(page, u"EDIT", u"", WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL, ParaLineValue, {158, 110, 204, 132});
        Add(page, u"STATIC", u"", SS_CENTERIMAGE, LabelLineUnit, {208, 110, 270, 132});
    }

    void AddShading(HWND page, std::uint8_t color_style) {
        Add(page, u"STATIC", Say(u"Màu:", u"Color:"), SS_CENTERIMAGE, 0, {12, 12, 60, 34});
        HWND picker = Add(page, ColorPickerClassName, u"", WS_TABSTOP, ParaShading, {64, 12, 180, 34});
        SendMessageW(picker, ZCPM_SETSTYLE, color_style, 0);
        Add(page, u"STATIC", u"", SS_CENTERIMAGE, ParaRed, {12, 44, 270, 66});
    }

    // --- showing the working copy ---

    void Load() {
        const TIndent in = f_.ptIndent;
        CheckRadioButton(FindPage(ParaInch), ParaInch, ParaCm, unit_ == 1 ? ParaCm : ParaInch);
        ShowIndents();
        SendMessageW(Item(ParaSpecial), CB_SETCURSEL,
                     in.inFirst == 0  ? None
                     : in.inFirst > 0 ? FirstLine
                                      : Hanging,
                     0);
        ShowDistance(in.inFirst != 0);
        SendMessageW(Item(ParaAlignment), CB_SETCURSEL, alignment_, 0);
        SetSpinValue(ParaBefore, f_.ptBefore);
        SetSpinValue(ParaAfter, f_.ptAfter);
        const std::uint32_t spacing = f_.ptLineSpacing;
        const int kind = std::min(static_cast<int>(spacing & 0xFFFF), int{Multiply}),
                  v = static_cast<int>(spacing >> 16);
        SendMessageW(Item(ParaLineSpacing), CB_SETCURSEL, static_cast<WPARAM>(kind), 0);
        std::u16string value = platform::from_utf8(std::to_string(v));
        if (kind == Multiply && v >= 11) value = Length(v / 10.0, 0);
        ShowLineValue(kind, value);
        SendMessageW(Item(ParaShading), ZCPM_SETCOLOR, f_.ptShading, 0);
        ShowShading();
    }
    HWND FindPage(int id) const { return GetParent(Item(id)); }

    void ShowLength(int id, double inches) const { SetWindowTextW(Item(id), Length(inches, unit_).c_str()); }
    void ShowIndents() const {
        const TIndent in = f_.ptIndent;
        ShowLength(ParaLeft, in.inLeft);
        ShowLength(ParaRight, in.inRight);
        ShowLength(ParaDistance, std::fabs(in.inFirst));
        for (int id : {LabelLeftUnit, LabelRightUnit, LabelDistanceUnit})
            SetWindowTextW(Item(id), UnitName());
    }
    void ShowDistance(bool on) const {
        for (int id : {int{LabelDistance}, int{ParaDistance}, int{LabelDistanceUnit}})
            ShowWindow(Item(id), on ? SW_SHOW : SW_HIDE);
    }
    bool DistanceShown() const { return IsWindowVisible(Item(ParaDistance)) != FALSE; }
    void ShowLineValue(int kind, const std::u16string& value) const {
        const bool on = kind >= AtLeast;
        SetWindowTextW(Item(ParaLineValue), on ? value.c_str() : u"0");
        SetWindowTextW(Item(LabelLineUnit), kind == Multiply ? u"times" : u"points");
        for (int id : {int{ParaLineValue}, int{LabelLineUnit}}) ShowWindow(Item(id), on ? SW_SHOW : SW_HIDE);
    }
    void ShowShading() const {
        const COLORREF c = f_.ptShading;
        const std::string rgb = "R: " + std::to_string(c & 0xFF) +
                                "   G: " + std::to_string((c >> 8) & 0xFF) +
                                "   B: " + std::to_string((c >> 16) & 0xFF);
        SetWindowTextW(Item(ParaRed), platform::from_utf8(rgb).c_str());
    }
    void Repaint() const { InvalidateRect(Item(ParaPreview), nullptr, FALSE); }

    // --- taking what was typed ---

    // The field's length in inches; none (with the field focused when `strict`) for text
    // that is not a number.
    std::optional<double> Typed(int id, bool strict) const {
        const auto v = NumberIn(controls::window_text(Item(id)));
        if (!v) {
            if (strict) FocusField(Item(id));
            return std::nullopt;
        }
        return std::clamp(unit_ == 1 ? *v / CmPerInch : *v, -MaxIndent, MaxIndent);
    }

    bool TakeLeft(bool strict) {
        const auto v = Typed(ParaLeft, strict);
        if (!v) return !strict;
        TIndent in = f_.ptIndent;
        in.inLeft = std::max(*v, 0.0);
        if (in.inFirst < 0 && -in.inFirst > in.inLeft) in.inLeft = -in.inFirst;
        f_.ptIndent = in;
        ShowLength(ParaLeft, in.inLeft);
        return true;
    }

    bool TakeRight(bool strict) {
        const auto v = Typed(ParaRight, strict);
        if (!v) return !strict;
        if (*v >= 0) f_.ptIndent.inRight = *v;
        ShowLength(ParaRight, f_.ptIndent.inRight); // a negative entry is undone
        return true;
    }

    void SetSpecial(int special) {
        TakeLeft(false);
        TIndent in = f_.ptIndent;
        if (special == None) {
            ShowDistance(false);
            in.inFirst = 0;
            f_.ptBullet.blPresent = 0;
        } else if (special == FirstLine) {
            if (!DistanceShown()) in.inFirst = StartDistance;
            in.inFirst = std::fabs(in.inFirst);
            f_.ptBullet.blHanging = 0;
        } else {
            if (!DistanceShown()) {
                in.inLeft = StartDistance;
                in.inFirst = -StartDistance;
            }
            if (in.inFirst > 0) in.inFirst = -in.inFirst;
        }
        f_.ptIndent = in;
        if (special != None) ShowDistance(true);
        SendMessageW(Item(ParaSpecial), CB_SETCURSEL, static_cast<WPARAM>(special), 0);
        ShowLength(ParaLeft, in.inLeft);
        ShowLength(ParaDistance, std::fabs(in.inFirst));
    }

    bool TakeDistance(bool strict) {
        if (!DistanceShown()) return true;
        const auto v = Typed(ParaDistance, strict);
        if (!v) return !strict;
        const double d = std::fabs(*v);
        if (d == 0) {
            SetSpecial(None);
            return true;
        }
        TIndent in = f_.ptIndent;
        if (SendMessageW(Item(ParaSpecial), CB_GETCURSEL, 0, 0) == FirstLine) {
            in.inFirst = d;
        } else {
            in.inFirst = -d;
            if (in.inLeft < d) in.inLeft = d;
        }
        f_.ptIndent = in;
        ShowLength(ParaLeft, in.inLeft);
        ShowLength(ParaDistance, d);
        return true;
    }

    void SetLineKind(int kind) {
        ShowLineValue(kind, kind == Multiply ? u"2" : u"12");
        TakeLineValue(false);
    }

    bool TakeLineValue(bool strict) {
        const int kind = static_cast<int>(
            std::clamp<LRESULT>(SendMessageW(Item(ParaLineSpacing), CB_GETCURSEL, 0, 0), 0, Multiply));
        std::uint32_t value = 0;
        if (kind >= AtLeast) {
            const auto v = NumberIn(controls::window_text(Item(ParaLineValue)));
            if (!v) {
                if (strict) FocusField(Item(ParaLineValue));
                return !strict;
            }
            value = kind == Multiply ? static_cast<std::uint32_t>(std::lround(std::clamp(*v, 1.0, 10.0) * 10))
                                     : static_cast<std::uint32_t>(std::lround(std::clamp(*v, 6.0, 72.0)));
        }
        f_.ptLineSpacing = static_cast<std::uint32_t>(kind) + 65536u * value;
        return true;
    }

    // What the length fields hold, taken before they are shown again.
    void TakePending() {
        TakeLeft(false);
        TakeRight(false);
        TakeDistance(false);
    }

    void SwitchUnit(BYTE unit) {
        if (unit == unit_) return;
        TakePending();
        unit_ = unit;
        ShowIndents();
    }

    void TakeBullet() {
        TakePending();
        TBullet bullet = f_.ptBullet;
        if (!AskBullet(window_, bullet, color_style_, unit_, language_)) return;
        f_.ptBullet = bullet;
        if (bullet.blPresent != 0) {
            const double indent = bullet.blIndent;
            f_.ptIndent.inFirst = bullet.blHanging != 0 ? -indent : indent;
            f_.ptIndent.inLeft = bullet.blHanging != 0 ? indent : 0.0;
        }
        const double first = f_.ptIndent.inFirst;
        SendMessageW(Item(ParaSpecial), CB_SETCURSEL, first == 0 ? None : first > 0 ? FirstLine : Hanging, 0);
        ShowDistance(first != 0);
        CheckRadioButton(FindPage(ParaInch), ParaInch, ParaCm, unit_ == 1 ? ParaCm : ParaInch);
        ShowIndents();
    }

    void OnCommand(int id, int code) override {
        switch (id) {
        case ParaLeft:
            if (code == EN_KILLFOCUS) TakeLeft(false);
            break;
        case ParaRight:
            if (code == EN_KILLFOCUS) TakeRight(false);
            break;
        case ParaDistance:
            if (code == EN_KILLFOCUS) TakeDistance(false);
            break;
        case ParaSpecial:
            if (code == CBN_SELCHANGE)
                SetSpecial(static_cast<int>(SendMessageW(Item(id), CB_GETCURSEL, 0, 0)));
            break;
        case ParaAlignment:
            if (code == CBN_SELCHANGE)
                alignment_ = static_cast<std::uint8_t>(
                    std::clamp<LRESULT>(SendMessageW(Item(id), CB_GETCURSEL, 0, 0), 0, 3));
            break;
        case ParaInch:
        case ParaCm:
            if (code == BN_CLICKED) SwitchUnit(id == ParaCm ? 1 : 0);
            break;
        case ParaBefore:
            if (code == EN_CHANGE) f_.ptBefore = static_cast<std::uint16_t>(SpinValue(id));
            break;
        case ParaAfter:
            if (code == EN_CHANGE) f_.ptAfter = static_cast<std::uint16_t>(SpinValue(id));
            break;
        case ParaLineSpacing:
            if (code == CBN_SELCHANGE)
                SetLineKind(static_cast<int>(SendMessageW(Item(id), CB_GETCURSEL, 0, 0)));
            break;
        case ParaLineValue:
            if (code == EN_CHANGE) TakeLineValue(false);
            break;
        case ParaShading:
            if (code != CPN_SELCHANGE) return;
            f_.ptShading = static_cast<COLORREF>(SendMessageW(Item(id), ZCPM_GETCOLOR, 0, 0));
            ShowShading();
            break;
        case ParaTabs:
            TakePending();
            AskTabs(window_, f_.ptTabs, unit_, language_);
            SwitchUnitShown();
            break;
        case ParaBorders: AskBorder(window_, f_.ptBorder, color_style_, language_); break;
        case ParaBullet: TakeBullet(); break;
        default: return;
        }
        Repaint();
    }
    void SwitchUnitShown() const {
        CheckRadioButton(FindPage(ParaInch), ParaInch, ParaCm, unit_ == 1 ? ParaCm : ParaInch);
        ShowIndents();
    }

    void OnDrawItem(const DRAWITEMSTRUCT& item) override {
        if (item.CtlID == static_cast<UINT>(ParaPreview)) DrawParagraphPreview(item.hDC, item.rcItem, f_);
    }

    bool OnOK() override {
        return TakeLeft(true) && TakeRight(true) && TakeDistance(true) && TakeLineValue(true);
    }

    HWND pages_ = nullptr;
    TParaFormat f_;
    std::uint8_t alignment_;
    BYTE unit_;
    std::uint8_t color_style_;
};

} // namespace

bool AskParagraph(HWND owner, TParaFormat& format, std::uint8_t& alignment, std::uint8_t color_style,
                  BYTE language, BYTE& unit) {
    ParagraphDialog dialog(owner, format, alignment, color_style, language, unit);
    const bool ok = dialog.Run() == IDOK;
    unit = dialog.Unit();
    if (!ok) return false;
    format = dialog.Format();
    alignment = dialog.Alignment();
    controls::AddRecentColor(format.ptShading);
    return true;
}

} // namespace zeledit::dialogs
