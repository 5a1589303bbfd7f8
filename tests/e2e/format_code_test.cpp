// Format code text written from and read into an editor window, as a host does with the
// two exports.
#include "e2e/editing_test.h"
#include "engine/editor_internals.h"

namespace zeledit::test {
namespace {

class FormatCode : public Editing {
protected:
    std::u16string written() {
        HGLOBAL block = docGetFormatCode(editor);
        if (block == nullptr) return u"<null>";
        std::u16string out(static_cast<const char16_t*>(GlobalLock(block)));
        GlobalUnlock(block);
        GlobalFree(block);
        return out;
    }
    void read(std::u16string_view code) {
        const std::u16string s(code);
        docReformatSpecText(editor, s.c_str());
    }
    const TCharFormat& font(std::uint32_t i) const {
        return Internals(engine())
            .FFonts->GetFormatItem(Internals(engine()).FBuffer->FormatAt(i))
            ->FAttributes;
    }
    std::uint8_t add(COLORREF colour, std::uint8_t attr = 0) {
        TCharFormat f = Internals(engine()).FSettings.FDefaultCharFormat;
        f.ftColor = colour;
        f.ftAttr = attr;
        return static_cast<std::uint8_t>(Internals(engine()).FFonts->AddFontFormat(&f));
    }
    void set_format(std::uint32_t from, std::uint32_t to, std::uint8_t id) {
        for (std::uint32_t i = from; i < to; ++i) Internals(engine()).FBuffer->FormatByte(i) = id;
    }
};

constexpr COLORREF red = RGB(255, 0, 0);

TEST_F(FormatCode, CodesComeInTheirOrderAndReadBackTheSame) {
    set_text(u"HelloWorld");
    set_format(5, 10, add(red, 1));
    EXPECT_EQ(written(), u"Hello~CFF0000~BWorld");
    read(written());
    EXPECT_EQ(text(), u"HelloWorld");
    EXPECT_EQ(+font(5).ftColor, red);
    EXPECT_EQ(font(5).ftAttr & 1, 1);
    EXPECT_EQ(+font(4).ftAttr, 0);
    EXPECT_EQ(written(), u"Hello~CFF0000~BWorld");
}

TEST_F(FormatCode, TheDefaultColourIsWrittenAsBlackAndBreaksReturnToTheDefaults) {
    set_text(u"aXb\\c\r\nd");
    set_format(1, 2, add(red));
    set_format(4, 5, add(0, 1)); // bold before the paragraph end
    EXPECT_EQ(written(), u"a~CFF0000X~C000000b\\~Bc~B\r\nd");
    set_text(u"ab");
    TCharFormat raised = Internals(engine()).FSettings.FDefaultCharFormat;
    raised.ftScript = 2; // no code stands for it: writing one would swallow the next letter
    set_format(1, 2, static_cast<std::uint8_t>(Internals(engine()).FFonts->AddFontFormat(&raised)));
    EXPECT_EQ(written(), u"ab");
    set_text(u"ab\x01\tc");
    EXPECT_EQ(written(), u"ab\tc"); // the object mark goes, the tab stays
    read(written());
    EXPECT_EQ(text(), u"abc"); // and the tab goes when read
}

TEST_F(FormatCode, EveryCodeIsReadAndOthersAreDropped) {
    read(u"a~Xb~/c~\\d");
    EXPECT_EQ(text(), u"ab~/c~\\d");
    read(u"~cff8000o~CZZ0000z~ii~uu~yy~-s~_l");
    EXPECT_EQ(text(), u"oziuysl");
    EXPECT_EQ(+font(0).ftColor, RGB(255, 128, 0));
    EXPECT_EQ(+font(1).ftColor, 0u);
    EXPECT_EQ(font(2).ftAttr & 2, 2);
    EXPECT_EQ(+font(3).ftUnderline, 1);
    EXPECT_EQ(+font(3).ftUnderlineColor, 0u);
    EXPECT_STREQ(font(4).ftFaceName, "Symbol");
    EXPECT_EQ(+font(5).ftScript, 1);
    EXPECT_EQ(+font(6).ftScript, -1);
    EXPECT_EQ(written(), u"~CFF8000o~C000000z~Ii~Uu~Yy~-s~_l");
}

TEST_F(FormatCode, NoCodeComesBetweenATildeAndItsSlash) {
    read(u"~Ya~\\b");
    EXPECT_EQ(text(), u"a~\\b");
    EXPECT_EQ(written(), u"~Ya~\\b");
}

TEST_F(FormatCode, TruncatedEndingsAndLongRunsAreReadSafely) {
    read(u"a~");
    EXPECT_EQ(text(), u"a");
    read(u"x~C12");
    EXPECT_EQ(text(), u"x");
    read(u"a\r");
    EXPECT_EQ(text(), u"a\r\n");
    const std::u16string long_run(2'500, u'w');
    read(long_run + u"\r\nend");
    EXPECT_EQ(text(), long_run + u"\r\nend");
    read(u"");
    EXPECT_EQ(written(), u"<null>");
    docReformatSpecText(editor, nullptr);
    EXPECT_EQ(text(), u"");
}

} // namespace
} // namespace zeledit::test
