#include "dialogs/font_dialog.h"

#include "controls/dialog_colors.h"
#include "dialogs/form_dialog.h"

#include <zeledit/controls.h>
#include <zeledit/format_dialogs.h>

namespace zeledit::dialogs {
namespace {

constexpr int Width = 392, PreviewWidth = 365, PreviewHeight = 77;
constexpr int LabelPreview = 460, LabelSeparator = 461;

class TSelFontDlg final : public FormDialog {
public:
    TSelFontDlg(HWND owner, BYTE language)
        : FormDialog(owner, language, language == 1 ? u"Font Format" : u"Chọn font chữ", u"Chọn font chữ",
                     u"Font Format", {Width, 420}),
          selector_(window_, {4, HeadingHeight}, DefaultFontOptions) {
        Add(u"STATIC", Say(u"Xem thử:", u"Preview"), SS_CENTERIMAGE, LabelPreview, {});
        Add(SeparatorClassName, u"", 0, LabelSeparator, {});
        selector_.SetPreviewWin(Add(u"STATIC", u"", SS_OWNERDRAW, FontPreview, {}));
        Add(u"STATIC", u"", SS_CENTERIMAGE, FontDescription, {});
        Add(u"BUTTON", u"OK", BS_DEFPUSHBUTTON | WS_TABSTOP, IDOK, {});
        Add(u"BUTTON", Say(u"Thôi", u"Cancel"), WS_TABSTOP | ZBS_CANCEL, IDCANCEL, {});
        selector_.OnChanged = [this] {
            SetDlgItemTextW(window_, FontDescription, selector_.Description().c_str());
        };
        if (language == 1) selector_.SetEnglish();
    }

    // Stacks the preview, the description and the buttons below the selector.
    void ApplyOptions(TFontSelectorOptions options) {
        const int bottom = HeadingHeight + selector_.SetOptions(options);
        const auto place = [this](int id, RECT r) {
            MoveWindow(GetDlgItem(window_, id), r.left, r.top, r.right - r.left, r.bottom - r.top, FALSE);
        };
        place(LabelPreview, {8, bottom, 64, bottom + 16});
        place(LabelSeparator, {66, bottom + 8, Width - 8, bottom + 10});
        const int panel = bottom + 18;
        place(FontPreview,
              {(Width - PreviewWidth) / 2, panel, (Width + PreviewWidth) / 2, panel + PreviewHeight});
        const int description = panel + PreviewHeight + 2;
        place(FontDescription, {12, description, Width - 12, description + 18});
        const int buttons = description + 18 + 4;
        place(IDOK, {Width - 188, buttons, Width - 104, buttons + 26});
        place(IDCANCEL, {Width - 94, buttons, Width - 10, buttons + 26});
        Resize({Width, buttons + 26 + 12});
    }

    TFontSelector& Selector() { return selector_; }

private:
    void OnInit() override { SetFocus(GetDlgItem(window_, FontFaceEdit)); }
    void OnCommand(int id, int code) override { selector_.Command(id, code); }
    void OnDrawItem(const DRAWITEMSTRUCT& item) override { selector_.DrawItem(item); }
    bool OnOK() override { return selector_.Commit(); }

    TFontSelector selector_;
};

} // namespace

void TExFontDialog::SetColors(COLORREF back, COLORREF highlight, COLORREF shadow) {
    FBackColor = back;
    FHighColor = highlight;
    FShadColor = shadow;
}

bool TExFontDialog::Execute(HWND owner) {
    controls::DialogColors colors = controls::CurrentDialogColors();
    colors.back = FBackColor;
    colors.highlight = FHighColor;
    colors.shadow = FShadColor;
    controls::SetDialogColors(colors);
    TSelFontDlg form(owner, FLanguage);
    form.ApplyOptions(FOptions);
    TFontSelector& selector = form.Selector();
    selector.SetColor(FColorStyle);
    selector.SetDisplayText(FDisplayText);
    selector.SetLogFont(FFontRec);
    if (form.Run() != IDOK) return false;
    FFontRec = selector.ExFont;
    FFontSize = selector.FFontSize;
    return true;
}

int FontDialog(HWND owner, model::TFontTypeEx& font, std::u16string_view sample, std::uint8_t color_style,
               BYTE language) {
    const controls::DialogColors colors = controls::CurrentDialogColors();
    TExFontDialog dialog;
    dialog.SetColors(colors.back, colors.highlight, colors.shadow);
    dialog.FLanguage = language;
    dialog.FColorStyle = color_style;
    dialog.FDisplayText = sample;
    dialog.FFontRec = font;
    if (!dialog.Execute(owner)) return IDCANCEL;
    font = dialog.FFontRec;
    return IDOK;
}

} // namespace zeledit::dialogs
