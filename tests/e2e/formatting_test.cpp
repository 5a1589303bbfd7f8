// Character and paragraph formats given through keys, commands and messages, as a host and a
// person give them.
#include "e2e/editing_test.h"
#include "engine/editor_internals.h"

#include <cstring>

namespace zeledit::test {
namespace {

class Formatting : public Editing {
protected:
    std::uint8_t byte_at(std::uint32_t i) const {
        return reinterpret_cast<const std::uint8_t*>(SendMessageW(editor, EFM_GETFORMATBUFFER, 0, 0))[i];
    }
    TCharFormat font_at(std::uint32_t i) const {
        TCharFormat f{};
        SendMessageW(editor, EFM_GETFONTTOREC, byte_at(i) & 0x7F, reinterpret_cast<LPARAM>(&f));
        return f;
    }
    bool bold_at(std::uint32_t i) const { return (font_at(i).ftAttr & 1) != 0; }
    TParaFormat para_at(std::uint32_t i) const {
        return Internals(engine()).FParas->GetParaOfIndex(i)->FAttributes;
    }
    void select(std::uint32_t from, std::uint32_t to) {
        SendMessageW(editor, EFM_SETSELTEXT, 0, MAKELPARAM(from, to));
    }
    std::uint8_t add_face(const char* face) {
        TCharFormat f = Internals(engine()).FFonts->GetFormatItem(0)->FAttributes;
        std::strcpy(f.ftFaceName, face);
        return static_cast<std::uint8_t>(SendMessageW(
            editor, EFM_ADDFONTFORMAT, reinterpret_cast<WPARAM>(editor), reinterpret_cast<LPARAM>(&f)));
    }
};

TEST_F(Formatting, BoldWithoutASelectionWaitsForTheNextCharacter) {
    type(u"ab");
    host->seen.clear();
    key('B', false, true);
    EXPECT_EQ(count(EFN_CHANGED), 0);
    EXPECT_FALSE(bold_at(0));
    EXPECT_EQ(SendMessageW(editor, EFM_GETSELSTYLE, 0, 0), 1); // the pending format is asked
    type(u"c");
    EXPECT_TRUE(bold_at(2));
    EXPECT_FALSE(bold_at(1));
    type(u"d"); // the neighbour's format from now on
    EXPECT_TRUE(bold_at(3));
}

TEST_F(Formatting, TheSelectionsAnchorDecidesAToggle) {
    set_text(u"abcd", 0);
    select(1, 2);
    key('B', false, true);
    ASSERT_TRUE(bold_at(1));
    // Made from right to left, the anchor is the plain "d" after the selection.
    select(3, 3);
    SendMessageW(editor, EFM_SETINDEX, 0, 3);
    key(VK_LEFT, true);
    key(VK_LEFT, true);
    EXPECT_EQ(SendMessageW(editor, EFM_GETSELSTYLE, 0, 0), 0);
    key('B', false, true);
    EXPECT_TRUE(bold_at(1));
    EXPECT_TRUE(bold_at(2));
    EXPECT_FALSE(bold_at(3));
    // From the bold "b": the whole selection becomes plain, then bold by message.
    select(1, 4);
    SendMessageW(editor, WM_COMMAND, 103, 0);
    for (std::uint32_t i = 1; i < 4; ++i) EXPECT_FALSE(bold_at(i)) << i;
    SendMessageW(editor, EFM_FORMATSTYLE, 0, 1);
    for (std::uint32_t i = 1; i < 4; ++i) EXPECT_TRUE(bold_at(i)) << i;
    key('I', false, true);
    EXPECT_EQ(+font_at(2).ftAttr, 3);
    EXPECT_EQ(+font_at(0).ftAttr, 0);
}

TEST_F(Formatting, EveryStyleReadsAndWritesItsOwnField) {
    set_text(u"x", 0);
    select(0, 1);
    for (WPARAM style = 0; style < 7; ++style) {
        SendMessageW(editor, EFM_FORMATSTYLE, style, 1);
        EXPECT_EQ(SendMessageW(editor, EFM_GETSELSTYLE, style, 0), 1) << style;
        SendMessageW(editor, EFM_FORMATSTYLE, style, 0);
        EXPECT_EQ(SendMessageW(editor, EFM_GETSELSTYLE, style, 0), 0) << style;
    }
    SendMessageW(editor, EFM_FORMATSTYLE, 3, 1);
    EXPECT_EQ(+font_at(0).ftUnderline, 3);
    EXPECT_EQ(SendMessageW(editor, EFM_GETSELSTYLE, 2, 0), 0); // double is not single
    SendMessageW(editor, WM_COMMAND, 131, 0);
    EXPECT_EQ(+font_at(0).ftScript, -1);
    SendMessageW(editor, EFM_FORMATSTYLE, 9, 1); // no such style
    EXPECT_EQ(SendMessageW(editor, EFM_GETSELSTYLE, 9, 0), 0);
}

TEST_F(Formatting, OneAttributeTakesTheLastSelectedCharactersFormat) {
    const std::uint8_t arial = add_face("Liberation Sans");
    set_text(u"ab", 0);
    Internals(engine()).FBuffer->FormatByte(1) = arial;
    select(0, 2);
    SendMessageW(editor, EFM_APPLYFONT, 2, RGB(200, 0, 0));
    for (std::uint32_t i = 0; i < 2; ++i) {
        EXPECT_STREQ(font_at(i).ftFaceName, "Liberation Sans") << i;
        EXPECT_EQ(+font_at(i).ftColor, RGB(200, 0, 0)) << i;
    }
    host->seen.clear();
    SendMessageW(editor, EFM_APPLYFONT, 1, reinterpret_cast<LPARAM>(u"liberation sans"));
    SendMessageW(editor, EFM_APPLYFONT, 3, 0); // no height
    EXPECT_EQ(count(EFN_CHANGED), 0);
    SendMessageW(editor, EFM_APPLYFONT, 3, 20);
    EXPECT_EQ(+font_at(0).ftHeight, 20);
    EXPECT_EQ(count(EFN_CHANGED), 1);
    char face[51] = {};
    SendMessageW(editor, EFM_GETSELFONTNAME, reinterpret_cast<WPARAM>(editor),
                 reinterpret_cast<LPARAM>(face));
    EXPECT_STREQ(face, "Liberation Sans");
}

TEST_F(Formatting, QuickFormatsReplaceEveryAttributeAndClearMarks) {
    const std::uint8_t big = add_font(24, 1);
    set_text(u"abc", 0);
    Internals(engine()).FBuffer->FormatByte(1) |= 0x80; // a marked character
    select(0, 3);
    key('0' + big, false, true);
    for (std::uint32_t i = 0; i < 3; ++i) EXPECT_EQ(byte_at(i), big) << i;
    key(VK_LEFT);
    key('0', false, true); // nothing selected: a quick format does nothing
    EXPECT_EQ(byte_at(0), big);
    select(0, 1);
    SendMessageW(editor, EFM_APPLYFONTFAST, 99, 0); // no such entry
    EXPECT_EQ(byte_at(0), big);
    key('Z', false, true);
    EXPECT_EQ(byte_at(0), 0);
    EXPECT_EQ(byte_at(1), 0x80);
}

TEST_F(Formatting, ParagraphPartsGoUpToTheLastSelectedCharacter) {
    set_text(u"one\r\ntwo\r\nthree", 0);
    select(0, 5); // ends right after the first break
    SendMessageW(editor, EFM_APPLYPARA, 5, RGB(1, 2, 3));
    EXPECT_EQ(+para_at(0).ptShading, RGB(1, 2, 3));
    EXPECT_NE(+para_at(5).ptShading, RGB(1, 2, 3));
    select(2, 7);
    const std::uint32_t box[3] = {117, 9, RGB(0, 0, 255)};
    SendMessageW(editor, EFM_APPLYPARA, 1, reinterpret_cast<LPARAM>(box));
    for (std::uint32_t p : {0u, 5u}) {
        const TBorder b = para_at(p).ptBorder;
        EXPECT_EQ(+b.btLeft.beStyle, 25);
        EXPECT_EQ(+b.btTop.beStyle, 25);
        EXPECT_EQ(+b.btRight.beStyle, 26);
        EXPECT_EQ(+b.btBottom.beStyle, 26);
        EXPECT_EQ(+b.btBottom.beSpace, 5.0);
        EXPECT_EQ(+b.btBottom.beColor, RGB(0, 0, 255));
        EXPECT_NE(+para_at(p).ptShading, RGB(1, 2, 3)); // the whole format of the last paragraph
    }
    EXPECT_EQ(+para_at(10).ptBorder.btLeft.beStyle, 0);
    // One edge keeps the others.
    const std::uint32_t top[3] = {112, 3, RGB(9, 9, 9)};
    SendMessageW(editor, EFM_APPLYPARA, 1, reinterpret_cast<LPARAM>(top));
    EXPECT_EQ(+para_at(0).ptBorder.btTop.beStyle, 3);
    EXPECT_EQ(+para_at(0).ptBorder.btLeft.beStyle, 25);
    const std::uint32_t none[3] = {118, 0, 0};
    SendMessageW(editor, EFM_APPLYPARA, 1, reinterpret_cast<LPARAM>(none));
    EXPECT_EQ(+para_at(0).ptBorder.btTop.beStyle, 0);
}

TEST_F(Formatting, ABulletHangsFromItsIndentAndLeavesItWhenRemoved) {
    set_text(u"item", 0);
    TBullet& last = Internals(engine()).FSettings.LastBullet;
    last.blHanging = 1;
    last.blIndent = 0.25;
    last.blChar = 0xB7;
    SendMessageW(editor, EFM_APPLYPARA, 2, 1);
    TParaFormat p = para_at(0);
    EXPECT_EQ(+p.ptBullet.blPresent, 1);
    EXPECT_EQ(+p.ptIndent.inLeft, 0.25);
    EXPECT_EQ(+p.ptIndent.inFirst, -0.25);
    SendMessageW(editor, EFM_APPLYPARA, 2, 0);
    p = para_at(0);
    EXPECT_EQ(+p.ptBullet.blPresent, 0);
    EXPECT_EQ(+p.ptIndent.inLeft, 0.25);
    TIndent indent{0.5, 1.0, 0.0};
    SendMessageW(editor, EFM_APPLYPARA, 3, reinterpret_cast<LPARAM>(&indent));
    EXPECT_EQ(+para_at(0).ptIndent.inLeft, 1.0);
    // The paragraph format read back is laid out: the first line starts further right.
    EXPECT_GT(lines().Line(0)->FRegion.Left, 100);
}

TEST_F(Formatting, AlignmentWalksTheSameParagraphsAsFormats) {
    set_text(u"one\r\ntwo", 0);
    select(0, 5);
    key('R', false, true);
    EXPECT_EQ(Internals(engine()).FParas->GetParaAlign(0), 2);
    EXPECT_EQ(Internals(engine()).FParas->GetParaAlign(5), 0);
}

TEST_F(Formatting, ClearingFormatsKeepsAlignments) {
    const std::uint8_t big = add_font(30);
    set_text(u"ab\r\ncd", big);
    SendMessageW(editor, EFM_SETINDEX, 0, 5);
    TParaFormat shaded = para_at(0);
    shaded.ptShading = RGB(9, 9, 9);
    SendMessageW(editor, EFM_SETPARAFORMAT, 0, reinterpret_cast<LPARAM>(&shaded));
    key('E', false, true);
    ASSERT_EQ(SendMessageW(editor, EFM_GETPARACOUNT, 0, 0), 2);
    host->seen.clear();
    SendMessageW(editor, EFM_CLEARFORMATS, 0, 0);
    EXPECT_EQ(SendMessageW(editor, EFM_GETFONTCOUNT, 0, 0), 1);
    EXPECT_EQ(SendMessageW(editor, EFM_GETPARACOUNT, 0, 0), 1);
    EXPECT_EQ(byte_at(0), 0);
    EXPECT_EQ(Internals(engine()).FParas->GetParaAlign(5), 1);
    EXPECT_EQ(count(EFN_FORMATCHANGED), 1);
    EXPECT_LT(lines().Line(0)->LineHeight(), 30);
}

TEST_F(Formatting, EmptyParagraphsCollapseAndParagraphsGoByFormat) {
    set_text(u"a\r\n\r\n\r\n\r\nb", 0);
    SendMessageW(editor, EFM_DELETEDOUBLESPACEPARAS, 0, 0);
    EXPECT_EQ(text(), u"a\r\n\r\nb");
    EXPECT_EQ(lines().Count(), 3);
    TParaFormat shaded = para_at(0);
    shaded.ptShading = RGB(5, 5, 5);
    SendMessageW(editor, EFM_SETINDEX, 0, 0);
    SendMessageW(editor, EFM_SETPARAFORMAT, 0, reinterpret_cast<LPARAM>(&shaded));
    SendMessageW(editor, EFM_SETSELTEXT, 0, MAKELPARAM(4, 6)); // the caret at the end
    SendMessageW(editor, EFM_DELETEPARAS, Internals(engine()).FParas->GetParaAttr(0), 0);
    EXPECT_EQ(text(), u"\r\nb");
    EXPECT_EQ(Internals(engine()).edInfo.eiIndex, 3u); // the caret stays within the text
    EXPECT_FALSE(Internals(engine()).edInfo.eiSelecting);
}

TEST_F(Formatting, DeletedParagraphsTakeTheirPicturesAlong) {
    set_text(u"a\x01\r\nb\x01", 0);
    const std::uint8_t gone = add_picture(), kept = add_picture();
    Internals(engine()).FBuffer->FormatByte(1) = gone;
    Internals(engine()).FBuffer->FormatByte(5) = kept;
    TParaFormat shaded = para_at(0);
    shaded.ptShading = RGB(5, 5, 5);
    SendMessageW(editor, EFM_SETINDEX, 0, 0);
    SendMessageW(editor, EFM_SETPARAFORMAT, 0, reinterpret_cast<LPARAM>(&shaded));
    SendMessageW(editor, EFM_DELETEPARAS, Internals(engine()).FParas->GetParaAttr(0), 0);
    EXPECT_EQ(text(), u"b\x01");
    ASSERT_EQ(SendMessageW(editor, EFM_GETOBJECTCOUNT, 0, 0), 1);
    EXPECT_NE(Internals(engine()).FObjects->FindByID(kept), nullptr);
}

TEST_F(Formatting, TableAccessorsRefuseIdentifiersOutsideTheTable) {
    TCharFormat f{};
    f.ftHeight = 77;
    SendMessageW(editor, EFM_GETFONTTOREC, 5, reinterpret_cast<LPARAM>(&f));
    EXPECT_EQ(+f.ftHeight, 77);
    EXPECT_EQ(SendMessageW(editor, EFM_GETFONTITEM, 5, 0), 0);
    EXPECT_EQ(SendMessageW(editor, EFM_GETPARAITEM, -1, 0), 0);
    EXPECT_NE(SendMessageW(editor, EFM_GETFONTITEM, 0, 0), 0);
}

TEST_F(Formatting, WholeTableChangesLayTheDocumentOutAgain) {
    set_text(u"text", 0);
    const int before = lines().Line(0)->LineHeight();
    SendMessageW(editor, EFM_ENLARGEREDUCEFONT, 0, 10);
    EXPECT_GT(lines().Line(0)->LineHeight(), before);
    const std::uint8_t red = add_font(11);
    SendMessageW(editor, EFM_SETFONTCOLOR, red, RGB(255, 0, 0));
    SendMessageW(editor, EFM_SETMONOCHROME, 0, 0);
    EXPECT_EQ(SendMessageW(editor, EFM_GETFONTCOLOR, red, 0), 0);
}

} // namespace
} // namespace zeledit::test
