// The context menu on the right button, as a person uses it: which menu opens for the state
// of the editor and what is under the mouse, its items' states and shortcut texts, the
// command chosen with the keyboard, and a host's own items.
#include "e2e/editing_test.h"
#include "platform/user/clipboard.h"

#include <zeledit/controls.h>

#include <algorithm>
#include <vector>

namespace zeledit::test {
namespace {

struct Item {
    UINT id;
    std::u16string text;
    UINT state;
};

// The items of a menu, submenus flattened after their heading (id -1).
std::vector<Item> items_of(HMENU menu) {
    std::vector<Item> out;
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        WCHAR text[128] = {};
        GetMenuStringW(menu, static_cast<UINT>(i), text, 128, MF_BYPOSITION);
        out.push_back(
            {GetMenuItemID(menu, i), text, GetMenuState(menu, static_cast<UINT>(i), MF_BYPOSITION)});
        if (HMENU sub = GetSubMenu(menu, i))
            for (const Item& inner : items_of(sub)) out.push_back(inner);
    }
    return out;
}

const Item* find(const std::vector<Item>& items, UINT id) {
    for (const Item& i : items)
        if (i.id == id && (i.state & MF_SEPARATOR) == 0) return &i;
    return nullptr;
}

class ContextMenu : public Editing {
protected:
    std::vector<Item> shown; // the menu that opened last
    int menus = 0;
    std::vector<WPARAM> keys; // pressed in the menu once it opens

