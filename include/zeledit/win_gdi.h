// Device contexts and drawing: window, memory, screen and printer (PDF) device contexts,
// mapping modes, clipping, pens, brushes, fonts and text, bitmaps and DIBs, palettes and
// metafile playback.
#pragma once

#include <zeledit/win_types.h>

inline constexpr COLORREF CLR_INVALID = 0xFFFFFFFF;
inline constexpr int GDI_ERROR = -1;
inline constexpr int LF_FACESIZE = 32;
inline constexpr int LF_FULLFACESIZE = 64;

// Stock objects.
inline constexpr int WHITE_BRUSH = 0;
inline constexpr int LTGRAY_BRUSH = 1;
inline constexpr int GRAY_BRUSH = 2;
inline constexpr int DKGRAY_BRUSH = 3;
inline constexpr int BLACK_BRUSH = 4;
inline constexpr int NULL_BRUSH = 5;
inline constexpr int HOLLOW_BRUSH = NULL_BRUSH;
inline constexpr int WHITE_PEN = 6;
inline constexpr int BLACK_PEN = 7;
inline constexpr int NULL_PEN = 8;
inline constexpr int SYSTEM_FONT = 13;
inline constexpr int DEFAULT_GUI_FONT = 17;
inline constexpr int DEFAULT_PALETTE = 15;

// Object kinds (GetObjectType).
inline constexpr DWORD OBJ_PEN = 1;
inline constexpr DWORD OBJ_BRUSH = 2;
inline constexpr DWORD OBJ_DC = 3;
inline constexpr DWORD OBJ_PAL = 5;
inline constexpr DWORD OBJ_FONT = 6;
inline constexpr DWORD OBJ_BITMAP = 7;
inline constexpr DWORD OBJ_REGION = 8;
inline constexpr DWORD OBJ_MEMDC = 10;
inline constexpr DWORD OBJ_ENHMETAFILE = 13;

// Pens.
inline constexpr int PS_SOLID = 0;
inline constexpr int PS_DASH = 1;
inline constexpr int PS_DOT = 2;
inline constexpr int PS_DASHDOT = 3;
inline constexpr int PS_DASHDOTDOT = 4;
inline constexpr int PS_NULL = 5;
inline constexpr int PS_INSIDEFRAME = 6;
inline constexpr int PS_STYLE_MASK = 0x0F;
inline constexpr int PS_ENDCAP_FLAT = 0x200;
inline constexpr int PS_GEOMETRIC = 0x10000;

// Brushes.
inline constexpr UINT BS_SOLID = 0;
inline constexpr UINT BS_NULL = 1;
inline constexpr UINT BS_HOLLOW = BS_NULL;
inline constexpr UINT BS_HATCHED = 2;
inline constexpr int HS_HORIZONTAL = 0;
inline constexpr int HS_VERTICAL = 1;
inline constexpr int HS_FDIAGONAL = 2;
inline constexpr int HS_BDIAGONAL = 3;
inline constexpr int HS_CROSS = 4;
inline constexpr int HS_DIAGCROSS = 5;

// Background, raster operations, stretching.
inline constexpr int TRANSPARENT = 1;
inline constexpr int OPAQUE = 2;
inline constexpr int R2_BLACK = 1;
inline constexpr int R2_NOT = 6;
inline constexpr int R2_XORPEN = 7;
inline constexpr int R2_NOP = 11;
inline constexpr int R2_COPYPEN = 13;
inline constexpr int R2_WHITE = 16;
inline constexpr DWORD SRCCOPY = 0x00CC0020;
inline constexpr DWORD SRCPAINT = 0x00EE0086;
inline constexpr DWORD SRCAND = 0x008800C6;
inline constexpr DWORD SRCINVERT = 0x00660046;
inline constexpr DWORD NOTSRCCOPY = 0x00330008;
inline constexpr DWORD DSTINVERT = 0x00550009;
inline constexpr DWORD PATCOPY = 0x00F00021;
inline constexpr DWORD PATINVERT = 0x005A0049;
inline constexpr DWORD BLACKNESS = 0x00000042;
inline constexpr DWORD WHITENESS = 0x00FF0062;
inline constexpr int BLACKONWHITE = 1;
inline constexpr int WHITEONBLACK = 2;
inline constexpr int COLORONCOLOR = 3;
inline constexpr int HALFTONE = 4;

