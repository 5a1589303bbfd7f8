// Window queries and changes: tree, visibility, position, text, long values, properties.
#include "platform/core/atom_table.h"
#include "platform/core/text.h"
#include "platform/gdi/surface.h"
#include "platform/user/paint.h"
#include "platform/user/thread_state.h"
#include "platform/user/window_manager.h"

#include <algorithm>
#include <cstring>

using namespace zeledit::platform;

namespace {

bool subtree_contains(HWND root, HWND hwnd) {
    for (Window* w = find_window(hwnd); w != nullptr; w = w->is_child() ? find_window(w->parent) : nullptr)
        if (w->handle == root) return true;
    return false;
}

void set_visible(Window& w, bool visible) {
    const HWND hwnd = w.handle;
    send_to(hwnd, WM_SHOWWINDOW, visible ? TRUE : FALSE, 0);
    Window* cur = find_window(hwnd);
    if (cur == nullptr) return;
    if (visible) {
        cur->style |= WS_VISIBLE;
        cur->frame_pending = true;
        invalidate(*cur, nullptr, true, true);
    } else {
        cur->style &= ~WS_VISIBLE;
        if (cur->is_child()) invalidate_parent_area(*cur);
        auto& ts = thread_state();
        if (ts.focus != nullptr && subtree_contains(hwnd, ts.focus)) SetFocus(nullptr);
    }
    // As a position change that only shows or hides the window.
    WINDOWPOS pos{hwnd,
                  nullptr,
                  cur->rect.left,
                  cur->rect.top,
                  cur->rect.right - cur->rect.left,
                  cur->rect.bottom - cur->rect.top,
                  SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOCLIENTSIZE |
                      SWP_NOCLIENTMOVE | (visible ? SWP_SHOWWINDOW : SWP_HIDEWINDOW)};
    send_to(hwnd, WM_WINDOWPOSCHANGED, 0, reinterpret_cast<LPARAM>(&pos));
}

void restack(Window& w, HWND insert_after) {
    auto* siblings = siblings_of(w);
    if (siblings == nullptr) return;
    std::erase(*siblings, w.handle);
    if (insert_after == HWND_BOTTOM) {
        siblings->insert(siblings->begin(), w.handle);
        return;
    }
    const auto it = std::find(siblings->begin(), siblings->end(), insert_after);
    // Below `insert_after` means just before it, since the last one is on top.
    siblings->insert(insert_after == HWND_TOP || it == siblings->end() ? siblings->end() : it, w.handle);
}

HWND deepest_child_at(HWND hwnd, POINT screen) {
    Window* w = find_window(hwnd);
    for (std::size_t i = w->children.size(); i-- > 0;) {
        HWND child = w->children[i];
        Window* c = find_window(child);
        if (c == nullptr || (c->style & WS_VISIBLE) == 0) continue;
        RECT r;
        GetWindowRect(child, &r);
        if (screen.x < r.left || screen.x >= r.right || screen.y < r.top || screen.y >= r.bottom) continue;
        if (c->style & WS_DISABLED) return hwnd;
        return deepest_child_at(child, screen);
    }
    return hwnd;
}

LONG_PTR* long_slot(Window& w, int index) {
    switch (index) {
    case GWLP_ID: return &w.id;
    case GWLP_USERDATA: return &w.user_data;
    default: return nullptr;
    }
}

} // namespace

HWND GetParent(HWND hwnd) {
    const Window* w = checked_window(hwnd);
    if (w == nullptr) return nullptr;
    if (w->is_child()) return w->parent;
    return (w->style & WS_POPUP) ? w->owner : nullptr;
}

HWND GetWindow(HWND hwnd, UINT relation) {
    const Window* w = checked_window(hwnd);
    if (w == nullptr) return nullptr;
    if (relation == GW_OWNER) return w->owner;
    if (relation == GW_CHILD) return w->children.empty() ? nullptr : w->children.back();
    const auto* siblings = siblings_of(*w);
    if (siblings == nullptr || siblings->empty()) return nullptr;
    const auto it = std::find(siblings->begin(), siblings->end(), hwnd);
    switch (relation) {
    case GW_HWNDFIRST: return siblings->back();
    case GW_HWNDLAST: return siblings->front();
    case GW_HWNDNEXT: return it == siblings->begin() ? nullptr : *(it - 1);
    case GW_HWNDPREV: return it + 1 == siblings->end() ? nullptr : *(it + 1);
    default: SetLastError(ERROR_INVALID_PARAMETER); return nullptr;
    }
}

