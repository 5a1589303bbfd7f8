// SDL's keys as virtual keys, and the control characters the keys that type no text bring.
#pragma once

#include <zeledit/windows.h>

#include <SDL.h>

#include <string>

namespace zeledit::platform {

UINT VirtualKeyOf(const SDL_Keysym& key);
// Enter, Tab, Backspace, Escape and Ctrl with a letter: what TranslateMessage would type.
std::u16string ControlText(UINT vk, Uint16 modifiers);

} // namespace zeledit::platform
