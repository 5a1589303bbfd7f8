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
// The decorated title of a dialog: the window text on a vertical gradient (by default the
// dialog colours' two gradient colours), dragging moves the dialog; with ZCBS_CLOSEBOX a
// close box sends WM_COMMAND IDCANCEL to the parent.
inline constexpr LPCWSTR CaptionBarClassName = u"ZeleditCaptionBar";
inline constexpr DWORD ZCBS_CLOSEBOX = 0x0001;
// Tabs over pages (ZPCM_ messages); each page is a ZeleditPage panel, a child of the page
// control, on which the host creates the page's controls; their notifications reach the
// page control's parent. The page control is a tab stop; Left and Right change pages.
inline constexpr LPCWSTR PageControlClassName = u"ZeleditPageControl";
inline constexpr LPCWSTR PagePanelClassName = u"ZeleditPage";
// A bar the mouse drags between two panes, across its long side; the parent hears
// ZSPN_MOVED and reads the bar's new place with GetWindowRect.
inline constexpr LPCWSTR SplitterClassName = u"ZeleditSplitter";
// A colour swatch that drops down a grid: the recent colours, a palette of 40 (or the 16
// colours, ZCPM_SETSTYLE 1) and "More colours..." with 234 more. The parent hears
// CPN_SELCHANGE when the user picks one.
inline constexpr LPCWSTR ColorPickerClassName = u"ZeleditColorPicker";
// A list box of the installed font families, each marked with its type; it answers the
// list box messages, and an item's data is its family's type (TRUETYPE_FONTTYPE,
// DEVICE_FONTTYPE or RASTER_FONTTYPE).
inline constexpr LPCWSTR FontListClassName = u"ZeleditFontList";
// The files of a folder that a filter lets through, a row each with a thumbnail of the
// picture, its name and sizes; a list box otherwise (an item's text is the file's name).
inline constexpr LPCWSTR FileListClassName = u"ZeleditFileList";
// The one-byte character codes 32 to 255 of a face, in cells of 20 pixels, 16 to a row; the
// chosen one in purple. Clicks and the arrow keys choose (the parent hears CMN_SELCHANGE),
// a double click or Enter is heard as CMN_DBLCLK.
inline constexpr LPCWSTR CharMapClassName = u"ZeleditCharMap";

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

// Caption bars: the gradient's top (wParam) and bottom (lParam) colours.
inline constexpr UINT ZCBM_SETGRADIENT = 0x0400 + 0x320;
// Page controls: add a page captioned lParam (answers its index); the current page (or -1);
// show page wParam (no notification); the number of pages; page wParam's panel window.
inline constexpr UINT ZPCM_ADDPAGE = 0x0400 + 0x330;
inline constexpr UINT ZPCM_GETPAGE = 0x0400 + 0x331;
inline constexpr UINT ZPCM_SETPAGE = 0x0400 + 0x332;
inline constexpr UINT ZPCM_GETCOUNT = 0x0400 + 0x333;
inline constexpr UINT ZPCM_GETPAGEWINDOW = 0x0400 + 0x334;
// Colour pickers: the colour (wParam, a COLORREF); the colour; the palette style (wParam:
// 0 automatic, 1 sixteen colours, 2 256 colours, 3 true colour).
inline constexpr UINT ZCPM_SETCOLOR = 0x0400 + 0x340;
inline constexpr UINT ZCPM_GETCOLOR = 0x0400 + 0x341;
inline constexpr UINT ZCPM_SETSTYLE = 0x0400 + 0x342;
// File lists: the folder (lParam) and the filter (lParam, patterns such as "*.png;*.jpg");
// each reads the folder again and answers FALSE when it cannot be read. The chosen file's
// full path into the buffer lParam of wParam units; answers its length, or the room it
// needs (with the terminator) when the buffer is too small, or 0 when none is chosen.
inline constexpr UINT ZFLM_SETFOLDER = 0x0400 + 0x350;
inline constexpr UINT ZFLM_SETFILTER = 0x0400 + 0x351;
inline constexpr UINT ZFLM_GETPATH = 0x0400 + 0x352;
// WM_COMMAND codes: the user chose another page; the user moved a splitter; the user
// picked a colour.
inline constexpr WORD PCN_SELCHANGE = 1;
inline constexpr WORD ZSPN_MOVED = 1;
inline constexpr WORD CPN_SELCHANGE = 1;
inline constexpr WORD CMN_SELCHANGE = 1, CMN_DBLCLK = 2;
// Character maps: the face (lParam, a zero-terminated name); the chosen code (wParam, 32 to
// 255) and reading it.
inline constexpr UINT ZCMM_SETFACE = 0x0400 + 0x370;
inline constexpr UINT ZCMM_SETCODE = 0x0400 + 0x371;
inline constexpr UINT ZCMM_GETCODE = 0x0400 + 0x372;

namespace zeledit {

// Called with every modal window, and every modeless dialog (find, replace), as soon as it is
// shown; the hook may inspect it and end it by pressing one of its buttons (BM_CLICK). An
// empty function removes the hook.
using DialogHook = std::function<void(HWND dialog)>;
ZE_API void SetDialogHook(DialogHook hook);

// The keyboard of the library's modeless dialogs (find and replace stay open beside the
// editor): Tab between controls, Enter for the default button, Escape to close. A host
// passes each message of its loop through it first; true when it took the message.
//   while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
//       if (zeledit::TranslateDialogMessage(&msg)) continue;
//       TranslateMessage(&msg);
//       DispatchMessageW(&msg);
//   }
ZE_API bool TranslateDialogMessage(const MSG* msg);

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
