#include "dialogs/search_dialog.h"

#include "controls/dialog_colors.h"
#include "dialogs/font_dialog.h"
#include "dialogs/format_list_dialogs.h"
#include "model/format_descriptions.h"

#include <zeledit/command_dialogs.h>
#include <zeledit/controls.h>
#include <zeledit/editor_messages.h>

#include <cstring>
#include <string>

namespace zeledit::dialogs {
namespace {

constexpr int LabelRight = 84, FieldLeft = 88, FieldRight = 318, ButtonLeft = 330, ButtonRight = 440;
constexpr int FindHeight = 204, ReplaceHeight = 296;
// Where the rows below the replacement start in the replace dialog.
constexpr int ReplaceRows = 66;

// The dialog font with the face the host chose for text fields.
HFONT FieldFont(const std::string& face) {
    LOGFONTW lf{};
    GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof lf, &lf);
    if (!face.empty()) {
        std::fill(std::begin(lf.lfFaceName), std::end(lf.lfFaceName), u'\0');
        for (std::size_t i = 0; i < face.size() && i + 1 < LF_FACESIZE; ++i)
            lf.lfFaceName[i] = static_cast<unsigned char>(face[i]);
    }
    return CreateFontIndirectW(&lf);
}

TCharFormat InitialReplacement() {
    TCharFormat f{};
    std::strcpy(f.ftFaceName, "Arial");
    f.ftHeight = 10;
    f.ftShadColor = 0xC0C0C0;
    f.ftScale = 100;
    return f;
}

} // namespace

TFindFrm::TFindFrm(const engine::SearchContext& context, bool replace)
    : FormDialog(context.Editor, context.Format.Language,
                 context.Format.Language == 1 ? (replace ? u"Find and replace" : u"Find")
                                              : (replace ? u"Tìm và thay thế" : u"Tìm kiếm"),
                 replace ? u"Tìm và thay thế" : u"Tìm kiếm", replace ? u"Find and replace" : u"Find",
                 {452, replace ? ReplaceHeight : FindHeight}),
      FEditWin(context.Editor), FFonts(context.Fonts), FPal(context.Format.ColorStyle),
      FLanguage(context.Format.Language), field_font_(FieldFont(context.SystemFont)), context_(context) {
    if (window_ != nullptr) AddSearchControls(replace);
}

void TFindFrm::AddSearchControls(bool replace) {
    auto field = [&](int id, int y, LPCWSTR vi, LPCWSTR en, bool vietnamese) {
        Add(u"STATIC", Say(vi, en), SS_CENTERIMAGE, 0, {12, y, LabelRight, y + 24});
        HWND edit = Add(u"EDIT", u"", WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL, id,
                        {FieldLeft, y, FieldRight, y + 24});
        SendMessageW(edit, WM_SETFONT, reinterpret_cast<WPARAM>(field_font_.get()), FALSE);
        SendMessageW(edit, ZEM_SETVIETNAMESE, vietnamese ? 1 : 0, 0);
    };
    auto format_line = [&](int id, int y) {
        Add(u"STATIC", Say(u"Định dạng:", u"Format:"), 0, 0, {12, y + 2, LabelRight, y + 18});
        Add(u"STATIC", u"(None)", SS_SUNKEN, id, {FieldLeft, y, FieldRight, y + 32});
    };
    field(SearchText, 34, u"Tìm chữ:", u"Text:", replace || context_.VietKey);
    format_line(SearchFormatText, 62);
    int y = 100;
    if (replace) {
        field(ReplaceText, 100, u"Thay bằng:", u"Replace with:", true);
        format_line(ReplaceFormatText, 128);
        const bool fixed = !context_.NormalDocument;
        Add(u"BUTTON", Say(u"Có sẵn", u"Existed"), BS_AUTORADIOBUTTON | WS_TABSTOP, ReplaceExisting,
            {FieldLeft, 164, FieldLeft + 96, 184});
        Add(u"BUTTON", Say(u"Mới", u"New"), BS_AUTORADIOBUTTON | (fixed ? WS_DISABLED : 0), ReplaceNew,
            {FieldLeft + 104, 164, FieldLeft + 200, 184});
        Check(ReplaceExisting, true);
        y += ReplaceRows + 26;
    }
    Add(u"BUTTON", Say(u"Tìm ", u"Find: "), BS_GROUPBOX, 0, {12, y, FieldRight, y + 48});
    Add(u"BUTTON", Say(u"Xét chữ hoa chữ thường", u"Case sensitive"), BS_AUTOCHECKBOX | WS_TABSTOP,
        SearchMatchCase, {20, y + 20, 200, y + 40});
    Add(u"BUTTON", Say(u"Tìm cả từ", u"Whole word"), BS_AUTOCHECKBOX | WS_TABSTOP, SearchWholeWord,
        {206, y + 20, FieldRight - 6, y + 40});
    y += 58;
    Add(u"BUTTON", Say(u"Không xét định dạng", u"No format"), WS_TABSTOP, SearchNoFormat,
        {12, y, 132, y + 26});
    Add(u"BUTTON", Say(u"Định dạng...", u"Format..."), WS_TABSTOP, SearchFormatButton, {138, y, 224, y + 26});
    Add(u"BUTTON", Say(u"Chèn ký tự tab", u"Insert tab"), WS_TABSTOP, SearchInsertTab,
        {230, y, FieldRight, y + 26});
    Add(u"BUTTON", Say(u"Tìm tiếp", u"Find next"), BS_DEFPUSHBUTTON | WS_TABSTOP, SearchNextButton,
        {ButtonLeft, 34, ButtonRight, 60});
    Add(u"BUTTON", Say(u"Đóng", u"Close"), WS_TABSTOP | ZBS_CANCEL, IDCANCEL,
        {ButtonLeft, 66, ButtonRight, 92});
    if (!replace) return;
    Add(u"BUTTON", Say(u"Thay thế", u"Replace"), WS_TABSTOP | WS_DISABLED, ReplaceButton,
        {ButtonLeft, 100, ButtonRight, 126});
    Add(u"BUTTON", Say(u"Thay thế hết", u"Replace all"), WS_TABSTOP, ReplaceAllButton,
        {ButtonLeft, 132, ButtonRight, 158});
}

