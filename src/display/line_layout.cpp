#include "display/line_layout.h"

#include "display/paint_line.h"
#include "model/device_metrics.h"
#include "model/editor_buffer.h"
#include "model/editor_fonts.h"
#include "model/format_conversion.h"
#include "objects/editor_objects.h"

#include <algorithm>

namespace zeledit::display {

using model::TAB, model::LF, model::CR;
namespace {

using model::DotPerInchX;
using model::DotPerInchY;
using model::RoundNearest;

constexpr int TabMargin = 5;

int EmptyLineHeight() { return RoundNearest(10.0 * DotPerInchY / 72); }
int PointsToPixels(int points) { return points * DotPerInchY / 72; }
int SpacingPixels(double points) { return model::SpacingToPixelsY(points); }

// The walk of MeasureLine over one line's code units.
class LineWalk {
public:
    LineWalk(HDC dc, std::uint32_t start, const model::TParagraphItem& para, const model::TEditorInfo& ei,
             model::TLineInfo& line)
        : dc_(dc), para_(para), ei_(ei), line_(line), text_(ei.eiBuffers->ParagraphText(start)),
          formats_(ei.eiBuffers->ParagraphFormats(start)), start_(start), break_(start),
          saved_font_(GetCurrentObject(dc, OBJ_FONT)), selected_(dc) {
        const auto& r = line_.tmLineRegion;
        available_ = std::max(r.Right - r.Left, GetDeviceCaps(dc, LOGPIXELSX) / 4);
    }
    ~LineWalk() { SelectObject(dc_, saved_font_); }
    LineWalk(const LineWalk&) = delete;
    LineWalk& operator=(const LineWalk&) = delete;

    int Run();

private:
    void CommitMetrics() {
        line_height_ = std::max(line_height_, height_);
        line_.tmBaseline = std::max<std::uint32_t>(line_.tmBaseline, ascent_);
    }
    void Commit() {
        committed_ += pending_;
        CommitMetrics();
        pending_ = 0;
        break_ += count_;
        line_.tmIndex = break_;
    }
    void KeepOneUnit() {
        if (!continue_ && (count_ < 2 || committed_ == 0)) {
            ++break_;
            line_.tmIndex = break_;
        }
    }
    void EndOfParagraph(char16_t c, std::uint32_t at);
    void SelectFormat(std::uint8_t format);
    void AddWidth(char16_t c, std::uint8_t format);
    void BreakOpportunity(char16_t c);
    void Tab();
    int ApplySpacing(int height);

