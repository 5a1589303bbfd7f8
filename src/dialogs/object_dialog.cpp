#include "dialogs/object_dialog.h"

#include "controls/controls.h"
#include "controls/dialog_colors.h"
#include "controls/modal_loop.h"
#include "dialogs/dialog_window.h"
#include "dialogs/font_dialog.h"
#include "model/device_metrics.h"
#include "platform/user/modules.h"

#include <zeledit/controls.h>
#include <zeledit/win_dialogs.h>

#include <algorithm>
#include <cmath>
#include <string>

namespace zeledit::dialogs {
namespace {

constexpr int ButtonsHeight = 40;

int PointsAcross(int pixels, int dpi) { return dpi > 0 ? pixels * 72 / dpi : 0; }

// The opening editor's colours are the dialog's before any of its controls is made.
HWND OwnerInColors(const objects::ObjectDialogContext& context) {
    controls::SetDialogColors({context.Back, context.Highlight, context.Shadow});
    return context.Owner;
}

} // namespace

ObjectDialog::ObjectDialog(const objects::ObjectDialogContext& context, LPCWSTR title,
                           LPCWSTR vietnamese_heading, LPCWSTR english_heading, SIZE size)
    : FormDialog(OwnerInColors(context), context.Language, title, vietnamese_heading, english_heading, size),
      context_(context) {
    if (window_ == nullptr) return;
    pages_ = Add(PageControlClassName, u"", WS_TABSTOP, ObjPages,
                 {8, HeadingHeight + 8, size.cx - 8, size.cy - ButtonsHeight});
    const int y = size.cy - ButtonsHeight + 8;
    Add(u"BUTTON", u"OK", BS_DEFPUSHBUTTON | WS_TABSTOP, IDOK, {size.cx - 188, y, size.cx - 104, y + 26});
    Add(u"BUTTON", Say(u"Thôi", u"Cancel"), WS_TABSTOP | ZBS_CANCEL, IDCANCEL,
        {size.cx - 94, y, size.cx - 10, y + 26});
}

bool ObjectDialog::Run() {
    if (window_ == nullptr) return false;
    EnableLayout();
    return FormDialog::Run() == IDOK;
}

HWND ObjectDialog::AddPage(LPCWSTR vietnamese, LPCWSTR english) {
    const auto index =
        SendMessageW(pages_, ZPCM_ADDPAGE, 0, reinterpret_cast<LPARAM>(Say(vietnamese, english)));
    return reinterpret_cast<HWND>(SendMessageW(pages_, ZPCM_GETPAGEWINDOW, static_cast<WPARAM>(index), 0));
}

int ObjectDialog::AddLayout(HWND page, const TObjectInfo& info, Layout layout) {
    layout_ = layout;
    int top = 12;
    if (layout != Layout::MarginsOnly) {
        // Kinds that always float have no "Floated" row: the rest moves up into its place.
        const int y = layout == Layout::Full ? 40 : 12;
        if (layout == Layout::Full)
            Add(page, u"BUTTON", Say(u"Nổi", u"Floated"), BS_AUTOCHECKBOX | WS_TABSTOP, ObjFloated,
                {12, 12, 220, 32});
        Add(page, u"STATIC", Say(u"Canh theo:", u"Aligned by:"), SS_CENTERIMAGE, 0, {30, y, 120, y + 20});
        Add(page, u"BUTTON", Say(u"Trái", u"Left"), BS_AUTORADIOBUTTON | WS_GROUP | WS_TABSTOP, ObjAlignLeft,
            {124, y, 200, y + 20});
        Add(page, u"BUTTON", Say(u"Phải", u"Right"), BS_AUTORADIOBUTTON, ObjAlignRight,
            {204, y, 290, y + 20});
        Add(page, u"BUTTON", Say(u"Dồn chữ", u"Wrap text"), BS_AUTOCHECKBOX | WS_TABSTOP | WS_GROUP, ObjWrap,
            {30, y + 26, 220, y + 46});
        Check(ObjFloated, info.oiFloated != 0);
        Check(info.oiLayout == 1 ? ObjAlignRight : ObjAlignLeft, true);
        Check(ObjWrap, info.oiWrapText != 0);
        top = y + 56;
    }
    Add(page, u"BUTTON", Say(u"Lề:", u"Margins:"), BS_GROUPBOX, 0, {12, top, 372, top + 84});
    const RECT& b = context_.Bound;
    const int across = std::max(PointsAcross(b.right - b.left, model::DotPerInchX), 2);
    const int down = std::max(PointsAcross(b.bottom - b.top, model::DotPerInchY), 2);
    const struct {
        LPCWSTR vi, en;
        int id, x, y, high;
        double value;
    } margins[] = {{u"Trái:", u"Left:", ObjMarginLeft, 24, top + 20, across, info.oiMargins.omLeft},
                   {u"Trên:", u"Top:", ObjMarginTop, 196, top + 20, down, info.oiMargins.omTop},
                   {u"Phải:", u"Right:", ObjMarginRight, 24, top + 50, across, info.oiMargins.omRight},
                   {u"Dưới:", u"Bottom:", ObjMarginBottom, 196, top + 50, down, info.oiMargins.omBottom}};
    for (const auto& m : margins) {
        AddSpin(page, Say(m.vi, m.en), m.id, {m.x, m.y, m.x + 136, m.y + 22}, 0, m.high,
                static_cast<int>(std::lround(std::clamp(m.value, 0.0, 32767.0))));
        Add(page, u"STATIC", u"pts", SS_CENTERIMAGE, 0, {m.x + 140, m.y, m.x + 166, m.y + 22});
    }
    return top + 92;
}

void ObjectDialog::ReadLayout(TObjectInfo& info) const {
    if (layout_ != Layout::MarginsOnly) {
        info.oiFloated = layout_ == Layout::AlwaysFloated || Checked(ObjFloated) ? 1 : 0;
        info.oiLayout = Checked(ObjAlignRight) ? 1 : 0;
        info.oiWrapText = Checked(ObjWrap) ? 1 : 0;
    }
    info.oiMargins.omLeft = SpinValue(ObjMarginLeft);
    info.oiMargins.omTop = SpinValue(ObjMarginTop);
    info.oiMargins.omRight = SpinValue(ObjMarginRight);
    info.oiMargins.omBottom = SpinValue(ObjMarginBottom);
}

void ObjectDialog::EnableLayout() const {
    if (layout_ != Layout::Full) return;
    const BOOL on = Checked(ObjFloated) ? TRUE : FALSE;
    for (int id :
         {ObjAlignLeft, ObjAlignRight, ObjWrap, ObjMarginLeft, ObjMarginTop, ObjMarginRight, ObjMarginBottom})
        EnableWindow(Item(id), on);
}

bool ObjectDialog::MarginsFit(int width) const {
    const double dpi = std::max(model::DotPerInchX, 1);
    const double bound = (context_.Bound.right - context_.Bound.left) / dpi;
    const double margins = (SpinValue(ObjMarginLeft) + SpinValue(ObjMarginRight)) / 72.0;
    if (bound - std::round(width / dpi) - margins > 0.5) return true;
    ShowMessageBox(u"The margins are too large.\r\nPlease specify the smaller margins!", mkWarning, mbOK);
    return false;
}

bool ObjectDialog::BrowseFile(std::u16string_view filter, LPCWSTR title, LPCWSTR default_extension) const {
    std::u16string name = controls::window_text(Item(ObjFileName));
    name.resize(1024, u'\0');
    OPENFILENAMEW ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = window_;
    ofn.lpstrFilter = filter.data();
    ofn.nFilterIndex = 1;
    ofn.lpstrFile = name.data();
    ofn.nMaxFile = static_cast<DWORD>(name.size());
    ofn.lpstrTitle = title;
    ofn.lpstrDefExt = default_extension;
    ofn.Flags = OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY;
    if (!GetOpenFileNameW(&ofn)) return false;
    name.resize(std::char_traits<char16_t>::length(name.c_str()));
    SetWindowTextW(Item(ObjFileName), name.c_str());
    return true;
}

bool ObjectDialog::EditCharFormat(TCharFormat& format) const {
    model::TFontTypeEx font = model::FontTypeOf(format);
    if (FontDialog(window_, font, {}, 0, language_) != IDOK) return false;
    format = model::CharFormatOf(font);
    return true;
}

void ObjectDialog::OnCommand(int id, int) {
    if (id == ObjFloated) EnableLayout();
}

void ObjectDialog::OnInit() {
    // The first control of the first page takes the keys.
    HWND first_page = reinterpret_cast<HWND>(SendMessageW(pages_, ZPCM_GETPAGEWINDOW, 0, 0));
    HWND first = first_page != nullptr ? GetNextDlgTabItem(first_page, nullptr, FALSE) : nullptr;
    SetFocus(first != nullptr ? first : pages_);
}

} // namespace zeledit::dialogs
