// The finer rules of the controls: limits and refusals, owner drawing through a combo box,
// tab order through a control's parts, notifications a host relies on, thumbnails.
#include "control_host.h"

#include "controls/edit_text.h"
#include "controls/folder_listing.h"
#include "controls/thumbnail.h"

#include <filesystem>
#include <fstream>

namespace zeledit::test {
namespace {

class Details : public ControlHost {};

TEST_F(Details, ReadOnlyEditsRefuseChangesButCopy) {
    HWND e = make(u"EDIT", u"fixed", ES_READONLY, 1, {10, 10, 200, 32});
    SetFocus(e);
    headless::TypeText(u"x");
    press(VK_BACK);
    press(VK_DELETE);
    EXPECT_EQ(text_of(e), u"fixed");
    SendMessageW(e, EM_SETSEL, 0, 3);
    SendMessageW(e, WM_CUT, 0, 0);
    EXPECT_EQ(text_of(e), u"fixed");
    OpenClipboard(dialog);
    EmptyClipboard();
    CloseClipboard();
    SendMessageW(e, WM_COPY, 0, 0);
    SendMessageW(e, EM_SETREADONLY, FALSE, 0);
    SendMessageW(e, EM_SETSEL, 5, 5);
    SendMessageW(e, WM_PASTE, 0, 0);
    EXPECT_EQ(text_of(e), u"fixedfix");
    EXPECT_EQ(count_of(1, EN_CHANGE), 1); // the paste only
}

TEST_F(Details, CasingSetTextAndLineCopies) {
    HWND upper = make(u"EDIT", u"", ES_UPPERCASE, 2, {10, 10, 200, 32});
    SetFocus(upper);
    headless::TypeText(u"abc");
    headless::PumpMessages();
    EXPECT_EQ(text_of(upper), u"ABC");
    notices.clear();
    SetWindowTextW(upper, u"new");
    EXPECT_EQ(count_of(2, EN_CHANGE), 1);
    EXPECT_FALSE(SendMessageW(upper, EM_CANUNDO, 0, 0)); // set text is no undoable change
    EXPECT_FALSE(SendMessageW(upper, EM_GETMODIFY, 0, 0));
    HWND memo = make(u"EDIT", u"one\r\ntwo three", ES_MULTILINE | ES_AUTOHSCROLL, 3, {10, 40, 200, 100});
    WCHAR line[8];
    line[0] = 5; // room for five units; no terminator is written
    EXPECT_EQ(SendMessageW(memo, EM_GETLINE, 1, reinterpret_cast<LPARAM>(line)), 5);
    EXPECT_EQ(std::u16string(line, 5), u"two t");
    EXPECT_EQ(SendMessageW(memo, EM_GETLINE, 7, reinterpret_cast<LPARAM>(line)), 0);
    SendMessageW(memo, EM_SETSEL, 2, 6);
    SendMessageW(memo, EM_SETSEL, WPARAM(-1), 0); // removes the selection, the caret stays
    EXPECT_EQ(SendMessageW(memo, EM_GETSEL, 0, 0), MAKELRESULT(6, 6));
}

TEST(EditTextRules, WordsAroundAPositionAndZeroLimits) {
    controls::EditText t;
    t.set_text(u"ánh sáng, mặt trời");
    EXPECT_EQ(t.word_start(6), 4u);
    EXPECT_EQ(t.word_end(6), 8u);
    t.set_limit(0); // no limit at all
    EXPECT_EQ(t.limit(), controls::EditText::DefaultLimit);
    t.select(100, 200); // far past the end: clamped
    EXPECT_EQ(t.caret(), t.text().size());
    t.set_limit(3);
    t.select(0, t.text().size());
    EXPECT_TRUE(t.replace_selection(u"abc")); // replacing within the limit
    EXPECT_FALSE(t.replace_selection(u"d"));  // full
    EXPECT_EQ(t.text(), u"abc");
}

TEST_F(Details, TabLeavesAComboBoxFromItsEdit) {
    HWND combo = make(u"COMBOBOX", u"", CBS_DROPDOWN | WS_TABSTOP, 4, {10, 10, 150, 150});
    HWND next = make(u"BUTTON", u"Next", WS_TABSTOP, 5, {10, 60, 80, 84});
    make(u"BUTTON", u"Last", WS_TABSTOP, 6, {90, 60, 160, 84});
    SetFocus(combo); // the focus goes to its edit
    ASSERT_TRUE(IsChild(combo, GetFocus()));
    dialog_press(VK_TAB);
    EXPECT_EQ(GetFocus(), next);
    headless::KeyDown(VK_SHIFT);
    dialog_press(VK_TAB);
    headless::KeyUp(VK_SHIFT);
    EXPECT_TRUE(IsChild(combo, GetFocus()));
}

TEST_F(Details, OwnerDrawnComboItemsAreTheComboBoxes) {
    measured_height = 24;
    HWND combo = make(u"COMBOBOX", u"", CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED, 7, {10, 10, 150, 150});
    SendMessageW(combo, CB_ADDSTRING, 0, 0x55);
    EXPECT_EQ(SendMessageW(combo, CB_GETITEMDATA, 0, 0), 0x55);
    EXPECT_EQ(SendMessageW(combo, CB_GETITEMHEIGHT, 0, 0), 24);
    SendMessageW(combo, CB_SHOWDROPDOWN, TRUE, 0);
    headless::PumpMessages();
    ASSERT_FALSE(drawn.empty());
    EXPECT_EQ(drawn.back().CtlType, ODT_COMBOBOX);
    EXPECT_EQ(drawn.back().CtlID, 7u);
    EXPECT_EQ(drawn.back().hwndItem, combo);
    SendMessageW(combo, CB_SHOWDROPDOWN, FALSE, 0);
    EXPECT_FALSE(SendMessageW(combo, CB_GETDROPPEDSTATE, 0, 0));
}

TEST_F(Details, ListsOfVariableHeightsAndFindingItems) {
    measured_height = 30;
    HWND list = make(u"LISTBOX", u"", LBS_OWNERDRAWVARIABLE | LBS_HASSTRINGS, 8, {10, 10, 150, 100});
    SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(u"first"));
    measured_height = 10;
    SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(u"second"));
    EXPECT_EQ(SendMessageW(list, LB_GETITEMHEIGHT, 0, 0), 30);
    EXPECT_EQ(SendMessageW(list, LB_GETITEMHEIGHT, 1, 0), 10);
    EXPECT_EQ(SendMessageW(list, LB_ITEMFROMPOINT, 0, MAKELPARAM(5, 35)), 1);
    EXPECT_EQ(HIWORD(SendMessageW(list, LB_ITEMFROMPOINT, 0, MAKELPARAM(5, 80))), 1);     // below every item
    EXPECT_EQ(SendMessageW(list, LB_FINDSTRING, 0, reinterpret_cast<LPARAM>(u"FIR")), 0); // wraps round
    EXPECT_EQ(SendMessageW(list, LB_FINDSTRINGEXACT, WPARAM(-1), reinterpret_cast<LPARAM>(u"sec")), LB_ERR);
    HWND none = make(u"LISTBOX", u"", LBS_NOSEL | LBS_NOTIFY, 9, {160, 10, 300, 100});
    SendMessageW(none, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(u"look only"));
    SetFocus(none);
    press(VK_DOWN);
    EXPECT_EQ(count_of(9, LBN_SELCHANGE), 0);
}