BOOL IsChild(HWND parent, HWND hwnd) {
    return parent != hwnd && find_window(parent) != nullptr && subtree_contains(parent, hwnd);
}

HWND GetDlgItem(HWND dialog, int id) {
    const Window* w = checked_window(dialog);
    if (w == nullptr) return nullptr;
    for (HWND child : w->children)
        if (const Window* c = find_window(child); c != nullptr && c->id == id) return child;
    return nullptr;
}

int GetDlgCtrlID(HWND hwnd) {
    const Window* w = checked_window(hwnd);
    return (w != nullptr && w->is_child()) ? static_cast<int>(w->id) : 0;
}

BOOL ShowWindow(HWND hwnd, int command) {
    Window* w = checked_window(hwnd);
    if (w == nullptr) return FALSE;
    const bool was_visible = (w->style & WS_VISIBLE) != 0;
    const bool show = command != SW_HIDE;
    if (show != was_visible) set_visible(*w, show);
    const bool activate = command != SW_HIDE && command != SW_SHOWNA && command != SW_SHOWNOACTIVATE &&
                          command != SW_SHOWMINIMIZED && command != SW_MINIMIZE;
    if (activate && IsWindow(hwnd) && !find_window(hwnd)->is_child()) SetActiveWindow(hwnd);
    return was_visible ? TRUE : FALSE;
}

BOOL IsWindowVisible(HWND hwnd) {
    const Window* w = find_window(hwnd);
    return w != nullptr && shown_on_screen(*w) ? TRUE : FALSE;
}

BOOL SetWindowPos(HWND hwnd, HWND insertAfter, int x, int y, int cx, int cy, UINT flags) {
    Window* w = checked_window(hwnd);
    if (w == nullptr) return FALSE;
    WINDOWPOS pos{hwnd, insertAfter, x, y, std::max(cx, 0), std::max(cy, 0), flags};
    if (flags & SWP_NOMOVE) pos.x = w->rect.left, pos.y = w->rect.top;
    if (flags & SWP_NOSIZE) pos.cx = w->rect.right - w->rect.left, pos.cy = w->rect.bottom - w->rect.top;
    send_to(hwnd, WM_WINDOWPOSCHANGING, 0, reinterpret_cast<LPARAM>(&pos));
    if ((w = find_window(hwnd)) == nullptr) return FALSE;

    const RECT old_client = w->client; // the frame may have changed since
    const RECT old_rect = w->rect;
    const bool visible = (w->style & WS_VISIBLE) != 0;
    if (visible && w->is_child() && !(flags & SWP_NOREDRAW)) invalidate_parent_area(*w);
    w->rect = {pos.x, pos.y, pos.x + std::max(pos.cx, 0), pos.y + std::max(pos.cy, 0)};
    if (!(flags & SWP_NOZORDER)) restack(*w, insertAfter);
    const RECT new_client = w->client = client_in_window(*w);
    const bool resized = new_client.right - new_client.left != old_client.right - old_client.left ||
                         new_client.bottom - new_client.top != old_client.bottom - old_client.top;
    const bool moved = old_rect.left + old_client.left != w->rect.left + new_client.left ||
                       old_rect.top + old_client.top != w->rect.top + new_client.top;
    if (w->surface) w->surface->resize(w->rect.right - w->rect.left, w->rect.bottom - w->rect.top);
    if (visible && !(flags & SWP_NOREDRAW) && (resized || moved || (flags & SWP_FRAMECHANGED))) {
        w->frame_pending = true;
        invalidate(*w, nullptr, true, true);
    }

    if (!resized) pos.flags |= SWP_NOCLIENTSIZE;
    if (!moved) pos.flags |= SWP_NOCLIENTMOVE;
    send_to(hwnd, WM_WINDOWPOSCHANGED, 0, reinterpret_cast<LPARAM>(&pos));
    if ((flags & SWP_SHOWWINDOW) && IsWindow(hwnd)) ShowWindow(hwnd, SW_SHOW);
    if ((flags & SWP_HIDEWINDOW) && IsWindow(hwnd)) ShowWindow(hwnd, SW_HIDE);
    return TRUE;
}

