// Formatted text in a rectangle: line breaking, alignment and mnemonic underlines.
#include "platform/gdi/device_context.h"

#include <zeledit/win_user.h>

#include <string>
#include <vector>

using namespace zeledit::platform;

namespace {

struct Line {
    std::u16string text; // without '&' prefixes
    int underline = -1;  // index in `text` of the mnemonic character
};

int width_of(HDC dc, const std::u16string& s) {
    SIZE size{};
    GetTextExtentPoint32W(dc, s.data(), static_cast<int>(s.size()), &size);
    return size.cx;
}

Line strip_prefix(std::u16string_view s, bool prefix) {
    Line line;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (prefix && s[i] == u'&' && i + 1 < s.size()) {
            ++i;
            if (s[i] != u'&' && line.underline < 0) line.underline = static_cast<int>(line.text.size());
        }
        line.text.push_back(s[i]);
    }
    return line;
}

// Breaks one paragraph at spaces so that each line fits `width` (a word longer than the
// width stands alone on its line).
void wrap(HDC dc, const Line& para, int width, std::vector<Line>& out) {
    std::size_t start = 0;
    while (start < para.text.size()) {
        std::size_t end = start, fit = start;
        while (end < para.text.size()) {
            std::size_t next = para.text.find(u' ', end);
            if (next == std::u16string::npos) next = para.text.size();
            if (fit > start && width_of(dc, para.text.substr(start, next - start)) > width) break;
            fit = next;
            end = next + 1;
        }
        Line line{para.text.substr(start, fit - start), -1};
        if (para.underline >= static_cast<int>(start) && para.underline < static_cast<int>(fit))
            line.underline = para.underline - static_cast<int>(start);
        out.push_back(std::move(line));
        start = fit;
        while (start < para.text.size() && para.text[start] == u' ') ++start;
    }
    if (para.text.empty()) out.push_back({});
}

std::vector<Line> lines_of(HDC dc, std::u16string_view text, const RECT& r, UINT format) {
    std::vector<Line> lines;
    const bool prefix = (format & DT_NOPREFIX) == 0;
    if (format & DT_SINGLELINE) {
        lines.push_back(strip_prefix(text, prefix));
        return lines;
    }
    std::size_t start = 0;
    while (true) {
        std::size_t end = text.find(u'\n', start);
        std::u16string_view para = text.substr(start, end == std::u16string_view::npos ? end : end - start);
        if (!para.empty() && para.back() == u'\r') para.remove_suffix(1);
        const Line stripped = strip_prefix(para, prefix);
        if (format & DT_WORDBREAK)
            wrap(dc, stripped, r.right - r.left, lines);
        else
            lines.push_back(stripped);
        if (end == std::u16string_view::npos) break;
        start = end + 1;
    }
    return lines;
}

} // namespace

int DrawTextW(HDC dc, LPCWSTR text, int count, LPRECT rect, UINT format) {
    if (find_dc(dc) == nullptr || rect == nullptr || (text == nullptr && count != 0)) return 0;
    std::u16string_view s = text == nullptr
                                ? u""
                                : (count < 0 ? std::u16string_view(text)
                                             : std::u16string_view(text, static_cast<std::size_t>(count)));
    TEXTMETRICW tm{};
    GetTextMetricsW(dc, &tm);
    const auto lines = lines_of(dc, s, *rect, format);
    const int height = static_cast<int>(lines.size()) * tm.tmHeight;
    if (format & DT_CALCRECT) {
        int widest = 0;
        for (const Line& l : lines) widest = std::max(widest, width_of(dc, l.text));
        rect->right = rect->left + widest;
        rect->bottom = rect->top + height;
        return height;
    }
    int y = rect->top;
    if (format & DT_SINGLELINE) {
        if (format & DT_VCENTER)
            y = rect->top + (rect->bottom - rect->top - tm.tmHeight) / 2;
        else if (format & DT_BOTTOM)
            y = rect->bottom - tm.tmHeight;
    }
    const int saved = SaveDC(dc);
    if (!(format & DT_NOCLIP)) IntersectClipRect(dc, rect->left, rect->top, rect->right, rect->bottom);
    SetTextAlign(dc, TA_LEFT | TA_TOP);
    for (const Line& l : lines) {
        const int w = width_of(dc, l.text);
        const int x = (format & DT_CENTER)  ? rect->left + (rect->right - rect->left - w) / 2
                      : (format & DT_RIGHT) ? rect->right - w
                                            : rect->left;
        TextOutW(dc, x, y, l.text.data(), static_cast<int>(l.text.size()));
        if (l.underline >= 0) {
            const int ux = x + width_of(dc, l.text.substr(0, static_cast<std::size_t>(l.underline)));
            const int uw = width_of(dc, l.text.substr(static_cast<std::size_t>(l.underline), 1));
            HPEN pen = CreatePen(PS_SOLID, 1, GetTextColor(dc));
            HGDIOBJ old = SelectObject(dc, pen);
            MoveToEx(dc, ux, y + tm.tmAscent + 1, nullptr);
            LineTo(dc, ux + uw, y + tm.tmAscent + 1);
            SelectObject(dc, old);
            DeleteObject(pen);
        }
        y += tm.tmHeight;
    }
    RestoreDC(dc, saved);
    return height;
}
