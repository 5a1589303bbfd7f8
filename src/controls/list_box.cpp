// List boxes ("LISTBOX"): single, multiple (LBS_MULTIPLESEL) and extended (LBS_EXTENDEDSEL)
// selection, sorted lists, owner-drawn items of fixed or variable height, a scroll bar of
// their own (WS_VSCROLL) or a separate SCROLLBAR control (ZLBM_SETSCROLLBAR).
#include "controls/controls.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

namespace zeledit::controls {
namespace {

struct Item {
    std::u16string text;
    ULONG_PTR data = 0;
    bool selected = false;
    int height = 0;
};

struct ListState : ControlState {
    ListState() { face = GetSysColor(COLOR_WINDOW), text = GetSysColor(COLOR_WINDOWTEXT); }
    std::vector<Item> items;
    int caret = -1;  // the item with the focus rectangle; the selection of a single-selection list
    int anchor = -1; // where a Shift range starts
    int top = 0;
    int item_height = 0;
    HWND bar = nullptr; // a separate scroll bar
    bool tracking = false;
};

DWORD style_of(HWND hwnd) { return static_cast<DWORD>(GetWindowLongPtrW(hwnd, GWL_STYLE)); }
bool multiple(HWND hwnd) { return (style_of(hwnd) & (LBS_MULTIPLESEL | LBS_EXTENDEDSEL)) != 0; }
bool owner_drawn(HWND hwnd) { return (style_of(hwnd) & (LBS_OWNERDRAWFIXED | LBS_OWNERDRAWVARIABLE)) != 0; }
bool has_strings(HWND hwnd) { return !owner_drawn(hwnd) || (style_of(hwnd) & LBS_HASSTRINGS); }
int count(const ListState& s) { return static_cast<int>(s.items.size()); }
bool valid(const ListState& s, WPARAM i) {
    return static_cast<int>(i) >= 0 && static_cast<int>(i) < count(s);
}

char16_t fold(char16_t c) { return (c >= u'A' && c <= u'Z') ? char16_t(c + 32) : c; }
bool starts_with(std::u16string_view text, std::u16string_view prefix) {
    if (prefix.size() > text.size()) return false;
    for (std::size_t i = 0; i < prefix.size(); ++i)
        if (fold(text[i]) != fold(prefix[i])) return false;
    return true;
}
int compare(std::u16string_view a, std::u16string_view b) {
    for (std::size_t i = 0; i < std::min(a.size(), b.size()); ++i)
        if (fold(a[i]) != fold(b[i])) return fold(a[i]) < fold(b[i]) ? -1 : 1;
    return a.size() < b.size() ? -1 : a.size() > b.size() ? 1 : 0;
}

int font_height(HWND hwnd, const ListState& s) { return line_height(hwnd, s, 2); }

// Owner-drawn items are measured and drawn by the parent, or by the list's own class when
// it says so (the font list).
HWND item_painter(HWND hwnd) {
    return GetPropW(hwnd, SelfDrawnProperty) != nullptr ? hwnd : report_target(hwnd);
}

int measure(HWND hwnd, ListState& s, int index, ULONG_PTR data) {
    MEASUREITEMSTRUCT m{ODT_LISTBOX, static_cast<UINT>(GetDlgCtrlID(hwnd)),   static_cast<UINT>(index),
                        0,           static_cast<UINT>(font_height(hwnd, s)), data};
    SendMessageW(item_painter(hwnd), WM_MEASUREITEM, m.CtlID, reinterpret_cast<LPARAM>(&m));
    return std::max<int>(static_cast<int>(m.itemHeight), 1);
}

int height_of(const ListState& s, int i) {
    return s.items[static_cast<std::size_t>(i)].height > 0 ? s.items[static_cast<std::size_t>(i)].height
                                                           : s.item_height;
}

int client_height(HWND hwnd) {
    RECT r;
    GetClientRect(hwnd, &r);
    return r.bottom;
}

// How many items from `top` fit whole (at least one).
int page_size(HWND hwnd, const ListState& s, int top) {
    int y = 0, n = 0;
    for (int i = std::max(top, 0); i < count(s); ++i, ++n) {
        y += height_of(s, i);
        if (y > client_height(hwnd)) break;
    }
    return std::max(n, 1);
}

int last_top(HWND hwnd, const ListState& s) {
    int top = count(s), y = 0;
    while (top > 0 && y + height_of(s, top - 1) <= client_height(hwnd)) y += height_of(s, --top);
    return std::min(top, std::max(count(s) - 1, 0));
}

void update_bar(HWND hwnd, const ListState& s) {
    const bool own = (style_of(hwnd) & WS_VSCROLL) != 0;
    if (!own && s.bar == nullptr) return;
    SCROLLINFO si{sizeof(SCROLLINFO),
                  SIF_ALL | SIF_DISABLENOSCROLL,
                  0,
                  std::max(count(s) - 1, 0),
                  static_cast<UINT>(page_size(hwnd, s, s.top)),
                  s.top,
                  0};
    if (own) SetScrollInfo(hwnd, SB_VERT, &si, TRUE);
    if (s.bar != nullptr && IsWindow(s.bar)) SetScrollInfo(s.bar, SB_CTL, &si, TRUE);
}

void set_top(HWND hwnd, ListState& s, int top) {
    top = std::clamp(top, 0, last_top(hwnd, s));
    if (top != s.top) {
        s.top = top;
        InvalidateRect(hwnd, nullptr, FALSE);
    }
    update_bar(hwnd, s);
}

void ensure_visible(HWND hwnd, ListState& s, int i) {
    if (i < 0) return;
    if (i < s.top) return set_top(hwnd, s, i);
    int top = s.top;
    while (top < i && i >= top + page_size(hwnd, s, top)) ++top;
    set_top(hwnd, s, top);
}

RECT item_rect(HWND hwnd, const ListState& s, int i) {
    RECT r;
    GetClientRect(hwnd, &r);
    int y = 0;
    if (i >= s.top)
        for (int k = s.top; k < i; ++k) y += height_of(s, k);
    else
        for (int k = i; k < s.top; ++k) y -= height_of(s, k);
    return {0, y, r.right, y + height_of(s, i)};
}

int item_at(HWND hwnd, const ListState& s, int y) {
    int top = 0;
    for (int i = s.top; i < count(s); ++i) {
        top += height_of(s, i);
        if (y < top) return i;
    }
    (void)hwnd;
    return -1;
}

void changed(HWND hwnd, ListState& s) {
    InvalidateRect(hwnd, nullptr, FALSE);
    update_bar(hwnd, s);
}

void notify(HWND hwnd, WORD code) {
    if (style_of(hwnd) & LBS_NOTIFY) notify_parent(hwnd, code);
}

// Selection of a single-selection list, or the one item of a multiple one.
void select_only(ListState& s, int i) {
    for (Item& item : s.items) item.selected = false;
    if (i >= 0 && i < count(s)) s.items[static_cast<std::size_t>(i)].selected = true;
    s.caret = i;
}

void select_range(ListState& s, int from, int to, bool keep) {
    if (from > to) std::swap(from, to);
    for (int i = 0; i < count(s); ++i) {
        auto& item = s.items[static_cast<std::size_t>(i)];
        if (i >= from && i <= to)
            item.selected = true;
        else if (!keep)
            item.selected = false;
    }
}

LRESULT insert(HWND hwnd, ListState& s, int at, LPARAM lParam, bool sorted) {
    Item item;
    if (has_strings(hwnd))
        item.text = lParam ? std::u16string(reinterpret_cast<LPCWSTR>(lParam)) : std::u16string();
    else
        item.data = static_cast<ULONG_PTR>(lParam);
    if (sorted && has_strings(hwnd)) {
        at = 0;
        while (at < count(s) && compare(s.items[static_cast<std::size_t>(at)].text, item.text) <= 0) ++at;
    }
    if (at < 0 || at > count(s)) at = count(s);
    if (style_of(hwnd) & LBS_OWNERDRAWVARIABLE) item.height = measure(hwnd, s, at, item.data);
    s.items.insert(s.items.begin() + at, std::move(item));
    if (s.caret >= at) ++s.caret;
    if (s.anchor >= at) ++s.anchor;
    changed(hwnd, s);
    return at;
}

LRESULT erase(HWND hwnd, ListState& s, WPARAM index) {
    if (!valid(s, index)) return LB_ERR;
    const int i = static_cast<int>(index);
    s.items.erase(s.items.begin() + i);
    if (s.caret == i) s.caret = -1;
    if (s.caret > i) --s.caret;
    if (s.anchor >= i) s.anchor = std::max(s.anchor - 1, -1);
    s.top = std::min(s.top, last_top(hwnd, s));
    changed(hwnd, s);
    return count(s);
}

int find(const ListState& s, WPARAM after, std::u16string_view text, bool exact) {
    const int n = count(s);
    const int start =
        static_cast<int>(after) < 0 || static_cast<int>(after) >= n ? -1 : static_cast<int>(after);
    for (int k = 1; k <= n; ++k) {
        const int i = (start + k) % n;
        const std::u16string& t = s.items[static_cast<std::size_t>(i)].text;
        if (exact ? compare(t, text) == 0 : starts_with(t, text)) return i;
    }
    return -1;
}

LRESULT get_text(const ListState& s, WPARAM i, LPARAM out, bool strings) {
    if (!valid(s, i)) return LB_ERR;
    const Item& item = s.items[i];
    if (!strings) {
        if (out) std::memcpy(reinterpret_cast<void*>(out), &item.data, sizeof(item.data));
        return sizeof(item.data);
    }
    if (out) {
        std::memcpy(reinterpret_cast<LPWSTR>(out), item.text.data(), item.text.size() * sizeof(char16_t));
        reinterpret_cast<LPWSTR>(out)[item.text.size()] = 0;
    }
    return static_cast<LRESULT>(item.text.size());
}

LRESULT selection_message(HWND hwnd, ListState& s, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case LB_SETCURSEL:
        if (multiple(hwnd)) return LB_ERR;
        select_only(s, valid(s, wParam) ? static_cast<int>(wParam) : -1);
        ensure_visible(hwnd, s, s.caret);
        changed(hwnd, s);
        return valid(s, wParam) ? static_cast<LRESULT>(wParam) : LB_ERR;
    case LB_GETCURSEL:
        if (multiple(hwnd)) return s.caret;
        return s.caret >= 0 && s.items[static_cast<std::size_t>(s.caret)].selected ? s.caret : LB_ERR;
    case LB_SETSEL: {
        if (!multiple(hwnd)) return LB_ERR;
        const int i = static_cast<int>(lParam);
        if (i == -1) {
            for (Item& item : s.items) item.selected = wParam != 0;
        } else if (valid(s, static_cast<WPARAM>(i))) {
            s.items[static_cast<std::size_t>(i)].selected = wParam != 0;
            s.caret = s.anchor = i;
        } else {
            return LB_ERR;
        }
        changed(hwnd, s);
        return LB_OKAY;
    }
    case LB_GETSEL: return valid(s, wParam) ? (s.items[wParam].selected ? 1 : 0) : LB_ERR;
    case LB_GETSELCOUNT:
        if (!multiple(hwnd)) return LB_ERR;
        return std::count_if(s.items.begin(), s.items.end(), [](const Item& i) { return i.selected; });
    case LB_GETSELITEMS: {
        if (!multiple(hwnd)) return LB_ERR;
        auto* out = reinterpret_cast<int*>(lParam);
        int n = 0;
        for (int i = 0; i < count(s) && static_cast<WPARAM>(n) < wParam && out != nullptr; ++i)
            if (s.items[static_cast<std::size_t>(i)].selected) out[n++] = i;
        return n;
    }
    case LB_SELECTSTRING: {
        const int i = find(s, wParam, lParam ? reinterpret_cast<LPCWSTR>(lParam) : u"", false);
        if (i < 0 || multiple(hwnd)) return LB_ERR;
        select_only(s, i);
        ensure_visible(hwnd, s, i);
        changed(hwnd, s);
        return i;
    }
    case LB_SETCARETINDEX:
        if (!valid(s, wParam)) return LB_ERR;
        if (multiple(hwnd)) s.caret = static_cast<int>(wParam);
        ensure_visible(hwnd, s, static_cast<int>(wParam));
        changed(hwnd, s);
        return LB_OKAY;
    case LB_GETCARETINDEX: return s.caret;
    default: return LB_ERR;
    }
}

LRESULT list_message(HWND hwnd, ListState& s, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case LB_ADDSTRING: return insert(hwnd, s, -1, lParam, (style_of(hwnd) & LBS_SORT) != 0);
    case LB_INSERTSTRING: return insert(hwnd, s, static_cast<int>(wParam), lParam, false);
    case LB_DELETESTRING: return erase(hwnd, s, wParam);
    case LB_RESETCONTENT:
        s.items.clear();
        s.caret = s.anchor = -1;
        s.top = 0;
        changed(hwnd, s);
        return LB_OKAY;
    case LB_GETTEXT: return get_text(s, wParam, lParam, has_strings(hwnd));
    case LB_GETTEXTLEN:
        return valid(s, wParam)
                   ? static_cast<LRESULT>(has_strings(hwnd) ? s.items[wParam].text.size() : sizeof(ULONG_PTR))
                   : LB_ERR;
    case LB_GETCOUNT: return count(s);
    case LB_FINDSTRING:
    case LB_FINDSTRINGEXACT:
        return find(s, wParam, lParam ? reinterpret_cast<LPCWSTR>(lParam) : u"", msg == LB_FINDSTRINGEXACT);
    case LB_GETTOPINDEX: return s.top;
    case LB_SETTOPINDEX:
        if (!valid(s, wParam) && wParam != 0) return LB_ERR;
        set_top(hwnd, s, static_cast<int>(wParam));
        return LB_OKAY;
    case LB_GETITEMDATA: return valid(s, wParam) ? static_cast<LRESULT>(s.items[wParam].data) : LB_ERR;
    case LB_SETITEMDATA:
        if (!valid(s, wParam)) return LB_ERR;
        s.items[wParam].data = static_cast<ULONG_PTR>(lParam);
        return LB_OKAY;
    case LB_GETITEMRECT:
        if (!valid(s, wParam) || lParam == 0) return LB_ERR;
        *reinterpret_cast<RECT*>(lParam) = item_rect(hwnd, s, static_cast<int>(wParam));
        return LB_OKAY;
    case LB_SETITEMHEIGHT:
        if (LOWORD(lParam) == 0) return LB_ERR;
        if ((style_of(hwnd) & LBS_OWNERDRAWVARIABLE) && valid(s, wParam))
            s.items[wParam].height = LOWORD(lParam);
        else
            s.item_height = LOWORD(lParam);
        changed(hwnd, s);
        return LB_OKAY;
    case LB_GETITEMHEIGHT: return valid(s, wParam) ? height_of(s, static_cast<int>(wParam)) : s.item_height;
    case LB_ITEMFROMPOINT: {
        const int i = item_at(hwnd, s, GET_Y_LPARAM(lParam));
        return i >= 0 ? i : MAKELRESULT(WORD(std::max(count(s) - 1, 0)), 1);
    }
    case ZLBM_SETSCROLLBAR:
        s.bar = reinterpret_cast<HWND>(wParam);
        update_bar(hwnd, s);
        return 0;
    default: return selection_message(hwnd, s, msg, wParam, lParam);
    }
}

