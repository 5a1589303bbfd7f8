// Focus, activation, capture, keyboard state and cursors; routing of raw input to windows.
#include "platform/user/message_queue.h"
#include "platform/user/window_manager.h"

#include <cstdlib>
#include <cstring>

namespace zeledit::platform {
namespace {

struct GlobalInput {
    BYTE async[256] = {};
    POINT cursor_pos{};
    HCURSOR cursor = nullptr;
};

GlobalInput& global_input() {
    static GlobalInput g;
    return g;
}

bool down(const BYTE* keys, UINT vk) { return (keys[vk & 0xFF] & 0x80) != 0; }

void set_key(BYTE* keys, UINT vk, bool is_down) {
    auto apply = [&](UINT k) {
        if (is_down && !down(keys, k)) keys[k] ^= 0x01; // toggle state flips on each press
        keys[k] = static_cast<BYTE>((keys[k] & 0x01) | (is_down ? 0x80 : 0));
    };
    apply(vk & 0xFF);
    switch (vk) {
    case VK_LSHIFT:
    case VK_RSHIFT: apply(VK_SHIFT); break;
    case VK_LCONTROL:
    case VK_RCONTROL: apply(VK_CONTROL); break;
    case VK_LMENU:
    case VK_RMENU: apply(VK_MENU); break;
    default: break;
    }
}

WPARAM mouse_key_state(const BYTE* keys) {
    WPARAM mk = 0;
    if (down(keys, VK_LBUTTON)) mk |= MK_LBUTTON;
    if (down(keys, VK_RBUTTON)) mk |= MK_RBUTTON;
    if (down(keys, VK_MBUTTON)) mk |= MK_MBUTTON;
    if (down(keys, VK_SHIFT)) mk |= MK_SHIFT;
    if (down(keys, VK_CONTROL)) mk |= MK_CONTROL;
    return mk;
}

UINT button_key(UINT mouse_message) {
    switch (mouse_message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP: return VK_LBUTTON;
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP: return VK_RBUTTON;
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP: return VK_MBUTTON;
    default: return 0;
    }
}

bool is_button_down(UINT m) { return m == WM_LBUTTONDOWN || m == WM_RBUTTONDOWN || m == WM_MBUTTONDOWN; }

bool route_key(InputEvent& e, MSG& msg) {
    auto& ts = thread_state();
    HWND target = ts.focus != nullptr ? ts.focus : ts.active;
    if (find_window(target) == nullptr) return false;
    const bool alt = e.alt;
    // Without a focus window, keys go to the active window as system keys.
    const bool sys = alt || e.vk == VK_F10 || e.vk == VK_MENU || ts.focus == nullptr;
    msg.hwnd = target;
    msg.message = e.down ? (sys ? WM_SYSKEYDOWN : WM_KEYDOWN) : (sys ? WM_SYSKEYUP : WM_KEYUP);
    msg.wParam = e.vk;
    LPARAM l = 1;
    if (alt) l |= KF_ALTDOWN_BIT;
    if (down(ts.keys, e.vk)) l |= KF_REPEAT_BIT;
    if (!e.down) l |= KF_REPEAT_BIT | KF_UP_BIT;
    msg.lParam = l;
    msg.time = e.time;
    if (e.down && !e.text.empty()) {
        msg.lPrivate = ts.next_serial++;
        ts.key_text.push_back({msg.lPrivate, std::move(e.text)});
        if (ts.key_text.size() > 64) ts.key_text.pop_front();
    }
    return true;
}

bool is_double_click(HWND hwnd, const MSG& msg, POINT pt) {
    auto& last = thread_state().last_click;
    const Window* w = find_window(hwnd);
    const bool dbl = w != nullptr && (w->cls->info.style & CS_DBLCLKS) != 0 && last.hwnd == hwnd &&
                     last.message == msg.message && msg.time - last.time <= GetDoubleClickTime() &&
                     std::abs(pt.x - last.pt.x) <= GetSystemMetrics(SM_CXDOUBLECLK) / 2 &&
                     std::abs(pt.y - last.pt.y) <= GetSystemMetrics(SM_CYDOUBLECLK) / 2;
    last = dbl ? ClickMemory{} : ClickMemory{msg.message, hwnd, msg.time, pt};
    return dbl;
}

bool route_mouse(InputEvent& e, MSG& msg) {
    auto& ts = thread_state();
    global_input().cursor_pos = e.pt;
    const LPARAM screen = MAKELPARAM(WORD(e.pt.x), WORD(e.pt.y));
    msg.time = e.time;
    if (e.mouse_message == WM_MOUSEWHEEL) {
        msg.hwnd = ts.focus != nullptr ? ts.focus : WindowFromPoint(e.pt);
        msg.message = WM_MOUSEWHEEL;
        msg.wParam = MAKEWPARAM(WORD(e.mouse_keys), WORD(SHORT(e.wheel)));
        msg.lParam = screen;
        return find_window(msg.hwnd) != nullptr;
    }
    HWND target = ts.capture != nullptr ? ts.capture : WindowFromPoint(e.pt);
    Window* w = find_window(target);
    if (w == nullptr || (top_level_of(*w).style & WS_DISABLED)) return false;
    LRESULT hit = HTCLIENT;
    if (ts.capture == nullptr) {
        hit = send_to(target, WM_NCHITTEST, 0, screen);
        send_to(target, WM_SETCURSOR, reinterpret_cast<WPARAM>(target),
                MAKELPARAM(WORD(hit), WORD(e.mouse_message)));
        if (is_button_down(e.mouse_message)) {
            Window* top = find_window(target) ? &top_level_of(*find_window(target)) : nullptr;
            if (top != nullptr && top->handle != ts.active) SetActiveWindow(top->handle);
        }
        if (!IsWindow(target) || hit == HTNOWHERE || hit == HTTRANSPARENT || hit == HTERROR) return false;
    }
    msg.hwnd = target;
    if (hit != HTCLIENT) {
        msg.message = e.mouse_message - WM_MOUSEMOVE + WM_NCMOUSEMOVE;
        msg.wParam = static_cast<WPARAM>(hit);
        msg.lParam = screen;
        return true;
    }
    POINT client = e.pt;
    ScreenToClient(target, &client);
    msg.message = e.mouse_message;
    if (is_button_down(msg.message) && is_double_click(target, msg, e.pt))
        msg.message += WM_LBUTTONDBLCLK - WM_LBUTTONDOWN;
    msg.wParam = e.mouse_keys;
    msg.lParam = MAKELPARAM(WORD(client.x), WORD(client.y));
    return true;
}

} // namespace

BYTE* async_keys() { return global_input().async; }
void set_cursor_pos(POINT pt) { global_input().cursor_pos = pt; }
void reset_input_state() { global_input() = GlobalInput{}; }

void note_input_queued(InputEvent& e) {
    BYTE* keys = global_input().async;
    if (e.kind == InputEvent::Kind::Key)
        set_key(keys, e.vk, e.down);
    else if (UINT vk = button_key(e.mouse_message))
        set_key(keys, vk, is_button_down(e.mouse_message));
    e.mouse_keys = mouse_key_state(keys);
    e.alt = down(keys, VK_MENU) && !down(keys, VK_CONTROL);
}

bool route_input(InputEvent& e, MSG& msg) {
    msg = MSG{};
    return e.kind == InputEvent::Kind::Key ? route_key(e, msg) : route_mouse(e, msg);
}

void note_key_retrieved(const MSG& msg) {
    auto& ts = thread_state();
    switch (msg.message) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN: set_key(ts.keys, static_cast<UINT>(msg.wParam), true); break;
    case WM_KEYUP:
    case WM_SYSKEYUP: set_key(ts.keys, static_cast<UINT>(msg.wParam), false); break;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: set_key(ts.keys, VK_LBUTTON, true); break;
    case WM_LBUTTONUP: set_key(ts.keys, VK_LBUTTON, false); break;
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK: set_key(ts.keys, VK_RBUTTON, true); break;
    case WM_RBUTTONUP: set_key(ts.keys, VK_RBUTTON, false); break;
    default: break;
    }
}

} // namespace zeledit::platform

