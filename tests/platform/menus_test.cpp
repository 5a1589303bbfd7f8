// Menus: the items a program builds, and pop-up menus run by keys and clicks as a person
// runs them (through the dialog hook that meets every pop-up window).
#include "platform/platform_test.h"

#include <zeledit/controls.h>

#include <filesystem>

namespace zeledit::test {
namespace {

class Menus : public PlatformTest {
protected:
    HMENU menu = nullptr, sub = nullptr;
    HWND owner = nullptr;

    void SetUp() override {
        PlatformTest::SetUp();
        owner = make_window();
        sub = CreatePopupMenu();
        AppendMenuW(sub, MF_STRING, 21, u"&Inner");
        AppendMenuW(sub, MF_STRING | MF_CHECKED, 22, u"C&hecked");
        menu = CreatePopupMenu();
        AppendMenuW(menu, MF_STRING, 1, u"&Copy\tCtrl+C");
        AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
        AppendMenuW(menu, MF_STRING | MF_GRAYED, 2, u"&Paste\tCtrl+V");
        AppendMenuW(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(sub), u"&More");
        AppendMenuW(menu, MF_STRING, 3, u"C&ut");
    }
    void TearDown() override {
        SetDialogHook({});
        DestroyMenu(menu);
        PlatformTest::TearDown();
    }
    // Runs the menu with these keys pressed once it is shown.
    UINT run_with_keys(std::vector<WPARAM> keys, UINT flags = TPM_RETURNCMD) {
        SetDialogHook([keys](HWND popup) {
            for (WPARAM k : keys) PostMessageW(popup, WM_KEYDOWN, k, 0);
        });
        return static_cast<UINT>(TrackPopupMenu(menu, flags, 100, 100, 0, owner, nullptr));
    }
};

TEST_F(Menus, ItemsAreFoundByPositionOrByCommandInSubmenusToo) {
    EXPECT_EQ(GetMenuItemCount(menu), 5);
    EXPECT_EQ(GetMenuItemID(menu, 0), 1u);
    EXPECT_EQ(GetMenuItemID(menu, 3), static_cast<UINT>(-1)); // a submenu
    EXPECT_EQ(GetSubMenu(menu, 3), sub);
    EXPECT_EQ(GetMenuState(menu, 22, MF_BYCOMMAND) & MF_CHECKED, MF_CHECKED);
    EXPECT_EQ(GetMenuState(menu, 1, MF_BYPOSITION) & MF_SEPARATOR, MF_SEPARATOR);
    EXPECT_EQ(GetMenuState(menu, 3, MF_BYPOSITION) & MF_POPUP, MF_POPUP);
    EXPECT_EQ(CheckMenuItem(menu, 21, MF_CHECKED), MF_UNCHECKED);
    EXPECT_EQ(GetMenuState(sub, 0, MF_BYPOSITION) & MF_CHECKED, MF_CHECKED);
    EnableMenuItem(menu, 2, MF_ENABLED);
    EXPECT_EQ(GetMenuState(menu, 2, MF_BYCOMMAND) & MF_GRAYED, 0u);
    WCHAR text[8];
    EXPECT_EQ(GetMenuStringW(menu, 1, text, 8, MF_BYCOMMAND), 7); // cut to the buffer
    EXPECT_EQ(std::u16string(text), u"&Copy\tC");
    // Inserting before a command, modifying, removing.
    EXPECT_FALSE(InsertMenuW(menu, 77, MF_BYCOMMAND | MF_STRING, 4, u"Nowhere"));
    InsertMenuW(menu, 3, MF_BYCOMMAND | MF_STRING, 4, u"Before cut");
    EXPECT_EQ(GetMenuItemID(menu, 4), 4u);
    ModifyMenuW(menu, 4, MF_BYCOMMAND | MF_STRING, 5, u"Renamed");
    EXPECT_EQ(GetMenuItemID(menu, 4), 5u);
    EXPECT_TRUE(DeleteMenu(menu, 3, MF_BYPOSITION)); // the submenu goes with it
    EXPECT_FALSE(IsMenu(sub));
    EXPECT_FALSE(RemoveMenu(menu, 99, MF_BYCOMMAND));
    EXPECT_EQ(GetMenuItemCount(reinterpret_cast<HMENU>(0x1234)), -1);
}

TEST_F(Menus, KeysMoveOverSeparatorsIntoSubmenusAndChoose) {
    EXPECT_EQ(run_with_keys({VK_DOWN, VK_RETURN}), 1u);
    EXPECT_EQ(run_with_keys({VK_DOWN, VK_DOWN, VK_RETURN}), 0u); // on the greyed Paste: nothing
    EXPECT_EQ(run_with_keys({VK_DOWN, VK_DOWN, VK_DOWN, VK_RIGHT, VK_DOWN, VK_RETURN}), 22u);
    EXPECT_EQ(run_with_keys({VK_UP, VK_RETURN}), 3u); // round the end
    EXPECT_EQ(run_with_keys({'U'}), 3u);              // a mnemonic
    EXPECT_EQ(run_with_keys({'M', 'I'}), 21u);        // into the submenu and there
    EXPECT_EQ(run_with_keys({VK_DOWN, VK_ESCAPE}), 0u);
    EXPECT_EQ(run_with_keys({'M', VK_ESCAPE, VK_ESCAPE}), 0u); // out of the submenu, then out
    SetDialogHook([](HWND popup) { SendMessageW(popup, WM_CLOSE, 0, 0); });
    EXPECT_EQ(TrackPopupMenu(menu, TPM_RETURNCMD, 100, 100, 0, owner, nullptr), 0); // closed by a host
}

TEST_F(Menus, TheOwnerHearsTheMenuOpenAndTheHighlightMoveAndGetsTheCommand) {
    clear_log();
    EXPECT_TRUE(run_with_keys({VK_DOWN, VK_RETURN}, 0));
    EXPECT_EQ(received(WM_INITMENUPOPUP).size(), 1u);
    ASSERT_FALSE(received(WM_MENUSELECT).empty());
    EXPECT_EQ(LOWORD(received(WM_MENUSELECT).front().wParam), 1);
    EXPECT_TRUE(received(WM_COMMAND).empty()); // posted
    headless::PumpMessages();
    ASSERT_EQ(received(WM_COMMAND).size(), 1u);
    EXPECT_EQ(received(WM_COMMAND)[0].wParam, 1u);
}

TEST_F(Menus, AClickChoosesAndAClickElsewhereCloses) {
    std::vector<HWND> seen;
    SetDialogHook([&](HWND popup) {
        seen.push_back(popup);
        RECT r;
        GetWindowRect(popup, &r);
        EXPECT_EQ(r.left, 100);
        EXPECT_EQ(r.top, 100);
        headless::Click(headless::Button::Left, r.left + 30, r.bottom - 10); // the last item
    });
    EXPECT_EQ(TrackPopupMenu(menu, TPM_RETURNCMD, 100, 100, 0, owner, nullptr), 3);
    SetDialogHook([](HWND) { headless::Click(headless::Button::Left, 5, 5); });
    EXPECT_EQ(TrackPopupMenu(menu, TPM_RETURNCMD, 100, 100, 0, owner, nullptr), 0);
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_FALSE(IsWindow(seen[0])); // gone once the menu ended
}

TEST_F(Menus, AMenuNobodyAnswersClosesUnchosenAndAPictureShowsIt) {
    EXPECT_EQ(TrackPopupMenu(menu, TPM_RETURNCMD, 100, 100, 0, owner, nullptr), 0);
    const std::string png = (std::filesystem::path(::testing::TempDir()) / "menu.png").string();
    SetDialogHook([&](HWND popup) {
        PostMessageW(popup, WM_KEYDOWN, VK_DOWN, 0);
        headless::PumpMessages();
        // Copy highlighted: its band has the highlight colour.
        RECT r;
        GetClientRect(popup, &r);
        const COLORREF lit = GetSysColor(COLOR_HIGHLIGHT);
        EXPECT_EQ(headless::PixelAt(popup, r.right / 2, 12) & 0xFFFFFF,
                  std::uint32_t(GetRValue(lit)) << 16 | std::uint32_t(GetGValue(lit)) << 8 | GetBValue(lit));
        PostMessageW(popup, WM_KEYDOWN, 'M', 0);
        headless::PumpMessages();
        EXPECT_TRUE(headless::WritePng(popup, png.c_str()));
        PostMessageW(popup, WM_KEYDOWN, VK_ESCAPE, 0);
        PostMessageW(popup, WM_KEYDOWN, VK_ESCAPE, 0);
    });
    EXPECT_EQ(TrackPopupMenu(menu, TPM_RETURNCMD, 100, 100, 0, owner, nullptr), 0);
}

class MenuBar : public Menus {
protected:
    HMENU bar = nullptr;
    HWND frame = nullptr;
    void SetUp() override {
        Menus::SetUp();
        frame = make_window(nullptr, WS_VISIBLE, 50, 50, 300, 200);
        bar = CreateMenu();
        HMENU file = CreatePopupMenu(), edit = CreatePopupMenu();
        AppendMenuW(file, MF_STRING, 101, u"&New\tCtrl+N");
        AppendMenuW(file, MF_STRING, 102, u"E&xit");
        AppendMenuW(edit, MF_STRING, 201, u"&Undo\tCtrl+Z");
        AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(file), u"&File");
        AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(edit), u"&Edit");
    }
    void TearDown() override {
        DestroyWindow(frame);
        DestroyMenu(bar);
        Menus::TearDown();
    }
    UINT command_after(std::function<void()> act) {
        clear_log();
        act();
        headless::PumpMessages();
        const auto commands = received(WM_COMMAND);
        return commands.empty() ? 0 : static_cast<UINT>(commands.back().wParam);
    }
};

