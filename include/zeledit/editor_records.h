// The packed records the editor stores in documents and exchanges with its host.
// Little-endian, no padding; sizes and offsets are part of the document format.
#pragma once

#include <zeledit/win_types.h>

#include <cstddef>
#include <cstdint>

#pragma pack(push, 1)

struct TCharFormat {
    char ftFaceName[51];
    std::int16_t ftHeight; // points
    std::uint8_t ftAttr;   // 1 bold, 2 italic, 8 hot link
    COLORREF ftColor;
    std::int16_t ftShadow;
    COLORREF ftShadColor;
    std::int16_t ftScale;  // percent; 0 reads as 100
    std::int16_t ftScript; // > 0 superscript, < 0 subscript
    std::uint16_t ftUnderline;
    COLORREF ftUnderlineColor;
    std::uint16_t ftStrikethrough;
    COLORREF ftStrikeColor;
    std::int32_t ftReserved;
};

struct TIndent {
    double inFirst; // inches, relative to inLeft
    double inLeft;
    double inRight;
};

struct TBorderEdge {
    std::uint8_t beStyle; // low nibble line style, high nibble box kind
    double beSpace;       // points
    COLORREF beColor;
};

struct TBorder {
    TBorderEdge btLeft;
    TBorderEdge btTop;
    TBorderEdge btRight;
    TBorderEdge btBottom;
};

struct TBullet {
    std::uint8_t blPresent;
    char blFaceName[51];
    std::uint8_t blChar;
    std::int16_t blSize; // points; 0 automatic
    COLORREF blColor;
    std::uint8_t blHanging;
    double blIndent; // inches
};

struct TTab {
    double tbPosition;     // inches
    std::uint8_t tbAlign;  // 0 left, 1 centre, 2 right, 3 decimal, 4 bar
    std::uint8_t tbLeader; // 0 none, 1 dots, 2 dashes, 3 underline
    std::uint8_t tbDefault;
};

inline constexpr int TabCount = 51;
struct TTabArray {
    TTab tabs[TabCount];
};

struct TParaFormat {
    TIndent ptIndent;
    std::uint8_t ptAlign;
    TBorder ptBorder;
    COLORREF ptShading;
    TBullet ptBullet;
    TTabArray ptTabs;
    std::uint16_t ptBefore; // points
    std::uint16_t ptAfter;
    std::uint32_t ptLineSpacing; // low word kind, high word value
    std::int32_t ptReserved;
};

struct TEditorState {
    TCharFormat stateCharFormat;
    TParaFormat stateParaFormat;
    std::uint8_t stateAlignment;
    std::uint8_t stateSelecting;
    std::uint8_t statePastable;
    std::int16_t stateOrigin;
    std::int32_t statePageWidth;
    std::uint8_t stateByUnit;
};

struct TPageRec {
    double pgTop; // inches
    double pgBottom;
    double pgLeft;
    double pgRight;
    double pgGutter;
    std::uint8_t pgDifFirst;
    std::uint8_t pgDifOddEven;
    std::int16_t pgStartAt;
    std::int32_t pgWidth;
    std::int32_t pgHeight;
    std::uint16_t pgScale;
    std::uint8_t pgIsMirror;
    std::uint16_t pgTabNumber;
};

struct TObjectmargins {
    double omLeft; // points
    double omTop;
    double omRight;
    double omBottom;
};

// The head of every embedded object, stored byte for byte before the object's data.
struct TObjectInfo {
    std::uint16_t oiStyle; // kind; 256 and above are the host's
    std::uint8_t oiID;     // 1..255, the format byte of the object's mark
    char oiIDText[129];
    std::uint16_t oiWidth; // reference pixels (96 per inch)
    std::uint16_t oiHeight;
    std::uint32_t oiSize; // bytes of data after the record
    std::uint8_t oiLink;  // the host supplies the data
    std::int16_t oiAction;
    std::uint16_t oiBelowHeight;
    std::uint8_t oiFloated;
    std::int32_t oiPosition; // floated: vertical document position
    std::uint8_t oiLayout;   // 0 left, 1 right
    std::int32_t oiData;     // kind-specific
    TObjectmargins oiMargins;
    std::uint8_t oiWrapText;
    std::uint32_t oiAnchorAt; // floated: the text position it moves with
    std::uint32_t oiReserved1;
    std::uint32_t oiReserved2;
};

// The stored data of a caption object (kind 6): one large character in its format. Records
// of 90 bytes (an 8-bit character, then the same fields one byte earlier) are older ones.
struct TCaptionInfoW {
    char16_t ciText;
    TCharFormat ciFormat;
    COLORREF ciBackground;
    std::uint8_t ciTransparent;
};