// Moves the caret to `to` as a key or click does; `extend` is Shift, `toggle` Ctrl.
void pick(HWND hwnd, ListState& s, int to, bool extend, bool toggle, bool from_mouse) {
    if (count(s) == 0 || (style_of(hwnd) & LBS_NOSEL)) return;
    to = std::clamp(to, 0, count(s) - 1);
    const DWORD style = style_of(hwnd);
    if (style & LBS_EXTENDEDSEL) {
        if (extend && s.anchor >= 0) {
            select_range(s, s.anchor, to, toggle);
        } else if (toggle) {
            if (from_mouse)
                s.items[static_cast<std::size_t>(to)].selected =
                    !s.items[static_cast<std::size_t>(to)].selected;
            s.anchor = to;
        } else {
            select_only(s, to);
            s.anchor = to;
        }
        s.caret = to;
    } else if (style & LBS_MULTIPLESEL) {
        if (from_mouse)
            s.items[static_cast<std::size_t>(to)].selected = !s.items[static_cast<std::size_t>(to)].selected;
        s.caret = s.anchor = to;
    } else {
        const bool same = s.caret == to && s.items[static_cast<std::size_t>(to)].selected;
        select_only(s, to);
        if (same) return ensure_visible(hwnd, s, to);
    }
    ensure_visible(hwnd, s, to);
    changed(hwnd, s);
    notify(hwnd, LBN_SELCHANGE);
}

