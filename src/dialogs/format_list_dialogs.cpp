#include "dialogs/format_list_dialogs.h"

#include "dialogs/font_dialog.h"
#include "dialogs/form_dialog.h"
#include "dialogs/format_list.h"
#include "dialogs/paragraph_dialogs.h"
#include "dialogs/tab_dialog.h"
#include "model/device_metrics.h"

#include <zeledit/controls.h>
#include <zeledit/editor_messages.h>
#include <zeledit/format_dialogs.h>
#include <zeledit/win_menus.h>

#include <string>
#include <vector>

namespace zeledit::dialogs {
namespace {

constexpr int ParagraphBase = 256;

// One row of a list: an entry of one of the two tables.
struct Row {
    bool paragraph;
    std::int32_t index;
};

// A list of formats with the chosen one's description; Apply and Cancel.
class FormatListDialog : public FormDialog {
public:
    FormatListDialog(HWND owner, BYTE language, LPCWSTR vi_heading, LPCWSTR en_heading, LPCWSTR vi_list,
                     LPCWSTR en_list, SIZE size, const model::TEditorFonts* fonts,
                     const model::TEditorParagraphs* paras)
        : FormDialog(owner, language, language == 1 ? en_heading : vi_heading, vi_heading, en_heading, size),
          fonts_(fonts), paras_(paras) {
        const int list_right = size.cx - 160;
        Add(u"STATIC", Say(vi_list, en_list), SS_CENTERIMAGE, 0, {12, 32, list_right, 48});
        Add(u"LISTBOX", u"",
            WS_BORDER | WS_VSCROLL | WS_TABSTOP | LBS_NOTIFY | LBS_OWNERDRAWVARIABLE | LBS_HASSTRINGS,
            FormatList, {12, 50, list_right, size.cy - 16});
        Add(u"STATIC", Say(u"Mô tả", u"Description"), SS_CENTERIMAGE, 0,
            {list_right + 10, 32, size.cx - 10, 48});
        Add(u"STATIC", u"", SS_SUNKEN, FormatDescription, {list_right + 10, 50, size.cx - 10, size.cy - 120});
    }

    // The chosen entry, or none.
    const Row* Chosen() const {
        const auto at = SendMessageW(Item(FormatList), LB_GETCURSEL, 0, 0);
        return at >= 0 && static_cast<std::size_t>(at) < rows_.size() ? &rows_[static_cast<std::size_t>(at)]
                                                                      : nullptr;
    }

protected:
    // Lists every row again, choosing row `chosen`.
    void Fill(int chosen) {
        rows_.clear();
        if (fonts_ != nullptr)
            for (std::int32_t i = 0; i < fonts_->Count(); ++i) rows_.push_back({false, i});
        if (paras_ != nullptr)
            for (std::int32_t i = 0; i < paras_->Count(); ++i) rows_.push_back({true, i});
        HWND list = Item(FormatList);
        SendMessageW(list, LB_RESETCONTENT, 0, 0);
        for (std::size_t i = 0; i < rows_.size(); ++i)
            SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(u""));
        Choose(std::clamp(chosen, 0, static_cast<int>(rows_.size()) - 1));
    }
    void Choose(int row) {
        SendMessageW(Item(FormatList), LB_SETCURSEL, static_cast<WPARAM>(row), 0);
        ChosenChanged();
    }
    int RowOf(bool paragraph, std::int32_t index) const {
        for (std::size_t i = 0; i < rows_.size(); ++i)
            if (rows_[i].paragraph == paragraph && rows_[i].index == index) return static_cast<int>(i);
        return 0;
    }
    virtual void ChosenChanged() { ShowDescription(); }
    void ShowDescription() const {
        std::u16string text;
        if (const Row* r = Chosen()) {
            const bool english = language_ == 1;
            if (r->paragraph)
                text = english ? paras_->GetFormatItem(r->index)->EnglishDescription()
                               : paras_->GetFormatItem(r->index)->Description();
            else
                text = english ? fonts_->GetFormatItem(r->index)->EnglishDescription()
                               : fonts_->GetFormatItem(r->index)->Description();
        }
        SetWindowTextW(Item(FormatDescription), text.c_str());
    }

