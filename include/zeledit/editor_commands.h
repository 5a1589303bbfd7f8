// Command identifiers an editor obeys as WM_COMMAND (wParam = the identifier, lParam 0), for a
// host's toolbars and menus, and the key routines of its key map (EFM_GETHOTKEY and
// EFM_SETHOTKEY take the routine's number).
//   SendMessageW(editor, WM_COMMAND, EFC_BOLD, 0);                     // bold on or off
//   SendMessageW(editor, EFM_SETHOTKEY, krFind, 0x4000 | 'F');         // Ctrl+F finds
#pragma once

#include <zeledit/win_types.h>

// Character styles and alignment of the selection, as the toolbar buttons of a host apply them.
inline constexpr WPARAM EFC_BOLD = 103;
inline constexpr WPARAM EFC_ITALIC = 104;
inline constexpr WPARAM EFC_UNDERLINE = 105;
inline constexpr WPARAM EFC_ALIGNLEFT = 106;
inline constexpr WPARAM EFC_ALIGNCENTER = 107;
inline constexpr WPARAM EFC_ALIGNRIGHT = 108;
inline constexpr WPARAM EFC_JUSTIFY = 109;
inline constexpr WPARAM EFC_SUPERSCRIPT = 130;
inline constexpr WPARAM EFC_SUBSCRIPT = 131;
// Files: EFN_FILECOMMAND tells the host and lets it step in (see its tasks).
inline constexpr WPARAM EFC_NEW = 124;  // an empty document
inline constexpr WPARAM EFC_OPEN = 125; // the open dialog, then the document chosen
inline constexpr WPARAM EFC_SAVE = 126; // under the host's name, or the save dialog's
// Dialogs, in an editable editor (controls in <zeledit/format_dialogs.h>, the symbol dialog's
// in <zeledit/command_dialogs.h>); find, replace and the key customisation in any editor.
inline constexpr WPARAM EFC_FONTDIALOG = 110;      // also 1001: on the selection or typing's format
inline constexpr WPARAM EFC_PARAGRAPHDIALOG = 121; // also 1002: on the selection's paragraphs
inline constexpr WPARAM EFC_FIND = 134;
inline constexpr WPARAM EFC_REPLACE = 135;
inline constexpr WPARAM EFC_OBJECTATTRIBUTES = 138; // the object under the mouse, in its dialog
inline constexpr WPARAM EFC_CUSTOMIZE = 139;        // the key map, edited in place
inline constexpr WPARAM EFC_TABSDIALOG = 1003;      // the paragraph at the caret
inline constexpr WPARAM EFC_BORDERSDIALOG = 1004;
inline constexpr WPARAM EFC_BULLETDIALOG = 1005;
inline constexpr WPARAM EFC_REVIEWFORMATS = 1006;
inline constexpr WPARAM EFC_SYMBOL = 1008; // a character of any face, inserted
// Objects: insert one of a kind through its dialog (<zeledit/object_dialogs.h>; kind 5, video,
// has none and inserts nothing), or act on the selected floating object.
inline constexpr WPARAM EFC_INSERTBITMAP = 1009;
inline constexpr WPARAM EFC_INSERTANIMATION = 1010;
inline constexpr WPARAM EFC_INSERTJPEG = 1011;
inline constexpr WPARAM EFC_INSERTCAPTION = 1012;
inline constexpr WPARAM EFC_INSERTSOUND = 1014;
inline constexpr WPARAM EFC_INSERTVIDEO = 1015;
inline constexpr WPARAM EFC_OBJECTTOBACK = 1016;
inline constexpr WPARAM EFC_OBJECTTOFRONT = 1017;
inline constexpr WPARAM EFC_OBJECTUP = 1018;
inline constexpr WPARAM EFC_OBJECTDOWN = 1019;
inline constexpr WPARAM EFC_OBJECTDELETE = 1020;
inline constexpr WPARAM EFC_OBJECTCOPY = 1021;
inline constexpr WPARAM EFC_OBJECTCUT = 1022;
inline constexpr WPARAM EFC_INSERTMETAFILE = 1023;
inline constexpr WPARAM EFC_DRAWING = 1024; // the drawing dialog, then a drag draws the shape
inline constexpr WPARAM EFC_INSERTTEXTBOX = 1025;
inline constexpr WPARAM EFC_INSERTTRANSPICTURE = 1026;
// The clipboard and the whole text.
inline constexpr WPARAM EFC_CUT = 24320;
inline constexpr WPARAM EFC_COPY = 24321;
inline constexpr WPARAM EFC_PASTE = 24322;
inline constexpr WPARAM EFC_DELETE = 24323; // the selection
inline constexpr WPARAM EFC_CLEAR = 24324;  // the whole text
inline constexpr WPARAM EFC_SELECTALL = 24325;

