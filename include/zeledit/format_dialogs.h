// The formatting dialogs' controls, for hosts and tests that fill a dialog through the
// dialog hook (SetDialogHook in <zeledit/controls.h>). OK and Cancel are IDOK and IDCANCEL.
//
// The tab dialog opens from EFC_TABSDIALOG (1003) or Shift+Ctrl+T on the paragraph at the
// caret; its edits go into the paragraph's tab stops when OK is pressed:
//
//   SetDialogHook([](HWND dialog) {
//       SetDlgItemTextW(dialog, TabPosition, u"2");          // in the unit shown
//       SendDlgItemMessageW(dialog, TabSet, BM_CLICK, 0, 0);
//       SendDlgItemMessageW(dialog, IDOK, BM_CLICK, 0, 0);
//   });
//   SendMessageW(editor, WM_COMMAND, EFC_TABSDIALOG, 0);
#pragma once

namespace zeledit {

enum TabDialogItem : int {
    TabPosition = 301, // edit: a position in the unit shown
    TabList = 302,     // list box: the user's stops
    TabInch = 303,     // radio buttons: the unit, which the editor keeps for the next dialog
    TabCm = 304,
    TabAlignLeft = 305, // radio buttons: left, centre, right, number, bar
    TabAlignCenter = 306,
    TabAlignRight = 307,
    TabAlignNumber = 308,
    TabAlignBar = 309,
    TabLeaderNone = 310, // radio buttons: none, dots, dashes, underline
    TabLeaderDots = 311,
    TabLeaderDashes = 312,
    TabLeaderLine = 313,
    TabSet = 314, // buttons
    TabClear = 315,
    TabClearAll = 316,
};

} // namespace zeledit
