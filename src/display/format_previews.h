// Miniatures of a character and a paragraph format, drawn without an editor window: for the
// format lists of the library's dialogs and of hosts.
#pragma once

#include "model/editor_fonts.h"
#include "model/editor_paragraphs.h"

#include <zeledit/windows.h>

#include <string_view>

namespace zeledit::display {

// `text` (the face name when empty) in the entry's font, its decorations and shadow, the
// baseline's offset for a script applied.
void DrawFontPreview(HDC dc, int x, int y, std::u16string_view text, const model::TFontItem& font);
// The paragraph's indents, shading, border, bullet and tab stops in `r`, standing for a
// text `width` pixels wide at the device metrics in force (`width` above 0).
void DrawParaPreview(HDC dc, RECT r, int width, const model::TParagraphItem& para);

} // namespace zeledit::display