using namespace zeledit::platform;

HWND SetFocus(HWND hwnd) {
    auto& ts = thread_state();
    const HWND old = ts.focus;
    if (hwnd != nullptr && checked_window(hwnd) == nullptr) return nullptr;
    if (hwnd == old) return old;
    ts.focus = hwnd;
    if (find_window(old) != nullptr) send_to(old, WM_KILLFOCUS, reinterpret_cast<WPARAM>(hwnd), 0);
    if (hwnd == nullptr || ts.focus != hwnd) return old; // the kill-focus handler moved it again
    if (Window* w = find_window(hwnd)) {
        const HWND top = top_level_of(*w).handle;
        if (top != ts.active) SetActiveWindow(top);
    }
    if (ts.focus == hwnd && IsWindow(hwnd)) send_to(hwnd, WM_SETFOCUS, reinterpret_cast<WPARAM>(old), 0);
    return old;
}

HWND GetFocus() { return thread_state().focus; }

HWND SetActiveWindow(HWND hwnd) {
    auto& ts = thread_state();
    const HWND old = ts.active;
    Window* w = hwnd != nullptr ? checked_window(hwnd) : nullptr;
    if (hwnd != nullptr && w == nullptr) return nullptr;
    if (w != nullptr) hwnd = top_level_of(*w).handle;
    if (hwnd == old) return old;
    ts.active = hwnd;
    if (IsWindow(old)) send_to(old, WM_ACTIVATE, MAKEWPARAM(WA_INACTIVE, 0), reinterpret_cast<LPARAM>(hwnd));
    if (IsWindow(hwnd)) send_to(hwnd, WM_ACTIVATE, MAKEWPARAM(WA_ACTIVE, 0), reinterpret_cast<LPARAM>(old));
    return old;
}

