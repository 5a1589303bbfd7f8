// Painting one laid-out line from eiCurrentLine at window y.
#pragma once

#include "model/editor_info.h"
#include "model/editor_paragraphs.h"

#include <zeledit/windows.h>

namespace zeledit::display {

void PaintLine(HDC dc, int y, model::TParagraphItem& para, model::TEditorInfo& ei);

} // namespace zeledit::display
