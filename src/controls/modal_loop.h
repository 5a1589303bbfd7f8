// Modal windows: a message loop that keeps the owner disabled until the window ends.
#pragma once

#include <zeledit/controls.h>

namespace zeledit::controls {

// Shows `dialog` and runs its loop until EndModal; answers the result. Once shown, the dialog
// gets WM_INITDIALOG, where it may focus a control; if it does not, its default button has
// the focus. Escape presses the
// dialog's cancel button (ZBS_CANCEL), Enter the focused or default button. When no input
// can ever arrive (headless, no hook ended it) the dialog answers `unattended`, and says so
// on stderr.
int RunModal(HWND dialog, HWND owner, int unattended);
void EndModal(HWND dialog, int result);

// Modeless dialogs, whose keys TranslateDialogMessage handles while they are registered.
void AddModeless(HWND dialog);
void RemoveModeless(HWND dialog);

// The buttons of a dialog, to be pressed by keys or by the headless answer.
HWND FindCancelButton(HWND dialog);
HWND FindDefaultButton(HWND dialog);

} // namespace zeledit::controls
