// The items of the library's lists of formats: a character format drawn in its own font, a
// paragraph format as a miniature, each after a small picture of its kind and its number.
#pragma once

#include "model/editor_fonts.h"
#include "model/editor_paragraphs.h"

#include <zeledit/windows.h>

#include <string_view>

namespace zeledit::dialogs {

inline constexpr int ParaItemHeight = 52;

int CharItemHeight(const model::TFontItem& font);
// `sample` empty shows the face name.
void DrawCharItem(const DRAWITEMSTRUCT& item, int number, const model::TFontItem& font,
                  std::u16string_view sample);
void DrawParaItem(const DRAWITEMSTRUCT& item, int number, const model::TParagraphItem& para, int page_width);

} // namespace zeledit::dialogs
