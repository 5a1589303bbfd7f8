#include "dialogs/font_selector.h"

#include "controls/controls.h"
#include "controls/dialog_colors.h"
#include "dialogs/typed_numbers.h"
#include "platform/core/text.h"
#include "platform/graphics_support/decorated_text.h"
#include "platform/user/modules.h"

#include <zeledit/controls.h>
#include <zeledit/format_dialogs.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>

namespace zeledit::dialogs {
namespace {

// Labels are named so the captions can change language.
enum Label : int {
    LabelFace = 430,
    LabelStyle,
    LabelSize,
    LabelColor,
    LabelUnderline,
    LabelUnderlineColor,
    LabelEffects,
    LabelScale,
    LabelPercent,
    LabelStrikeColor,
    LabelShadowColor,
    LabelOffset,
    LabelPixels,
};

struct Caption {
    int id;
    LPCWSTR vi, en;
};
constexpr Caption Captions[] = {
    {LabelFace, u"Font chữ:", u"Font name:"},
    {LabelStyle, u"Kiểu chữ:", u"Font style:"},
    {LabelSize, u"Cỡ chữ:", u"Font size:"},
    {LabelColor, u"Màu chữ:", u"Font color:"},
    {LabelUnderline, u"Kiiểu gạch dưới:", u"Underline:"},
    {LabelUnderlineColor, u"Màu gạch dưới:", u"Underline color:"},
    {LabelEffects, u"Hiệu ứng:", u"Effects"},
    {FontStrikethrough, u"Gạch giữa", u"Strikethrough"},
    {FontDoubleStrike, u"Gạch đôi giữa", u"Double strike"},
    {FontSuperscript, u"Chỉ số trên", u"Superscript"},
    {FontSubscript, u"Chỉ số dưới", u"Subscript"},
    {FontHotLink, u"Hot Link", u"Hot Link"},
    {LabelStrikeColor, u"Màu gạch giữa:", u"Strike color:"},
    {FontShadow, u"Đổ bóng", u"Shadow"},
    {LabelShadowColor, u"Màu bóng:", u"Color:"},
    {LabelOffset, u"Độ dời:", u"Size:"},
    {LabelScale, u"Co giãn chữ:", u"Scale:"},
};

constexpr LPCWSTR Styles[] = {u"Regular", u"Bold", u"Italic", u"Bold Italic"};
constexpr int Sizes[] = {8, 9, 10, 11, 12, 14, 16, 18, 20, 22, 24, 26, 28, 32, 36, 48, 56, 64, 72, 96};
constexpr int MinSize = 6, MaxSize = 128, UnderlineStyles = 15;
constexpr int PointsToPixels = 96;

int HeightOf(int points) { return -static_cast<int>(std::lround(points * 96.0 / 72)); }

std::u16string Number(int v) { return platform::from_utf8(std::to_string(v)); }

std::u16string ListText(HWND list, LRESULT at) {
    if (at < 0) return {};
    std::u16string text(static_cast<std::size_t>(SendMessageW(list, LB_GETTEXTLEN, at, 0)) + 1, u'\0');
    SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(at), reinterpret_cast<LPARAM>(text.data()));
    text.resize(std::char_traits<char16_t>::length(text.c_str()));
    return text;
}

// The face into the record's field, cut before a character that would not fit whole.
void SetFace(LOGFONTW& lf, std::u16string_view face) {
    std::u16string_view kept = face.substr(0, LF_FACESIZE - 1);
    if (kept.size() < face.size() && kept.back() >= 0xD800 && kept.back() <= 0xDBFF) kept.remove_suffix(1);
    std::fill(std::begin(lf.lfFaceName), std::end(lf.lfFaceName), u'\0');
    std::copy(kept.begin(), kept.end(), lf.lfFaceName);
}

// The font of the preview: the record at `points` for the device, its width scaled.
HFONT PreviewFont(HDC dc, const model::TFontTypeEx& f, int points) {
    LOGFONTW lf = f.StdFont;
    lf.lfHeight = -MulDiv(points, GetDeviceCaps(dc, LOGPIXELSY), 72);
    lf.lfWidth = 0;
    lf.lfUnderline = 0;
    lf.lfStrikeOut = 0;
    if (f.lfScale > 0 && f.lfScale != 100) {
        HFONT probe = CreateFontIndirectW(&lf);
        HGDIOBJ old = SelectObject(dc, probe);
        TEXTMETRICW tm{};
        GetTextMetricsW(dc, &tm);
        SelectObject(dc, old);
        DeleteObject(probe);
        lf.lfWidth = static_cast<LONG>(std::lround(f.lfScale / 100.0 * tm.tmAveCharWidth));
    }
    return CreateFontIndirectW(&lf);
}

constexpr LPCWSTR EditProcProperty = u"ZeleditFontSelectorEdit";

// Up and Down in the face, style and size edits move the choice of the list below them.
LRESULT CALLBACK ListKeysEdit(HWND edit, UINT msg, WPARAM wParam, LPARAM lParam) {
    const auto proc = reinterpret_cast<WNDPROC>(GetPropW(edit, EditProcProperty));
    if (msg == WM_KEYDOWN && (wParam == VK_UP || wParam == VK_DOWN)) {
        const int list_id = GetDlgCtrlID(edit) + 1;
        HWND parent = GetParent(edit), list = GetDlgItem(parent, list_id);
        const auto count = SendMessageW(list, LB_GETCOUNT, 0, 0);
        const auto at = SendMessageW(list, LB_GETCURSEL, 0, 0);
        const auto next = std::clamp<LRESULT>(at + (wParam == VK_UP ? -1 : 1), 0, count - 1);
        if (count > 0 && next != at) {
            SendMessageW(list, LB_SETCURSEL, static_cast<WPARAM>(next), 0);
            SendMessageW(parent, WM_COMMAND, MAKEWPARAM(static_cast<WORD>(list_id), LBN_SELCHANGE),
                         reinterpret_cast<LPARAM>(list));
        }
        return 0;
    }
    if (msg == WM_NCDESTROY) RemovePropW(edit, EditProcProperty);
    return proc != nullptr ? CallWindowProcW(proc, edit, msg, wParam, lParam)
                           : DefWindowProcW(edit, msg, wParam, lParam);
}

void GiveArrowsToList(HWND edit) {
    SetPropW(edit, EditProcProperty, reinterpret_cast<HANDLE>(GetWindowLongPtrW(edit, GWLP_WNDPROC)));
    SetWindowLongPtrW(edit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&ListKeysEdit));
}

} // namespace

