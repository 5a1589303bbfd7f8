// The library's own controls, of which its dialogs and message box are built, and the
// hook through which a host or a test meets every modal window the library shows.
#pragma once

#include <zeledit/win_types.h>

#include <functional>

inline constexpr LPCWSTR ButtonClassName = u"ZeleditButton";
inline constexpr LPCWSTR PanelClassName = u"ZeleditPanel";
inline constexpr LPCWSTR SeparatorClassName = u"ZeleditSeparator";

// Button style: Escape presses a cancel button (BS_DEFPUSHBUTTON marks the default one).
inline constexpr DWORD ZBS_CANCEL = 0x0100;

// Colours of a control: face (wParam) and, for panels, the text (lParam); separators draw
// their line in the face colour.
inline constexpr UINT ZCM_SETCOLORS = 0x0400 + 0x300;

namespace zeledit {

// Called with every modal window as soon as it is shown; the hook may inspect it and end it
// by pressing one of its buttons (BM_CLICK). An empty function removes the hook.
using DialogHook = std::function<void(HWND dialog)>;
ZE_API void SetDialogHook(DialogHook hook);

// The message box: text, icon kind (0 warning, 1 stop, 2 information, 3 question) and button
// set; answers the dialog result of the button pressed.
ZE_API int ShowMessageBox(LPCWSTR text, BYTE kind, WORD buttons);

} // namespace zeledit
