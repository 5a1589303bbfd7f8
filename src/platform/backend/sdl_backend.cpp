// The desktop backend: every visible top-level window is shown in an SDL window, and
// SDL's keyboard, text, mouse and window events come back as the window system's input.
#include "platform/backend/backend.h"
#include "platform/backend/sdl_keys.h"
#include "platform/core/clock.h"
#include "platform/core/text.h"
#include "platform/gdi/surface.h"
#include "platform/user/clipboard.h"
#include "platform/user/message_queue.h"
#include "platform/user/thread_state.h"
#include "platform/user/window_manager.h"

#include <zeledit/display.h>
#include <zeledit/headless.h>
#include <zeledit/windows.h>

#include <SDL.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <map>
#include <optional>
#include <string>

namespace zeledit::platform {
namespace {

constexpr Uint32 BlinkMs = 530;

struct Shown {
    SDL_Window* window = nullptr;
    SDL_Renderer* renderer = nullptr;
    SDL_Texture* texture = nullptr;
    int width = 0, height = 0;
    bool popup = false, raised = false;
};

class SdlBackend final : public Backend, public ClipboardBridge {
public:
    ~SdlBackend() override {
        for (auto& [hwnd, s] : shown_) Destroy(s);
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
    }

    bool wait_for_input(std::optional<std::uint64_t> deadline) override {
        Present();
        Uint32 timeout = BlinkMs / 2;
        if (deadline) {
            const std::uint64_t now = Clock::now_ms();
            timeout =
                static_cast<Uint32>(std::min<std::uint64_t>(*deadline > now ? *deadline - now : 0, timeout));
        }
        SDL_Event e;
        if (SDL_WaitEventTimeout(&e, static_cast<int>(timeout)) != 0) {
            Handle(e);
            while (SDL_PollEvent(&e) != 0) Handle(e);
            FlushKey();
        }
        UpdateCursor();
        return true;
    }

    bool interactive() const override { return true; }

    void publish_text(std::u16string_view text) override { SDL_SetClipboardText(to_utf8(text).c_str()); }

    std::optional<std::u16string> take_external_text() override {
        if (SDL_HasClipboardText() != SDL_TRUE) return std::nullopt;
        char* utf8 = SDL_GetClipboardText();
        std::u16string text = from_utf8(utf8 != nullptr ? utf8 : "");
        SDL_free(utf8);
        if (text == last_seen_) return std::nullopt;
        last_seen_ = text;
        return text;
    }

private:
    static void Destroy(Shown& s) {
        if (s.texture != nullptr) SDL_DestroyTexture(s.texture);
        if (s.renderer != nullptr) SDL_DestroyRenderer(s.renderer);
        if (s.window != nullptr) SDL_DestroyWindow(s.window);
        s = {};
    }

    HWND WindowOf(Uint32 id) const {
        for (const auto& [hwnd, s] : shown_)
            if (SDL_GetWindowID(s.window) == id) return hwnd;
        return nullptr;
    }

    // Brings the SDL windows in line with the visible top-level windows and copies their pixels.
    void Present() {
        const std::vector<HWND> tops = top_level_windows();
        for (auto it = shown_.begin(); it != shown_.end();) {
            Window* w = find_window(it->first);
            if (w == nullptr || !shown_on_screen(*w)) {
                Destroy(it->second);
                it = shown_.erase(it);
            } else {
                ++it;
            }
        }
        for (HWND hwnd : tops) {
            Window* w = find_window(hwnd);
            if (w == nullptr || !shown_on_screen(*w) || !w->surface) continue;
            Shown& s = shown_[hwnd];
            if (!Prepare(*w, s)) continue;
            Surface& surface = *w->surface;
            surface.flush();
            void* pixels = nullptr;
            int pitch = 0;
            if (SDL_LockTexture(s.texture, nullptr, &pixels, &pitch) != 0) continue;
            for (int y = 0; y < s.height; ++y)
                std::memcpy(static_cast<std::uint8_t*>(pixels) + static_cast<std::ptrdiff_t>(y) * pitch,
                            surface.row(y), static_cast<std::size_t>(s.width) * 4);
            SDL_UnlockTexture(s.texture);
            SDL_RenderCopy(s.renderer, s.texture, nullptr, nullptr);
            DrawCaret(*w, s);
            SDL_RenderPresent(s.renderer);
            // A pop-up stays above the window it serves, which the keys may have raised.
            if (s.popup && !s.raised) {
                SDL_RaiseWindow(s.window);
                s.raised = true;
            }
        }
        FollowActiveWindow();
    }

