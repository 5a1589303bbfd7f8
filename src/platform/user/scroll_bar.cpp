#include "platform/user/scroll_bar.h"

#include "platform/gdi/device_context.h"
#include "platform/user/paint.h"
#include "platform/user/window_manager.h"

#include <zeledit/win_gdi.h>

#include <algorithm>
#include <cstdint>

namespace zeledit::platform {
namespace {

bool is_scroll_bar_control(const Window& w) { return w.cls->system && w.cls->name == u"SCROLLBAR"; }

ScrollBarState* state_of(Window& w, int bar) {
    switch (bar) {
    case SB_HORZ: return &w.hbar;
    case SB_VERT: return &w.vbar;
    case SB_CTL: return is_scroll_bar_control(w) ? &w.control : nullptr;
    default: return nullptr;
    }
}

std::int64_t span(const ScrollBarState& s) { return std::int64_t(s.max) - s.min + 1; }

bool scrollable(const ScrollBarState& s) {
    return s.max > s.min && (s.page == 0 || std::int64_t(s.page) < span(s));
}

void normalise(ScrollBarState& s) {
    if (s.max < s.min) s.max = s.min;
    s.page = static_cast<UINT>(std::min<std::int64_t>(s.page, span(s)));
    const std::int64_t last = std::int64_t(s.max) - std::max<std::int64_t>(std::int64_t(s.page) - 1, 0);
    s.pos = static_cast<int>(std::clamp<std::int64_t>(s.pos, s.min, std::max<std::int64_t>(last, s.min)));
}

DWORD bar_style(int bar) { return bar == SB_VERT ? WS_VSCROLL : WS_HSCROLL; }

// Shows or hides a window's own bar; the client area changes and WM_SIZE follows.
void show_window_bar(Window& w, int bar, bool show) {
    const DWORD bit = bar_style(bar);
    if (((w.style & bit) != 0) == show) return;
    w.style = show ? (w.style | bit) : (w.style & ~bit);
    SetWindowPos(w.handle, nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

int apply_info(Window& w, int bar, const SCROLLINFO& info) {
    ScrollBarState* s = state_of(w, bar);
    if (s == nullptr) return 0;
    if (info.fMask & SIF_RANGE) s->min = info.nMin, s->max = info.nMax;
    if (info.fMask & SIF_PAGE) s->page = info.nPage;
    if (info.fMask & SIF_POS) s->pos = info.nPos;
    normalise(*s);
    const int pos = s->pos;
    if (bar != SB_CTL && (info.fMask & (SIF_RANGE | SIF_PAGE))) {
        const bool can = scrollable(*s);
        s->disabled_arrows = can ? ESB_ENABLE_BOTH : ESB_DISABLE_BOTH;
        show_window_bar(w, bar, can || (info.fMask & SIF_DISABLENOSCROLL));
    }
    return pos;
}

void read_info(const ScrollBarState& s, SCROLLINFO& info) {
    if (info.fMask & SIF_RANGE) info.nMin = s.min, info.nMax = s.max;
    if (info.fMask & SIF_PAGE) info.nPage = s.page;
    if (info.fMask & SIF_POS) info.nPos = s.pos;
    if (info.fMask & SIF_TRACKPOS) info.nTrackPos = s.tracking ? s.track_pos : s.pos;
}

bool valid_size(const SCROLLINFO* info) {
    return info != nullptr &&
           (info->cbSize == sizeof(SCROLLINFO) || info->cbSize == sizeof(SCROLLINFO) - sizeof(int));
}

// Geometry along the bar: arrows at both ends, the thumb between them.
struct BarLayout {
    int length;
    int arrow;
    int thumb_start;
    int thumb_size;
};

BarLayout layout(const ScrollBarState& s, int length, int thickness) {
    BarLayout l{length, std::min(thickness, length / 2), 0, 0};
    const int track = length - 2 * l.arrow;
    if (track <= 0 || !scrollable(s)) return l;
    const std::int64_t range = span(s);
    int thumb = s.page > 0 ? static_cast<int>(track * std::int64_t(s.page) / range) : thickness;
    thumb = std::clamp(thumb, std::min(8, track), track);
    const std::int64_t positions = range - std::max<std::int64_t>(std::int64_t(s.page) - 1, 0) - 1;
    const std::int64_t offset =
        positions > 0 ? (std::int64_t(track - thumb) * (s.pos - s.min)) / positions : 0;
    l.thumb_start = l.arrow + static_cast<int>(offset);
    l.thumb_size = thumb;
    return l;
}

int position_for_thumb(const ScrollBarState& s, const BarLayout& l, int thumb_start) {
    const int free = l.length - 2 * l.arrow - l.thumb_size;
    const std::int64_t positions = span(s) - std::max<std::int64_t>(std::int64_t(s.page) - 1, 0) - 1;
    if (free <= 0 || positions <= 0) return s.min;
    const int offset = std::clamp(thumb_start - l.arrow, 0, free);
    return static_cast<int>(s.min + (offset * positions + free / 2) / free);
}

struct Target {
    HWND notify;  // who receives WM_xSCROLL
    UINT message; // WM_HSCROLL or WM_VSCROLL
    LPARAM control;
    bool vertical;
    RECT bar; // in screen coordinates
};

bool target_for(HWND hwnd, int bar, Target& t) {
    Window* w = find_window(hwnd);
    if (w == nullptr) return false;
    RECT r;
    GetWindowRect(hwnd, &r);
    if (bar == SB_CTL) {
        t.vertical = (w->style & SBS_VERT) != 0;
        t.notify = GetParent(hwnd);
        t.control = reinterpret_cast<LPARAM>(hwnd);
        t.bar = r;
    } else {
        t.vertical = bar == SB_VERT;
        t.notify = hwnd;
        t.control = 0;
        const RECT b = window_bar_rect(*w, bar);
        t.bar = {r.left + b.left, r.top + b.top, r.left + b.right, r.top + b.bottom};
    }
    t.message = t.vertical ? WM_VSCROLL : WM_HSCROLL;
    return t.notify != nullptr;
}

void notify(const Target& t, WORD code, int pos) {
    send_to(t.notify, t.message, MAKEWPARAM(code, WORD(pos)), t.control);
}

void fill(HDC dc, const RECT& r, int colour) { FillRect(dc, &r, GetSysColorBrush(colour)); }

// A raised button face: light edges at the top and left, dark ones at the bottom and right.
void raised(HDC dc, const RECT& r) {
    fill(dc, r, COLOR_BTNFACE);
    fill(dc, {r.left, r.top, r.right - 1, r.top + 1}, COLOR_BTNHIGHLIGHT);
    fill(dc, {r.left, r.top, r.left + 1, r.bottom - 1}, COLOR_BTNHIGHLIGHT);
    fill(dc, {r.left + 1, r.bottom - 2, r.right - 1, r.bottom - 1}, COLOR_BTNSHADOW);
    fill(dc, {r.right - 2, r.top + 1, r.right - 1, r.bottom - 1}, COLOR_BTNSHADOW);
    fill(dc, {r.left, r.bottom - 1, r.right, r.bottom}, COLOR_3DDKSHADOW);
    fill(dc, {r.right - 1, r.top, r.right, r.bottom}, COLOR_3DDKSHADOW);
}

// An arrow button; `towards` is the end of the bar the arrow points to: -1 the start, 1 the end.
void arrow_button(HDC dc, const RECT& r, bool vertical, int towards, bool enabled) {
    raised(dc, r);
    const int cx = (r.left + r.right) / 2, cy = (r.top + r.bottom) / 2;
    const int h = std::max(2, std::min(r.right - r.left, r.bottom - r.top) / 4);
    POINT p[3];
    if (vertical)
        p[0] = {cx, cy + towards * h}, p[1] = {cx - h, cy - towards * h / 2},
        p[2] = {cx + h, cy - towards * h / 2};
    else
        p[0] = {cx + towards * h, cy}, p[1] = {cx - towards * h / 2, cy - h},
        p[2] = {cx - towards * h / 2, cy + h};
    const int saved = SaveDC(dc);
    SelectObject(dc, GetSysColorBrush(enabled ? COLOR_BTNTEXT : COLOR_GRAYTEXT));
    SelectObject(dc, GetStockObject(NULL_PEN));
    Polygon(dc, p, 3);
    RestoreDC(dc, saved);
}

} // namespace

void draw_scroll_bar(HDC dc, const RECT& r, const ScrollBarState& s, bool vertical) {
    if (is_empty(r)) return;
    const int length = vertical ? r.bottom - r.top : r.right - r.left;
    const int thickness = vertical ? r.right - r.left : r.bottom - r.top;
    const BarLayout l = layout(s, length, thickness);
    // The track is the half-tone of face and highlight that the classic desktop dithers.
    const COLORREF face = GetSysColor(COLOR_BTNFACE), light = GetSysColor(COLOR_BTNHIGHLIGHT);
    const auto mean = [](BYTE a, BYTE b) { return static_cast<BYTE>((a + b) / 2); };
    HBRUSH track =
        CreateSolidBrush(RGB(mean(GetRValue(face), GetRValue(light)), mean(GetGValue(face), GetGValue(light)),
                             mean(GetBValue(face), GetBValue(light))));
    FillRect(dc, &r, track);
    DeleteObject(track);
    // A span along the bar, from `from` for `size` pixels.
    const auto part = [&](int from, int size) {
        return vertical ? RECT{r.left, r.top + from, r.right, r.top + from + size}
                        : RECT{r.left + from, r.top, r.left + from + size, r.bottom};
    };
    const bool enabled = scrollable(s) && s.disabled_arrows != ESB_DISABLE_BOTH;
    arrow_button(dc, part(0, l.arrow), vertical, -1, enabled);
    arrow_button(dc, part(length - l.arrow, l.arrow), vertical, 1, enabled);
    if (l.thumb_size > 0) raised(dc, part(l.thumb_start, l.thumb_size));
}

void draw_window_bars(HDC dc, Window& w) {
    const RECT v = window_bar_rect(w, SB_VERT), h = window_bar_rect(w, SB_HORZ);
    draw_scroll_bar(dc, v, w.vbar, true);
    draw_scroll_bar(dc, h, w.hbar, false);
    if (!is_empty(v) && !is_empty(h)) fill(dc, {v.left, h.top, v.right, h.bottom}, COLOR_BTNFACE);
}

RECT window_bar_rect(const Window& w, int bar) {
    const RECT c = client_in_window(w);
    if (bar == SB_VERT && (w.style & WS_VSCROLL))
        return {c.right, c.top, c.right + GetSystemMetrics(SM_CXVSCROLL), c.bottom};
    if (bar == SB_HORZ && (w.style & WS_HSCROLL))
        return {c.left, c.bottom, c.right, c.bottom + GetSystemMetrics(SM_CYHSCROLL)};
    return {};
}

void track_scroll_bar(HWND hwnd, int bar, POINT screen_pt) {
    Target t{};
    Window* w = find_window(hwnd);
    ScrollBarState* s = w ? state_of(*w, bar) : nullptr;
    if (s == nullptr || !target_for(hwnd, bar, t) || s->disabled_arrows == ESB_DISABLE_BOTH) return;
    const int length = t.vertical ? t.bar.bottom - t.bar.top : t.bar.right - t.bar.left;
    const int thickness = t.vertical ? t.bar.right - t.bar.left : t.bar.bottom - t.bar.top;
    const auto along = [&](POINT p) { return t.vertical ? p.y - t.bar.top : p.x - t.bar.left; };
    const BarLayout l = layout(*s, length, thickness);
    const int at = along(screen_pt);
    const bool on_thumb = l.thumb_size > 0 && at >= l.thumb_start && at < l.thumb_start + l.thumb_size;
    if (!on_thumb) {
        WORD code = at < l.arrow             ? SB_LINEUP
                    : at >= length - l.arrow ? SB_LINEDOWN
                    : at < l.thumb_start     ? SB_PAGEUP
                                             : SB_PAGEDOWN;
        notify(t, code, 0);
    }
    const int grab = at - l.thumb_start;
    SetCapture(hwnd);
    s->tracking = on_thumb;
    s->track_pos = s->pos;
    MSG msg;
    while (GetCapture() == hwnd && GetMessageW(&msg, nullptr, 0, 0)) {
        if (msg.hwnd == hwnd && msg.message == WM_MOUSEMOVE && on_thumb) {
            POINT p{GET_X_LPARAM(msg.lParam), GET_Y_LPARAM(msg.lParam)};
            ClientToScreen(hwnd, &p);
            if ((w = find_window(hwnd)) == nullptr || (s = state_of(*w, bar)) == nullptr) return;
            s->track_pos = position_for_thumb(*s, l, along(p) - grab);
            notify(t, SB_THUMBTRACK, s->track_pos);
        } else if (msg.hwnd == hwnd && msg.message == WM_LBUTTONUP) {
            break;
        } else if (msg.message < WM_MOUSEFIRST || msg.message > WM_MOUSELAST) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
    }
    if (msg.message == WM_QUIT && msg.wParam != 0) PostQuitMessage(static_cast<int>(msg.wParam));
    if (GetCapture() == hwnd) ReleaseCapture();
    if ((w = find_window(hwnd)) == nullptr || (s = state_of(*w, bar)) == nullptr) return;
    if (on_thumb) notify(t, SB_THUMBPOSITION, s->track_pos);
    s->tracking = false;
    notify(t, SB_ENDSCROLL, 0);
}

LRESULT CALLBACK scroll_bar_control_proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    Window* w = find_window(hwnd);
    if (w == nullptr) return 0;
    switch (msg) {
    case SBM_SETSCROLLINFO: {
        const auto* info = reinterpret_cast<const SCROLLINFO*>(lParam);
        if (!valid_size(info)) return 0;
        const int pos = apply_info(*w, SB_CTL, *info);
        if (wParam) InvalidateRect(hwnd, nullptr, TRUE);
        return pos;
    }
    case SBM_GETSCROLLINFO: {
        auto* info = reinterpret_cast<SCROLLINFO*>(lParam);
        if (!valid_size(info)) return FALSE;
        read_info(w->control, *info);
        return TRUE;
    }
    case SBM_SETPOS: {
        const int old = w->control.pos;
        SCROLLINFO info{sizeof info, SIF_POS, 0, 0, 0, static_cast<int>(wParam), 0};
        apply_info(*w, SB_CTL, info);
        if (lParam) InvalidateRect(hwnd, nullptr, TRUE);
        return old;
    }
    case SBM_GETPOS: return w->control.pos;
    case SBM_SETRANGE:
    case SBM_SETRANGEREDRAW: {
        const int old = w->control.pos;
        SCROLLINFO info{sizeof info, SIF_RANGE, static_cast<int>(wParam), static_cast<int>(lParam), 0, 0, 0};
        apply_info(*w, SB_CTL, info);
        if (msg == SBM_SETRANGEREDRAW) InvalidateRect(hwnd, nullptr, TRUE);
        return old;
    }
    case SBM_GETRANGE:
        if (wParam) *reinterpret_cast<int*>(wParam) = w->control.min;
        if (lParam) *reinterpret_cast<int*>(lParam) = w->control.max;
        return 0;
    case SBM_ENABLE_ARROWS: {
        const UINT old = w->control.disabled_arrows;
        w->control.disabled_arrows = static_cast<UINT>(wParam) & ESB_DISABLE_BOTH;
        return old != w->control.disabled_arrows;
    }
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
        POINT p{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        ClientToScreen(hwnd, &p);
        track_scroll_bar(hwnd, SB_CTL, p);
        return 0;
    }
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(hwnd, &ps);
        if ((w = find_window(hwnd)) != nullptr) {
            const SIZE size = client_size(*w);
            draw_scroll_bar(dc, {0, 0, size.cx, size.cy}, w->control, (w->style & SBS_VERT) != 0);
        }
        EndPaint(hwnd, &ps);
        return 0;
    }
    default: return DefWindowProcW(hwnd, msg, wParam, lParam);
    }
}

} // namespace zeledit::platform

