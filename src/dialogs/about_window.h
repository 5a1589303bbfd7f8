// The About window: a borderless picture with the editor's name and purpose, centred on the
// screen over the editor; Escape, Enter or a click closes it.
#pragma once

#include <zeledit/windows.h>

namespace zeledit::dialogs {

inline constexpr int AboutWidth = 320, AboutHeight = 132;

// Shows it modally over `owner` until it is closed.
void ShowAboutWindow(HWND owner);

} // namespace zeledit::dialogs
