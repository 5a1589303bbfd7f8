// Border boxes: the ten line styles of paragraph borders, boxes with shadows, and the ten
// predefined boxes of text boxes. Strokes are `pen_unit` device pixels thick.
#pragma once

#include <zeledit/editor_records.h>
#include <zeledit/windows.h>

namespace zeledit::platform {

// Width of a border line style (low nibble of beStyle) in pen units.
int BorderStyleWidth(int style);
void DrawBorderBox(HDC dc, const RECT& rect, const TBorder& border, int pen_unit);
// One of ten predefined boxes (1 to 10) in one colour; other values draw nothing.
void DrawStyledBorder(HDC dc, const RECT& rect, int style, COLORREF colour, int pen_unit);

} // namespace zeledit::platform
