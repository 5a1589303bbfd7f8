// The graphics support library: DIB objects (a colour DIB with an optional alpha
// channel), the DEX image format, drawing DIBs, image files, sound, font records, lines
// and colour shading.
#pragma once

#include <zeledit/windows.h>

#include <cstddef>
#include <cstdint>
#include <span>

namespace zeledit::platform {

struct DibObject;
using HDIBOBJ = DibObject*;

// DIB objects. The colour block is a packed DIB; the alpha block holds one byte per pixel
// in the colour DIB's row order.
HDIBOBJ CreateDibObject(int bits);
void FreeDibObject(HDIBOBJ dib);
int dibGetWidth(HDIBOBJ dib);
int dibGetHeight(HDIBOBJ dib);
int dibGetBits(HDIBOBJ dib);
HGLOBAL dibGetHandle(HDIBOBJ dib);
void dibSetHandle(HDIBOBJ dib, HGLOBAL block); // the object takes the block
HGLOBAL dibGetAlphaHandle(HDIBOBJ dib);
void dibSetAlphaHandle(HDIBOBJ dib, HGLOBAL block);
HGLOBAL dibCreateAlphaChannel(HDIBOBJ dib);

// DEX images. Reading takes the bytes that remain, so that a truncated image is refused
// instead of read past its end; both pointers advance past the image read.
int LoadDibExFromBuffer(const BYTE** data, std::size_t* remaining, HGLOBAL* colour, HGLOBAL* alpha);
std::size_t SaveDibExToBuffer(BYTE* destination, HGLOBAL colour, HGLOBAL alpha);
std::size_t GetDEXSize(HGLOBAL colour, HGLOBAL alpha);
HDIBOBJ LoadDexFromResource(HINSTANCE instance, LPCWSTR name);

// DIBs and bitmaps.
HGLOBAL BitmapToDIB(HDC dc, HBITMAP bitmap, HPALETTE palette);
BOOL PutDIBit(HDC dc, int x, int y, int width, int height, HGLOBAL dib);
BOOL PutDIBStr(HDC dc, int x, int y, int width, int height, HGLOBAL dib, int background);
BOOL AdvPutDIBit(HDC dc, int x, int y, int width, int height, HGLOBAL dib, int sx, int sy, int sw, int sh);
BOOL AdvPutDIBStr(HDC dc, int x, int y, int width, int height, HGLOBAL dib, int sx, int sy, int sw, int sh,
                  int background);
BOOL PrintAlphaDibOnDC(HDC dc, int x, int y, int width, int height, HDIBOBJ dib);

// Image files (PNG, JPEG, TIFF, BMP, TGA) decoded into a 24-bit DIB object, with an alpha
// channel when the file has one; null for anything else or anything damaged.
HDIBOBJ LoadImageToDib(std::span<const std::uint8_t> file);
// A new 8-bit DIB object of the image in at most 256 colours, chosen through the JPEG
// codec's colour quantisation, with a copy of its alpha channel; null when that fails.
HDIBOBJ ReduceTo8Bits(HDIBOBJ dib);

// Sound: plays wave data; when it ends the window gets WM_NOTIFY with wParam 1000 and the
// object's ID in lParam. Without an audio device it finishes silently after its duration.
BOOL DAPlaySound(HGLOBAL wave, HWND hwnd, int id);
void set_audio_output_enabled(bool enabled);

// Font records, lines and colour shading.
void GetFont(HDC dc, LOGFONTW* font, LPCWSTR face, int points, int weight, BOOL italic, int reserved);
void Line(HDC dc, int x1, int y1, int x2, int y2, int pen_style, COLORREF color);
COLORREF ChangeColorLight(COLORREF color, int amount);

// A packed DIB block of 24 bits made from top-down 0xAARRGGBB pixels, and the matching
// alpha block (null when every pixel is opaque).
HGLOBAL make_packed_dib(int width, int height, std::span<const std::uint32_t> argb);
HGLOBAL make_alpha_block(int width, int height, std::span<const std::uint32_t> argb);

} // namespace zeledit::platform
