// Small vector icons of the message box.
#include "dialogs/message_box.h"

#include <cstring>

namespace zeledit::dialogs {
namespace {

// A pen and a brush selected for the lifetime of the object.
class Tools {
public:
    Tools(HDC dc, COLORREF outline, COLORREF fill, int width = 1)
        : dc_(dc), pen_(CreatePen(PS_SOLID, width, outline)), brush_(CreateSolidBrush(fill)),
          old_pen_(SelectObject(dc, pen_)), old_brush_(SelectObject(dc, brush_)) {}
    ~Tools() {
        SelectObject(dc_, old_pen_);
        SelectObject(dc_, old_brush_);
        DeleteObject(pen_);
        DeleteObject(brush_);
    }
    Tools(const Tools&) = delete;
    Tools& operator=(const Tools&) = delete;

private:
    HDC dc_;
    HPEN pen_;
    HBRUSH brush_;
    HGDIOBJ old_pen_, old_brush_;
};

void glyph(HDC dc, int x, int y, const char16_t* text, COLORREF color, int height) {
    LOGFONTW lf{};
    lf.lfHeight = -height;
    lf.lfWeight = FW_BOLD;
    std::memcpy(lf.lfFaceName, u"Arial", sizeof(u"Arial"));
    HFONT font = CreateFontIndirectW(&lf);
    HGDIOBJ old = SelectObject(dc, font);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, color);
    SetTextAlign(dc, TA_CENTER | TA_BASELINE);
    TextOutW(dc, x, y, text, 1);
    SelectObject(dc, old);
    DeleteObject(font);
}

} // namespace

void DrawMessageIcon(HDC dc, int x, int y, BYTE kind) {
    const int saved = SaveDC(dc);
    switch (kind) {
    case 0: { // warning: a yellow triangle with an exclamation mark
        Tools t(dc, RGB(96, 72, 0), RGB(255, 204, 0));
        const POINT tri[3] = {{x + 16, y + 1}, {x + 31, y + 30}, {x + 1, y + 30}};
        Polygon(dc, tri, 3);
        glyph(dc, x + 16, y + 27, u"!", RGB(0, 0, 0), 20);
        break;
    }
    case 1: { // stop: a red disc with a white cross
        {
            Tools t(dc, RGB(128, 0, 0), RGB(220, 30, 30));
            Ellipse(dc, x + 1, y + 1, x + 31, y + 31);
        }
        Tools cross(dc, RGB(255, 255, 255), RGB(255, 255, 255), 3);
        MoveToEx(dc, x + 10, y + 10, nullptr);
        LineTo(dc, x + 22, y + 22);
        MoveToEx(dc, x + 22, y + 10, nullptr);
        LineTo(dc, x + 10, y + 22);
        break;
    }
    case 2:   // information: a blue disc with an i
    case 3: { // question: a blue disc with a question mark
        {
            Tools t(dc, RGB(0, 40, 120), RGB(30, 90, 200));
            Ellipse(dc, x + 1, y + 1, x + 31, y + 31);
        }
        glyph(dc, x + 16, y + 25, kind == 2 ? u"i" : u"?", RGB(255, 255, 255), 22);
        break;
    }
    default: { // the application: a small window
        {
            Tools t(dc, RGB(40, 40, 40), RGB(255, 255, 255));
            Rectangle(dc, x + 2, y + 4, x + 30, y + 28);
        }
        Tools bar(dc, RGB(0, 0, 128), RGB(0, 0, 128));
        Rectangle(dc, x + 2, y + 4, x + 30, y + 10);
        break;
    }
    }
    RestoreDC(dc, saved);
}

} // namespace zeledit::dialogs
