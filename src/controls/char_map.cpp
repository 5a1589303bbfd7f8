// The character map: codes 32 to 255 of one face in a grid of 20-pixel cells, the chosen one
// in purple; the mouse and the arrow keys choose. While the button is held the character under
// the mouse shows enlarged beside its cell.
#include "controls/controls.h"

#include "platform/gdi/scoped_gdi.h"

#include <algorithm>
#include <string>

namespace zeledit::controls {
namespace {

constexpr int CellSize = 20, Columns = 16, FirstCode = 32, LastCode = 255, ZoomSize = 48;
constexpr LPCWSTR ZoomClass = u"ZeleditCharZoom";
constexpr LPCWSTR ZoomOf = u"zeledit.charmap"; // the zoom's map
constexpr COLORREF Purple = RGB(128, 0, 128);

struct CharMapState : ControlState {
    std::u16string face = u"Symbol";
    int code = FirstCode;
    HWND zoom = nullptr; // while the button is held
};

RECT cell_of(int code) {
    const int i = code - FirstCode, x = (i % Columns) * CellSize, y = (i / Columns) * CellSize;
    return {x, y, x + CellSize, y + CellSize};
}

int code_at(LPARAM point) {
    const int x = static_cast<short>(LOWORD(point)), y = static_cast<short>(HIWORD(point));
    if (x < 0 || y < 0 || x >= Columns * CellSize) return -1;
    const int code = FirstCode + (y / CellSize) * Columns + x / CellSize;
    return code <= LastCode ? code : -1;
}

platform::UniqueGdi<HFONT> face_font(const std::u16string& face, int pixels) {
    LOGFONTW lf{};
    lf.lfHeight = -pixels;
    lf.lfCharSet = DEFAULT_CHARSET;
    std::copy_n(face.begin(), std::min<std::size_t>(face.size(), LF_FACESIZE - 1), lf.lfFaceName);
    return platform::UniqueGdi<HFONT>(CreateFontIndirectW(&lf));
}

// One character centred in `r`, as a byte, so that a symbol face shows its own characters.
void draw_code(HDC dc, const RECT& r, int code) {
    TEXTMETRICW tm{};
    GetTextMetricsW(dc, &tm);
    const UINT align = SetTextAlign(dc, TA_CENTER | TA_TOP);
    const char byte = static_cast<char>(code);
    TextOutA(dc, (r.left + r.right) / 2, (r.top + r.bottom - tm.tmHeight) / 2, &byte, 1);
    SetTextAlign(dc, align);
}

void paint(HWND hwnd, const CharMapState& s) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    RECT client;
    GetClientRect(hwnd, &client);
    fill_solid(dc, client, RGB(255, 255, 255));
    const auto font = face_font(s.face, 14);
    const platform::SelectedObject chosen_font(dc, font.get());
    SetBkMode(dc, TRANSPARENT);
    for (int code = FirstCode; code <= LastCode; ++code) {
        const RECT r = cell_of(code);
        const bool chosen = code == s.code;
        if (chosen) fill_solid(dc, r, Purple);
        SetTextColor(dc, chosen ? RGB(255, 255, 255) : RGB(0, 0, 0));
        draw_code(dc, r, code);
    }
    const platform::UniqueGdi<HPEN> grid(CreatePen(PS_SOLID, 1, RGB(160, 160, 160)));
    const platform::SelectedObject chosen_pen(dc, grid.get());
    const int rows = (LastCode - FirstCode) / Columns + 1;
    for (int c = 0; c <= Columns; ++c) {
        MoveToEx(dc, c * CellSize, 0, nullptr);
        LineTo(dc, c * CellSize, rows * CellSize);
    }
    for (int r = 0; r <= rows; ++r) {
        MoveToEx(dc, 0, r * CellSize, nullptr);
        LineTo(dc, Columns * CellSize, r * CellSize);
    }
    EndPaint(hwnd, &ps);
}

LRESULT CALLBACK zoom_proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg != WM_PAINT) return DefWindowProcW(hwnd, msg, wParam, lParam);
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    RECT r;
    GetClientRect(hwnd, &r);
    fill_solid(dc, r, RGB(255, 255, 255));
    if (const auto* s = state_as<CharMapState>(static_cast<HWND>(GetPropW(hwnd, ZoomOf)))) {
        const auto font = face_font(s->face, ZoomSize - 12);
        const platform::SelectedObject chosen_font(dc, font.get());
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, RGB(0, 0, 0));
        draw_code(dc, r, s->code);
    }
    EndPaint(hwnd, &ps);
    return 0;
}