void key_down(HWND hwnd, ListState& s, WPARAM key) {
    const bool shift = (GetKeyState(VK_SHIFT) & 0x8000) != 0, ctrl = (GetKeyState(VK_CONTROL) & 0x8000) != 0;
    const int page = page_size(hwnd, s, s.top), at = std::max(s.caret, 0);
    int to;
    switch (key) {
    case VK_UP: to = s.caret < 0 ? 0 : at - 1; break;
    case VK_DOWN: to = s.caret < 0 ? 0 : at + 1; break;
    case VK_PRIOR: to = at - page + 1; break;
    case VK_NEXT: to = at + page - 1; break;
    case VK_HOME: to = 0; break;
    case VK_END: to = count(s) - 1; break;
    case VK_SPACE:
        if ((style_of(hwnd) & (LBS_MULTIPLESEL | LBS_EXTENDEDSEL)) && s.caret >= 0) {
            auto& item = s.items[static_cast<std::size_t>(s.caret)];
            item.selected = !item.selected;
            changed(hwnd, s);
            notify(hwnd, LBN_SELCHANGE);
        }
        return;
    default: return;
    }
    if ((style_of(hwnd) & LBS_MULTIPLESEL) && count(s) > 0) { // the caret moves, the selection stays
        s.caret = std::clamp(to, 0, count(s) - 1);
        ensure_visible(hwnd, s, s.caret);
        return changed(hwnd, s);
    }
    pick(hwnd, s, to, shift, ctrl, false);
}

