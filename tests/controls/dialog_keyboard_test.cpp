// Check boxes, radio groups, labels and the dialog keyboard, driven as a host drives them.
#include "control_host.h"

namespace zeledit::test {
namespace {

class Buttons : public ControlHost {};

TEST_F(Buttons, CheckBoxesToggleAndThreeStatesCycle) {
    HWND box = make(u"BUTTON", u"&Bold", BS_AUTOCHECKBOX | WS_TABSTOP, 21, {10, 10, 120, 30});
    HWND tri = make(u"BUTTON", u"&Mixed", BS_AUTO3STATE, 22, {10, 40, 120, 60});
    HWND manual = make(u"BUTTON", u"Manual", BS_CHECKBOX, 23, {10, 70, 120, 90});
    SendMessageW(box, BM_CLICK, 0, 0);
    EXPECT_EQ(IsDlgButtonChecked(dialog, 21), BST_CHECKED);
    headless::Click(headless::Button::Left, center_of(box).x, center_of(box).y);
    headless::PumpMessages();
    EXPECT_EQ(IsDlgButtonChecked(dialog, 21), BST_UNCHECKED);
    EXPECT_EQ(count_of(21, BN_CLICKED), 2);
    for (WPARAM expected : {BST_CHECKED, BST_INDETERMINATE, BST_UNCHECKED}) {
        SendMessageW(tri, BM_CLICK, 0, 0);
        EXPECT_EQ(SendMessageW(tri, BM_GETCHECK, 0, 0), static_cast<LRESULT>(expected));
    }
    SendMessageW(manual, BM_CLICK, 0, 0); // a plain check box leaves checking to its parent
    EXPECT_EQ(IsDlgButtonChecked(dialog, 23), BST_UNCHECKED);
    EXPECT_EQ(count_of(23, BN_CLICKED), 1);
    CheckDlgButton(dialog, 23, BST_CHECKED);
    EXPECT_EQ(IsDlgButtonChecked(dialog, 23), BST_CHECKED);
}

TEST_F(Buttons, AutoRadiosKeepOneCheckedPerGroup) {
    HWND a = make(u"BUTTON", u"A", BS_AUTORADIOBUTTON | WS_GROUP | WS_TABSTOP, 31, {10, 10, 80, 30});
    HWND b = make(u"BUTTON", u"B", BS_AUTORADIOBUTTON, 32, {10, 40, 80, 60});
    HWND c = make(u"BUTTON", u"C", BS_AUTORADIOBUTTON, 33, {10, 70, 80, 90});
    HWND other = make(u"BUTTON", u"X", BS_AUTORADIOBUTTON | WS_GROUP, 34, {10, 100, 80, 120});
    SendMessageW(other, BM_CLICK, 0, 0);
    SendMessageW(a, BM_CLICK, 0, 0);
    SendMessageW(c, BM_CLICK, 0, 0);
    EXPECT_EQ(SendMessageW(a, BM_GETCHECK, 0, 0), static_cast<LRESULT>(BST_UNCHECKED));
    EXPECT_EQ(SendMessageW(c, BM_GETCHECK, 0, 0), static_cast<LRESULT>(BST_CHECKED));
    EXPECT_EQ(SendMessageW(other, BM_GETCHECK, 0, 0), static_cast<LRESULT>(BST_CHECKED)); // another group
    CheckRadioButton(dialog, 31, 33, 32);
    EXPECT_EQ(IsDlgButtonChecked(dialog, 32), BST_CHECKED);
    EXPECT_EQ(IsDlgButtonChecked(dialog, 33), BST_UNCHECKED);
    (void)b;
}

class DialogKeyboard : public ControlHost {};

TEST_F(DialogKeyboard, TabVisitsTabStopsInCreationOrderSkippingDisabledOnes) {
    make(u"STATIC", u"&Name:", 0, 40, {10, 10, 60, 30});
    HWND name = make(u"EDIT", u"Lan", WS_TABSTOP | WS_BORDER, 41, {70, 10, 200, 30});
    HWND check = make(u"BUTTON", u"&Keep", BS_AUTOCHECKBOX | WS_TABSTOP, 42, {10, 40, 100, 60});
    HWND off = make(u"BUTTON", u"Off", BS_AUTOCHECKBOX | WS_TABSTOP | WS_DISABLED, 43, {10, 70, 100, 90});
    HWND ok = make(u"BUTTON", u"OK", BS_DEFPUSHBUTTON | WS_TABSTOP, IDOK, {10, 100, 80, 124});
    SetFocus(name);
    dialog_press(VK_TAB);
    EXPECT_EQ(GetFocus(), check);
    dialog_press(VK_TAB);
    EXPECT_EQ(GetFocus(), ok); // the disabled box is passed over
    dialog_press(VK_TAB);
    EXPECT_EQ(GetFocus(), name);                                       // and round again
    EXPECT_EQ(SendMessageW(name, EM_GETSEL, 0, 0), MAKELRESULT(0, 3)); // its text selected
    headless::KeyDown(VK_SHIFT);
    dialog_press(VK_TAB);
    headless::KeyUp(VK_SHIFT);
    EXPECT_EQ(GetFocus(), ok);
    (void)off;
}

TEST_F(DialogKeyboard, ArrowsMoveWithinARadioGroupAndCheck) {
    HWND a = make(u"BUTTON", u"Left", BS_AUTORADIOBUTTON | WS_GROUP | WS_TABSTOP, 51, {10, 10, 80, 30});
    HWND b = make(u"BUTTON", u"Centre", BS_AUTORADIOBUTTON, 52, {10, 40, 80, 60});
    HWND c = make(u"BUTTON", u"Right", BS_AUTORADIOBUTTON, 53, {10, 70, 80, 90});
    make(u"BUTTON", u"Next group", BS_AUTOCHECKBOX | WS_GROUP | WS_TABSTOP, 54, {10, 100, 80, 120});
    SendMessageW(a, BM_CLICK, 0, 0);
    SetFocus(a);
    dialog_press(VK_DOWN);
    EXPECT_EQ(GetFocus(), b);
    EXPECT_EQ(IsDlgButtonChecked(dialog, 52), BST_CHECKED);
    EXPECT_EQ(IsDlgButtonChecked(dialog, 51), BST_UNCHECKED);
    dialog_press(VK_DOWN);
    dialog_press(VK_DOWN); // wraps inside the group, never into the next one
    EXPECT_EQ(GetFocus(), a);
    dialog_press(VK_UP);
    EXPECT_EQ(GetFocus(), c);
    EXPECT_EQ(IsDlgButtonChecked(dialog, 53), BST_CHECKED);
}

TEST_F(DialogKeyboard, MnemonicsEnterAndEscape) {
    make(u"STATIC", u"&Size:", 0, 60, {10, 10, 60, 30});
    HWND size = make(u"EDIT", u"12", WS_TABSTOP, 61, {70, 10, 200, 30});
    HWND keep = make(u"BUTTON", u"&Keep", BS_AUTOCHECKBOX | WS_TABSTOP, 62, {10, 40, 100, 60});
    make(u"BUTTON", u"OK", BS_DEFPUSHBUTTON | WS_TABSTOP, IDOK, {10, 100, 80, 124});
    SetFocus(keep);
    headless::KeyDown(VK_MENU);
    dialog_press('S');
    headless::KeyUp(VK_MENU);
    EXPECT_EQ(GetFocus(), size); // a label's mnemonic reaches the control after it
    dialog_press('K');           // typed into the edit, which takes characters
    EXPECT_EQ(text_of(size), u"k");
    SetFocus(keep);
    dialog_press('K'); // the focus takes no characters: the mnemonic presses the box
    EXPECT_EQ(IsDlgButtonChecked(dialog, 62), BST_CHECKED);
    notices.clear();
    SetFocus(size);
    dialog_press(VK_RETURN);
    EXPECT_EQ(count_of(IDOK, BN_CLICKED), 1); // Enter in a single-line edit presses the default
    dialog_press(VK_ESCAPE);
    EXPECT_EQ(count_of(IDCANCEL, BN_CLICKED), 1);
}

TEST_F(DialogKeyboard, ItemHelpersReadAndWriteByIdentifier) {
    make(u"EDIT", u"", WS_TABSTOP, 70, {10, 10, 100, 30});
    EXPECT_TRUE(SetDlgItemInt(dialog, 70, static_cast<UINT>(-25), TRUE));
    BOOL ok = FALSE;
    EXPECT_EQ(static_cast<int>(GetDlgItemInt(dialog, 70, &ok, TRUE)), -25);
    EXPECT_TRUE(ok);
    SetDlgItemTextW(dialog, 70, u"12x");
    GetDlgItemInt(dialog, 70, &ok, FALSE);
    EXPECT_FALSE(ok);
    WCHAR text[8];
    EXPECT_EQ(GetDlgItemTextW(dialog, 70, text, 8), 3u);
    EXPECT_EQ(SendDlgItemMessageW(dialog, 70, WM_GETTEXTLENGTH, 0, 0), 3);
    EXPECT_EQ(GetDlgItemTextW(dialog, 99, text, 8), 0u); // no such item: empty, not stale
    EXPECT_EQ(text[0], 0);
    std::vector<HWND> seen;
    EnumChildWindows(
        dialog,
        [](HWND h, LPARAM l) {
            reinterpret_cast<std::vector<HWND>*>(l)->push_back(h);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&seen));
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(GetDlgCtrlID(seen[0]), 70);
}

} // namespace
} // namespace zeledit::test