model::TFontTypeEx DefaultFontRec() {
    model::TFontTypeEx f{};
    SetFace(f.StdFont, u"Arial");
    f.StdFont.lfHeight = HeightOf(10);
    f.StdFont.lfWeight = FW_NORMAL;
    f.StdFont.lfQuality = 2;
    f.lfShadColor = 0xC0C0C0;
    f.lfScale = 100;
    return f;
}

TFontSelector::TFontSelector(HWND parent, POINT origin, TFontSelectorOptions options)
    : ExFont(DefaultFontRec()), parent_(parent), origin_(origin), options_(options) {
    CreateControls();
    SetOptions(options);
    SetLogFont(ExFont);
}

HWND TFontSelector::Add(LPCWSTR kind, LPCWSTR text, DWORD style, int id, RECT r) const {
    OffsetRect(&r, origin_.x, origin_.y);
    HWND c = CreateWindowExW(0, kind, text, WS_CHILD | WS_VISIBLE | style, r.left, r.top, r.right - r.left,
                             r.bottom - r.top, parent_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                             platform::library_instance(), nullptr);
    SendMessageW(c, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
    return c;
}

void TFontSelector::CreateControls() {
    const auto label = [this](int id, RECT r) {
        for (const Caption& c : Captions)
            if (c.id == id) return Add(u"STATIC", c.vi, SS_CENTERIMAGE, id, r);
        return HWND{};
    };
    const DWORD list = WS_BORDER | WS_VSCROLL | LBS_NOTIFY;
    label(LabelFace, {0, 0, 160, 16});
    Add(u"EDIT", u"", WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL, FontFaceEdit, {0, 16, 160, 38});
    Add(FontListClassName, u"", list, FontFaceList, {0, 40, 160, 126});
    label(LabelStyle, {166, 0, 266, 16});
    Add(u"EDIT", u"", WS_BORDER | WS_TABSTOP | ES_READONLY, FontStyleEdit, {166, 16, 266, 38});
    HWND styles = Add(u"LISTBOX", u"", WS_BORDER | LBS_NOTIFY, FontStyleList, {166, 40, 266, 126});
    for (LPCWSTR s : Styles) SendMessageW(styles, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(s));
    label(LabelSize, {272, 0, 372, 16});
    Add(u"EDIT", u"", WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL, FontSizeEdit, {272, 16, 372, 38});
    HWND sizes = Add(u"LISTBOX", u"", list, FontSizeList, {272, 40, 372, 126});
    for (int s : Sizes) SendMessageW(sizes, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Number(s).c_str()));

    label(LabelColor, {0, 134, 110, 150});
    Add(ColorPickerClassName, u"", WS_TABSTOP, FontColor, {0, 150, 110, 172});
    label(LabelUnderline, {126, 134, 256, 150});
    HWND underline = Add(u"COMBOBOX", u"", WS_TABSTOP | CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED,
                         FontUnderlineList, {126, 150, 256, 172 + 160});
    SendMessageW(underline, CB_SETITEMHEIGHT, 0, 16);
    for (int i = 0; i < UnderlineStyles; ++i)
        SendMessageW(underline, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(u""));
    label(LabelUnderlineColor, {262, 134, 376, 150});
    Add(ColorPickerClassName, u"", WS_TABSTOP, FontUnderlineColor, {262, 150, 372, 172});

    Add(u"BUTTON", u"Hiệu ứng:", BS_GROUPBOX, LabelEffects, {0, 178, 376, 274});
    const DWORD check = BS_AUTOCHECKBOX | WS_TABSTOP;
    Add(u"BUTTON", u"Gạch giữa", check, FontStrikethrough, {8, 192, 120, 212});
    Add(u"BUTTON", u"Chỉ số trên", check, FontSuperscript, {124, 192, 236, 212});
    Add(u"BUTTON", u"Hot Link", check, FontHotLink, {240, 192, 370, 212});
    Add(u"BUTTON", u"Gạch đôi giữa", check, FontDoubleStrike, {8, 212, 120, 232});
    Add(u"BUTTON", u"Chỉ số dưới", check, FontSubscript, {124, 212, 226, 232});
    label(LabelScale, {228, 212, 300, 232});
    HWND scale = Add(SpinEditClassName, u"", WS_TABSTOP, FontScale, {302, 212, 356, 232});
    SendMessageW(scale, ZSEM_SETRANGE, 20, 300);
    Add(u"STATIC", u"%", SS_CENTERIMAGE, LabelPercent, {358, 212, 374, 232});
    label(LabelStrikeColor, {8, 232, 120, 252});
    Add(ColorPickerClassName, u"", WS_TABSTOP, FontStrikeColor, {124, 233, 236, 251});
    Add(u"BUTTON", u"Đổ bóng", check, FontShadow, {8, 252, 104, 272});
    label(LabelShadowColor, {106, 252, 170, 272});
    Add(ColorPickerClassName, u"", WS_TABSTOP, FontShadowColor, {172, 253, 232, 271});
    label(LabelOffset, {236, 252, 280, 272});
    HWND offset = Add(SpinEditClassName, u"", WS_TABSTOP, FontShadowOffset, {282, 252, 322, 272});
    SendMessageW(offset, ZSEM_SETRANGE, 1, 5);
    Add(u"STATIC", u"pixels", SS_CENTERIMAGE, LabelPixels, {326, 252, 374, 272});
    for (int id : {FontFaceEdit, FontStyleEdit, FontSizeEdit}) GiveArrowsToList(Item(id));
}

