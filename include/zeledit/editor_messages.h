// The editor's message protocol: its own messages (EFM_) and the notifications it sends
// to its own window (EFN_), where a host that subclasses the window receives them.
// Each comment gives wParam (w), lParam (l) and the answer (→); a message without an answer
// answers 0. lParam values documented as 32-bit are its low 32 bits, LOWORD and HIWORD
// their halves. Indices are positions of UTF-16 code units in the text, where a paragraph
// ends with CR LF. docs/protocol.md groups them by task, with examples.
#pragma once

#include <zeledit/win_types.h>

#include <array>

// w: buffer size in characters; l: char16_t* buffer → the selected text, zero-terminated (objects as spaces)
inline constexpr UINT EFM_GETSELTEXT = 1150;
// l: LOWORD start, HIWORD end → selects that range (start = end removes the selection)
inline constexpr UINT EFM_SETSELTEXT = 1151;
// → the character format index at the selection or caret (low byte)
inline constexpr UINT EFM_GETSELFORMATID = 1152;
// l: const char16_t* file name → 1 saved, 0 failed (GetLastFileError says why)
inline constexpr UINT EFM_SAVEDOC = 1153;
// l: const char16_t* file name → 1 loaded (caret at 0, not modified), 0 refused unchanged
inline constexpr UINT EFM_LOADDOC = 1154;
// l: const char16_t* document or template file → its format tables replace the document's
// (text and objects stay); answers 0 either way
inline constexpr UINT EFM_LOADTEMPLATE = 1155;
// an empty document after EFN_FILECOMMAND task EFN_FILE_BEFORENEW (answer 1 there to refuse)
inline constexpr UINT EFM_NEWDOCUMENT = 1156;
// → the size in bytes of the document data block EFM_GETDATA would give
inline constexpr UINT EFM_GETDATASIZE = 1157;
// → HGLOBAL holding the whole document as a data block; the caller frees it (GlobalFree)
inline constexpr UINT EFM_GETDATA = 1158;
// l: HGLOBAL of a document data block (stays the caller's) → 1 loaded, 0 refused unchanged
inline constexpr UINT EFM_SETDATA = 1159;
// l: COLORREF → background colour and paragraph format 0's shading; repaints
inline constexpr UINT EFM_SETBACKGROUND = 1160;
// l: SIZE* receiving cx = selection start, cy = selection end (both the caret without one) → HIWORD end,
//  LOWORD start
inline constexpr UINT EFM_GETSELINDEX = 1162;
// deletes the whole text (keeps the format tables of a template-based document)
inline constexpr UINT EFM_CLEARTEXT = 1164;
// → the number of UTF-16 code units; paragraphs end with CR LF (13, 10), objects are 1
inline constexpr UINT EFM_GETTEXTLENGTH = 1165;
// → char16_t* to the whole text, zero-terminated; valid until the next change. The host may
// write letters into it; the editor looks for a moved terminator when it next gets a message.
//   auto* text = reinterpret_cast<char16_t*>(SendMessageW(editor, EFM_GETTEXTBUFFER, 0, 0));
inline constexpr UINT EFM_GETTEXTBUFFER = 1166;
// → const uint8_t* to the format bytes, one per code unit; valid until the next change
inline constexpr UINT EFM_GETFORMATBUFFER = 1167;
// w: paragraph format index (out of range: 0); l: COLORREF → that format's shading
inline constexpr UINT EFM_SETPARACOLOR = 1168;
// w: character format index (beyond the table: ignored); l: COLORREF → that format's colour
inline constexpr UINT EFM_SETFONTCOLOR = 1169;
// the user may edit again
inline constexpr UINT EFM_ENABLEMODIFY = 1170;
// read only: typing, pasting and formatting do nothing (the modified flag is kept)
inline constexpr UINT EFM_DISABLEMODIFY = 1171;
// → -1 when the document changed since it was loaded, saved or EFM_SETMODIFIED 0; else 0
inline constexpr UINT EFM_GETMODIFIED = 1172;
// w: non-zero → a right click sends EFN_RIGHTCLICK instead of showing a context menu
inline constexpr UINT EFM_SETSPECIALRIGHTBUTTON = 1173;
// w: non-zero turns Vietnamese accent typing on, 0 off
inline constexpr UINT EFM_ENABLEVIETKEY = 1174;
// w: character format index (low byte); l: TFindFormatRecord* → start of the run found, or -1
inline constexpr UINT EFM_FINDFORMAT = 1175;
// l: LOWORD drawing mode of pictures
inline constexpr UINT EFM_SETBITMAPMODE = 1176;
// → the number of embedded objects
inline constexpr UINT EFM_GETOBJECTCOUNT = 1177;
// w: non-zero lays out and repaints; l: LOWORD old size, HIWORD new size (points) → every format of the old
//  size gets the new one
inline constexpr UINT EFM_CHANGEFONTSIZE = 1178;
// l: text index → moves the caret there (and into view); an index past the text does nothing
inline constexpr UINT EFM_SETINDEX = 1179;
// w: character format index to match, or -1 for any; l: TFindRecord* → index found, or -1
inline constexpr UINT EFM_FIND = 1180;
// lays the whole document out again and repaints, keeping the top line and the caret
inline constexpr UINT EFM_REFRESH = 1181;
// l: TPageRec* → the page setup; in page mode the lines break at its column width again
inline constexpr UINT EFM_SETPAGE = 1182;
// the printer changed: in page mode the page size and the lines again
inline constexpr UINT EFM_PRINTERCHANGE = 1183;
// → the page count (builds a print layout, paginates, ends it); 0 without a printer
inline constexpr UINT EFM_REPAGINATE = 1184;
// w: printer HDC; l: TPrintPageRequest* → prints one page of the print layout (after EFM_BEGINPRINT)
inline constexpr UINT EFM_PRINTPAGE = 1185;
// w: position in the object list → the object's data handle, or 0
inline constexpr UINT EFM_GETOBJECT = 1186;
// w: non-zero hides the objects' contents (frames only), 0 shows them
inline constexpr UINT EFM_HIDEOBJECTS = 1187;
// → the object list, for EFM_ADDDATA into another editor
inline constexpr UINT EFM_GETOBJECTS = 1188;
// l: TAddData* → appends another editor's text, formats and objects after a blank paragraph
inline constexpr UINT EFM_ADDDATA = 1189;
// w: paragraph format index (low byte); l: start index → 1 and the paragraph selected, or 0
inline constexpr UINT EFM_FINDPARA = 1190;
// → the height of the laid-out document in pixels (lines or floated objects, whichever is lower)
inline constexpr UINT EFM_GETDOCUMENTHEIGHT = 1191;
// w: position in the object list → that object's position found again by its identifier, or -1
inline constexpr UINT EFM_GETOBJECTINDEX = 1192;
// w: HWND of a host scroll bar control the editor drives instead of its own
inline constexpr UINT EFM_SETVSCROLLBAR = 1193;
// w: start; l: end (included) → highlights that range (and scrolls it into view); start = end clears it
inline constexpr UINT EFM_SETHIGHLIGHT = 1195;
// w: index; l: char16_t* buffer (256 units) → the word at the index, zero-terminated
inline constexpr UINT EFM_GETWORDAT = 1197;
// l: TChangeFont* → formats of the old face take the new face and styles; lays out when Redraw
inline constexpr UINT EFM_CHANGEFONTNAME = 1198;
// both format tables to black and white
inline constexpr UINT EFM_SETMONOCHROME = 1199;
// w: position in the object list → TObjectInfo* of that object, or 0
inline constexpr UINT EFM_GETOBJECTINFO = 1200;
// w: HPALETTE; l: byte 0 colour depth for pictures (0 auto, 1 16, 2 256, 3 true colour)
inline constexpr UINT EFM_SETCOLORSTYLE = 1201;
// l: edit style bits (0x1 read only, 0x2 control: text as wide as the window, 0x4 no scroll bars, 0x2000
//  load/save keys, 0x80000 typographic quotes, 0x100000 no key map)
inline constexpr UINT EFM_SETEDITTYPE = 1203;
// l: document kind 0x601 normal, 0x602 uses a template, 0x603 template
inline constexpr UINT EFM_SETDOCUMENTTYPE = 1204;
// w: non-zero shows the window's scroll bars, 0 hides them
inline constexpr UINT EFM_SETHASSCROLL = 1205;
// l: TCharFormat* → the default character format; format 0 takes it; lays out again
inline constexpr UINT EFM_SETDEFAULTFONT = 1206;
// → the number of paragraph formats
inline constexpr UINT EFM_GETPARACOUNT = 1207;
// → the number of character formats
inline constexpr UINT EFM_GETFONTCOUNT = 1208;
// w: paragraph format index (out of range: 0) → its shading
inline constexpr UINT EFM_GETPARACOLOR = 1209;
// w: character format index → its colour; 0 beyond the table
inline constexpr UINT EFM_GETFONTCOLOR = 1210;
// l: TReplaceRecord* → the selection replaced; the replacement is selected
inline constexpr UINT EFM_REPLACEWITH = 1211;
// w: HWND of a host horizontal scroll bar control
inline constexpr UINT EFM_SETHSCROLLBAR = 1212;
// column editor: w: byte 0 column count → the count now in force
inline constexpr UINT EFM_SETCOLUMNS = 1213;
// column editor: w: non-zero draws a line between columns; l: its COLORREF
inline constexpr UINT EFM_SETLINEBETWEEN = 1214;
// column editor: w: LOWORD space between columns in pixels
inline constexpr UINT EFM_SETSPACING = 1215;
// w: 1 face, 2 colour, 3 size; l: const char16_t* face, COLORREF or points → applied to the selection
inline constexpr UINT EFM_APPLYFONT = 1216;
// w: 1 border, 2 bullet, 3 indent, 4 tabs, 5 shading; l: the part → applied to the selected paragraphs
inline constexpr UINT EFM_APPLYPARA = 1217;
// l: largest text in bytes (0 unlimited); insertions beyond it are refused
inline constexpr UINT EFM_SETMAXBUFFERSIZE = 1219;
// w: byte 0 object identifier → the object reloads its picture
inline constexpr UINT EFM_RESETOBJECT = 1220;
// l: record {palette, face, highlight, shadow} → colours of dialogs and object frames
inline constexpr UINT EFM_SETCOLORS = 1221;
// w: character format index; l: TCharFormat* receiving a copy
inline constexpr UINT EFM_GETFONTTOREC = 1222;
// l: TPreviewRequest* → draws a page at a zoom (after EFM_BEGINPRINT or EFM_BEGINPREVIEW)
inline constexpr UINT EFM_PAGEPREVIEW = 1223;
// w: buffer size in characters; l: char16_t* → the highlighted text, zero-terminated
inline constexpr UINT EFM_GETHIGHLIGHTTEXT = 1224;
// → 1 when a print layout started (the window is disabled until EFM_ENDPRINT), 0 without a printer
inline constexpr UINT EFM_BEGINPRINT = 1225;
// ends a print or preview layout: the window's own layout again, the window enabled
inline constexpr UINT EFM_ENDPRINT = 1226;
// l: signed points → every character format's size changes by that much
inline constexpr UINT EFM_ENLARGEREDUCEFONT = 1227;
// l: index → highlights the word there
inline constexpr UINT EFM_HIGHLIGHTWORDAT = 1228;
// w: index → scrolls so that the index's line is the top line; the caret goes there
inline constexpr UINT EFM_SETTOPINDEX = 1229;
// → the index of the top line's first character
inline constexpr UINT EFM_GETTOPINDEX = 1230;
// w: the editor's own HWND; l: TParaFormat* → its index (an equal entry is reused); 0 for another w
inline constexpr UINT EFM_ADDPARAFORMAT = 1231;
// w: the editor's own HWND; l: TCharFormat* → its index (an equal entry is reused); 0 for another w
inline constexpr UINT EFM_ADDFONTFORMAT = 1232;
// w: the editor's own HWND; l: char buffer (51 bytes) → the face name at the selection
inline constexpr UINT EFM_GETSELFONTNAME = 1233;
// w: LOWORD object kind → inserts an object of that kind through its dialog
inline constexpr UINT EFM_INSERTOBJECT = 1234;
// w: 1 international keyboard, 0 Vietnamese → 0; the editor keeps no keyboard kind (the
// component sends it for its KeyType)
inline constexpr UINT EFM_SETKEYTYPE = 1235;
// w: start; l: end, both included, either order → marks the range (drawn as EFM_SETMARKTYPE says)
inline constexpr UINT EFM_MARKRANGE = 1236;
// w: start; l: end, both included, either order → removes the marks of the range
inline constexpr UINT EFM_UNMARKRANGE = 1237;
// w: byte 0 style 0 bold, 1 italic, 2 underline, 3 double underline, 4 strike, 5 super, 6 subscript → 1 when
//  the selection has it
inline constexpr UINT EFM_GETSELSTYLE = 1238;
// w: byte 0 style number (as EFM_GETSELSTYLE); l: non-zero sets it, 0 clears it on the selection
inline constexpr UINT EFM_FORMATSTYLE = 1239;
// w: LOWORD new character; l: index → replaces that character, keeping its format byte
inline constexpr UINT EFM_CHANGECHAR = 1240;
// → const TCharFormat* copy of the format at the selection, valid until the next such message
inline constexpr UINT EFM_GETSELFORMAT = 1241;
// l: TCharFormat* → applied to the selection, or the format of what is typed next
inline constexpr UINT EFM_SETCHARFORMAT = 1242;
// l: index → marks the word there
inline constexpr UINT EFM_MARKWORDAT = 1243;
// l: index → unmarks the word there
inline constexpr UINT EFM_UNMARKWORDAT = 1244;
// w: character format index, or -1: the typing format and an undo step; l: const char16_t* text →
//   inserted at the caret, replacing a selection; end paragraphs with CR LF
inline constexpr UINT EFM_INSERTTEXT = 1245;
// l: -1, or byte 0 alignment and byte 2 paragraph format index → a paragraph break at the caret
inline constexpr UINT EFM_INSERTPARA = 1246;
// w: LOWORD 0 left, 1 right, 2 up, 3 down, 4 page up, 5 page down, 6 home, 7 end, 8 delete; l: LOWORD Shift,
//  HIWORD Ctrl
inline constexpr UINT EFM_MOVEKEY = 1247;
// → the paragraph format index at the caret (low byte)
inline constexpr UINT EFM_GETSELPARAFORMATID = 1248;
// → const TParaFormat* copy of the caret's paragraph format (column editor: w: HDC to paint into)
inline constexpr UINT EFM_GETSELPARAFORMAT = 1249;
// l: TParaFormat* → applied, with its alignment, to the selected paragraphs
inline constexpr UINT EFM_SETPARAFORMAT = 1250;
// w: character format index to match, or -1; l: TReplaceAllRecord* → the number of replacements
inline constexpr UINT EFM_REPLACEALL = 1251;
// w: LOWORD zoom; l: RECT* ← the printable area of a previewed page → 1, or 0 without a printer
inline constexpr UINT EFM_GETPREVIEWRECT = 1252;
// l: TMenuItemRecord* → adds a host's item to the editing context menus (both languages)
inline constexpr UINT EFM_ADDMENU = 1253;
// w: byte 0 how marks are drawn, 0 zigzag underline, 1 coloured text; l: COLORREF
inline constexpr UINT EFM_SETMARKTYPE = 1254;
// w: non-zero animates objects (animations play), 0 stops them
inline constexpr UINT EFM_ENABLEACTIVATE = 1255;
// column editor: w: non-zero draws through a background picture
inline constexpr UINT EFM_SETBACKNEEDED = 1256;
// → the page of the caret (pages of the last EFM_REPAGINATE), 0 for none
inline constexpr UINT EFM_GETCURRENTPAGE = 1257;
// removes every mark
inline constexpr UINT EFM_CLEARMARKS = 1258;
// l: TInsertHyperLink* → a hyperlink over the range
inline constexpr UINT EFM_INSERTHYPERLINK = 1259;
// w: byte 0 paragraph format index → deletes every paragraph of that format
inline constexpr UINT EFM_DELETEPARAS = 1260;
// every character and paragraph back to format 0 (alignments stay); both tables emptied
inline constexpr UINT EFM_CLEARFORMATS = 1261;
// w: byte 0 object identifier → TObjectInfo* of that object, or 0
inline constexpr UINT EFM_GETOBJINFOID = 1262;
// w: byte 0 object identifier → the object's data handle, or 0
inline constexpr UINT EFM_GETOBJDATAID = 1263;
// w: paragraph format index; l: TParaFormat* receiving a copy
inline constexpr UINT EFM_GETPARATOREC = 1264;
// → 0x60000
inline constexpr UINT EFM_GETVERSION = 1267;
// column editor: w: 0 → the columns are not drawn until a non-zero value
inline constexpr UINT EFM_SETNOTDRAWN = 1268;
// column editor: → HBITMAP of the background picture
inline constexpr UINT EFM_GETBACKHANDLE = 1269;
// column editor: → the background picture object
inline constexpr UINT EFM_GETBACKBITMAP = 1270;
// column editor: w: HDC; l: LOWORD x, HIWORD y → paints the columns there
inline constexpr UINT EFM_DRAWCOLUMNS = 1271;
// w: non-zero shrinks objects wider than the text to fit, 0 shows them at their size; lays out again
inline constexpr UINT EFM_ENABLEFITOBJS = 1272;
// w: character format index → the format entry, for PreviewFont and feGetFontHeight
inline constexpr UINT EFM_GETFONTITEM = 1273;
// w: paragraph format index → the format entry, for PreviewPara
inline constexpr UINT EFM_GETPARAITEM = 1274;
// w: byte 0 character format index → applied to the selection
inline constexpr UINT EFM_APPLYFONTFAST = 1275;
// w: byte 0 paragraph format index → applied to the selected paragraphs
inline constexpr UINT EFM_APPLYPARAFAST = 1276;
// w: key routine 0..85 → its shortcut (virtual key | 0x2000 Shift | 0x4000 Ctrl | 0x8000 Alt); 0 for others
inline constexpr UINT EFM_GETHOTKEY = 1277;
// w: key routine 0..85; l: LOWORD shortcut (0 none) → sets it; other routines are ignored
inline constexpr UINT EFM_SETHOTKEY = 1278;
// w: the modified flag (0 after the host saved the document itself)
inline constexpr UINT EFM_SETMODIFIED = 1279;
// merges equal entries of both format tables
inline constexpr UINT EFM_COMPACT = 1280;
// every run of empty paragraphs shrinks to one
inline constexpr UINT EFM_DELETEDOUBLESPACEPARAS = 1281;
// w: start; l: end → deletes that range of the text
inline constexpr UINT EFM_DELETEDATA = 1282;
// w: 0 coloured text, 1 white on a colour bar; l: COLORREF
inline constexpr UINT EFM_SETHIGHLIGHTSTYLE = 1283;
// w: 1 selecting, 2 context menu; l: non-zero allows it, 0 forbids it
inline constexpr UINT EFM_SETEDITORSTATE = 1284;
// w: HGLOBAL of a data block (stays the caller's) → the number of characters inserted at the caret
inline constexpr UINT EFM_INSERTDATAFROM = 1285;
// w: index → 1 when a hyperlink covers it
inline constexpr UINT EFM_ISHYPERLINKAT = 1286;
// w: byte 0 character format index → edits that entry in the font dialog; on OK every character
// using it changes (no undo step)
inline constexpr UINT EFM_MODIFYFORMATFONT = 1287;
// w: byte 0 paragraph format index → edits that entry in the paragraph dialog; on OK every
// paragraph using it changes (no undo step)
inline constexpr UINT EFM_MODIFYFORMATPARA = 1288;
// w: byte 0 alignment, byte 2 paragraph format index → a break whose new paragraph takes them
inline constexpr UINT EFM_INSERTPARABREAKFORMATEX = 1289;
// → const TCharFormat* of the default character format
inline constexpr UINT EFM_GETDEFAULTFONT = 1290;
// w: byte 0, 0 Vietnamese, 1 English → the language of the editor's menus, dialogs and messages
inline constexpr UINT EFM_SETLANGUAGE = 1291;
// l: index → the 0-based line number (an index that starts a line counts as the line above's end)
inline constexpr UINT EFM_GETLINEOFINDEX = 1292;
// w: HDC; l: LOWORD page → draws the page at 96 pixels per inch (after EFM_BEGINPREVIEW)
inline constexpr UINT EFM_PREVIEWPAGEDC = 1293;
// l: RECT* ← (0, 0, page width, page height) of the print or preview layout
inline constexpr UINT EFM_GETPREVIEWRECTDC = 1294;
// → 1 when a preview layout at 96 pixels per inch started, 0 without a printer
inline constexpr UINT EFM_BEGINPREVIEW = 1295;
// Beyond the classic protocol, in a range it leaves free.
// w: 0 off, 1 new placement (hoà, thuý), 2 old placement (hòa, thúy) → the previous setting.
// With it on, a tone key of the accent table typed anywhere after a syllable's vowels puts the
// tone on the vowel the orthography gives; the same key again takes it off and types itself.
inline constexpr UINT EFM_SETTONEPLACEMENT = 1300;
// w: non-zero keeps text with combining marks as it comes in; 0 (the default) composes it
// (NFC) before it enters the document → the previous setting. Find matches a composed search
// text against decomposed text either way.
inline constexpr UINT EFM_KEEPDECOMPOSED = 1301;
// w: host handle; l: TObjectInfo* → inserts a host-drawn object from that record at the caret
// (floated beside the caret's line when oiFloated)
inline constexpr UINT EFM_INSERTEXTERNALOBJECT = 5171;