// The properties of a text box (kind 9); its text follows them when stored (a 32-bit length
// L at offset 96, then L bytes: the text, a zero unit and two zero bytes).
struct TTextInfo {
    TCharFormat tiFormat;
    COLORREF tiBackground;
    std::uint8_t tiFill;
    std::int16_t tiFrame; // 0 none, 1 to 10 a border style
    COLORREF tiFrameColor;
    std::uint8_t tiAlignment; // 0 left, 1 centre, 2 right, 3 justified
};

// The stored data of a drawing (kind 7).
struct TDrawingInfo {
    std::uint8_t diStyle; // 0 line, 1 rectangle, 2 ellipse
    POINT diDirection;    // the drawn extents; their signs give a line's direction
    std::uint16_t diWidth;
    COLORREF diLineColor;
    COLORREF diFillColor;
    std::uint8_t diOutline;
    std::uint8_t diFill;
};

// A hyperlink or comment over a range of the text; a comment's text follows the record
// when it is stored.
struct THyperTextInfo {
    std::int32_t ikStart;
    std::int32_t ikEnd;       // one past the range's last character
    std::int16_t ikData;      // the host's number for a hyperlink; 0 for a comment
    std::uint16_t ikTextSize; // bytes of comment text after the stored record
    char ikText[256];         // hyperlink target, zero-terminated
};

#pragma pack(pop)

// What the editor and its host exchange about a host-owned object (kinds 256 and above), in
// the external-object notifications; natural alignment (the window and device context are
// pointers).
struct TExObjParams {
    std::uint32_t Handle; // the host's handle of its object
    TObjectInfo Info;
    HWND Window;            // the editor
    std::uint32_t Position; // mouse position: x low 16 bits, y high 16 bits
    std::uint32_t Reserved;
};

struct TExternalDrawData {
    TObjectInfo ddInfo;
    std::uint32_t ddHandle;
    HDC ddDC;
    std::int32_t ddX, ddY;
    std::int32_t ddBackground;
    std::uint8_t ddPrinting;
    std::int32_t ddOldX, ddOldY;
    std::int32_t ddPixelsPerInch; // the reference resolution, 96
    std::int32_t ddDotPerInch;    // the device's
    HWND ddEditor;                // not set: 0
};

// The record of EFM_INSERTHYPERLINK, in natural alignment.
struct TInsertHyperLink {
    std::int32_t Start;
    std::int32_t End;
    const char* Text; // the target, 8-bit, zero-terminated; may be null
    std::int32_t Data;
};

// The record of EFM_ADDDATA, in natural alignment: another editor's text, its format bytes
// (text length + 2 of them, EFM_GETFORMATBUFFER) and its object list (EFM_GETOBJECTS) or null.
struct TAddData {
    const char16_t* Text;
    const std::uint8_t* Formats;
    const void* Objects;
};

// A clicked comment, handed to the host with EFN_COMMENTCLICK; natural alignment.
struct TCommentInfo {
    std::int32_t ciStart;
    std::int32_t ciEnd;
    std::int16_t ciData;
    const char16_t* ciComment; // format code text, zero-terminated
};

// Find options, one byte.
inline constexpr std::uint8_t efoMatchCase = 1;
inline constexpr std::uint8_t efoWholeWord = 2;

// The records of the find and replace messages, in natural alignment. A start of -1 searches
// from the selection's end or the caret.
struct TFindRecord { // EFM_FIND
    std::int32_t Start;
    const char16_t* Text; // zero-terminated
    std::uint8_t Show;    // 1: select what is found
    std::uint8_t Options; // efoMatchCase, efoWholeWord
};

struct TFindFormatRecord { // EFM_FINDFORMAT
    std::int32_t Start;
    char16_t* Buffer; // receives the run found, zero-terminated; may be null
    std::uint8_t Show;
    std::uint32_t BufferSize; // code units, the zero included
};

// The selection is replaced by Text, which takes Format when it is not null and otherwise the
// format of the character that follows the selection (not that of the text replaced). An
// empty Text with a Format applies the Format to the selection instead.
struct TReplaceRecord {   // EFM_REPLACEWITH
    const char16_t* Text; // zero-terminated
    const TCharFormat* Format;
};

// Every match of FindText from the caret on is replaced as EFM_REPLACEWITH replaces it.
struct TReplaceAllRecord { // EFM_REPLACEALL
    const char16_t* FindText;
    const char16_t* ReplaceText;
    const TCharFormat* Format; // may be null
    std::uint8_t Options;      // efoMatchCase, efoWholeWord
};