// Text alignment.
inline constexpr UINT TA_NOUPDATECP = 0;
inline constexpr UINT TA_UPDATECP = 1;
inline constexpr UINT TA_LEFT = 0;
inline constexpr UINT TA_RIGHT = 2;
inline constexpr UINT TA_CENTER = 6;
inline constexpr UINT TA_TOP = 0;
inline constexpr UINT TA_BOTTOM = 8;
inline constexpr UINT TA_BASELINE = 24;
inline constexpr UINT ETO_OPAQUE = 0x0002;
// DrawTextW formats.
inline constexpr UINT DT_TOP = 0x0000;
inline constexpr UINT DT_LEFT = 0x0000;
inline constexpr UINT DT_CENTER = 0x0001;
inline constexpr UINT DT_RIGHT = 0x0002;
inline constexpr UINT DT_VCENTER = 0x0004;
inline constexpr UINT DT_BOTTOM = 0x0008;
inline constexpr UINT DT_WORDBREAK = 0x0010;
inline constexpr UINT DT_SINGLELINE = 0x0020;
inline constexpr UINT DT_NOCLIP = 0x0100;
inline constexpr UINT DT_CALCRECT = 0x0400;
inline constexpr UINT DT_NOPREFIX = 0x0800;
inline constexpr UINT ETO_CLIPPED = 0x0004;

// Mapping and transforms.
inline constexpr int MM_TEXT = 1;
inline constexpr int MM_LOMETRIC = 2;
inline constexpr int MM_HIMETRIC = 3;
inline constexpr int MM_LOENGLISH = 4;
inline constexpr int MM_HIENGLISH = 5;
inline constexpr int MM_TWIPS = 6;
inline constexpr int MM_ISOTROPIC = 7;
inline constexpr int MM_ANISOTROPIC = 8;
inline constexpr int GM_COMPATIBLE = 1;
inline constexpr int GM_ADVANCED = 2;
inline constexpr DWORD MWT_IDENTITY = 1;

// Clipping and regions.
inline constexpr int ERROR = 0;
inline constexpr int NULLREGION = 1;
inline constexpr int SIMPLEREGION = 2;
inline constexpr int COMPLEXREGION = 3;
inline constexpr int RGN_AND = 1;
inline constexpr int RGN_OR = 2;
inline constexpr int RGN_DIFF = 4;
inline constexpr int RGN_COPY = 5;

// Device capabilities.
inline constexpr int DRIVERVERSION = 0;
inline constexpr int TECHNOLOGY = 2;
inline constexpr int HORZSIZE = 4;
inline constexpr int VERTSIZE = 6;
inline constexpr int HORZRES = 8;
inline constexpr int VERTRES = 10;
inline constexpr int BITSPIXEL = 12;
inline constexpr int PLANES = 14;
inline constexpr int NUMCOLORS = 24;
inline constexpr int RASTERCAPS = 38;
inline constexpr int LOGPIXELSX = 88;
inline constexpr int LOGPIXELSY = 90;
inline constexpr int SIZEPALETTE = 104;
inline constexpr int PHYSICALWIDTH = 110;
inline constexpr int PHYSICALHEIGHT = 111;
inline constexpr int PHYSICALOFFSETX = 112;
inline constexpr int PHYSICALOFFSETY = 113;
inline constexpr int DT_RASDISPLAY = 1;
inline constexpr int DT_RASPRINTER = 2;
inline constexpr int RC_BITBLT = 0x0001;
inline constexpr int RC_BITMAP64 = 0x0008;
inline constexpr int RC_DI_BITMAP = 0x0080;
inline constexpr int RC_PALETTE = 0x0100;
inline constexpr int RC_DIBTODEV = 0x0200;
inline constexpr int RC_STRETCHBLT = 0x0800;
inline constexpr int RC_STRETCHDIB = 0x2000;

