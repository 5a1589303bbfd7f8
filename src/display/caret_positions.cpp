#include "display/caret_positions.h"

#include "display/line_text.h"
#include "model/editor_fonts.h"
#include "objects/editor_objects.h"

#include <algorithm>

namespace zeledit::display {

using model::TAB, model::LF, model::CR;
namespace {

int Extent(HDC dc, const char16_t* text, std::uint32_t n) {
    SIZE size{};
    if (n > 0) GetTextExtentPoint32W(dc, text, static_cast<int>(n), &size);
    return size.cx;
}

int ObjectWidth(const model::TEditorInfo& ei, std::uint8_t id) {
    const objects::TObjectItem* o = ei.eiObjects != nullptr ? objects::ObjectsOf(ei)->FindByID(id) : nullptr;
    return o != nullptr ? o->Width() : 0;
}

bool LineEnd(char16_t c) { return c == 0 || c == LF || c == CR; }

// Keeps the device context's font and justification as they were.
class MeasuringState {
public:
    explicit MeasuringState(HDC dc) : dc_(dc), font_(GetCurrentObject(dc, OBJ_FONT)) {}
    ~MeasuringState() {
        SelectObject(dc_, font_);
        SetTextJustification(dc_, 0, 0);
    }
    MeasuringState(const MeasuringState&) = delete;
    MeasuringState& operator=(const MeasuringState&) = delete;

private:
    HDC dc_;
    HGDIOBJ font_;
};

// Measures runs as drawing draws them: each run takes its spaces' share of the line's
// justification and leaves the rest to the runs after it.
class JustifiedMeasure {
public:
    JustifiedMeasure(HDC dc, Justification j) : dc_(dc), j_(j) {}
    int Width(const char16_t* text, std::uint32_t n) {
        const int width = Extent(dc_, text, n);
        Take(Remaining(j_, {text, n}));
        return width;
    }
    void Take(Justification j) {
        j_ = j;
        SetTextJustification(dc_, j_.extra, j_.count);
    }

private:
    HDC dc_;
    Justification j_;
};

} // namespace

int CharXPosition(HDC dc, const char16_t* text, const std::uint8_t* formats, const model::TEditorInfo& ei,
                  const model::TLineInfo& line, const model::TParagraphItem& para, std::uint32_t count) {
    MeasuringState state(dc);
    const std::uint32_t length = line.tmLength;
    const LineStart start = LineStartX(dc, text, length, line);
    int x = start.x;
    if (length == 0 || count == 0) return x;
    JustifiedMeasure measure(dc, start.justification);
    std::uint32_t run = 0;
    int font = -1;
    for (std::uint32_t i = 0; i < count; ++i) {
        const char16_t c = text[i];
        if (LineEnd(c) || c == objects::ObjectMark || c == TAB) {
            x += measure.Width(text + run, i - run);
            run = i + 1;
            if (c == objects::ObjectMark) x += ObjectWidth(ei, formats[i]);
            if (c == TAB) {
                const ResolvedTab tab = ResolveTab(dc, x, text + i, formats + i,
                                                   length - std::min(length, i + 1), para, ei, line);
                x = tab.text_x;
                measure.Take(tab.justification);
            }
            continue;
        }
        if ((formats[i] & 0x7F) != font) {
            x += measure.Width(text + run, i - run);
            run = i;
            font = formats[i] & 0x7F;
            SelectObject(dc, ei.eiFonts->GetFormatItem(font)->FFontHandle);
        }
    }
    return x + measure.Width(text + run, count - run);
}

std::uint32_t CharIndexAtX(HDC dc, const char16_t* text, const std::uint8_t* formats,
                           const model::TEditorInfo& ei, const model::TLineInfo& line,
                           const model::TParagraphItem& para, int xPos) {
    MeasuringState state(dc);
    const std::uint32_t length = line.tmLength;
    if (length == 0) return 0;
    const LineStart start = LineStartX(dc, text, length, line);
    int x = static_cast<std::uint16_t>(start.x);
    JustifiedMeasure measure(dc, start.justification);
    std::uint32_t i = 0;
    for (; i < length && xPos > x; ++i) {
        const char16_t c = text[i];
        if (LineEnd(c)) continue;
        if (c == objects::ObjectMark) {
            x += ObjectWidth(ei, formats[i]);
            continue;
        }
        SelectObject(dc, ei.eiFonts->GetFormatItem(formats[i] & 0x7F)->FFontHandle);
        if (c == TAB) {
            const ResolvedTab tab = ResolveTab(dc, x, text + i, formats + i, length - i - 1, para, ei, line);
            x = tab.text_x;
            measure.Take(tab.justification);
        } else {
            x += measure.Width(text + i, 1);
        }
    }
    return std::min(i, length);
}

} // namespace zeledit::display
