// The page control: a row of tabs over pages. Each page is a child panel on which the host
// creates its controls (ZPCM_GETPAGEWINDOW); only the current page shows. The panels pass
// their controls' notifications up to the page control's parent, so a dialog hears them
// as it hears its own controls'.
#include "controls/button_paint.h"
#include "controls/controls.h"

#include <string>
#include <vector>

namespace zeledit::controls {
namespace {

constexpr int TabPadding = 12;

struct Page {
    std::u16string caption;
    HWND panel;
};

struct PagesState : ControlState {
    std::vector<Page> pages;
    int current = -1;
};

bool passed_up(UINT msg) {
    return msg == WM_COMMAND || msg == WM_DRAWITEM || msg == WM_MEASUREITEM || msg == WM_HSCROLL ||
           msg == WM_VSCROLL || msg == WM_NOTIFY;
}

int tab_height(HWND hwnd, const ControlState& s) { return line_height(hwnd, s, 10); }

RECT page_area(HWND hwnd, const PagesState& s) {
    RECT r;
    GetClientRect(hwnd, &r);
    return {2, tab_height(hwnd, s) + 2, std::max<int>(r.right - 2, 2),
            std::max<int>(r.bottom - 2, tab_height(hwnd, s) + 2)};
}

std::vector<RECT> tab_rects(HWND hwnd, const PagesState& s) {
    std::vector<RECT> out;
    HDC dc = GetDC(hwnd);
    HGDIOBJ old = select_font(dc, s);
    int x = 2;
    const int height = tab_height(hwnd, s);
    for (const Page& p : s.pages) {
        RECT text{0, 0, 0, 0};
        DrawTextW(dc, p.caption.c_str(), static_cast<int>(p.caption.size()), &text,
                  DT_SINGLELINE | DT_CALCRECT);
        const int width = text.right + 2 * TabPadding;
        out.push_back({x, 2, x + width, height + 1});
        x += width;
    }
    SelectObject(dc, old);
    ReleaseDC(hwnd, dc);
    return out;
}

void show_page(HWND hwnd, PagesState& s, int index, bool announce) {
    if (index < 0 || index >= static_cast<int>(s.pages.size()) || index == s.current) return;
    const bool had_focus =
        s.current >= 0 && IsChild(s.pages[static_cast<std::size_t>(s.current)].panel, GetFocus());
    if (s.current >= 0) ShowWindow(s.pages[static_cast<std::size_t>(s.current)].panel, SW_HIDE);
    s.current = index;
    ShowWindow(s.pages[static_cast<std::size_t>(index)].panel, SW_SHOWNA);
    if (had_focus) SetFocus(hwnd);
    InvalidateRect(hwnd, nullptr, FALSE);
    if (announce) notify_parent(hwnd, PCN_SELCHANGE);
}

LRESULT add_page(HWND hwnd, PagesState& s, LPCWSTR caption) {
    const RECT area = page_area(hwnd, s);
    HWND panel =
        CreateWindowExW(WS_EX_CONTROLPARENT, PagePanelClassName, caption, WS_CHILD, area.left, area.top,
                        area.right - area.left, area.bottom - area.top, hwnd, nullptr,
                        reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(hwnd, GWLP_HINSTANCE)), nullptr);
    SendMessageW(panel, ZCM_SETCOLORS, s.face, s.text);
    s.pages.push_back({caption != nullptr ? caption : u"", panel});
    if (s.current < 0) show_page(hwnd, s, 0, false);
    InvalidateRect(hwnd, nullptr, FALSE);
    return static_cast<LRESULT>(s.pages.size() - 1);
}

void layout(HWND hwnd, const PagesState& s) {
    const RECT area = page_area(hwnd, s);
    for (const Page& p : s.pages)
        MoveWindow(p.panel, area.left, area.top, area.right - area.left, area.bottom - area.top, TRUE);
}

void paint(HWND hwnd, const PagesState& s) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    RECT r;
    GetClientRect(hwnd, &r);
    fill_solid(dc, r, s.face);
    const int height = tab_height(hwnd, s);
    draw_bevel(dc, {0, height, r.right, r.bottom}, s.face, false);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, IsWindowEnabled(hwnd) ? s.text : GetSysColor(COLOR_GRAYTEXT));
    HGDIOBJ old = select_font(dc, s);
    const auto tabs = tab_rects(hwnd, s);
    for (std::size_t i = 0; i < tabs.size(); ++i) {
        RECT tab = tabs[i];
        const bool current = static_cast<int>(i) == s.current;
        if (current) InflateRect(&tab, 2, 2);
        tab.bottom = height + (current ? 1 : 0);
        fill_solid(dc, tab, s.face);
        draw_bevel(dc, {tab.left, tab.top, tab.right, tab.bottom + 2}, s.face, false);
        if (current) fill_solid(dc, {tab.left + 1, height - 1, tab.right - 1, height + 1}, s.face);
        const std::u16string& caption = s.pages[i].caption;
        DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &tab,
                  DT_SINGLELINE | DT_VCENTER | DT_CENTER);
        if (current && GetFocus() == hwnd) {
            RECT focus = tab;
            InflateRect(&focus, -4, -4);
            DrawFocusRect(dc, &focus);
        }
    }
    SelectObject(dc, old);
    EndPaint(hwnd, &ps);
}

