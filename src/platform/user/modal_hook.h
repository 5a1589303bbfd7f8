// The hook that meets every modal window the library shows (dialogs, message boxes, pop-up
// menus), so that tests and unattended hosts can answer them (SetDialogHook).
#pragma once

#include <zeledit/win_types.h>

namespace zeledit::platform {

// Hands a modal window that has just been shown to the hook, if one is set.
void meet_modal_window(HWND window);

} // namespace zeledit::platform
