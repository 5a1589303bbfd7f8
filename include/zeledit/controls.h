// The library's own controls, of which its dialogs and message box are built, and the
// hook through which a host or a test meets every modal window the library shows.
#pragma once

#include <zeledit/win_types.h>

#include <functional>

inline constexpr LPCWSTR ButtonClassName = u"ZeleditButton";
inline constexpr LPCWSTR PanelClassName = u"ZeleditPanel";
inline constexpr LPCWSTR SeparatorClassName = u"ZeleditSeparator";
// A number in an edit with up and down arrows, kept within a range (ZSEM_ messages); the
// parent hears EN_CHANGE, EN_SETFOCUS and EN_KILLFOCUS with the spin edit's identifier.
inline constexpr LPCWSTR SpinEditClassName = u"ZeleditSpinEdit";

// Button style: Escape presses a cancel button (BS_DEFPUSHBUTTON marks the default one).
inline constexpr DWORD ZBS_CANCEL = 0x0100;

// Colours of a control: face (wParam) and, for panels, the text (lParam); separators draw
// their line in the face colour.
inline constexpr UINT ZCM_SETCOLORS = 0x0400 + 0x300;

// An edit (or the edit of a combo box) composes accent keys with the letter before them, as
// the editor does, while wParam is non-zero; a dialog turns it on when its editor types
// Vietnamese.
inline constexpr UINT ZEM_SETVIETNAMESE = 0x0400 + 0x301;

// A list box keeps a separate SCROLLBAR control (wParam; 0 for none) in step with its
// items; the bar's parent forwards the bar's WM_VSCROLL to the list box, lParam unchanged.
inline constexpr UINT ZLBM_SETSCROLLBAR = 0x0400 + 0x302;

// Spin edits: wParam the lowest and lParam the highest value (signed); the value itself
// (wParam, put within the range); the value, read from what was typed and put within the
// range; the step of an arrow (wParam, at least 1; Page Up and Page Down step ten times).
inline constexpr UINT ZSEM_SETRANGE = 0x0400 + 0x310;
inline constexpr UINT ZSEM_SETPOS = 0x0400 + 0x311;
inline constexpr UINT ZSEM_GETPOS = 0x0400 + 0x312;
inline constexpr UINT ZSEM_SETSTEP = 0x0400 + 0x313;

namespace zeledit {

// Called with every modal window as soon as it is shown; the hook may inspect it and end it
// by pressing one of its buttons (BM_CLICK). An empty function removes the hook.
using DialogHook = std::function<void(HWND dialog)>;
ZE_API void SetDialogHook(DialogHook hook);

// The message box's buttons, combined into a set, and its icon kinds.
inline constexpr WORD mbYes = 0x01, mbNo = 0x02, mbOK = 0x04, mbCancel = 0x08, mbAbort = 0x10, mbRetry = 0x20,
                      mbIgnore = 0x40, mbAll = 0x80;
inline constexpr BYTE mkWarning = 0, mkStop = 1, mkInformation = 2, mkQuestion = 3;

// The message box: text (lines split at CR LF), icon kind and button set; answers the
// button pressed as IDYES, IDNO, IDOK, IDCANCEL, IDABORT, IDRETRY, IDIGNORE or IDALL
// (Escape presses the rightmost of No, Ignore and Cancel in the set; closing the box
// answers IDCANCEL).
// Each button is a child window whose identifier is its answer, so a dialog hook presses
// one with SendMessageW(GetDlgItem(box, IDNO), BM_CLICK, 0, 0).
//   if (ShowMessageBox(u"Save the changes?", mkQuestion, mbYes | mbNo | mbCancel) == IDCANCEL) ...
ZE_API int ShowMessageBox(LPCWSTR text, BYTE kind, WORD buttons);

} // namespace zeledit