TEST_F(MenuBar, TheBarTakesItsHeightFromTheClientArea) {
    RECT before;
    GetClientRect(frame, &before);
    ASSERT_TRUE(SetMenu(frame, bar));
    EXPECT_EQ(GetMenu(frame), bar);
    RECT after;
    GetClientRect(frame, &after);
    EXPECT_EQ(after.bottom, before.bottom - GetSystemMetrics(SM_CYMENU));
    POINT origin{0, 0};
    ClientToScreen(frame, &origin);
    EXPECT_EQ(origin.y, 50 + GetSystemMetrics(SM_CYMENU));
    SetMenu(frame, nullptr);
    GetClientRect(frame, &after);
    EXPECT_EQ(after.bottom, before.bottom);
}

TEST_F(MenuBar, ClicksAltMnemonicsF10AndArrowsRunTheBar) {
    SetMenu(frame, bar);
    std::vector<WPARAM> keys;
    std::vector<RECT> opened;
    SetDialogHook([&](HWND popup) {
        RECT r;
        GetWindowRect(popup, &r);
        opened.push_back(r);
        for (WPARAM k : keys) PostMessageW(popup, WM_KEYDOWN, k, 0);
    });
    keys = {VK_RETURN}; // the first item is lit when a key opened the menu
    EXPECT_EQ(command_after([&] { SendMessageW(frame, WM_SYSCHAR, 'f', 0); }), 101u);
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened[0].left, 52); // below the File item
    EXPECT_EQ(opened[0].top, 50 + GetSystemMetrics(SM_CYMENU));
    keys = {VK_RIGHT}; // File, then Edit, where Enter chooses Undo
    EXPECT_EQ(command_after([&] {
                  SetDialogHook([&](HWND popup) {
                      PostMessageW(popup, WM_KEYDOWN, opened.size() == 1 ? VK_RIGHT : VK_RETURN, 0);
                      opened.push_back({});
                  });
                  SendMessageW(frame, WM_SYSKEYDOWN, VK_F10, 0);
              }),
              201u);
    SetDialogHook([](HWND popup) { PostMessageW(popup, WM_KEYDOWN, VK_ESCAPE, 0); });
    EXPECT_EQ(command_after([&] { headless::Click(headless::Button::Left, 60, 55); }),
              0u); // opened and closed
    SetDialogHook([](HWND popup) {
        RECT r;
        GetWindowRect(popup, &r);
        headless::Click(headless::Button::Left, r.left + 20, r.top + 10); // New
    });
    EXPECT_EQ(command_after([&] { headless::Click(headless::Button::Left, 60, 55); }), 101u);
}

TEST_F(MenuBar, TypingAfterTheMenuClosesReachesTheFocus) {
    SetMenu(frame, bar);
    HWND child = make_window(frame, WS_CHILD | WS_VISIBLE, 0, 0, 100, 50);
    SetFocus(child);
    headless::KeyDown(VK_MENU);
    headless::KeyPress('F');
    headless::KeyUp(VK_MENU);
    headless::KeyPress(VK_ESCAPE);
    headless::KeyPress(VK_ESCAPE);
    headless::PumpMessages();
    clear_log();
    headless::TypeText(u"a");
    headless::PumpMessages();
    const auto chars = received(WM_CHAR);
    ASSERT_EQ(chars.size(), 1u);
    EXPECT_EQ(chars[0].hwnd, child);
    EXPECT_EQ(GetFocus(), child);
}

} // namespace
} // namespace zeledit::test
