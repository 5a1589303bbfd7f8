// The highlight and the marks through the messages a host sends.
#include "e2e/editing_test.h"
#include "engine/editor_internals.h"

#include <string>

namespace zeledit::test {
namespace {

class Highlight : public Editing {
protected:
    std::u16string highlighted(WPARAM size = 100) {
        std::u16string out(size, u'?');
        SendMessageW(editor, EFM_GETHIGHLIGHTTEXT, size, reinterpret_cast<LPARAM>(out.data()));
        return out.substr(0, out.find(u'\0'));
    }
    bool marked(std::uint32_t i) const { return (Internals(engine()).FBuffer->FormatByte(i) & 0x80) != 0; }
    std::u16string marks() const {
        std::u16string out;
        for (std::uint32_t i = 0; i < Internals(engine()).FBuffer->TextLength(); ++i)
            out += marked(i) ? u'x' : u'.';
        return out;
    }
};

TEST_F(Highlight, ARangeIsOrderedLimitedAndIncludesItsEnd) {
    set_text(u"one two three");
    SendMessageW(editor, EFM_SETHIGHLIGHT, 6, 4);
    EXPECT_EQ(highlighted(), u"two");
    EXPECT_EQ(highlighted(3), u"tw"); // room for the zero
    SendMessageW(editor, EFM_SETHIGHLIGHT, 8, 500);
    EXPECT_EQ(Internals(engine()).edInfo.eiHighEnd, 13);
    EXPECT_EQ(highlighted(), u"three");
    SendMessageW(editor, EFM_SETHIGHLIGHT, 5, 5);
    EXPECT_EQ(highlighted(), u"");
    SendMessageW(editor, EFM_SETHIGHLIGHTSTYLE, 0x10001, RGB(1, 2, 3));
    EXPECT_EQ(+Internals(engine()).edInfo.eiHighlightStyle, 1);
    EXPECT_EQ(+Internals(engine()).edInfo.eiHighColor, RGB(1, 2, 3));
}

TEST_F(Highlight, AWordOfTwoLettersOrMoreIsHighlightedWhole) {
    set_text(u"a Việt  word");
    SendMessageW(editor, EFM_HIGHLIGHTWORDAT, 0, 4);
    EXPECT_EQ(highlighted(), u"Việt");
    SendMessageW(editor, EFM_HIGHLIGHTWORDAT, 0, 0); // one letter: start and end are equal
    EXPECT_EQ(highlighted(), u"");
    SendMessageW(editor, EFM_HIGHLIGHTWORDAT, 0, 6); // between two spaces there is no word
    EXPECT_EQ(highlighted(), u"");
    SendMessageW(editor, EFM_HIGHLIGHTWORDAT, 0, 99);
    EXPECT_EQ(highlighted(), u"");
}

TEST_F(Highlight, AHighlightBelowTheWindowIsScrolledIntoView) {
    std::u16string text;
    for (int i = 0; i < 60; ++i) text += u"line\r\n";
    set_text(text + u"target");
    SendMessageW(editor, EFM_SETHIGHLIGHT, text.size(), text.size() + 5);
    const std::int32_t line = line_of(static_cast<std::uint32_t>(text.size()));
    EXPECT_EQ(lines().FTopLine, line);
    EXPECT_EQ(Internals(engine()).edInfo.eiIndex, lines().Line(line)->At); // the caret follows the view
    SendMessageW(editor, EFM_SETHIGHLIGHT, 0, 3);
    EXPECT_EQ(lines().FTopLine, 0);
}

TEST_F(Highlight, WordMarksSkipSpacesAndBreaksAndAFormatClearsThem) {
    set_text(u"xin chào\r\nbạn");
    SendMessageW(editor, EFM_MARKWORDAT, 0, 5);
    EXPECT_EQ(marks(), u"....xxxx.....");
    SendMessageW(editor, EFM_MARKRANGE, 12, 2); // either order; the break keeps its bytes
    EXPECT_EQ(marks(), u"..xxxxxx..xxx");
    SendMessageW(editor, EFM_UNMARKWORDAT, 0, 11);
    EXPECT_EQ(marks(), u"..xxxxxx.....");
    SendMessageW(editor, EFM_SETSELTEXT, 0, MAKELPARAM(4, 8));
    key('B', false, true);
    EXPECT_EQ(marks(), u"..xx.........");
    SendMessageW(editor, EFM_MARKRANGE, 0, 9999); // held within the text
    EXPECT_EQ(marks(), u"xxxxxxxx..xxx");
    SendMessageW(editor, EFM_CLEARMARKS, 0, 0);
    EXPECT_EQ(marks(), u".............");
    SendMessageW(editor, EFM_SETMARKTYPE, 1, RGB(0, 0, 255));
    EXPECT_EQ(+Internals(engine()).edInfo.eiState, 1);
    EXPECT_EQ(+Internals(engine()).edInfo.eiStateColor, RGB(0, 0, 255));
}

} // namespace
} // namespace zeledit::test