    HDC dc_;
    const model::TParagraphItem& para_;
    const model::TEditorInfo& ei_;
    model::TLineInfo& line_;
    const char16_t* text_;
    const std::uint8_t* formats_;
    std::uint32_t start_, break_;
    HGDIOBJ saved_font_;
    platform::SelectedFont selected_; // the font of format_
    int available_ = 0, committed_ = 0, pending_ = 0;
    std::uint32_t count_ = 0;
    int ascent_ = 0, height_ = 0, line_height_ = 0;
    int format_ = 255;
    bool aligned_tab_ = false, continue_ = true;
};

void LineWalk::EndOfParagraph(char16_t c, std::uint32_t at) {
    if (committed_ + pending_ > available_) {
        ++break_; // the last word goes to the next line, after the space before it
    } else {
        Commit();
        if (c == CR && text_[at + 1] == LF) {
            break_ += 2;
            line_.tmBreakPara = true;
        } else if (c != 0) {
            ++break_; // a lone CR or LF ends the line, not the paragraph
        } else {
            line_.tmEndOfDoc = line_.tmBreakPara = true;
        }
    }
    continue_ = false;
}

void LineWalk::SelectFormat(std::uint8_t format) {
    format_ = format;
    const model::TFontItem* font = ei_.eiFonts->GetFormatItem(format);
    SelectObject(dc_, font->FFontHandle);
    selected_ = platform::SelectedFont(dc_);
    const TEXTMETRICW tm = selected_.Valid() ? selected_.Metrics() : TEXTMETRICW{};
    ascent_ = std::max(ascent_, static_cast<int>(tm.tmAscent));
    const int h =
        RunHeight(selected_, font->FAttributes.ftUnderline) + font->FAttributes.ftShadow * model::PenUnit;
    height_ = std::max(height_, h);
    if (height_ - ascent_ < tm.tmDescent) height_ += tm.tmDescent;
}

void LineWalk::AddWidth(char16_t c, std::uint8_t format) {
    int w = 0;
    if (c == objects::ObjectMark) {
        if (objects::TObjectItem* o =
                ei_.eiObjects != nullptr ? objects::ObjectsOf(ei_)->FindByID(format) : nullptr) {
            if (ei_.eiFitting) o->Fit(available_, ei_.eiBoundRect.bottom - ei_.eiBoundRect.top - 16);
            w = o->Width();
            const int below = std::max(height_ - ascent_, o->BelowHeight());
            ascent_ = std::max(ascent_, o->Height());
            height_ = std::max(height_, below + o->Height());
        }
    } else if (selected_.Valid()) {
        w = selected_.Width(c);
    }
    if (aligned_tab_) return;
    if (pending_ + w > available_ && committed_ == 0) {
        // One word wider than the line: it breaks inside, before the unit that did not fit.
        committed_ = pending_;
        CommitMetrics();
        if (count_ > 0) break_ += count_ - 1;
        line_.tmIndex = break_;
        continue_ = false;
    } else {
        pending_ += w;
    }
}

void LineWalk::BreakOpportunity(char16_t c) {
    if (committed_ + pending_ < available_) {
        Commit();
        count_ = 0;
    } else {
        if (!IsBreakAnywhere(c)) ++break_;
        continue_ = false;
    }
}

void LineWalk::Tab() {
    const TTabArray& tabs = para_.FAttributes.ptTabs;
    const int i = TabStopAt(line_.tmLineRegion.Left + committed_ - TabMargin, tabs);
    const int x = model::InchesToPixelsX(tabs.tabs[i].tbPosition) + TabMargin;
    committed_ = x - line_.tmLineRegion.Left;
    aligned_tab_ = tabs.tabs[i].tbAlign == 2 || tabs.tabs[i].tbAlign == 3;
    if (committed_ >= available_) continue_ = false;
    if (!continue_ && !(pending_ != 0 && count_ >= 2)) {
        ++break_;
        line_.tmIndex = break_;
    }
}

int LineWalk::Run() {
    line_.tmIndex = start_;
    line_.tmBreakPara = line_.tmEndOfDoc = false;
    line_.tmBaseline = line_.tmTextHeight = 0;
    for (std::uint32_t at = start_; committed_ < available_ && continue_; ++at) {
        const char16_t c = text_[at];
        const std::uint8_t format = formats_[at];
        if (c == 0 || c == LF || c == CR) {
            EndOfParagraph(c, at);
            break;
        }
        if (c != objects::ObjectMark && (format & 0x7F) != format_) SelectFormat(format & 0x7F);
        if (c != TAB) {
            AddWidth(c, format);
            KeepOneUnit();
        }
        if (continue_ && (c == TAB || c == u' ' || IsBreakAnywhere(c))) {
            BreakOpportunity(c);
            KeepOneUnit();
        }
        if (continue_ && c == TAB) Tab();
        ++count_;
    }
    // Every line takes at least one unit of a text that has not ended.
    if (break_ <= start_ && text_[start_] != 0) break_ = line_.tmIndex = start_ + 1;
    line_.tmWidth = static_cast<std::uint32_t>(std::max(committed_, 0));
    // The next line may start the next paragraph, which may lie across the buffer's gap.
    line_.tmLength = line_.tmIndex - start_ + (ei_.eiBuffers->CharAt(line_.tmIndex) == u' ' ? 1 : 0);
    if (line_.tmLength == 0 || line_height_ == 0) line_height_ = EmptyLineHeight();
    return ApplySpacing(line_height_);
}

// Line spacing, then the spacing of the paragraph and its border above and below.
int LineWalk::ApplySpacing(int height) {
    const TParaFormat& p = para_.FAttributes;
    int baseline = static_cast<int>(line_.tmBaseline);
    const int value = model::LineSpacingValueOf(p.ptLineSpacing);
    const int measured = height;
    const auto scaled_baseline = [&](int h) {
        return measured > 0 ? RoundNearest(double(h) * baseline / measured) : 0;
    };
    using enum model::LineSpacingKind;
    switch (model::LineSpacingKindOf(p.ptLineSpacing)) {
    case OneAndHalf:
        height = RoundNearest(1.5 * height);
        baseline = RoundNearest(1.5 * baseline);
        break;
    case Double:
        height *= 2;
        baseline *= 2;
        break;
    case AtLeast: height = std::max(height, PointsToPixels(value)); break;
    case Exactly:
        height = PointsToPixels(value);
        baseline = scaled_baseline(height);
        break;
    case Multiple: // tenths of a line past ten, whole lines below
        height = RoundNearest(measured * (value > 10 ? value / 10.0 : double(value)));
        baseline = scaled_baseline(height);
        break;
    default: break;
    }
    line_.tmTextHeight = static_cast<std::uint32_t>(std::max(height, 0));
    if (line_.tmFirstLine) {
        if (p.ptBorder.btTop.beStyle != 0 && !line_.tmTopBorder) {
            const int space = SpacingPixels(p.ptBorder.btTop.beSpace);
            height += space;
            baseline += space;
        }
        height += PointsToPixels(p.ptBefore);
        baseline += PointsToPixels(p.ptBefore);
    }
    if (line_.tmBreakPara || line_.tmEndOfDoc) {
        if (p.ptBorder.btBottom.beStyle != 0 && !line_.tmBottomBorder) {
            height += SpacingPixels(p.ptBorder.btBottom.beSpace);
            if ((p.ptBorder.btBottom.beStyle & 0xF0) != 0) height += 2 * model::PenUnit;
        }
        height += PointsToPixels(p.ptAfter);
    }
    line_.tmBaseline = static_cast<std::uint32_t>(std::max(baseline, 0));
    line_.tmIndex = break_;
    line_.tmHeight = static_cast<std::uint32_t>(std::max(height, 0));
    return height;
}

} // namespace

bool IsBreakAnywhere(char16_t c) { return c >= 0x3000 && c <= 64045; }

int UnderlineThickness(int style, int size) {
    const int half = std::max(size / 2, 1);
    switch (style) {
    case 1:
    case 5:
    case 7:
    case 9:
    case 11:
    case 13: return size;
    case 3:
    case 14: return half + 2 * size;
    case 4: return 3 * half;
    default: return 0;
    }
}

int RunHeight(HDC dc, int underline_style) { return RunHeight(platform::SelectedFont(dc), underline_style); }

int RunHeight(const platform::SelectedFont& font, int underline_style) {
    OUTLINETEXTMETRICW otm{};
    TEXTMETRICW tm{};
    int underline_size = 1, underline_position = 1;
    if (font.Valid()) {
        font.OutlineMetrics(otm);
        tm = otm.otmTextMetrics;
        underline_size = otm.otmsUnderscoreSize;
        underline_position = otm.otmsUnderscorePosition;
    }
    return std::max(tm.tmHeight + tm.tmExternalLeading,
                    tm.tmAscent + std::abs(underline_position) +
                        UnderlineThickness(underline_style, underline_size));
}

int TabStopAt(int x, const TTabArray& tabs) {
    for (int i = 0; i < 50; ++i)
        if (model::InchesToPixelsX(tabs.tabs[i].tbPosition) > x) return i;
    return 50;
}

int MeasureLine(HDC dc, std::uint32_t start, const model::TParagraphItem& para, const model::TEditorInfo& ei,
                model::TLineInfo& line) {
    return LineWalk(dc, start, para, ei, line).Run();
}

bool WrapLineRegion(const model::TEditorInfo& ei, model::TLineInfo& line, int y, int height, bool floated) {
    line.tmLineRegion.Left = static_cast<std::int16_t>(std::clamp<long>(line.tmRegion.left, -32768, 32767));
    line.tmLineRegion.Right = static_cast<std::int16_t>(std::clamp<long>(line.tmRegion.right, -32768, 32767));
    if (ei.eiObjects == nullptr) return false;
    if (!floated) {
        line.tmLineRegion.MoreHeight = 0;
        return false;
    }
    int at = y;
    bool met = false;
    const int narrowest = RoundNearest(DotPerInchX * 0.5);
    for (model::TItemNode* n = objects::ObjectsOf(ei)->Head(); n != nullptr; n = n->NextItem) {
        const auto& o = *static_cast<objects::TObjectItem*>(n);
        if (!o.IsWrappedAt(at, height)) continue;
        met = true;
        int left = line.tmLineRegion.Left, right = line.tmLineRegion.Right;
        if (o.Info.oiLayout == 1)
            right = std::min(right, static_cast<int>(ei.eiBoundRect.right) - o.Width());
        else
            left = std::max(left, o.Width());
        if (right - left < narrowest) {
            at = o.Position() + o.Height();
        } else {
            line.tmLineRegion.Left = static_cast<std::int16_t>(left);
            line.tmLineRegion.Right = static_cast<std::int16_t>(right);
        }
    }
    line.tmLineRegion.MoreHeight = static_cast<std::int16_t>(std::clamp(at - y, 0, 32767));
    return met;
}

void MeasureWrappedLine(HDC dc, int y, std::uint32_t start, const model::TParagraphItem& para,
                        const model::TEditorInfo& ei, model::TLineInfo& line, bool floated) {
    const model::TLineInfo saved = line;
    const int height = MeasureLine(dc, start, para, ei, line);
    if (!WrapLineRegion(ei, line, y, height, floated)) return;
    const model::TLineRegion region = line.tmLineRegion;
    line = saved;
    line.tmLineRegion = region;
    MeasureLine(dc, start, para, ei, line);
}

std::uint32_t LayoutLine(HDC dc, int docY, const model::TParagraphItem& para, std::uint32_t start,
                         const model::TEditorInfo& ei, model::TLineInfo& line) {
    line.tmLineRegion = {static_cast<std::int16_t>(line.tmRegion.left),
                         static_cast<std::int16_t>(line.tmRegion.right), 0};
    MeasureWrappedLine(dc, docY, start, para, ei, line);
    return line.tmIndex;
}

void PaintLaidOutLine(HDC dc, int windowY, model::TParagraphItem& para, std::uint32_t start,
                      const model::TEditorInfo& ei, model::TLineInfo& line) {
    const std::uint32_t next = line.tmIndex;
    line.tmIndex = start;
    PaintLine(dc, windowY, para, ei, line);
    line.tmIndex = next;
}

std::uint32_t LayoutAndPaintLine(HDC dc, int windowY, int docY, model::TParagraphItem& para,
                                 std::uint32_t start, const model::TEditorInfo& ei, model::TLineInfo& line) {
    const std::uint32_t next = LayoutLine(dc, docY, para, start, ei, line);
    PaintLaidOutLine(dc, windowY, para, start, ei, line);
    return next;
}

void NextLineParagraph(std::uint32_t start, model::TParagraphItem*& para, const model::TEditorInfo& ei,
                       model::TLineInfo& line) {
    if (line.tmBreakPara) {
        para = ei.eiParas->GetParaInfo(start, true, line);
        return;
    }
    line.tmRegion.left = line.tmLeftIndent;
    line.tmLineRegion.Left = static_cast<std::int16_t>(std::clamp(line.tmLeftIndent, -32768, 32767));
    line.tmLineRegion.Right = static_cast<std::int16_t>(std::clamp<long>(line.tmRegion.right, -32768, 32767));
    line.tmFirstLine = false;
}

} // namespace zeledit::display