int TFontSelector::Height() const {
    if (options_ & foEffects) return 274;
    return (options_ & (foColor | foUnderline)) ? 180 : 130;
}

int TFontSelector::SetOptions(TFontSelectorOptions options) {
    options_ = options;
    const auto show = [this](std::initializer_list<int> ids, bool on) {
        for (int id : ids) ShowWindow(Item(id), on ? SW_SHOW : SW_HIDE);
    };
    const bool effects = (options & foEffects) != 0;
    show({LabelColor, FontColor}, (options & foColor) != 0);
    show({LabelUnderline, FontUnderlineList, LabelUnderlineColor, FontUnderlineColor},
         (options & foUnderline) != 0);
    show({LabelEffects, FontStrikethrough, FontDoubleStrike, FontSuperscript, FontSubscript, LabelStrikeColor,
          FontStrikeColor},
         effects);
    show({FontHotLink}, effects && (options & foHotLink));
    show({FontShadow, LabelShadowColor, FontShadowColor, LabelOffset, FontShadowOffset, LabelPixels},
         effects && (options & foShadow));
    show({LabelScale, FontScale, LabelPercent}, effects && (options & foScale));
    return Height();
}

void TFontSelector::SetColor(std::uint8_t style) const {
    for (int id : {FontColor, FontUnderlineColor, FontStrikeColor, FontShadowColor})
        SendMessageW(Item(id), ZCPM_SETSTYLE, style, 0);
}

