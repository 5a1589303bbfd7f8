#include "platform/backend/sdl_keys.h"

namespace zeledit::platform {

UINT VirtualKeyOf(const SDL_Keysym& key) {
    const SDL_Keycode k = key.sym;
    if (k >= SDLK_a && k <= SDLK_z) return static_cast<UINT>('A' + (k - SDLK_a));
    if (k >= SDLK_0 && k <= SDLK_9) return static_cast<UINT>('0' + (k - SDLK_0));
    if (k >= SDLK_F1 && k <= SDLK_F12) return VK_F1 + static_cast<UINT>(k - SDLK_F1);
    if (k >= SDLK_KP_1 && k <= SDLK_KP_9) return VK_NUMPAD1 + static_cast<UINT>(k - SDLK_KP_1);
    switch (k) {
    case SDLK_KP_0: return VK_NUMPAD0;
    case SDLK_RETURN:
    case SDLK_KP_ENTER: return VK_RETURN;
    case SDLK_ESCAPE: return VK_ESCAPE;
    case SDLK_BACKSPACE: return VK_BACK;
    case SDLK_TAB: return VK_TAB;
    case SDLK_SPACE: return VK_SPACE;
    case SDLK_LEFT: return VK_LEFT;
    case SDLK_RIGHT: return VK_RIGHT;
    case SDLK_UP: return VK_UP;
    case SDLK_DOWN: return VK_DOWN;
    case SDLK_HOME: return VK_HOME;
    case SDLK_END: return VK_END;
    case SDLK_PAGEUP: return VK_PRIOR;
    case SDLK_PAGEDOWN: return VK_NEXT;
    case SDLK_INSERT: return VK_INSERT;
    case SDLK_DELETE: return VK_DELETE;
    case SDLK_LSHIFT:
    case SDLK_RSHIFT: return VK_SHIFT;
    case SDLK_LCTRL:
    case SDLK_RCTRL: return VK_CONTROL;
    case SDLK_LALT:
    case SDLK_RALT: return VK_MENU;
    case SDLK_MINUS: return VK_OEM_MINUS;
    case SDLK_KP_MINUS: return VK_SUBTRACT;
    default: return 0;
    }
}

std::u16string ControlText(UINT vk, Uint16 modifiers) {
    switch (vk) {
    case VK_RETURN: return u"\r";
    case VK_TAB: return u"\t";
    case VK_BACK: return u"\b";
    case VK_ESCAPE: return u"\x1B";
    default: break;
    }
    const bool ctrl = (modifiers & KMOD_CTRL) != 0, alt = (modifiers & KMOD_ALT) != 0;
    if (ctrl && !alt && vk >= 'A' && vk <= 'Z') return std::u16string(1, static_cast<char16_t>(vk - 'A' + 1));
    return {};
}

} // namespace zeledit::platform
