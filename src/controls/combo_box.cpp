// Combo boxes ("COMBOBOX"): an edit (CBS_DROPDOWN) or a selection field (CBS_DROPDOWNLIST)
// with a list that drops down below it. The list is a pop-up LISTBOX the combo box owns; the
// focus stays with the combo box (or its edit), which passes keys to the list while it is
// down. As on the desktop, the height given at creation includes the dropped list.
#include "controls/button_paint.h"
#include "controls/controls.h"

#include "platform/graphics_support/graphics_support.h"

#include <algorithm>
#include <string>

namespace zeledit::controls {
namespace {

constexpr int EditId = 1001;

struct ComboState : ControlState {
    HWND edit = nullptr;
    HWND list = nullptr;
    bool dropped = false;
    int list_height = 0;
    int selection_on_drop = -1;
    bool quiet = false; // the combo box is changing its edit itself
};

DWORD style_of(HWND hwnd) { return static_cast<DWORD>(GetWindowLongPtrW(hwnd, GWL_STYLE)); }
bool list_only(HWND hwnd) { return (style_of(hwnd) & 0x3) == CBS_DROPDOWNLIST; }
int arrow_width() { return GetSystemMetrics(SM_CXVSCROLL); }

int field_height(HWND hwnd, const ControlState& s) { return line_height(hwnd, s, 8); }

LRESULT to_list(const ComboState& s, UINT msg, WPARAM wParam = 0, LPARAM lParam = 0) {
    return SendMessageW(s.list, msg, wParam, lParam);
}

int current(const ComboState& s) { return static_cast<int>(to_list(s, LB_GETCURSEL)); }

std::u16string item_text(const ComboState& s, int i) {
    const LRESULT n = to_list(s, LB_GETTEXTLEN, static_cast<WPARAM>(i));
    if (n < 0) return {};
    std::u16string text(static_cast<std::size_t>(n) + 1, u'\0');
    to_list(s, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(n));
    return text;
}

// The field shows the selected item: the edit's text, or the painted selection field.
void show_selection(HWND hwnd, ComboState& s) {
    if (s.edit != nullptr) {
        const int i = current(s);
        s.quiet = true;
        SetWindowTextW(s.edit, i >= 0 ? item_text(s, i).c_str() : u"");
        SendMessageW(s.edit, EM_SETSEL, 0, -1);
        s.quiet = false;
    }
    InvalidateRect(hwnd, nullptr, FALSE);
}

void close_up(HWND hwnd, ComboState& s, bool accept) {
    if (!s.dropped) return;
    s.dropped = false;
    ShowWindow(s.list, SW_HIDE);
    if (GetCapture() == hwnd) ReleaseCapture();
    if (!accept && current(s) != s.selection_on_drop) {
        to_list(s, LB_SETCURSEL, static_cast<WPARAM>(s.selection_on_drop));
        show_selection(hwnd, s);
    }
    notify_parent(hwnd, accept ? CBN_SELENDOK : CBN_SELENDCANCEL);
    if (accept && current(s) != s.selection_on_drop) notify_parent(hwnd, CBN_SELCHANGE);
    notify_parent(hwnd, CBN_CLOSEUP);
    InvalidateRect(hwnd, nullptr, FALSE);
}

void drop_down(HWND hwnd, ComboState& s) {
    if (s.dropped || !IsWindowEnabled(hwnd)) return;
    notify_parent(hwnd, CBN_DROPDOWN);
    RECT r;
    GetWindowRect(hwnd, &r);
    const int items = std::max<int>(static_cast<int>(to_list(s, LB_GETCOUNT)), 1);
    const int item = std::max<int>(static_cast<int>(to_list(s, LB_GETITEMHEIGHT, 0)), 1);
    const int height = std::min(s.list_height, items * item + 2);
    SetWindowPos(s.list, nullptr, r.left, r.bottom, r.right - r.left, height, SWP_NOZORDER | SWP_NOACTIVATE);
    s.selection_on_drop = current(s);
    to_list(s, LB_SETTOPINDEX, static_cast<WPARAM>(std::max(s.selection_on_drop, 0)));
    ShowWindow(s.list, SW_SHOWNA);
    s.dropped = true;
    SetCapture(hwnd);
    InvalidateRect(hwnd, nullptr, FALSE);
}

// Keys that move the selection, whether the list is down or not.
bool navigation_key(HWND hwnd, ComboState& s, WPARAM key) {
    switch (key) {
    case VK_UP:
    case VK_DOWN:
    case VK_PRIOR:
    case VK_NEXT:
    case VK_HOME:
    case VK_END: {
        if (s.edit != nullptr && !s.dropped && (key == VK_HOME || key == VK_END)) return false;
        const int before = current(s);
        to_list(s, WM_KEYDOWN, key);
        if (current(s) == before) return true;
        show_selection(hwnd, s);
        if (!s.dropped) notify_parent(hwnd, CBN_SELCHANGE);
        return true;
    }
    case VK_F4:
        if (s.dropped)
            close_up(hwnd, s, true);
        else
            drop_down(hwnd, s);
        return true;
    case VK_RETURN:
    case VK_ESCAPE:
        if (!s.dropped) return false;
        close_up(hwnd, s, key == VK_RETURN);
        return true;
    default: return false;
    }
}

POINT to_list_client(HWND hwnd, const ComboState& s, LPARAM lParam) {
    POINT pt{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    ClientToScreen(hwnd, &pt);
    ScreenToClient(s.list, &pt);
    return pt;
}

bool in_list(const ComboState& s, POINT pt) {
    RECT r;
    GetClientRect(s.list, &r);
    return PtInRect(&r, pt) != FALSE;
}

void mouse(HWND hwnd, ComboState& s, UINT msg, LPARAM lParam) {
    const POINT pt = to_list_client(hwnd, s, lParam);
    if (!s.dropped) {
        if (msg != WM_LBUTTONDOWN && msg != WM_LBUTTONDBLCLK) return;
        SetFocus(s.edit != nullptr ? s.edit : hwnd);
        drop_down(hwnd, s);
        return;
    }
    const LRESULT hit = SendMessageW(s.list, LB_ITEMFROMPOINT, 0, MAKELPARAM(WORD(pt.x), WORD(pt.y)));
    const bool inside = in_list(s, pt) && HIWORD(hit) == 0;
    switch (msg) {
    case WM_MOUSEMOVE:
        if (inside && LOWORD(hit) != current(s)) {
            to_list(s, LB_SETCURSEL, LOWORD(hit));
            show_selection(hwnd, s);
        }
        return;
    case WM_LBUTTONUP:
        if (inside) {
            to_list(s, LB_SETCURSEL, LOWORD(hit));
            show_selection(hwnd, s);
            close_up(hwnd, s, true);
        }
        return;
    default: { // a press outside the list closes it; on the box itself it closes it too
        if (!inside) close_up(hwnd, s, false);
        return;
    }
    }
}

void paint(HWND hwnd, const ComboState& s) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    RECT r;
    GetClientRect(hwnd, &r);
    const bool enabled = IsWindowEnabled(hwnd) != FALSE;
    draw_bevel(dc, r, s.face, true);
    InflateRect(&r, -1, -1);
    RECT field{r.left, r.top, r.right - arrow_width(), r.bottom};
    fill_solid(dc, field, enabled ? GetSysColor(COLOR_WINDOW) : s.face);
    RECT arrow{field.right, r.top, r.right, r.bottom};
    fill_solid(dc, arrow, s.face);
    draw_bevel(dc, arrow, s.face, s.dropped);
    draw_arrow(dc, (arrow.left + arrow.right) / 2, (arrow.top + arrow.bottom) / 2, true,
               enabled ? s.text : GetSysColor(COLOR_GRAYTEXT));
    if (s.edit == nullptr) {
        const int i = current(s);
        const bool focused = GetFocus() == hwnd && !s.dropped;
        RECT band = field;
        InflateRect(&band, -2, -2);
        if (focused) fill_solid(dc, band, GetSysColor(COLOR_HIGHLIGHT));
        if (GetWindowLongPtrW(hwnd, GWL_STYLE) & CBS_OWNERDRAWFIXED) {
            // The parent draws the chosen item in the field as it draws it in the list.
            DRAWITEMSTRUCT d{
                ODT_COMBOBOX,
                static_cast<UINT>(GetDlgCtrlID(hwnd)),
                static_cast<UINT>(i),
                ODA_DRAWENTIRE,
                ODS_COMBOBOXEDIT | (focused ? ODS_SELECTED | ODS_FOCUS : 0u),
                hwnd,
                dc,
                band,
                i >= 0 ? static_cast<ULONG_PTR>(to_list(s, LB_GETITEMDATA, static_cast<WPARAM>(i))) : 0};
            const int saved = SaveDC(dc);
            SendMessageW(GetParent(hwnd), WM_DRAWITEM, d.CtlID, reinterpret_cast<LPARAM>(&d));
            RestoreDC(dc, saved);
        } else if (i >= 0) {
            const std::u16string text = item_text(s, i);
            SetBkMode(dc, TRANSPARENT);
            SetTextColor(dc, !enabled  ? GetSysColor(COLOR_GRAYTEXT)
                             : focused ? GetSysColor(COLOR_HIGHLIGHTTEXT)
                                       : s.text);
            HGDIOBJ old = select_font(dc, s);
            RECT text_rect = band;
            text_rect.left += 2;
            DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &text_rect,
                      DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
            SelectObject(dc, old);
        }
        if (focused) DrawFocusRect(dc, &band);
    }
    EndPaint(hwnd, &ps);
}

void create(HWND hwnd, ComboState& s, const CREATESTRUCTW& cs) {
    const DWORD style = style_of(hwnd);
    // Scroll bar styles are the dropped list's, not the box's.
    SetWindowLongPtrW(hwnd, GWL_STYLE, LONG_PTR(style & ~(WS_VSCROLL | WS_HSCROLL)));
    const HINSTANCE instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(hwnd, GWLP_HINSTANCE));
    const int field = field_height(hwnd, s);
    s.list_height = std::max(cs.cy - field, field * 3);
    DWORD list_style = WS_POPUP | WS_BORDER | WS_VSCROLL | LBS_NOTIFY;
    if (style & CBS_SORT) list_style |= LBS_SORT;
    if (style & CBS_OWNERDRAWFIXED) list_style |= LBS_OWNERDRAWFIXED;
    if (style & CBS_HASSTRINGS) list_style |= LBS_HASSTRINGS;
    // The pop-up list's owner is the dialog; it reports to the combo box, which measures its
    // items before the first one comes.
    s.list =
        CreateWindowExW(WS_EX_TOOLWINDOW | WS_EX_TOPMOST, u"LISTBOX", u"", list_style & ~LBS_OWNERDRAWFIXED,
                        0, 0, cs.cx, s.list_height, hwnd, nullptr, instance, nullptr);
    SetPropW(s.list, ReportsToProperty, hwnd);
    if (list_style & LBS_OWNERDRAWFIXED) {
        SetWindowLongPtrW(s.list, GWL_STYLE, GetWindowLongPtrW(s.list, GWL_STYLE) | LBS_OWNERDRAWFIXED);
        MEASUREITEMSTRUCT m{ODT_COMBOBOX,
                            static_cast<UINT>(GetDlgCtrlID(hwnd)),
                            0,
                            0,
                            static_cast<UINT>(line_height(hwnd, s, 2)),
                            0};
        SendMessageW(GetParent(hwnd), WM_MEASUREITEM, m.CtlID, reinterpret_cast<LPARAM>(&m));
        SendMessageW(s.list, LB_SETITEMHEIGHT, 0, MAKELPARAM(WORD(std::max<UINT>(m.itemHeight, 1)), 0));
    }
    if (!list_only(hwnd)) {
        s.edit = CreateWindowExW(0, u"EDIT", cs.lpszName != nullptr ? cs.lpszName : u"",
                                 WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL, 2, 2,
                                 std::max(cs.cx - arrow_width() - 4, 1), field - 4, hwnd,
                                 reinterpret_cast<HMENU>(EditId), instance, nullptr);
    }
    SetWindowPos(hwnd, nullptr, 0, 0, cs.cx, field, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void set_font(HWND hwnd, ComboState& s, WPARAM font, LPARAM redraw) {
    if (s.list != nullptr) SendMessageW(s.list, WM_SETFONT, font, 0);
    if (s.edit != nullptr) SendMessageW(s.edit, WM_SETFONT, font, redraw);
    RECT r;
    GetWindowRect(hwnd, &r);
    const int field = field_height(hwnd, s);
    SetWindowPos(hwnd, nullptr, 0, 0, r.right - r.left, field, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    if (s.edit != nullptr)
        MoveWindow(s.edit, 2, 2, std::max<int>(r.right - r.left - arrow_width() - 4, 1), field - 4, TRUE);
}

// WM_COMMAND from the combo box's own list and edit.
void part_notification(HWND hwnd, ComboState& s, WPARAM wParam) {
    if (LOWORD(wParam) == EditId && HIWORD(wParam) == EN_CHANGE && !s.quiet)
        notify_parent(hwnd, CBN_EDITCHANGE);
    if (LOWORD(wParam) == EditId && HIWORD(wParam) == EN_SETFOCUS) notify_parent(hwnd, CBN_SETFOCUS);
    if (LOWORD(wParam) == EditId && HIWORD(wParam) == EN_KILLFOCUS) {
        close_up(hwnd, s, false);
        notify_parent(hwnd, CBN_KILLFOCUS);
    }
}

// Owner-drawn items are drawn by the combo box's parent, as the combo box's.
LRESULT forward_item(HWND hwnd, UINT msg, LPARAM lParam) {
    const UINT id = static_cast<UINT>(GetDlgCtrlID(hwnd));
    if (msg == WM_DRAWITEM) {
        auto* d = reinterpret_cast<DRAWITEMSTRUCT*>(lParam);
        d->CtlType = ODT_COMBOBOX;
        d->CtlID = id;
        d->hwndItem = hwnd;
    } else {
        auto* m = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
        m->CtlType = ODT_COMBOBOX;
        m->CtlID = id;
    }
    return SendMessageW(GetParent(hwnd), msg, id, lParam);
}

LRESULT text_message(HWND hwnd, ComboState& s, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (s.edit != nullptr) return SendMessageW(s.edit, msg, wParam, lParam);
    if (msg == WM_SETTEXT) {
        const LRESULT i = to_list(s, LB_FINDSTRINGEXACT, WPARAM(-1), lParam);
        if (i < 0) return CB_ERR;
        to_list(s, LB_SETCURSEL, static_cast<WPARAM>(i));
        show_selection(hwnd, s);
        return TRUE;
    }
    const int i = current(s);
    const std::u16string text = i >= 0 ? item_text(s, i) : std::u16string();
    if (msg == WM_GETTEXTLENGTH) return static_cast<LRESULT>(text.size());
    auto* out = reinterpret_cast<LPWSTR>(lParam);
    if (out == nullptr || wParam == 0) return 0;
    const std::size_t n = std::min<std::size_t>(text.size(), wParam - 1);
    std::copy_n(text.data(), n, out);
    out[n] = 0;
    return static_cast<LRESULT>(n);
}

LRESULT combo_message(HWND hwnd, ComboState& s, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case CB_ADDSTRING: return to_list(s, LB_ADDSTRING, 0, lParam);
    case CB_INSERTSTRING: return to_list(s, LB_INSERTSTRING, wParam, lParam);
    case CB_DELETESTRING: return to_list(s, LB_DELETESTRING, wParam);
    case CB_RESETCONTENT:
        to_list(s, LB_RESETCONTENT);
        show_selection(hwnd, s);
        return CB_OKAY;
    case CB_GETCOUNT: return to_list(s, LB_GETCOUNT);
    case CB_GETCURSEL: return to_list(s, LB_GETCURSEL);
    case CB_SETCURSEL: {
        const LRESULT r = to_list(s, LB_SETCURSEL, wParam);
        show_selection(hwnd, s);
        return r;
    }
    case CB_SELECTSTRING: {
        const LRESULT r = to_list(s, LB_SELECTSTRING, wParam, lParam);
        if (r >= 0) show_selection(hwnd, s);
        return r;
    }
    case CB_GETLBTEXT: return to_list(s, LB_GETTEXT, wParam, lParam);
    case CB_GETLBTEXTLEN: return to_list(s, LB_GETTEXTLEN, wParam);
    case CB_FINDSTRING: return to_list(s, LB_FINDSTRING, wParam, lParam);
    case CB_FINDSTRINGEXACT: return to_list(s, LB_FINDSTRINGEXACT, wParam, lParam);
    case CB_GETITEMDATA: return to_list(s, LB_GETITEMDATA, wParam);
    case CB_SETITEMDATA: return to_list(s, LB_SETITEMDATA, wParam, lParam);
    case CB_SETITEMHEIGHT: return to_list(s, LB_SETITEMHEIGHT, wParam == WPARAM(-1) ? 0 : wParam, lParam);
    case CB_GETITEMHEIGHT: return to_list(s, LB_GETITEMHEIGHT, wParam == WPARAM(-1) ? 0 : wParam);
    case CB_SHOWDROPDOWN:
        if (wParam)
            drop_down(hwnd, s);
        else
            close_up(hwnd, s, false);
        return TRUE;
    case CB_GETDROPPEDSTATE: return s.dropped ? TRUE : FALSE;
    case CB_LIMITTEXT: return s.edit != nullptr ? SendMessageW(s.edit, EM_LIMITTEXT, wParam, 0) : CB_ERR;
    case CB_GETEDITSEL: return s.edit != nullptr ? SendMessageW(s.edit, EM_GETSEL, wParam, lParam) : CB_ERR;
    case CB_SETEDITSEL:
        if (s.edit == nullptr) return CB_ERR;
        SendMessageW(s.edit, EM_SETSEL, static_cast<WPARAM>(static_cast<SHORT>(LOWORD(lParam))),
                     static_cast<SHORT>(HIWORD(lParam)));
        return TRUE;
    default: return CB_ERR;
    }
}

} // namespace

LRESULT CALLBACK combo_box_proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (handle_common(hwnd, msg, wParam, lParam, result, make_state<ComboState>)) {
        if (msg == WM_SETFONT)
            if (auto* s = state_as<ComboState>(hwnd)) set_font(hwnd, *s, wParam, lParam);
        return result;
    }
    ComboState* s = state_as<ComboState>(hwnd);
    if (s == nullptr) return DefWindowProcW(hwnd, msg, wParam, lParam);
    switch (msg) {
    case WM_CREATE: create(hwnd, *s, *reinterpret_cast<const CREATESTRUCTW*>(lParam)); return 0;
    case WM_DESTROY:
        if (s->list != nullptr) RemovePropW(s->list, ReportsToProperty);
        if (s->list != nullptr) DestroyWindow(s->list);
        s->list = nullptr;
        return 0;
    case WM_PAINT: paint(hwnd, *s); return 0;
    case WM_GETDLGCODE: return DLGC_WANTARROWS | DLGC_WANTCHARS | (s->dropped ? DLGC_WANTALLKEYS : 0);
    case WM_SETFOCUS:
        if (s->edit != nullptr) {
            SetFocus(s->edit);
            SendMessageW(s->edit, EM_SETSEL, 0, -1);
        } else {
            InvalidateRect(hwnd, nullptr, FALSE);
            notify_parent(hwnd, CBN_SETFOCUS);
        }
        return 0;
    case WM_KILLFOCUS:
        if (s->edit == nullptr) {
            close_up(hwnd, *s, false);
            InvalidateRect(hwnd, nullptr, FALSE);
            notify_parent(hwnd, CBN_KILLFOCUS);
        }
        return 0;
    case WM_KEYDOWN: navigation_key(hwnd, *s, wParam); return 0;
    case WM_SYSKEYDOWN:
        if (wParam == VK_DOWN || wParam == VK_UP) return navigation_key(hwnd, *s, VK_F4), 0;
        return DefWindowProcW(hwnd, msg, wParam, lParam);
    case WM_CHAR:
        if (s->edit == nullptr && wParam >= 0x20) {
            const int before = current(*s);
            to_list(*s, WM_CHAR, wParam);
            show_selection(hwnd, *s);
            if (current(*s) != before && !s->dropped) notify_parent(hwnd, CBN_SELCHANGE);
        }
        return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_MOUSEMOVE:
    case WM_LBUTTONUP: mouse(hwnd, *s, msg, lParam); return 0;
    case WM_CAPTURECHANGED:
        if (s->dropped && reinterpret_cast<HWND>(lParam) != hwnd) close_up(hwnd, *s, false);
        return 0;
    case WM_COMMAND: part_notification(hwnd, *s, wParam); return 0;
    case WM_DRAWITEM:
    case WM_MEASUREITEM: return forward_item(hwnd, msg, lParam);
    case WM_ENABLE:
        if (s->edit != nullptr) EnableWindow(s->edit, wParam ? TRUE : FALSE);
        InvalidateRect(hwnd, nullptr, FALSE);
        return 0;
    case WM_SETTEXT:
    case WM_GETTEXT:
    case WM_GETTEXTLENGTH: return text_message(hwnd, *s, msg, wParam, lParam);
    default:
        if (msg >= CB_GETEDITSEL && msg <= CB_FINDSTRINGEXACT)
            return combo_message(hwnd, *s, msg, wParam, lParam);
        return DefWindowProcW(hwnd, msg, wParam, lParam);
    }
}

} // namespace zeledit::controls
