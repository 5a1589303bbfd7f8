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
//
// The font dialog opens from EFC_FONTDIALOG (110 or 1001) or Ctrl+F on the selection (or on
// the format typing will use). Bold, 14 points and a red double underline:
//
//   SetDialogHook([](HWND dialog) {
//       SendDlgItemMessageW(dialog, FontStyleList, LB_SETCURSEL, 1, 0);       // "Bold"
//       SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(FontStyleList, LBN_SELCHANGE),
//                    (LPARAM)GetDlgItem(dialog, FontStyleList));
//       SetDlgItemTextW(dialog, FontSizeEdit, u"14");                          // taken on OK
//       SendDlgItemMessageW(dialog, FontUnderlineList, CB_SETCURSEL, 3, 0);   // double
//       SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(FontUnderlineList, CBN_SELCHANGE),
//                    (LPARAM)GetDlgItem(dialog, FontUnderlineList));
//       SendDlgItemMessageW(dialog, FontUnderlineColor, ZCPM_SETCOLOR, 0x0000FF, 0);
//       SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(FontUnderlineColor, CPN_SELCHANGE),
//                    (LPARAM)GetDlgItem(dialog, FontUnderlineColor));
//       SendDlgItemMessageW(dialog, IDOK, BM_CLICK, 0, 0);
//   });
//   SendMessageW(editor, WM_COMMAND, EFC_FONTDIALOG, 0);
//
// Lists, combo boxes and colour pickers act on the notification their parent hears, as
// when the user picks an item; check boxes act on BM_CLICK; edits when they change.
//
// The paragraph dialog opens from EFC_PARAGRAPHDIALOG (121 or 1002) or Shift+Ctrl+P on the
// paragraph at the caret (or every paragraph of the selection). Its fields show lengths in
// the unit chosen with ParaInch or ParaCm, which the editor keeps for the next dialog; a
// field is taken when it loses the focus or on OK, and a field that does not hold a number
// keeps the dialog open with that field focused.
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

enum FontDialogItem : int {
    FontFaceEdit = 401,  // edit: the face; the list follows what is typed
    FontFaceList = 402,  // list box of the installed families
    FontStyleEdit = 403, // read-only edit and its list: Regular, Bold, Italic, Bold Italic
    FontStyleList = 404,
    FontSizeEdit = 405, // edit: points, 6 to 128, taken when it loses the focus or on OK
    FontSizeList = 406,
    FontColor = 407,          // colour picker: the text
    FontUnderlineList = 408,  // drop-down list: the underline style, 0 none to 14
    FontUnderlineColor = 409, // colour picker, enabled with an underline
    FontStrikethrough = 410,  // check boxes
    FontDoubleStrike = 411,
    FontSuperscript = 412,
    FontSubscript = 413,
    FontHotLink = 414,      // shown when the editor offers hot links
    FontStrikeColor = 415,  // colour picker, enabled with a strike-through
    FontShadow = 416,       // check box
    FontShadowColor = 417,  // colour picker, enabled with the shadow
    FontShadowOffset = 418, // spin edit: 1 to 5 pixels
    FontScale = 419,        // spin edit: 20 to 300 percent
    FontPreview = 420,      // the sample, drawn in the font
    FontDescription = 421,  // static: what kind of font the face is
};

enum ParagraphDialogItem : int {
    ParaPages = 500, // page control: Margins, Spacing, Shading
    ParaLeft = 501,  // edits: indents in the unit shown
    ParaRight = 502,
    ParaSpecial = 503,   // drop-down list: (none), First line, Hanging
    ParaDistance = 504,  // edit: the first line's distance, shown with First line and Hanging
    ParaAlignment = 505, // drop-down list: Left, Center, Right, Justify
    ParaInch = 506,      // radio buttons: the unit
    ParaCm = 507,
    ParaBefore = 508, // spin edits: points, 0 to 24
    ParaAfter = 509,
    ParaLineSpacing = 510, // drop-down list: Single, 1.5 lines, Double, At least, Exactly, Multiply
    ParaLineValue = 511,   // edit: points (6 to 72) or lines (1 to 10)
    ParaShading = 512,     // colour picker
    ParaRed = 513,         // static: the shading's red, green and blue
    ParaTabs = 514,        // buttons: the tab, border and bullet dialogs
    ParaBorders = 515,
    ParaBullet = 516,
    ParaPreview = 517,
};

enum BorderDialogItem : int {
    BorderLineStyle = 601, // list box: line styles 1 to 10
    BorderColor = 602,     // colour picker
    BorderDistance = 603,  // edit: points from the text, 0 to 32
    BorderNone = 604,      // push-like buttons: no border, a box, a shadowed box
    BorderBox = 605,
    BorderShadow = 606,
    BorderLeft = 607, // push-like buttons: each edge on or off
    BorderTop = 608,
    BorderRight = 609,
    BorderBottom = 610,
    BorderPreview = 611, // the four edges; a click near one selects it
};

enum BulletDialogItem : int {
    BulletChar = 701,    // button: the character, picked in the bullet's face
    BulletSize = 702,    // drop-down list: Auto, then points
    BulletColor = 703,   // colour picker
    BulletIndent = 704,  // edit: the indent in the unit shown
    BulletHanging = 705, // check box
    BulletInch = 706,    // radio buttons: the unit
    BulletCm = 707,
    BulletRemove = 708, // button: takes the bullet away (enabled when there is one)
    BulletPreview = 709,
};

enum FormatListItem : int {
    // The quick dialogs of documents based on a template ("Format Characters" and "Format
    // Paragraphs") and the review of formats: the list of formats and the chosen one's
    // description. Apply is IDOK; a double click on an item applies it too.
    FormatList = 801,
    FormatDescription = 802,
    // The review of formats: Close is IDCANCEL.
    ReviewModify = 803, // buttons opening a menu of the commands below
    ReviewNew = 804,
    ReviewDelete = 805,   // deletes the chosen entry (not the last of its table)
    ReviewOptimize = 806, // merges equal entries of both tables
    // The menus' commands; a host may send them as WM_COMMAND to the dialog.
    ReviewModifyFont = 811,
    ReviewModifyParagraph = 812,
    ReviewModifyTabs = 813,
    ReviewModifyBorders = 814,
    ReviewModifyBullet = 815,
    ReviewNewFont = 816,
    ReviewNewParagraph = 817,
};

} // namespace zeledit
