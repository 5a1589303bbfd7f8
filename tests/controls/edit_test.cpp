// Edits: the text model's rules, and the control driven through its messages and keys.
#include "control_host.h"

#include "controls/edit_text.h"

namespace zeledit::test {
namespace {

TEST(EditText, MovesByWordsAndNeverSplitsSurrogatePairs) {
    controls::EditText t;
    t.set_text(u"xin chào, bạn \U0001F600!");
    EXPECT_EQ(t.next_word(0), 4u);  // over "xin" and its space
    EXPECT_EQ(t.next_word(4), 8u);  // "chào" stops at the comma
    EXPECT_EQ(t.next_word(8), 10u); // the comma is a step of its own
    EXPECT_EQ(t.prev_word(10), 8u);
    EXPECT_EQ(t.prev_word(8), 4u);
    const std::size_t emoji = t.text().find(u'\xD83D');
    EXPECT_EQ(t.next_char(emoji), emoji + 2);
    EXPECT_EQ(t.prev_char(emoji + 2), emoji);
    t.select(emoji + 1, emoji + 1); // inside the pair: moved to its start
    EXPECT_EQ(t.caret(), emoji);
}

TEST(EditText, LimitCutsInsertionsAtCharacterBoundariesAndUndoSwaps) {
    controls::EditText t;
    t.set_limit(4);
    t.set_text(u"ab");
    t.move_to(2, false);
    EXPECT_FALSE(t.replace_selection(u"c\U0001F600")); // the pair does not fit whole: left out
    EXPECT_EQ(t.text(), u"abc");
    EXPECT_TRUE(t.undo());
    EXPECT_EQ(t.text(), u"ab");
    EXPECT_TRUE(t.undo()); // undo of the undo puts it back
    EXPECT_EQ(t.text(), u"abc");
    t.set_text(u"one\r\ntwo");
    EXPECT_EQ(t.text(), u"one"); // a single line keeps its first line only
    t.set_multiline(true);
    t.set_text(u"one\r\ntwo");
    EXPECT_EQ(t.next_char(3), 5u); // CR LF is one step
}

class Edits : public ControlHost {};

TEST_F(Edits, SelectionAndReplacementThroughMessages) {
    HWND e = make(u"EDIT", u"hello world", WS_BORDER | WS_TABSTOP, 11, {10, 10, 210, 32});
    EXPECT_EQ(text_of(e), u"hello world");
    SendMessageW(e, EM_SETSEL, 6, 11);
    DWORD start = 0, end = 0;
    SendMessageW(e, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, 6u);
    EXPECT_EQ(end, 11u);
    notices.clear();
    SendMessageW(e, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(u"there"));
    EXPECT_EQ(text_of(e), u"hello there");
    EXPECT_EQ(count_of(11, EN_CHANGE), 1);
    EXPECT_TRUE(SendMessageW(e, EM_GETMODIFY, 0, 0));
    EXPECT_TRUE(SendMessageW(e, EM_CANUNDO, 0, 0));
    SendMessageW(e, EM_UNDO, 0, 0);
    EXPECT_EQ(text_of(e), u"hello world");
    SendMessageW(e, EM_SETSEL, 0, -1);
    EXPECT_EQ(SendMessageW(e, EM_GETSEL, 0, 0), MAKELRESULT(0, 11));
    SendMessageW(e, EM_LIMITTEXT, 5, 0);
    notices.clear();
    SendMessageW(e, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(u"truncated"));
    EXPECT_EQ(text_of(e), u"trunc");
    EXPECT_EQ(count_of(11, EN_MAXTEXT), 1);
    WCHAR small[4];
    EXPECT_EQ(GetWindowTextW(e, small, 4), 3); // never past the caller's buffer
    EXPECT_EQ(std::u16string(small), u"tru");
}

TEST_F(Edits, KeysSelectByShiftAndWordsAndUseTheClipboard) {
    HWND e = make(u"EDIT", u"", WS_BORDER, 12, {10, 10, 250, 32});
    SetFocus(e);
    headless::TypeText(u"alpha beta gamma");
    headless::PumpMessages();
    EXPECT_EQ(text_of(e), u"alpha beta gamma");
    chord({VK_CONTROL}, VK_LEFT); // before "gamma"
    chord({VK_CONTROL, VK_SHIFT}, VK_LEFT);
    EXPECT_EQ(SendMessageW(e, EM_GETSEL, 0, 0), MAKELRESULT(6, 11));
    chord({VK_CONTROL}, 'C');
    press(VK_END);
    chord({VK_CONTROL}, 'V');
    EXPECT_EQ(text_of(e), u"alpha beta gammabeta ");
    chord({VK_SHIFT}, VK_HOME);
    press(VK_DELETE);
    EXPECT_EQ(text_of(e), u"");
    chord({VK_CONTROL}, 'Z');
    EXPECT_EQ(text_of(e), u"alpha beta gammabeta ");
    EXPECT_EQ(SendMessageW(e, EM_GETSEL, 0, 0), MAKELRESULT(0, 21)); // what came back is selected
    press(VK_END);
    headless::KeyPress(VK_BACK);
    headless::PumpMessages();
    EXPECT_EQ(text_of(e), u"alpha beta gammabeta");
}

TEST_F(Edits, NumbersOnlyPasswordsAndAccentKeys) {
    HWND digits = make(u"EDIT", u"", ES_NUMBER, 13, {10, 10, 100, 32});
    SetFocus(digits);
    headless::TypeText(u"1a2-3");
    headless::PumpMessages();
    EXPECT_EQ(text_of(digits), u"123");
    HWND vn = make(u"EDIT", u"", 0, 14, {10, 40, 200, 62});
    SendMessageW(vn, ZEM_SETVIETNAMESE, TRUE, 0);
    SetFocus(vn);
    headless::TypeText(u"a1");
    headless::PumpMessages();
    EXPECT_EQ(text_of(vn), u"\u00E1"); // á, composed as in the editor
    SendMessageW(vn, ZEM_SETVIETNAMESE, FALSE, 0);
    headless::TypeText(u"1");
    headless::PumpMessages();
    EXPECT_EQ(text_of(vn), u"\u00E11");
    HWND secret = make(u"EDIT", u"pw", ES_PASSWORD, 15, {10, 70, 200, 92});
    SendMessageW(secret, EM_SETSEL, 0, -1);
    SendMessageW(secret, WM_COPY, 0, 0);
    OpenClipboard(dialog);
    EXPECT_EQ(GetClipboardData(CF_UNICODETEXT), nullptr); // a password never reaches the clipboard
    CloseClipboard();
}

TEST_F(Edits, MultiLineLinesWrapAndArrowsMoveBetweenThem) {
    HWND memo = make(u"EDIT", u"first line\r\nsecond", ES_MULTILINE | WS_VSCROLL, 16, {10, 10, 200, 110});
    EXPECT_EQ(SendMessageW(memo, EM_GETLINECOUNT, 0, 0), 2);
    EXPECT_EQ(SendMessageW(memo, EM_LINEINDEX, 1, 0), 12);
    EXPECT_EQ(SendMessageW(memo, EM_LINELENGTH, 12, 0), 6);
    EXPECT_EQ(SendMessageW(memo, EM_LINEFROMCHAR, 14, 0), 1);
    SetFocus(memo);
    SendMessageW(memo, EM_SETSEL, 2, 2);
    press(VK_DOWN);
    EXPECT_EQ(SendMessageW(memo, EM_LINEFROMCHAR, WPARAM(-1), 0), 1);
    press(VK_END);
    press(VK_RETURN);
    headless::TypeText(u"third");
    headless::PumpMessages();
    EXPECT_EQ(text_of(memo), u"first line\r\nsecond\r\nthird");
    std::u16string long_text;
    for (int i = 0; i < 40; ++i) long_text += u"word ";
    SetWindowTextW(memo, long_text.c_str());
    EXPECT_GT(SendMessageW(memo, EM_GETLINECOUNT, 0, 0), 3); // wrapped at the width
}

TEST_F(Edits, MouseSelectsByDragAndWordsByDoubleClick) {
    headless::UseManualClock();
    HWND e = make(u"EDIT", u"one two three", 0, 17, {10, 10, 300, 32});
    POINT origin{0, 0};
    ClientToScreen(e, &origin);
    HDC dc = GetDC(e);
    SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
    SIZE one{}, one_two{};
    GetTextExtentPoint32W(dc, u"one ", 4, &one);
    GetTextExtentPoint32W(dc, u"one two", 7, &one_two);
    ReleaseDC(e, dc);
    const int y = origin.y + 8;
    headless::MouseDown(headless::Button::Left, origin.x + 2 + one.cx, y);
    headless::MouseMove(origin.x + 2 + one_two.cx, y);
    headless::MouseUp(headless::Button::Left, origin.x + 2 + one_two.cx, y);
    headless::PumpMessages();
    EXPECT_EQ(GetFocus(), e);
    EXPECT_EQ(SendMessageW(e, EM_GETSEL, 0, 0), MAKELRESULT(4, 7));
    headless::AdvanceClock(1000);
    headless::Click(headless::Button::Left, origin.x + 4, y);
    headless::Click(headless::Button::Left, origin.x + 4, y);
    headless::PumpMessages();
    EXPECT_EQ(SendMessageW(e, EM_GETSEL, 0, 0), MAKELRESULT(0, 3));
}

} // namespace
} // namespace zeledit::test