// Fonts.
inline constexpr LONG FW_DONTCARE = 0;
inline constexpr LONG FW_NORMAL = 400;
inline constexpr LONG FW_BOLD = 700;
inline constexpr BYTE ANSI_CHARSET = 0;
inline constexpr BYTE DEFAULT_CHARSET = 1;
inline constexpr BYTE SYMBOL_CHARSET = 2;
inline constexpr BYTE VIETNAMESE_CHARSET = 163;
inline constexpr BYTE OUT_DEFAULT_PRECIS = 0;
inline constexpr BYTE OUT_TT_PRECIS = 4;
inline constexpr BYTE CLIP_DEFAULT_PRECIS = 0;
inline constexpr BYTE DEFAULT_QUALITY = 0;
inline constexpr BYTE PROOF_QUALITY = 2;
inline constexpr BYTE ANTIALIASED_QUALITY = 4;
inline constexpr BYTE DEFAULT_PITCH = 0;
inline constexpr BYTE FIXED_PITCH = 1;
inline constexpr BYTE VARIABLE_PITCH = 2;
inline constexpr BYTE FF_DONTCARE = 0x00;
inline constexpr BYTE FF_ROMAN = 0x10;
inline constexpr BYTE FF_SWISS = 0x20;
inline constexpr BYTE FF_MODERN = 0x30;
inline constexpr BYTE TMPF_FIXED_PITCH = 0x01;
inline constexpr BYTE TMPF_VECTOR = 0x02;
inline constexpr BYTE TMPF_TRUETYPE = 0x04;

struct LOGFONTW {
    LONG lfHeight;
    LONG lfWidth;
    LONG lfEscapement;
    LONG lfOrientation;
    LONG lfWeight;
    BYTE lfItalic;
    BYTE lfUnderline;
    BYTE lfStrikeOut;
    BYTE lfCharSet;
    BYTE lfOutPrecision;
    BYTE lfClipPrecision;
    BYTE lfQuality;
    BYTE lfPitchAndFamily;
    WCHAR lfFaceName[LF_FACESIZE];
};

struct TEXTMETRICW {
    LONG tmHeight;
    LONG tmAscent;
    LONG tmDescent;
    LONG tmInternalLeading;
    LONG tmExternalLeading;
    LONG tmAveCharWidth;
    LONG tmMaxCharWidth;
    LONG tmWeight;
    LONG tmOverhang;
    LONG tmDigitizedAspectX;
    LONG tmDigitizedAspectY;
    WCHAR tmFirstChar;
    WCHAR tmLastChar;
    WCHAR tmDefaultChar;
    WCHAR tmBreakChar;
    BYTE tmItalic;
    BYTE tmUnderlined;
    BYTE tmStruckOut;
    BYTE tmPitchAndFamily;
    BYTE tmCharSet;
};

struct PANOSE {
    BYTE values[10];
};

// Name fields hold byte offsets from the start of the record, as on the real system.
struct OUTLINETEXTMETRICW {
    UINT otmSize;
    TEXTMETRICW otmTextMetrics;
    BYTE otmFiller;
    PANOSE otmPanoseNumber;
    UINT otmfsSelection;
    UINT otmfsType;
    int otmsCharSlopeRise;
    int otmsCharSlopeRun;
    int otmItalicAngle;
    UINT otmEMSquare;
    int otmAscent;
    int otmDescent;
    UINT otmLineGap;
    UINT otmsCapEmHeight;
    UINT otmsXHeight;
    RECT otmrcFontBox;
    int otmMacAscent;
    int otmMacDescent;
    UINT otmMacLineGap;
    UINT otmusMinimumPPEM;
    POINT otmptSubscriptSize;
    POINT otmptSubscriptOffset;
    POINT otmptSuperscriptSize;
    POINT otmptSuperscriptOffset;
    UINT otmsStrikeoutSize;
    int otmsStrikeoutPosition;
    int otmsUnderscoreSize;
    int otmsUnderscorePosition;
    UINT_PTR otmpFamilyName;
    UINT_PTR otmpFaceName;
    UINT_PTR otmpStyleName;
    UINT_PTR otmpFullName;
};

struct FIXED {
    WORD fract;
    SHORT value;
};
struct MAT2 {
    FIXED eM11, eM12, eM21, eM22;
};
struct POINTFX {
    FIXED x, y;
};
struct GLYPHMETRICS {
    UINT gmBlackBoxX;
    UINT gmBlackBoxY;
    POINT gmptGlyphOrigin;
    SHORT gmCellIncX;
    SHORT gmCellIncY;
};
struct TTPOLYGONHEADER {
    DWORD cb;
    DWORD dwType;
    POINTFX pfxStart;
};
struct TTPOLYCURVE {
    WORD wType;
    WORD cpfx;
    POINTFX apfx[1];
};
inline constexpr UINT GGO_METRICS = 0;
inline constexpr UINT GGO_NATIVE = 2;
inline constexpr UINT GGO_GLYPH_INDEX = 0x0080;
inline constexpr DWORD TT_POLYGON_TYPE = 24;
inline constexpr WORD TT_PRIM_LINE = 1;
inline constexpr WORD TT_PRIM_QSPLINE = 2;
inline constexpr WORD TT_PRIM_CSPLINE = 3;

