#include "dialogs/about_window.h"

#include "controls/controls.h"
#include "controls/modal_loop.h"
#include "platform/user/modules.h"

#include <cstring>
#include <string_view>

namespace zeledit::dialogs {
namespace {

constexpr LPCWSTR about_class = u"ZeleditAbout";

HFONT make_font(int height, LONG weight) {
    LOGFONTW lf{};
    lf.lfHeight = -height;
    lf.lfWeight = weight;
    std::memcpy(lf.lfFaceName, u"Liberation Sans", sizeof(u"Liberation Sans"));
    return CreateFontIndirectW(&lf);
}

void text_at(HDC dc, HFONT font, int x, int y, std::u16string_view text) {
    HGDIOBJ old = SelectObject(dc, font);
    TextOutW(dc, x, y, text.data(), static_cast<int>(text.size()));
    SelectObject(dc, old);
}

// A blue band darkening downwards, the name large and the purpose in both languages.
void paint(HWND hwnd) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    for (int y = 0; y < AboutHeight; ++y) {
        const auto k = static_cast<BYTE>(y * 60 / AboutHeight);
        HBRUSH band = CreateSolidBrush(
            RGB(static_cast<BYTE>(40 - k / 3), static_cast<BYTE>(90 - k / 2), static_cast<BYTE>(170 - k)));
        const RECT row{0, y, AboutWidth, y + 1};
        FillRect(dc, &row, band);
        DeleteObject(band);
    }
    const RECT frame{0, 0, AboutWidth, AboutHeight};
    FrameRect(dc, &frame, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(255, 255, 255));
    HFONT large = make_font(34, FW_BOLD), small = make_font(12, FW_NORMAL);
    text_at(dc, large, 20, 14, u"zeledit");
    text_at(dc, small, 22, 62, u"Soạn thảo văn bản tiếng Việt và tiếng Anh");
    text_at(dc, small, 22, 80, u"Formatted text for Vietnamese and English");
    SetTextColor(dc, RGB(200, 215, 240));
    text_at(dc, small, 22, 106, u"Version 6.0 · Esc closes");
    DeleteObject(large);
    DeleteObject(small);
    EndPaint(hwnd, &ps);
}

LRESULT CALLBACK about_proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_PAINT: paint(hwnd); return 0;
    case WM_ERASEBKGND: return 1;
    case WM_LBUTTONDOWN: controls::EndModal(hwnd, IDOK); return 0;
    case WM_CLOSE: controls::EndModal(hwnd, IDCANCEL); return 0;
    case WM_KEYDOWN:
        if (wParam == VK_RETURN || wParam == VK_SPACE) controls::EndModal(hwnd, IDOK);
        return 0;
    default: return DefWindowProcW(hwnd, msg, wParam, lParam);
    }
}

} // namespace

void ShowAboutWindow(HWND owner) {
    controls::RegisterLibraryClass(about_class, about_proc);
    HWND window = CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, about_class, u"zeledit", WS_POPUP,
                                  (GetSystemMetrics(SM_CXSCREEN) - AboutWidth) / 2,
                                  (GetSystemMetrics(SM_CYSCREEN) - AboutHeight) / 2, AboutWidth, AboutHeight,
                                  owner, nullptr, platform::library_instance(), nullptr);
    if (window == nullptr) return;
    controls::RunModal(window, owner, IDCANCEL);
    DestroyWindow(window);
}

} // namespace zeledit::dialogs