// w: the editor; l: TEditorState* (valid during the call) — the caret moved on the screen
inline constexpr UINT EFN_UPDATESTATE = 1202;
// w: text width - 10; l: horizontal scroll offset — the view scrolled sideways
inline constexpr UINT EFN_ORIGINCHANGE = 1218;
// w: object handle; l: object parameters → non-zero when the host handled the press
inline constexpr UINT EFN_EXOBJMOUSEDOWN = 1265;
// w: object handle; l: object parameters → non-zero when the host handled the release
inline constexpr UINT EFN_EXOBJMOUSEUP = 1266;
// host-drawn objects: free the host's data
inline constexpr UINT EFN_EXOBJFREE = 5001;
// host-drawn objects: the data to store
inline constexpr UINT EFN_EXOBJGETDATA = 5002;
// host-drawn objects: draw the object
inline constexpr UINT EFN_EXOBJDRAW = 5003;
// host-drawn objects: take stored data
inline constexpr UINT EFN_EXOBJSETDATA = 5004;
// host-drawn objects: act (double click)
inline constexpr UINT EFN_EXOBJACTION = 5005;
// host-drawn objects: copy from another object
inline constexpr UINT EFN_EXOBJINITFROM = 5006;
// host-drawn objects: create
inline constexpr UINT EFN_EXOBJCREATE = 5007;
// host-drawn objects: edit
inline constexpr UINT EFN_EXOBJMODIFY = 5008;
// host-drawn objects: the size
inline constexpr UINT EFN_EXOBJGETSIZE = 5009;
// w: the editor → non-zero when the host took the click over (click in the selection, double click)
inline constexpr UINT EFN_CLICK = 5150;
// w: virtual key; l: 1 when Ctrl is down — a key that is none of the editor's own
inline constexpr UINT EFN_KEYDOWN = 5151;
// w: the editor; l: caret index — right click while EFM_SETSPECIALRIGHTBUTTON is on
inline constexpr UINT EFN_RIGHTCLICK = 5152;
// w: the editor; l: THyperTextInfo* — a hyperlink was clicked
inline constexpr UINT EFN_HYPERLINK = 5153;
// posted; w: object data handle; l: TObjectInfo* — an object was clicked
inline constexpr UINT EFN_OBJCLICK = 5154;
// w: the editor → a printer HDC, or 0 for none
inline constexpr UINT EFN_QUERYPRINTER = 5155;
// column editor: w: HDC of the background picture; l: the editor — draw the backdrop now
inline constexpr UINT EFN_DRAWBACKGROUND = 5157;
// w: the editor; l: index under the mouse — the mouse rested half a second
inline constexpr UINT EFN_MOUSEWAIT = 5158;
// w: object kind; l: const char* link text → HGLOBAL of a linked object's data, or 0
inline constexpr UINT EFN_QUERYDATAOBJ = 5159;
// l: char[129] — write the face name of the editor's dialogs (default "Tahoma")
inline constexpr UINT EFN_QUERYSYSTEMFONT = 5160;
// posted — the user asked to print
inline constexpr UINT EFN_PRINT = 5161;
// w: the character (tab, CR, space); l: index of the word's last character — a word was finished
inline constexpr UINT EFN_BREAKCHAR = 5162;
// column editor: w: HDC of the background picture; l: the editor — the text was drawn
inline constexpr UINT EFN_BACKGROUNDDRAWN = 5164;
// l: the new top line — the view scrolled
inline constexpr UINT EFN_TOPLINECHANGED = 5165;
// w: 0xFFFF Vietnamese typing now on, 0 off
inline constexpr UINT EFN_INPUTCHANGED = 5166;
// a format table changed (entries added or edited, a document loaded or made new)
inline constexpr UINT EFN_FORMATCHANGED = 5167;
// w: -21 hand, -4 text, else arrow → an HCURSOR to use, or 0 for the editor's own
inline constexpr UINT EFN_GETCURSOR = 5168;
// w: task EFN_FILE_*; l: file name or buffer → task-dependent (see the tasks)
inline constexpr UINT EFN_FILECOMMAND = 5169;
// the document changed; EFM_GETMODIFIED now answers -1
inline constexpr UINT EFN_CHANGED = 5170;
// w: LOWORD x, HIWORD y; l: TCommentInfo* — a comment was clicked
inline constexpr UINT EFN_COMMENTCLICK = 5172;
// hide any comment the host shows (before repaints, scrolls, keys and clicks)
inline constexpr UINT EFN_HIDECOMMENT = 5173;
// w: index; l: code units inserted (> 0) or deleted (< 0)
inline constexpr UINT EFN_BUFFERCHANGED = 5174;
// w: the editor; l: THeaderFooterInfo* — draw a page's header and footer
inline constexpr UINT EFN_QUERYHEADERFOOTER = 5245;