struct LOGPEN {
    UINT lopnStyle;
    POINT lopnWidth;
    COLORREF lopnColor;
};
struct LOGBRUSH {
    UINT lbStyle;
    COLORREF lbColor;
    ULONG_PTR lbHatch;
};

struct BITMAP {
    LONG bmType;
    LONG bmWidth;
    LONG bmHeight;
    LONG bmWidthBytes;
    WORD bmPlanes;
    WORD bmBitsPixel;
    LPVOID bmBits;
};

#pragma pack(push, 1)
struct BITMAPFILEHEADER {
    WORD bfType;
    DWORD bfSize;
    WORD bfReserved1;
    WORD bfReserved2;
    DWORD bfOffBits;
};
#pragma pack(pop)
static_assert(sizeof(BITMAPFILEHEADER) == 14);

struct BITMAPINFOHEADER {
    DWORD biSize;
    LONG biWidth;
    LONG biHeight;
    WORD biPlanes;
    WORD biBitCount;
    DWORD biCompression;
    DWORD biSizeImage;
    LONG biXPelsPerMeter;
    LONG biYPelsPerMeter;
    DWORD biClrUsed;
    DWORD biClrImportant;
};
static_assert(sizeof(BITMAPINFOHEADER) == 40);
struct RGBQUAD {
    BYTE rgbBlue;
    BYTE rgbGreen;
    BYTE rgbRed;
    BYTE rgbReserved;
};
struct BITMAPINFO {
    BITMAPINFOHEADER bmiHeader;
    RGBQUAD bmiColors[1];
};
inline constexpr DWORD BI_RGB = 0;
inline constexpr DWORD BI_RLE8 = 1;
inline constexpr DWORD BI_RLE4 = 2;
inline constexpr DWORD BI_BITFIELDS = 3;
inline constexpr UINT DIB_RGB_COLORS = 0;
inline constexpr UINT DIB_PAL_COLORS = 1;

struct PALETTEENTRY {
    BYTE peRed;
    BYTE peGreen;
    BYTE peBlue;
    BYTE peFlags;
};
struct LOGPALETTE {
    WORD palVersion;
    WORD palNumEntries;
    PALETTEENTRY palPalEntry[1];
};

struct XFORM {
    float eM11;
    float eM12;
    float eM21;
    float eM22;
    float eDx;
    float eDy;
};

// Printing. The printers are "PDF", always there, and the printers of a CUPS server where one
// answers (EnumPrintersW lists them, GetDefaultPrinterW names the default). CreateDCW opens one
// by name (as `device`, or as `driver`) with an optional DEVMODEW for paper, orientation,
// resolution and copies; the PDF printer defaults to A4 at 600 dots per inch, a CUPS printer to
// its own paper, margins and resolution. DOCINFOW::lpszOutput names a file to write (the PDF
// printer needs one); without it a CUPS printer receives the job as PDF at EndDoc.
struct DOCINFOW {
    int cbSize;
    LPCWSTR lpszDocName;
    LPCWSTR lpszOutput;
    LPCWSTR lpszDatatype;
    DWORD fwType;
};
inline constexpr DWORD DM_ORIENTATION = 0x00000001;
inline constexpr DWORD DM_PAPERSIZE = 0x00000002;
inline constexpr DWORD DM_COPIES = 0x00000100;
inline constexpr short DMPAPER_LETTER = 1;
inline constexpr short DMPAPER_LEGAL = 5;
inline constexpr short DMPAPER_EXECUTIVE = 7;
inline constexpr short DMPAPER_A3 = 8;
inline constexpr short DMPAPER_A4 = 9;
inline constexpr short DMPAPER_A5 = 11;
inline constexpr short DMPAPER_B5 = 13;
inline constexpr DWORD DM_PAPERLENGTH = 0x00000004;
inline constexpr DWORD DM_PAPERWIDTH = 0x00000008;
inline constexpr DWORD DM_PRINTQUALITY = 0x00000400;
inline constexpr DWORD DM_YRESOLUTION = 0x00002000;
inline constexpr short DMORIENT_PORTRAIT = 1;
inline constexpr short DMORIENT_LANDSCAPE = 2;
struct DEVMODEW {
    WCHAR dmDeviceName[32];
    WORD dmSpecVersion;
    WORD dmDriverVersion;
    WORD dmSize;
    WORD dmDriverExtra;
    DWORD dmFields;
    short dmOrientation;
    short dmPaperSize;
    short dmPaperLength; // tenths of a millimetre
    short dmPaperWidth;  // tenths of a millimetre
    short dmScale;
    short dmCopies;
    short dmDefaultSource;
    short dmPrintQuality; // horizontal dots per inch
    short dmColor;
    short dmDuplex;
    short dmYResolution; // vertical dots per inch
    short dmTTOption;
    short dmCollate; // DMCOLLATE_TRUE: each copy whole, in turn
};
inline constexpr DWORD DM_COLLATE = 0x00008000;
inline constexpr short DMCOLLATE_FALSE = 0, DMCOLLATE_TRUE = 1;