    // The desktop gives the keys to the window the window system made active: a dialog that
    // opens, the owner again when it closes, a window clicked into. Without a window manager
    // nothing else would move the keyboard focus. A window just shown may not take it at
    // once, so it is asked again for a while.
    void FollowActiveWindow() {
        const HWND active = GetActiveWindow();
        if (active != followed_) {
            followed_ = active;
            RequestKeys(active);
        }
        if (keys_for_ == nullptr) return;
        const auto it = shown_.find(keys_for_);
        if (it == shown_.end() || SDL_GetKeyboardFocus() == it->second.window || ++key_tries_ > MaxKeyTries) {
            keys_for_ = nullptr;
            return;
        }
        SDL_RaiseWindow(it->second.window);
        SDL_SetWindowInputFocus(it->second.window);
    }

    void RequestKeys(HWND hwnd) {
        keys_for_ = hwnd;
        key_tries_ = 0;
    }

    bool Prepare(const Window& w, Shown& s) {
        const int width = std::max<int>(w.rect.right - w.rect.left, 1);
        const int height = std::max<int>(w.rect.bottom - w.rect.top, 1);
        if (w.surface->width() < width || w.surface->height() < height) return false;
        if (s.window == nullptr) {
            // Pop-up windows (menus) open where the window system put them, without a frame.
            const bool popup = (w.style & WS_POPUP) != 0;
            s.window = SDL_CreateWindow(
                to_utf8(w.text).c_str(), popup ? int(w.rect.left) : int(SDL_WINDOWPOS_CENTERED),
                popup ? int(w.rect.top) : int(SDL_WINDOWPOS_CENTERED), width, height,
                popup ? SDL_WINDOW_BORDERLESS | SDL_WINDOW_POPUP_MENU | SDL_WINDOW_ALWAYS_ON_TOP
                      : SDL_WINDOW_RESIZABLE);
            if (s.window == nullptr) return false;
            // The desktop placed the window: screen positions (menus, the mouse) follow it.
            int x = 0, y = 0;
            SDL_GetWindowPosition(s.window, &x, &y);
            if (!popup && (x != w.rect.left || y != w.rect.top))
                SetWindowPos(w.handle, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
            s.renderer = SDL_CreateRenderer(s.window, -1, SDL_RENDERER_SOFTWARE);
            s.popup = popup;
            SDL_StartTextInput();
        }
        if (s.texture == nullptr || s.width != width || s.height != height) {
            if (s.texture != nullptr) SDL_DestroyTexture(s.texture);
            s.texture = SDL_CreateTexture(s.renderer, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_STREAMING,
                                          width, height);
            s.width = width;
            s.height = height;
            int shown_w = 0, shown_h = 0;
            SDL_GetWindowSize(s.window, &shown_w, &shown_h);
            if (shown_w != width || shown_h != height) SDL_SetWindowSize(s.window, width, height);
        }
        SDL_SetWindowTitle(s.window, to_utf8(w.text).c_str());
        return s.texture != nullptr;
    }

    // The caret blinks: shown in the first half of each period.
    void DrawCaret(Window& w, Shown& s) {
        const headless::CaretState c = headless::Caret();
        if (!c.visible || c.owner == nullptr || (SDL_GetTicks() / BlinkMs) % 2 != 0) return;
        Window* owner = find_window(c.owner);
        if (owner == nullptr || &top_level_of(*owner) != &w) return;
        const POINT origin = client_origin_in_surface(*owner);
        const SDL_Rect r{origin.x + c.x, origin.y + c.y, std::max(c.width, 1), c.height};
        SDL_SetRenderDrawBlendMode(s.renderer, SDL_BLENDMODE_NONE);
        SDL_SetRenderDrawColor(s.renderer, 0, 0, 0, 255);
        SDL_RenderFillRect(s.renderer, &r);
    }

    void UpdateCursor() {
        const unsigned shape = headless::CursorShape();
        if (shape == cursor_shape_) return;
        cursor_shape_ = shape;
        const SDL_SystemCursor sdl = shape == 32513   ? SDL_SYSTEM_CURSOR_IBEAM
                                     : shape == 32514 ? SDL_SYSTEM_CURSOR_WAIT
                                     : shape == 32649 ? SDL_SYSTEM_CURSOR_HAND
                                                      : SDL_SYSTEM_CURSOR_ARROW;
        if (cursor_ != nullptr) SDL_FreeCursor(cursor_);
        cursor_ = SDL_CreateSystemCursor(sdl);
        SDL_SetCursor(cursor_);
    }

    void Key(UINT vk, bool down, std::u16string text) {
        FlushKey();
        InputEvent e;
        e.kind = InputEvent::Kind::Key;
        e.vk = vk;
        e.down = down;
        e.text = std::move(text);
        // A key-down waits for the text SDL sends after it, so that the text belongs to the
        // key: whoever takes the key (a dialog pressing a button for it) takes its text too.
        if (down && vk != VK_PACKET && e.text.empty())
            typed_key_ = std::move(e);
        else
            push_input(std::move(e));
    }

    void FlushKey() {
        if (!typed_key_) return;
        push_input(std::move(*typed_key_));
        typed_key_.reset();
    }

    void Text(std::u16string text) {
        if (typed_key_) {
            typed_key_->text = std::move(text);
            FlushKey();
            return;
        }
        for (char16_t c : text) { // typed without a key: an input method, a paste of keys
            Key(VK_PACKET, true, std::u16string(1, c));
            Key(VK_PACKET, false, {});
        }
    }

    void Mouse(HWND hwnd, UINT message, int x, int y, int wheel = 0) {
        FlushKey(); // input stays in the order it came
        const Window* w = find_window(hwnd);
        if (w == nullptr) return;
        InputEvent e;
        e.kind = InputEvent::Kind::Mouse;
        e.mouse_message = message;
        e.pt = {w->rect.left + x, w->rect.top + y};
        e.wheel = wheel;
        last_mouse_ = e.pt;
        push_input(std::move(e));
    }

    void Handle(const SDL_Event& e) {
        switch (e.type) {
        case SDL_QUIT:
            for (HWND hwnd : top_level_windows()) PostMessageW(hwnd, WM_CLOSE, 0, 0);
            break;
        case SDL_WINDOWEVENT: WindowEvent(e.window); break;
        case SDL_KEYDOWN:
        case SDL_KEYUP: {
            const UINT vk = VirtualKeyOf(e.key.keysym);
            if (vk == 0) break;
            // Text arrives as text input; keys that type control characters bring them.
            Key(vk, e.type == SDL_KEYDOWN, e.type == SDL_KEYDOWN ? ControlText(vk, e.key.keysym.mod) : u"");
            break;
        }
        case SDL_TEXTINPUT: Text(from_utf8(e.text.text)); break;
        case SDL_MOUSEMOTION: Mouse(WindowOf(e.motion.windowID), WM_MOUSEMOVE, e.motion.x, e.motion.y); break;
        case SDL_MOUSEBUTTONDOWN:
        case SDL_MOUSEBUTTONUP: {
            const bool down = e.type == SDL_MOUSEBUTTONDOWN;
            const UINT message = e.button.button == SDL_BUTTON_RIGHT ? (down ? WM_RBUTTONDOWN : WM_RBUTTONUP)
                                 : e.button.button == SDL_BUTTON_MIDDLE
                                     ? (down ? WM_MBUTTONDOWN : WM_MBUTTONUP)
                                     : (down ? WM_LBUTTONDOWN : WM_LBUTTONUP);
            const HWND hwnd = WindowOf(e.button.windowID);
            if (down && SDL_GetKeyboardFocus() != SDL_GetWindowFromID(e.button.windowID)) RequestKeys(hwnd);
            Mouse(hwnd, message, e.button.x, e.button.y);
            break;
        }
        case SDL_MOUSEWHEEL: {
            const HWND hwnd = WindowOf(e.wheel.windowID);
            const Window* w = find_window(hwnd);
            if (w != nullptr)
                Mouse(hwnd, WM_MOUSEWHEEL, last_mouse_.x - w->rect.left, last_mouse_.y - w->rect.top,
                      e.wheel.y * WHEEL_DELTA);
            break;
        }
        default: break;
        }
    }

    void WindowEvent(const SDL_WindowEvent& e) {
        const HWND hwnd = WindowOf(e.windowID);
        if (hwnd == nullptr) return;
        switch (e.event) {
        case SDL_WINDOWEVENT_CLOSE: PostMessageW(hwnd, WM_CLOSE, 0, 0); break;
        case SDL_WINDOWEVENT_SIZE_CHANGED:
            SetWindowPos(hwnd, nullptr, 0, 0, e.data1, e.data2, SWP_NOMOVE | SWP_NOZORDER);
            break;
        case SDL_WINDOWEVENT_MOVED:
            SetWindowPos(hwnd, nullptr, e.data1, e.data2, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
            break;
        case SDL_WINDOWEVENT_FOCUS_GAINED:
            // A pop-up without a caption (a dropped list, a menu) never takes the activation
            // from the window it serves, whatever focus the desktop gives it.
            if (const auto style = GetWindowLongPtrW(hwnd, GWL_STYLE);
                (style & WS_POPUP) == 0 || (style & WS_CAPTION) == WS_CAPTION)
                SetActiveWindow(hwnd);
            break;
        case SDL_WINDOWEVENT_EXPOSED: InvalidateRect(hwnd, nullptr, FALSE); break;
        default: break;
        }
    }

    static constexpr int MaxKeyTries = 20;
    std::map<HWND, Shown> shown_;
    HWND followed_ = nullptr;             // the active window the keys last followed
    HWND keys_for_ = nullptr;             // the window still to be given the keys
    std::optional<InputEvent> typed_key_; // a key-down whose text may still come
    int key_tries_ = 0;
    std::u16string last_seen_;
    POINT last_mouse_{};
    unsigned cursor_shape_ = ~0u;
    SDL_Cursor* cursor_ = nullptr;
};

} // namespace
} // namespace zeledit::platform

bool zeledit::StartDisplay() {
    using namespace zeledit::platform;
    if (std::getenv("ZELEDIT_HEADLESS") != nullptr) return false;
    // Only a real desktop: SDL would otherwise settle for an invisible offscreen driver.
    if (std::getenv("DISPLAY") == nullptr && std::getenv("WAYLAND_DISPLAY") == nullptr) return false;
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) return false;
    const std::string driver = SDL_GetCurrentVideoDriver() != nullptr ? SDL_GetCurrentVideoDriver() : "";
    if (driver != "x11" && driver != "wayland") {
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
        return false;
    }
    auto sdl = std::make_unique<SdlBackend>();
    set_clipboard_bridge(sdl.get());
    set_backend(std::move(sdl));
    return true;
}
