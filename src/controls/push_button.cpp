// A push button: caption with a '&' mnemonic, default and cancel roles, focus, and
// activation by mouse (press and release inside) or keyboard (space).
#include "controls/controls.h"

#include "platform/graphics_support/graphics_support.h"

namespace zeledit::controls {
namespace {

bool is_default(HWND hwnd) { return (GetWindowLongPtrW(hwnd, GWL_STYLE) & BS_DEFPUSHBUTTON) != 0; }

void click(HWND hwnd) {
    const int id = GetDlgCtrlID(hwnd);
    SendMessageW(GetParent(hwnd), WM_COMMAND, MAKEWPARAM(WORD(id), BN_CLICKED),
                 reinterpret_cast<LPARAM>(hwnd));
}

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

void paint(HWND hwnd) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    const ControlState& s = *state_of(hwnd);
    RECT r;
    GetClientRect(hwnd, &r);
    fill_solid(dc, r, s.face);
    const COLORREF light = platform::ChangeColorLight(s.face, 60),
                   dark = platform::ChangeColorLight(s.face, -40);
    if (is_default(hwnd)) {
        HBRUSH outline = CreateSolidBrush(platform::ChangeColorLight(s.face, -70));
        FrameRect(dc, &r, outline);
        DeleteObject(outline);
        InflateRect(&r, -1, -1);
    }
    frame(dc, r, s.pressed ? dark : light, s.pressed ? light : dark);
    WCHAR caption[64];
    const int n = GetWindowTextW(hwnd, caption, 64);
    RECT text = r;
    if (s.pressed) OffsetRect(&text, 1, 1);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, IsWindowEnabled(hwnd) ? s.text : GetSysColor(COLOR_GRAYTEXT));
    HGDIOBJ old = select_font(dc, s);
    DrawTextW(dc, caption, n, &text, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    SelectObject(dc, old);
    if (GetFocus() == hwnd) {
        RECT focus = r;
        InflateRect(&focus, -3, -3);
        DrawFocusRect(dc, &focus);
    }
    EndPaint(hwnd, &ps);
}

void set_pressed(HWND hwnd, bool pressed) {
    ControlState* s = state_of(hwnd);
    if (s->pressed == pressed) return;
    s->pressed = pressed;
    InvalidateRect(hwnd, nullptr, FALSE);
}

bool inside(HWND hwnd, LPARAM lParam) {
    RECT r;
    GetClientRect(hwnd, &r);
    return PtInRect(&r, {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
}

} // namespace

LRESULT CALLBACK button_proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (handle_common(hwnd, msg, wParam, lParam, result)) return result;
    ControlState* s = state_of(hwnd);
    if (s == nullptr) return DefWindowProcW(hwnd, msg, wParam, lParam);
    switch (msg) {
    case WM_PAINT: paint(hwnd); return 0;
    case WM_GETDLGCODE: return DLGC_BUTTON | (is_default(hwnd) ? DLGC_DEFPUSHBUTTON : DLGC_UNDEFPUSHBUTTON);
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_ENABLE: InvalidateRect(hwnd, nullptr, FALSE); return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        SetFocus(hwnd);
        SetCapture(hwnd);
        s->tracking = true;
        set_pressed(hwnd, true);
        return 0;
    case WM_MOUSEMOVE:
        if (s->tracking) set_pressed(hwnd, inside(hwnd, lParam));
        return 0;
    case WM_LBUTTONUP: {
        if (!s->tracking) return 0;
        const bool released_inside = s->pressed;
        s->tracking = false;
        ReleaseCapture(); // its WM_CAPTURECHANGED lifts the button
        if (released_inside) click(hwnd);
        return 0;
    }
    case WM_CAPTURECHANGED:
        s->tracking = false;
        set_pressed(hwnd, false);
        return 0;
    case WM_KEYDOWN:
        if (wParam == VK_SPACE) set_pressed(hwnd, true);
        return 0;
    case WM_KEYUP:
        if (wParam == VK_SPACE && s->pressed) {
            set_pressed(hwnd, false);
            click(hwnd);
        }
        return 0;
    case BM_CLICK:
        if (IsWindowEnabled(hwnd)) click(hwnd);
        return 0;
    case BM_GETSTATE: return s->pressed ? 4 : 0;
    case WM_SETTEXT: {
        const LRESULT r = DefWindowProcW(hwnd, msg, wParam, lParam);
        InvalidateRect(hwnd, nullptr, FALSE);
        return r;
    }
    default: return DefWindowProcW(hwnd, msg, wParam, lParam);
    }
}

} // namespace zeledit::controls
