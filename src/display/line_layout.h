// Breaking the text into lines: one line at a time into a line record, at the current
// device resolution.
#pragma once

#include "model/editor_info.h"
#include "model/editor_paragraphs.h"
#include "platform/gdi/selected_font.h"

#include <zeledit/windows.h>

#include <cstdint>

namespace zeledit::display {

bool IsBreakAnywhere(char16_t c);
int UnderlineThickness(int style, int size);
// The height a run of the font selected into `dc` needs with the given underline.
int RunHeight(HDC dc, int underline_style);
int RunHeight(const platform::SelectedFont& font, int underline_style);
// The first of tab entries 0 to 49 right of x, else 50.
int TabStopAt(int x, const TTabArray& tabs);

// Each step takes the line's record: what the paragraph set (GetParaInfo), the region the
// line may fill, and answers into it the line's metrics and where the next line starts.

// Breaks the line at `start` inside line.tmLineRegion; the next line starts at tmIndex.
// Answers the line height.
int MeasureLine(HDC dc, std::uint32_t start, const model::TParagraphItem& para, const model::TEditorInfo& ei,
                model::TLineInfo& line);
// Narrows tmLineRegion around floated objects at document y, or pushes the line below
// them (tmLineRegion.MoreHeight); true when an object was met.
// `floated` false promises that no object is floated, which spares the look at each.
bool WrapLineRegion(const model::TEditorInfo& ei, model::TLineInfo& line, int y, int height,
                    bool floated = true);
void MeasureWrappedLine(HDC dc, int y, std::uint32_t start, const model::TParagraphItem& para,
                        const model::TEditorInfo& ei, model::TLineInfo& line, bool floated = true);
// Measures the line at document y and paints it at window y; answers the next start. The two
// halves on their own: a line measured and found as it was needs no painting.
std::uint32_t LayoutLine(HDC dc, int docY, const model::TParagraphItem& para, std::uint32_t start,
                         const model::TEditorInfo& ei, model::TLineInfo& line);
void PaintLaidOutLine(HDC dc, int windowY, model::TParagraphItem& para, std::uint32_t start,
                      const model::TEditorInfo& ei, model::TLineInfo& line);
std::uint32_t LayoutAndPaintLine(HDC dc, int windowY, int docY, model::TParagraphItem& para,
                                 std::uint32_t start, const model::TEditorInfo& ei, model::TLineInfo& line);
// Prepares the record for the line at `start`: a new paragraph after a paragraph break,
// else a continuation line.
void NextLineParagraph(std::uint32_t start, model::TParagraphItem*& para, const model::TEditorInfo& ei,
                       model::TLineInfo& line);

} // namespace zeledit::display