// A typed character moves to the next item starting with it.
void type_char(HWND hwnd, ListState& s, char16_t c) {
    if (c < 0x20 || !has_strings(hwnd)) return;
    const int i = find(s, static_cast<WPARAM>(s.caret), std::u16string(1, c), false);
    if (i >= 0) pick(hwnd, s, i, false, false, false);
}

void mouse(HWND hwnd, ListState& s, UINT msg, LPARAM lParam) {
    const int y = GET_Y_LPARAM(lParam);
    const bool shift = (GetKeyState(VK_SHIFT) & 0x8000) != 0, ctrl = (GetKeyState(VK_CONTROL) & 0x8000) != 0;
    switch (msg) {
    case WM_LBUTTONDOWN: {
        SetFocus(hwnd);
        const int i = item_at(hwnd, s, y);
        if (i < 0) return;
        pick(hwnd, s, i, shift, ctrl, true);
        if (!multiple(hwnd)) {
            s.tracking = true;
            SetCapture(hwnd);
        }
        return;
    }
    case WM_LBUTTONDBLCLK:
        if (item_at(hwnd, s, y) >= 0) notify(hwnd, LBN_DBLCLK);
        return;
    case WM_MOUSEMOVE:
        if (s.tracking) {
            const int i = item_at(hwnd, s, std::clamp(y, 0, client_height(hwnd) - 1));
            if (i >= 0) pick(hwnd, s, i, false, false, true);
        }
        return;
    default: // WM_LBUTTONUP
        if (!s.tracking) return;
        s.tracking = false;
        ReleaseCapture();
        return;
    }
}

