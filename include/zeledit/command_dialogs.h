// The controls of the dialogs the editing commands open: find, replace and the key
// customisation. Find and replace stay open beside the editor (modeless): the
// dialog hook (SetDialogHook in <zeledit/controls.h>) meets each as it is shown, and a host's
// message loop gives them their keyboard through TranslateDialogMessage.
//
// The find dialog opens from EFC_FIND (134) or Ctrl+G, the replace dialog from EFC_REPLACE
// (135) or Ctrl+H; opening one closes the other, and asking again for the open one brings it
// to the front. "Find next" selects the next match after the selection or caret; at the end
// of the document it says "Find has searched to the end of document!" and the next search
// starts at the top. Replacing every "Hà Tĩnh" by "Hà Nội", whole words only:
//
//   HWND dialog = nullptr;
//   SetDialogHook([&](HWND shown) { if (!dialog) dialog = shown; });   // the replace dialog
//   SendMessageW(editor, WM_COMMAND, EFC_REPLACE, 0);
//   SetDialogHook([](HWND box) { SendDlgItemMessageW(box, IDOK, BM_CLICK, 0, 0); });  // the count
//   SetDlgItemTextW(dialog, SearchText, u"Hà Tĩnh");
//   SetDlgItemTextW(dialog, ReplaceText, u"Hà Nội");
//   SendDlgItemMessageW(dialog, SearchWholeWord, BM_CLICK, 0, 0);
//   SendDlgItemMessageW(dialog, ReplaceAllButton, BM_CLICK, 0, 0);
//   SendDlgItemMessageW(dialog, IDCANCEL, BM_CLICK, 0, 0);             // "Close"
//
// The replacements of one "Replace all" are one undo step.
#pragma once

namespace zeledit {

enum SearchDialogControl : int {
    SearchText = 901,         // the text to find; Vietnamese typing as in the editor
    SearchFormatText = 902,   // the search format's description, or "(None)"
    SearchMatchCase = 903,    // enabled while there is a text to find
    SearchWholeWord = 904,    //
    SearchNoFormat = 905,     // clears the format of the field last focused
    SearchFormatButton = 906, // picks it among the document's formats (or, for a new
                              // replacement format, in the font dialog)
    SearchInsertTab = 907,    // a tab into the field last focused
    SearchNextButton = 908,   // the default button
    ReplaceText = 911,        // the replacement; Vietnamese typing always on
    ReplaceFormatText = 912,  // the replacement format's description, or "(None)"
    ReplaceExisting = 913,    // the replacement format is one of the document's
    ReplaceNew = 914,         // or a new one (normal documents only)
    ReplaceButton = 915,      // enabled after a match was found
    ReplaceAllButton = 916,   // then says how many were replaced
};

// The key customisation dialog (EFC_CUSTOMIZE, 139) edits the editor's key map in place: each
// change holds at once (Close is the only way out). Giving "Italic" the keys Ctrl+B, which
// "Bold" had:
//
//   SetDialogHook([](HWND d) {
//       HWND list = GetDlgItem(d, CustomizeCommands);
//       SendMessageW(list, LB_SETCURSEL, SendMessageW(list, LB_FINDSTRINGEXACT, -1, (LPARAM)u"Italic"), 0);
//       SendMessageW(d, WM_COMMAND, MAKEWPARAM(CustomizeCommands, LBN_SELCHANGE), (LPARAM)list);
//       SendDlgItemMessageW(d, CustomizeNewKey, ZHKM_SETSHORTCUT, 0x4000 | 'B', 0);
//       SendDlgItemMessageW(d, CustomizeAssign, BM_CLICK, 0, 0);
//       SendDlgItemMessageW(d, IDCANCEL, BM_CLICK, 0, 0);                 // "Close"
//   });
//   SendMessageW(editor, WM_COMMAND, EFC_CUSTOMIZE, 0);
enum CustomizeDialogControl : int {
    CustomizeCommands = 921,   // the routines by name, sorted; item data: the routine number
    CustomizeCommand = 922,    // the chosen name
    CustomizeCurrent = 923,    // its keys as text
    CustomizeNewKey = 924,     // captures the keys pressed in it
    CustomizeAssignedTo = 925, // the routine that has the captured keys, after each key released
    CustomizeAssign = 926,     // needs Ctrl or Alt, or F1 to F12
    CustomizeDefault = 927,    // the default keys again
    CustomizeSave = 928,       // to a keyboard file (.kbd)
    CustomizeLoad = 929,       // from one
};
// The symbol dialog (EFC_SYMBOL 1008, Ctrl+Y) inserts the character chosen in a face's map
// at the caret, in the selection's format with that face; OK answers, "Close" is IDCANCEL.
//   SetDialogHook([](HWND d) {
//       SendDlgItemMessageW(d, SymbolMap, ZCMM_SETCODE, 0xB7, 0);    // the bullet dot of Symbol
//       SendDlgItemMessageW(d, IDOK, BM_CLICK, 0, 0);
//   });
enum SymbolDialogControl : int {
    SymbolFonts = 941, // the installed faces; choosing one shows it in the map
    SymbolMap = 942,   // a character map (ZCMM_ messages in <zeledit/controls.h>)
    SymbolCode = 943,  // "Character code: " and the chosen code in decimal
};

// The hyperlink dialog (Shift+Ctrl+H on the selection or the link at the caret), the comment
// dialog (Ctrl+M) and the hyperlinks browser (key routine 81), in English. Their "Remove"
// button is LinkRemoveButton (7), which removes the link or comment over the range.
enum LinkDialogControl : int {
    LinkRemoveButton = 7,
    LinkDisplayed = 951,   // the selected text
    LinkTarget = 952,      // "Text:": the target, at most 255 characters; OK needs one
    LinkData = 953,        // "Data:": the number handed to the host with the link
    CommentEditor = 954,   // an editor window holding the comment; OK needs one
    LinkBrowserList = 955, // "Hyperlinks:": a line per link (its target; empty for comments);
                           // choosing one selects its range in the editor
    LinkBrowserDelete = 956,
};

// The capture field's keys in the key map's form: the key code, plus 0x2000 Shift, 0x4000
// Ctrl and 0x8000 Alt (w; and l 0 on set).
inline constexpr UINT ZHKM_SETSHORTCUT = 0x0400 + 0x360;
inline constexpr UINT ZHKM_GETSHORTCUT = 0x0400 + 0x361;

} // namespace zeledit
