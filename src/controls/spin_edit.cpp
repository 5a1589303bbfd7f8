// The spin edit: a number in an edit with up and down arrows, kept within a range. Arrows,
// Up and Down, Page Up and Page Down step it; typed text out of range or not a number is
// put back within the range when the edit loses the focus.
#include "controls/button_paint.h"
#include "controls/controls.h"

#include <algorithm>
#include <charconv>
#include <optional>
#include <string>
#include <tuple>

namespace zeledit::controls {
namespace {

constexpr int EditId = 1, RepeatTimer = 1, FirstDelayMs = 400, RepeatMs = 60;

struct SpinState : ControlState {
    HWND edit = nullptr;
    int low = 0, high = 100, step = 1, value = 0;
    int held = 0; // +1 or -1 while an arrow is held down
    bool quiet = false;
};

int arrows_width() { return GetSystemMetrics(SM_CXVSCROLL); }

std::u16string number_text(int value) {
    const std::string digits = std::to_string(value);
    return {digits.begin(), digits.end()};
}

// The edit's number, if it holds one.
std::optional<long long> typed_value(const SpinState& s) {
    const std::u16string text = window_text(s.edit);
    std::string ascii;
    for (char16_t c : text) {
        if (c > 0x7F) return std::nullopt;
        if (c != u' ') ascii += static_cast<char>(c);
    }
    long long v = 0;
    const auto [end, error] = std::from_chars(ascii.data(), ascii.data() + ascii.size(), v);
    if (ascii.empty() || error != std::errc{} || end != ascii.data() + ascii.size()) return std::nullopt;
    return v;
}

void show_value(SpinState& s) {
    s.quiet = true;
    SetWindowTextW(s.edit, number_text(s.value).c_str());
    s.quiet = false;
}

int current(SpinState& s) {
    if (const auto typed = typed_value(s))
        s.value = static_cast<int>(std::clamp<long long>(*typed, s.low, s.high));
    return s.value;
}

void set_value(HWND hwnd, SpinState& s, long long value, bool announce) {
    s.value = static_cast<int>(std::clamp<long long>(value, s.low, s.high));
    show_value(s);
    SendMessageW(s.edit, EM_SETSEL, 0, -1);
    if (announce) notify_parent(hwnd, EN_CHANGE);
}

void step_by(HWND hwnd, SpinState& s, int steps) {
    set_value(hwnd, s, static_cast<long long>(current(s)) + static_cast<long long>(steps) * s.step, true);
}

void layout(HWND hwnd, SpinState& s) {
    RECT r;
    GetClientRect(hwnd, &r);
    MoveWindow(s.edit, 2, 2, std::max<int>(r.right - arrows_width() - 3, 1), std::max<int>(r.bottom - 4, 1),
               TRUE);
}

void paint(HWND hwnd, const SpinState& s) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    RECT r;
    GetClientRect(hwnd, &r);
    draw_bevel(dc, r, s.face, true);
    fill_solid(dc, {1, 1, r.right - arrows_width() - 1, r.bottom - 1}, GetSysColor(COLOR_WINDOW));
    InflateRect(&r, -1, -1);
    const int left = r.right - arrows_width() + 1, middle = (r.top + r.bottom) / 2;
    const RECT up{left, r.top, r.right, middle}, down{left, middle, r.right, r.bottom};
    const COLORREF ink = IsWindowEnabled(hwnd) ? s.text : GetSysColor(COLOR_GRAYTEXT);
    for (const auto& [box, pointing_up, pressed] :
         {std::tuple{up, true, s.held > 0}, std::tuple{down, false, s.held < 0}}) {
        fill_solid(dc, box, s.face);
        draw_bevel(dc, box, s.face, pressed);
        draw_arrow(dc, (box.left + box.right) / 2, (box.top + box.bottom) / 2, !pointing_up, ink);
    }
    EndPaint(hwnd, &ps);
}

void press_arrow(HWND hwnd, SpinState& s, LPARAM lParam) {
    RECT r;
    GetClientRect(hwnd, &r);
    if (GET_X_LPARAM(lParam) < r.right - arrows_width() - 1) return;
    s.held = GET_Y_LPARAM(lParam) < r.bottom / 2 ? 1 : -1;
    SetFocus(s.edit);
    SetCapture(hwnd);
    step_by(hwnd, s, s.held);
    SetTimer(hwnd, RepeatTimer, FirstDelayMs, nullptr);
    InvalidateRect(hwnd, nullptr, FALSE);
}

void release_arrow(HWND hwnd, SpinState& s) {
    if (s.held == 0) return;
    s.held = 0;
    KillTimer(hwnd, RepeatTimer);
    if (GetCapture() == hwnd) ReleaseCapture();
    InvalidateRect(hwnd, nullptr, FALSE);
}

void create(HWND hwnd, SpinState& s) {
    const HINSTANCE instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(hwnd, GWLP_HINSTANCE));
    s.edit = CreateWindowExW(0, u"EDIT", u"0", WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL, 0, 0, 1, 1, hwnd,
                             reinterpret_cast<HMENU>(EditId), instance, nullptr);
    layout(hwnd, s);
}