TEST_F(Details, LabelsNotifyOnlyWhenAskedAndNoPrefixHasNoMnemonic) {
    HWND quiet = make(u"STATIC", u"&Quiet", 0, 10, {10, 10, 100, 30});
    HWND loud = make(u"STATIC", u"Loud", SS_NOTIFY, 11, {10, 40, 100, 60});
    make(u"STATIC", u"&Plain", SS_NOPREFIX, 12, {10, 70, 100, 90});
    HWND edit = make(u"EDIT", u"", WS_TABSTOP, 13, {110, 70, 200, 90});
    make(u"BUTTON", u"OK", WS_TABSTOP, 14, {10, 100, 80, 124});
    headless::Click(headless::Button::Left, center_of(loud).x, center_of(loud).y);
    headless::PumpMessages();
    EXPECT_EQ(count_of(11, STN_CLICKED), 1);
    EXPECT_EQ(SendMessageW(quiet, WM_NCHITTEST, 0, 0), HTTRANSPARENT);
    SetFocus(GetDlgItem(dialog, 14));
    headless::KeyDown(VK_MENU);
    dialog_press('P');
    headless::KeyUp(VK_MENU);
    EXPECT_NE(GetFocus(), edit); // "&Plain" shows its '&': no mnemonic
}

TEST_F(Details, ItemNumbersRefuseWhatIsNoNumber) {
    make(u"EDIT", u"", 0, 20, {10, 10, 100, 30});
    BOOL ok = TRUE;
    SetDlgItemTextW(dialog, 20, u"99999999999");
    GetDlgItemInt(dialog, 20, &ok, FALSE);
    EXPECT_FALSE(ok); // past 32 bits
    SetDlgItemTextW(dialog, 20, u" 42 ");
    EXPECT_EQ(GetDlgItemInt(dialog, 20, &ok, FALSE), 42u);
    EXPECT_TRUE(ok);
    SetDlgItemTextW(dialog, 20, u"-3");
    GetDlgItemInt(dialog, 20, &ok, FALSE);
    EXPECT_FALSE(ok); // no sign for an unsigned number
    EXPECT_FALSE(CheckDlgButton(dialog, 99, BST_CHECKED));
    EXPECT_EQ(SendDlgItemMessageW(dialog, 99, WM_GETTEXTLENGTH, 0, 0), 0);
}

