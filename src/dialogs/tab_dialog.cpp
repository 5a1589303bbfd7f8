#include "dialogs/tab_dialog.h"

#include "controls/controls.h"
#include "controls/modal_loop.h"
#include "dialogs/dialog_window.h"
#include "dialogs/typed_numbers.h"
#include "model/format_conversion.h"
#include "model/tab_stops.h"
#include "platform/core/text.h"
#include "platform/user/modules.h"

#include <zeledit/controls.h>
#include <zeledit/format_dialogs.h>

#include <algorithm>
#include <optional>
#include <string>

namespace zeledit::dialogs {
namespace {

constexpr LPCWSTR DialogClass = u"ZeleditTabDialog";
constexpr int Width = 400, Height = 330;
constexpr double CmPerInch = 2.54;

struct Captions {
    LPCWSTR heading, position, units, alignment, left, center, right, number, bar, leader, none, set, clear,
        clear_all, cancel;
};

constexpr Captions Vietnamese{
    u"Vị trí tab", u"Các vị trí tab:", u"Đơn vị tính:", u" Kiểu canh ", u"Trái", u"Giữa",    u"Phải", u"Số",
    u"Gạch",       u" Dấu nối ",       u"Không có",     u"Đặt",         u"Xóa",  u"Xóa hết", u"Thôi"};
constexpr Captions English{
    u"Tabs",   u"Position:", u"Measurement units:", u" Alignment ", u"Left", u"Center", u"Right",
    u"Number", u"Bar",       u" Leader ",           u"(none)",      u"Set",  u"Clear",  u"Clear all",
    u"Cancel"};

struct State {
    TTabArray& tabs;
    BYTE unit;
};

State* state_of(HWND hwnd) { return reinterpret_cast<State*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA)); }

double Shown(double inches, BYTE unit) { return unit == 1 ? inches * CmPerInch : inches; }
double Inches(double value, BYTE unit) { return unit == 1 ? value / CmPerInch : value; }

std::u16string ThreeDecimals(double v) { return Decimals(v, 3); }

int CheckedIn(HWND dialog, int first, int last) {
    for (int id = first; id <= last; ++id)
        if (IsDlgButtonChecked(dialog, id) == BST_CHECKED) return id - first;
    return 0;
}

void FillList(HWND dialog, const State& s) {
    HWND list = GetDlgItem(dialog, TabList);
    SendMessageW(list, LB_RESETCONTENT, 0, 0);
    for (const TTab& t : s.tabs.tabs)
        if (t.tbDefault == 0) {
            const std::u16string text = ThreeDecimals(Shown(t.tbPosition, s.unit));
            SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
        }
}

// The stop the list's selected line names, in inches.
std::optional<double> Selected(HWND dialog, const State& s) {
    HWND list = GetDlgItem(dialog, TabList);
    const auto at = SendMessageW(list, LB_GETCURSEL, 0, 0);
    if (at < 0) return std::nullopt;
    std::u16string text(static_cast<std::size_t>(SendMessageW(list, LB_GETTEXTLEN, at, 0)) + 1, u'\0');
    SendMessageW(list, LB_GETTEXT, at, reinterpret_cast<LPARAM>(text.data()));
    text.resize(std::char_traits<char16_t>::length(text.c_str()));
    const auto v = NumberIn(text);
    return v ? std::optional<double>(Inches(*v, s.unit)) : std::nullopt;
}

void ShowSelected(HWND dialog, const State& s) {
    const auto position = Selected(dialog, s);
    if (!position) return;
    for (const TTab& t : s.tabs.tabs)
        if (t.tbDefault == 0 && model::SameTabPosition(t.tbPosition, *position)) {
            SetDlgItemTextW(dialog, TabPosition, ThreeDecimals(Shown(t.tbPosition, s.unit)).c_str());
            CheckRadioButton(dialog, TabAlignLeft, TabAlignBar, TabAlignLeft + std::min<int>(t.tbAlign, 4));
            CheckRadioButton(dialog, TabLeaderNone, TabLeaderLine,
                             TabLeaderNone + std::min<int>(t.tbLeader, 3));
            return;
        }
}

void Set(HWND dialog, State& s) {
    HWND field = GetDlgItem(dialog, TabPosition);
    const auto value = NumberIn(controls::window_text(field));
    const auto align = static_cast<std::uint8_t>(CheckedIn(dialog, TabAlignLeft, TabAlignBar));
    const auto leader = static_cast<std::uint8_t>(CheckedIn(dialog, TabLeaderNone, TabLeaderLine));
    if (value && model::SetTabStop(s.tabs, Inches(*value, s.unit), align, leader)) {
        FillList(dialog, s);
        SetWindowTextW(field, u"");
    } else {
        FocusField(field); // not a position: kept for mending
        return;
    }
    SetFocus(field);
}

void SwitchUnit(HWND dialog, State& s, BYTE unit) {
    if (unit == s.unit) return;
    HWND field = GetDlgItem(dialog, TabPosition);
    if (const auto value = NumberIn(controls::window_text(field)))
        SetWindowTextW(field, ThreeDecimals(Shown(Inches(*value, s.unit), unit)).c_str());
    s.unit = unit;
    FillList(dialog, s);
}

