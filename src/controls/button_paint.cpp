#include "controls/button_paint.h"

#include "platform/graphics_support/graphics_support.h"

namespace zeledit::controls {
namespace {

constexpr int BoxSize = 13, BoxGap = 5;

void frame(HDC dc, const RECT& r, COLORREF light, COLORREF dark) {
    HPEN lp = CreatePen(PS_SOLID, 1, light), dp = CreatePen(PS_SOLID, 1, dark);
    HGDIOBJ old = SelectObject(dc, lp);
    MoveToEx(dc, r.left, r.bottom - 1, nullptr);
    LineTo(dc, r.left, r.top);
    LineTo(dc, r.right - 1, r.top);
    SelectObject(dc, dp);
    LineTo(dc, r.right - 1, r.bottom - 1);
    LineTo(dc, r.left, r.bottom - 1);
    SelectObject(dc, old);
    DeleteObject(lp);
    DeleteObject(dp);
}

COLORREF text_color(HWND hwnd, const ControlState& s) {
    return IsWindowEnabled(hwnd) ? s.text : GetSysColor(COLOR_GRAYTEXT);
}

void draw_caption(HDC dc, HWND hwnd, const ControlState& s, RECT r, UINT format) {
    const std::u16string caption = window_text(hwnd);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, text_color(hwnd, s));
    HGDIOBJ old = select_font(dc, s);
    DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &r, format | DT_SINGLELINE);
    if (GetFocus() == hwnd && !caption.empty() && !(format & DT_CENTER)) {
        RECT measured = r;
        DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &measured,
                  format | DT_SINGLELINE | DT_CALCRECT);
        const int height = measured.bottom - measured.top;
        measured.top = (r.top + r.bottom - height) / 2 - 1;
        measured.bottom = measured.top + height + 2;
        InflateRect(&measured, 1, 0);
        DrawFocusRect(dc, &measured);
    }
    SelectObject(dc, old);
}

SIZE image_size(HBITMAP image) {
    BITMAP bm{};
    if (image == nullptr || GetObjectW(image, sizeof bm, &bm) == 0) return {0, 0};
    return {bm.bmWidth, bm.bmHeight};
}

// A picture button's picture: centred alone (BS_BITMAP), or before the caption.
RECT draw_image(HDC dc, const ButtonState& s, RECT r, bool alone) {
    const SIZE size = image_size(s.image);
    if (size.cx == 0) return r;
    const int x = alone ? (r.left + r.right - size.cx) / 2 : r.left + 6, y = (r.top + r.bottom - size.cy) / 2;
    HDC source = CreateCompatibleDC(dc);
    HGDIOBJ old = SelectObject(source, s.image);
    BitBlt(dc, x, y, size.cx, size.cy, source, 0, 0, SRCCOPY);
    SelectObject(source, old);
    DeleteDC(source);
    r.left = x + size.cx;
    return r;
}

void paint_push(HDC dc, HWND hwnd, const ButtonState& s, RECT r) {
    fill_solid(dc, r, s.face);
    if ((GetWindowLongPtrW(hwnd, GWL_STYLE) & BS_TYPEMASK) == BS_DEFPUSHBUTTON) {
        HBRUSH outline = CreateSolidBrush(platform::ChangeColorLight(s.face, -70));
        FrameRect(dc, &r, outline);
        DeleteObject(outline);
        InflateRect(&r, -1, -1);
    }
    const bool down = s.pressed || s.check == BST_CHECKED;
    // A push-like toggle that is on stays down on a lighter face, so it reads as on.
    if (s.check == BST_CHECKED && !s.pressed) fill_solid(dc, r, platform::ChangeColorLight(s.face, 45));
    draw_bevel(dc, r, s.face, down);
    RECT face = r;
    if (down) OffsetRect(&face, 1, 1);
    const bool alone = (GetWindowLongPtrW(hwnd, GWL_STYLE) & BS_BITMAP) != 0;
    const RECT text = draw_image(dc, s, face, alone);
    if (!alone) draw_caption(dc, hwnd, s, text, DT_CENTER | DT_VCENTER);
    if (GetFocus() == hwnd) {
        RECT focus = r;
        InflateRect(&focus, -3, -3);
        DrawFocusRect(dc, &focus);
    }
}

void draw_check_mark(HDC dc, const RECT& box, WPARAM check, COLORREF color) {
    if (check == BST_INDETERMINATE) {
        RECT inner = box;
        InflateRect(&inner, -3, -3);
        fill_solid(dc, inner, GetSysColor(COLOR_GRAYTEXT));
        return;
    }
    if (check != BST_CHECKED) return;
    HPEN pen = CreatePen(PS_SOLID, 2, color);
    HGDIOBJ old = SelectObject(dc, pen);
    const POINT mark[3] = {
        {box.left + 3, box.top + 6}, {box.left + 5, box.top + 9}, {box.left + 10, box.top + 3}};
    Polyline(dc, mark, 3);
    SelectObject(dc, old);
    DeleteObject(pen);
}