// Metafiles.
struct ENHMETAHEADER {
    DWORD iType;
    DWORD nSize;
    RECT rclBounds;
    RECT rclFrame;
    DWORD dSignature;
    DWORD nVersion;
    DWORD nBytes;
    DWORD nRecords;
    WORD nHandles;
    WORD sReserved;
    DWORD nDescription;
    DWORD offDescription;
    DWORD nPalEntries;
    SIZE szlDevice;
    SIZE szlMillimeters;
};

extern "C" {
// Device contexts.
ZE_API HDC GetDC(HWND hwnd);
ZE_API int ReleaseDC(HWND hwnd, HDC dc);
ZE_API HDC CreateCompatibleDC(HDC dc);
ZE_API HDC CreateDCW(LPCWSTR driver, LPCWSTR device, LPCWSTR port, const DEVMODEW* mode);
ZE_API BOOL DeleteDC(HDC dc);
ZE_API int SaveDC(HDC dc);
ZE_API BOOL RestoreDC(HDC dc, int saved);
ZE_API int GetDeviceCaps(HDC dc, int index);
ZE_API HGDIOBJ SelectObject(HDC dc, HGDIOBJ object);
ZE_API HGDIOBJ GetCurrentObject(HDC dc, UINT type);
ZE_API BOOL DeleteObject(HGDIOBJ object);
ZE_API HGDIOBJ GetStockObject(int index);
ZE_API int GetObjectW(HGDIOBJ object, int size, LPVOID buffer);
ZE_API DWORD GetObjectType(HGDIOBJ object);
ZE_API BOOL UnrealizeObject(HGDIOBJ object);

// Attributes.
ZE_API int SetBkMode(HDC dc, int mode);
ZE_API int GetBkMode(HDC dc);
ZE_API COLORREF SetBkColor(HDC dc, COLORREF color);
ZE_API COLORREF GetBkColor(HDC dc);
ZE_API COLORREF SetTextColor(HDC dc, COLORREF color);
ZE_API COLORREF GetTextColor(HDC dc);
ZE_API UINT SetTextAlign(HDC dc, UINT align);
ZE_API UINT GetTextAlign(HDC dc);
ZE_API int SetROP2(HDC dc, int rop);
ZE_API int GetROP2(HDC dc);
ZE_API int SetStretchBltMode(HDC dc, int mode);
ZE_API int GetStretchBltMode(HDC dc);

// Mapping.
ZE_API int SetMapMode(HDC dc, int mode);
ZE_API int GetMapMode(HDC dc);
ZE_API BOOL SetWindowExtEx(HDC dc, int x, int y, SIZE* old);
ZE_API BOOL SetViewportExtEx(HDC dc, int x, int y, SIZE* old);
ZE_API BOOL SetWindowOrgEx(HDC dc, int x, int y, POINT* old);
ZE_API BOOL SetViewportOrgEx(HDC dc, int x, int y, POINT* old);
ZE_API BOOL GetWindowOrgEx(HDC dc, POINT* org);
ZE_API BOOL GetViewportOrgEx(HDC dc, POINT* org);
ZE_API BOOL GetWindowExtEx(HDC dc, SIZE* ext);
ZE_API BOOL GetViewportExtEx(HDC dc, SIZE* ext);
ZE_API BOOL OffsetViewportOrgEx(HDC dc, int dx, int dy, POINT* old);
ZE_API int SetGraphicsMode(HDC dc, int mode);
ZE_API int GetGraphicsMode(HDC dc);
ZE_API BOOL SetWorldTransform(HDC dc, const XFORM* xform);
ZE_API BOOL GetWorldTransform(HDC dc, XFORM* xform);
ZE_API BOOL ModifyWorldTransform(HDC dc, const XFORM* xform, DWORD mode);
ZE_API BOOL LPtoDP(HDC dc, LPPOINT points, int count);
ZE_API BOOL DPtoLP(HDC dc, LPPOINT points, int count);

// Clipping and regions.
ZE_API HRGN CreateRectRgn(int left, int top, int right, int bottom);
ZE_API HRGN CreateRectRgnIndirect(const RECT* rect);
ZE_API int CombineRgn(HRGN dest, HRGN a, HRGN b, int mode);
ZE_API int GetRgnBox(HRGN region, LPRECT rect);
ZE_API int SelectClipRgn(HDC dc, HRGN region);
ZE_API int IntersectClipRect(HDC dc, int left, int top, int right, int bottom);
ZE_API int ExcludeClipRect(HDC dc, int left, int top, int right, int bottom);
ZE_API int GetClipBox(HDC dc, LPRECT rect);

// Pens, brushes and shapes.
ZE_API HPEN CreatePen(int style, int width, COLORREF color);
ZE_API HPEN CreatePenIndirect(const LOGPEN* pen);
ZE_API HPEN ExtCreatePen(DWORD style, DWORD width, const LOGBRUSH* brush, DWORD styleCount,
                         const DWORD* styles);
ZE_API HBRUSH CreateSolidBrush(COLORREF color);
ZE_API HBRUSH CreateBrushIndirect(const LOGBRUSH* brush);
ZE_API HBRUSH CreateHatchBrush(int hatch, COLORREF color);
ZE_API HBRUSH GetSysColorBrush(int index);
ZE_API BOOL MoveToEx(HDC dc, int x, int y, LPPOINT old);
ZE_API BOOL LineTo(HDC dc, int x, int y);
ZE_API BOOL GetCurrentPositionEx(HDC dc, LPPOINT point);
ZE_API BOOL Polyline(HDC dc, const POINT* points, int count);
ZE_API BOOL Polygon(HDC dc, const POINT* points, int count);
ZE_API BOOL Rectangle(HDC dc, int left, int top, int right, int bottom);
ZE_API BOOL RoundRect(HDC dc, int left, int top, int right, int bottom, int width, int height);
ZE_API BOOL Ellipse(HDC dc, int left, int top, int right, int bottom);
ZE_API int FillRect(HDC dc, const RECT* rect, HBRUSH brush);
ZE_API int FrameRect(HDC dc, const RECT* rect, HBRUSH brush);
ZE_API BOOL InvertRect(HDC dc, const RECT* rect);
ZE_API BOOL DrawFocusRect(HDC dc, const RECT* rect);
ZE_API BOOL PatBlt(HDC dc, int x, int y, int width, int height, DWORD rop);
ZE_API COLORREF SetPixel(HDC dc, int x, int y, COLORREF color);
ZE_API COLORREF GetPixel(HDC dc, int x, int y);

// Fonts and text.
ZE_API HFONT CreateFontIndirectW(const LOGFONTW* font);
ZE_API BOOL GetTextMetricsW(HDC dc, TEXTMETRICW* metrics);
ZE_API UINT GetOutlineTextMetricsW(HDC dc, UINT size, OUTLINETEXTMETRICW* metrics);
ZE_API int GetTextFaceW(HDC dc, int count, LPWSTR face);

// Font families: `proc` is called once per family, in name order without regard to case,
// with the face name in the LOGFONTW (only lfFaceName and lfCharSet are filled; the
// TEXTMETRICW carries tmCharSet only) and the family's type: TRUETYPE_FONTTYPE for TrueType
// outlines, DEVICE_FONTTYPE for other outlines (CFF, Type 1), RASTER_FONTTYPE for bitmaps.
// A non-empty lfFaceName in `filter` lists that family only. Enumeration stops when `proc`
// answers 0; the answer is the last one `proc` gave.
inline constexpr DWORD RASTER_FONTTYPE = 0x0001;
inline constexpr DWORD DEVICE_FONTTYPE = 0x0002;
inline constexpr DWORD TRUETYPE_FONTTYPE = 0x0004;
using FONTENUMPROCW = int (*)(const LOGFONTW* font, const TEXTMETRICW* metrics, DWORD fontType,
                              LPARAM lParam);
ZE_API int EnumFontFamiliesExW(HDC dc, LOGFONTW* filter, FONTENUMPROCW proc, LPARAM lParam, DWORD flags);
ZE_API BOOL GetTextExtentPoint32W(HDC dc, LPCWSTR text, int count, SIZE* size);
ZE_API BOOL GetCharWidth32W(HDC dc, UINT first, UINT last, int* widths);
ZE_API BOOL TextOutW(HDC dc, int x, int y, LPCWSTR text, int count);
ZE_API BOOL TextOutA(HDC dc, int x, int y, LPCSTR text, int count);
ZE_API BOOL ExtTextOutW(HDC dc, int x, int y, UINT options, const RECT* rect, LPCWSTR text, UINT count,
                        const int* dx);
ZE_API BOOL SetTextJustification(HDC dc, int extra, int breakCount);
// Lines broken at line feeds (and at spaces with DT_WORDBREAK); '&' underlines the next
// character unless DT_NOPREFIX. Answers the height of the text; DT_CALCRECT only measures.
ZE_API int DrawTextW(HDC dc, LPCWSTR text, int count, LPRECT rect, UINT format);
ZE_API DWORD GetGlyphOutlineW(HDC dc, UINT ch, UINT format, GLYPHMETRICS* metrics, DWORD size, LPVOID buffer,
                              const MAT2* mat);

// Bitmaps and DIBs.
ZE_API HBITMAP CreateCompatibleBitmap(HDC dc, int width, int height);
ZE_API HBITMAP CreateBitmap(int width, int height, UINT planes, UINT bitsPerPixel, const void* bits);
ZE_API HBITMAP CreateDIBSection(HDC dc, const BITMAPINFO* info, UINT usage, void** bits, HANDLE section,
                                DWORD offset);
ZE_API BOOL BitBlt(HDC dest, int x, int y, int width, int height, HDC src, int srcX, int srcY, DWORD rop);
ZE_API BOOL StretchBlt(HDC dest, int x, int y, int width, int height, HDC src, int srcX, int srcY,
                       int srcWidth, int srcHeight, DWORD rop);
ZE_API int StretchDIBits(HDC dc, int x, int y, int width, int height, int srcX, int srcY, int srcWidth,
                         int srcHeight, const void* bits, const BITMAPINFO* info, UINT usage, DWORD rop);
ZE_API int SetDIBitsToDevice(HDC dc, int x, int y, DWORD width, DWORD height, int srcX, int srcY,
                             UINT startScan, UINT scanLines, const void* bits, const BITMAPINFO* info,
                             UINT usage);
ZE_API int GetDIBits(HDC dc, HBITMAP bitmap, UINT start, UINT lines, LPVOID bits, BITMAPINFO* info,
                     UINT usage);
ZE_API BOOL GdiFlush();

// Palettes: accepted and harmless on true-colour surfaces.
ZE_API HPALETTE CreatePalette(const LOGPALETTE* palette);
ZE_API HPALETTE SelectPalette(HDC dc, HPALETTE palette, BOOL background);
ZE_API UINT RealizePalette(HDC dc);
ZE_API UINT GetPaletteEntries(HPALETTE palette, UINT start, UINT count, PALETTEENTRY* entries);

// Printing.
ZE_API int StartDocW(HDC dc, const DOCINFOW* info);
ZE_API int StartPage(HDC dc);
ZE_API int EndPage(HDC dc);
ZE_API int EndDoc(HDC dc);
ZE_API int AbortDoc(HDC dc);

// The printers there are, at level 4 only: PRINTER_INFO_4W records followed by their names.
// A buffer too small answers FALSE with ERROR_INSUFFICIENT_BUFFER and the size needed.
inline constexpr DWORD PRINTER_ENUM_LOCAL = 0x00000002;
inline constexpr DWORD PRINTER_ENUM_CONNECTIONS = 0x00000004;
inline constexpr DWORD PRINTER_ATTRIBUTE_LOCAL = 0x00000040;
struct PRINTER_INFO_4W {
    LPWSTR pPrinterName;
    LPWSTR pServerName;
    DWORD Attributes;
};
ZE_API BOOL EnumPrintersW(DWORD flags, LPWSTR name, DWORD level, LPBYTE buffer, DWORD size, LPDWORD needed,
                          LPDWORD returned);
// The default printer's name (CUPS's default, else "PDF"); size in characters, the zero included.
ZE_API BOOL GetDefaultPrinterW(LPWSTR buffer, LPDWORD size);

// One printer: opened by name, described at level 2, and its device mode (paper,
// orientation, copies, collation) read, merged and, with DM_IN_PROMPT, edited by the user in
// the printer's settings dialog. DocumentPropertiesW answers IDOK or IDCANCEL (the dialog),
// the bytes of a DEVMODEW when `mode` is 0, or -1 for an unknown printer.
struct PRINTER_INFO_2W {
    LPWSTR pServerName;
    LPWSTR pPrinterName;
    LPWSTR pShareName;
    LPWSTR pPortName;   // the PDF printer "FILE:", a CUPS printer its device URI
    LPWSTR pDriverName; // the make and model
    LPWSTR pComment;
    LPWSTR pLocation;
    DEVMODEW* pDevMode;
    LPWSTR pSepFile;
    LPWSTR pPrintProcessor;
    LPWSTR pDatatype;
    LPWSTR pParameters;
    void* pSecurityDescriptor;
    DWORD Attributes;
    DWORD Priority;
    DWORD DefaultPriority;
    DWORD StartTime;
    DWORD UntilTime;
    DWORD Status; // PRINTER_STATUS_* bits, 0 when idle
    DWORD cJobs;
    DWORD AveragePPM;
};
inline constexpr DWORD PRINTER_STATUS_PAUSED = 0x00000001;
inline constexpr DWORD PRINTER_STATUS_ERROR = 0x00000002;
inline constexpr DWORD PRINTER_STATUS_PAPER_JAM = 0x00000008;
inline constexpr DWORD PRINTER_STATUS_PAPER_OUT = 0x00000010;
inline constexpr DWORD PRINTER_STATUS_OFFLINE = 0x00000080;
inline constexpr DWORD PRINTER_STATUS_PRINTING = 0x00000400;
inline constexpr DWORD PRINTER_STATUS_TONER_LOW = 0x00020000;
inline constexpr DWORD PRINTER_STATUS_NO_TONER = 0x00040000;
inline constexpr DWORD PRINTER_STATUS_DOOR_OPEN = 0x00400000;
inline constexpr DWORD DM_OUT_BUFFER = 2, DM_IN_PROMPT = 4, DM_IN_BUFFER = 8;
ZE_API BOOL OpenPrinterW(LPCWSTR name, HANDLE* printer, const void* defaults);
ZE_API BOOL ClosePrinter(HANDLE printer);
ZE_API BOOL GetPrinterW(HANDLE printer, DWORD level, LPBYTE buffer, DWORD size, LPDWORD needed);
ZE_API LONG DocumentPropertiesW(HWND owner, HANDLE printer, LPCWSTR device, DEVMODEW* out, const DEVMODEW* in,
                                DWORD mode);

// Metafiles: kept as their bytes and played back.
ZE_API HENHMETAFILE SetEnhMetaFileBits(UINT size, const BYTE* data);
ZE_API HMETAFILE SetMetaFileBitsEx(UINT size, const BYTE* data);
ZE_API BOOL DeleteEnhMetaFile(HENHMETAFILE metafile);
ZE_API BOOL DeleteMetaFile(HMETAFILE metafile);
ZE_API UINT GetEnhMetaFileHeader(HENHMETAFILE metafile, UINT size, ENHMETAHEADER* header);
ZE_API BOOL PlayEnhMetaFile(HDC dc, HENHMETAFILE metafile, const RECT* rect);
ZE_API BOOL PlayMetaFile(HDC dc, HMETAFILE metafile);
} // extern "C"
