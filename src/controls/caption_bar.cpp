// The caption bar of the library's dialogs: the title on a vertical gradient of the dialog
// colours, an optional close box, and dragging that moves the dialog.
#include "controls/controls.h"
#include "controls/dialog_colors.h"

#include "platform/graphics_support/graphics_support.h"

namespace zeledit::controls {
namespace {

struct CaptionState : ControlState {
    CaptionState() {
        const DialogColors colors = CurrentDialogColors();
        face = colors.gradient1;
        bottom = colors.gradient2;
        text = GetSysColor(COLOR_BTNTEXT);
    }
    COLORREF bottom;
    POINT grab{};      // where the drag started, on the screen
    POINT window_at{}; // where the dialog was then
};

bool has_close_box(HWND hwnd) { return (GetWindowLongPtrW(hwnd, GWL_STYLE) & ZCBS_CLOSEBOX) != 0; }

RECT close_box(HWND hwnd) {
    RECT r;
    GetClientRect(hwnd, &r);
    const int size = std::max<int>(r.bottom - 8, 8);
    const int top = (r.bottom - size) / 2;
    return {r.right - size - 4, top, r.right - 4, top + size};
}

HWND top_level(HWND hwnd) {
    while ((GetWindowLongPtrW(hwnd, GWL_STYLE) & WS_CHILD) && GetParent(hwnd) != nullptr)
        hwnd = GetParent(hwnd);
    return hwnd;
}

COLORREF mix(COLORREF a, COLORREF b, int num, int den) {
    auto part = [&](BYTE x, BYTE y) { return static_cast<BYTE>(x + (int(y) - x) * num / std::max(den, 1)); };
    return RGB(part(GetRValue(a), GetRValue(b)), part(GetGValue(a), GetGValue(b)),
               part(GetBValue(a), GetBValue(b)));
}

void paint(HWND hwnd, const CaptionState& s) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    RECT r;
    GetClientRect(hwnd, &r);
    for (int y = 0; y < r.bottom; ++y)
        fill_solid(dc, {0, y, r.right, y + 1}, mix(s.face, s.bottom, y, r.bottom - 1));
    fill_solid(dc, {0, r.bottom - 1, r.right, r.bottom}, platform::ChangeColorLight(s.bottom, -40));
    RECT text = r;
    text.left += 8;
    if (has_close_box(hwnd)) text.right = close_box(hwnd).left - 4;
    const std::u16string title = window_text(hwnd);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, s.text);
    HGDIOBJ old = select_font(dc, s);
    DrawTextW(dc, title.c_str(), static_cast<int>(title.size()), &text,
              DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    SelectObject(dc, old);
    if (has_close_box(hwnd)) {
        const RECT box = close_box(hwnd);
        HPEN pen = CreatePen(PS_SOLID, 2, s.text);
        HGDIOBJ old_pen = SelectObject(dc, pen);
        MoveToEx(dc, box.left + 3, box.top + 3, nullptr);
        LineTo(dc, box.right - 3, box.bottom - 3);
        MoveToEx(dc, box.right - 3, box.top + 3, nullptr);
        LineTo(dc, box.left + 3, box.bottom - 3);
        SelectObject(dc, old_pen);
        DeleteObject(pen);
    }
    EndPaint(hwnd, &ps);
}

void press(HWND hwnd, CaptionState& s, LPARAM lParam) {
    const POINT pt{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    const RECT box = close_box(hwnd);
    if (has_close_box(hwnd) && PtInRect(&box, pt)) {
        SendMessageW(GetParent(hwnd), WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
                     reinterpret_cast<LPARAM>(hwnd));
        return;
    }
    s.tracking = true;
    GetCursorPos(&s.grab);
    RECT w;
    GetWindowRect(top_level(hwnd), &w);
    s.window_at = {w.left, w.top};
    SetCapture(hwnd);
}

void drag(HWND hwnd, const CaptionState& s) {
    if (!s.tracking) return;
    POINT now;
    GetCursorPos(&now);
    SetWindowPos(top_level(hwnd), nullptr, s.window_at.x + now.x - s.grab.x, s.window_at.y + now.y - s.grab.y,
                 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

} // namespace

LRESULT CALLBACK caption_bar_proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (handle_common(hwnd, msg, wParam, lParam, result, make_state<CaptionState>)) return result;
    CaptionState* s = state_as<CaptionState>(hwnd);
    if (s == nullptr) return DefWindowProcW(hwnd, msg, wParam, lParam);
    switch (msg) {
    case WM_PAINT: paint(hwnd, *s); return 0;
    case WM_LBUTTONDOWN: press(hwnd, *s, lParam); return 0;
    case WM_MOUSEMOVE: drag(hwnd, *s); return 0;
    case WM_LBUTTONUP:
        if (s->tracking) ReleaseCapture();
        return 0;
    case WM_CAPTURECHANGED: s->tracking = false; return 0;
    case ZCBM_SETGRADIENT:
        s->face = static_cast<COLORREF>(wParam);
        s->bottom = static_cast<COLORREF>(lParam);
        InvalidateRect(hwnd, nullptr, FALSE);
        return 0;
    case WM_SETTEXT: return set_text_and_repaint(hwnd, wParam, lParam);
    default: return DefWindowProcW(hwnd, msg, wParam, lParam);
    }
}

} // namespace zeledit::controls