void draw_item(HWND hwnd, HDC dc, const ListState& s, int i, const RECT& r, bool focused) {
    const Item& item = s.items[static_cast<std::size_t>(i)];
    if (owner_drawn(hwnd)) {
        DRAWITEMSTRUCT d{ODT_LISTBOX,
                         static_cast<UINT>(GetDlgCtrlID(hwnd)),
                         static_cast<UINT>(i),
                         ODA_DRAWENTIRE,
                         (item.selected ? ODS_SELECTED : 0u) | (focused && i == s.caret ? ODS_FOCUS : 0u) |
                             (IsWindowEnabled(hwnd) ? 0u : ODS_DISABLED),
                         hwnd,
                         dc,
                         r,
                         item.data};
        const int saved = SaveDC(dc);
        SendMessageW(item_painter(hwnd), WM_DRAWITEM, d.CtlID, reinterpret_cast<LPARAM>(&d));
        RestoreDC(dc, saved);
        return;
    }
    fill_solid(dc, r, item.selected ? GetSysColor(COLOR_HIGHLIGHT) : s.face);
    SetTextColor(dc, !IsWindowEnabled(hwnd) ? GetSysColor(COLOR_GRAYTEXT)
                     : item.selected        ? GetSysColor(COLOR_HIGHLIGHTTEXT)
                                            : s.text);
    RECT text = r;
    text.left += 3;
    DrawTextW(dc, item.text.c_str(), static_cast<int>(item.text.size()), &text,
              DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    if (focused && i == s.caret) DrawFocusRect(dc, &r);
}

void paint(HWND hwnd, const ListState& s) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    RECT client;
    GetClientRect(hwnd, &client);
    fill_solid(dc, client, s.face);
    HGDIOBJ old = select_font(dc, s);
    SetBkMode(dc, TRANSPARENT);
    const bool focused = GetFocus() == hwnd;
    for (int i = s.top; i < count(s); ++i) {
        const RECT r = item_rect(hwnd, s, i);
        if (r.top >= client.bottom) break;
        draw_item(hwnd, dc, s, i, r, focused);
    }
    if (count(s) == 0 && focused) {
        RECT r{0, 0, client.right, s.item_height};
        DrawFocusRect(dc, &r);
    }
    SelectObject(dc, old);
    EndPaint(hwnd, &ps);
}