BOOL MoveWindow(HWND hwnd, int x, int y, int width, int height, BOOL repaint) {
    return SetWindowPos(hwnd, nullptr, x, y, width, height,
                        SWP_NOZORDER | SWP_NOACTIVATE | (repaint ? 0 : SWP_NOREDRAW));
}

BOOL GetClientRect(HWND hwnd, LPRECT rect) {
    const Window* w = checked_window(hwnd);
    if (w == nullptr || rect == nullptr) return FALSE;
    const SIZE s = client_size(*w);
    *rect = {0, 0, s.cx, s.cy};
    return TRUE;
}

BOOL GetWindowRect(HWND hwnd, LPRECT rect) {
    const Window* w = checked_window(hwnd);
    if (w == nullptr || rect == nullptr) return FALSE;
    *rect = w->rect;
    if (const Window* parent = w->is_child() ? find_window(w->parent) : nullptr) {
        const POINT o = client_origin_on_screen(*parent);
        *rect = {rect->left + o.x, rect->top + o.y, rect->right + o.x, rect->bottom + o.y};
    }
    return TRUE;
}

BOOL ClientToScreen(HWND hwnd, LPPOINT point) {
    const Window* w = checked_window(hwnd);
    if (w == nullptr || point == nullptr) return FALSE;
    const POINT o = client_origin_on_screen(*w);
    point->x += o.x;
    point->y += o.y;
    return TRUE;
}

BOOL ScreenToClient(HWND hwnd, LPPOINT point) {
    const Window* w = checked_window(hwnd);
    if (w == nullptr || point == nullptr) return FALSE;
    const POINT o = client_origin_on_screen(*w);
    point->x -= o.x;
    point->y -= o.y;
    return TRUE;
}

HWND WindowFromPoint(POINT point) {
    const auto tops = top_level_windows();
    for (std::size_t i = tops.size(); i-- > 0;) {
        HWND top = tops[i];
        const Window* w = find_window(top);
        if (w == nullptr || (w->style & WS_VISIBLE) == 0) continue;
        const RECT& r = w->rect;
        if (point.x >= r.left && point.x < r.right && point.y >= r.top && point.y < r.bottom)
            return deepest_child_at(top, point);
    }
    return nullptr;
}

BOOL EnableWindow(HWND hwnd, BOOL enable) {
    Window* w = checked_window(hwnd);
    if (w == nullptr) return FALSE;
    const bool was_disabled = (w->style & WS_DISABLED) != 0;
    if (was_disabled == !enable) return was_disabled ? TRUE : FALSE;
    if (enable) {
        w->style &= ~WS_DISABLED;
    } else {
        w->style |= WS_DISABLED;
        auto& ts = thread_state();
        if (ts.focus != nullptr && subtree_contains(hwnd, ts.focus)) SetFocus(nullptr);
        if (ts.capture != nullptr && subtree_contains(hwnd, ts.capture)) ReleaseCapture();
    }
    send_to(hwnd, WM_ENABLE, enable ? TRUE : FALSE, 0);
    return was_disabled ? TRUE : FALSE;
}

BOOL IsWindowEnabled(HWND hwnd) {
    const Window* w = find_window(hwnd);
    return w != nullptr && (w->style & WS_DISABLED) == 0 ? TRUE : FALSE;
}

BOOL SetWindowTextW(HWND hwnd, LPCWSTR text) {
    if (checked_window(hwnd) == nullptr) return FALSE;
    return send_to(hwnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text)) != 0 ? TRUE : FALSE;
}

int GetWindowTextW(HWND hwnd, LPWSTR buffer, int maxCount) {
    if (checked_window(hwnd) == nullptr || buffer == nullptr || maxCount <= 0) return 0;
    return static_cast<int>(
        send_to(hwnd, WM_GETTEXT, static_cast<WPARAM>(maxCount), reinterpret_cast<LPARAM>(buffer)));
}

int GetWindowTextLengthW(HWND hwnd) {
    if (checked_window(hwnd) == nullptr) return 0;
    return static_cast<int>(send_to(hwnd, WM_GETTEXTLENGTH, 0, 0));
}

