#include "objects/wrapped_text.h"

#include "platform/graphics_support/decorated_text.h"

#include <algorithm>
#include <string>

namespace zeledit::objects {
namespace {

int WidthOf(HDC dc, std::u16string_view s) {
    SIZE size{};
    if (!s.empty()) GetTextExtentPoint32W(dc, s.data(), static_cast<int>(s.size()), &size);
    return size.cx;
}

bool IsWideCharacter(char16_t c) { return c >= 0x3000 && c <= 0xFA2D; }

class LineWriter {
public:
    LineWriter(HDC dc, const RECT& rect, WrapAlign align, const TextDecoration& decoration)
        : dc_(dc), rect_(rect), align_(align), decoration_(decoration), y_(rect.top) {
        TEXTMETRICW tm{};
        GetTextMetricsW(dc, &tm);
        line_height_ = std::max<int>(tm.tmHeight, 1);
        space_ = WidthOf(dc, u" ");
    }

    // A word ended by a space (or, for CJK, by itself).
    void Word(std::u16string_view word, bool spaced) {
        const int w = WidthOf(dc_, word);
        if (!line_.empty() && used_ + w >= Width()) Output(false);
        line_ += word;
        used_ += w;
        if (spaced) {
            line_ += u' ';
            used_ += space_;
        }
    }

    // The paragraph's last word, then its last line.
    void EndParagraph(std::u16string_view word) {
        if (!word.empty()) Word(word, false);
        Output(true);
    }

    int Height() const { return y_ - rect_.top; }

private:
    int Width() const { return rect_.right - rect_.left; }

    void Output(bool last_of_paragraph) {
        if (!line_.empty() && line_.back() == u' ') line_.pop_back();
        const int width = WidthOf(dc_, line_);
        int x = rect_.left;
        if (align_ == WrapAlign::Centre) x += (Width() - width) / 2;
        if (align_ == WrapAlign::Right) x += Width() - width;
        const auto spaces = static_cast<int>(std::count(line_.begin(), line_.end(), u' '));
        const bool justify =
            align_ == WrapAlign::Justify && !last_of_paragraph && spaces > 0 && width < Width();
        if (justify) SetTextJustification(dc_, Width() - width, spaces);
        if (align_ != WrapAlign::MeasureOnly)
            platform::DecoratedTextOut(dc_, x, y_, line_, decoration_.underline, decoration_.underline_colour,
                                       decoration_.strikeout, decoration_.strikeout_colour);
        if (justify) SetTextJustification(dc_, 0, 0);
        y_ += line_height_;
        line_.clear();
        used_ = 0;
    }

    HDC dc_;
    RECT rect_;
    WrapAlign align_;
    TextDecoration decoration_;
    int line_height_ = 1, space_ = 0, y_;
    std::u16string line_;
    int used_ = 0;
};

} // namespace

int WrappedTextOut(HDC dc, const RECT& rect, std::u16string_view text, WrapAlign align,
                   const TextDecoration& decoration) {
    const int saved = SaveDC(dc);
    IntersectClipRect(dc, rect.left, rect.top, rect.right, rect.bottom);
    LineWriter lines(dc, rect, align, decoration);
    std::u16string word;
    const std::size_t end = std::min(text.size(), text.find(u'\0'));
    for (std::size_t i = 0; i < end; ++i) {
        const char16_t c = text[i];
        if (c == u'\r') {
            lines.EndParagraph(word);
            word.clear();
            continue;
        }
        if (c == u' ' || c == u'\t') {
            lines.Word(word, true);
            word.clear();
        } else if (IsWideCharacter(c)) {
            word += c;
            lines.Word(word, false);
            word.clear();
        } else if (c != u'\n') {
            word += c;
        }
        if (i + 1 == end) lines.EndParagraph(word);
    }
    RestoreDC(dc, saved);
    return lines.Height();
}

} // namespace zeledit::objects
