#include "controls/controls.h"
#include "controls/dialog_colors.h"
#include "dialogs/form_dialog.h"
#include "dialogs/paragraph_dialogs.h"
#include "dialogs/paragraph_preview.h"
#include "dialogs/symbol_dialog.h"
#include "dialogs/typed_numbers.h"
#include "platform/core/code_page.h"
#include "platform/core/text.h"

#include <zeledit/controls.h>
#include <zeledit/format_dialogs.h>

#include <algorithm>
#include <string>

namespace zeledit::dialogs {
namespace {

constexpr double CmPerInch = 2.54, MaxIndent = 22.0;
constexpr int Sizes[] = {8, 9, 10, 11, 12, 14, 16, 18, 20, 22, 24, 26, 28, 32, 36, 48, 54, 64, 72, 96};
constexpr int LabelUnit = 730;

class BulletDialog final : public FormDialog {
public:
    BulletDialog(HWND owner, const TBullet& bullet, std::uint8_t color_style, BYTE language, BYTE unit)
        : FormDialog(owner, language, language == 1 ? u"Bullets" : u"Định dạng hoa thị đầu dòng",
                     u"Định dạng hoa thị đầu dòng", u"Bullets", {424, 300}),
          b_(bullet), unit_(unit == 1 ? 1 : 0) {
        // A bullet never given a character starts as the usual dot.
        if (b_.blFaceName[0] == '\0') {
            platform::unicode_to_field(u"Symbol", b_.blFaceName);
            b_.blChar = 183;
        }
        Add(u"STATIC", Say(u"Xem trước", u"Preview"), SS_CENTERIMAGE, 0, {12, 32, 180, 50});
        Add(u"STATIC", u"", SS_OWNERDRAW, BulletPreview, {12, 52, 180, 188});
        Add(u"BUTTON", Say(u"Ký tự hoa thị", u"Bullet character"), BS_GROUPBOX, 0, {190, 30, 414, 112});
        Add(u"BUTTON", Say(u"Hoa thị...", u"Bullet..."), WS_TABSTOP, BulletChar, {200, 48, 290, 72});
        Add(u"STATIC", Say(u"Kích cỡ:", u"Size:"), SS_CENTERIMAGE, 0, {200, 80, 250, 102});
        HWND size = Add(u"COMBOBOX", u"", WS_TABSTOP | CBS_DROPDOWNLIST, BulletSize, {252, 80, 310, 250});
        SendMessageW(size, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(u"Auto"));
        for (int s : Sizes)
            SendMessageW(size, CB_ADDSTRING, 0,
                         reinterpret_cast<LPARAM>(platform::from_utf8(std::to_string(s)).c_str()));
        Add(u"STATIC", Say(u"Màu:", u"Color:"), SS_CENTERIMAGE, 0, {318, 80, 350, 102});
        SendMessageW(Add(ColorPickerClassName, u"", WS_TABSTOP, BulletColor, {352, 80, 406, 102}),
                     ZCPM_SETSTYLE, color_style, 0);
        Add(u"BUTTON", Say(u"Vị trí hoa thị", u"Position"), BS_GROUPBOX, 0, {190, 118, 414, 178});
        Add(u"STATIC", Say(u"Lề:", u"Margin:"), SS_CENTERIMAGE, 0, {200, 138, 250, 160});
        SendMessageW(
            Add(u"EDIT", u"", WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL, BulletIndent, {252, 138, 300, 160}),
            EM_LIMITTEXT, 5, 0);
        Add(u"STATIC", u"", SS_CENTERIMAGE, LabelUnit, {304, 138, 340, 160});
        Add(u"BUTTON", Say(u"Neo lề", u"Hanging"), BS_AUTOCHECKBOX | WS_TABSTOP, BulletHanging,
            {344, 138, 410, 160});
        Add(u"BUTTON", Say(u"Ðơn vị tính", u"Measurement units"), BS_GROUPBOX, 0, {190, 184, 414, 228});
        Add(u"BUTTON", u"inch", BS_AUTORADIOBUTTON | WS_GROUP | WS_TABSTOP, BulletInch, {200, 202, 260, 222});
        Add(u"BUTTON", u"cm", BS_AUTORADIOBUTTON, BulletCm, {264, 202, 320, 222});
        Add(u"BUTTON", u"OK", BS_DEFPUSHBUTTON | WS_TABSTOP, IDOK, {12, 262, 94, 288});
        Add(u"BUTTON", Say(u"Thôi", u"Cancel"), WS_TABSTOP | ZBS_CANCEL, IDCANCEL, {100, 262, 182, 288});
        Add(u"BUTTON", Say(u"Bỏ hoa thị", u"Remove"), WS_TABSTOP | (bullet.blPresent != 0 ? 0 : WS_DISABLED),
            BulletRemove, {304, 262, 414, 288});
        Load();
    }