// The record of EFM_PRINTPAGE: the page to print (1 first); the editor writes the printable
// rectangle it used: left and top margins in Rect.left and Rect.top, the printable width and
// height in Rect.right and Rect.bottom (printer pixels of the print layout).
struct TPrintPageRequest {
    std::uint16_t Page;
    RECT Rect;
    std::uint16_t Flags; // not read
};

// The record of EFM_PAGEPREVIEW, in natural alignment: the page (1 first) is drawn into DC at
// Zoom percent of its printed size, the page's corner at the context's origin.
struct TPreviewRequest {
    HDC DC;
    std::uint16_t Page;
    RECT Rect; // not read
    std::uint16_t Zoom;
};

// The record of EFN_QUERYHEADERFOOTER, in natural alignment. The context's origin sits at the
// top-left corner of the page's printable area and Rect is that area (0, 0, width, height) in
// the page's pixels: a header lies at negative y, a footer below Rect.bottom.
struct THeaderFooterInfo {
    HDC DC;
    std::uint16_t Page;
    RECT Rect;
};

// The record of EFM_ADDMENU, in natural alignment: a host's item for the editor's context
// menus. Place: the command of an existing item; negative inserts before it, positive after
// it; with no such item the new one is appended. Choosing the item sends WM_COMMAND with
// Command to the editor's window, which the host receives by subclassing it.
struct TMenuItemRecord {
    const char16_t* Caption; // zero-terminated
    std::uint16_t Command;
    std::int32_t Image; // kept for the host; the menus show no item pictures
    std::int32_t Place;
};

// Natural alignment: two bytes of padding follow NewName.
struct TChangeFont {
    char OldName[129];
    char NewName[129];
    std::int32_t OldSize;
    std::int32_t Bold;
    std::int32_t Italic;
    std::int32_t Underline;
    std::uint8_t Redraw;
    COLORREF UnderlineColor;
    std::int32_t Strikethrough;
    COLORREF StrikeColor;
    std::int32_t Size;
};

static_assert(sizeof(TCharFormat) == 84);
static_assert(sizeof(TCaptionInfoW) == 91 && offsetof(TCaptionInfoW, ciFormat) == 2 &&
              offsetof(TCaptionInfoW, ciBackground) == 86 && offsetof(TCaptionInfoW, ciTransparent) == 90);
static_assert(sizeof(TTextInfo) == 96 && offsetof(TTextInfo, tiBackground) == 84 &&
              offsetof(TTextInfo, tiFill) == 88 && offsetof(TTextInfo, tiFrame) == 89 &&
              offsetof(TTextInfo, tiFrameColor) == 91 && offsetof(TTextInfo, tiAlignment) == 95);
static_assert(sizeof(TDrawingInfo) == 21 && offsetof(TDrawingInfo, diDirection) == 1 &&
              offsetof(TDrawingInfo, diWidth) == 9 && offsetof(TDrawingInfo, diLineColor) == 11 &&
              offsetof(TDrawingInfo, diFillColor) == 15 && offsetof(TDrawingInfo, diOutline) == 19 &&
              offsetof(TDrawingInfo, diFill) == 20);
static_assert(offsetof(TCharFormat, ftHeight) == 51 && offsetof(TCharFormat, ftAttr) == 53);
static_assert(offsetof(TCharFormat, ftColor) == 54 && offsetof(TCharFormat, ftShadow) == 58);
static_assert(offsetof(TCharFormat, ftShadColor) == 60 && offsetof(TCharFormat, ftScale) == 64);
static_assert(offsetof(TCharFormat, ftScript) == 66 && offsetof(TCharFormat, ftUnderline) == 68);
static_assert(offsetof(TCharFormat, ftUnderlineColor) == 70 && offsetof(TCharFormat, ftStrikethrough) == 74);
static_assert(offsetof(TCharFormat, ftStrikeColor) == 76 && offsetof(TCharFormat, ftReserved) == 80);
static_assert(sizeof(TIndent) == 24 && offsetof(TIndent, inLeft) == 8 && offsetof(TIndent, inRight) == 16);
static_assert(sizeof(TBorderEdge) == 13 && offsetof(TBorderEdge, beSpace) == 1 &&
              offsetof(TBorderEdge, beColor) == 9);
static_assert(sizeof(TBorder) == 52 && offsetof(TBorder, btTop) == 13 && offsetof(TBorder, btRight) == 26 &&
              offsetof(TBorder, btBottom) == 39);
