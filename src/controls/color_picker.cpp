// The colour picker: a swatch of the chosen colour that drops down a grid of the recent
// colours and a palette of 40 (16 for the 16-colour style), and a larger grid of 234 more.
// The picker keeps the focus and the mouse while the grid is down: arrows move in the grid,
// Enter or a click picks, Escape or a click elsewhere closes it.
#include "controls/button_paint.h"
#include "controls/controls.h"
#include "controls/dialog_colors.h"

#include <array>
#include <vector>

namespace zeledit::controls {
namespace {

constexpr LPCWSTR GridClass = u"ZeleditColorGrid";
constexpr int Columns = 8, Pitch = 20, Cell = 16, MoreColumns = 18, MorePitch = 11, Border = 3, MoreRow = 22;

constexpr std::array<COLORREF, 40> Palette40 = {
    RGB(0, 0, 0),       RGB(153, 51, 0),    RGB(51, 51, 0),     RGB(0, 51, 0),      RGB(0, 51, 102),
    RGB(0, 0, 128),     RGB(51, 51, 153),   RGB(51, 51, 51),    RGB(128, 0, 0),     RGB(255, 102, 0),
    RGB(128, 128, 0),   RGB(0, 128, 0),     RGB(0, 128, 128),   RGB(0, 0, 255),     RGB(102, 102, 153),
    RGB(128, 128, 128), RGB(255, 0, 0),     RGB(255, 153, 0),   RGB(153, 204, 0),   RGB(51, 153, 102),
    RGB(51, 204, 204),  RGB(51, 102, 255),  RGB(128, 0, 128),   RGB(153, 153, 153), RGB(255, 0, 255),
    RGB(255, 204, 0),   RGB(255, 255, 0),   RGB(0, 255, 0),     RGB(0, 255, 255),   RGB(0, 204, 255),
    RGB(153, 51, 102),  RGB(192, 192, 192), RGB(255, 153, 204), RGB(255, 204, 153), RGB(255, 255, 153),
    RGB(204, 255, 204), RGB(204, 255, 255), RGB(153, 204, 255), RGB(204, 153, 255), RGB(255, 255, 255)};

constexpr std::array<COLORREF, 16> Palette16 = {
    RGB(0, 0, 0),       RGB(128, 0, 0),   RGB(0, 128, 0),   RGB(128, 128, 0),
    RGB(0, 0, 128),     RGB(128, 0, 128), RGB(0, 128, 128), RGB(192, 192, 192),
    RGB(128, 128, 128), RGB(255, 0, 0),   RGB(0, 255, 0),   RGB(255, 255, 0),
    RGB(0, 0, 255),     RGB(255, 0, 255), RGB(0, 255, 255), RGB(255, 255, 255)};

struct GridCell {
    RECT r;
    COLORREF color;
    bool more; // the "More colours" button
};

struct PickerState : ControlState {
    COLORREF color = RGB(0, 0, 0);
    WPARAM style = 0; // 1: the 16 colours only
    HWND grid = nullptr;
    bool open = false;
    bool more = false;
    int hot = -1;
};

// The cells of the grid as it shows now, in grid coordinates.
std::vector<GridCell> cells_of(const PickerState& s) {
    std::vector<GridCell> out;
    if (s.more) {
        int i = 0;
        auto put = [&](COLORREF c) {
            const int x = Border + (i % MoreColumns) * MorePitch, y = Border + (i / MoreColumns) * MorePitch;
            out.push_back({{x, y, x + MorePitch - 1, y + MorePitch - 1}, c, false});
            ++i;
        };
        for (int r = 0; r < 6; ++r)
            for (int g = 0; g < 6; ++g)
                for (int b = 0; b < 6; ++b) put(RGB(BYTE(r * 51), BYTE(g * 51), BYTE(b * 51)));
        for (int k = 0; k < MoreColumns; ++k) put(RGB(BYTE(k * 15), BYTE(k * 15), BYTE(k * 15)));
        return out;
    }
    int y = Border;
    auto row = [&](const COLORREF* colors, std::size_t n) {
        for (std::size_t i = 0; i < n; ++i) {
            const int x = Border + static_cast<int>(i % Columns) * Pitch,
                      top = y + static_cast<int>(i / Columns) * Pitch;
            out.push_back({{x + 2, top + 2, x + 2 + Cell, top + 2 + Cell}, colors[i], false});
        }
        y += static_cast<int>((n + Columns - 1) / Columns) * Pitch;
    };
    if (s.style == 1) {
        row(Palette16.data(), Palette16.size());
        return out;
    }
    const auto& recent = RecentColors();
    if (!recent.empty()) {
        row(recent.data(), recent.size());
        y += 4;
    }
    row(Palette40.data(), Palette40.size());
    out.push_back({{Border + 2, y + 2, Border + Columns * Pitch - 2, y + MoreRow}, 0, true});
    return out;
}

SIZE grid_size(const PickerState& s) {
    const auto cells = cells_of(s);
    LONG right = 0, bottom = 0;
    for (const GridCell& c : cells) right = std::max(right, c.r.right), bottom = std::max(bottom, c.r.bottom);
    return {right + Border + 2, bottom + Border + 2};
}

void paint_grid(HWND grid) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(grid, &ps);
    const auto* s = state_as<PickerState>(report_target(grid));
    RECT r;
    GetClientRect(grid, &r);
    fill_solid(dc, r, GetSysColor(COLOR_WINDOW));
    if (s != nullptr) {
        const auto cells = cells_of(*s);
        HBRUSH edge = CreateSolidBrush(GetSysColor(COLOR_BTNSHADOW)),
               hot = CreateSolidBrush(GetSysColor(COLOR_HIGHLIGHT));
        for (std::size_t i = 0; i < cells.size(); ++i) {
            RECT c = cells[i].r;
            if (cells[i].more) {
                fill_solid(dc, c, s->face);
                draw_bevel(dc, c, s->face, false);
                SetBkMode(dc, TRANSPARENT);
                SetTextColor(dc, s->text);
                HGDIOBJ old = select_font(dc, *s);
                DrawTextW(dc, u"More colours...", -1, &c, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
                SelectObject(dc, old);
            } else {
                fill_solid(dc, c, cells[i].color);
                FrameRect(dc, &c, edge);
            }
            if (static_cast<int>(i) == s->hot ||
                (!cells[i].more && cells[i].color == s->color && s->hot < 0)) {
                InflateRect(&c, 2, 2);
                FrameRect(dc, &c, hot);
            }
        }
        DeleteObject(edge);
        DeleteObject(hot);
    }
    EndPaint(grid, &ps);
}

LRESULT CALLBACK grid_proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_PAINT) return paint_grid(hwnd), 0;
    if (msg == WM_ERASEBKGND) return 1;
    if (msg == WM_MOUSEACTIVATE) return MA_NOACTIVATE;
    return DefWindowProcW(hwnd, msg, wParam, lParam);
}

