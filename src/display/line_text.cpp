#include "display/line_text.h"

#include "display/line_layout.h"
#include "model/device_metrics.h"
#include "model/editor_buffer.h"
#include "model/editor_fonts.h"
#include "objects/editor_objects.h"
#include "platform/gdi/scoped_gdi.h"
#include "platform/graphics_support/decorated_text.h"

#include <algorithm>

namespace zeledit::display {

using model::TAB, model::LF, model::CR;
namespace {

constexpr int TabMargin = 5;

bool EndsParagraph(const model::TLineInfo& line) { return line.tmBreakPara || line.tmEndOfDoc; }

// Spaces of text[0, n) other than the trailing ones.
int InnerSpaces(const char16_t* text, std::uint32_t n) {
    while (n > 0 && text[n - 1] == u' ') --n;
    return static_cast<int>(std::count(text, text + n, u' '));
}

int Extent(HDC dc, const char16_t* text, std::uint32_t n) {
    SIZE size{};
    if (n > 0) GetTextExtentPoint32W(dc, text, static_cast<int>(n), &size);
    return size.cx;
}

objects::TObjectItem* ObjectOf(const model::TEditorInfo& ei, std::uint8_t id) {
    return ei.eiObjects != nullptr ? objects::ObjectsOf(ei)->FindByID(id) : nullptr;
}

HFONT FontOf(const model::TEditorInfo& ei, std::uint8_t format) {
    return ei.eiFonts->GetFormatItem(format & 0x7F)->FFontHandle;
}

} // namespace

Justification Remaining(Justification j, std::u16string_view text) {
    if (j.count <= 0) return {};
    const int spaces = std::min(static_cast<int>(std::count(text.begin(), text.end(), u' ')), j.count);
    const int share = j.extra / j.count, larger = j.extra % j.count;
    const int taken = spaces * share + std::min(spaces, larger);
    return {j.extra - taken, j.count - spaces};
}

LineStart LineStartX(HDC dc, const char16_t* text, std::uint32_t length, const model::TLineInfo& line) {
    const int left = line.tmLineRegion.Left, right = line.tmLineRegion.Right;
    const int surplus = right - left - static_cast<int>(line.tmWidth);
    LineStart start{left, {}};
    if (line.tmAlignment == 1) start.x = left + surplus / 2;
    if (line.tmAlignment == 2) start.x = right - static_cast<int>(line.tmWidth);
    if (line.tmAlignment == 3 && std::find(text, text + length, u'\t') == text + length &&
        !EndsParagraph(line)) {
        const int spaces = InnerSpaces(text, length);
        if (spaces > 0 && surplus > 0) start.justification = {surplus, spaces};
    }
    SetTextJustification(dc, start.justification.extra, start.justification.count);
    return start;
}

int MeasureToNextTab(HDC dc, const char16_t* text, const std::uint8_t* formats, std::uint32_t count,
                     const model::TEditorInfo& ei) {
    const int saved = SaveDC(dc);
    int width = 0;
    for (std::uint32_t i = 1; i <= count; ++i) {
        const char16_t c = text[i];
        if (c == 0 || c == LF || c == CR) break;
        if (c == TAB) break; // the next tab ends the segment and adds nothing
        if (c == objects::ObjectMark) {
            if (const auto* o = ObjectOf(ei, formats[i])) width += o->Width();
            continue;
        }
        SelectObject(dc, FontOf(ei, formats[i]));
        width += Extent(dc, &text[i], 1);
    }
    RestoreDC(dc, saved);
    return width & 0xFFFF;
}

int MeasureSegment(HDC dc, const char16_t* text, const std::uint8_t* formats, const model::TEditorInfo& ei,
                   std::uint32_t count) {
    const int saved = SaveDC(dc);
    std::uint32_t i = count > 0 && text[0] == TAB ? 1 : 0;
    int width = 0;
    while (i < count) {
        if (text[i] == TAB) {
            ++i;
            continue;
        }
        if (text[i] == objects::ObjectMark) {
            if (const auto* o = ObjectOf(ei, formats[i])) width += o->Width();
            ++i;
            continue;
        }
        std::uint32_t end = i + 1;
        while (end < count && text[end] != TAB && text[end] != objects::ObjectMark &&
               (formats[end] & 0x7F) == (formats[i] & 0x7F))
            ++end;
        SelectObject(dc, FontOf(ei, formats[i]));
        width += Extent(dc, text + i, end - i);
        i = end;
    }
    RestoreDC(dc, saved);
    return width;
}

void DrawTabLeader(HDC dc, int from, int to, int leader, int y) {
    static constexpr char16_t characters[] = {0, u'.', u'-', u'_'};
    if (leader < 1 || leader > 3) return;
    const char16_t c = characters[leader];
    const int cell = Extent(dc, &c, 1);
    if (cell <= 0) return; // a character without width would never reach the stop
    const UINT align = SetTextAlign(dc, TA_BASELINE | TA_LEFT);
    for (; from + cell < to; from += cell)
        if (from + 2 * cell < to) TextOutW(dc, from + cell, y, &c, 1);
    SetTextAlign(dc, align);
}

ResolvedTab ResolveTab(HDC dc, int x, const char16_t* tab, const std::uint8_t* formats, std::uint32_t rest,
                       const model::TParagraphItem& para, const model::TEditorInfo& ei,
                       const model::TLineInfo& line) {
    const TTab& stop = para.FAttributes.ptTabs.tabs[TabStopAt(x - TabMargin, para.FAttributes.ptTabs)];
    ResolvedTab r{};
    r.stop = model::InchesToPixelsX(stop.tbPosition) + TabMargin;
    r.align = stop.tbAlign;
    r.leader = stop.tbLeader;
    const int w = r.align >= 1 && r.align <= 3 ? MeasureToNextTab(dc, tab, formats, rest, ei) : 0;
    r.leader_end = r.align == 1 ? r.stop - w / 2 : r.align == 2 || r.align == 3 ? r.stop - w : r.stop;
    r.text_x = r.leader_end;
    SetTextJustification(dc, 0, 0);
    const bool last_tab = std::find(tab + 1, tab + 1 + rest, u'\t') == tab + 1 + rest;
    if (line.tmAlignment == 3 && last_tab && r.align == 0 && !EndsParagraph(line)) {
        const int surplus = line.tmLineRegion.Right - r.stop - MeasureSegment(dc, tab, formats, ei, rest + 1);
        const int spaces = InnerSpaces(tab + 1, rest);
        if (spaces > 0 && surplus > 0) r.justification = {surplus, spaces};
    }
    SetTextJustification(dc, r.justification.extra, r.justification.count);
    return r;
}

namespace {

// The walk of DrawLineText: runs of equal format byte and highlight state.
class TextWalk {
public:
    TextWalk(HDC dc, int y, std::uint32_t start, const model::TEditorInfo& ei, const model::TLineInfo& line,
             const model::TParagraphItem& para, std::uint32_t length)
        : dc_(dc), y_(y), ei_(ei), line_(line), para_(para), units_(ei.eiBuffers->Units(start, length)),
          first_(start), end_(start + length), run_(start) {}

