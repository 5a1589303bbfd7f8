// The program-side controls of the headless backend: clock, synthetic input, read-back.
#include <zeledit/headless.h>

#include "platform/core/atom_table.h"
#include "platform/core/clock.h"
#include "platform/core/global_memory.h"
#include "platform/gdi/device_context.h"
#include "platform/gdi/png_writer.h"
#include "platform/gdi/surface.h"
#include "platform/user/clipboard.h"
#include "platform/user/message_queue.h"
#include "platform/user/window_manager.h"

namespace zeledit::headless {

using namespace zeledit::platform;

namespace {

bool held(UINT vk) { return (async_keys()[vk] & 0x80) != 0; }

// What a key types on a US layout, as TranslateMessage would produce it.
std::u16string typed_text(UINT vk) {
    const bool shift = held(VK_SHIFT), ctrl = held(VK_CONTROL), alt = held(VK_MENU);
    if (ctrl && alt) return {};
    if (vk >= 'A' && vk <= 'Z') {
        if (ctrl) return std::u16string(1, static_cast<char16_t>(vk - 'A' + 1));
        const bool caps = (async_keys()[VK_CAPITAL] & 0x01) != 0;
        return std::u16string(1, static_cast<char16_t>((shift != caps) ? vk : vk - 'A' + 'a'));
    }
    if (ctrl) return {};
    if (vk >= '0' && vk <= '9') {
        static constexpr char16_t shifted[] = u")!@#$%^&*(";
        return std::u16string(1, shift ? shifted[vk - '0'] : static_cast<char16_t>(vk));
    }
    if (vk >= VK_NUMPAD0 && vk <= VK_NUMPAD9)
        return std::u16string(1, static_cast<char16_t>(u'0' + vk - VK_NUMPAD0));
    switch (vk) {
    case VK_SPACE: return u" ";
    case VK_RETURN: return u"\r";
    case VK_TAB: return u"\t";
    case VK_BACK: return u"\b";
    case VK_ESCAPE: return u"\x1B";
    default: return {};
    }
}

void key(UINT vk, bool down, std::u16string text) {
    InputEvent e;
    e.kind = InputEvent::Kind::Key;
    e.vk = vk & 0xFF;
    e.down = down;
    e.text = std::move(text);
    push_input(std::move(e));
}

UINT button_message(Button b, bool down) {
    switch (b) {
    case Button::Left: return down ? WM_LBUTTONDOWN : WM_LBUTTONUP;
    case Button::Right: return down ? WM_RBUTTONDOWN : WM_RBUTTONUP;
    default: return down ? WM_MBUTTONDOWN : WM_MBUTTONUP;
    }
}

void mouse(UINT message, int x, int y, int wheel = 0) {
    InputEvent e;
    e.kind = InputEvent::Kind::Mouse;
    e.mouse_message = message;
    e.pt = {x, y};
    e.wheel = wheel;
    push_input(std::move(e));
}

Surface* surface_of(HWND hwnd, POINT& offset) {
    Window* w = find_window(hwnd);
    if (w == nullptr) return nullptr;
    RECT r, top;
    GetWindowRect(hwnd, &r);
    Window& t = top_level_of(*w);
    GetWindowRect(t.handle, &top);
    offset = {r.left - top.left, r.top - top.top};
    return t.surface.get();
}

} // namespace

void UseManualClock(std::uint64_t startMs) { Clock::use_manual(startMs); }
void UseRealClock() { Clock::use_real(); }
void AdvanceClock(std::uint64_t ms) { Clock::advance(ms); }
std::uint64_t NowMs() { return Clock::now_ms(); }

void KeyDown(UINT virtualKey) { key(virtualKey, true, typed_text(virtualKey & 0xFF)); }
void KeyDown(UINT virtualKey, std::u16string_view text) { key(virtualKey, true, std::u16string(text)); }
void KeyUp(UINT virtualKey) { key(virtualKey, false, {}); }

void KeyPress(UINT virtualKey) {
    KeyDown(virtualKey);
    KeyUp(virtualKey);
}

void TypeText(std::u16string_view text) {
    for (char16_t c : text) {
        UINT vk = VK_PACKET;
        if (c >= u'a' && c <= u'z')
            vk = c - u'a' + 'A';
        else if ((c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9'))
            vk = c;
        else if (c == u' ')
            vk = VK_SPACE;
        KeyDown(vk, std::u16string_view(&c, 1));
        KeyUp(vk);
    }
}

void MouseMove(int x, int y) { mouse(WM_MOUSEMOVE, x, y); }
void MouseDown(Button button, int x, int y) { mouse(button_message(button, true), x, y); }
void MouseUp(Button button, int x, int y) { mouse(button_message(button, false), x, y); }

void Click(Button button, int x, int y) {
    MouseDown(button, x, y);
    MouseUp(button, x, y);
}

void Wheel(int delta, int x, int y) { mouse(WM_MOUSEWHEEL, x, y, delta); }

int PumpMessages(int limit) {
    int count = 0;
    MSG msg;
    while (count < limit && PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(msg.wParam)); // left for the host's own loop
            break;
        }
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
        ++count;
    }
    return count;
}

std::uint32_t PixelAt(HWND hwnd, int x, int y) {
    POINT offset{};
    const Surface* s = surface_of(hwnd, offset);
    return s == nullptr ? 0 : s->pixel(x + offset.x, y + offset.y);
}

bool WritePng(HWND hwnd, const char* path) {
    Window* w = find_window(hwnd);
    return w != nullptr && top_level_of(*w).surface && write_png(top_level_of(*w).surface->source(), path);
}

bool WriteBitmapPng(HBITMAP bitmap, const char* path) {
    const Bitmap* b = find_as<Bitmap>(bitmap);
    if (b == nullptr) return false;
    b->surface->flush();
    return write_png(b->surface->source(), path);
}

CaretState Caret() {
    const auto& c = thread_state().caret;
    return {c.owner,
            static_cast<int>(c.pos.x),
            static_cast<int>(c.pos.y),
            c.width,
            c.height,
            c.owner != nullptr && c.hide_count == 0};
}

unsigned CursorShape() {
    const auto v = reinterpret_cast<ULONG_PTR>(GetCursor());
    return v >= 32512 && v <= 32651 ? static_cast<unsigned>(v) : 0;
}

void Reset() {
    for (HWND top : top_level_windows()) DestroyWindow(top);
    reset_thread_state();
    reset_converted_input();
    reset_input_state();
    reset_window_tables();
    reset_clipboard();
    reset_device_contexts();
    reset_gdi_objects();
    reset_global_memory();
    reset_atoms();
    Clock::use_real();
}

} // namespace zeledit::headless
