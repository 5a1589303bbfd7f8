// What frames and marks a paragraph: border boxes with their shadows, and bullets.
#pragma once

#include "model/editor_info.h"
#include "model/editor_paragraphs.h"

#include <zeledit/windows.h>

namespace zeledit::display {

// Width of a border line style (low nibble of beStyle) in pen units.
int BorderStyleWidth(int style);
void DrawBorderBox(HDC dc, const RECT& rect, const TBorder& border);
// One of ten predefined boxes (1 to 10) in one colour; other values draw nothing.
void DrawStyledBorder(HDC dc, const RECT& rect, int style, COLORREF colour);
// The part of the paragraph's box that belongs to the line.
void DrawParaBorder(HDC dc, const model::TParagraphItem& para, const model::TLineInfo& line);
// The bullet in front of a line whose baseline is at y.
void DrawBullet(HDC dc, const model::TParagraphItem& para, int y, const model::TLineRegion& region,
                int height);

} // namespace zeledit::display