void click(HWND hwnd, PagesState& s, LPARAM lParam) {
    const POINT pt{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    const auto tabs = tab_rects(hwnd, s);
    for (std::size_t i = 0; i < tabs.size(); ++i)
        if (PtInRect(&tabs[i], pt)) {
            SetFocus(hwnd);
            show_page(hwnd, s, static_cast<int>(i), true);
            return;
        }
}

LRESULT page_message(HWND hwnd, PagesState& s, UINT msg, WPARAM wParam, LPARAM lParam) {
    const bool valid = wParam < s.pages.size();
    switch (msg) {
    case ZPCM_ADDPAGE: return add_page(hwnd, s, reinterpret_cast<LPCWSTR>(lParam));
    case ZPCM_GETPAGE: return s.current;
    case ZPCM_SETPAGE: show_page(hwnd, s, static_cast<int>(wParam), false); return valid ? TRUE : FALSE;
    case ZPCM_GETCOUNT: return static_cast<LRESULT>(s.pages.size());
    default: return valid ? reinterpret_cast<LRESULT>(s.pages[wParam].panel) : 0; // ZPCM_GETPAGEWINDOW
    }
}

} // namespace

LRESULT CALLBACK page_control_proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (handle_common(hwnd, msg, wParam, lParam, result, make_state<PagesState>)) {
        if (msg == ZCM_SETCOLORS)
            if (auto* s = state_as<PagesState>(hwnd))
                for (const Page& p : s->pages) SendMessageW(p.panel, ZCM_SETCOLORS, wParam, lParam);
        return result;
    }
    PagesState* s = state_as<PagesState>(hwnd);
    if (s == nullptr) return DefWindowProcW(hwnd, msg, wParam, lParam);
    if (passed_up(msg)) return SendMessageW(GetParent(hwnd), msg, wParam, lParam);
    switch (msg) {
    case WM_CREATE: // the dialog keyboard reaches the controls on the pages
        SetWindowLongPtrW(hwnd, GWL_EXSTYLE, GetWindowLongPtrW(hwnd, GWL_EXSTYLE) | WS_EX_CONTROLPARENT);
        return 0;
    case WM_PAINT: paint(hwnd, *s); return 0;
    case WM_SIZE: layout(hwnd, *s); return 0;
    case WM_GETDLGCODE: return DLGC_WANTARROWS;
    case WM_SETFOCUS:
    case WM_KILLFOCUS: InvalidateRect(hwnd, nullptr, FALSE); return 0;
    case WM_LBUTTONDOWN: click(hwnd, *s, lParam); return 0;
    case WM_KEYDOWN:
        if (wParam == VK_LEFT || wParam == VK_RIGHT)
            show_page(hwnd, *s, s->current + (wParam == VK_LEFT ? -1 : 1), true);
        return 0;
    case ZPCM_ADDPAGE:
    case ZPCM_GETPAGE:
    case ZPCM_SETPAGE:
    case ZPCM_GETCOUNT:
    case ZPCM_GETPAGEWINDOW: return page_message(hwnd, *s, msg, wParam, lParam);
    default: return DefWindowProcW(hwnd, msg, wParam, lParam);
    }
}

// A page: its face colour, and its controls' notifications passed up.
LRESULT CALLBACK page_panel_proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (handle_common(hwnd, msg, wParam, lParam, result)) return result;
    if (passed_up(msg)) return SendMessageW(GetParent(hwnd), msg, wParam, lParam);
    if (msg == WM_PAINT && state_of(hwnd) != nullptr) return paint_face(hwnd), 0;
    return DefWindowProcW(hwnd, msg, wParam, lParam);
}

} // namespace zeledit::controls
