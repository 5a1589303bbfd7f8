// Choosing where windows appear: on the desktop through SDL2 when a display is there, or
// headless in memory (the default, and what tests use).
#pragma once

#include <zeledit/win_types.h>

namespace zeledit {

// Switches to the desktop backend; false, leaving the headless one, when no display can
// be opened or ZELEDIT_HEADLESS is set in the environment.
ZE_API bool StartDisplay();

} // namespace zeledit