void scroll(HWND hwnd, ListState& s, WORD request, HWND bar) {
    const int page = page_size(hwnd, s, s.top);
    switch (request) {
    case SB_LINEUP: set_top(hwnd, s, s.top - 1); break;
    case SB_LINEDOWN: set_top(hwnd, s, s.top + 1); break;
    case SB_PAGEUP: set_top(hwnd, s, s.top - page); break;
    case SB_PAGEDOWN: set_top(hwnd, s, s.top + page); break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: {
        SCROLLINFO si{sizeof(SCROLLINFO), SIF_TRACKPOS, 0, 0, 0, 0, 0};
        GetScrollInfo(bar != nullptr ? bar : hwnd, bar != nullptr ? SB_CTL : SB_VERT, &si);
        set_top(hwnd, s, si.nTrackPos);
        break;
    }
    default: break;
    }
}

} // namespace

LRESULT CALLBACK list_box_proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (handle_common(hwnd, msg, wParam, lParam, result, make_state<ListState>)) {
        if (msg == WM_SETFONT)
            if (ListState* s = state_as<ListState>(hwnd); s != nullptr && !owner_drawn(hwnd))
                s->item_height = font_height(hwnd, *s);
        return result;
    }
    ListState* s = state_as<ListState>(hwnd);
    if (s == nullptr) return DefWindowProcW(hwnd, msg, wParam, lParam);
    switch (msg) {
    case WM_CREATE:
        s->item_height =
            (style_of(hwnd) & LBS_OWNERDRAWFIXED) ? measure(hwnd, *s, 0, 0) : font_height(hwnd, *s);
        update_bar(hwnd, *s);
        return 0;
    case WM_PAINT: paint(hwnd, *s); return 0;
    case WM_GETDLGCODE: return DLGC_WANTARROWS | DLGC_WANTCHARS;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        InvalidateRect(hwnd, nullptr, FALSE);
        notify(hwnd, msg == WM_SETFOCUS ? LBN_SETFOCUS : LBN_KILLFOCUS);
        return 0;
    case WM_SIZE: set_top(hwnd, *s, s->top); return 0;
    case WM_KEYDOWN: key_down(hwnd, *s, wParam); return 0;
    case WM_CHAR: type_char(hwnd, *s, static_cast<char16_t>(wParam)); return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_MOUSEMOVE:
    case WM_LBUTTONUP: mouse(hwnd, *s, msg, lParam); return 0;
    case WM_CAPTURECHANGED: s->tracking = false; return 0;
    case WM_VSCROLL: scroll(hwnd, *s, LOWORD(wParam), reinterpret_cast<HWND>(lParam)); return 0;
    case WM_MOUSEWHEEL: set_top(hwnd, *s, s->top - GET_WHEEL_DELTA_WPARAM(wParam) / 40); return 0;
    case WM_ENABLE: InvalidateRect(hwnd, nullptr, FALSE); return 0;
    default:
        if ((msg >= LB_ADDSTRING && msg <= LB_ITEMFROMPOINT) || msg == ZLBM_SETSCROLLBAR)
            return list_message(hwnd, *s, msg, wParam, lParam);
        return DefWindowProcW(hwnd, msg, wParam, lParam);
    }
}

} // namespace zeledit::controls