// The enlarged character beside the chosen cell, above it where there is room.
void show_zoom(HWND hwnd, CharMapState& s) {
    if (s.zoom == nullptr) {
        RegisterLibraryClass(ZoomClass, zoom_proc);
        s.zoom = CreateWindowExW(
            WS_EX_TOOLWINDOW | WS_EX_TOPMOST, ZoomClass, u"", WS_POPUP | WS_BORDER, 0, 0, ZoomSize, ZoomSize,
            hwnd, nullptr, reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(hwnd, GWLP_HINSTANCE)), nullptr);
        if (s.zoom == nullptr) return;
        SetPropW(s.zoom, ZoomOf, hwnd);
    }
    const RECT cell = cell_of(s.code);
    POINT at{cell.left + CellSize / 2 - ZoomSize / 2, cell.top - ZoomSize - 4};
    if (at.y < 0) at.y = cell.bottom + 4;
    ClientToScreen(hwnd, &at);
    SetWindowPos(s.zoom, HWND_TOP, at.x, at.y, ZoomSize, ZoomSize, SWP_NOACTIVATE | SWP_SHOWWINDOW);
    InvalidateRect(s.zoom, nullptr, FALSE);
    if (GetFocus() != hwnd) SetFocus(hwnd); // a new pop-up may have taken it
}

void hide_zoom(CharMapState& s) {
    if (s.zoom == nullptr) return;
    DestroyWindow(s.zoom);
    s.zoom = nullptr;
}

void choose(HWND hwnd, CharMapState& s, int code) {
    code = std::clamp(code, FirstCode, LastCode);
    if (code == s.code) return;
    s.code = code;
    InvalidateRect(hwnd, nullptr, FALSE);
    notify_parent(hwnd, CMN_SELCHANGE);
}

bool arrow(HWND hwnd, CharMapState& s, WPARAM key) {
    const int step = key == VK_LEFT    ? -1
                     : key == VK_RIGHT ? 1
                     : key == VK_UP    ? -Columns
                     : key == VK_DOWN  ? Columns
                                       : 0;
    if (step == 0) return false;
    choose(hwnd, s, s.code + step);
    return true;
}

} // namespace

LRESULT CALLBACK char_map_proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (handle_common(hwnd, msg, wParam, lParam, result, make_state<CharMapState>)) return result;
    auto* s = state_as<CharMapState>(hwnd);
    if (s == nullptr) return DefWindowProcW(hwnd, msg, wParam, lParam);
    switch (msg) {
    case WM_PAINT: paint(hwnd, *s); return 0;
    case WM_GETDLGCODE: return DLGC_WANTARROWS;
    case WM_LBUTTONDOWN:
        SetFocus(hwnd);
        if (const int code = code_at(lParam); code >= 0) {
            choose(hwnd, *s, code);
            SetCapture(hwnd);
            show_zoom(hwnd, *s);
        }
        return 0;
    case WM_MOUSEMOVE:
        if (s->zoom != nullptr)
            if (const int code = code_at(lParam); code >= 0 && code != s->code) {
                choose(hwnd, *s, code);
                show_zoom(hwnd, *s);
            }
        return 0;
    case WM_LBUTTONUP:
        if (GetCapture() == hwnd) ReleaseCapture();
        hide_zoom(*s);
        return 0;
    case WM_CAPTURECHANGED:
    case WM_DESTROY: hide_zoom(*s); return 0;
    case WM_LBUTTONDBLCLK:
        if (const int code = code_at(lParam); code >= 0) {
            choose(hwnd, *s, code);
            notify_parent(hwnd, CMN_DBLCLK);
        }
        return 0;
    case WM_KEYDOWN:
        if (wParam == VK_RETURN) {
            notify_parent(hwnd, CMN_DBLCLK);
            return 0;
        }
        return arrow(hwnd, *s, wParam) ? 0 : DefWindowProcW(hwnd, msg, wParam, lParam);
    case ZCMM_SETFACE:
        s->face = lParam != 0 ? std::u16string(reinterpret_cast<LPCWSTR>(lParam)) : u"";
        InvalidateRect(hwnd, nullptr, FALSE);
        return 0;
    case ZCMM_SETCODE:
        s->code = std::clamp(static_cast<int>(wParam), FirstCode, LastCode);
        InvalidateRect(hwnd, nullptr, FALSE);
        return 0;
    case ZCMM_GETCODE: return s->code;
    default: return DefWindowProcW(hwnd, msg, wParam, lParam);
    }
}

} // namespace zeledit::controls
