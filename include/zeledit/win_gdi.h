// Device contexts and drawing. Window device contexts draw on the window's surface.
#pragma once

#include <zeledit/win_types.h>

inline constexpr COLORREF CLR_INVALID = 0xFFFFFFFF;

// Stock objects.
inline constexpr int WHITE_BRUSH = 0;
inline constexpr int LTGRAY_BRUSH = 1;
inline constexpr int GRAY_BRUSH = 2;
inline constexpr int DKGRAY_BRUSH = 3;
inline constexpr int BLACK_BRUSH = 4;
inline constexpr int NULL_BRUSH = 5;
inline constexpr int HOLLOW_BRUSH = NULL_BRUSH;

extern "C" {
ZE_API HDC GetDC(HWND hwnd);
ZE_API int ReleaseDC(HWND hwnd, HDC dc);
ZE_API HBRUSH CreateSolidBrush(COLORREF color);
ZE_API HBRUSH GetSysColorBrush(int index);
ZE_API HGDIOBJ GetStockObject(int index);
ZE_API BOOL DeleteObject(HGDIOBJ object);
ZE_API int FillRect(HDC dc, const RECT* rect, HBRUSH brush);
ZE_API COLORREF GetPixel(HDC dc, int x, int y);
} // extern "C"
