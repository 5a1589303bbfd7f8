// Buttons: push buttons (default and cancel roles; pictures with BM_SETIMAGE), check boxes (two and three
// states), radio buttons (auto ones keep one checked in their group), group boxes and owner-drawn buttons.
// Activated by mouse (press and release inside), space, BM_CLICK or a mnemonic.
#include "controls/button_paint.h"
#include "controls/controls.h"

namespace zeledit::controls {
namespace {

DWORD type_of(HWND hwnd) { return static_cast<DWORD>(GetWindowLongPtrW(hwnd, GWL_STYLE)) & BS_TYPEMASK; }

bool is_auto_radio(HWND hwnd) {
    return type_of(hwnd) == BS_AUTORADIOBUTTON &&
           (SendMessageW(hwnd, WM_GETDLGCODE, 0, 0) & DLGC_RADIOBUTTON);
}

// An auto radio button unchecks the others of its group: the siblings created between the
// nearest WS_GROUP at or before it and the next WS_GROUP (later siblings lie above it).
void uncheck_group(HWND hwnd) {
    auto starts_group = [](HWND c) { return (GetWindowLongPtrW(c, GWL_STYLE) & WS_GROUP) != 0; };
    HWND first = hwnd;
    for (HWND c = hwnd; c != nullptr && !starts_group(first); c = GetWindow(c, GW_HWNDNEXT)) first = c;
    for (HWND c = first; c != nullptr; c = GetWindow(c, GW_HWNDPREV)) {
        if (c != first && starts_group(c)) break;
        if (c != hwnd && is_auto_radio(c)) SendMessageW(c, BM_SETCHECK, BST_UNCHECKED, 0);
    }
}

void set_check(HWND hwnd, ButtonState& s, WPARAM check) {
    if (s.check == check) return;
    s.check = check;
    InvalidateRect(hwnd, nullptr, FALSE);
}

void click(HWND hwnd) {
    ButtonState* s = state_as<ButtonState>(hwnd);
    if (s == nullptr) return;
    switch (type_of(hwnd)) {
    case BS_AUTOCHECKBOX: set_check(hwnd, *s, s->check == BST_CHECKED ? BST_UNCHECKED : BST_CHECKED); break;
    case BS_AUTO3STATE: set_check(hwnd, *s, (s->check + 1) % 3); break;
    case BS_AUTORADIOBUTTON:
        set_check(hwnd, *s, BST_CHECKED);
        uncheck_group(hwnd);
        break;
    default: break;
    }
    notify_parent(hwnd, BN_CLICKED);
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

LRESULT dialog_code(HWND hwnd) {
    switch (type_of(hwnd)) {
    case BS_PUSHBUTTON: return DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON;
    case BS_DEFPUSHBUTTON: return DLGC_BUTTON | DLGC_DEFPUSHBUTTON;
    case BS_RADIOBUTTON:
    case BS_AUTORADIOBUTTON: return DLGC_BUTTON | DLGC_RADIOBUTTON;
    case BS_GROUPBOX: return DLGC_STATIC;
    case BS_OWNERDRAW: return DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON;
    default: return DLGC_BUTTON;
    }
}

LRESULT mouse(HWND hwnd, UINT msg, LPARAM lParam, ButtonState& s) {
    switch (msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        SetFocus(hwnd);
        SetCapture(hwnd);
        s.tracking = true;
        set_pressed(hwnd, true);
        return 0;
    case WM_MOUSEMOVE:
        if (s.tracking) set_pressed(hwnd, inside(hwnd, lParam));
        return 0;
    default: { // WM_LBUTTONUP
        if (!s.tracking) return 0;
        const bool released_inside = s.pressed;
        s.tracking = false;
        ReleaseCapture(); // its WM_CAPTURECHANGED lifts the button
        if (released_inside) click(hwnd);
        return 0;
    }
    }
}

} // namespace

LRESULT CALLBACK button_proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (handle_common(hwnd, msg, wParam, lParam, result, make_state<ButtonState>)) return result;
    ButtonState* s = state_as<ButtonState>(hwnd);
    if (s == nullptr) return DefWindowProcW(hwnd, msg, wParam, lParam);
    const bool group_box = type_of(hwnd) == BS_GROUPBOX;
    switch (msg) {
    case WM_PAINT: paint_button(hwnd, *s); return 0;
    case WM_GETDLGCODE: return dialog_code(hwnd);
    case WM_NCHITTEST: return group_box ? HTTRANSPARENT : DefWindowProcW(hwnd, msg, wParam, lParam);
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_ENABLE: InvalidateRect(hwnd, nullptr, FALSE); return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_MOUSEMOVE:
    case WM_LBUTTONUP: return group_box ? 0 : mouse(hwnd, msg, lParam, *s);
    case WM_CAPTURECHANGED:
        s->tracking = false;
        set_pressed(hwnd, false);
        return 0;
    case WM_KEYDOWN:
        if (wParam == VK_SPACE && !group_box) set_pressed(hwnd, true);
        return 0;
    case WM_KEYUP:
        if (wParam == VK_SPACE && s->pressed) {
            set_pressed(hwnd, false);
            click(hwnd);
        }
        return 0;
    case BM_CLICK:
        if (IsWindowEnabled(hwnd) && !group_box) click(hwnd);
        return 0;
    case BM_GETCHECK: return static_cast<LRESULT>(s->check);
    case BM_SETCHECK: set_check(hwnd, *s, wParam > BST_INDETERMINATE ? BST_CHECKED : wParam); return 0;
    case BM_GETSTATE:
        return static_cast<LRESULT>(s->check | (s->pressed ? BST_PUSHED : 0) |
                                    (GetFocus() == hwnd ? BST_FOCUS : 0));
    case BM_SETSTATE: set_pressed(hwnd, wParam != 0); return 0;
    case BM_SETIMAGE: {
        if (wParam != IMAGE_BITMAP) return 0;
        HBITMAP old = s->image;
        s->image = reinterpret_cast<HBITMAP>(lParam);
        InvalidateRect(hwnd, nullptr, FALSE);
        return reinterpret_cast<LRESULT>(old);
    }
    case BM_GETIMAGE: return wParam == IMAGE_BITMAP ? reinterpret_cast<LRESULT>(s->image) : 0;
    case BM_SETSTYLE: {
        const LONG_PTR style = GetWindowLongPtrW(hwnd, GWL_STYLE);
        SetWindowLongPtrW(hwnd, GWL_STYLE, (style & ~LONG_PTR(0xFFFF)) | LONG_PTR(wParam & 0xFFFF));
        if (lParam) InvalidateRect(hwnd, nullptr, FALSE);
        return 0;
    }
    case WM_SETTEXT: return set_text_and_repaint(hwnd, wParam, lParam);
    default: return DefWindowProcW(hwnd, msg, wParam, lParam);
    }
}

} // namespace zeledit::controls
