// A printer's own settings: paper, orientation, copies and collation of its device mode.
#include "dialogs/printer_settings_dialog.h"
#include "dialogs/form_dialog.h"

#include <zeledit/controls.h>
#include <zeledit/print_dialog.h>

#include <string>

namespace zeledit::dialogs {
namespace {

struct PaperChoice {
    short code;
    LPCWSTR name;
};
constexpr PaperChoice papers[] = {
    {DMPAPER_LETTER, u"Letter (8.5 x 11 in)"},
    {DMPAPER_LEGAL, u"Legal (8.5 x 14 in)"},
    {DMPAPER_EXECUTIVE, u"Executive (7.25 x 10.5 in)"},
    {DMPAPER_A3, u"A3 (297 x 420 mm)"},
    {DMPAPER_A4, u"A4 (210 x 297 mm)"},
    {DMPAPER_A5, u"A5 (148 x 210 mm)"},
    {DMPAPER_B5, u"B5 (182 x 257 mm)"},
};

class SettingsDialog final : public FormDialog {
public:
    SettingsDialog(HWND owner, std::u16string_view printer, DEVMODEW& mode)
        : FormDialog(owner, 1, u"Printer properties", u"Printer properties", u"Printer properties",
                     {340, 220}),
          mode_(mode) {
        if (window_ == nullptr) return;
        const std::u16string heading = u"Printer: " + std::u16string(printer);
        Add(u"STATIC", heading.c_str(), SS_CENTERIMAGE | SS_NOPREFIX, 0, {12, 30, 328, 50});
        Add(u"STATIC", u"Paper:", SS_CENTERIMAGE, 0, {12, 56, 90, 78});
        HWND paper = Add(u"COMBOBOX", u"", WS_TABSTOP | CBS_DROPDOWNLIST, SettingsPaper, {94, 56, 328, 220});
        int chosen = -1;
        for (std::size_t i = 0; i < std::size(papers); ++i) {
            SendMessageW(paper, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(papers[i].name));
            if ((mode.dmFields & DM_PAPERSIZE) && papers[i].code == mode.dmPaperSize)
                chosen = static_cast<int>(i);
        }
        SendMessageW(paper, CB_SETCURSEL, static_cast<WPARAM>(chosen), 0);
        Add(u"BUTTON", u"Orientation", BS_GROUPBOX, 0, {12, 84, 168, 146});
        Add(u"BUTTON", u"Portrait", BS_AUTORADIOBUTTON | WS_TABSTOP, SettingsPortrait, {24, 102, 160, 120});
        Add(u"BUTTON", u"Landscape", BS_AUTORADIOBUTTON | WS_TABSTOP, SettingsLandscape, {24, 122, 160, 140});
        const bool landscape = (mode.dmFields & DM_ORIENTATION) && mode.dmOrientation == DMORIENT_LANDSCAPE;
        Check(landscape ? SettingsLandscape : SettingsPortrait, true);
        AddSpin(window_, u"Copies:", SettingsCopies, {180, 92, 328, 114}, 1, 9999,
                (mode.dmFields & DM_COPIES) && mode.dmCopies > 0 ? mode.dmCopies : 1, 60);
        Add(u"BUTTON", u"Collate", BS_AUTOCHECKBOX | WS_TABSTOP, SettingsCollate, {180, 122, 328, 140});
        Check(SettingsCollate, (mode.dmFields & DM_COLLATE) && mode.dmCollate == DMCOLLATE_TRUE);
        Add(u"BUTTON", u"OK", BS_DEFPUSHBUTTON | WS_TABSTOP, IDOK, {168, 180, 246, 206});
        Add(u"BUTTON", u"Cancel", WS_TABSTOP | ZBS_CANCEL, IDCANCEL, {252, 180, 328, 206});
    }

private:
    bool OnOK() override {
        const auto paper = SendMessageW(Item(SettingsPaper), CB_GETCURSEL, 0, 0);
        if (paper >= 0 && static_cast<std::size_t>(paper) < std::size(papers)) {
            mode_.dmFields = (mode_.dmFields & ~(DM_PAPERWIDTH | DM_PAPERLENGTH)) | DM_PAPERSIZE;
            mode_.dmPaperSize = papers[static_cast<std::size_t>(paper)].code;
        }
        mode_.dmFields |= DM_ORIENTATION | DM_COPIES | DM_COLLATE;
        mode_.dmOrientation = Checked(SettingsLandscape) ? DMORIENT_LANDSCAPE : DMORIENT_PORTRAIT;
        mode_.dmCopies = static_cast<short>(SpinValue(SettingsCopies));
        mode_.dmCollate = Checked(SettingsCollate) ? DMCOLLATE_TRUE : DMCOLLATE_FALSE;
        return true;
    }

    DEVMODEW& mode_;
};

} // namespace

bool AskPrinterSettings(HWND owner, std::u16string_view printer, DEVMODEW& mode) {
    DEVMODEW edited = mode;
    SettingsDialog dialog(owner, printer, edited);
    if (dialog.Run() != IDOK) return false;
    mode = edited;
    return true;
}

} // namespace zeledit::dialogs
