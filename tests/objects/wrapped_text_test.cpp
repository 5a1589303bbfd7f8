// The wrapped text output of text boxes: where lines break, how they align, and that a word
// too wide for the box still shows.
#include "objects/wrapped_text.h"
#include "platform/gdi/scoped_gdi.h"
#include "support/surface.h"

#include <zeledit/headless.h>

#include <gtest/gtest.h>

namespace zeledit::test {
namespace {

using objects::WrapAlign;
using objects::WrappedTextOut;

class WrappedText : public ::testing::Test {
protected:
    void SetUp() override {
        headless::Reset();
        surface = std::make_unique<Surface>(300, 200);
        LOGFONTW lf{};
        lf.lfHeight = -16;
        std::u16string_view(u"Liberation Sans").copy(lf.lfFaceName, 15);
        font.reset(CreateFontIndirectW(&lf));
        SelectObject(surface->dc(), font.get());
        TEXTMETRICW tm{};
        GetTextMetricsW(surface->dc(), &tm);
        line = tm.tmHeight;
    }
    int measure(std::u16string_view text, int width) {
        return WrappedTextOut(surface->dc(), {0, 0, width, 400}, text, WrapAlign::MeasureOnly);
    }
    int width_of(std::u16string_view text) {
        SIZE s{};
        GetTextExtentPoint32W(surface->dc(), text.data(), static_cast<int>(text.size()), &s);
        return s.cx;
    }
    // The rightmost column with ink in the rows of the given line.
    int right_ink(int line_index) {
        int right = -1;
        for (int y = line_index * line; y < (line_index + 1) * line; ++y)
            for (int x = 0; x < 300; ++x)
                if (surface->at(x, y) != RGB(255, 255, 255)) right = std::max(right, x);
        return right;
    }

    void TearDown() override {
        font.reset();
        surface.reset();
    }

    std::unique_ptr<Surface> surface; // made after the reset, which would take its DC
    platform::UniqueGdi<HFONT> font;
    int line = 1;
};

TEST_F(WrappedText, LinesBreakAtSpacesAndParagraphsAtCarriageReturns) {
    EXPECT_EQ(measure(u"", 200), 0);
    EXPECT_EQ(measure(u"một dòng", 200), line);
    EXPECT_EQ(measure(u"hai\rdòng", 200), 2 * line);
    EXPECT_EQ(measure(u"hai\n dòng", 200), line);                  // a line feed is skipped
    EXPECT_EQ(measure(std::u16string(u"cut\0off", 7), 200), line); // the text ends at a zero unit
    const int word = width_of(u"word ");
    EXPECT_EQ(measure(u"word word word word", word * 2 + 2), 2 * line);
    EXPECT_EQ(measure(u"word word word word", word - 4), 4 * line);
}

TEST_F(WrappedText, AWordWiderThanTheBoxTakesOneLineOfItsOwn) {
    const int narrow = width_of(u"ab");
    EXPECT_EQ(measure(u"abcdefghijkl", narrow), line); // no empty line before it
    EXPECT_EQ(measure(u"ab abcdefghijkl ab", narrow + 8), 3 * line);
}

TEST_F(WrappedText, WideCharactersBreakWithoutSpaces) {
    const std::u16string cjk(12, u'\u4E2D');
    const int one = width_of(u"\u4E2D");
    EXPECT_EQ(measure(cjk, one * 4 + 2), 3 * line);
}

TEST_F(WrappedText, AlignmentsPlaceEachLine) {
    const std::u16string text = u"aa bb cccccccccc dd";
    WrappedTextOut(surface->dc(), {0, 0, 120, 200}, text, WrapAlign::Left);
    const int ragged = right_ink(0);
    surface = std::make_unique<Surface>(300, 200);
    SelectObject(surface->dc(), font.get());
    WrappedTextOut(surface->dc(), {0, 0, 120, 200}, text, WrapAlign::Justify);
    const int lines = measure(text, 120) / line;
    ASSERT_GE(lines, 2);
    ASSERT_LT(ragged, 112);               // room to spread
    EXPECT_GE(right_ink(0), 116);         // a justified line reaches the right edge
    EXPECT_LT(right_ink(lines - 1), 112); // but not the paragraph's last
    const RECT box{0, 0, 200, 200};
    Surface left(300, 200), right(300, 200);
    SelectObject(left.dc(), font.get());
    SelectObject(right.dc(), font.get());
    WrappedTextOut(left.dc(), box, u"aa", WrapAlign::Left);
    WrappedTextOut(right.dc(), box, u"aa", WrapAlign::Right);
    EXPECT_EQ(left.at(0, 0), RGB(255, 255, 255)); // the surfaces start white
    int left_edge = 300, right_edge = -1;
    for (int y = 0; y < line; ++y)
        for (int x = 0; x < 300; ++x) {
            if (left.at(x, y) != RGB(255, 255, 255)) left_edge = std::min(left_edge, x);
            if (right.at(x, y) != RGB(255, 255, 255)) right_edge = std::max(right_edge, x);
        }
    EXPECT_LT(left_edge, 4);
    EXPECT_GT(right_edge, 190);
    EXPECT_LT(right_edge, 200); // clipped to the box
}

} // namespace
} // namespace zeledit::test
