// The text of one laid-out line: where it starts, how its tabs resolve, and drawing it in
// runs of equal format.
#pragma once

#include "model/editor_info.h"
#include "model/editor_paragraphs.h"

#include <zeledit/windows.h>

#include <cstdint>
#include <string_view>

namespace zeledit::display {

// Extra pixels spread over a number of spaces by the device context.
struct Justification {
    int extra = 0, count = 0;
};
// What is left to spread after `text` took its spaces' share, the earlier spaces taking the
// larger shares as the device context gives them. Set again after a run that was measured
// rather than drawn, it keeps the runs after it where drawing puts them.
Justification Remaining(Justification j, std::u16string_view text);

// Where the line starts by its alignment. A justified line without tabs
// that does not end its paragraph spreads its surplus over its inner spaces through the
// device context's justification, which stays in force.
struct LineStart {
    int x;
    Justification justification;
};
LineStart LineStartX(HDC dc, const char16_t* text, std::uint32_t length, const model::TLineInfo& line);

// Width of the text after the tab at `text[0]` up to and including the next tab, at most
// `count` units, stopping before a paragraph or line end. 16-bit, as drawn.
int MeasureToNextTab(HDC dc, const char16_t* text, const std::uint8_t* formats, std::uint32_t count,
                     const model::TEditorInfo& ei);
// Width of `count` units (a leading tab skipped), in their formats, objects included.
int MeasureSegment(HDC dc, const char16_t* text, const std::uint8_t* formats, const model::TEditorInfo& ei,
                   std::uint32_t count);
void DrawTabLeader(HDC dc, int from, int to, int leader, int y);

// A tab at `x` on the line, `rest` units of the line after it: where the
// stop is and where the text after it starts. Sets the justification after the line's
// last tab.
struct ResolvedTab {
    int stop;                    // the stop's x
    int text_x;                  // where the following text starts
    int align;                   // the stop's alignment
    int leader;                  // the stop's leader
    int leader_end;              // where a leader ends
    Justification justification; // in force after the tab
};
ResolvedTab ResolveTab(HDC dc, int x, const char16_t* tab, const std::uint8_t* formats, std::uint32_t rest,
                       const model::TParagraphItem& para, const model::TEditorInfo& ei,
                       const model::TLineInfo& line);

void DrawLineText(HDC dc, int y, std::uint32_t start, const model::TEditorInfo& ei,
                  const model::TLineInfo& line, const model::TParagraphItem& para, std::uint32_t length);

} // namespace zeledit::display
