// Painting one laid-out line at window y; the line record takes the regions painted.
#pragma once

#include "model/editor_info.h"
#include "model/editor_paragraphs.h"

#include <zeledit/windows.h>

namespace zeledit::display {

void PaintLine(HDC dc, int y, model::TParagraphItem& para, const model::TEditorInfo& ei,
               model::TLineInfo& line);

} // namespace zeledit::display