void place_grid(HWND hwnd, PickerState& s) {
    RECT r;
    GetWindowRect(hwnd, &r);
    const SIZE size = grid_size(s);
    SetWindowPos(s.grid, nullptr, r.left, r.bottom, size.cx, size.cy, SWP_NOZORDER | SWP_NOACTIVATE);
    InvalidateRect(s.grid, nullptr, FALSE);
}

void close_grid(HWND hwnd, PickerState& s) {
    if (!s.open) return;
    s.open = false;
    ShowWindow(s.grid, SW_HIDE);
    if (GetCapture() == hwnd) ReleaseCapture();
    InvalidateRect(hwnd, nullptr, FALSE);
}

void open_grid(HWND hwnd, PickerState& s) {
    if (s.open || !IsWindowEnabled(hwnd)) return;
    if (s.grid == nullptr) {
        RegisterLibraryClass(GridClass, grid_proc);
        s.grid = CreateWindowExW(
            WS_EX_TOOLWINDOW | WS_EX_TOPMOST, GridClass, u"", WS_POPUP | WS_BORDER, 0, 0, 10, 10, hwnd,
            nullptr, reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(hwnd, GWLP_HINSTANCE)), nullptr);
        // Its owner is the dialog; it draws the picker's colours.
        SetPropW(s.grid, ReportsToProperty, hwnd);
    }
    s.more = false;
    s.hot = -1;
    const auto cells = cells_of(s);
    for (std::size_t i = 0; i < cells.size(); ++i)
        if (!cells[i].more && cells[i].color == s.color) s.hot = static_cast<int>(i);
    place_grid(hwnd, s);
    ShowWindow(s.grid, SW_SHOWNA);
    s.open = true;
    SetFocus(hwnd);
    SetCapture(hwnd);
    InvalidateRect(hwnd, nullptr, FALSE);
}

void pick(HWND hwnd, PickerState& s, int index) {
    const auto cells = cells_of(s);
    if (index < 0 || index >= static_cast<int>(cells.size())) return;
    if (cells[static_cast<std::size_t>(index)].more) {
        s.more = true;
        s.hot = 0;
        place_grid(hwnd, s);
        return;
    }
    s.color = cells[static_cast<std::size_t>(index)].color;
    close_grid(hwnd, s);
    notify_parent(hwnd, CPN_SELCHANGE);
}

