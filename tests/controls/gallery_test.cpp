// Every kind of control in one dialog, written to controls-gallery.png in the test's
// working folder for people to look at, with checks that each kind drew itself.
#include "control_host.h"

#include "controls/dialog_colors.h"

#include <filesystem>

namespace zeledit::test {
namespace {

class Gallery : public ControlHost {
protected:
    void SetUp() override {
        ControlHost::SetUp();
        SetWindowPos(dialog, nullptr, 0, 0, 660, 470, SWP_NOMOVE | SWP_NOZORDER);
        SendMessageW(dialog, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(u"Gallery"));
    }
    HWND add(LPCWSTR kind, LPCWSTR text, DWORD style, int id, RECT r) {
        HWND c = make(kind, text, style, id, r);
        SendMessageW(c, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
        return c;
    }
};

std::uint32_t rgb(COLORREF c) {
    return std::uint32_t(GetRValue(c)) << 16 | std::uint32_t(GetGValue(c)) << 8 | GetBValue(c);
}

TEST_F(Gallery, EveryControlKindDrawsItself) {
    add(CaptionBarClassName, u"Định dạng ký tự / Format Characters", ZCBS_CLOSEBOX, 1, {0, 0, 660, 26});
    add(u"STATIC", u"&Phông chữ / Font:", 0, 2, {10, 36, 200, 52});
    HWND fonts = add(FontListClassName, u"", WS_VSCROLL | WS_TABSTOP, 3, {10, 54, 200, 170});
    add(u"STATIC", u"Cỡ / &Size:", 0, 4, {210, 36, 300, 52});
    HWND spin = add(SpinEditClassName, u"", WS_TABSTOP, 5, {210, 54, 290, 76});
    SendMessageW(spin, ZSEM_SETRANGE, 1, 1638);
    SendMessageW(spin, ZSEM_SETPOS, 12, 0);
    HWND sizes = add(u"COMBOBOX", u"", CBS_DROPDOWNLIST | WS_TABSTOP, 6, {210, 84, 290, 200});
    for (LPCWSTR s : {u"8", u"10", u"12", u"14"})
        SendMessageW(sizes, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(s));
    SendMessageW(sizes, CB_SETCURSEL, 2, 0);
    HWND faces = add(u"COMBOBOX", u"Times New Roman", CBS_DROPDOWN | WS_TABSTOP, 7, {210, 116, 400, 240});
    SendMessageW(faces, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(u"Times New Roman"));
    HWND colour = add(ColorPickerClassName, u"", WS_TABSTOP, 8, {300, 54, 360, 76});
    SendMessageW(colour, ZCPM_SETCOLOR, RGB(0, 120, 215), 0);
    add(u"BUTTON", u"Hiệu ứng / Effects", BS_GROUPBOX, 9, {410, 36, 650, 170});
    HWND bold =
        add(u"BUTTON", u"Gạch &giữa / Strike-through", BS_AUTOCHECKBOX | WS_TABSTOP, 10, {420, 56, 640, 76});
    SendMessageW(bold, BM_SETCHECK, BST_CHECKED, 0);
    add(u"BUTTON", u"Chỉ số &trên / Superscript", BS_AUTORADIOBUTTON | WS_GROUP | WS_TABSTOP, 11,
        {420, 80, 640, 100});
    HWND sub = add(u"BUTTON", u"Chỉ số &dưới / Subscript", BS_AUTORADIOBUTTON, 12, {420, 104, 640, 124});
    SendMessageW(sub, BM_CLICK, 0, 0);
    add(u"BUTTON", u"Không đổi / Unchanged", BS_AUTO3STATE | WS_TABSTOP, 13, {420, 128, 640, 148});
    SendDlgItemMessageW(dialog, 13, BM_SETCHECK, BST_INDETERMINATE, 0);
    HWND edit =
        add(u"EDIT", u"Tiếng Việt có dấu", WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL, 14, {10, 180, 200, 202});
    SendMessageW(edit, EM_SETSEL, 0, 8);
    SendMessageW(edit, ZCM_SETCOLORS, GetSysColor(COLOR_WINDOW), GetSysColor(COLOR_WINDOWTEXT));
    add(u"EDIT", u"Dòng một / Line one\r\nDòng hai / Line two",
        ES_MULTILINE | WS_VSCROLL | WS_BORDER | WS_TABSTOP, 15, {10, 210, 200, 270});
    HWND list =
        add(u"LISTBOX", u"", LBS_EXTENDEDSEL | WS_VSCROLL | WS_BORDER | WS_TABSTOP, 16, {210, 180, 400, 270});
    for (LPCWSTR s : {u"Đơn / Single", u"Đôi / Double", u"Chấm / Dotted", u"Gạch / Dashed", u"Sóng / Wave"})
        SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(s));
    SendMessageW(list, LB_SETSEL, TRUE, 1);
    SendMessageW(list, LB_SETSEL, TRUE, 2);
    HWND pages = add(PageControlClassName, u"", WS_TABSTOP, 17, {410, 180, 650, 300});
    SendMessageW(pages, ZPCM_ADDPAGE, 0, reinterpret_cast<LPARAM>(u"Lề / Indents"));
    SendMessageW(pages, ZPCM_ADDPAGE, 0, reinterpret_cast<LPARAM>(u"Màu / Shading"));
    add(u"STATIC", u"", SS_ETCHEDHORZ, 18, {10, 310, 650, 312});
    add(u"STATIC", u"", SS_OWNERDRAW, 19, {10, 320, 200, 420}); // the paint box: drawn by the parent
    add(SplitterClassName, u"", 0, 20, {204, 320, 208, 420});
    add(FileListClassName, u"", WS_VSCROLL | WS_BORDER, 21, {212, 320, 400, 420});
    add(u"STATIC", u"Bản xem trước / Preview", SS_SUNKEN | SS_CENTER | SS_CENTERIMAGE, 22,
        {410, 320, 650, 350});
    add(u"BUTTON", u"Đồng ý / OK", BS_DEFPUSHBUTTON | WS_TABSTOP, IDOK, {410, 430, 525, 458});
    add(u"BUTTON", u"Hủy / Cancel", WS_TABSTOP | ZBS_CANCEL, IDCANCEL, {535, 430, 650, 458});
    SetFocus(edit);
    UpdateWindow(dialog);
    headless::PumpMessages();
    const std::string png = (std::filesystem::current_path() / "controls-gallery.png").string();
    EXPECT_TRUE(headless::WritePng(dialog, png.c_str())) << png;

    const auto dialog_colors = controls::CurrentDialogColors();
    EXPECT_EQ(headless::PixelAt(dialog, 300, 0) & 0xFFFFFF, rgb(dialog_colors.gradient1)); // caption bar
    EXPECT_EQ(headless::PixelAt(dialog, 320, 65) & 0xFFFFFF, rgb(RGB(0, 120, 215)));       // colour swatch
    RECT item;
    SendMessageW(list, LB_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&item));
    POINT selected{item.right - 4, (item.top + item.bottom) / 2};
    ClientToScreen(list, &selected);
    EXPECT_EQ(headless::PixelAt(dialog, selected.x, selected.y) & 0xFFFFFF,
              rgb(GetSysColor(COLOR_HIGHLIGHT)));
    ASSERT_FALSE(drawn.empty()); // the paint box asked its parent
    EXPECT_EQ(drawn.back().CtlType, ODT_STATIC);
    EXPECT_GT(SendMessageW(fonts, LB_GETCOUNT, 0, 0), 0);
}

} // namespace
} // namespace zeledit::test
