// Window creation and destruction, with the message order of the real system.
#include "platform/gdi/surface.h"
#include "platform/user/caret.h"
#include "platform/user/clipboard.h"
#include "platform/user/message_queue.h"
#include "platform/user/paint.h"
#include "platform/user/thread_state.h"
#include "platform/user/window_manager.h"

#include <algorithm>

using namespace zeledit::platform;

namespace {

constexpr int default_x = 80, default_y = 60, default_width = 800, default_height = 600;
constexpr DWORD ERROR_TLW_WITH_WSCHILD = 1406;

RECT initial_rect(DWORD style, int x, int y, int width, int height) {
    const bool child = (style & WS_CHILD) != 0;
    if (x == CW_USEDEFAULT) x = child ? 0 : default_x, y = child ? 0 : default_y;
    if (width == CW_USEDEFAULT) width = child ? 0 : default_width, height = child ? 0 : default_height;
    width = std::max(width, 0);
    height = std::max(height, 0);
    return {x, y, x + width, y + height};
}

// Resolves the parent (child windows) or owner (top-level windows) argument.
bool resolve_parent(DWORD style, HWND parent_arg, HWND& parent, HWND& owner) {
    parent = owner = nullptr;
    if (parent_arg == HWND_MESSAGE) parent_arg = nullptr;
    if ((style & WS_CHILD) != 0) {
        if (parent_arg == nullptr) {
            SetLastError(ERROR_TLW_WITH_WSCHILD);
            return false;
        }
        if (checked_window(parent_arg) == nullptr) return false;
        parent = parent_arg;
        return true;
    }
    if (parent_arg != nullptr) {
        Window* o = checked_window(parent_arg);
        if (o == nullptr) return false;
        owner = top_level_of(*o).handle;
    }
    return true;
}

void release_thread_state_of(HWND hwnd) {
    auto& ts = thread_state();
    if (ts.focus == hwnd) {
        ts.focus = nullptr;
        send_to(hwnd, WM_KILLFOCUS, 0, 0);
    }
    if (ts.active == hwnd) ts.active = nullptr;
    if (ts.capture == hwnd) ReleaseCapture();
    if (ts.caret.owner == hwnd) destroy_caret_state();
    kill_timers_of(hwnd);
    drop_posted_messages_of(hwnd);
    clipboard_window_destroyed(hwnd);
}

void destroy_tree(HWND hwnd);

void destroy_owned(HWND owner) {
    for (HWND top : top_level_windows()) {
        const Window* w = find_window(top);
        if (w != nullptr && w->owner == owner && !w->destroying) DestroyWindow(top);
    }
}

void destroy_tree(HWND hwnd) {
    Window* w = find_window(hwnd);
    if (w == nullptr) return;
    w->destroying = true;
    release_thread_state_of(hwnd);
    // A window whose WM_NCCREATE refused never existed for its procedure.
    if (w->created) send_to(hwnd, WM_DESTROY, 0, 0);
    for (HWND child : std::vector<HWND>(w->children)) destroy_tree(child);
    release_thread_state_of(hwnd); // WM_DESTROY handlers may have taken focus or timers again
    send_to(hwnd, WM_NCDESTROY, 0, 0);
    if ((w = find_window(hwnd)) == nullptr) return;
    if (auto* siblings = siblings_of(*w)) std::erase(*siblings, hwnd);
    --w->cls->window_count;
    forget_window(hwnd);
}

} // namespace

HWND CreateWindowExW(DWORD exStyle, LPCWSTR className, LPCWSTR windowName, DWORD style, int x, int y,
                     int width, int height, HWND parentArg, HMENU menu, HINSTANCE instance, LPVOID param) {
    auto cls = find_class(className, instance);
    if (!cls) {
        SetLastError(ERROR_CLASS_DOES_NOT_EXIST);
        return nullptr;
    }
    HWND parent = nullptr, owner = nullptr;
    if (!resolve_parent(style, parentArg, parent, owner)) return nullptr;

    auto window = std::make_shared<Window>();
    window->cls = cls;
    window->proc = cls->info.lpfnWndProc;
    window->instance = instance;
    window->parent = parent;
    window->owner = owner;
    window->style = style & ~WS_VISIBLE;
    window->ex_style = exStyle;
    window->rect = initial_rect(style, x, y, width, height);
    window->client = client_in_window(*window);
    window->id = (style & WS_CHILD) ? reinterpret_cast<LONG_PTR>(menu) : 0;
    if (!(style & WS_CHILD)) window->menu_bar = menu;
    window->extra.resize(static_cast<std::size_t>(cls->info.cbWndExtra));
    window->thread = &thread_state();
    if (parent == nullptr)
        window->surface = std::make_shared<Surface>(window->rect.right - window->rect.left,
                                                    window->rect.bottom - window->rect.top);
    ++cls->window_count;
    HWND hwnd = add_window(window);
    if (parent != nullptr) find_window(parent)->children.push_back(hwnd);

    const auto& r = window->rect;
    CREATESTRUCTW cs{param,
                     instance,
                     menu,
                     parentArg,
                     static_cast<int>(r.bottom - r.top),
                     static_cast<int>(r.right - r.left),
                     static_cast<int>(r.top),
                     static_cast<int>(r.left),
                     static_cast<LONG>(style),
                     windowName,
                     className,
                     exStyle};
    if (send_to(hwnd, WM_NCCREATE, 0, reinterpret_cast<LPARAM>(&cs)) == 0) {
        DestroyWindow(hwnd);
        return nullptr;
    }
    if (Window* w = find_window(hwnd)) w->created = true;
    if (send_to(hwnd, WM_CREATE, 0, reinterpret_cast<LPARAM>(&cs)) == -1 || !IsWindow(hwnd)) {
        DestroyWindow(hwnd);
        return nullptr;
    }
    const SIZE client = client_size(*window);
    send_to(hwnd, WM_SIZE, SIZE_RESTORED, MAKELPARAM(WORD(client.cx), WORD(client.cy)));
    const RECT c = client_in_window(*window);
    send_to(hwnd, WM_MOVE, 0, MAKELPARAM(WORD(window->rect.left + c.left), WORD(window->rect.top + c.top)));
    if ((style & WS_VISIBLE) != 0 && IsWindow(hwnd)) ShowWindow(hwnd, SW_SHOW);
    return IsWindow(hwnd) ? hwnd : nullptr;
}

BOOL DestroyWindow(HWND hwnd) {
    Window* w = checked_window(hwnd);
    if (w == nullptr || w->destroying) return FALSE;
    destroy_owned(hwnd);
    if ((w = find_window(hwnd)) == nullptr) return TRUE;
    if (w->is_child() && (w->style & WS_VISIBLE) != 0) invalidate_parent_area(*w);
    const auto keep = share_window(hwnd);
    destroy_tree(hwnd);
    return TRUE;
}

BOOL IsWindow(HWND hwnd) { return find_window(hwnd) != nullptr ? TRUE : FALSE; }