    void OnCommand(int id, int code) override {
        if (id != FormatList) return;
        if (code == LBN_SELCHANGE) ChosenChanged();
        if (code == LBN_DBLCLK) OnDoubleClick();
    }
    virtual void OnDoubleClick() {
        if (OnOK()) End(IDOK);
    }
    void OnMeasureItem(MEASUREITEMSTRUCT& m) override {
        if (m.itemID >= rows_.size()) return;
        const Row& r = rows_[m.itemID];
        m.itemHeight =
            static_cast<UINT>(r.paragraph ? ParaItemHeight : CharItemHeight(*fonts_->GetFormatItem(r.index)));
    }
    void OnDrawItem(const DRAWITEMSTRUCT& item) override {
        if (item.CtlID != static_cast<UINT>(FormatList) || item.itemID >= rows_.size()) return;
        const Row& r = rows_[item.itemID];
        if (r.paragraph)
            DrawParaItem(item, r.index, *paras_->GetFormatItem(r.index), page_width_);
        else
            DrawCharItem(item, r.index, *fonts_->GetFormatItem(r.index), sample_);
    }
    bool OnOK() override { return Chosen() != nullptr; }

    const model::TEditorFonts* fonts_;
    const model::TEditorParagraphs* paras_;
    std::vector<Row> rows_;
    std::u16string sample_;
    int page_width_ = 0;
};

class QuickDialog final : public FormatListDialog {
public:
    QuickDialog(HWND owner, BYTE language, const model::TEditorFonts* fonts,
                const model::TEditorParagraphs* paras, std::u16string_view sample, int page_width,
                int chosen = 0, LPCWSTR vi_apply = u"Dùng")
        : FormatListDialog(owner, language, fonts != nullptr ? u"Định dạng chữ" : u"Định dạng đoạn",
                           fonts != nullptr ? u"Format font" : u"Paragraph formats",
                           fonts != nullptr ? u"Các định dạng chữ:" : u"Các định dạng đoạn:",
                           fonts != nullptr ? u"Font formats:" : u"Formats", {460, 380}, fonts, paras) {
        sample_ = sample;
        page_width_ = page_width;
        Add(u"BUTTON", Say(vi_apply, u"Apply"), BS_DEFPUSHBUTTON | WS_TABSTOP, IDOK, {310, 340, 378, 366});
        Add(u"BUTTON", Say(u"Thôi", u"Cancel"), WS_TABSTOP | ZBS_CANCEL, IDCANCEL, {384, 340, 450, 366});
        Fill(chosen);
    }
};

// The review of formats: both tables, edited in place.
class ReviewDialog final : public FormatListDialog {
public:
    ReviewDialog(const ReviewSetting& setting, model::TEditorFonts& fonts, model::TEditorParagraphs& paras,
                 BYTE language, BYTE unit)
        : FormatListDialog(setting.Editor, language, u"Hiệu chỉnh các định dạng", u"Review Formats",
                           u"Các định dạng:", u"Formats:", {480, 400}, &fonts, &paras),
          setting_(setting), fonts_rw_(fonts), paras_rw_(paras), unit_(unit),
          fixed_((setting.EditStyle & 0x1) != 0 || setting.DocumentType == 0x602) {
        page_width_ = setting.PageWidth;
        const bool read_only = (setting.EditStyle & 0x1) != 0;
        const int x = 330, w = 140;
        Add(u"BUTTON", Say(u"   Dùng", u"Apply"),
            BS_DEFPUSHBUTTON | WS_TABSTOP | (read_only ? WS_DISABLED : 0), IDOK,
            {x, 290, x + w / 2 - 3, 316});
        Add(u"BUTTON", Say(u"Đóng", u"Close"), WS_TABSTOP | ZBS_CANCEL, IDCANCEL,
            {x + w / 2 + 3, 290, x + w, 316});
        const DWORD modify = WS_TABSTOP | (fixed_ ? WS_DISABLED : 0);
        Add(u"BUTTON", Say(u"  Hiệu chỉnh ", u"     Modify"), modify, ReviewModify,
            {x, 322, x + w / 2 - 3, 348});
        Add(u"BUTTON", Say(u"    Tạo mới", u"        New"), modify, ReviewNew,
            {x + w / 2 + 3, 322, x + w, 348});
        const bool deletes = setting.DocumentType == 0x601 || setting.DocumentType == 0x602;
        Add(u"BUTTON", Say(u"  Xóa", u"Delete"), WS_TABSTOP | (deletes ? 0 : WS_DISABLED), ReviewDelete,
            {x, 354, x + w / 2 - 3, 380});
        ShowWindow(Item(ReviewDelete), deletes ? SW_SHOW : SW_HIDE);
        Add(u"BUTTON", Say(u"Loại bớt", u"Optimize"), WS_TABSTOP, ReviewOptimize,
            {x + w / 2 + 3, 354, x + w, 380});
        ShowWindow(Item(ReviewOptimize), setting.DocumentType == 0x601 ? SW_SHOW : SW_HIDE);
        Fill(0);
    }

