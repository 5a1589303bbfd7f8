// Line layout through the editor: breaking, tabs, spacing, borders, bullets and floated
// objects, with widths taken from the same font measurements the layout makes.
#include "e2e/layout_test.h"
#include "engine/editor_internals.h"
#include "model/device_metrics.h"
#include "objects/picture_object.h"
#include "platform/graphics_support/graphics_support.h"

namespace zeledit::test {
namespace {

TEST_F(Layout, AnEmptyDocumentIsOneLineOfTenPoints) {
    ASSERT_EQ(lines().Count(), 1);
    EXPECT_EQ(lines().Line(0)->LineHeight(), 13);
    EXPECT_EQ(lines().Line(0)->FBaseLine, 0);
    EXPECT_EQ(SendMessageW(editor, EFM_GETDOCUMENTHEIGHT, 0, 0), 13);
}

TEST_F(Layout, AnEmptyParagraphAfterALargeFontIsStillTenPoints) {
    const std::uint8_t big = add_font(72);
    set_text(u"A\r\n", big);
    ASSERT_EQ(lines().Count(), 2);
    EXPECT_GT(lines().Line(0)->LineHeight(), 72);
    EXPECT_EQ(lines().Line(1)->LineHeight(), 13);
    EXPECT_EQ(lines().Line(1)->At, 3u);
}

TEST_F(Layout, LinesBreakAfterTheSpaceThatFits) {
    const int band = width(u"abc d") + 1;
    editor = make_editor(band);
    set_text(u"abc def");
    ASSERT_EQ(lines().Count(), 2);
    EXPECT_EQ(lines().Line(0)->Width(), width(u"abc ")); // the space stays on the upper line
    EXPECT_EQ(lines().Line(1)->At, 4u);
    EXPECT_EQ(line_of(4), 0); // the start of a soft-wrapped line belongs to the line above
    EXPECT_EQ(line_of(5), 1);
}

TEST_F(Layout, AWordWiderThanTheLineBreaksInside) {
    editor = make_editor(width(u"abcde") + 1);
    set_text(u"abcdefghij");
    ASSERT_GE(lines().Count(), 2);
    // "e" fitted but moves down with "f", which did not; the width keeps all that fitted.
    EXPECT_EQ(lines().Line(1)->At, 4u);
    EXPECT_EQ(lines().Line(0)->Width(), width(u"abcde"));
}

TEST_F(Layout, AUnitWiderThanTheLineStaysAlone) {
    editor = make_editor(10); // narrower than the quarter-inch minimum
    const std::uint8_t big = add_font(72);
    set_text(u"WW", big);
    ASSERT_GE(lines().Count(), 2);
    EXPECT_EQ(lines().Line(1)->At, 1u);
    EXPECT_EQ(lines().Line(1)->GetLineLength(*Internals(engine()).FBuffer, 2), 1u);
}

TEST_F(Layout, TabsGoToTheNextStop) {
    para().ptIndent.inFirst = 0.6; // the tab starts 0.6 inch into the band
    set_text(u"\ty");
    EXPECT_EQ(lines().Line(0)->Width(), 96 + 5 - (5 + 58) + width(u"y"));
    para().ptIndent.inFirst = 24.6; // past 24.5 inches: the last entry, at 25
    set_text(u"\ty");
    EXPECT_EQ(lines().Line(0)->Width(), 2400 + 5 - (5 + 2362));
    EXPECT_EQ(lines().Line(1)->At, 1u); // the line was full at the stop
}

TEST_F(Layout, TextAfterARightOrDecimalTabAddsNoWidth) {
    for (std::uint8_t align : {2, 3}) {
        para().ptTabs.tabs[1].tbAlign = align;
        set_text(u"\tabc");
        EXPECT_EQ(lines().Line(0)->Width(), 48) << int(align);
    }
}

TEST_F(Layout, LineSpacingMultiplesAndFixedHeights) {
    set_text(u"text");
    const int single = lines().Line(0)->LineHeight();
    const int baseline = lines().Line(0)->FBaseLine;
    para().ptLineSpacing = 5 | 15u << 16; // 15 tenths
    set_text(u"text");
    EXPECT_EQ(lines().Line(0)->LineHeight(), model::RoundNearest(1.5 * single));
    para().ptLineSpacing = 5 | 3u << 16; // three times
    set_text(u"text");
    EXPECT_EQ(lines().Line(0)->LineHeight(), 3 * single);
    EXPECT_EQ(lines().Line(0)->FBaseLine, model::RoundNearest(3.0 * single * baseline / single));
    para().ptLineSpacing = 4 | 36u << 16; // exactly 36 points
    set_text(u"text");
    EXPECT_EQ(lines().Line(0)->LineHeight(), 48);
    para().ptLineSpacing = 3 | 6u << 16; // at least 6 points: the text is taller
    set_text(u"text");
    EXPECT_EQ(lines().Line(0)->LineHeight(), single);
}

TEST_F(Layout, SpacingBeforeAndAfterParagraphs) {
    set_text(u"one\r\ntwo");
    const int plain = lines().Line(0)->LineHeight();
    para().ptBefore = 12; // 16 pixels
    para().ptAfter = 6;   // 8 pixels
    set_text(u"one\r\ntwo");
    EXPECT_EQ(lines().Line(0)->LineHeight(), plain + 16 + 8);
    EXPECT_EQ(lines().Line(0)->TextHeight(), plain);
}

TEST_F(Layout, BoxedNeighboursShareTheirBorderSpacing) {
    TBorderEdge box{0x11, 6.0, 0};
    para().ptBorder = {box, box, box, box};
    set_text(u"alone");
    const int alone = lines().Line(0)->LineHeight();
    set_text(u"first\r\nsecond");
    const int text = lines().Line(0)->TextHeight();
    // Alone: 6 points (8 px) above and below, and 2 pen units for the box below.
    EXPECT_EQ(alone, text + 8 + 8 + 2);
    EXPECT_EQ(lines().Line(0)->LineHeight(), text + 8); // no spacing towards the second
    EXPECT_EQ(lines().Line(1)->LineHeight(), lines().Line(1)->TextHeight() + 8 + 2);
}

TEST_F(Layout, HangingBulletsStartAtTheLeftIndent) {
    para().ptIndent = {-0.5, 1.0, 0.0};
    set_text(u"bullet");
    EXPECT_EQ(lines().Line(0)->FRegion.Left, 5 + 96 - 48);
    para().ptBullet.blPresent = 1;
    para().ptBullet.blHanging = 1;
    set_text(u"bullet");
    EXPECT_EQ(lines().Line(0)->FRegion.Left, 5 + 96);
}

TEST_F(Layout, LoneLineEndsBreakLinesWithoutHidingText) {
    set_text(u"ab\ncd\ref");
    ASSERT_EQ(lines().Count(), 3);
    EXPECT_EQ(lines().Line(1)->At, 3u); // "c" follows the LF
    EXPECT_EQ(lines().Line(2)->At, 6u);
    EXPECT_FALSE(lines().Line(0)->IsFirstLine(*Internals(engine()).FBuffer) &&
                 lines().Line(1)->IsFirstLine(*Internals(engine()).FBuffer));
}

class FloatedLayout : public Layout {
protected:
    // A floated, text-wrapping picture anchored at the start, on the left.
    void add_float(int width_px, int height_px) {
        std::vector<std::uint32_t> argb(std::size_t(width_px) * height_px, 0xFF808080);
        TObjectInfo info{};
        info.oiStyle = objects::osPicture;
        info.oiID = Internals(engine()).FObjects->GetNewID();
        info.oiFloated = 1;
        info.oiWrapText = 1;
        Internals(engine()).FObjects->AddObject(std::make_unique<objects::TPictureObj>(
            &Internals(engine()).edInfo, info,
            platform::UniqueGlobal(platform::make_packed_dib(width_px, height_px, argb))));
        SendMessageW(editor, EFM_ENABLEFITOBJS, 0, 0);
    }
};

TEST_F(FloatedLayout, LinesBesideAnObjectStartPastIt) {
    add_float(100, 40);
    set_text(u"some words beside a picture that floats on the left of the text");
    const auto& o = *Internals(engine()).FObjects->Item(0);
    EXPECT_EQ(lines().Line(0)->FRegion.Left, o.Width());
    EXPECT_EQ(lines().Line(0)->FRegion.MoreHeight, 0);
}

TEST_F(FloatedLayout, ALineWithoutHalfAnInchBesideAnObjectGoesBelowIt) {
    editor = make_editor(140);
    add_float(120, 40);
    set_text(u"pushed");
    const auto& o = *Internals(engine()).FObjects->Item(0);
    EXPECT_EQ(lines().Line(0)->FRegion.MoreHeight, o.Position() + o.Height());
    EXPECT_EQ(SendMessageW(editor, EFM_GETDOCUMENTHEIGHT, 0, 0), lines().Line(0)->TotalHeight());
}

TEST_F(Layout, FormatsFromFilesWithHugeValuesLayOutWithoutOverflow) {
    // Found by fuzzing: indents of 1e300 inches overflowed the region arithmetic.
    para().ptIndent = {-1e300, 1e300, -1e300};
    para().ptTabs.tabs[1].tbPosition = 1e300;
    para().ptBorder.btTop = {1, 1e300, 0};
    para().ptBullet = {1, "Symbol", 183, 10, 0, 1, 1e300};
    set_text(u"a\tb c\r\nd");
    EXPECT_GE(lines().Count(), 1);
    Internals(engine()).edInfo.eiIndex = 2;
    engine().UpdateCaret();
    UpdateWindow(editor);
}

TEST_F(Layout, PrinterResolutionsScaleEveryConversion) {
    model::DotPerInchX = model::DotPerInchY = 600;
    para().ptBefore = 12;
    set_text(u"");
    EXPECT_EQ(lines().Line(0)->LineHeight(), model::RoundNearest(10 * 600 / 72.0) + 12 * 600 / 72);
    para().ptBefore = 0;
    set_text(u"\ty");
    EXPECT_EQ(lines().Line(0)->Width(), 300 + width(u"y")); // the half-inch stop
    model::DotPerInchX = model::DotPerInchY = 96;
}

TEST_F(Layout, RangesAndLinesInvalidateTheirBands) {
    editor = make_editor(width(u"word ") + 2);
    set_text(u"word word word word word");
    ASSERT_GE(lines().Count(), 4);
    ValidateRect(editor, nullptr);
    engine().UpdateRange(lines().Line(2)->At + 1, static_cast<std::int32_t>(lines().Line(1)->At + 1));
    RECT band{};
    ASSERT_TRUE(GetUpdateRect(editor, &band, FALSE));
    EXPECT_EQ(band.top, lines().GetAbsPos(1));
    EXPECT_EQ(band.bottom, lines().GetAbsPos(3));
    ValidateRect(editor, nullptr);
    engine().ValidateFromLine(2);
    ASSERT_TRUE(GetUpdateRect(editor, &band, FALSE));
    EXPECT_EQ(band.top, lines().GetAbsPos(2));
    // A line's record for painting: its values, where it stands and what it ends.
    lines().GetLineInfo(1, 40);
    const model::TLineInfo& info = Internals(engine()).edInfo.eiCurrentLine;
    EXPECT_EQ(info.tmIndex, lines().Line(1)->At);
    EXPECT_EQ(info.tmLength, 5u);
    EXPECT_FALSE(info.tmFirstLine);
    EXPECT_FALSE(info.tmBreakPara);
    EXPECT_EQ(info.tmParaRegion.bottom, 40 + lines().Line(1)->TotalHeight());
}

// A document given as a block: the format tables of an empty editor, then this text with
// every position in format 0.
LRESULT load_text(HWND w, std::u16string_view text) {
    HGLOBAL empty = reinterpret_cast<HGLOBAL>(SendMessageW(w, EFM_GETDATA, 0, 0));
    std::vector<std::uint8_t> block;
    {
        const auto* bytes = static_cast<const std::uint8_t*>(GlobalLock(empty));
        block.assign(bytes, bytes + 23 + 84 + 722);
        GlobalUnlock(empty);
    }
    GlobalFree(empty);
    const std::int32_t text_size = static_cast<std::int32_t>(2 * text.size() + 2);
    std::memcpy(block.data() + 2, &text_size, 4);
    const auto* units = reinterpret_cast<const std::uint8_t*>(text.data());
    block.insert(block.end(), units, units + 2 * text.size());
    block.insert(block.end(), {0, 0});
    std::vector<std::uint8_t> runs;
    for (std::size_t left = text.size() + 2; left > 0; left -= std::min<std::size_t>(left, 255))
        runs.insert(runs.end(), {static_cast<std::uint8_t>(std::min<std::size_t>(left, 255)), 0});
    const std::int32_t packed = static_cast<std::int32_t>(runs.size());
    std::memcpy(block.data() + 6, &packed, 4);
    block.insert(block.end(), runs.begin(), runs.end());
    HGLOBAL h = GlobalAlloc(GMEM_MOVEABLE, block.size());
    std::memcpy(GlobalLock(h), block.data(), block.size());
    GlobalUnlock(h);
    const LRESULT ok = SendMessageW(w, EFM_SETDATA, 0, reinterpret_cast<LPARAM>(h));
    GlobalFree(h);
    return ok;
}

TEST_F(Layout, HeightsAndLinesOfADocumentGivenThroughMessages) {
    ASSERT_EQ(load_text(editor, u"first"), 1);
    const LRESULT one = SendMessageW(editor, EFM_GETDOCUMENTHEIGHT, 0, 0);
    EXPECT_GT(one, 13);
    ASSERT_EQ(load_text(editor, u"first\r\nsecond"), 1);
    EXPECT_EQ(SendMessageW(editor, EFM_GETDOCUMENTHEIGHT, 0, 0), 2 * one);
    EXPECT_EQ(SendMessageW(editor, EFM_GETLINEOFINDEX, 0, 3), 0);
    EXPECT_EQ(SendMessageW(editor, EFM_GETLINEOFINDEX, 0, 7), 0); // the second line's start
    EXPECT_EQ(SendMessageW(editor, EFM_GETLINEOFINDEX, 0, 8), 1);
    EXPECT_EQ(SendMessageW(editor, EFM_GETLINEOFINDEX, 0, 500), 1);
    // Narrower, the window lays the text out again in more lines.
    ASSERT_EQ(load_text(editor, u"many short words that wrap when the window gets narrow"), 1);
    const LRESULT wide = SendMessageW(editor, EFM_GETDOCUMENTHEIGHT, 0, 0);
    SetWindowPos(editor, nullptr, 0, 0, 80, 300, SWP_NOZORDER | SWP_NOMOVE);
    EXPECT_GT(SendMessageW(editor, EFM_GETDOCUMENTHEIGHT, 0, 0), 2 * wide);
    EXPECT_EQ(SendMessageW(editor, EFM_REFRESH, 0, 0), 0);
    EXPECT_GT(lines().Count(), 2);
}

} // namespace
} // namespace zeledit::test