    void Run() {
        const HGDIOBJ font = GetCurrentObject(dc_, OBJ_FONT);
        SetBkMode(dc_, TRANSPARENT);
        SetTextAlign(dc_, TA_BASELINE | TA_LEFT);
        const LineStart start = LineStartX(dc_, Text(run_), end_ - run_, line_);
        x_ = start.x;
        justification_ = start.justification;
        for (std::uint32_t i = run_; i < end_; ++i) {
            if (*Text(i) == objects::ObjectMark)
                Object(i);
            else
                Unit(i);
        }
        Flush(end_);
        SelectObject(dc_, font);
        SetTextAlign(dc_, TA_TOP | TA_LEFT);
        SetTextJustification(dc_, 0, 0);
    }

private:
    bool Highlighted(std::uint32_t i) const {
        return !ei_.eiPrinting && ei_.eiHighStart != ei_.eiHighEnd &&
               ei_.eiHighStart <= static_cast<std::int64_t>(i) &&
               static_cast<std::int64_t>(i) <= ei_.eiHighEnd;
    }
    // The byte becomes current; the font changes only with its low seven bits.
    void Become(std::uint8_t format) {
        if (format_ < 0 || (format & 0x7F) != (format_ & 0x7F)) SelectObject(dc_, FontOf(ei_, format));
        format_ = format;
    }

    void Object(std::uint32_t i) {
        Flush(i);
        Become(*Formats(i));
        high_ = Highlighted(i);
        if (auto* o = ObjectOf(ei_, *Formats(i))) {
            SetTextJustification(dc_, 0, 0);
            o->DrawObject(dc_, x_, ei_.eiPrinting, ei_.eiBitmapMode, y_);
            x_ += o->Width();
            SetTextJustification(dc_, justification_.extra, justification_.count);
        }
        run_ = i + 1;
    }

