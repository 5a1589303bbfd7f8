// Default answers to the messages a window procedure passes on.
#include "platform/core/text.h"
#include "platform/user/menu_tracking.h"
#include "platform/user/scroll_bar.h"
#include "platform/user/window_frame.h"
#include "platform/user/window_manager.h"

#include <zeledit/win_gdi.h>

using namespace zeledit::platform;

namespace {

bool contains(const RECT& r, POINT p) {
    return p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom;
}

RECT on_screen(const Window& w, RECT in_window) {
    RECT r;
    GetWindowRect(w.handle, &r);
    return {r.left + in_window.left, r.top + in_window.top, r.left + in_window.right,
            r.top + in_window.bottom};
}

LRESULT hit_test(const Window& w, POINT screen) {
    RECT r;
    GetWindowRect(w.handle, &r);
    if (!contains(r, screen)) return HTNOWHERE;
    if (contains(on_screen(w, client_in_window(w)), screen)) return HTCLIENT;
    if (contains(on_screen(w, menu_bar_rect(w)), screen)) return HTMENU;
    if (contains(on_screen(w, window_bar_rect(w, SB_VERT)), screen)) return HTVSCROLL;
    if (contains(on_screen(w, window_bar_rect(w, SB_HORZ)), screen)) return HTHSCROLL;
    return HTBORDER;
}

LRESULT erase_background(const Window& w, HDC dc) {
    HBRUSH brush = w.cls->info.hbrBackground;
    if (brush == nullptr) return 0;
    RECT client;
    GetClientRect(w.handle, &client);
    FillRect(dc, &client, brush);
    return 1;
}

void report_position_change(HWND hwnd, const WINDOWPOS& pos) {
    const Window* w = find_window(hwnd);
    if (w == nullptr) return;
    if (!(pos.flags & SWP_NOCLIENTSIZE)) {
        const SIZE s = client_size(*w);
        send_to(hwnd, WM_SIZE, SIZE_RESTORED, MAKELPARAM(WORD(s.cx), WORD(s.cy)));
    }
    if (!(pos.flags & SWP_NOCLIENTMOVE) && (w = find_window(hwnd)) != nullptr) {
        const RECT c = client_in_window(*w);
        send_to(hwnd, WM_MOVE, 0, MAKELPARAM(WORD(w->rect.left + c.left), WORD(w->rect.top + c.top)));
    }
}

} // namespace

LRESULT DefWindowProcW(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    Window* w = find_window(hwnd);
    if (w == nullptr) return 0;
    const HWND parent = w->is_child() ? w->parent : nullptr;
    switch (msg) {
    case WM_NCCREATE: {
        const auto* cs = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        if (cs != nullptr && cs->lpszName != nullptr && !IS_INTRESOURCE(cs->lpszName))
            w->text = wide_view(cs->lpszName);
        return TRUE;
    }
    case WM_SETTEXT: w->text = wide_view(reinterpret_cast<LPCWSTR>(lParam)); return TRUE;
    case WM_GETTEXT:
        return copy_truncated(w->text, reinterpret_cast<LPWSTR>(lParam), static_cast<int>(wParam));
    case WM_GETTEXTLENGTH: return static_cast<LRESULT>(w->text.size());
    case WM_NCPAINT: paint_frame(hwnd); return 0;
    case WM_PAINT: {
        PAINTSTRUCT ps;
        BeginPaint(hwnd, &ps);
        EndPaint(hwnd, &ps);
        return 0;
    }
    case WM_ERASEBKGND: return erase_background(*w, reinterpret_cast<HDC>(wParam));
    case WM_CLOSE: DestroyWindow(hwnd); return 0;
    case WM_WINDOWPOSCHANGED:
        report_position_change(hwnd, *reinterpret_cast<const WINDOWPOS*>(lParam));
        return 0;
    case WM_NCHITTEST: return hit_test(*w, {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
    case WM_SETCURSOR:
        if (parent != nullptr && SendMessageW(parent, WM_SETCURSOR, wParam, lParam)) return TRUE;
        if (LOWORD(lParam) == HTCLIENT && w->cls->info.hCursor != nullptr) {
            SetCursor(w->cls->info.hCursor);
            return TRUE;
        }
        if (LOWORD(lParam) != HTCLIENT) SetCursor(LoadCursorW(nullptr, IDC_ARROW));
        return FALSE;
    case WM_MOUSEACTIVATE:
        if (parent != nullptr) {
            const LRESULT r = SendMessageW(parent, WM_MOUSEACTIVATE, wParam, lParam);
            if (r != 0) return r;
        }
        return MA_ACTIVATE;
    case WM_ACTIVATE:
        if (LOWORD(wParam) != WA_INACTIVE) {
            const HWND focus = GetFocus();
            if (focus != hwnd && !IsChild(hwnd, focus)) SetFocus(hwnd);
        }
        return 0;
    case WM_MOUSEWHEEL:
    case WM_CONTEXTMENU: return parent != nullptr ? SendMessageW(parent, msg, wParam, lParam) : 0;
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONDBLCLK:
        if (wParam == static_cast<WPARAM>(HTMENU))
            track_menu_bar_at(hwnd, {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
        if (wParam == static_cast<WPARAM>(HTVSCROLL) || wParam == static_cast<WPARAM>(HTHSCROLL))
            track_scroll_bar(hwnd, wParam == static_cast<WPARAM>(HTVSCROLL) ? SB_VERT : SB_HORZ,
                             {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
        return 0;
    case WM_NCACTIVATE: return TRUE;
    // Alt with a letter opens the menu bar's menu of that mnemonic, F10 its first menu.
    case WM_SYSCHAR:
        if (parent != nullptr) return SendMessageW(parent, msg, wParam, lParam);
        if (w->menu_bar != nullptr) track_menu_bar_key(hwnd, static_cast<char16_t>(wParam));
        return 0;
    case WM_SYSKEYDOWN:
        if (parent != nullptr) return SendMessageW(parent, msg, wParam, lParam);
        if (wParam == VK_F10 && w->menu_bar != nullptr) track_menu_bar_key(hwnd, 0);
        return 0;
    default: return 0;
    }
}