// Tasks of EFN_FILECOMMAND, in the order the editor uses them.
// Before New or Open replaces the document; l: 0 → 1 refuses the command, 0 lets it go on.
inline constexpr WPARAM EFN_FILE_BEFORENEW = 4;
// After New made an empty document; l: 0.
inline constexpr WPARAM EFN_FILE_NEW = 0;
// After Open loaded a document; l: const char16_t* its file name.
inline constexpr WPARAM EFN_FILE_OPENED = 1;
// At the start of Save; l: char16_t[501] → non-zero when the host wrote the name to save
// under into it, 0 to let the editor ask with its save dialog.
inline constexpr WPARAM EFN_FILE_QUERYSAVENAME = 3;
// After Save wrote the file; l: const char16_t* its file name.
inline constexpr WPARAM EFN_FILE_SAVED = 2;

// Every number of the editor's own protocol; any other reaches the default window procedure.
inline constexpr std::array<UINT, 140> EditorMessageNumbers = {
    1150, 1151, 1152, 1153, 1154, 1155, 1156, 1157, 1158, 1159, 1160, 1162, 1164, 1165, 1166, 1167,
    1168, 1169, 1170, 1171, 1172, 1173, 1174, 1175, 1176, 1177, 1178, 1179, 1180, 1181, 1182, 1183,
    1184, 1185, 1186, 1187, 1188, 1189, 1190, 1191, 1192, 1193, 1195, 1197, 1198, 1199, 1200, 1201,
    1203, 1204, 1205, 1206, 1207, 1208, 1209, 1210, 1211, 1212, 1213, 1214, 1215, 1216, 1217, 1219,
    1220, 1221, 1222, 1223, 1224, 1225, 1226, 1227, 1228, 1229, 1230, 1231, 1232, 1233, 1234, 1236,
    1237, 1238, 1239, 1240, 1241, 1242, 1243, 1244, 1245, 1246, 1247, 1248, 1249, 1250, 1251, 1252,
    1253, 1254, 1255, 1256, 1257, 1258, 1259, 1260, 1261, 1262, 1263, 1264, 1267, 1268, 1269, 1270,
    1271, 1272, 1273, 1274, 1275, 1276, 1277, 1278, 1279, 1280, 1281, 1282, 1283, 1284, 1285, 1286,
    1287, 1288, 1289, 1290, 1291, 1292, 1293, 1294, 1295, 1300, 1301, 5171};