int cell_at(HWND hwnd, const PickerState& s, LPARAM lParam) {
    POINT pt{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    ClientToScreen(hwnd, &pt);
    ScreenToClient(s.grid, &pt);
    const auto cells = cells_of(s);
    for (std::size_t i = 0; i < cells.size(); ++i)
        if (PtInRect(&cells[i].r, pt)) return static_cast<int>(i);
    return -1;
}

bool inside_grid(HWND hwnd, const PickerState& s, LPARAM lParam) {
    POINT pt{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    ClientToScreen(hwnd, &pt);
    RECT r;
    GetWindowRect(s.grid, &r);
    return PtInRect(&r, pt) != FALSE;
}

void mouse(HWND hwnd, PickerState& s, UINT msg, LPARAM lParam) {
    if (!s.open) {
        if (msg == WM_LBUTTONDOWN || msg == WM_LBUTTONDBLCLK) open_grid(hwnd, s);
        return;
    }
    const int at = cell_at(hwnd, s, lParam);
    if (msg == WM_MOUSEMOVE) {
        if (at >= 0 && at != s.hot) {
            s.hot = at;
            InvalidateRect(s.grid, nullptr, FALSE);
        }
        return;
    }
    if (msg == WM_LBUTTONUP) {
        if (at >= 0) pick(hwnd, s, at);
        return;
    }
    if (!inside_grid(hwnd, s, lParam)) close_grid(hwnd, s); // a press elsewhere
}

void key(HWND hwnd, PickerState& s, WPARAM k) {
    if (!s.open) {
        if (k == VK_F4 || k == VK_SPACE || k == VK_DOWN) open_grid(hwnd, s);
        return;
    }
    const int n = static_cast<int>(cells_of(s).size()), columns = s.more ? MoreColumns : Columns;
    int to = std::max(s.hot, 0);
    switch (k) {
    case VK_LEFT: to -= 1; break;
    case VK_RIGHT: to += 1; break;
    case VK_UP: to -= columns; break;
    case VK_DOWN: to += columns; break;
    case VK_RETURN:
    case VK_SPACE: pick(hwnd, s, s.hot); return;
    case VK_ESCAPE:
    case VK_F4: close_grid(hwnd, s); return;
    default: return;
    }
    s.hot = std::clamp(to, 0, n - 1);
    InvalidateRect(s.grid, nullptr, FALSE);
}

void paint(HWND hwnd, const PickerState& s) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    RECT r;
    GetClientRect(hwnd, &r);
    fill_solid(dc, r, s.face);
    draw_bevel(dc, r, s.face, s.open);
    const int arrow = GetSystemMetrics(SM_CXVSCROLL);
    RECT swatch{4, 4, r.right - arrow - 2, r.bottom - 4};
    fill_solid(dc, swatch, s.color);
    HBRUSH edge = CreateSolidBrush(IsWindowEnabled(hwnd) ? s.text : GetSysColor(COLOR_GRAYTEXT));
    FrameRect(dc, &swatch, edge);
    DeleteObject(edge);
    draw_arrow(dc, r.right - arrow / 2 - 2, r.bottom / 2, true,
               IsWindowEnabled(hwnd) ? s.text : GetSysColor(COLOR_GRAYTEXT));
    if (GetFocus() == hwnd) {
        RECT focus = r;
        InflateRect(&focus, -2, -2);
        DrawFocusRect(dc, &focus);
    }
    EndPaint(hwnd, &ps);
}

} // namespace

LRESULT CALLBACK color_picker_proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (handle_common(hwnd, msg, wParam, lParam, result, make_state<PickerState>)) return result;
    PickerState* s = state_as<PickerState>(hwnd);
    if (s == nullptr) return DefWindowProcW(hwnd, msg, wParam, lParam);
    switch (msg) {
    case WM_DESTROY:
        if (s->grid != nullptr) DestroyWindow(s->grid);
        s->grid = nullptr;
        return 0;
    case WM_PAINT: paint(hwnd, *s); return 0;
    case WM_GETDLGCODE: return DLGC_WANTARROWS | (s->open ? DLGC_WANTALLKEYS : 0);
    case WM_SETFOCUS: InvalidateRect(hwnd, nullptr, FALSE); return 0;
    case WM_KILLFOCUS:
        close_grid(hwnd, *s);
        InvalidateRect(hwnd, nullptr, FALSE);
        return 0;
    case WM_KEYDOWN: key(hwnd, *s, wParam); return 0;
    case WM_SYSKEYDOWN:
        if (wParam == VK_DOWN || wParam == VK_UP)
            return s->open ? close_grid(hwnd, *s) : open_grid(hwnd, *s), 0;
        return DefWindowProcW(hwnd, msg, wParam, lParam);
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_MOUSEMOVE:
    case WM_LBUTTONUP: mouse(hwnd, *s, msg, lParam); return 0;
    case WM_CAPTURECHANGED:
        if (reinterpret_cast<HWND>(lParam) != hwnd) close_grid(hwnd, *s);
        return 0;
    case WM_ENABLE: InvalidateRect(hwnd, nullptr, FALSE); return 0;
    case ZCPM_SETCOLOR:
        s->color = static_cast<COLORREF>(wParam) & 0xFFFFFF;
        InvalidateRect(hwnd, nullptr, FALSE);
        return 0;
    case ZCPM_GETCOLOR: return static_cast<LRESULT>(s->color);
    case ZCPM_SETSTYLE: s->style = wParam; return 0;
    default: return DefWindowProcW(hwnd, msg, wParam, lParam);
    }
}

} // namespace zeledit::controls