void TFontSelector::SetEnglish() {
    language_ = 1;
    for (const Caption& c : Captions) SetWindowTextW(Item(c.id), c.en);
}

void TFontSelector::SetDisplayText(std::u16string_view text) {
    sample_ = text.substr(0, std::min<std::size_t>(text.size(), 200));
    Changed();
}

void TFontSelector::SetLogFont(const model::TFontTypeEx& font) {
    loading_ = true;
    ExFont = font;
    FFontSize = -static_cast<int>(std::lround(ExFont.StdFont.lfHeight * 72.0 / PointsToPixels));
    ExFont.StdFont.lfHeight = HeightOf(FFontSize);
    std::u16string face(ExFont.StdFont.lfFaceName, std::find(std::begin(ExFont.StdFont.lfFaceName),
                                                             std::end(ExFont.StdFont.lfFaceName), 0));
    SetDlgItemTextW(parent_, FontFaceEdit, face.c_str());
    HWND faces = Item(FontFaceList);
    const auto at =
        SendMessageW(faces, LB_FINDSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(face.c_str()));
    SendMessageW(faces, LB_SETCURSEL, static_cast<WPARAM>(at), 0);
    if (at >= 0) SendMessageW(faces, LB_SETTOPINDEX, static_cast<WPARAM>(at), 0);
    SetDlgItemTextW(parent_, FontSizeEdit, Number(FFontSize).c_str());
    char wide[16];
    std::snprintf(wide, sizeof wide, "%2d", FFontSize);
    const std::u16string lead = platform::from_utf8(wide);
    SendDlgItemMessageW(
        parent_, FontSizeList, LB_SETCURSEL,
        static_cast<WPARAM>(SendDlgItemMessageW(parent_, FontSizeList, LB_FINDSTRING, static_cast<WPARAM>(-1),
                                                reinterpret_cast<LPARAM>(lead.c_str()))),
        0);
    SendDlgItemMessageW(parent_, FontColor, ZCPM_SETCOLOR, static_cast<COLORREF>(ExFont.lfColor), 0);
    SendDlgItemMessageW(parent_, FontShadowColor, ZCPM_SETCOLOR, static_cast<COLORREF>(ExFont.lfShadColor),
                        0);
    SendDlgItemMessageW(parent_, FontUnderlineColor, ZCPM_SETCOLOR, ExFont.lfUnderlineColor, 0);
    SendDlgItemMessageW(parent_, FontStrikeColor, ZCPM_SETCOLOR, ExFont.lfStrikeColor, 0);
    if (ExFont.lfShadow > 0) SendDlgItemMessageW(parent_, FontShadowOffset, ZSEM_SETPOS, ExFont.lfShadow, 0);
    CheckDlgButton(parent_, FontShadow, ExFont.lfShadow > 0 ? BST_CHECKED : BST_UNCHECKED);
    const bool bold = ExFont.StdFont.lfWeight >= FW_BOLD, italic = ExFont.StdFont.lfItalic != 0;
    SelectStyle(bold && italic ? 3 : bold ? 1 : italic ? 2 : 0);
    SendDlgItemMessageW(parent_, FontUnderlineList, CB_SETCURSEL,
                        std::min<int>(ExFont.StdFont.lfUnderline, 14), 0);
    CheckDlgButton(parent_, FontStrikethrough, ExFont.StdFont.lfStrikeOut == 1 ? BST_CHECKED : BST_UNCHECKED);
    CheckDlgButton(parent_, FontDoubleStrike, ExFont.StdFont.lfStrikeOut == 2 ? BST_CHECKED : BST_UNCHECKED);
    CheckDlgButton(parent_, FontSuperscript, ExFont.lfScript > 0 ? BST_CHECKED : BST_UNCHECKED);
    CheckDlgButton(parent_, FontSubscript, ExFont.lfScript < 0 ? BST_CHECKED : BST_UNCHECKED);
    SendDlgItemMessageW(parent_, FontScale, ZSEM_SETPOS, static_cast<WPARAM>(ExFont.lfScale), 0);
    CheckDlgButton(parent_, FontHotLink, ExFont.lfHotLink != 0 ? BST_CHECKED : BST_UNCHECKED);
    loading_ = false;
    RefreshEnabled();
    Changed();
}