// The routines of the key map, by number, with their default shortcuts. Routines marked
// "editable" do nothing in a read-only editor; 66 and 72 have no action.
enum TKeyRoutine : WPARAM {
    krInsertAnimate = 0, // editable: the kind's dialog
    krInsertPicture = 1, // editable: the kind's dialog
    krInsertSound = 2,   // editable: the kind's dialog
    krInsertVideo = 3,   // editable; no kind: inserts nothing
    krInsertCaption = 4, // editable: the kind's dialog
    krInsertJPEG = 5,    // editable: the kind's dialog
    krInsertSymbol = 6,  // Ctrl+Y: the symbol dialog, editable
    krFormatFont = 7,    // Ctrl+F, editable: the font dialog, as EFC_FONTDIALOG
    krModifyFormat = 8,  // Shift+Ctrl+F: the review of formats, as EFC_REVIEWFORMATS
    krFind = 9,          // Ctrl+G: the find dialog
    krReplace = 10,      // Ctrl+H: the replace dialog
    // Quick character formats 0 to 20 (EFM_APPLYFONTFAST): Ctrl+0 to Ctrl+9, Ctrl+F10,
    // Ctrl+F1 to Ctrl+F9, Ctrl+F12; editable.
    krApplyFont0 = 11,
    krApplyFont20 = 31,
    // Quick paragraph formats 0 to 20 (EFM_APPLYPARAFAST): the same keys with Shift; editable.
    krApplyParagraph0 = 32,
    krApplyParagraph20 = 52,
    krBold = 53,               // Ctrl+B, editable
    krItalic = 54,             // Ctrl+I, editable
    krUnderline = 55,          // Ctrl+U, editable
    krDoubleUnderline = 56,    // Ctrl+D, editable
    krStrikethrough = 57,      // Ctrl+K, editable
    krSuperscript = 58,        // editable
    krSubscript = 59,          // editable
    krHyperLink = 60,          // Shift+Ctrl+H, editable: the hyperlink dialog
    krFormatBorder = 61,       // Shift+Ctrl+B, editable: the border dialog
    krFormatTabs = 62,         // Shift+Ctrl+T, editable: the tab dialog, as EFC_TABSDIALOG
    krFormatBullet = 63,       // Shift+Ctrl+U, editable: the bullet dialog
    krFormatParagraph = 64,    // Shift+Ctrl+P, editable: the paragraph dialog
    krPrint = 65,              // Ctrl+P: posts EFN_PRINT to the editor's window
    krPageSetup = 66,          // no action
    krEditCopy = 67,           // Ctrl+C, and Ctrl+Insert in entry 87
    krEditPaste = 68,          // Ctrl+V, editable
    krEditCut = 69,            // Ctrl+X, and Shift+Delete in entry 88; editable
    krFileNew = 70,            // Ctrl+N, editable
    krFileOpen = 71,           // Ctrl+O, editable and edit style 0x2000
    krFileSave = 72,           // Shift+Ctrl+S; no action
    krFileSaveAs = 73,         // edit style 0x2000
    krAlignmentLeft = 74,      // Ctrl+L, editable
    krAlignmentCenter = 75,    // Ctrl+E, editable
    krAlignmentRight = 76,     // Ctrl+R, editable
    krAlignmentJustified = 77, // Ctrl+J, editable
    krChangeCase = 78,         // F3, editable
    krEditClear = 79,          // editable
    krSelectAll = 80,
    krBrowseHyperlinks = 81,   // the hyperlinks browser
    krInsertTransPicture = 82, // editable: the kind's dialog
    krInsertMetaFile = 83,     // editable: the kind's dialog
    krInsertTextBox = 84,      // editable: the kind's dialog
    krInsertDrawing = 85,      // editable: the drawing mode, as EFC_DRAWING
    krInsertComment = 86,      // Ctrl+M, editable: the comment dialog
};
