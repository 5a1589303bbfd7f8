// Font records, lines in the editor's pen styles, and colour shading.
#include "platform/graphics_support/graphics_support.h"
#include "platform/user/window_dc.h"

#include <algorithm>

namespace zeledit::platform {

void GetFont(HDC dc, LOGFONTW* font, LPCWSTR face, int points, int weight, BOOL italic, int) {
    if (font == nullptr) return;
    const int dpi =
        dc != nullptr ? GetDeviceCaps(dc, LOGPIXELSY) : GetDeviceCaps(WindowDC(nullptr), LOGPIXELSY);
    *font = LOGFONTW{};
    font->lfHeight = -MulDiv(points, dpi != 0 ? dpi : 96, 72);
    font->lfWeight = weight;
    font->lfItalic = italic ? 1 : 0;
    font->lfCharSet = DEFAULT_CHARSET;
    font->lfOutPrecision = OUT_TT_PRECIS;
    font->lfQuality = PROOF_QUALITY;
    for (int i = 0; face != nullptr && i < LF_FACESIZE - 1 && face[i] != 0; ++i)
        font->lfFaceName[i] = face[i];
}

void Line(HDC dc, int x1, int y1, int x2, int y2, int pen_style, COLORREF color) {
    HPEN pen = CreatePen(std::clamp(pen_style, PS_SOLID, PS_INSIDEFRAME), 1, color);
    HGDIOBJ old = SelectObject(dc, pen);
    MoveToEx(dc, x1, y1, nullptr);
    LineTo(dc, x2, y2);
    SelectObject(dc, old);
    DeleteObject(pen);
}

// `amount` is a percentage: towards white when positive, towards black when negative.
COLORREF ChangeColorLight(COLORREF color, int amount) {
    amount = std::clamp(amount, -100, 100);
    auto shade = [&](int c) {
        const int v = amount >= 0 ? c + (255 - c) * amount / 100 : c + c * amount / 100;
        return static_cast<BYTE>(std::clamp(v, 0, 255));
    };
    return RGB(shade(GetRValue(color)), shade(GetGValue(color)), shade(GetBValue(color)));
}

} // namespace zeledit::platform
