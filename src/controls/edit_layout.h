// Where an edit control's text lies: its lines (wrapped at words in a multi-line edit
// without horizontal scrolling), the x of a position and the position at an x.
#pragma once

#include <zeledit/windows.h>

#include <cstddef>
#include <string_view>
#include <vector>

namespace zeledit::controls {

struct EditLine {
    std::size_t start;
    std::size_t end; // before the line break, if any
};

// `text` is what is shown (the password character stands for every character); `dc` has
// the control's font selected. `wrap_width` 0 keeps lines whole.
std::vector<EditLine> layout_lines(HDC dc, std::u16string_view text, bool multiline, int wrap_width);
std::size_t line_of(const std::vector<EditLine>& lines, std::size_t pos);
int x_of(HDC dc, std::u16string_view text, const EditLine& line, std::size_t pos);
std::size_t pos_at(HDC dc, std::u16string_view text, const EditLine& line, int x);

} // namespace zeledit::controls
