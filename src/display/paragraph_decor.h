// What frames and marks a paragraph: border boxes with their shadows, and bullets.
#pragma once

#include "model/editor_info.h"
#include "model/editor_paragraphs.h"

#include <zeledit/windows.h>

namespace zeledit::display {

// The part of the paragraph's box that belongs to the line.
void DrawParaBorder(HDC dc, const model::TParagraphItem& para, const model::TLineInfo& line);
// The bullet in front of a line whose baseline is at y.
void DrawBullet(HDC dc, const model::TParagraphItem& para, int y, const model::TLineRegion& region,
                int height);

} // namespace zeledit::display
