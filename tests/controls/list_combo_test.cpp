// List boxes and combo boxes through their messages, keys and clicks.
#include "control_host.h"

namespace zeledit::test {
namespace {

class Lists : public ControlHost {
protected:
    HWND list(DWORD style) {
        HWND l = make(u"LISTBOX", u"", style | WS_BORDER | WS_VSCROLL | WS_TABSTOP, 80, {10, 10, 160, 110});
        for (LPCWSTR s :
             {u"pear", u"Apple", u"fig", u"banana", u"cherry", u"date", u"elder", u"grape", u"kiwi"})
            SendMessageW(l, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(s));
        return l;
    }
    static std::u16string item(HWND l, int i) {
        WCHAR text[32];
        SendMessageW(l, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text));
        return text;
    }
    void click_item(HWND l, int i) {
        RECT r;
        SendMessageW(l, LB_GETITEMRECT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&r));
        POINT pt{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
        ClientToScreen(l, &pt);
        headless::Click(headless::Button::Left, pt.x, pt.y);
        headless::PumpMessages();
    }
};

TEST_F(Lists, SortedItemsAndSelectionNotifications) {
    HWND l = list(LBS_SORT | LBS_NOTIFY);
    ASSERT_EQ(SendMessageW(l, LB_GETCOUNT, 0, 0), 9);
    EXPECT_EQ(item(l, 0), u"Apple"); // sorted without regard to case
    EXPECT_EQ(item(l, 8), u"pear");
    EXPECT_EQ(SendMessageW(l, LB_GETCURSEL, 0, 0), LB_ERR);
    click_item(l, 2);
    EXPECT_EQ(SendMessageW(l, LB_GETCURSEL, 0, 0), 2);
    EXPECT_EQ(count_of(80, LBN_SELCHANGE), 1);
    press(VK_DOWN);
    press(VK_END);
    EXPECT_EQ(SendMessageW(l, LB_GETCURSEL, 0, 0), 8);
    EXPECT_EQ(count_of(80, LBN_SELCHANGE), 3);
    EXPECT_GT(SendMessageW(l, LB_GETTOPINDEX, 0, 0), 0); // scrolled to show it
    press('B');
    EXPECT_EQ(item(l, static_cast<int>(SendMessageW(l, LB_GETCURSEL, 0, 0))), u"banana");
    notices.clear();
    SendMessageW(l, LB_SETCURSEL, 0, 0); // a program's choice is not announced
    EXPECT_EQ(count_of(80, LBN_SELCHANGE), 0);
    EXPECT_EQ(SendMessageW(l, LB_FINDSTRINGEXACT, WPARAM(-1), reinterpret_cast<LPARAM>(u"FIG")), 5);
    EXPECT_EQ(SendMessageW(l, LB_DELETESTRING, 0, 0), 8);
    EXPECT_EQ(SendMessageW(l, LB_GETCURSEL, 0, 0), LB_ERR); // the selected item went
    EXPECT_EQ(SendMessageW(l, LB_GETTEXT, 42, 0), LB_ERR);
}

TEST_F(Lists, MultipleAndExtendedSelection) {
    HWND multi = list(LBS_MULTIPLESEL | LBS_NOTIFY);
    click_item(multi, 1);
    click_item(multi, 3);
    click_item(multi, 1); // toggles off
    EXPECT_EQ(SendMessageW(multi, LB_GETSELCOUNT, 0, 0), 1);
    EXPECT_EQ(SendMessageW(multi, LB_SETCURSEL, 0, 0), LB_ERR); // not for multiple selection
    DestroyWindow(multi);
    HWND ext = list(LBS_EXTENDEDSEL | LBS_NOTIFY);
    click_item(ext, 1);
    headless::KeyDown(VK_SHIFT);
    click_item(ext, 4);
    headless::KeyUp(VK_SHIFT);
    int selected[9] = {};
    ASSERT_EQ(SendMessageW(ext, LB_GETSELITEMS, 9, reinterpret_cast<LPARAM>(selected)), 4);
    EXPECT_EQ(selected[0], 1);
    EXPECT_EQ(selected[3], 4);
    SendMessageW(ext, LB_SETSEL, FALSE, -1);
    EXPECT_EQ(SendMessageW(ext, LB_GETSELCOUNT, 0, 0), 0);
}

TEST_F(Lists, OwnerDrawnItemsAreMeasuredAndDrawnByTheParent) {
    measured_height = 30;
    HWND l = make(u"LISTBOX", u"", LBS_OWNERDRAWFIXED, 81, {10, 10, 160, 110});
    SendMessageW(l, LB_ADDSTRING, 0, 0x1234); // no strings: the value is the item's data
    EXPECT_EQ(SendMessageW(l, LB_GETITEMHEIGHT, 0, 0), 30);
    EXPECT_EQ(SendMessageW(l, LB_GETITEMDATA, 0, 0), 0x1234);
    UpdateWindow(dialog);
    headless::PumpMessages();
    ASSERT_FALSE(drawn.empty());
    EXPECT_EQ(drawn.back().CtlType, ODT_LISTBOX);
    EXPECT_EQ(drawn.back().itemData, 0x1234u);
    EXPECT_EQ(drawn.back().rcItem.bottom - drawn.back().rcItem.top, 30);
}

TEST_F(Lists, ASeparateScrollBarFollowsTheList) {
    HWND bar = make(u"SCROLLBAR", u"", SBS_VERT, 82, {170, 10, 186, 110});
    HWND l = list(LBS_NOTIFY);
    SendMessageW(l, ZLBM_SETSCROLLBAR, reinterpret_cast<WPARAM>(bar), 0);
    SendMessageW(l, LB_SETTOPINDEX, 3, 0);
    EXPECT_EQ(GetScrollPos(bar, SB_CTL), 3);
    SendMessageW(l, WM_VSCROLL, SB_LINEDOWN, reinterpret_cast<LPARAM>(bar));
    EXPECT_EQ(SendMessageW(l, LB_GETTOPINDEX, 0, 0), 4);
    EXPECT_EQ(GetScrollPos(bar, SB_CTL), 4);
}

class Combos : public ControlHost {
protected:
    HWND combo(DWORD style) {
        HWND c = make(u"COMBOBOX", u"", style | WS_TABSTOP | WS_VSCROLL, 90, {10, 10, 160, 200});
        for (LPCWSTR s : {u"Arial", u"Tahoma", u"Times New Roman", u"Verdana"})
            SendMessageW(c, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(s));
        return c;
    }
};

TEST_F(Combos, ListOnlyBoxSelectsByKeysAndByTheDroppedList) {
    HWND c = combo(CBS_DROPDOWNLIST);
    RECT r;
    GetWindowRect(c, &r);
    EXPECT_LT(r.bottom - r.top, 40); // the box alone; the list drops below it
    SendMessageW(c, CB_SETCURSEL, 1, 0);
    EXPECT_EQ(text_of(c), u"Tahoma");
    SetFocus(c);
    press(VK_DOWN);
    EXPECT_EQ(text_of(c), u"Times New Roman");
    EXPECT_EQ(count_of(90, CBN_SELCHANGE), 1);
    headless::Click(headless::Button::Left, center_of(c).x, center_of(c).y);
    headless::PumpMessages();
    ASSERT_TRUE(SendMessageW(c, CB_GETDROPPEDSTATE, 0, 0));
    EXPECT_EQ(count_of(90, CBN_DROPDOWN), 1);
    // The list lies below the box, one item per row: pick the first.
    const int row = static_cast<int>(SendMessageW(c, CB_GETITEMHEIGHT, 0, 0));
    headless::MouseMove(center_of(c).x, r.bottom + 2 + row / 2);
    headless::Click(headless::Button::Left, center_of(c).x, r.bottom + 2 + row / 2);
    headless::PumpMessages();
    EXPECT_FALSE(SendMessageW(c, CB_GETDROPPEDSTATE, 0, 0));
    EXPECT_EQ(SendMessageW(c, CB_GETCURSEL, 0, 0), 0);
    EXPECT_EQ(count_of(90, CBN_SELCHANGE), 2);
    EXPECT_EQ(count_of(90, CBN_CLOSEUP), 1);
    // Escape takes back what the keys chose while the list was down.
    press(VK_F4);
    press(VK_DOWN);
    press(VK_ESCAPE);
    EXPECT_EQ(SendMessageW(c, CB_GETCURSEL, 0, 0), 0);
    EXPECT_EQ(count_of(90, CBN_SELENDCANCEL), 1);
    EXPECT_EQ(SetWindowTextW(c, u"Verdana"), TRUE);
    EXPECT_EQ(SendMessageW(c, CB_GETCURSEL, 0, 0), 3);
}

TEST_F(Combos, EditableBoxTypesAndFollowsTheList) {
    HWND c = combo(CBS_DROPDOWN);
    SetFocus(c);
    headless::TypeText(u"Ta");
    headless::PumpMessages();
    EXPECT_EQ(text_of(c), u"Ta");
    EXPECT_EQ(count_of(90, CBN_EDITCHANGE), 2);
    press(VK_DOWN); // from the edit, the arrows choose items
    EXPECT_EQ(text_of(c), u"Arial");
    EXPECT_EQ(SendMessageW(c, CB_GETCURSEL, 0, 0), 0);
    SendMessageW(c, CB_SETCURSEL, 3, 0);
    EXPECT_EQ(text_of(c), u"Verdana");
    SendMessageW(c, CB_LIMITTEXT, 3, 0);
    SendMessageW(c, CB_SETEDITSEL, 0, MAKELPARAM(0, WORD(-1)));
    headless::TypeText(u"Georgia");
    headless::PumpMessages();
    EXPECT_EQ(text_of(c), u"Geo");
}

} // namespace
} // namespace zeledit::test