    const TBullet& Bullet() const { return b_; }
    BYTE Unit() const { return unit_; }

private:
    void Load() {
        const auto at = b_.blSize <= 0 ? 0
                                       : std::find(std::begin(Sizes), std::end(Sizes), int{b_.blSize}) -
                                             std::begin(Sizes) + 1;
        SendMessageW(Item(BulletSize), CB_SETCURSEL,
                     static_cast<WPARAM>(std::min<std::ptrdiff_t>(at, std::size(Sizes))), 0);
        SendMessageW(Item(BulletColor), ZCPM_SETCOLOR, b_.blColor, 0);
        Check(BulletHanging, b_.blHanging != 0);
        CheckRadioButton(window_, BulletInch, BulletCm, unit_ == 1 ? BulletCm : BulletInch);
        ShowIndent();
    }

    void ShowIndent() const {
        const std::u16string text = ShortDecimals(unit_ == 1 ? b_.blIndent * CmPerInch : b_.blIndent, 2);
        SetWindowTextW(Item(BulletIndent), text.c_str());
        SetWindowTextW(Item(LabelUnit), unit_ == 1 ? u"cm" : u"inch");
    }

    bool TakeIndent(bool strict) {
        const auto v = NumberIn(controls::window_text(Item(BulletIndent)));
        if (!v) {
            if (strict) FocusField(Item(BulletIndent));
            return !strict;
        }
        b_.blIndent = std::clamp(unit_ == 1 ? *v / CmPerInch : *v, 0.0, MaxIndent);
        return true;
    }

    void OnCommand(int id, int code) override {
        switch (id) {
        case BulletSize:
            if (code == CBN_SELCHANGE) {
                const auto at = SendMessageW(Item(id), CB_GETCURSEL, 0, 0);
                b_.blSize = static_cast<std::int16_t>(
                    at <= 0 ? 0 : Sizes[std::min<LRESULT>(at, std::size(Sizes)) - 1]);
            }
            break;
        case BulletColor:
            if (code == CPN_SELCHANGE)
                b_.blColor = static_cast<COLORREF>(SendMessageW(Item(id), ZCPM_GETCOLOR, 0, 0));
            break;
        case BulletHanging: b_.blHanging = Checked(id) ? 1 : 0; break;
        case BulletIndent:
            if (code == EN_CHANGE) TakeIndent(false);
            break;
        case BulletInch:
        case BulletCm:
            if (code == BN_CLICKED && unit_ != (id == BulletCm ? 1 : 0)) {
                unit_ = id == BulletCm ? 1 : 0;
                ShowIndent();
            }
            break;
        case BulletRemove: End(BulletRemove); return;
        case BulletChar: {
            std::u16string face = platform::field_to_unicode(b_.blFaceName);
            std::uint8_t character = b_.blChar;
            if (!AskSymbol(window_, face, character, language_)) return;
            platform::unicode_to_field(face, b_.blFaceName);
            b_.blChar = character;
            break;
        }
        default: return;
        }
        InvalidateRect(Item(BulletPreview), nullptr, FALSE);
    }

    void OnDrawItem(const DRAWITEMSTRUCT& item) override {
        if (item.CtlID == static_cast<UINT>(BulletPreview)) DrawBulletPreview(item.hDC, item.rcItem, b_);
    }

    bool OnOK() override { return TakeIndent(true); }

    TBullet b_;
    BYTE unit_;
};

} // namespace

bool AskBullet(HWND owner, TBullet& bullet, std::uint8_t color_style, BYTE& unit, BYTE language) {
    BulletDialog dialog(owner, bullet, color_style, language, unit);
    const int result = dialog.Run();
    unit = dialog.Unit();
    if (result == BulletRemove) {
        bullet.blPresent = 0;
        return true;
    }
    if (result != IDOK) return false;
    bullet = dialog.Bullet();
    bullet.blPresent = 1;
    controls::AddRecentColor(bullet.blColor);
    return true;
}

} // namespace zeledit::dialogs