using namespace zeledit::platform;

namespace {

bool looks_different(const ScrollBarState& a, const ScrollBarState& b) {
    return a.min != b.min || a.max != b.max || a.page != b.page || a.pos != b.pos ||
           a.disabled_arrows != b.disabled_arrows;
}

Window* window_with_bar(HWND hwnd, int bar) {
    Window* w = checked_window(hwnd);
    return (w != nullptr && state_of(*w, bar) != nullptr) ? w : nullptr;
}

} // namespace

int SetScrollInfo(HWND hwnd, int bar, LPCSCROLLINFO info, BOOL redraw) {
    if (!valid_size(info)) return 0;
    if (bar == SB_CTL)
        return static_cast<int>(
            SendMessageW(hwnd, SBM_SETSCROLLINFO, redraw, reinterpret_cast<LPARAM>(info)));
    Window* w = window_with_bar(hwnd, bar);
    if (w == nullptr) return 0;
    const ScrollBarState before = *state_of(*w, bar);
    const int pos = apply_info(*w, bar, *info);
    // Only a bar that shows and changed is drawn again: the editor sets its bars after
    // every keystroke.
    if (!redraw || (w = find_window(hwnd)) == nullptr || !shown_on_screen(*w) ||
        !looks_different(before, *state_of(*w, bar)))
        return pos;
    if (const RECT r = window_bar_rect(*w, bar); !is_empty(r)) {
        HDC dc = create_frame_dc(hwnd);
        draw_scroll_bar(dc, r, *state_of(*w, bar), bar == SB_VERT);
        ReleaseDC(hwnd, dc);
    }
    return pos;
}

