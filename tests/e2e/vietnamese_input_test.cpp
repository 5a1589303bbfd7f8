// Vietnamese typing, typographic characters, case cycling and the host's one-character
// replacement, typed as a person would.
#include "e2e/layout_test.h"
#include "engine/editor_internals.h"
#include "platform/system_library/system_library.h"

namespace zeledit::test {
namespace {

class VietnameseInput : public Layout {
protected:
    void SetUp() override {
        Layout::SetUp();
        SetFocus(editor);
    }
    std::u16string text() const {
        return {Internals(engine()).FBuffer->Text(), Internals(engine()).FBuffer->TextLength()};
    }
    void type(std::u16string_view s) {
        headless::TypeText(s);
        headless::PumpMessages();
    }
    void viet(bool on) { SendMessageW(editor, EFM_ENABLEVIETKEY, on ? 1 : 0, 0); }
};

TEST_F(VietnameseInput, AccentKeysComposeWithTheLetterJustTyped) {
    viet(true);
    type(u"a1");
    EXPECT_EQ(text(), u"á");
    type(u" a61"); // step by step: a, â, ấ
    EXPECT_EQ(text(), u"á ấ");
    type(u" 1"); // nothing to compose with: the digit itself
    EXPECT_EQ(text(), u"á ấ 1");
    type(u" a11"); // á does not compose with 1 again
    EXPECT_EQ(text(), u"á ấ 1 á1");
    viet(false);
    type(u" a1");
    EXPECT_EQ(text(), u"á ấ 1 á1 a1");
}

TEST_F(VietnameseInput, ACaretMovedAwayFromTheLetterDoesNotCompose) {
    viet(true);
    type(u"ba");
    SendMessageW(editor, EFM_SETINDEX, 0, 0);
    type(u"1");
    EXPECT_EQ(text(), u"1ba"); // no unrelated character deleted
    SendMessageW(editor, EFM_SETINDEX, 0, 3);
    type(u"o");
    type(u"2"); // right after the letter: composes
    EXPECT_EQ(text(), u"1baò");
    type(u"o");
    SendMessageW(editor, EFM_SETSELTEXT, 0, MAKELPARAM(0, 1));
    SendMessageW(editor, EFM_SETSELTEXT, 0, MAKELPARAM(5, 5));
    SendMessageW(editor, EFM_SETINDEX, 0, 5);
    type(u"2"); // the caret came back by a message: the letter before it is not composed
    EXPECT_EQ(text(), u"1baòo2");
}

TEST_F(VietnameseInput, KeypadDigitsAlwaysTypeDigits) {
    viet(true);
    type(u"a");
    headless::KeyDown(VK_NUMPAD1, u"1");
    headless::KeyUp(VK_NUMPAD1);
    headless::PumpMessages();
    EXPECT_EQ(text(), u"a1");
}

TEST_F(VietnameseInput, FocusTellsTheSystemLibrary) {
    viet(true);
    SetFocus(nullptr);
    EXPECT_FALSE(platform::VietnameseKeyOn());
    SetFocus(editor);
    EXPECT_TRUE(platform::VietnameseKeyOn());
    headless::KeyPress(VK_F5);
    headless::PumpMessages();
    SetFocus(nullptr);
    SetFocus(editor);
    EXPECT_FALSE(platform::VietnameseKeyOn());
}

TEST_F(VietnameseInput, TypographicQuotesOpenAndClose) {
    SendMessageW(editor, EFM_SETEDITTYPE, 0, 0x2 | 0x80000);
    type(u"\"a\" [\"x'");
    EXPECT_EQ(text(), u"\u201ca\u201d [\u201cx\u2019");
    SendMessageW(editor, EFM_SETEDITTYPE, 0, 0x2);
    type(u"\"");
    EXPECT_EQ(text().back(), u'"');
}

TEST_F(VietnameseInput, F3CyclesTitleUpperAndLower) {
    type(u"xin chào việt nam");
    SendMessageW(editor, EFM_SETSELTEXT, 0, MAKELPARAM(0, 17));
    headless::KeyPress(VK_F3);
    headless::PumpMessages();
    EXPECT_EQ(text(), u"Xin Chào Việt Nam");
    headless::KeyPress(VK_F3);
    headless::PumpMessages();
    EXPECT_EQ(text(), u"XIN CHÀO VIỆT NAM");
    headless::KeyPress(VK_F3);
    headless::PumpMessages();
    EXPECT_EQ(text(), u"xin chào việt nam");
    SendMessageW(editor, EFM_SETSELTEXT, 0, 0);
    SendMessageW(editor, EFM_CHANGECHAR, u'Đ', 0);
    SendMessageW(editor, EFM_SETSELTEXT, 0, MAKELPARAM(0, 3));
    headless::KeyPress(VK_F3);
    headless::PumpMessages();
    EXPECT_EQ(text().substr(0, 3), u"ĐIN");
}

TEST_F(VietnameseInput, OneCharacterReplacementSkipsMarks) {
    type(u"ab\rc");
    SendMessageW(editor, EFM_CHANGECHAR, u'x', 1);
    SendMessageW(editor, EFM_CHANGECHAR, u'y', 2);  // a paragraph break
    SendMessageW(editor, EFM_CHANGECHAR, u'z', 99); // past the text
    SendMessageW(editor, EFM_CHANGECHAR, 13, 0);    // a mark never goes in
    EXPECT_EQ(text(), u"ax\r\nc");
    EXPECT_EQ(SendMessageW(editor, EFM_GETMODIFIED, 0, 0), -1); // from the typing, not cleared
}

} // namespace
} // namespace zeledit::test
