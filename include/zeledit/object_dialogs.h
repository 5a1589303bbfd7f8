// The object dialogs' controls, for hosts and tests that fill a dialog through the dialog
// hook (SetDialogHook in <zeledit/controls.h>).
//
// The dialogs open from an insertion (EFM_INSERTOBJECT with codes 2–4, 6, 7, 9–11), from a
// change (a double click on an object, or command 138) and from the drawing mode. Most
// controls sit on the pages of a page control, so they are not the dialog's direct
// children: find them by identifier among all descendants, for instance
//
//   HWND item = nullptr;
//   auto find = [](HWND w, LPARAM p) -> BOOL {
//       auto* f = reinterpret_cast<std::pair<int, HWND>*>(p);
//       if (GetDlgCtrlID(w) == f->first) { f->second = w; return FALSE; }
//       return TRUE;
//   };
//   std::pair<int, HWND> wanted{ObjFileName, nullptr};
//   EnumChildWindows(dialog, find, reinterpret_cast<LPARAM>(&wanted));
//   SetWindowTextW(wanted.second, u"/pictures/logo.bmp");
//   SendMessageW(GetDlgItem(dialog, IDOK), BM_CLICK, 0, 0);
//
// OK and Cancel are IDOK and IDCANCEL. A refused OK shows a message box (through the same
// hook) and keeps the dialog open.
#pragma once

namespace zeledit {

enum ObjectDialogItem : int {
    // The layout page (every dialog but the caption's, which has only the margins).
    ObjFloated = 101,   // check box
    ObjAlignLeft = 102, // radio buttons: oiLayout 0 and 1
    ObjAlignRight = 103,
    ObjWrap = 104,       // check box
    ObjMarginLeft = 105, // spin edits, in points
    ObjMarginTop = 106,
    ObjMarginRight = 107,
    ObjMarginBottom = 108,
    ObjLink = 109,        // "External link" check box
    ObjDescription = 110, // edit: oiIDText
    ObjPages = 111,       // the page control
    ObjWidth = 112,       // spin edits: the metafile's, text box's and drawing's size
    ObjHeight = 113,
    ObjLockAspect = 114, // check box (metafile)
    ObjPreview = 115,    // owner-drawn preview

    // Dialogs that read a file: picture, JPEG, metafile, DEX image, sound, animation.
    ObjFileName = 120, // edit
    ObjBrowse = 121,   // button: the file dialog
    ObjSizeLabel = 122,
    ObjConvert8 = 123, // check box: DEX images reduced to 8 bits
    ObjPlay = 124,     // button: sound
    ObjExpand = 125,   // button: shows or hides the browser (bitmap and JPEG pictures)
    ObjFolders = 126,  // list box: ".." and the folder's folders; a double click opens one
    ObjPictures = 127, // file list: the folder's pictures; a double click takes one

    // Caption.
    CapCharacter = 130, // edit: the character typed, taken with CapSelect
    CapSelect = 131,
    CapFormat = 132,
    CapColor = 133, // colour picker: background
    CapTransparent = 134,
    CapMap = 135, // the character map: a click picks the character under the mouse

    // Text box.
    TextContent = 140,     // multi-line edit
    TextBorderStyle = 141, // combo box: styles 1 to 10
    TextBorder = 142,      // check box
    TextBorderColor = 143, // colour pickers
    TextFilled = 144,      // check box
    TextFillColor = 145,
    TextFormat = 146,
    TextAlignLeft = 147, // radio buttons: left, centre, right, justify
    TextAlignCenter = 148,
    TextAlignRight = 149,
    TextAlignJustify = 150,

    // Animation.
    AnimLoad = 160,
    AnimInterval = 161, // spin edits
    AnimFrames = 162,

    // Drawing.
    DrawLine = 201, // radio buttons, in this order
    DrawRectangle = 202,
    DrawEllipse = 203,
    DrawLineWidth = 204, // spin edit
    DrawLineColor = 205, // colour pickers
    DrawFillColor = 206,
    DrawOutline = 207, // check boxes
    DrawFilled = 208,
    DrawPreview = 209,
};

} // namespace zeledit