void TFontSelector::Changed() const {
    if (loading_) return;
    if (preview_ != nullptr) InvalidateRect(preview_, nullptr, TRUE);
    if (OnChanged) OnChanged();
}

void TFontSelector::RefreshEnabled() const {
    const auto enable = [this](std::initializer_list<int> ids, bool on) {
        for (int id : ids) EnableWindow(Item(id), on ? TRUE : FALSE);
    };
    enable({LabelStrikeColor, FontStrikeColor},
           IsDlgButtonChecked(parent_, FontStrikethrough) == BST_CHECKED ||
               IsDlgButtonChecked(parent_, FontDoubleStrike) == BST_CHECKED);
    const bool underlined = ExFont.StdFont.lfUnderline > 0;
    enable({LabelUnderlineColor, FontUnderlineColor}, underlined);
    if (underlined)
        SendDlgItemMessageW(parent_, FontUnderlineColor, ZCPM_SETCOLOR, ExFont.lfUnderlineColor, 0);
    enable({LabelShadowColor, FontShadowColor, LabelOffset, FontShadowOffset, LabelPixels},
           IsDlgButtonChecked(parent_, FontShadow) == BST_CHECKED);
}

void TFontSelector::SelectFace(const std::u16string& typed, bool from_list) {
    HWND faces = Item(FontFaceList);
    LRESULT at = SendMessageW(faces, LB_GETCURSEL, 0, 0);
    if (!from_list) {
        at = SendMessageW(faces, LB_FINDSTRING, static_cast<WPARAM>(-1),
                          reinterpret_cast<LPARAM>(typed.c_str()));
        if (at < 0) return;
        SendMessageW(faces, LB_SETCURSEL, static_cast<WPARAM>(at), 0);
    }
    const std::u16string face = ListText(faces, at);
    if (face.empty()) return;
    if (from_list) {
        loading_ = true; // the edit's own change would find the same face
        SetDlgItemTextW(parent_, FontFaceEdit, face.c_str());
        loading_ = false;
    }
    SetFace(ExFont.StdFont, face);
    Changed();
}

