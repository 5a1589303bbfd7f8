#include "controls/controls.h"

#include <utility>

#include <algorithm>
#include <memory>

namespace zeledit::controls {

ControlState* state_of(HWND hwnd) {
    return reinterpret_cast<ControlState*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
}

bool handle_common(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result, MakeState make) {
    switch (msg) {
    case WM_NCCREATE: {
        auto state = make();
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(state.release()));
        result = DefWindowProcW(hwnd, msg, wParam, lParam);
        return true;
    }
    case WM_NCDESTROY:
        std::unique_ptr<ControlState>(state_of(hwnd)).reset();
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        result = DefWindowProcW(hwnd, msg, wParam, lParam);
        return true;
    case ZCM_SETCOLORS:
        if (ControlState* s = state_of(hwnd)) {
            s->face = static_cast<COLORREF>(wParam);
            s->text = static_cast<COLORREF>(lParam);
            InvalidateRect(hwnd, nullptr, TRUE);
        }
        result = 0;
        return true;
    case WM_SETFONT:
        if (ControlState* s = state_of(hwnd)) s->font = reinterpret_cast<HFONT>(wParam);
        if (lParam) InvalidateRect(hwnd, nullptr, TRUE);
        result = 0;
        return true;
    case WM_GETFONT: {
        const ControlState* s = state_of(hwnd);
        result = s != nullptr ? reinterpret_cast<LRESULT>(s->font) : 0;
        return true;
    }
    case WM_ERASEBKGND: result = 1; return true; // painted whole in WM_PAINT
    default: return false;
    }
}

HWND report_target(HWND hwnd) {
    if (HANDLE to = GetPropW(hwnd, ReportsToProperty)) return static_cast<HWND>(to);
    return GetParent(hwnd);
}

void notify_parent(HWND hwnd, WORD code) {
    SendMessageW(report_target(hwnd), WM_COMMAND, MAKEWPARAM(WORD(GetDlgCtrlID(hwnd)), code),
                 reinterpret_cast<LPARAM>(hwnd));
}

HWND find_item(HWND root, int id) {
    std::pair<int, HWND> wanted{id, nullptr};
    EnumChildWindows(
        root,
        [](HWND w, LPARAM p) -> BOOL {
            auto* f = reinterpret_cast<std::pair<int, HWND>*>(p);
            if (GetDlgCtrlID(w) != f->first) return TRUE;
            f->second = w;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&wanted));
    return wanted.second;
}

std::u16string window_text(HWND hwnd) {
    std::u16string text(static_cast<std::size_t>(GetWindowTextLengthW(hwnd)) + 1, u'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(hwnd, text.data(), static_cast<int>(text.size()))));
    return text;
}

int line_height(HWND hwnd, const ControlState& s, int padding) {
    HDC dc = GetDC(hwnd);
    HGDIOBJ old = select_font(dc, s);
    TEXTMETRICW tm{};
    GetTextMetricsW(dc, &tm);
    SelectObject(dc, old);
    ReleaseDC(hwnd, dc);
    return std::max<int>(tm.tmHeight, 1) + padding;
}

LRESULT set_text_and_repaint(HWND hwnd, WPARAM wParam, LPARAM lParam) {
    const LRESULT r = DefWindowProcW(hwnd, WM_SETTEXT, wParam, lParam);
    InvalidateRect(hwnd, nullptr, FALSE);
    return r;
}

void fill_solid(HDC dc, const RECT& rect, COLORREF color) {
    HBRUSH brush = CreateSolidBrush(color);
    FillRect(dc, &rect, brush);
    DeleteObject(brush);
}

HGDIOBJ select_font(HDC dc, const ControlState& s) {
    return SelectObject(dc,
                        s.font != nullptr ? static_cast<HGDIOBJ>(s.font) : GetStockObject(DEFAULT_GUI_FONT));
}

} // namespace zeledit::controls
