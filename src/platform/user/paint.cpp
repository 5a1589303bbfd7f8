// Update regions, WM_PAINT synthesis, BeginPaint/EndPaint and scrolling of window contents.
#include "platform/user/paint.h"

#include "platform/gdi/device_context.h"
#include "platform/gdi/surface.h"
#include "platform/user/thread_state.h"
#include "platform/user/window_manager.h"

#include <algorithm>

namespace zeledit::platform {

RECT intersect(const RECT& a, const RECT& b) {
    RECT r{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
           std::min(a.bottom, b.bottom)};
    return is_empty(r) ? RECT{} : r;
}

RECT unite(const RECT& a, const RECT& b) {
    if (is_empty(a)) return b;
    if (is_empty(b)) return a;
    return {std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
            std::max(a.bottom, b.bottom)};
}

bool is_empty(const RECT& r) { return r.right <= r.left || r.bottom <= r.top; }

namespace {

RECT offset(RECT r, LONG dx, LONG dy) { return {r.left + dx, r.top + dy, r.right + dx, r.bottom + dy}; }

RECT client_bounds(const Window& w) {
    const SIZE s = client_size(w);
    return {0, 0, s.cx, s.cy};
}

// The area of `child` (parent client coordinates) in the child's own client coordinates.
RECT to_child_client(const Window& child, const RECT& in_parent) {
    const RECT c = client_in_window(child);
    return offset(in_parent, -(child.rect.left + c.left), -(child.rect.top + c.top));
}

// What is left of `r` after removing `cut`, when the removal leaves a rectangle.
RECT subtract_band(const RECT& r, const RECT& cut) {
    const RECT x = intersect(r, cut);
    if (is_empty(x)) return r;
    if (x.left == r.left && x.right == r.right) {
        if (x.top == r.top) return {r.left, x.bottom, r.right, r.bottom};
        if (x.bottom == r.bottom) return {r.left, r.top, r.right, x.top};
    }
    if (x.top == r.top && x.bottom == r.bottom) {
        if (x.left == r.left) return {x.right, r.top, r.right, r.bottom};
        if (x.right == r.right) return {r.left, r.top, x.left, r.bottom};
    }
    return r;
}

} // namespace

void invalidate(Window& w, const RECT* rect, bool erase, bool children) {
    const RECT area = intersect(rect ? *rect : client_bounds(w), client_bounds(w));
    if (is_empty(area)) return;
    w.update = unite(w.update, area);
    if (erase) w.erase_pending = true;
    if (!children || (w.style & WS_CLIPCHILDREN)) return;
    for (HWND hwnd : w.children) {
        Window* c = find_window(hwnd);
        if (c == nullptr || (c->style & WS_VISIBLE) == 0) continue;
        if (!is_empty(intersect(area, c->rect))) c->frame_pending = true; // painted over by the parent
        const RECT part = to_child_client(*c, intersect(area, c->rect));
        if (!is_empty(part)) invalidate(*c, &part, erase, true);
    }
}

void validate(Window& w, const RECT* rect) {
    w.update = rect ? subtract_band(w.update, *rect) : RECT{};
    if (!w.has_update()) w.update = RECT{}, w.erase_pending = false;
}

void invalidate_parent_area(const Window& child) {
    if (Window* parent = find_window(child.parent)) invalidate(*parent, &child.rect, true, true);
}

void paint_pending_frame(HWND hwnd) {
    Window* w = find_window(hwnd);
    if (w == nullptr || !w->frame_pending) return;
    w->frame_pending = false;
    send_to(hwnd, WM_NCPAINT, 1, 0);
}

HWND next_window_to_paint(HWND filter) {
    ThreadState* ts = &thread_state();
    for (HWND hwnd : all_windows_preorder()) {
        const Window* w = find_window(hwnd);
        if (w == nullptr || w->thread != ts || !w->needs_paint() || !shown_on_screen(*w)) continue;
        if (filter != nullptr && filter != hwnd && !IsChild(filter, hwnd)) continue;
        // A window whose client needs nothing gets its frame drawn here and no WM_PAINT.
        if (!w->has_update()) {
            paint_pending_frame(hwnd);
            continue;
        }
        return hwnd;
    }
    return nullptr;
}

} // namespace zeledit::platform

using namespace zeledit::platform;