    void SetUp() override {
        Editing::SetUp();
        headless::UseManualClock(0);
        SetDialogHook([this](HWND popup) {
            ++menus;
            shown = items_of(reinterpret_cast<HMENU>(SendMessageW(popup, MN_GETHMENU, 0, 0)));
            for (WPARAM k : keys) PostMessageW(popup, WM_KEYDOWN, k, 0);
            if (keys.empty()) PostMessageW(popup, WM_KEYDOWN, VK_ESCAPE, 0);
        });
        set_text(u"one two three");
    }
    void TearDown() override {
        SetDialogHook({});
        Editing::TearDown();
    }
    void right_click(int x = 20, int y = 5) {
        headless::AdvanceClock(1000); // never a double click
        headless::Click(headless::Button::Right, x, y);
        headless::PumpMessages();
    }
    static std::u16string clipboard_text() {
        if (!OpenClipboard(nullptr)) return u"<closed>";
        HANDLE h = GetClipboardData(CF_UNICODETEXT);
        std::u16string out = h != nullptr ? platform::read_unicode_block(h) : u"<none>";
        CloseClipboard();
        return out;
    }
};

TEST_F(ContextMenu, CopyPickedWithTheKeyboardPutsTheSelectionOnTheClipboard) {
    SendMessageW(editor, EFM_SETSELTEXT, 0, MAKELPARAM(4, 7)); // "two"
    keys = {VK_DOWN, VK_RETURN};                               // Copy is the first item
    right_click(120, 5);                                       // wherever it lands, the selection stays
    ASSERT_EQ(menus, 1);
    ASSERT_NE(find(shown, 24321), nullptr);
    EXPECT_EQ(find(shown, 24321)->text, u"Copy\tCtrl+C");
    EXPECT_EQ(selected(), u"two");
    EXPECT_EQ(clipboard_text(), u"two");
}

TEST_F(ContextMenu, WithoutASelectionTheClickMovesTheCaretAndPasteFollowsTheClipboard) {
    OpenClipboard(nullptr);
    EmptyClipboard();
    CloseClipboard();
    right_click(2, 5);
    EXPECT_EQ(SendMessageW(editor, EFM_GETSELINDEX, 0, 0) >= 0, true);
    ASSERT_NE(find(shown, 24322), nullptr); // NoSel: Paste first, the insert submenu
    EXPECT_EQ(shown.front().id, 24322u);
    EXPECT_NE(find(shown, 1026), nullptr);
    EXPECT_EQ(find(shown, 24322)->state & MF_GRAYED, MF_GRAYED);
    EXPECT_EQ(find(shown, 24321), nullptr);
    SendMessageW(editor, EFM_SETSELTEXT, 0, MAKELPARAM(0, 3));
    SendMessageW(editor, WM_COPY, 0, 0);
    SendMessageW(editor, EFM_SETSELTEXT, 0, MAKELPARAM(0, 0));
    right_click(2, 5);
    EXPECT_EQ(find(shown, 24322)->state & MF_GRAYED, 0u);
}

TEST_F(ContextMenu, EachStateOpensItsMenu) {
    SendMessageW(editor, EFM_SETSELTEXT, 0, MAKELPARAM(0, 3));
    right_click();
    EXPECT_NE(find(shown, 1004), nullptr); // EditSel: the Format submenu with Borders
    SendMessageW(editor, EFM_SETDOCUMENTTYPE, 0, 0x603);
    right_click();
    EXPECT_EQ(find(shown, 1004), nullptr); // NoFormatSel: Format font and paragraph only
    EXPECT_NE(find(shown, 1001), nullptr);
    SendMessageW(editor, EFM_SETSELTEXT, 0, MAKELPARAM(0, 0));
    right_click();
    EXPECT_NE(find(shown, 1025), nullptr); // NoFormat: the insert submenu
    EXPECT_EQ(find(shown, 24321), nullptr);
    SendMessageW(editor, EFM_DISABLEMODIFY, 0, 0);
    right_click();
    ASSERT_EQ(shown.size(), 4u); // NoModify: Copy, Select all, -, Find...
    EXPECT_EQ(find(shown, 24321)->state & MF_GRAYED, MF_GRAYED);
}

TEST_F(ContextMenu, TheHostMayTakeTheRightButtonOrTurnTheMenuOff) {
    SendMessageW(editor, EFM_SETSPECIALRIGHTBUTTON, 1, 0);
    right_click();
    EXPECT_EQ(menus, 0);
    EXPECT_EQ(count(EFN_RIGHTCLICK), 1);
    SendMessageW(editor, EFM_SETSPECIALRIGHTBUTTON, 0, 0);
    SendMessageW(editor, EFM_SETEDITORSTATE, 2, 0);
    right_click();
    EXPECT_EQ(menus, 0);
    SendMessageW(editor, EFM_SETEDITORSTATE, 2, 1);
    right_click();
    EXPECT_EQ(menus, 1);
}

TEST_F(ContextMenu, ShortcutTextsFollowTheKeyMapAndTheLanguageChoosesTheCaptions) {
    SendMessageW(editor, EFM_SETSELTEXT, 0, MAKELPARAM(0, 3));
    SendMessageW(editor, EFM_SETHOTKEY, krFind, 0x2000 | 0x4000 | VK_F3);
    SendMessageW(editor, EFM_SETLANGUAGE, 1, 0);
    right_click();
    EXPECT_EQ(find(shown, 134)->text, u"Find...\tShift+Ctrl+F3");
    EXPECT_EQ(find(shown, 24323)->text, u"Delete\tDel");
    SendMessageW(editor, EFM_SETLANGUAGE, 0, 0);
    right_click();
    EXPECT_EQ(find(shown, 134)->text, u"Tìm...\tShift+Ctrl+F3");
    EXPECT_EQ(find(shown, 24325)->text, u"Chọn tất cả"); // the key map gives it no shortcut
}

TEST_F(ContextMenu, AHostsItemAppearsInBothLanguagesAndSendsItsCommand) {
    UINT received = 0;
    host.reset(); // one recorder at a time on the window
    HostRecorder ear(editor, [&](UINT msg, WPARAM w, LPARAM) -> std::optional<LRESULT> {
        if (msg == WM_COMMAND && LOWORD(w) == 4321) received = LOWORD(w);
        return std::nullopt;
    });
    const TMenuItemRecord record{u"Look it up", 4321, 0, -134}; // before Find...
    SendMessageW(editor, EFM_ADDMENU, 0, reinterpret_cast<LPARAM>(&record));
    SendMessageW(editor, EFM_SETSELTEXT, 0, MAKELPARAM(0, 3));
    for (std::uint8_t language : {0, 1}) {
        SendMessageW(editor, EFM_SETLANGUAGE, language, 0);
        right_click();
        const auto at = std::find_if(shown.begin(), shown.end(), [](const Item& i) { return i.id == 4321; });
        ASSERT_NE(at, shown.end()) << int(language);
        EXPECT_EQ(at->text, u"Look it up");
        EXPECT_EQ((at + 1)->id, 134u);
    }
    keys = {VK_UP, VK_UP, VK_UP, VK_UP, VK_UP, VK_RETURN}; // Customize, Format, Replace, Find, it
    right_click();
    EXPECT_EQ(received, 4321u);
}

} // namespace
} // namespace zeledit::test