LONG_PTR GetWindowLongPtrW(HWND hwnd, int index) {
    Window* w = checked_window(hwnd);
    if (w == nullptr) return 0;
    switch (index) {
    case GWLP_WNDPROC: return reinterpret_cast<LONG_PTR>(w->proc);
    case GWLP_HINSTANCE: return reinterpret_cast<LONG_PTR>(w->instance);
    case GWLP_HWNDPARENT: return reinterpret_cast<LONG_PTR>(w->is_child() ? w->parent : w->owner);
    case GWL_STYLE: return static_cast<LONG_PTR>(w->style);
    case GWL_EXSTYLE: return static_cast<LONG_PTR>(w->ex_style);
    default: break;
    }
    if (LONG_PTR* slot = long_slot(*w, index)) return *slot;
    if (index < 0 || static_cast<std::size_t>(index) + sizeof(LONG_PTR) > w->extra.size()) {
        SetLastError(ERROR_INVALID_INDEX);
        return 0;
    }
    LONG_PTR value;
    std::memcpy(&value, w->extra.data() + index, sizeof value);
    return value;
}

LONG_PTR SetWindowLongPtrW(HWND hwnd, int index, LONG_PTR value) {
    Window* w = checked_window(hwnd);
    if (w == nullptr) return 0;
    const LONG_PTR old = GetWindowLongPtrW(hwnd, index);
    switch (index) {
    case GWLP_WNDPROC:
        if (value == 0) {
            SetLastError(ERROR_INVALID_PARAMETER);
            return 0;
        }
        w->proc = reinterpret_cast<WNDPROC>(value);
        return old;
    case GWLP_HINSTANCE: w->instance = reinterpret_cast<HINSTANCE>(value); return old;
    case GWLP_HWNDPARENT:
        if (!w->is_child()) w->owner = reinterpret_cast<HWND>(value);
        return old;
    case GWL_STYLE: w->style = static_cast<DWORD>(value); return old;
    case GWL_EXSTYLE: w->ex_style = static_cast<DWORD>(value); return old;
    default: break;
    }
    if (LONG_PTR* slot = long_slot(*w, index)) {
        *slot = value;
        return old;
    }
    if (index < 0 || static_cast<std::size_t>(index) + sizeof(LONG_PTR) > w->extra.size()) {
        SetLastError(ERROR_INVALID_INDEX);
        return 0;
    }
    std::memcpy(w->extra.data() + index, &value, sizeof value);
    return old;
}

LONG GetWindowLongW(HWND hwnd, int index) { return static_cast<LONG>(GetWindowLongPtrW(hwnd, index)); }

LONG SetWindowLongW(HWND hwnd, int index, LONG value) {
    return static_cast<LONG>(SetWindowLongPtrW(hwnd, index, value));
}

LRESULT CallWindowProcW(WNDPROC proc, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    return proc == nullptr ? 0 : proc(hwnd, msg, wParam, lParam);
}

BOOL SetPropW(HWND hwnd, LPCWSTR name, HANDLE data) {
    Window* w = checked_window(hwnd);
    if (w == nullptr || name == nullptr) return FALSE;
    auto key = name_key(name);
    for (auto& p : w->properties)
        if (p.key == key) {
            p.data = data;
            return TRUE;
        }
    w->properties.push_back({std::move(key), data});
    return TRUE;
}

HANDLE GetPropW(HWND hwnd, LPCWSTR name) {
    const Window* w = find_window(hwnd);
    if (w == nullptr || name == nullptr) return nullptr;
    const auto key = name_key(name);
    for (const auto& p : w->properties)
        if (p.key == key) return p.data;
    return nullptr;
}

HANDLE RemovePropW(HWND hwnd, LPCWSTR name) {
    Window* w = find_window(hwnd);
    if (w == nullptr || name == nullptr) return nullptr;
    const auto key = name_key(name);
    const auto it = std::find_if(w->properties.begin(), w->properties.end(),
                                 [&](const Property& p) { return p.key == key; });
    if (it == w->properties.end()) return nullptr;
    HANDLE data = it->data;
    w->properties.erase(it);
    return data;
}
