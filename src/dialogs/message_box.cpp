#include "dialogs/message_box.h"

#include "controls/controls.h"
#include "controls/modal_loop.h"
#include "platform/graphics_support/graphics_support.h"
#include "platform/user/modules.h"
#include "platform/user/window_dc.h"

#include <array>
#include <cstring>
#include <string>

namespace zeledit::dialogs {
namespace {

constexpr LPCWSTR box_class = u"ZeleditMessageBox";
constexpr int frame_width = 3;
constexpr int panel_top = 3;
constexpr int min_text_width = 150, min_text_height = 32, text_padding = 16;

struct ButtonSpec {
    WORD flag;
    const char16_t* caption;
    int answer;
    bool cancel;
};

// In the order they stand in the row.
constexpr std::array<ButtonSpec, 8> button_row = {{{mbOK, u"OK", IDOK, false},
                                                   {mbYes, u"&Yes", IDYES, false},
                                                   {mbNo, u"&No", IDNO, true},
                                                   {mbRetry, u"&Retry", IDRETRY, false},
                                                   {mbIgnore, u"&Ignore", IDIGNORE, true},
                                                   {mbAbort, u"&Abort", IDABORT, false},
                                                   {mbAll, u"&All", IDALL, false},
                                                   {mbCancel, u"Cancel", IDCANCEL, true}}};

struct KindColors {
    COLORREF face;
    COLORREF strip;
};

KindColors colors_of(BYTE kind) {
    switch (kind) {
    case 0: return {0xD4F4F6, 0x006BFF};
    case 1: return {0xDAD6F6, 0x4C66E6};
    case 3: return {0xC6EAB8, 0x1E9A04};
    default: return {0xF8E2C6, 0xCB6C00};
    }
}

TMsgFrm* box_of(HWND hwnd) { return reinterpret_cast<TMsgFrm*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA)); }

// Row by row from the strip colour towards its darker shade.
void paint_strip(HDC dc, int height, COLORREF from) {
    const COLORREF to = platform::ChangeColorLight(from, -25);
    for (int y = 0; y < height; ++y) {
        auto mix = [&](BYTE a, BYTE b) {
            return static_cast<BYTE>(a + (int(b) - a) * y / std::max(height - 1, 1));
        };
        controls::fill_solid(dc, {0, y, TMsgFrm::StripWidth, y + 1},
                             RGB(mix(GetRValue(from), GetRValue(to)), mix(GetGValue(from), GetGValue(to)),
                                 mix(GetBValue(from), GetBValue(to))));
    }
}

void paint(HWND hwnd) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    if (const TMsgFrm* box = box_of(hwnd)) {
        RECT r;
        GetClientRect(hwnd, &r);
        controls::fill_solid(dc, r, box->FaceColor());
        paint_strip(dc, r.bottom, box->StripColor());
        DrawMessageIcon(dc, 4, 5, box->Kind());
        HBRUSH frame = CreateSolidBrush(platform::ChangeColorLight(box->StripColor(), -32));
        for (int i = 0; i < frame_width; ++i) {
            FrameRect(dc, &r, frame);
            InflateRect(&r, -1, -1);
        }
        DeleteObject(frame);
    }
    EndPaint(hwnd, &ps);
}

LRESULT CALLBACK box_proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_PAINT: paint(hwnd); return 0;
    case WM_ERASEBKGND: return 1;
    case WM_COMMAND:
        if (HIWORD(wParam) == BN_CLICKED) controls::EndModal(hwnd, LOWORD(wParam));
        return 0;
    case WM_CLOSE: controls::EndModal(hwnd, IDCANCEL); return 0;
    default: return DefWindowProcW(hwnd, msg, wParam, lParam);
    }
}

} // namespace

void RegisterMessageBoxClass() { controls::RegisterLibraryClass(box_class, box_proc); }