    BYTE Unit() const { return unit_; }

private:
    void ChosenChanged() override {
        ShowDescription();
        const Row* r = Chosen();
        const std::int32_t count = r == nullptr ? 0 : r->paragraph ? paras_rw_.Count() : fonts_rw_.Count();
        EnableWindow(Item(ReviewDelete), count > 1 ? TRUE : FALSE);
    }

    void Refreshed(bool paragraph, std::int32_t index) {
        Fill(0);
        Choose(RowOf(paragraph, index));
        if (setting_.Editor != nullptr) SendMessageW(setting_.Editor, EFM_REFRESH, 0, 0);
    }

    // Modify's or New's menu below its button; the command chosen, 0 for none.
    int Menu(int button) const {
        const Row* r = Chosen();
        HMENU menu = CreatePopupMenu();
        const bool paragraph = r != nullptr && r->paragraph;
        const auto add = [&](int id, LPCWSTR vi, LPCWSTR en, bool on) {
            AppendMenuW(menu, MF_STRING | (on ? 0u : MF_GRAYED), static_cast<UINT_PTR>(id), Say(vi, en));
        };
        const bool modify = button == ReviewModify;
        add(modify ? ReviewModifyFont : ReviewNewFont, u"Định dạng chữ...", u"Font...",
            !modify || !paragraph);
        add(modify ? ReviewModifyParagraph : ReviewNewParagraph, u"Định dạng đoạn...", u"Paragraph...",
            !modify || paragraph);
        if (modify) {
            add(ReviewModifyTabs, u"Vị trí tab...", u"Tabs...", paragraph);
            add(ReviewModifyBorders, u"Khung...", u"Borders...", paragraph);
            add(ReviewModifyBullet, u"Hoa thị...", u"Bullet...", paragraph);
        }
        RECT b{};
        GetWindowRect(Item(button), &b);
        const int chosen =
            static_cast<int>(TrackPopupMenu(menu, TPM_RETURNCMD, b.left, b.bottom, 0, window_, nullptr));
        DestroyMenu(menu);
        return chosen;
    }

    void ModifyFont(std::int32_t index) {
        model::TFontTypeEx font{};
        fonts_rw_.GetFormatItem(index)->GetAttrToStdType(font);
        if (FontDialog(window_, font, {}, setting_.ColorStyle, language_) != IDOK) return;
        fonts_rw_.ResetFormat(index, model::CharFormatOf(font));
        Refreshed(false, index);
    }

    void ModifyParagraph(int command, std::int32_t index) {
        TParaFormat f = paras_rw_.GetFormatItem(index)->FAttributes;
        std::uint8_t alignment = f.ptAlign;
        bool changed = false;
        switch (command) {
        case ReviewModifyParagraph:
            changed = AskParagraph(window_, f, alignment, setting_.ColorStyle, language_, unit_);
            break;
        case ReviewModifyTabs:
            AskTabs(window_, f.ptTabs, unit_, language_);
            changed = true; // its edits stay even when cancelled
            break;
        case ReviewModifyBorders:
            changed = AskBorder(window_, f.ptBorder, setting_.ColorStyle, language_);
            break;
        default: {
            TBullet bullet = f.ptBullet;
            changed = AskBullet(window_, bullet, setting_.ColorStyle, unit_, language_);
            f.ptBullet = bullet;
            if (changed && bullet.blPresent != 0) {
                const double indent = bullet.blIndent;
                f.ptIndent.inFirst = bullet.blHanging != 0 ? -indent : indent;
                f.ptIndent.inLeft = bullet.blHanging != 0 ? indent : 0.0;
            }
        }
        }
        if (!changed) return;
        paras_rw_.ResetFormat(index, f);
        Refreshed(true, index);
    }

    void NewFont() {
        model::TFontTypeEx font = DefaultFontRec();
        font.StdFont.lfHeight = -MulDiv(10, model::DotPerInchY, 72);
        if (FontDialog(window_, font, {}, setting_.ColorStyle, language_) != IDOK) return;
        const std::int32_t added = fonts_rw_.AppendFormat(model::CharFormatOf(font));
        if (added >= 0) Refreshed(false, added);
    }

