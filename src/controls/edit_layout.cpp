#include "controls/edit_layout.h"

namespace zeledit::controls {
namespace {

int width_of(HDC dc, std::u16string_view text) {
    if (text.empty()) return 0;
    SIZE size{};
    GetTextExtentPoint32W(dc, text.data(), static_cast<int>(text.size()), &size);
    return size.cx;
}

bool is_break(char16_t c) { return c == u'\r' || c == u'\n'; }

// Where a paragraph [start, end) wraps: after the last space that fits, or where the width
// runs out when a single word is wider than the line.
void wrap(HDC dc, std::u16string_view text, std::size_t start, std::size_t end, int width,
          std::vector<EditLine>& out) {
    while (true) {
        if (width_of(dc, text.substr(start, end - start)) <= width) break;
        std::size_t fits = start + 1, last_space = std::u16string_view::npos;
        while (fits < end && width_of(dc, text.substr(start, fits + 1 - start)) <= width) {
            if (text[fits] == u' ') last_space = fits;
            ++fits;
        }
        const std::size_t stop = last_space != std::u16string_view::npos ? last_space + 1 : fits;
        if (stop >= end) break;
        out.push_back({start, stop});
        start = stop;
    }
    out.push_back({start, end});
}

} // namespace

std::vector<EditLine> layout_lines(HDC dc, std::u16string_view text, bool multiline, int wrap_width) {
    std::vector<EditLine> lines;
    if (!multiline) return {{0, text.size()}};
    std::size_t start = 0;
    while (true) {
        std::size_t end = start;
        while (end < text.size() && !is_break(text[end])) ++end;
        if (wrap_width > 0)
            wrap(dc, text, start, end, wrap_width, lines);
        else
            lines.push_back({start, end});
        if (end >= text.size()) break;
        start = end + ((text[end] == u'\r' && end + 1 < text.size() && text[end + 1] == u'\n') ? 2 : 1);
    }
    return lines;
}

std::size_t line_of(const std::vector<EditLine>& lines, std::size_t pos) {
    for (std::size_t i = 0; i + 1 < lines.size(); ++i)
        if (pos < lines[i + 1].start) return i;
    return lines.empty() ? 0 : lines.size() - 1;
}

int x_of(HDC dc, std::u16string_view text, const EditLine& line, std::size_t pos) {
    pos = std::min(std::max(pos, line.start), line.end);
    return width_of(dc, text.substr(line.start, pos - line.start));
}

std::size_t pos_at(HDC dc, std::u16string_view text, const EditLine& line, int x) {
    int before = 0;
    for (std::size_t pos = line.start; pos < line.end; ++pos) {
        const int after = width_of(dc, text.substr(line.start, pos + 1 - line.start));
        if (x < (before + after + 1) / 2) return pos;
        before = after;
    }
    return line.end;
}

} // namespace zeledit::controls
