// Find and replace through the messages a host (or the find dialogs) sends.
#include "e2e/editing_test.h"
#include "engine/editor_internals.h"

namespace zeledit::test {
namespace {

class Find : public Editing {
protected:
    LRESULT find(std::u16string_view what, std::int32_t start = -1, std::uint8_t options = 0,
                 std::int32_t filter = -1) {
        const std::u16string text(what);
        TFindRecord r{start, text.c_str(), 1, options};
        return SendMessageW(editor, EFM_FIND, static_cast<WPARAM>(filter), reinterpret_cast<LPARAM>(&r));
    }
    LRESULT replace_all(std::u16string_view what, std::u16string_view with,
                        const TCharFormat* format = nullptr, std::int32_t filter = -1) {
        const std::u16string a(what), b(with);
        TReplaceAllRecord r{a.c_str(), b.c_str(), format, 0};
        return SendMessageW(editor, EFM_REPLACEALL, static_cast<WPARAM>(filter),
                            reinterpret_cast<LPARAM>(&r));
    }
    std::uint32_t caret() const { return Internals(engine()).edInfo.eiIndex; }
    bool selecting() const { return Internals(engine()).edInfo.eiSelecting; }
    TCharFormat bold() const {
        TCharFormat f = Internals(engine()).FFonts->GetFormatItem(0)->FAttributes;
        f.ftAttr = 1;
        return f;
    }
    bool bold_at(std::uint32_t i) const {
        return (Internals(engine())
                    .FFonts->GetFormatItem(Internals(engine()).FBuffer->FormatAt(i))
                    ->FAttributes.ftAttr &
                1) != 0;
    }
};

TEST_F(Find, CaseFollowsTheCaseTableUnlessItMustMatch) {
    set_text(u"Hà Nội, HÀ NỘI, hà nội");
    EXPECT_EQ(find(u"hà nội", 1), 8);
    EXPECT_EQ(selected(), u"HÀ NỘI");
    EXPECT_EQ(find(u"hà nội", 1, efoMatchCase), 16);
    EXPECT_EQ(find(u"HÀ", 0, efoMatchCase), 8);
}

TEST_F(Find, AnOccurrenceAcrossLongStretchesOfTextIsFound) {
    std::u16string text(70'000, u'x');
    text.replace(65'535, 2, u"Ab"); // across the first 64 K units the search lowers at once
    set_text(text);
    EXPECT_EQ(find(u"aB", 0), 65'535);
    EXPECT_EQ(find(u"aB", 65'536), -1);
}

TEST_F(Find, WholeWordsEndAtBoundariesNotAtDigitsOrHyphens) {
    set_text(u"cathedral cat9 cat-x cat. cat");
    EXPECT_EQ(find(u"cat", 0, efoWholeWord), 21);  // the full stop is a boundary
    EXPECT_EQ(find(u"cat", -1, efoWholeWord), 26); // at the very end
    EXPECT_EQ(find(u"cat", -1, efoWholeWord), -1);
    EXPECT_EQ(find(u"cat", 0), 0);
}

TEST_F(Find, TheFormatFilterTakesTheWholeByte) {
    const std::uint8_t b = add_font(12, 1);
    set_text(u"word word word");
    for (std::uint32_t i = 5; i < 9; ++i) Internals(engine()).FBuffer->FormatByte(i) = b;
    Internals(engine()).FBuffer->FormatByte(10) = static_cast<std::uint8_t>(b | 0x80); // marked
    EXPECT_EQ(find(u"word", 0, 0, b), 5);
    EXPECT_EQ(find(u"word", -1, 0, b), -1);
}

TEST_F(Find, NothingFoundSendsTheCaretToTheEndAndTheNextSearchToTheTop) {
    set_text(u"one two one");
    EXPECT_EQ(find(u"one", 1), 8);
    EXPECT_EQ(find(u"one"), -1);
    EXPECT_FALSE(selecting());
    EXPECT_EQ(caret(), 11u);
    EXPECT_EQ(find(u"one"), 0);
    // Positions past the text and empty searches find nothing and move nothing.
    EXPECT_EQ(find(u"one", 12), -1);
    EXPECT_EQ(find(u""), -1);
    EXPECT_TRUE(selecting());
}

TEST_F(Find, AFormatRunStopsAtObjectsBreaksAndOtherFormats) {
    const std::uint8_t b = add_font(12, 1);
    set_text(u"ab cd\x01"
             u"ef\r\ngh");
    for (std::uint32_t i : {1u, 2u, 3u, 4u, 6u, 7u, 10u}) Internals(engine()).FBuffer->FormatByte(i) = b;
    Internals(engine()).FBuffer->FormatByte(5) = add_picture();
    char16_t run[4]{};
    TFindFormatRecord r{0, run, 1, 4};
    EXPECT_EQ(SendMessageW(editor, EFM_FINDFORMAT, b, reinterpret_cast<LPARAM>(&r)), 1);
    EXPECT_EQ(selected(), u"b cd");
    EXPECT_EQ(std::u16string(run), u"b c"); // the buffer keeps room for its zero
    r.Start = -1;
    EXPECT_EQ(SendMessageW(editor, EFM_FINDFORMAT, b, reinterpret_cast<LPARAM>(&r)), 6);
    EXPECT_EQ(selected(), u"ef");
    EXPECT_EQ(SendMessageW(editor, EFM_FINDFORMAT, b, reinterpret_cast<LPARAM>(&r)), 10);
    EXPECT_EQ(SendMessageW(editor, EFM_FINDFORMAT, b, reinterpret_cast<LPARAM>(&r)), -1);
    EXPECT_EQ(caret(), 12u);
}

TEST_F(Find, AParagraphIsSelectedWithoutItsBreak) {
    set_text(u"first\r\nsecond\r\nthird");
    SendMessageW(editor, EFM_SETINDEX, 0, 9);
    TParaFormat shaded = para(0);
    shaded.ptShading = RGB(1, 2, 3);
    SendMessageW(editor, EFM_SETPARAFORMAT, 0, reinterpret_cast<LPARAM>(&shaded));
    const std::uint8_t id = Internals(engine()).FParas->GetParaAttr(9);
    ASSERT_NE(id, 0);
    EXPECT_EQ(SendMessageW(editor, EFM_FINDPARA, id, 0), 1);
    EXPECT_EQ(selected(), u"second");
    EXPECT_EQ(SendMessageW(editor, EFM_FINDPARA, 0, 0), 1);
    EXPECT_EQ(selected(), u"first");
    EXPECT_EQ(SendMessageW(editor, EFM_FINDPARA, 0, 16), 1); // the last paragraph
    EXPECT_EQ(selected(), u"third");
    EXPECT_EQ(SendMessageW(editor, EFM_FINDPARA, id, 16), 0);
    EXPECT_EQ(SendMessageW(editor, EFM_FINDPARA, 0, 99), 0);
}

TEST_F(Find, ReplacingTakesTheFollowingFormatOrTheOneGivenAndUndoes) {
    set_text(u"old text");
    ASSERT_EQ(find(u"old", 0), 0);
    const TCharFormat f = bold();
    TReplaceRecord r{u"brand new", &f};
    SendMessageW(editor, EFM_REPLACEWITH, 0, reinterpret_cast<LPARAM>(&r));
    EXPECT_EQ(text(), u"brand new text");
    EXPECT_EQ(selected(), u"brand new");
    EXPECT_TRUE(bold_at(0));
    EXPECT_FALSE(bold_at(10));
    EXPECT_GE(count(EFN_CHANGED), 1);
    key('Z', false, true);
    EXPECT_EQ(text(), u"old text");

    ASSERT_EQ(find(u"text", 0), 4);
    r = {u"", &f}; // a format alone keeps the text
    SendMessageW(editor, EFM_REPLACEWITH, 0, reinterpret_cast<LPARAM>(&r));
    EXPECT_EQ(text(), u"old text");
    EXPECT_TRUE(bold_at(5));
    EXPECT_FALSE(selecting());
    ASSERT_EQ(find(u"old ", 0), 0);
    r = {u"", nullptr}; // nothing at all deletes
    SendMessageW(editor, EFM_REPLACEWITH, 0, reinterpret_cast<LPARAM>(&r));
    EXPECT_EQ(text(), u"text");
}

TEST_F(Find, ReplaceAllStartsAtTheCaretAndNeverRevisitsItsWork) {
    set_text(u"a b a b a");
    SendMessageW(editor, EFM_SETINDEX, 0, 1);
    EXPECT_EQ(replace_all(u"a", u"aa"), 2);
    EXPECT_EQ(text(), u"a b aa b aa");
    const TCharFormat f = bold();
    SendMessageW(editor, EFM_SETINDEX, 0, 0);
    EXPECT_EQ(replace_all(u"aa", u"", &f), 2); // ends at the text's end and stops there
    EXPECT_TRUE(bold_at(10));
    EXPECT_FALSE(bold_at(0));
    const std::uint8_t b = Internals(engine()).FBuffer->FormatAt(10);
    SendMessageW(editor, EFM_SETINDEX, 0, 0);
    EXPECT_EQ(replace_all(u"", u"x", nullptr, b), 0); // no text and no format: nothing
    EXPECT_EQ(replace_all(u"", u"", &f, b), 2);       // runs of a format, given that same format
    SendMessageW(editor, EFM_SETINDEX, 0, 0);
    EXPECT_EQ(replace_all(u"", u"B", &f, b), 2);
    EXPECT_EQ(text(), u"a b B b B");
}

TEST_F(Find, ReplaceAllIsOneUndoStep) {
    set_text(u"một hai một ba một");
    SendMessageW(editor, EFM_SETINDEX, 0, 0);
    const int steps = Internals(engine()).FUndoObj->Count();
    EXPECT_EQ(replace_all(u"một", u"bốn"), 3);
    EXPECT_EQ(text(), u"bốn hai bốn ba bốn");
    EXPECT_EQ(Internals(engine()).FUndoObj->Count(), steps + 1);
    engine().Undo();
    EXPECT_EQ(text(), u"một hai một ba một");
    EXPECT_EQ(replace_all(u"năm", u"sáu"), 0); // nothing found: no step
    EXPECT_EQ(Internals(engine()).FUndoObj->Count(), steps);
    // Later edits record their own steps again.
    set_text(u"ab");
    SendMessageW(editor, EFM_SETSELTEXT, 0, MAKELPARAM(0, 1));
    SendMessageW(editor, WM_COMMAND, EFC_BOLD, 0);
    EXPECT_EQ(Internals(engine()).FUndoObj->Count(), steps + 1);
}

// Replace all makes its replacements in one go; a host alternating find and replace makes
// them one at a time. Both must leave the same text, formats, caret and notifications.
class ReplaceAllAtOnce : public Find {
protected:
    struct Case {
        std::u16string text;
        std::uint32_t bold_from, bold_to; // a bold stretch, for the formats replacements take
        std::uint32_t caret;
        std::u16string what, with;
        std::uint8_t options = 0;
        bool filter_bold = false;
    };
    struct Outcome {
        std::int64_t count;
        std::u16string text;
        std::vector<std::uint8_t> formats;
        std::uint32_t caret;
        bool selecting;
        int buffer_changes;
        bool operator==(const Outcome&) const = default;
    };
    std::int32_t prepare(const Case& c) {
        set_text(c.text);
        std::int32_t filter = -1;
        if (c.bold_to > c.bold_from) {
            SendMessageW(editor, EFM_SETSELTEXT, 0, MAKELPARAM(c.bold_from, c.bold_to));
            SendMessageW(editor, WM_COMMAND, EFC_BOLD, 0);
            if (c.filter_bold) filter = Internals(engine()).FBuffer->FormatByte(c.bold_from);
        }
        SendMessageW(editor, EFM_SETSELTEXT, 0, MAKELPARAM(c.caret, c.caret)); // no selection
        SendMessageW(editor, EFM_SETINDEX, 0, c.caret);
        return filter;
    }
    Outcome outcome(std::int64_t replaced, int changes_before) const {
        const auto& b = *Internals(engine()).FBuffer;
        std::vector<std::uint8_t> formats;
        for (std::uint32_t i = 0; i <= b.TextLength(); ++i) formats.push_back(b.FormatByte(i));
        return {replaced, text(), formats, caret(), selecting(), count(EFN_BUFFERCHANGED) - changes_before};
    }
    Outcome at_once(const Case& c) {
        const std::int32_t filter = prepare(c);
        const int before = count(EFN_BUFFERCHANGED);
        TReplaceAllRecord r{c.what.c_str(), c.with.c_str(), nullptr, c.options};
        const LRESULT n =
            SendMessageW(editor, EFM_REPLACEALL, static_cast<WPARAM>(filter), reinterpret_cast<LPARAM>(&r));
        return outcome(n, before);
    }
    Outcome one_by_one(const Case& c) {
        const std::int32_t filter = prepare(c);
        const int before = count(EFN_BUFFERCHANGED);
        std::int64_t n = 0;
        while (find(c.what, -1, c.options, filter) >= 0) {
            TReplaceRecord r{c.with.c_str(), nullptr};
            SendMessageW(editor, EFM_REPLACEWITH, 0, reinterpret_cast<LPARAM>(&r));
            ++n;
        }
        return outcome(n, before);
    }
};

TEST_F(ReplaceAllAtOnce, LeavesWhatReplacingOneByOneLeaves) {
    const Case cases[] = {
        {u"aa aa aaa aa", 0, 0, 0, u"aa", u"b", efoWholeWord},
        // The second match is a whole word only after the first one's replacement.
        {u".a.a ", 0, 0, 0, u".a", u"b.", efoWholeWord},
        {u".a.a ", 0, 0, 0, u".a", u"b", efoWholeWord},
        // Replacements take the format of what follows them, or before a paragraph end what precedes.
        {u"ab\r\ncd ab", 5, 7, 0, u"ab", u"XY"},
        {u"x cdab\r\nab", 2, 4, 0, u"ab", u"XY"},
        {u"cdab", 0, 2, 0, u"ab", u""},
        {u"Việt VIỆT việt Viet", 5, 9, 0, u"việt", u"Nam"},
        {u"Việt VIỆT việt", 0, 0, 0, u"việt", u"Nam", efoMatchCase},
        {u"ab ab ab ab", 0, 0, 4, u"ab", u"c"},  // from the caret
        {u"ab ab ab ab", 0, 0, 11, u"ab", u"c"}, // a caret at the end starts at the top
        {u"ab ab ab", 3, 5, 0, u"ab", u"Z", 0, true},
        {u"a a a", 0, 0, 0, u"a", u"aa"},
        {u"a-b-c", 0, 0, 0, u"-", u""},
        {u"xx", 0, 0, 0, u"x", u""},
        {u"one\ttwo one", 0, 3, 0, u"one", u"\t1\t"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.text.begin(), c.text.end()));
        const Outcome fast = at_once(c), slow = one_by_one(c);
        EXPECT_EQ(fast.count, slow.count);
        EXPECT_EQ(fast.text, slow.text);
        EXPECT_EQ(fast.formats, slow.formats);
        EXPECT_EQ(fast.caret, slow.caret);
        EXPECT_EQ(fast.selecting, slow.selecting);
        EXPECT_EQ(fast.buffer_changes, slow.buffer_changes);
    }
}

TEST_F(ReplaceAllAtOnce, LinksMoveWithTheTextAndUndoTakesTheWholeRunBack) {
    set_text(u"ab link ab ab");
    Internals(engine()).FLinks->SetHyperLinkAt(3, 7, u"", 0, "https://example.org");
    SendMessageW(editor, EFM_SETINDEX, 0, 0);
    EXPECT_EQ(replace_all(u"ab", u"long"), 3);
    EXPECT_EQ(text(), u"long link long long");
    const auto* link = Internals(engine()).FLinks->Item(0);
    ASSERT_NE(link, nullptr);
    EXPECT_EQ(+link->Info.ikStart, 5);
    EXPECT_EQ(+link->Info.ikEnd, 9);
    EXPECT_EQ(caret(), text().size()); // as after a search that found nothing
    engine().Undo();
    EXPECT_EQ(text(), u"ab link ab ab");
}

} // namespace
} // namespace zeledit::test