    void NewParagraph() {
        TParaFormat f{};
        f.ptShading = 0xFFFFFF;
        f.ptBullet = {0, "Symbol", 183, 0, 0, 1, 0.5};
        for (int i = 0; i < TabCount; ++i) f.ptTabs.tabs[i] = {0.5 * (i + 1), 0, 0, 1};
        std::uint8_t alignment = 0;
        if (!AskParagraph(window_, f, alignment, setting_.ColorStyle, language_, unit_)) return;
        const std::int32_t added = paras_rw_.AppendFormat(f);
        if (added >= 0) Refreshed(true, added);
    }

    void Delete() {
        const Row* r = Chosen();
        if (r == nullptr) return;
        const Row row = *r;
        if (row.paragraph) {
            if (paras_rw_.Count() <= 1) return;
            paras_rw_.DeleteFormat(row.index);
        } else {
            if (fonts_rw_.Count() <= 1) return;
            fonts_rw_.DeleteFormat(row.index);
        }
        Refreshed(row.paragraph, std::max(row.index - 1, 0));
    }

    void Optimize() {
        fonts_rw_.RemoveSames();
        paras_rw_.RemoveSames();
        Refreshed(false, 0);
    }

    void Act(int command) {
        const Row* r = Chosen();
        if (r == nullptr) return;
        const std::int32_t index = r->index;
        const bool fixed = fixed_; // a template's or a read-only document's formats stay
        switch (command) {
        case ReviewModifyFont:
            if (!fixed && !r->paragraph) ModifyFont(index);
            break;
        case ReviewModifyParagraph:
        case ReviewModifyTabs:
        case ReviewModifyBorders:
        case ReviewModifyBullet:
            if (!fixed && r->paragraph) ModifyParagraph(command, index);
            break;
        case ReviewNewFont:
            if (!fixed) NewFont();
            break;
        case ReviewNewParagraph:
            if (!fixed) NewParagraph();
            break;
        default: break;
        }
    }

    void OnCommand(int id, int code) override {
        switch (id) {
        case ReviewModify:
        case ReviewNew: Act(Menu(id)); break;
        case ReviewDelete: Delete(); break;
        case ReviewOptimize: Optimize(); break;
        case FormatList: FormatListDialog::OnCommand(id, code); break;
        default:
            if (id >= ReviewModifyFont && id <= ReviewNewParagraph) Act(id);
            break;
        }
    }

    void OnDoubleClick() override {
        const Row* r = Chosen();
        if (r != nullptr && IsWindowEnabled(GetDlgItem(window_, IDOK)))
            Act(r->paragraph ? ReviewModifyParagraph : ReviewModifyFont);
    }

    ReviewSetting setting_;
    model::TEditorFonts& fonts_rw_;
    model::TEditorParagraphs& paras_rw_;
    BYTE unit_;
    bool fixed_;
};

} // namespace

bool AskQuickFont(HWND owner, const model::TEditorFonts& fonts, TCharFormat& format,
                  std::u16string_view sample, BYTE language) {
    QuickDialog dialog(owner, language, &fonts, nullptr, sample, 0);
    if (dialog.Run() != IDOK || dialog.Chosen() == nullptr) return false;
    format = fonts.GetFormatItem(dialog.Chosen()->index)->FAttributes;
    return true;
}

bool AskCharFormatEntry(HWND owner, const model::TEditorFonts& fonts, std::int32_t& index,
                        std::u16string_view sample, BYTE language) {
    QuickDialog dialog(owner, language, &fonts, nullptr, sample, 0, std::max(index, 0), u"OK");
    if (dialog.Run() != IDOK || dialog.Chosen() == nullptr) return false;
    index = dialog.Chosen()->index;
    return true;
}

bool AskQuickParagraph(HWND owner, const model::TEditorParagraphs& paras, TParaFormat& format, int page_width,
                       BYTE language) {
    QuickDialog dialog(owner, language, nullptr, &paras, {}, page_width);
    if (dialog.Run() != IDOK || dialog.Chosen() == nullptr) return false;
    format = paras.GetFormatItem(dialog.Chosen()->index)->FAttributes;
    return true;
}

bool AskReviewFormats(const ReviewSetting& setting, model::TEditorFonts& fonts,
                      model::TEditorParagraphs& paras, BYTE language, BYTE& unit, std::int32_t& choice) {
    ReviewDialog dialog(setting, fonts, paras, language, unit);
    const int result = dialog.Run();
    unit = dialog.Unit();
    const Row* r = dialog.Chosen();
    if (result != IDOK || r == nullptr) return false;
    choice = r->paragraph ? ParagraphBase + r->index : r->index;
    return true;
}

} // namespace zeledit::dialogs