static_assert(sizeof(TBullet) == 68 && offsetof(TBullet, blFaceName) == 1 && offsetof(TBullet, blChar) == 52);
static_assert(offsetof(TBullet, blSize) == 53 && offsetof(TBullet, blColor) == 55);
static_assert(offsetof(TBullet, blHanging) == 59 && offsetof(TBullet, blIndent) == 60);
static_assert(sizeof(TTab) == 11 && offsetof(TTab, tbAlign) == 8 && offsetof(TTab, tbLeader) == 9 &&
              offsetof(TTab, tbDefault) == 10);
static_assert(sizeof(TTabArray) == 561);
static_assert(sizeof(TParaFormat) == 722);
static_assert(offsetof(TParaFormat, ptAlign) == 24 && offsetof(TParaFormat, ptBorder) == 25);
static_assert(offsetof(TParaFormat, ptShading) == 77 && offsetof(TParaFormat, ptBullet) == 81);
static_assert(offsetof(TParaFormat, ptTabs) == 149 && offsetof(TParaFormat, ptBefore) == 710);
static_assert(offsetof(TParaFormat, ptAfter) == 712 && offsetof(TParaFormat, ptLineSpacing) == 714);
static_assert(offsetof(TParaFormat, ptReserved) == 718);
static_assert(sizeof(TEditorState) == 816);
static_assert(offsetof(TEditorState, stateParaFormat) == 84 && offsetof(TEditorState, stateAlignment) == 806);
static_assert(offsetof(TEditorState, stateSelecting) == 807 && offsetof(TEditorState, statePastable) == 808);
static_assert(offsetof(TEditorState, stateOrigin) == 809 && offsetof(TEditorState, statePageWidth) == 811);
static_assert(offsetof(TEditorState, stateByUnit) == 815);
static_assert(sizeof(TPageRec) == 57);
static_assert(offsetof(TPageRec, pgBottom) == 8 && offsetof(TPageRec, pgLeft) == 16 &&
              offsetof(TPageRec, pgRight) == 24);
static_assert(offsetof(TPageRec, pgGutter) == 32 && offsetof(TPageRec, pgDifFirst) == 40);
static_assert(offsetof(TPageRec, pgDifOddEven) == 41 && offsetof(TPageRec, pgStartAt) == 42);
static_assert(offsetof(TPageRec, pgWidth) == 44 && offsetof(TPageRec, pgHeight) == 48);
static_assert(offsetof(TPageRec, pgScale) == 52 && offsetof(TPageRec, pgIsMirror) == 54);
static_assert(offsetof(TPageRec, pgTabNumber) == 55);
static_assert(sizeof(TObjectmargins) == 32 && sizeof(TObjectInfo) == 200);
static_assert(offsetof(TObjectInfo, oiID) == 2 && offsetof(TObjectInfo, oiIDText) == 3);
static_assert(offsetof(TObjectInfo, oiWidth) == 132 && offsetof(TObjectInfo, oiHeight) == 134);
static_assert(offsetof(TObjectInfo, oiSize) == 136 && offsetof(TObjectInfo, oiLink) == 140);
static_assert(offsetof(TObjectInfo, oiAction) == 141 && offsetof(TObjectInfo, oiBelowHeight) == 143);
static_assert(offsetof(TObjectInfo, oiFloated) == 145 && offsetof(TObjectInfo, oiPosition) == 146);
static_assert(offsetof(TObjectInfo, oiLayout) == 150 && offsetof(TObjectInfo, oiData) == 151);
static_assert(offsetof(TObjectInfo, oiMargins) == 155 && offsetof(TObjectInfo, oiWrapText) == 187);
static_assert(offsetof(TObjectInfo, oiAnchorAt) == 188 && offsetof(TObjectInfo, oiReserved1) == 192);
static_assert(sizeof(THyperTextInfo) == 268 && offsetof(THyperTextInfo, ikData) == 8 &&
              offsetof(THyperTextInfo, ikTextSize) == 10 && offsetof(THyperTextInfo, ikText) == 12);
static_assert(offsetof(TObjectInfo, oiReserved2) == 196);
static_assert(sizeof(TChangeFont) == 296);
static_assert(offsetof(TChangeFont, NewName) == 129 && offsetof(TChangeFont, OldSize) == 260);
static_assert(offsetof(TChangeFont, Bold) == 264 && offsetof(TChangeFont, Italic) == 268);
static_assert(offsetof(TChangeFont, Underline) == 272 && offsetof(TChangeFont, Redraw) == 276);
static_assert(offsetof(TChangeFont, UnderlineColor) == 280 && offsetof(TChangeFont, Strikethrough) == 284);
static_assert(offsetof(TChangeFont, StrikeColor) == 288 && offsetof(TChangeFont, Size) == 292);

using PCharFormat = TCharFormat*;
using PParaFormat = TParaFormat*;
using PObjectInfo = TObjectInfo*;