void Command(HWND dialog, State& s, int id, int code) {
    switch (id) {
    case TabSet: Set(dialog, s); break;
    case TabClear:
        if (const auto position = Selected(dialog, s)) model::ClearTabStop(s.tabs, *position);
        FillList(dialog, s);
        break;
    case TabClearAll:
        model::DefaultTabs(s.tabs);
        FillList(dialog, s);
        break;
    case TabInch:
    case TabCm: SwitchUnit(dialog, s, id == TabCm ? 1 : 0); break;
    case TabList:
        if (code == LBN_SELCHANGE) ShowSelected(dialog, s);
        break;
    default: break;
    }
}

LRESULT CALLBACK DialogProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    State* s = state_of(hwnd);
    if (s == nullptr) return DefWindowProcW(hwnd, msg, wParam, lParam);
    switch (msg) {
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)
            controls::EndModal(hwnd, LOWORD(wParam));
        else
            Command(hwnd, *s, LOWORD(wParam), HIWORD(wParam));
        return 0;
    case WM_INITDIALOG: SetFocus(GetDlgItem(hwnd, TabPosition)); return 0;
    case WM_CLOSE: controls::EndModal(hwnd, IDCANCEL); return 0;
    default: return DefWindowProcW(hwnd, msg, wParam, lParam);
    }
}

void CreateControls(HWND dialog, const State& s, const Captions& c) {
    const auto add = [dialog](LPCWSTR kind, LPCWSTR text, DWORD style, int id, RECT r) {
        HWND w = CreateWindowExW(
            0, kind, text, WS_CHILD | WS_VISIBLE | style, r.left, r.top, r.right - r.left, r.bottom - r.top,
            dialog, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), platform::library_instance(), nullptr);
        SendMessageW(w, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
        return w;
    };
    add(CaptionBarClassName, c.heading, 0, 0, {0, 0, Width, 24});
    add(u"STATIC", c.position, 0, 0, {10, 32, 160, 48});
    add(u"EDIT", u"", WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL, TabPosition, {10, 50, 160, 72});
    add(u"LISTBOX", u"", WS_BORDER | WS_VSCROLL | WS_TABSTOP | LBS_NOTIFY, TabList, {10, 76, 160, 250});
    add(u"STATIC", c.units, 0, 0, {172, 32, 390, 48});
    add(u"BUTTON", u"inch", BS_AUTORADIOBUTTON | WS_GROUP | WS_TABSTOP, TabInch, {172, 50, 250, 70});
    add(u"BUTTON", u"cm", BS_AUTORADIOBUTTON, TabCm, {256, 50, 330, 70});
    CheckRadioButton(dialog, TabInch, TabCm, s.unit == 1 ? TabCm : TabInch);
    add(u"BUTTON", c.alignment, BS_GROUPBOX, 0, {172, 76, 390, 150});
    const LPCWSTR aligns[5] = {c.left, c.center, c.right, c.number, c.bar};
    for (int i = 0; i < 5; ++i)
        add(u"BUTTON", aligns[i], BS_AUTORADIOBUTTON | (i == 0 ? WS_GROUP | WS_TABSTOP : 0), TabAlignLeft + i,
            {180 + 70 * (i % 3), 94 + 26 * (i / 3), 248 + 70 * (i % 3), 114 + 26 * (i / 3)});
    CheckRadioButton(dialog, TabAlignLeft, TabAlignBar, TabAlignLeft);
    add(u"BUTTON", c.leader, BS_GROUPBOX, 0, {172, 156, 390, 224});
    const LPCWSTR leaders[4] = {c.none, u"......", u"------", u"______"};
    for (int i = 0; i < 4; ++i)
        add(u"BUTTON", leaders[i], BS_AUTORADIOBUTTON | (i == 0 ? WS_GROUP | WS_TABSTOP : 0),
            TabLeaderNone + i,
            {180 + 104 * (i % 2), 174 + 24 * (i / 2), 280 + 104 * (i % 2), 194 + 24 * (i / 2)});
    CheckRadioButton(dialog, TabLeaderNone, TabLeaderLine, TabLeaderNone);
    add(u"BUTTON", c.set, WS_TABSTOP | WS_GROUP, TabSet, {172, 230, 238, 254});
    add(u"BUTTON", c.clear, WS_TABSTOP, TabClear, {244, 230, 310, 254});
    add(u"BUTTON", c.clear_all, WS_TABSTOP, TabClearAll, {316, 230, 390, 254});
    add(u"BUTTON", u"OK", BS_DEFPUSHBUTTON | WS_TABSTOP, IDOK, {214, 290, 296, 316});
    add(u"BUTTON", c.cancel, WS_TABSTOP | ZBS_CANCEL, IDCANCEL, {308, 290, 390, 316});
    FillList(dialog, s);
}

} // namespace

bool AskTabs(HWND owner, TTabArray& tabs, BYTE& unit, BYTE language) {
    const Captions& c = language == 1 ? English : Vietnamese;
    HWND dialog = CreateDialogWindow(DialogClass, DialogProc, c.heading, {Width, Height}, owner);
    if (dialog == nullptr) return false;
    State state{tabs, unit};
    CreateControls(dialog, state, c);
    const int result = RunDialogWindow(dialog, owner, &state);
    unit = state.unit;
    return result == IDOK;
}

} // namespace zeledit::dialogs