BOOL GetScrollInfo(HWND hwnd, int bar, LPSCROLLINFO info) {
    if (!valid_size(info)) return FALSE;
    if (bar == SB_CTL)
        return static_cast<BOOL>(SendMessageW(hwnd, SBM_GETSCROLLINFO, 0, reinterpret_cast<LPARAM>(info)));
    Window* w = window_with_bar(hwnd, bar);
    if (w == nullptr) return FALSE;
    read_info(*state_of(*w, bar), *info);
    return TRUE;
}

BOOL SetScrollRange(HWND hwnd, int bar, int minPos, int maxPos, BOOL redraw) {
    SCROLLINFO info{sizeof info, SIF_RANGE, minPos, maxPos, 0, 0, 0};
    if (window_with_bar(hwnd, bar) == nullptr) return FALSE;
    SetScrollInfo(hwnd, bar, &info, redraw);
    return TRUE;
}

BOOL GetScrollRange(HWND hwnd, int bar, int* minPos, int* maxPos) {
    SCROLLINFO info{sizeof info, SIF_RANGE, 0, 0, 0, 0, 0};
    if (minPos == nullptr || maxPos == nullptr || !GetScrollInfo(hwnd, bar, &info)) return FALSE;
    *minPos = info.nMin;
    *maxPos = info.nMax;
    return TRUE;
}