HWND GetActiveWindow() { return thread_state().active; }

HWND SetCapture(HWND hwnd) {
    auto& ts = thread_state();
    if (checked_window(hwnd) == nullptr) return nullptr;
    const HWND old = ts.capture;
    ts.capture = hwnd;
    if (old != nullptr && old != hwnd && IsWindow(old))
        send_to(old, WM_CAPTURECHANGED, 0, reinterpret_cast<LPARAM>(hwnd));
    return old;
}

BOOL ReleaseCapture() {
    auto& ts = thread_state();
    const HWND old = ts.capture;
    ts.capture = nullptr;
    if (old != nullptr && IsWindow(old)) send_to(old, WM_CAPTURECHANGED, 0, 0);
    return TRUE;
}

HWND GetCapture() { return thread_state().capture; }

SHORT GetKeyState(int virtualKey) {
    const BYTE k = thread_state().keys[virtualKey & 0xFF];
    return static_cast<SHORT>(((k & 0x80) ? 0x8000 : 0) | (k & 0x01));
}

SHORT GetAsyncKeyState(int virtualKey) {
    return static_cast<SHORT>(down(global_input().async, static_cast<UINT>(virtualKey)) ? 0x8000 : 0);
}

BOOL GetKeyboardState(PBYTE keyState) {
    if (keyState == nullptr) return FALSE;
    std::memcpy(keyState, thread_state().keys, 256);
    return TRUE;
}

BOOL SetKeyboardState(const BYTE* keyState) {
    if (keyState == nullptr) return FALSE;
    std::memcpy(thread_state().keys, keyState, 256);
    // Headless: there is no physical keyboard whose state could differ.
    std::memcpy(global_input().async, keyState, 256);
    return TRUE;
}

BOOL GetCursorPos(LPPOINT point) {
    if (point == nullptr) return FALSE;
    *point = global_input().cursor_pos;
    return TRUE;
}

BOOL SetCursorPos(int x, int y) {
    global_input().cursor_pos = {x, y};
    return TRUE;
}

HCURSOR LoadCursorW(HINSTANCE instance, LPCWSTR name) {
    const auto id = reinterpret_cast<ULONG_PTR>(name);
    const bool standard =
        IS_INTRESOURCE(name) && ((id >= 32512 && id <= 32516) || (id >= 32640 && id <= 32651));
    if (instance != nullptr || !standard) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    return reinterpret_cast<HCURSOR>(id);
}

HCURSOR SetCursor(HCURSOR cursor) {
    const HCURSOR old = global_input().cursor;
    global_input().cursor = cursor;
    return old;
}

HCURSOR GetCursor() { return global_input().cursor; }