    void Unit(std::uint32_t i) {
        const bool high = Highlighted(i);
        if (*Formats(i) != format_ || high != high_) {
            Flush(i);
            Become(*Formats(i));
            high_ = high;
            run_ = i;
        }
        if (*Text(i) != TAB) return;
        Flush(i);
        const ResolvedTab tab = ResolveTab(dc_, x_, Text(i), Formats(i), end_ - i - 1, para_, ei_, line_);
        justification_ = tab.justification;
        if (tab.align == 4)
            BarAt(tab.stop);
        else if (tab.leader != 0)
            DrawTabLeader(dc_, x_, tab.leader_end, tab.leader, y_);
        x_ = tab.text_x;
        run_ = i + 1;
    }

    void BarAt(int x) {
        const COLORREF colour = ei_.eiFonts->GetFormatItem(format_ & 0x7F)->FAttributes.ftColor;
        platform::UniqueGdi<HPEN> pen(CreatePen(PS_SOLID, 1, colour));
        platform::SelectedObject selected(dc_, pen.get());
        const int top = y_ - static_cast<int>(line_.tmBaseline);
        MoveToEx(dc_, x, top, nullptr);
        LineTo(dc_, x, top + static_cast<int>(line_.tmHeight));
    }

    void SetColours(const TCharFormat& f) {
        if (!high_) {
            SetBkMode(dc_, TRANSPARENT);
            SetTextColor(dc_, f.ftColor);
        } else if (ei_.eiHighlightStyle == 0) {
            SetTextColor(dc_, ei_.eiHighColor);
        } else if (ei_.eiHighlightStyle == 1) {
            SetBkMode(dc_, OPAQUE);
            SetTextColor(dc_, RGB(255, 255, 255));
            SetBkColor(dc_, ei_.eiHighColor);
        }
    }

    void Flush(std::uint32_t end) {
        if (end <= run_ || format_ < 0) return;
        const std::u16string_view text(Text(run_), end - run_);
        const model::TFontItem& font = *ei_.eiFonts->GetFormatItem(format_ & 0x7F);
        const TCharFormat& f = font.FAttributes;
        // Drawing uses up the justification of the run's spaces: the advance is measured
        // before, and the shadow gives back what it used.
        const int advance = Extent(dc_, text.data(), static_cast<std::uint32_t>(text.size()));
        if (f.ftShadow > 0) {
            const int s = f.ftShadow * model::PenUnit;
            const int saved = SaveDC(dc_);
            SetTextColor(dc_, f.ftShadColor);
            platform::DecoratedTextOut(dc_, x_ + s, y_ + s + font.ftPosition, text, f.ftUnderline,
                                       f.ftShadColor, f.ftStrikethrough, f.ftShadColor);
            RestoreDC(dc_, saved);
        }
        SetColours(f);
        int underline = f.ftUnderline;
        COLORREF underline_colour = f.ftUnderlineColor;
        if ((format_ & 0x80) != 0 && !ei_.eiPrinting) {
            if (ei_.eiState == model::mtZigzag) {
                underline = 13;
                underline_colour = ei_.eiStateColor;
            } else if (ei_.eiState == model::mtColor) {
                SetTextColor(dc_, ei_.eiStateColor);
            }
        }
        platform::DecoratedTextOut(dc_, x_, y_ + font.ftPosition, text, underline, underline_colour,
                                   f.ftStrikethrough, f.ftStrikeColor);
        justification_ = Remaining(justification_, text); // as the drawing used it up
        x_ += advance;
        run_ = end;
    }

    HDC dc_;
    int y_;
    const model::TEditorInfo& ei_;
    const model::TLineInfo& line_;
    const model::TParagraphItem& para_;
    const char16_t* Text(std::uint32_t i) const { return units_.text + (i - first_); }
    const std::uint8_t* Formats(std::uint32_t i) const { return units_.formats + (i - first_); }

    model::TEditorBuffer::UnitRange units_; // the line's units from first_ on
    std::uint32_t first_, end_, run_;
    int x_ = 0;
    int format_ = -1;
    bool high_ = false;
    Justification justification_;
};

} // namespace

void DrawLineText(HDC dc, int y, std::uint32_t start, const model::TEditorInfo& ei,
                  const model::TLineInfo& line, const model::TParagraphItem& para, std::uint32_t length) {
    if (length == 0) return;
    TextWalk(dc, y, start, ei, line, para, length).Run();
}

} // namespace zeledit::display
