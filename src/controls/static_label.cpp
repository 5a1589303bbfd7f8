// Labels ("STATIC"): text left, centred or right, word-wrapped, with a '&' mnemonic that
// moves the focus to the control after the label; etched lines and frames (bevels); sunken
// or black frames; owner-drawn labels. Clicks pass through unless SS_NOTIFY.
#include "controls/button_paint.h"
#include "controls/controls.h"

#include "platform/graphics_support/graphics_support.h"

namespace zeledit::controls {
namespace {

void paint_text(HDC dc, HWND hwnd, const ControlState& s, RECT r, DWORD style) {
    const std::u16string text = window_text(hwnd);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, IsWindowEnabled(hwnd) ? s.text : GetSysColor(COLOR_GRAYTEXT));
    HGDIOBJ old = select_font(dc, s);
    const DWORD type = style & SS_TYPEMASK;
    UINT format = type == SS_CENTER ? DT_CENTER : type == SS_RIGHT ? DT_RIGHT : DT_LEFT;
    format |= (style & SS_CENTERIMAGE) ? DT_SINGLELINE | DT_VCENTER : DT_WORDBREAK;
    if (style & SS_NOPREFIX) format |= DT_NOPREFIX;
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r, format);
    SelectObject(dc, old);
}

void paint(HWND hwnd, const ControlState& s) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    RECT r;
    GetClientRect(hwnd, &r);
    const DWORD style = static_cast<DWORD>(GetWindowLongPtrW(hwnd, GWL_STYLE));
    const COLORREF light = platform::ChangeColorLight(s.face, 60),
                   dark = platform::ChangeColorLight(s.face, -40);
    switch (style & SS_TYPEMASK) {
    case SS_ETCHEDHORZ:
        fill_solid(dc, {r.left, r.top, r.right, r.top + 1}, dark);
        fill_solid(dc, {r.left, r.top + 1, r.right, r.top + 2}, light);
        break;
    case SS_ETCHEDVERT:
        fill_solid(dc, {r.left, r.top, r.left + 1, r.bottom}, dark);
        fill_solid(dc, {r.left + 1, r.top, r.left + 2, r.bottom}, light);
        break;
    case SS_ETCHEDFRAME: {
        draw_bevel(dc, r, s.face, true);
        RECT inner = r;
        InflateRect(&inner, -1, -1);
        draw_bevel(dc, inner, s.face, false);
        break;
    }
    case SS_BLACKFRAME: {
        HBRUSH black = CreateSolidBrush(s.text);
        FrameRect(dc, &r, black);
        DeleteObject(black);
        break;
    }
    case SS_OWNERDRAW: {
        DRAWITEMSTRUCT item{
            ODT_STATIC, static_cast<UINT>(GetDlgCtrlID(hwnd)), 0, ODA_DRAWENTIRE, 0, hwnd, dc, r, 0};
        const int saved = SaveDC(dc);
        SendMessageW(GetParent(hwnd), WM_DRAWITEM, item.CtlID, reinterpret_cast<LPARAM>(&item));
        RestoreDC(dc, saved);
        break;
    }
    default:
        fill_solid(dc, r, s.face);
        if (style & SS_SUNKEN) {
            draw_bevel(dc, r, s.face, true);
            InflateRect(&r, -2, -1);
        }
        paint_text(dc, hwnd, s, r, style);
        break;
    }
    EndPaint(hwnd, &ps);
}

} // namespace

LRESULT CALLBACK static_proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (handle_common(hwnd, msg, wParam, lParam, result)) return result;
    const ControlState* s = state_of(hwnd);
    if (s == nullptr) return DefWindowProcW(hwnd, msg, wParam, lParam);
    const bool notify = (GetWindowLongPtrW(hwnd, GWL_STYLE) & SS_NOTIFY) != 0;
    switch (msg) {
    case WM_PAINT: paint(hwnd, *s); return 0;
    case WM_GETDLGCODE: return DLGC_STATIC;
    case WM_NCHITTEST: return notify ? HTCLIENT : HTTRANSPARENT;
    case WM_LBUTTONDOWN:
        if (notify) notify_parent(hwnd, STN_CLICKED);
        return 0;
    case WM_LBUTTONDBLCLK:
        if (notify) notify_parent(hwnd, STN_DBLCLK);
        return 0;
    case WM_ENABLE: InvalidateRect(hwnd, nullptr, FALSE); return 0;
    case WM_SETTEXT: return set_text_and_repaint(hwnd, wParam, lParam);
    default: return DefWindowProcW(hwnd, msg, wParam, lParam);
    }
}

} // namespace zeledit::controls
