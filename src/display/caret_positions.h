// Positions on a laid-out line and x coordinates, both ways, measured the way the line is
// drawn. Both take the line's record as laid out (GetParaInfo, then GetLineInfo) and the
// line's text and format bytes from its start.
#pragma once

#include "model/editor_info.h"
#include "model/editor_paragraphs.h"

#include <zeledit/windows.h>

#include <cstdint>

namespace zeledit::display {

// Document x of the code unit at offset `count` of the line.
int CharXPosition(HDC dc, const char16_t* text, const std::uint8_t* formats, const model::TEditorInfo& ei,
                  const model::TLineInfo& line, const model::TParagraphItem& para, std::uint32_t count);
// Offset of the code unit a click at document x `xPos` lands after.
std::uint32_t CharIndexAtX(HDC dc, const char16_t* text, const std::uint8_t* formats,
                           const model::TEditorInfo& ei, const model::TLineInfo& line,
                           const model::TParagraphItem& para, int xPos);

} // namespace zeledit::display
