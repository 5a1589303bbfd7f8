// The library's own controls beyond the desktop's kinds: spin edits, colour pickers, font
// lists, caption bars, pages, splitters, picture buttons and file lists.
#include "control_host.h"

#include "controls/dialog_colors.h"
#include "platform/core/text.h"
#include "support/bmp_file.h"

#include <filesystem>
#include <fstream>

namespace zeledit::test {
namespace {

class Kit : public ControlHost {};

TEST_F(Kit, SpinEditStepsAndClampsToItsRange) {
    HWND spin = make(SpinEditClassName, u"", WS_TABSTOP | WS_BORDER, 100, {10, 10, 90, 32});
    make(u"BUTTON", u"OK", BS_DEFPUSHBUTTON | WS_TABSTOP, IDOK, {10, 100, 80, 124});
    SendMessageW(spin, ZSEM_SETRANGE, static_cast<WPARAM>(-5), 20);
    SendMessageW(spin, ZSEM_SETPOS, 19, 0);
    EXPECT_EQ(text_of(spin), u"19");
    SetFocus(spin);
    dialog_press(VK_UP);
    dialog_press(VK_UP); // stops at the top
    EXPECT_EQ(SendMessageW(spin, ZSEM_GETPOS, 0, 0), 20);
    EXPECT_GE(count_of(100, EN_CHANGE), 1);
    dialog_press(VK_NEXT); // ten steps down
    EXPECT_EQ(SendMessageW(spin, ZSEM_GETPOS, 0, 0), 10);
    // Typed out of range: read within it, and written back so when the focus leaves.
    SendMessageW(GetFocus(), EM_SETSEL, 0, -1);
    headless::TypeText(u"-40");
    headless::PumpMessages();
    EXPECT_EQ(SendMessageW(spin, ZSEM_GETPOS, 0, 0), -5);
    dialog_press(VK_TAB);
    EXPECT_EQ(text_of(spin), u"-5");
    // The arrows take clicks: the lower half steps down.
    RECT r;
    GetWindowRect(spin, &r);
    headless::Click(headless::Button::Left, r.right - 4, r.bottom - 4);
    headless::PumpMessages();
    EXPECT_EQ(SendMessageW(spin, ZSEM_GETPOS, 0, 0), -5);
    headless::Click(headless::Button::Left, r.right - 4, r.top + 3);
    headless::PumpMessages();
    EXPECT_EQ(SendMessageW(spin, ZSEM_GETPOS, 0, 0), -4);
}

TEST_F(Kit, CaptionBarDragsItsDialogAndItsCloseBoxCancels) {
    HWND bar = make(CaptionBarClassName, u"Font", ZCBS_CLOSEBOX, 101, {0, 0, 400, 24});
    RECT before;
    GetWindowRect(dialog, &before);
    headless::MouseDown(headless::Button::Left, 50, 10);
    headless::MouseMove(80, 50);
    headless::MouseUp(headless::Button::Left, 80, 50);
    headless::PumpMessages();
    RECT after;
    GetWindowRect(dialog, &after);
    EXPECT_EQ(after.left - before.left, 30);
    EXPECT_EQ(after.top - before.top, 40);
    POINT close{390, 12};
    ClientToScreen(bar, &close);
    headless::Click(headless::Button::Left, close.x - 4, close.y);
    headless::PumpMessages();
    EXPECT_EQ(count_of(IDCANCEL, BN_CLICKED), 1);
}

TEST_F(Kit, PageControlShowsOnePageAndTabReachesOnlyItsControls) {
    HWND pages = make(PageControlClassName, u"", WS_TABSTOP, 102, {10, 10, 390, 250});
    ASSERT_EQ(SendMessageW(pages, ZPCM_ADDPAGE, 0, reinterpret_cast<LPARAM>(u"Indents")), 0);
    ASSERT_EQ(SendMessageW(pages, ZPCM_ADDPAGE, 0, reinterpret_cast<LPARAM>(u"Shading")), 1);
    auto page = [&](int i) { return reinterpret_cast<HWND>(SendMessageW(pages, ZPCM_GETPAGEWINDOW, i, 0)); };
    auto on_page = [&](int i, LPCWSTR kind, int id) {
        return CreateWindowExW(0, kind, u"", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX, 10, 10,
                               100, 22, page(i), reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr,
                               nullptr);
    };
    HWND first = on_page(0, u"BUTTON", 110);
    HWND second = on_page(1, u"BUTTON", 111);
    EXPECT_TRUE(IsWindowVisible(page(0)));
    EXPECT_FALSE(IsWindowVisible(page(1)));
    SetFocus(pages);
    dialog_press(VK_TAB);
    EXPECT_EQ(GetFocus(), first); // the hidden page's box is not reached
    SendMessageW(first, BM_CLICK, 0, 0);
    EXPECT_EQ(count_of(110, BN_CLICKED), 1); // a page's control notifies the dialog
    SetFocus(pages);
    dialog_press(VK_RIGHT);
    EXPECT_EQ(SendMessageW(pages, ZPCM_GETPAGE, 0, 0), 1);
    EXPECT_EQ(count_of(102, PCN_SELCHANGE), 1);
    dialog_press(VK_TAB);
    EXPECT_EQ(GetFocus(), second);
    // A click on the first tab goes back.
    POINT tab{20, 12};
    ClientToScreen(pages, &tab);
    headless::Click(headless::Button::Left, tab.x, tab.y);
    headless::PumpMessages();
    EXPECT_EQ(SendMessageW(pages, ZPCM_GETPAGE, 0, 0), 0);
    EXPECT_FALSE(IsWindowVisible(second));
}

TEST_F(Kit, SplitterMovesAcrossItsLongSideOnly) {
    HWND bar = make(SplitterClassName, u"", 0, 103, {100, 0, 104, 300});
    POINT grab{2, 150};
    ClientToScreen(bar, &grab);
    headless::MouseDown(headless::Button::Left, grab.x, grab.y);
    headless::MouseMove(grab.x + 40, grab.y + 60);
    headless::MouseUp(headless::Button::Left, grab.x + 40, grab.y + 60);
    headless::PumpMessages();
    RECT r;
    GetWindowRect(bar, &r);
    EXPECT_EQ(r.left, 140);
    EXPECT_EQ(r.top, 0);
    EXPECT_GE(count_of(103, ZSPN_MOVED), 1);
}

TEST_F(Kit, ColorPickerOffersRecentColoursAndTheLargerGrid) {
    controls::ClearRecentColors();
    for (COLORREF c = 1; c <= 9; ++c) controls::AddRecentColor(c);
    controls::AddRecentColor(5); // already there: no change
    ASSERT_EQ(controls::RecentColors().size(), 8u);
    EXPECT_EQ(controls::RecentColors().front(), 2u); // the oldest dropped out
    HWND picker = make(ColorPickerClassName, u"", WS_TABSTOP, 104, {10, 10, 70, 32});
    SendMessageW(picker, ZCPM_SETCOLOR, RGB(0, 0, 0), 0);
    SetFocus(picker);
    press(VK_F4);
    // The grid opens on the current colour (black, first of the palette after the recent row).
    press(VK_RIGHT);
    press(VK_RETURN);
    EXPECT_EQ(SendMessageW(picker, ZCPM_GETCOLOR, 0, 0), RGB(153, 51, 0));
    EXPECT_EQ(count_of(104, CPN_SELCHANGE), 1);
    // "More colours..." lies below the palette; its grid starts with black.
    press(VK_F4);
    for (int i = 0; i < 6; ++i) press(VK_DOWN);
    press(VK_RETURN); // opens the larger grid
    press(VK_RIGHT);
    press(VK_RETURN);
    EXPECT_EQ(SendMessageW(picker, ZCPM_GETCOLOR, 0, 0), RGB(0, 0, 51));
    // A click elsewhere closes the grid without a choice.
    press(VK_F4);
    // The grid, owned by the top-level window, still draws the picker's colours.
    RECT below{};
    GetWindowRect(picker, &below);
    HWND grid = WindowFromPoint({below.left + 8, below.bottom + 8});
    ASSERT_NE(grid, picker);
    UpdateWindow(grid);
    HDC dc = GetDC(grid);
    int inked = 0;
    for (int x = 0; x < 40; ++x) inked += (GetPixel(dc, x, 8) & 0xFFFFFF) != RGB(255, 255, 255);
    ReleaseDC(grid, dc);
    EXPECT_GT(inked, 10);
    headless::Click(headless::Button::Left, 300, 250);
    headless::PumpMessages();
    EXPECT_EQ(count_of(104, CPN_SELCHANGE), 2);
    controls::ClearRecentColors();
}

struct Family {
    std::u16string name;
    DWORD type;
};

std::vector<Family> enumerate(LPCWSTR only, bool stop_after_first = false) {
    LOGFONTW filter{};
    std::u16string_view(only).copy(filter.lfFaceName, LF_FACESIZE - 1);
    struct Call {
        std::vector<Family> seen;
        bool stop;
    } call{{}, stop_after_first};
    EnumFontFamiliesExW(
        nullptr, &filter,
        [](const LOGFONTW* lf, const TEXTMETRICW*, DWORD type, LPARAM l) {
            auto* c = reinterpret_cast<Call*>(l);
            c->seen.push_back({lf->lfFaceName, type});
            return c->stop ? 0 : 1;
        },
        reinterpret_cast<LPARAM>(&call), 0);
    return call.seen;
}

TEST_F(Kit, FontListHoldsEveryFamilyWithItsType) {
    const auto families = enumerate(u"");
    ASSERT_FALSE(families.empty()) << "fontconfig lists no fonts";
    EXPECT_EQ(enumerate(u"", true).size(), 1u); // a 0 answer stops it
    const auto one = enumerate(families.back().name.c_str());
    ASSERT_EQ(one.size(), 1u);
    EXPECT_EQ(one[0].name, families.back().name);
    HWND list = make(FontListClassName, u"", WS_VSCROLL | WS_TABSTOP | LBS_NOTIFY, 105, {10, 10, 200, 200});
    ASSERT_EQ(SendMessageW(list, LB_GETCOUNT, 0, 0), static_cast<LRESULT>(families.size()));
    for (std::size_t i = 0; i < families.size(); ++i) {
        WCHAR name[LF_FACESIZE];
        SendMessageW(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(name));
        EXPECT_EQ(name, families[i].name); // the same order: by name without regard to case
        EXPECT_EQ(SendMessageW(list, LB_GETITEMDATA, i, 0), static_cast<LRESULT>(families[i].type));
    }
    const std::u16string prefix = families.back().name.substr(0, 3);
    const LRESULT found =
        SendMessageW(list, LB_FINDSTRING, WPARAM(-1), reinterpret_cast<LPARAM>(prefix.c_str()));
    ASSERT_GE(found, 0);
    WCHAR name[LF_FACESIZE];
    SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(found), reinterpret_cast<LPARAM>(name));
    EXPECT_EQ(std::u16string(name).substr(0, 3), prefix);
    headless::PumpMessages();
    EXPECT_TRUE(drawn.empty()); // it draws its items itself, never asking the parent
}

TEST_F(Kit, FileListShowsPicturesWithThumbnails) {
    namespace fs = std::filesystem;
    const fs::path folder = fs::path(::testing::TempDir()) / "zeledit-file-list";
    fs::remove_all(folder);
    fs::create_directories(folder);
    const auto picture = bmp_file(64, 32, 0, 160, 0);
    std::ofstream(folder / "a.bmp", std::ios::binary)
        .write(picture.data(), static_cast<std::streamsize>(picture.size()));
    std::ofstream(folder / "b.bmp") << "not a picture";
    std::ofstream(folder / "c.txt") << "text";
    HWND list = make(FileListClassName, u"", WS_VSCROLL | LBS_NOTIFY | WS_TABSTOP, 106, {10, 10, 300, 200});
    const std::u16string where = platform::from_utf8(folder.string());
    SendMessageW(list, ZFLM_SETFILTER, 0, reinterpret_cast<LPARAM>(u"*.bmp"));
    ASSERT_TRUE(SendMessageW(list, ZFLM_SETFOLDER, 0, reinterpret_cast<LPARAM>(where.c_str())));
    ASSERT_EQ(SendMessageW(list, LB_GETCOUNT, 0, 0), 2);
    WCHAR name[32];
    SendMessageW(list, LB_GETTEXT, 1, reinterpret_cast<LPARAM>(name));
    EXPECT_EQ(std::u16string(name), u"b.bmp");
    EXPECT_EQ(SendMessageW(list, ZFLM_GETPATH, 0, 0), 0); // nothing chosen yet
    SetFocus(list);
    press(VK_DOWN);
    EXPECT_EQ(count_of(106, LBN_SELCHANGE), 1);
    const auto needed = SendMessageW(list, ZFLM_GETPATH, 0, 0);
    std::u16string path(static_cast<std::size_t>(needed), u'\0');
    SendMessageW(list, ZFLM_GETPATH, path.size(), reinterpret_cast<LPARAM>(path.data()));
    EXPECT_EQ(path.c_str(), where + u"/a.bmp");
    // The first row's thumbnail: the picture shrunk into its 48-pixel box, green.
    headless::PumpMessages();
    POINT thumb{3 + 24, 3 + 24};
    ClientToScreen(list, &thumb);
    EXPECT_EQ(headless::PixelAt(dialog, thumb.x, thumb.y) & 0xFFFFFF, 0x00A000u);
    EXPECT_FALSE(SendMessageW(list, ZFLM_SETFOLDER, 0, reinterpret_cast<LPARAM>(u"/no/such/folder")));
    EXPECT_EQ(SendMessageW(list, LB_GETCOUNT, 0, 0), 0);
    fs::remove_all(folder);
}

TEST_F(Kit, PictureButtonsShowTheirBitmap) {
    HDC screen = GetDC(dialog);
    HBITMAP red = CreateCompatibleBitmap(screen, 12, 12);
    HDC mem = CreateCompatibleDC(screen);
    HGDIOBJ old = SelectObject(mem, red);
    RECT all{0, 0, 12, 12};
    controls::fill_solid(mem, all, RGB(220, 0, 0));
    SelectObject(mem, old);
    DeleteDC(mem);
    ReleaseDC(dialog, screen);
    HWND b = make(u"BUTTON", u"", BS_BITMAP | WS_TABSTOP, 107, {10, 10, 42, 42});
    EXPECT_EQ(SendMessageW(b, BM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(red)), 0);
    EXPECT_EQ(SendMessageW(b, BM_GETIMAGE, IMAGE_BITMAP, 0), reinterpret_cast<LRESULT>(red));
    headless::PumpMessages();
    EXPECT_EQ(headless::PixelAt(dialog, 26, 26) & 0xFFFFFF, 0xDC0000u);
    SendMessageW(b, BM_CLICK, 0, 0);
    EXPECT_EQ(count_of(107, BN_CLICKED), 1);
    DestroyWindow(b);
    DeleteObject(red);
}

} // namespace
} // namespace zeledit::test
