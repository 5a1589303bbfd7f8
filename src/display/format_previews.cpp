#include "display/format_previews.h"

#include "model/device_metrics.h"
#include "platform/core/code_page.h"
#include "platform/graphics_support/border_box.h"
#include "platform/graphics_support/decorated_text.h"
#include "platform/graphics_support/graphics_support.h"

#include <string>

namespace zeledit::display {
namespace {

using model::RoundNearest;

void Segment(HDC dc, POINT from, POINT to, int width, COLORREF colour) {
    HPEN pen = CreatePen(PS_SOLID, width, colour);
    HGDIOBJ old = SelectObject(dc, pen);
    MoveToEx(dc, from.x, from.y, nullptr);
    LineTo(dc, to.x, to.y);
    SelectObject(dc, old);
    DeleteObject(pen);
}

// A grey sample line of the paragraph miniature.
void SampleLine(HDC dc, int x1, int y, int x2) { Segment(dc, {x1, y}, {x2, y}, 3, 0xC0C0C0); }

// The bullet character centred in the scaled bullet indent before the text start.
void DrawPreviewBullet(HDC dc, const TBullet& bullet, int right_of_bullet, int top, int indent) {
    LOGFONTW lf{};
    const std::u16string face = platform::field_to_unicode(bullet.blFaceName);
    platform::GetFont(dc, &lf, face.c_str(), 10, 0, FALSE, 0);
    lf.lfCharSet = DEFAULT_CHARSET;
    HFONT font = CreateFontIndirectW(&lf);
    HGDIOBJ old_font = SelectObject(dc, font);
    const std::u16string ch =
        platform::to_unicode({reinterpret_cast<const std::uint8_t*>(&bullet.blChar), 1});
    SIZE size{};
    GetTextExtentPoint32W(dc, ch.c_str(), static_cast<int>(ch.size()), &size);
    const COLORREF old_colour = SetTextColor(dc, bullet.blColor);
    const int old_mode = SetBkMode(dc, TRANSPARENT);
    TextOutW(dc, right_of_bullet - ((indent - size.cx) / 2 + size.cx), top, ch.c_str(),
             static_cast<int>(ch.size()));
    SetBkMode(dc, old_mode);
    SetTextColor(dc, old_colour);
    SelectObject(dc, old_font);
    DeleteObject(font);
}

} // namespace

void DrawFontPreview(HDC dc, int x, int y, std::u16string_view text, const model::TFontItem& font) {
    const TCharFormat& f = font.FAttributes;
    const std::u16string shown(text.empty() ? platform::field_to_unicode(f.ftFaceName)
                                            : std::u16string(text));
    HGDIOBJ old_font = SelectObject(dc, font.FFontHandle);
    const COLORREF old_colour = GetTextColor(dc);
    const int shadow = f.ftShadow;
    if (shadow != 0) {
        SetTextColor(dc, f.ftShadColor);
        platform::DecoratedTextOut(dc, x + shadow, y + shadow + font.ftPosition, shown, f.ftUnderline,
                                   f.ftShadColor, f.ftStrikethrough, f.ftShadColor);
    }
    SetTextColor(dc, f.ftColor);
    platform::DecoratedTextOut(dc, x, y + font.ftPosition, shown, f.ftUnderline, f.ftUnderlineColor,
                               f.ftStrikethrough, f.ftStrikeColor);
    SetTextColor(dc, old_colour);
    SelectObject(dc, old_font);
}

void DrawParaPreview(HDC dc, RECT r, int width, const model::TParagraphItem& para) {
    const TParaFormat& p = para.FAttributes;
    const double scale = double(r.right - r.left - 5) / width * model::DotPerInchX;
    auto scaled = [&](double inches) { return RoundNearest(scale * inches); };

    const RECT ruler{r.left, r.top, r.right, r.top + 8};
    FillRect(dc, &ruler, static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH)));
    int e = scaled(p.ptIndent.inLeft), first = scaled(p.ptIndent.inFirst), right = scaled(p.ptIndent.inRight);
    const bool hanging_bullet = p.ptBullet.blPresent != 0 && p.ptBullet.blHanging != 0;
    const int bullet_indent = scaled(p.ptBullet.blIndent);
    RECT box{r.left + e, r.top + 9, r.right, r.bottom};
    box.left -= hanging_bullet ? bullet_indent : first < 0 ? -first : 0;
    if (para.brShading != nullptr) FillRect(dc, &box, para.brShading);
    platform::DrawBorderBox(dc, box, p.ptBorder, model::PenUnit);
    if (p.ptBorder.btLeft.beStyle != 0) e += 8;
    if (p.ptBorder.btRight.beStyle != 0) right += 8;

    SampleLine(dc, r.left + e + (hanging_bullet ? 0 : first), r.top + 18, r.right - right - 2);
    SampleLine(dc, r.left + e, r.top + 26, r.right - right - 2);
    SampleLine(dc, r.left + e, r.top + 34, r.right - right - 20);
    if (p.ptBullet.blPresent != 0)
        DrawPreviewBullet(dc, p.ptBullet, r.left + e + (first >= 1 ? first : 0), r.top + 10, bullet_indent);
    for (const TTab& tab : p.ptTabs.tabs) {
        if (tab.tbDefault != 0) continue;
        const int x = r.left + scaled(tab.tbPosition);
        Segment(dc, {x, r.top + 6}, {x, r.top + 8}, 2, RGB(255, 255, 255));
    }
}

} // namespace zeledit::display
