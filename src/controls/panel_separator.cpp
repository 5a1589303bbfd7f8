// A text panel (filled with its colour, text word-wrapped, centred with SS_CENTER) and a
// separator line.
#include "controls/controls.h"

#include <string>

namespace zeledit::controls {
namespace {

// The text sits inside the panel, 7 pixels in from the sides and 6 from top and bottom.
constexpr int text_margin_x = 7, text_margin_y = 6;

void paint_panel(HWND hwnd) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    const ControlState& s = *state_of(hwnd);
    RECT r;
    GetClientRect(hwnd, &r);
    fill_solid(dc, r, s.face);
    const int n = GetWindowTextLengthW(hwnd);
    std::u16string text(static_cast<std::size_t>(n) + 1, u'\0');
    GetWindowTextW(hwnd, text.data(), n + 1);
    InflateRect(&r, -text_margin_x, -text_margin_y);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, s.text);
    HGDIOBJ old = select_font(dc, s);
    const UINT align = (GetWindowLongPtrW(hwnd, GWL_STYLE) & SS_CENTER) ? DT_CENTER : DT_LEFT;
    DrawTextW(dc, text.c_str(), n, &r, align | DT_WORDBREAK | DT_NOPREFIX);
    SelectObject(dc, old);
    EndPaint(hwnd, &ps);
}

} // namespace

void paint_face(HWND hwnd) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    RECT r;
    GetClientRect(hwnd, &r);
    fill_solid(dc, r, state_of(hwnd)->face);
    EndPaint(hwnd, &ps);
}

LRESULT CALLBACK panel_proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (handle_common(hwnd, msg, wParam, lParam, result)) return result;
    if (msg == WM_PAINT && state_of(hwnd) != nullptr) return paint_panel(hwnd), 0;
    if (msg == WM_SETTEXT) InvalidateRect(hwnd, nullptr, FALSE);
    return DefWindowProcW(hwnd, msg, wParam, lParam);
}

LRESULT CALLBACK separator_proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (handle_common(hwnd, msg, wParam, lParam, result)) return result;
    if (msg == WM_PAINT && state_of(hwnd) != nullptr) return paint_face(hwnd), 0;
    return DefWindowProcW(hwnd, msg, wParam, lParam);
}

} // namespace zeledit::controls