BOOL InvalidateRect(HWND hwnd, LPCRECT rect, BOOL erase) {
    if (hwnd == nullptr) {
        for (HWND top : top_level_windows()) InvalidateRect(top, nullptr, erase);
        return TRUE;
    }
    Window* w = checked_window(hwnd);
    if (w == nullptr) return FALSE;
    invalidate(*w, rect, erase != FALSE, true);
    return TRUE;
}

BOOL ValidateRect(HWND hwnd, LPCRECT rect) {
    Window* w = checked_window(hwnd);
    if (w == nullptr) return FALSE;
    validate(*w, rect);
    return TRUE;
}

BOOL GetUpdateRect(HWND hwnd, LPRECT rect, BOOL erase) {
    Window* w = checked_window(hwnd);
    if (w == nullptr) return FALSE;
    if (rect != nullptr) *rect = w->update;
    if (erase && w->erase_pending && w->has_update()) {
        HDC dc = create_window_dc(hwnd, &w->update);
        if (send_to(hwnd, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0) != 0)
            if (Window* still = find_window(hwnd)) still->erase_pending = false;
        ReleaseDC(hwnd, dc);
    }
    w = find_window(hwnd);
    return w != nullptr && w->has_update() ? TRUE : FALSE;
}

BOOL UpdateWindow(HWND hwnd) {
    if (checked_window(hwnd) == nullptr) return FALSE;
    std::vector<HWND> tree{hwnd};
    for (std::size_t i = 0; i < tree.size(); ++i)
        if (const Window* w = find_window(tree[i]))
            tree.insert(tree.end(), w->children.begin(), w->children.end());
    for (HWND h : tree) {
        const Window* w = find_window(h);
        if (w == nullptr || !shown_on_screen(*w)) continue;
        if (w->has_update())
            send_to(h, WM_PAINT, 0, 0);
        else
            paint_pending_frame(h);
    }
    return TRUE;
}

HDC BeginPaint(HWND hwnd, PAINTSTRUCT* ps) {
    Window* w = checked_window(hwnd);
    if (w == nullptr || ps == nullptr) return nullptr;
    *ps = PAINTSTRUCT{};
    // The caret is hidden while painting so that it is not painted over.
    if (thread_state().caret.owner == hwnd && HideCaret(hwnd)) ps->rgbReserved[0] = 1;
    paint_pending_frame(hwnd);
    if ((w = find_window(hwnd)) == nullptr) return nullptr;
    ps->rcPaint = w->update;
    const bool erase = w->erase_pending;
    validate(*w, nullptr);
    ps->hdc = create_window_dc(hwnd, &ps->rcPaint);
    ps->fErase = TRUE;
    if (erase) ps->fErase = send_to(hwnd, WM_ERASEBKGND, reinterpret_cast<WPARAM>(ps->hdc), 0) == 0;
    return ps->hdc;
}

BOOL EndPaint(HWND hwnd, const PAINTSTRUCT* ps) {
    if (ps == nullptr) return FALSE;
    ReleaseDC(hwnd, ps->hdc);
    if (ps->rgbReserved[0] == 1) ShowCaret(hwnd);
    return TRUE;
}

BOOL ScrollWindow(HWND hwnd, int dx, int dy, LPCRECT rect, LPCRECT clip) {
    Window* w = checked_window(hwnd);
    if (w == nullptr) return FALSE;
    const RECT client{0, 0, client_size(*w).cx, client_size(*w).cy};
    const RECT area = intersect(intersect(rect ? *rect : client, client), clip ? *clip : client);
    if (is_empty(area)) return TRUE;
    const RECT dest = intersect(offset(area, dx, dy), area);
    if (shown_on_screen(*w) && !is_empty(dest)) {
        const POINT o = client_origin_in_surface(*w);
        Window& top = top_level_of(*w);
        if (top.surface) top.surface->copy_within(offset(offset(dest, -dx, -dy), o.x, o.y), dx, dy);
    }
    // What the move uncovered, and what was waiting to be painted, at its new place too.
    RECT uncovered = subtract_band(area, dest);
    if (is_empty(dest)) uncovered = area;
    if (w->has_update()) w->update = unite(w->update, intersect(offset(w->update, dx, dy), area));
    invalidate(*w, &uncovered, true, false);
    if (rect == nullptr)
        for (HWND child : std::vector<HWND>(w->children))
            if (const Window* c = find_window(child))
                SetWindowPos(child, nullptr, c->rect.left + dx, c->rect.top + dy, 0, 0,
                             SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW);
    return TRUE;
}