// Notifications of the edit inside.
void edit_notification(HWND hwnd, SpinState& s, WORD code) {
    if (code == EN_CHANGE && !s.quiet) notify_parent(hwnd, EN_CHANGE);
    if (code == EN_KILLFOCUS) {
        const auto typed = typed_value(s);
        if (!typed || *typed < s.low || *typed > s.high)
            set_value(hwnd, s, typed.value_or(s.value), typed.has_value());
        notify_parent(hwnd, EN_KILLFOCUS);
    }
    if (code == EN_SETFOCUS) notify_parent(hwnd, EN_SETFOCUS);
}

LRESULT spin_message(HWND hwnd, SpinState& s, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case ZSEM_SETRANGE:
        s.low = static_cast<int>(wParam);
        s.high = std::max(static_cast<int>(lParam), s.low);
        set_value(hwnd, s, current(s), false);
        return 0;
    case ZSEM_SETPOS: set_value(hwnd, s, static_cast<int>(wParam), false); return 0;
    case ZSEM_GETPOS: return current(s);
    case ZSEM_SETSTEP: s.step = std::max(static_cast<int>(wParam), 1); return 0;
    default: return 0;
    }
}

} // namespace

LRESULT CALLBACK spin_edit_proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (handle_common(hwnd, msg, wParam, lParam, result, make_state<SpinState>)) {
        if (msg == WM_SETFONT)
            if (auto* s = state_as<SpinState>(hwnd); s != nullptr && s->edit != nullptr)
                SendMessageW(s->edit, WM_SETFONT, wParam, lParam);
        return result;
    }
    SpinState* s = state_as<SpinState>(hwnd);
    if (s == nullptr) return DefWindowProcW(hwnd, msg, wParam, lParam);
    switch (msg) {
    case WM_CREATE: create(hwnd, *s); return 0;
    case WM_SIZE: layout(hwnd, *s); return 0;
    case WM_PAINT: paint(hwnd, *s); return 0;
    case WM_SETFOCUS:
        SetFocus(s->edit);
        SendMessageW(s->edit, EM_SETSEL, 0, -1);
        return 0;
    case WM_GETDLGCODE: return DLGC_WANTARROWS | DLGC_WANTCHARS | DLGC_HASSETSEL;
    case WM_KEYDOWN:
        if (wParam == VK_UP || wParam == VK_DOWN) step_by(hwnd, *s, wParam == VK_UP ? 1 : -1);
        if (wParam == VK_PRIOR || wParam == VK_NEXT) step_by(hwnd, *s, wParam == VK_PRIOR ? 10 : -10);
        return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: press_arrow(hwnd, *s, lParam); return 0;
    case WM_LBUTTONUP:
    case WM_CAPTURECHANGED: release_arrow(hwnd, *s); return 0;
    case WM_TIMER:
        if (s->held != 0) {
            step_by(hwnd, *s, s->held);
            SetTimer(hwnd, RepeatTimer, RepeatMs, nullptr);
        }
        return 0;
    case WM_COMMAND:
        if (LOWORD(wParam) == EditId) edit_notification(hwnd, *s, HIWORD(wParam));
        return 0;
    case WM_ENABLE:
        EnableWindow(s->edit, wParam ? TRUE : FALSE);
        InvalidateRect(hwnd, nullptr, FALSE);
        return 0;
    case WM_SETTEXT:
    case WM_GETTEXT:
    case WM_GETTEXTLENGTH: return s->edit != nullptr ? SendMessageW(s->edit, msg, wParam, lParam) : 0;
    case ZSEM_SETRANGE:
    case ZSEM_SETPOS:
    case ZSEM_GETPOS:
    case ZSEM_SETSTEP: return spin_message(hwnd, *s, msg, wParam, lParam);
    default: return DefWindowProcW(hwnd, msg, wParam, lParam);
    }
}

} // namespace zeledit::controls
