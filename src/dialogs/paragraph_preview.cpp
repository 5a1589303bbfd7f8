#include "dialogs/paragraph_preview.h"

#include "controls/controls.h"
#include "platform/core/code_page.h"
#include "platform/graphics_support/border_box.h"

#include <cmath>
#include <string>

namespace zeledit::dialogs {
namespace {

constexpr int ParagraphDpi = 24;

int Px(double inches, int dpi) { return static_cast<int>(std::lround(inches * dpi)); }

void TextLine(HDC dc, int x1, int x2, int y, COLORREF colour) {
    if (x2 > x1) controls::fill_solid(dc, {x1, y, x2, y + 3}, colour);
}

// The bullet's character in its face, colour and size (10 points when automatic).
void DrawBulletChar(HDC dc, const TBullet& b, int centre_x, int top) {
    LOGFONTW lf{};
    const std::u16string face = platform::field_to_unicode(b.blFaceName);
    face.copy(lf.lfFaceName, LF_FACESIZE - 1);
    lf.lfHeight = -MulDiv(b.blSize > 0 ? b.blSize : 10, GetDeviceCaps(dc, LOGPIXELSY), 72);
    lf.lfCharSet = DEFAULT_CHARSET;
    HFONT font = CreateFontIndirectW(&lf);
    HGDIOBJ old = SelectObject(dc, font);
    const std::u16string ch = platform::to_unicode({&b.blChar, 1});
    SetTextAlign(dc, TA_TOP | TA_CENTER);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, b.blColor);
    TextOutW(dc, centre_x, top, ch.c_str(), static_cast<int>(ch.size()));
    SetTextAlign(dc, TA_TOP | TA_LEFT);
    SelectObject(dc, old);
    DeleteObject(font);
}

bool Light(COLORREF c) {
    const unsigned r = c & 0xFF, g = (c >> 8) & 0xFF, b = (c >> 16) & 0xFF;
    return (r * 299 + g * 587 + b * 114) / 1000 >= 80;
}

} // namespace

void DrawParagraphPreview(HDC dc, RECT box, const TParaFormat& f) {
    const COLORREF grey = GetSysColor(COLOR_BTNFACE);
    controls::fill_solid(dc, box, grey);
    RECT page = box;
    InflateRect(&page, -5, -5);
    controls::fill_solid(dc, page, 0);
    InflateRect(&page, -2, -2);
    controls::fill_solid(dc, page, 0xFFFFFF);
    RECT area = page;
    InflateRect(&area, -16, -16);
    for (int i = 0; i < 4; ++i) {
        const int x1 = area.left + (i == 0 ? 10 : 0), x2 = area.right - (i == 3 ? 30 : 0);
        TextLine(dc, x1, x2, area.top + 8 * i, grey);
        TextLine(dc, x1, x2, area.top + 128 + 8 * i, grey);
    }
    const TIndent in = f.ptIndent;
    const TBullet bullet = f.ptBullet;
    const int left = area.left + Px(in.inLeft, ParagraphDpi),
              right = area.right - Px(in.inRight, ParagraphDpi);
    const int hang = in.inFirst < 0 ? Px(-in.inFirst, ParagraphDpi) : 0;
    const RECT band{left - hang - 2, area.top + 32, right + 2, area.top + 120};
    controls::fill_solid(dc, band, f.ptShading);
    platform::DrawBorderBox(dc, band, f.ptBorder, 1);
    const int text_left = left + (f.ptBorder.btLeft.beStyle != 0 ? 8 : 0);
    const int text_right = right - (f.ptBorder.btRight.beStyle != 0 ? 8 : 0);
    const int first =
        bullet.blPresent != 0 && bullet.blHanging != 0 ? text_left : text_left + Px(in.inFirst, ParagraphDpi);
    const COLORREF ink = Light(f.ptShading) ? 0 : 0xFFFFFF;
    for (int i = 0; i < 8; ++i)
        TextLine(dc, i == 0 ? first : text_left, text_right - (i == 7 ? 25 : 0), area.top + 40 + 10 * i, ink);
    if (bullet.blPresent == 0) return;
    const int indent = Px(std::fabs(in.inFirst), ParagraphDpi);
    const int centre = in.inFirst < 0 ? text_left - indent / 2 : text_left + indent / 2;
    DrawBulletChar(dc, bullet, centre, area.top + 34);
}

void DrawBulletPreview(HDC dc, RECT box, const TBullet& b) {
    controls::fill_solid(dc, box, 0xFFFFFF);
    const int d = static_cast<int>(std::lround(b.blIndent * 48));
    const COLORREF grey = GetSysColor(COLOR_BTNFACE);
    for (int i = 0; i < 12; ++i) {
        const bool first = i % 4 == 0;
        const int x1 = box.left + (b.blHanging != 0 || first ? d : 0);
        TextLine(dc, x1, box.right - (i % 4 == 3 ? 30 : 0), box.top + 8 + 10 * i, grey);
    }
    for (int i = 0; i < 3; ++i) DrawBulletChar(dc, b, box.left + d / 2, box.top + 8 + 40 * i - 6);
}

} // namespace zeledit::dialogs
