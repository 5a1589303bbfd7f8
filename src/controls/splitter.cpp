// A splitter: a bar between two panes that the mouse drags along one axis (vertical bars,
// taller than wide, move left and right). The parent hears ZSPN_MOVED and lays its panes
// out around the bar's new place.
#include "controls/controls.h"

#include "platform/graphics_support/graphics_support.h"

namespace zeledit::controls {
namespace {

struct SplitterState : ControlState {
    POINT grab{};  // the pointer, on the screen, when the drag began
    POINT start{}; // the bar's place in its parent then
};

bool vertical(HWND hwnd) {
    RECT r;
    GetClientRect(hwnd, &r);
    return r.bottom > r.right;
}

POINT place_in_parent(HWND hwnd) {
    RECT r;
    GetWindowRect(hwnd, &r);
    POINT p{r.left, r.top};
    ScreenToClient(GetParent(hwnd), &p);
    return p;
}

void paint(HWND hwnd, const ControlState& s) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    RECT r;
    GetClientRect(hwnd, &r);
    fill_solid(dc, r, s.face);
    const COLORREF light = platform::ChangeColorLight(s.face, 60),
                   dark = platform::ChangeColorLight(s.face, -40);
    if (vertical(hwnd)) {
        fill_solid(dc, {0, 0, 1, r.bottom}, light);
        fill_solid(dc, {r.right - 1, 0, r.right, r.bottom}, dark);
    } else {
        fill_solid(dc, {0, 0, r.right, 1}, light);
        fill_solid(dc, {0, r.bottom - 1, r.right, r.bottom}, dark);
    }
    EndPaint(hwnd, &ps);
}

void drag(HWND hwnd, SplitterState& s) {
    POINT now;
    GetCursorPos(&now);
    POINT to = s.start;
    if (vertical(hwnd))
        to.x += now.x - s.grab.x;
    else
        to.y += now.y - s.grab.y;
    RECT parent;
    GetClientRect(GetParent(hwnd), &parent);
    RECT me;
    GetClientRect(hwnd, &me);
    to.x = std::clamp<LONG>(to.x, 0, std::max<LONG>(parent.right - me.right, 0));
    to.y = std::clamp<LONG>(to.y, 0, std::max<LONG>(parent.bottom - me.bottom, 0));
    const POINT was = place_in_parent(hwnd);
    if (to.x == was.x && to.y == was.y) return;
    SetWindowPos(hwnd, nullptr, to.x, to.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    notify_parent(hwnd, ZSPN_MOVED);
}

} // namespace

LRESULT CALLBACK splitter_proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (handle_common(hwnd, msg, wParam, lParam, result, make_state<SplitterState>)) return result;
    SplitterState* s = state_as<SplitterState>(hwnd);
    if (s == nullptr) return DefWindowProcW(hwnd, msg, wParam, lParam);
    switch (msg) {
    case WM_PAINT: paint(hwnd, *s); return 0;
    case WM_SETCURSOR: SetCursor(LoadCursorW(nullptr, vertical(hwnd) ? IDC_SIZEWE : IDC_SIZENS)); return TRUE;
    case WM_LBUTTONDOWN:
        GetCursorPos(&s->grab);
        s->start = place_in_parent(hwnd);
        s->tracking = true;
        SetCapture(hwnd);
        return 0;
    case WM_MOUSEMOVE:
        if (s->tracking) drag(hwnd, *s);
        return 0;
    case WM_LBUTTONUP:
        if (s->tracking) ReleaseCapture();
        return 0;
    case WM_CAPTURECHANGED: s->tracking = false; return 0;
    default: return DefWindowProcW(hwnd, msg, wParam, lParam);
    }
}

} // namespace zeledit::controls
