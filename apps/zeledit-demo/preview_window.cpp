#include "preview_window.h"

#include <algorithm>
#include <memory>
#include <string>

namespace demo {
namespace {

constexpr LPCWSTR ClassName = u"ZeleditDemoPreview";
constexpr int Margin = 16, ScrollStep = 48;

struct Preview {
    zeledit::TCustomFormatEditor* editor = nullptr;
    int pages = 0;
    int page = 1;
    bool actual_size = false; // else the whole page fits the window
    int scroll = 0;           // at the printed size
    RECT page_rect{};         // of the preview layout, 96 per inch
};

Preview* Of(HWND w) { return static_cast<Preview*>(GetPropW(w, ClassName)); }

std::u16string Number(int n) {
    const std::string s = std::to_string(n);
    return {s.begin(), s.end()};
}

void UpdateTitle(HWND w, const Preview& p) {
    const std::u16string title = u"Print preview — page " + Number(p.page) + u" of " + Number(p.pages) +
                                 u"   (PgUp/PgDn: pages, Z: " +
                                 (p.actual_size ? u"whole page" : u"actual size") + u", Esc: close)";
    SetWindowTextW(w, title.c_str());
}

// The page drawn by the editor into a bitmap of its own size, then shown scaled.
void Paint(HWND w, const Preview& p) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(w, &ps);
    RECT client;
    GetClientRect(w, &client);
    FillRect(dc, &client, GetSysColorBrush(COLOR_APPWORKSPACE));
    const int pw = p.page_rect.right, ph = p.page_rect.bottom;
    if (pw > 0 && ph > 0) {
        HDC memory = CreateCompatibleDC(dc);
        HBITMAP bitmap = CreateCompatibleBitmap(dc, pw, ph);
        HGDIOBJ old = SelectObject(memory, bitmap);
        p.editor->PreviewPageDC(memory, p.page);
        const double fit =
            std::min(double(client.right - 2 * Margin) / pw, double(client.bottom - 2 * Margin) / ph);
        const double scale = p.actual_size ? 1.0 : std::max(fit, 0.05);
        const int sw = static_cast<int>(pw * scale), sh = static_cast<int>(ph * scale);
        const int x = std::max(Margin, (client.right - sw) / 2), y = Margin - (p.actual_size ? p.scroll : 0);
        SetStretchBltMode(dc, HALFTONE);
        StretchBlt(dc, x, y, sw, sh, memory, 0, 0, pw, ph, SRCCOPY);
        SelectObject(memory, old);
        DeleteObject(bitmap);
        DeleteDC(memory);
    }
    EndPaint(w, &ps);
}

void Show(HWND w, Preview& p, int page, int scroll) {
    p.page = std::clamp(page, 1, std::max(p.pages, 1));
    RECT client;
    GetClientRect(w, &client);
    p.scroll = std::clamp(scroll, 0, std::max(0, int(p.page_rect.bottom) + 2 * Margin - int(client.bottom)));
    UpdateTitle(w, p);
    InvalidateRect(w, nullptr, TRUE);
}

bool Key(HWND w, Preview& p, WPARAM key) {
    switch (key) {
    case VK_NEXT: Show(w, p, p.page + 1, 0); return true;
    case VK_PRIOR: Show(w, p, p.page - 1, 0); return true;
    case VK_HOME: Show(w, p, 1, 0); return true;
    case VK_END: Show(w, p, p.pages, 0); return true;
    case VK_DOWN: Show(w, p, p.page, p.scroll + ScrollStep); return true;
    case VK_UP: Show(w, p, p.page, p.scroll - ScrollStep); return true;
    case 'Z':
        p.actual_size = !p.actual_size;
        Show(w, p, p.page, 0);
        return true;
    case VK_ESCAPE: DestroyWindow(w); return true;
    default: return false;
    }
}

LRESULT CALLBACK Proc(HWND w, UINT msg, WPARAM wParam, LPARAM lParam) {
    Preview* p = Of(w);
    switch (msg) {
    case WM_PAINT:
        if (p != nullptr) Paint(w, *p);
        return 0;
    case WM_ERASEBKGND: return 1;
    case WM_KEYDOWN:
        if (p != nullptr && Key(w, *p, wParam)) return 0;
        break;
    case WM_DESTROY:
        if (p != nullptr) {
            p->editor->EndPrint(); // the editor's own layout again
            if (HWND owner = GetWindow(w, GW_OWNER)) SetFocus(owner);
            RemovePropW(w, ClassName);
            delete p;
        }
        return 0;
    default: break;
    }
    return DefWindowProcW(w, msg, wParam, lParam);
}

} // namespace

HWND ShowPreview(HWND owner, zeledit::TCustomFormatEditor& editor, int pages) {
    WNDCLASSW wc{};
    if (!GetClassInfoW(nullptr, ClassName, &wc)) {
        wc.lpfnWndProc = Proc;
        wc.lpszClassName = ClassName;
        RegisterClassW(&wc);
    }
    if (pages <= 0 || !editor.BeginPreview()) return nullptr;
    auto preview = std::make_unique<Preview>();
    preview->editor = &editor;
    preview->pages = pages;
    preview->page_rect = editor.GetPreviewRectDC();
    HWND w = CreateWindowExW(0, ClassName, u"Print preview", WS_OVERLAPPEDWINDOW, 80, 30, 640, 720, owner,
                             nullptr, nullptr, nullptr);
    if (w == nullptr) {
        editor.EndPrint();
        return nullptr;
    }
    SetPropW(w, ClassName, preview.release());
    Show(w, *Of(w), 1, 0);
    ShowWindow(w, SW_SHOW);
    SetFocus(w);
    return w;
}

} // namespace demo