void paint_check_or_radio(HDC dc, HWND hwnd, const ButtonState& s, const RECT& r, bool radio) {
    fill_solid(dc, r, s.face);
    const bool left_text = (GetWindowLongPtrW(hwnd, GWL_STYLE) & BS_LEFTTEXT) != 0;
    const int top = (r.top + r.bottom - BoxSize) / 2;
    const int left = left_text ? r.right - BoxSize - 1 : r.left + 1;
    const RECT box{left, top, left + BoxSize, top + BoxSize};
    const COLORREF well = IsWindowEnabled(hwnd) && !s.pressed ? GetSysColor(COLOR_WINDOW) : s.face;
    const COLORREF edge = platform::ChangeColorLight(s.face, -60);
    HBRUSH fill = CreateSolidBrush(well);
    HPEN pen = CreatePen(PS_SOLID, 1, edge);
    HGDIOBJ old_brush = SelectObject(dc, fill), old_pen = SelectObject(dc, pen);
    if (radio) {
        Ellipse(dc, box.left, box.top, box.right, box.bottom);
        if (s.check == BST_CHECKED) {
            HBRUSH dot = CreateSolidBrush(text_color(hwnd, s));
            SelectObject(dc, dot);
            Ellipse(dc, box.left + 4, box.top + 4, box.right - 4, box.bottom - 4);
            SelectObject(dc, fill);
            DeleteObject(dot);
        }
    } else {
        Rectangle(dc, box.left, box.top, box.right, box.bottom);
        draw_check_mark(dc, box, s.check, text_color(hwnd, s));
    }
    SelectObject(dc, old_brush);
    SelectObject(dc, old_pen);
    DeleteObject(fill);
    DeleteObject(pen);
    RECT text = r;
    if (left_text)
        text.right = box.left - BoxGap;
    else
        text.left = box.right + BoxGap;
    draw_caption(dc, hwnd, s, text, DT_VCENTER | (left_text ? DT_RIGHT : DT_LEFT));
}

void paint_group(HDC dc, HWND hwnd, const ButtonState& s, const RECT& r) {
    HGDIOBJ old = select_font(dc, s);
    TEXTMETRICW tm{};
    GetTextMetricsW(dc, &tm);
    SelectObject(dc, old);
    const std::u16string caption = window_text(hwnd);
    // Only the frame and the caption: the controls the box holds lie over its middle.
    RECT edge = r;
    edge.top += tm.tmHeight / 2;
    frame(dc, edge, platform::ChangeColorLight(s.face, -40), platform::ChangeColorLight(s.face, 60));
    InflateRect(&edge, -1, -1);
    frame(dc, edge, platform::ChangeColorLight(s.face, 60), platform::ChangeColorLight(s.face, -40));
    if (caption.empty()) return;
    RECT text{r.left + 8, r.top, r.right - 8, r.top + tm.tmHeight};
    RECT measured = text;
    old = select_font(dc, s);
    DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &measured, DT_SINGLELINE | DT_CALCRECT);
    SelectObject(dc, old);
    measured.left -= 2;
    measured.right = std::min(measured.right + 2, text.right);
    fill_solid(dc, measured, s.face);
    draw_caption(dc, hwnd, s, text, DT_LEFT | DT_TOP);
}

void paint_owner_drawn(HDC dc, HWND hwnd, const ButtonState& s, const RECT& r) {
    DRAWITEMSTRUCT item{};
    item.CtlType = ODT_BUTTON;
    item.CtlID = static_cast<UINT>(GetDlgCtrlID(hwnd));
    item.itemAction = ODA_DRAWENTIRE;
    item.itemState = (s.pressed ? ODS_SELECTED : 0) | (GetFocus() == hwnd ? ODS_FOCUS : 0) |
                     (IsWindowEnabled(hwnd) ? 0 : ODS_DISABLED) | (s.check == BST_CHECKED ? ODS_CHECKED : 0);
    item.hwndItem = hwnd;
    item.hDC = dc;
    item.rcItem = r;
    const int saved = SaveDC(dc);
    SendMessageW(GetParent(hwnd), WM_DRAWITEM, item.CtlID, reinterpret_cast<LPARAM>(&item));
    RestoreDC(dc, saved);
}

} // namespace

void draw_arrow(HDC dc, int cx, int cy, bool down, COLORREF color) {
    const int tip = down ? 2 : -2, base = down ? -2 : 2;
    const POINT triangle[3] = {{cx - 4, cy + base}, {cx + 4, cy + base}, {cx, cy + tip}};
    HBRUSH ink = CreateSolidBrush(color);
    HPEN pen = CreatePen(PS_SOLID, 1, color);
    HGDIOBJ old_brush = SelectObject(dc, ink), old_pen = SelectObject(dc, pen);
    Polygon(dc, triangle, 3);
    SelectObject(dc, old_brush);
    SelectObject(dc, old_pen);
    DeleteObject(ink);
    DeleteObject(pen);
}

void draw_bevel(HDC dc, const RECT& r, COLORREF face, bool sunken) {
    const COLORREF light = platform::ChangeColorLight(face, 60), dark = platform::ChangeColorLight(face, -40);
    frame(dc, r, sunken ? dark : light, sunken ? light : dark);
}

void paint_button(HWND hwnd, const ButtonState& s) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    RECT r;
    GetClientRect(hwnd, &r);
    const DWORD style = static_cast<DWORD>(GetWindowLongPtrW(hwnd, GWL_STYLE));
    switch (style & BS_TYPEMASK) {
    case BS_CHECKBOX:
    case BS_AUTOCHECKBOX:
    case BS_3STATE:
    case BS_AUTO3STATE:
        if (style & BS_PUSHLIKE)
            paint_push(dc, hwnd, s, r);
        else
            paint_check_or_radio(dc, hwnd, s, r, false);
        break;
    case BS_RADIOBUTTON:
    case BS_AUTORADIOBUTTON:
        if (style & BS_PUSHLIKE)
            paint_push(dc, hwnd, s, r);
        else
            paint_check_or_radio(dc, hwnd, s, r, true);
        break;
    case BS_GROUPBOX: paint_group(dc, hwnd, s, r); break;
    case BS_OWNERDRAW: paint_owner_drawn(dc, hwnd, s, r); break;
    default: paint_push(dc, hwnd, s, r); break;
    }
    EndPaint(hwnd, &ps);
}

} // namespace zeledit::controls