void TFindFrm::Activate() {
    ShowWindow(window_, SW_SHOW);
    SetActiveWindow(window_);
    SetFocus(Item(ActiveField()));
}

void TFindFrm::OnInit() {
    OnCommand(SearchText, EN_CHANGE);
    SetFocus(Item(SearchText));
}

std::u16string TFindFrm::FieldText(int id) const {
    HWND field = Item(id);
    std::u16string text(static_cast<std::size_t>(GetWindowTextLengthW(field)) + 1, u'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(field, text.data(), static_cast<int>(text.size()))));
    return text;
}

void TFindFrm::OnCommand(int id, int code) {
    switch (id) {
    case SearchText:
        if (code == EN_CHANGE) {
            const BOOL some = GetWindowTextLengthW(Item(SearchText)) > 0 ? TRUE : FALSE;
            EnableWindow(Item(SearchMatchCase), some);
            EnableWindow(Item(SearchWholeWord), some);
        }
        return;
    case SearchMatchCase:
    case SearchWholeWord:
        FOptions = static_cast<std::uint8_t>((Checked(SearchMatchCase) ? efoMatchCase : 0) |
                                             (Checked(SearchWholeWord) ? efoWholeWord : 0));
        return;
    case SearchNoFormat: ClearFormat(ActiveField()); return;
    case SearchFormatButton: ChooseFormat(ActiveField()); return;
    case SearchInsertTab: {
        HWND field = Item(ActiveField());
        SendMessageW(field, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(u"\t"));
        SetFocus(field);
        return;
    }
    case SearchNextButton:
        if (!FindNext()) ShowMessageBox(u"Find has searched to the end of document!", mkInformation, mbOK);
        return;
    default: return;
    }
}

bool TFindFrm::FindNext() {
    LRESULT at = -1;
    const std::u16string text = FieldText(SearchText);
    if (!IsWindow(FEditWin)) {
        at = -1;
    } else if (!text.empty()) {
        TFindRecord r{-1, text.c_str(), 1, FOptions};
        at = SendMessageW(FEditWin, EFM_FIND, static_cast<WPARAM>(FFormat), reinterpret_cast<LPARAM>(&r));
    } else if (FFormat != -1) {
        TFindFormatRecord r{-1, nullptr, 1, 0};
        at = SendMessageW(FEditWin, EFM_FINDFORMAT, static_cast<WPARAM>(FFormat),
                          reinterpret_cast<LPARAM>(&r));
    }
    Found(at >= 0);
    return at >= 0;
}

void TFindFrm::Found(bool found) { FFound = found; }

void TFindFrm::ShowFormat(int label, std::int32_t index) const {
    std::u16string text = u"(None)";
    if (index >= 0 && index < FFonts->Count())
        text = FLanguage == 1 ? FFonts->GetFormatItem(index)->EnglishDescription()
                              : FFonts->GetFormatItem(index)->Description();
    SetWindowTextW(Item(label), text.c_str());
}

void TFindFrm::ClearFormat(int) {
    FFormat = -1;
    ShowFormat(SearchFormatText, -1);
    SetFocus(Item(SearchText));
}

void TFindFrm::ChooseFormat(int) {
    std::int32_t index = FFormat;
    if (!AskCharFormatEntry(window_, *FFonts, index, FieldText(SearchText), FLanguage)) return;
    FFormat = index;
    ShowFormat(SearchFormatText, FFormat);
}

void TFindFrm::OnClosed() {
    // The editor frees the dialog: nothing of it may be touched after this.
    const auto closed = context_.Closed;
    if (closed) closed();
}

TReplaceFrm::TReplaceFrm(const engine::SearchContext& context)
    : TFindFrm(context, true), FRepAttr(InitialReplacement()) {}

void TReplaceFrm::OnCommand(int id, int code) {
    switch (id) {
    case SearchText:
    case ReplaceText:
        if (code == EN_SETFOCUS) FEdit = id;
        if (id == SearchText) TFindFrm::OnCommand(id, code);
        return;
    case ReplaceExisting:
    case ReplaceNew: FExistFormat = Checked(ReplaceExisting) || !IsWindowEnabled(Item(ReplaceNew)); return;
    case ReplaceButton: ReplaceOnce(); return;
    case ReplaceAllButton: ReplaceEverything(); return;
    default: TFindFrm::OnCommand(id, code); return;
    }
}

void TReplaceFrm::Found(bool found) {
    TFindFrm::Found(found);
    EnableWindow(Item(ReplaceButton), found ? TRUE : FALSE);
}

void TReplaceFrm::ClearFormat(int field) {
    if (field != ReplaceText) return TFindFrm::ClearFormat(field);
    FRepFormat = -1;
    SetWindowTextW(Item(ReplaceFormatText), u"(None)");
    SendMessageW(Item(ReplaceText), WM_SETFONT, reinterpret_cast<WPARAM>(field_font_.get()), TRUE);
    SetFocus(Item(ReplaceText));
}

void TReplaceFrm::ChooseFormat(int field) {
    if (field != ReplaceText) return TFindFrm::ChooseFormat(field);
    if (FExistFormat) {
        std::int32_t index = FFonts->GetCompatibleFont(FRepAttr);
        if (!AskCharFormatEntry(window_, *FFonts, index, FieldText(ReplaceText), FLanguage)) return;
        FRepAttr = FFonts->GetFormatItem(index)->FAttributes;
    } else {
        model::TFontTypeEx font = model::FontTypeOf(FRepAttr);
        if (FontDialog(window_, font, FieldText(ReplaceText), FPal, FLanguage) != IDOK) return;
        FRepAttr = model::CharFormatOf(font);
        if (FRepAttr.ftShadow == 0) FRepAttr.ftShadColor = 0xC0C0C0;
    }
    FRepFormat = 1;
    const std::u16string text =
        FLanguage == 1 ? model::EnglishDescription(FRepAttr) : model::VietnameseDescription(FRepAttr);
    SetWindowTextW(Item(ReplaceFormatText), text.c_str());
    // The field shows the replacement's face at the field's size.
    LOGFONTW lf{};
    GetObjectW(field_font_.get(), sizeof lf, &lf);
    const model::TFontTypeEx chosen = model::FontTypeOf(FRepAttr);
    std::copy(std::begin(chosen.StdFont.lfFaceName), std::end(chosen.StdFont.lfFaceName), lf.lfFaceName);
    replace_font_.reset(CreateFontIndirectW(&lf));
    SendMessageW(Item(ReplaceText), WM_SETFONT, reinterpret_cast<WPARAM>(replace_font_.get()), TRUE);
}

void TReplaceFrm::ReplaceOnce() {
    if (!FFound || !IsWindow(FEditWin)) return;
    const std::u16string text = FieldText(ReplaceText);
    TReplaceRecord r{text.c_str(), Replacement()};
    SendMessageW(FEditWin, EFM_REPLACEWITH, 0, reinterpret_cast<LPARAM>(&r));
    Found(false);
}

void TReplaceFrm::ReplaceEverything() {
    const std::u16string what = FieldText(SearchText), with = FieldText(ReplaceText);
    if ((what.empty() && FFormat == -1) || !IsWindow(FEditWin)) return;
    LRESULT count = 0;
    if (!what.empty() || Replacement() != nullptr) {
        // The editor's own run: one undo step, and the same replacements as finding and
        // replacing in turn.
        TReplaceAllRecord r{what.c_str(), with.c_str(), Replacement(), FOptions};
        count = SendMessageW(FEditWin, EFM_REPLACEALL, static_cast<WPARAM>(FFormat),
                             reinterpret_cast<LPARAM>(&r));
    } else {
        // Runs of a format replaced by plain text: in turn.
        while (FindNext()) {
            TReplaceRecord r{with.c_str(), nullptr};
            SendMessageW(FEditWin, EFM_REPLACEWITH, 0, reinterpret_cast<LPARAM>(&r));
            ++count;
        }
    }
    Found(false);
    const std::string number = std::to_string(count);
    const std::u16string text = u"Searching has completed and " +
                                std::u16string(number.begin(), number.end()) + u" replacements have made.";
    ShowMessageBox(text.c_str(), mkWarning, mbOK);
}

} // namespace zeledit::dialogs