TMsgFrm::TMsgFrm() {
    controls::RegisterControlClasses();
    RegisterMessageBoxClass();
    const HINSTANCE instance = platform::library_instance();
    window_ = CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, box_class, u"zeledit", WS_POPUP, 0, 0, 196,
                              73, nullptr, nullptr, instance, nullptr);
    SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    LOGFONTW lf{};
    lf.lfHeight = -MulDiv(8, 96, 72);
    lf.lfWeight = FW_BOLD;
    std::memcpy(lf.lfFaceName, u"Tahoma", sizeof(u"Tahoma"));
    font_ = CreateFontIndirectW(&lf);
    panel_ = CreateWindowExW(0, PanelClassName, u"", WS_CHILD | WS_VISIBLE | SS_CENTER, 0, 0, 0, 0, window_,
                             nullptr, instance, nullptr);
    separator_ = CreateWindowExW(0, SeparatorClassName, u"", WS_CHILD | WS_VISIBLE, 0, 0, 0, 1, window_,
                                 nullptr, instance, nullptr);
    SendMessageW(panel_, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
    for (const ButtonSpec& b : button_row) {
        const DWORD style =
            WS_CHILD | WS_TABSTOP | (b.cancel ? ZBS_CANCEL : 0) | (b.flag == mbOK ? WS_VISIBLE : 0);
        HWND button =
            CreateWindowExW(0, ButtonClassName, b.caption, style, 0, 0, ButtonWidth, ButtonHeight, window_,
                            reinterpret_cast<HMENU>(static_cast<INT_PTR>(b.answer)), instance, nullptr);
        SendMessageW(button, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
    }
    ApplyColors();
    SetMessageText(u"");
}

TMsgFrm::~TMsgFrm() {
    DestroyWindow(window_);
    DeleteObject(font_);
}

COLORREF TMsgFrm::FaceColor() const { return colors_of(kind_).face; }
COLORREF TMsgFrm::StripColor() const { return colors_of(kind_).strip; }

void TMsgFrm::ApplyColors() {
    const COLORREF face = FaceColor();
    SendMessageW(panel_, ZCM_SETCOLORS, platform::ChangeColorLight(face, 16), RGB(0, 0, 0));
    SendMessageW(separator_, ZCM_SETCOLORS, platform::ChangeColorLight(face, -16), 0);
    for (const ButtonSpec& b : button_row)
        SendMessageW(GetDlgItem(window_, b.answer), ZCM_SETCOLORS, face, RGB(0, 0, 0));
    InvalidateRect(window_, nullptr, TRUE);
}

void TMsgFrm::SetIcon(BYTE kind) {
    kind_ = kind;
    ApplyColors();
}

void TMsgFrm::SetButtons(WORD buttons) {
    if (buttons == buttons_) return;
    buttons_ = buttons;
    for (const ButtonSpec& b : button_row)
        ShowWindow(GetDlgItem(window_, b.answer), (buttons & b.flag) ? SW_SHOWNA : SW_HIDE);
    LayoutButtons();
}

void TMsgFrm::SetMessageText(std::u16string_view text) {
    const std::u16string copy(text);
    SetWindowTextW(panel_, copy.c_str());
    const platform::WindowDC dc(panel_);
    HGDIOBJ old = SelectObject(dc, font_);
    RECT measured{0, 0, 0, 0};
    DrawTextW(dc, copy.c_str(), static_cast<int>(copy.size()), &measured, DT_CALCRECT | DT_NOPREFIX);
    SelectObject(dc, old);
    const int w = std::max<int>(measured.right + text_padding, min_text_width);
    panel_height_ = std::max<int>(measured.bottom + text_padding, min_text_height);
    const int width = StripWidth + w + 6;
    const int height = panel_height_ + 41;
    SetWindowPos(window_, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    MoveWindow(panel_, StripWidth + 3, panel_top, width - StripWidth - 6, panel_height_, TRUE);
    MoveWindow(separator_, StripWidth + 3, separator_top(), width - StripWidth - 6, 1, TRUE);
    LayoutButtons();
}

void TMsgFrm::LayoutButtons() {
    RECT window;
    GetWindowRect(window_, &window);
    int width = window.right - window.left;
    int n = 0;
    for (const ButtonSpec& b : button_row) n += (buttons_ & b.flag) ? 1 : 0;
    const int row = n * ButtonWidth + std::max(n - 1, 0) * ButtonGap;
    if (width - StripWidth - 6 < row) {
        width = StripWidth + row + 26;
        SetWindowPos(window_, nullptr, 0, 0, width, window.bottom - window.top,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        MoveWindow(panel_, StripWidth + 3, panel_top, width - StripWidth - 6, panel_height_, TRUE);
        MoveWindow(separator_, StripWidth + 3, separator_top(), width - StripWidth - 6, 1, TRUE);
    }
    int x = StripWidth + (width - StripWidth - row) / 2;
    const int top = panel_top + panel_height_ + 8;
    bool first = true;
    for (const ButtonSpec& b : button_row) {
        HWND button = GetDlgItem(window_, b.answer);
        if (!(buttons_ & b.flag)) continue;
        MoveWindow(button, x, top, ButtonWidth, ButtonHeight, TRUE);
        // The first button of the row is the default one.
        const LONG_PTR style = GetWindowLongPtrW(button, GWL_STYLE);
        SetWindowLongPtrW(button, GWL_STYLE,
                          first ? (style | BS_DEFPUSHBUTTON) : (style & ~LONG_PTR(BS_DEFPUSHBUTTON)));
        first = false;
        x += ButtonWidth + ButtonGap;
    }
    // Centred on the screen.
    GetWindowRect(window_, &window);
    const int w = window.right - window.left, h = window.bottom - window.top;
    SetWindowPos(window_, nullptr, (GetSystemMetrics(SM_CXSCREEN) - w) / 2,
                 (GetSystemMetrics(SM_CYSCREEN) - h) / 2, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

int TMsgFrm::UnattendedAnswer() const {
    if (buttons_ & mbCancel) return IDCANCEL;
    if (buttons_ & mbNo) return IDNO;
    if (buttons_ & mbIgnore) return IDIGNORE;
    return (buttons_ & mbOK) ? IDOK : IDCANCEL;
}

int TMsgFrm::ShowModal() { return controls::RunModal(window_, GetActiveWindow(), UnattendedAnswer()); }

} // namespace zeledit::dialogs

int zeledit::ShowMessageBox(LPCWSTR text, BYTE kind, WORD buttons) {
    try {
        dialogs::TMsgFrm box;
        box.SetIcon(kind);
        box.SetButtons(buttons);
        box.SetMessageText(text == nullptr ? u"" : text);
        return box.ShowModal();
    } catch (...) {
        return IDCANCEL;
    }
}
