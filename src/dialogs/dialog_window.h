// The modal window every dialog of the library opens in: registered once per class,
// centred over its owner (or the screen), run until a button ends it.
#pragma once

#include <zeledit/windows.h>

namespace zeledit::dialogs {

// A hidden dialog window of the class, `size` big, centred over `owner`; null on failure.
HWND CreateDialogWindow(LPCWSTR dialog_class, WNDPROC proc, LPCWSTR title, SIZE size, HWND owner);

// Runs a dialog whose procedure finds `state` in GWLP_USERDATA, then destroys it; answers
// the identifier that ended it (IDCANCEL when closed).
int RunDialogWindow(HWND dialog, HWND owner, void* state);

} // namespace zeledit::dialogs