int SetScrollPos(HWND hwnd, int bar, int pos, BOOL redraw) {
    const int old = GetScrollPos(hwnd, bar);
    SCROLLINFO info{sizeof info, SIF_POS, 0, 0, 0, pos, 0};
    if (window_with_bar(hwnd, bar) == nullptr) return 0;
    SetScrollInfo(hwnd, bar, &info, redraw);
    return old;
}

int GetScrollPos(HWND hwnd, int bar) {
    SCROLLINFO info{sizeof info, SIF_POS, 0, 0, 0, 0, 0};
    return GetScrollInfo(hwnd, bar, &info) ? info.nPos : 0;
}

BOOL ShowScrollBar(HWND hwnd, int bar, BOOL show) {
    Window* w = checked_window(hwnd);
    if (w == nullptr) return FALSE;
    if (bar == SB_CTL) {
        ShowWindow(hwnd, show ? SW_SHOW : SW_HIDE);
        return TRUE;
    }
    if (bar != SB_HORZ && bar != SB_VERT && bar != SB_BOTH) return FALSE;
    if (bar != SB_HORZ) show_window_bar(*w, SB_VERT, show != FALSE);
    if (bar != SB_VERT && (w = find_window(hwnd)) != nullptr) show_window_bar(*w, SB_HORZ, show != FALSE);
    return TRUE;
}

BOOL EnableScrollBar(HWND hwnd, UINT bar, UINT arrows) {
    if (bar == SB_CTL) return static_cast<BOOL>(SendMessageW(hwnd, SBM_ENABLE_ARROWS, arrows, 0));
    Window* w = checked_window(hwnd);
    if (w == nullptr || bar > SB_BOTH) return FALSE;
    bool changed = false;
    for (int b : {SB_HORZ, SB_VERT}) {
        if (bar != SB_BOTH && static_cast<int>(bar) != b) continue;
        ScrollBarState* s = state_of(*w, b);
        changed |= s->disabled_arrows != (arrows & ESB_DISABLE_BOTH);
        s->disabled_arrows = arrows & ESB_DISABLE_BOTH;
    }
    return changed ? TRUE : FALSE;
}
