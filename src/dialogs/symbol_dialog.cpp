#include "dialogs/symbol_dialog.h"

#include "dialogs/form_dialog.h"

#include <zeledit/command_dialogs.h>
#include <zeledit/controls.h>

#include <algorithm>
#include <string>
#include <utility>

namespace zeledit::dialogs {
namespace {

class TSymbolDlg final : public FormDialog {
public:
    TSymbolDlg(HWND owner, std::u16string face, std::uint8_t code, BYTE language)
        : FormDialog(owner, language, language == 1 ? u"Select symbol" : u"Chọn ký hiệu", u"Chọn ký hiệu",
                     u"Select symbol", {520, 386}),
          face_(std::move(face)), code_(std::max<std::uint8_t>(code, 32)) {
        if (window_ == nullptr) return;
        Add(u"STATIC",
            Say(u"  Hãy chọn font chữ rồi chọn một ký tự...",
                u" Select a font and choose a symbol/character..."),
            SS_CENTERIMAGE, 0, {12, 30, 508, 50});
        Add(u"STATIC", Say(u"Font chữ:", u"Fonts:"), SS_CENTERIMAGE, 0, {12, 54, 176, 72});
        HWND fonts = Add(FontListClassName, u"", WS_BORDER | WS_VSCROLL | WS_TABSTOP | LBS_NOTIFY | LBS_SORT,
                         SymbolFonts, {12, 74, 176, 338});
        // The face the editor's bullets use, whatever the desktop calls its symbol font.
        if (SendMessageW(fonts, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                         reinterpret_cast<LPARAM>(u"Symbol")) < 0)
            SendMessageW(fonts, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(u"Symbol"));
        const auto at = SendMessageW(fonts, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                     reinterpret_cast<LPARAM>(face_.c_str()));
        SendMessageW(fonts, LB_SETCURSEL, static_cast<WPARAM>(at), 0);
        HWND map =
            Add(CharMapClassName, u"", WS_BORDER | WS_TABSTOP, SymbolMap, {186, 54, 186 + 324, 54 + 284});
        SendMessageW(map, ZCMM_SETFACE, 0, reinterpret_cast<LPARAM>(face_.c_str()));
        SendMessageW(map, ZCMM_SETCODE, code_, 0);
        Add(u"STATIC", u"", SS_CENTERIMAGE, SymbolCode, {12, 350, 300, 374});
        Add(u"BUTTON", u"OK", BS_DEFPUSHBUTTON | WS_TABSTOP, IDOK, {348, 348, 424, 374});
        Add(u"BUTTON", Say(u"Đóng", u"Close"), WS_TABSTOP | ZBS_CANCEL, IDCANCEL, {432, 348, 508, 374});
        ShowCode();
    }

    const std::u16string& Face() const { return face_; }
    std::uint8_t Code() const { return code_; }

private:
    void OnInit() override { SetFocus(Item(SymbolMap)); }
    void ShowCode() {
        code_ = static_cast<std::uint8_t>(SendMessageW(Item(SymbolMap), ZCMM_GETCODE, 0, 0));
        const std::string n = std::to_string(code_);
        const std::u16string text =
            Say(u"Mã ký tự: ", u"Character code: ") + std::u16string(n.begin(), n.end());
        SetWindowTextW(Item(SymbolCode), text.c_str());
    }
    void OnCommand(int id, int code) override {
        if (id == SymbolFonts && code == LBN_SELCHANGE) {
            HWND fonts = Item(SymbolFonts);
            const auto at = SendMessageW(fonts, LB_GETCURSEL, 0, 0);
            if (at < 0) return;
            std::u16string name(
                static_cast<std::size_t>(SendMessageW(fonts, LB_GETTEXTLEN, static_cast<WPARAM>(at), 0)) + 1,
                u'\0');
            SendMessageW(fonts, LB_GETTEXT, static_cast<WPARAM>(at), reinterpret_cast<LPARAM>(name.data()));
            face_ = name.c_str();
            SendMessageW(Item(SymbolMap), ZCMM_SETFACE, 0, reinterpret_cast<LPARAM>(face_.c_str()));
            SetFocus(Item(SymbolMap));
        } else if (id == SymbolMap && code == CMN_SELCHANGE) {
            ShowCode();
        } else if (id == SymbolMap && code == CMN_DBLCLK) {
            ShowCode();
            End(IDOK);
        }
    }
    bool OnOK() override {
        ShowCode();
        return true;
    }

    std::u16string face_;
    std::uint8_t code_;
};

} // namespace

bool AskSymbol(HWND owner, std::u16string& face, std::uint8_t& code, BYTE language) {
    TSymbolDlg dialog(owner, face, code, language);
    if (dialog.Run() != IDOK) return false;
    face = dialog.Face();
    code = dialog.Code();
    return true;
}

} // namespace zeledit::dialogs