void TFontSelector::SelectStyle(int index) {
    if (index < 0 || index > 3) return;
    ExFont.StdFont.lfWeight = (index & 1) ? FW_BOLD : FW_NORMAL;
    ExFont.StdFont.lfItalic = (index & 2) ? 1 : 0;
    SendDlgItemMessageW(parent_, FontStyleList, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
    SetDlgItemTextW(parent_, FontStyleEdit, Styles[index]);
    Changed();
}

void TFontSelector::ShowSizeInList(const std::u16string& text) const {
    HWND sizes = Item(FontSizeList);
    if (ListText(sizes, SendMessageW(sizes, LB_GETCURSEL, 0, 0)) == text) return;
    const auto at = SendMessageW(sizes, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                 reinterpret_cast<LPARAM>(text.c_str()));
    SendMessageW(sizes, LB_SETCURSEL, static_cast<WPARAM>(at), 0);
}

bool TFontSelector::TakeSize(const std::u16string& text, bool strict) {
    const auto value = NumberIn(text);
    if (!value) {
        if (strict) FocusField(Item(FontSizeEdit));
        return !strict;
    }
    const int size =
        std::clamp(static_cast<int>(std::lround(std::clamp(*value, -1e6, 1e6))), MinSize, MaxSize);
    if (Number(size) != text) SetDlgItemTextW(parent_, FontSizeEdit, Number(size).c_str());
    if (size != FFontSize) {
        FFontSize = size;
        ExFont.StdFont.lfHeight = HeightOf(size);
        Changed();
    }
    return true;
}

void TFontSelector::TakeChecks(int id) {
    const bool on = IsDlgButtonChecked(parent_, id) == BST_CHECKED;
    const auto uncheck = [this](int other) { CheckDlgButton(parent_, other, BST_UNCHECKED); };
    switch (id) {
    case FontStrikethrough:
        if (on) uncheck(FontDoubleStrike);
        ExFont.StdFont.lfStrikeOut = on ? 1 : 0;
        break;
    case FontDoubleStrike:
        if (on) uncheck(FontStrikethrough);
        ExFont.StdFont.lfStrikeOut = on ? 2 : 0;
        break;
    case FontSuperscript:
        if (on) uncheck(FontSubscript);
        ExFont.lfScript = on ? 1 : 0;
        break;
    case FontSubscript:
        if (on) uncheck(FontSuperscript);
        ExFont.lfScript = on ? -1 : 0;
        break;
    case FontHotLink: ExFont.lfHotLink = on ? 1 : 0; return; // nothing to show
    case FontShadow: {
        const int offset =
            static_cast<int>(SendDlgItemMessageW(parent_, FontShadowOffset, ZSEM_GETPOS, 0, 0));
        ExFont.lfShadow = on ? std::max(offset, 1) : 0;
        if (on)
            SendDlgItemMessageW(parent_, FontShadowOffset, ZSEM_SETPOS, static_cast<WPARAM>(ExFont.lfShadow),
                                0);
        break;
    }
    default: return;
    }
    RefreshEnabled();
    Changed();
}

bool TFontSelector::Command(int id, int code) {
    if (loading_) return id >= FontFaceEdit && id <= FontDescription;
    const auto color = [this](int picker) {
        return static_cast<COLORREF>(SendDlgItemMessageW(parent_, picker, ZCPM_GETCOLOR, 0, 0));
    };
    switch (id) {
    case FontFaceEdit:
        if (code == EN_CHANGE) SelectFace(controls::window_text(Item(id)), false);
        return true;
    case FontFaceList:
        if (code == LBN_SELCHANGE) SelectFace({}, true);
        return true;
    case FontStyleList:
        if (code == LBN_SELCHANGE) SelectStyle(static_cast<int>(SendMessageW(Item(id), LB_GETCURSEL, 0, 0)));
        return true;
    case FontSizeEdit:
        if (code == EN_CHANGE) ShowSizeInList(controls::window_text(Item(id)));
        if (code == EN_KILLFOCUS) TakeSize(controls::window_text(Item(id)), false);
        return true;
    case FontSizeList:
        if (code == LBN_SELCHANGE) {
            const std::u16string size = ListText(Item(id), SendMessageW(Item(id), LB_GETCURSEL, 0, 0));
            SetDlgItemTextW(parent_, FontSizeEdit, size.c_str());
            TakeSize(size, false);
        }
        return true;
    case FontUnderlineList:
        if (code == CBN_SELCHANGE) {
            const auto at = SendMessageW(Item(id), CB_GETCURSEL, 0, 0);
            ExFont.StdFont.lfUnderline = static_cast<BYTE>(std::clamp<LRESULT>(at, 0, UnderlineStyles - 1));
            RefreshEnabled();
            Changed();
        }
        return true;
    case FontColor:
    case FontUnderlineColor:
    case FontStrikeColor:
    case FontShadowColor:
        if (code != CPN_SELCHANGE) return true;
        if (id == FontColor) ExFont.lfColor = static_cast<std::int32_t>(color(id));
        if (id == FontUnderlineColor) ExFont.lfUnderlineColor = color(id);
        if (id == FontStrikeColor) ExFont.lfStrikeColor = color(id);
        if (id == FontShadowColor) ExFont.lfShadColor = static_cast<std::int32_t>(color(id));
        Changed();
        return true;
    case FontShadowOffset:
        if (code == EN_CHANGE && IsDlgButtonChecked(parent_, FontShadow) == BST_CHECKED) {
            ExFont.lfShadow = static_cast<std::int32_t>(SendMessageW(Item(id), ZSEM_GETPOS, 0, 0));
            Changed();
        }
        return true;
    case FontScale:
        if (code == EN_CHANGE) {
            ExFont.lfScale = static_cast<std::int32_t>(SendMessageW(Item(id), ZSEM_GETPOS, 0, 0));
            Changed();
        }
        return true;
    case FontStrikethrough:
    case FontDoubleStrike:
    case FontSuperscript:
    case FontSubscript:
    case FontHotLink:
    case FontShadow:
        if (code == BN_CLICKED) TakeChecks(id);
        return true;
    default: return false;
    }
}

bool TFontSelector::Commit() {
    if (!TakeSize(controls::window_text(Item(FontSizeEdit)), true)) return false;
    ExFont.lfScale = static_cast<std::int32_t>(SendDlgItemMessageW(parent_, FontScale, ZSEM_GETPOS, 0, 0));
    if (ExFont.lfShadow > 0)
        ExFont.lfShadow =
            static_cast<std::int32_t>(SendDlgItemMessageW(parent_, FontShadowOffset, ZSEM_GETPOS, 0, 0));
    return true;
}

std::u16string TFontSelector::Description() const {
    HWND faces = Item(FontFaceList);
    const auto at = SendMessageW(faces, LB_GETCURSEL, 0, 0);
    if (at < 0) return {};
    const auto type = static_cast<DWORD>(SendMessageW(faces, LB_GETITEMDATA, static_cast<WPARAM>(at), 0));
    const bool english = language_ == 1;
    if (type & RASTER_FONTTYPE)
        return english ? u"This is a screen font. Don't use it for printing."
                       : u"Đây là font màn hình. Đừng dùng nó để in!";
    if (type & (DEVICE_FONTTYPE | TRUETYPE_FONTTYPE))
        return english ? u"This is a scalable font. Usable on both screen and printer."
                       : u"Đây là font co giãn được. Có thể dùng trên màn hình lẫn máy in.";
    return english ? u"This is an unknown font. Use it with care."
                   : u"Font này không xác định kiểu. Cẩn thận khi dùng nó!";
}

bool TFontSelector::DrawItem(const DRAWITEMSTRUCT& item) const {
    if (item.hwndItem == preview_) {
        DrawPreview(item.hDC, item.rcItem);
        return true;
    }
    if (item.CtlID != static_cast<UINT>(FontUnderlineList)) return false;
    const bool selected = (item.itemState & ODS_SELECTED) != 0;
    const COLORREF ink = selected ? 0xFFFFFF : 0;
    controls::fill_solid(item.hDC, item.rcItem, selected ? GetSysColor(COLOR_HIGHLIGHT) : 0xFFFFFF);
    if (item.itemID == static_cast<UINT>(-1)) return true;
    HGDIOBJ old = SelectObject(item.hDC, GetStockObject(DEFAULT_GUI_FONT));
    SetBkMode(item.hDC, TRANSPARENT);
    SetTextColor(item.hDC, ink);
    SetTextAlign(item.hDC, TA_LEFT | TA_TOP);
    const int x = item.rcItem.left + 4, y = item.rcItem.top + 1;
    if (item.itemID == 0) {
        LPCWSTR none = language_ == 1 ? u"(none)" : u"(Không có)";
        TextOutW(item.hDC, x, y, none, static_cast<int>(std::char_traits<char16_t>::length(none)));
    } else {
        // A run of blanks carries the style across the item.
        const std::u16string blanks(
            static_cast<std::size_t>(std::max<LONG>((item.rcItem.right - x - 4) / 3, 1)), u' ');
        platform::DecoratedTextOut(item.hDC, x, y, blanks, static_cast<int>(item.itemID), ink, 0, ink);
    }
    SelectObject(item.hDC, old);
    return true;
}

void TFontSelector::DrawPreview(HDC dc, RECT r) const {
    controls::fill_solid(dc, r, 0xFFFFFF);
    HFONT font = PreviewFont(dc, ExFont, FFontSize);
    HGDIOBJ old = SelectObject(dc, font);
    std::u16string text = sample_;
    if (text.empty())
        text.assign(ExFont.StdFont.lfFaceName,
                    std::find(std::begin(ExFont.StdFont.lfFaceName), std::end(ExFont.StdFont.lfFaceName), 0));
    const int h = r.bottom - r.top, w = r.right - r.left;
    const int y = r.top + h - h / 4, x = r.left + w / 2;
    SIZE extent{};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &extent);
    const COLORREF line = controls::CurrentDialogColors().shadow;
    controls::fill_solid(dc, {r.left, y, x - extent.cx / 2 - 4, y + 1}, line);
    controls::fill_solid(dc, {x + extent.cx / 2 + 4, y, r.right, y + 1}, line);
    TEXTMETRICW tm{};
    GetTextMetricsW(dc, &tm);
    const int a = ExFont.lfScript > 0 ? -(tm.tmAscent / 2) : ExFont.lfScript < 0 ? tm.tmAscent / 2 : 0;
    SetTextAlign(dc, TA_BASELINE | TA_CENTER);
    SetBkMode(dc, TRANSPARENT);
    const int underline = ExFont.StdFont.lfUnderline, strike = ExFont.StdFont.lfStrikeOut;
    if (ExFont.lfShadow > 0) {
        const auto shade = static_cast<COLORREF>(ExFont.lfShadColor);
        SetTextColor(dc, shade);
        platform::DecoratedTextOut(dc, x + ExFont.lfShadow, y + a + ExFont.lfShadow, text, underline, shade,
                                   strike, shade);
    }
    SetTextColor(dc, static_cast<COLORREF>(ExFont.lfColor));
    platform::DecoratedTextOut(dc, x, y + a, text, underline, ExFont.lfUnderlineColor, strike,
                               ExFont.lfStrikeColor);
    SelectObject(dc, old);
    DeleteObject(font);
}

} // namespace zeledit::dialogs