TEST_F(Details, PagesAndSpinStepsAnswerWhatTheyDid) {
    HWND pages = make(PageControlClassName, u"", 0, 30, {10, 10, 300, 200});
    SendMessageW(pages, ZPCM_ADDPAGE, 0, reinterpret_cast<LPARAM>(u"One"));
    EXPECT_FALSE(SendMessageW(pages, ZPCM_SETPAGE, 5, 0));
    EXPECT_EQ(SendMessageW(pages, ZPCM_GETPAGEWINDOW, 5, 0), 0);
    EXPECT_EQ(SendMessageW(pages, ZPCM_GETCOUNT, 0, 0), 1);
    HWND spin = make(SpinEditClassName, u"", 0, 31, {10, 210, 90, 232});
    SendMessageW(spin, ZSEM_SETRANGE, 0, 100);
    SendMessageW(spin, ZSEM_SETSTEP, 5, 0);
    SendMessageW(spin, ZSEM_SETPOS, 50, 0);
    SetFocus(spin);
    press(VK_UP);
    EXPECT_EQ(SendMessageW(spin, ZSEM_GETPOS, 0, 0), 55);
    SendMessageW(spin, ZSEM_SETRANGE, 0, 10); // a narrower range takes the value in
    EXPECT_EQ(SendMessageW(spin, ZSEM_GETPOS, 0, 0), 10);
}

TEST(Thumbnails, ShrinkByAveragingAndKeepTheOriginalSize) {
    namespace fs = std::filesystem;
    // A 4 × 2 BMP: left half black, right half white, shrunk to 2 × 1 keeps the halves.
    std::vector<char> bmp(54 + 2 * 12, 0);
    bmp[0] = 'B', bmp[1] = 'M', bmp[2] = static_cast<char>(bmp.size()), bmp[10] = 54, bmp[14] = 40,
    bmp[18] = 4, bmp[22] = 2, bmp[26] = 1, bmp[28] = 24;
    for (int row = 0; row < 2; ++row)
        for (int x = 2; x < 4; ++x)
            for (int c = 0; c < 3; ++c)
                bmp[54 + static_cast<std::size_t>(row * 12 + x * 3 + c)] = static_cast<char>(255);
    const fs::path file = fs::path(::testing::TempDir()) / "zeledit-thumb.bmp";
    std::ofstream(file, std::ios::binary).write(bmp.data(), static_cast<std::streamsize>(bmp.size()));
    controls::Thumbnail t;
    ASSERT_TRUE(t.Load(file.string(), 2));
    EXPECT_EQ(t.Size().cx, 4);
    EXPECT_EQ(t.Size().cy, 2);
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP bitmap = CreateCompatibleBitmap(dc, 10, 10);
    HGDIOBJ old = SelectObject(dc, bitmap);
    t.Draw(dc, {0, 0, 10, 10}); // never enlarged: 2 × 1 in the middle
    EXPECT_EQ(GetPixel(dc, 4, 4) & 0xFFFFFF, RGB(0, 0, 0));
    EXPECT_EQ(GetPixel(dc, 5, 4) & 0xFFFFFF, RGB(255, 255, 255));
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
    EXPECT_FALSE(t.Load((fs::path(::testing::TempDir()) / "no-such-picture.png").string(), 10));
    EXPECT_TRUE(t.Empty());
    fs::remove(file);
}

TEST(FolderListings, AFolderThatIsNotThereSaysWhy) {
    std::u16string why;
    EXPECT_FALSE(controls::ListFolder(u"/no/such/folder", u"*", why).has_value());
    EXPECT_FALSE(why.empty());
    EXPECT_EQ(controls::TimeText(0).size(), 16u); // "YYYY-MM-DD hh:mm"
}

} // namespace
} // namespace zeledit::test
