// Incremental layout after random edits gives exactly the lines a full layout gives.
#include "e2e/layout_test.h"
#include "e2e/random_edits.h"
#include "engine/editor_internals.h"

#include <random>
#include <tuple>
#include <vector>

namespace zeledit::test {
namespace {

class IncrementalLayout : public Layout {
protected:
    std::unique_ptr<RandomEdits> edits;

    void SetUp() override {
        Layout::SetUp();
        editor = make_editor(260);
        const std::array<std::uint8_t, 3> fonts{0, add_font(18, 1), add_font(8, 0, 4)};
        para().ptIndent = {0.2, 0.1, 0.1};
        para().ptAfter = 4;
        edits = std::make_unique<RandomEdits>(editor, 20261209, fonts);
        edits->FillPieces(300);
    }
    std::uint32_t draw() { return edits->random(); }
    std::int32_t line_at(std::uint32_t p) { return lines().GetLinePos(p); }
};

TEST_F(IncrementalLayout, RandomEditsMatchAFullLayout) {
    for (int step = 0; step < 300; ++step) {
        edits->Step();
        ASSERT_FALSE(HasFatalFailure());
        const auto incremental = Snapshot(lines());
        engine().GetLines();
        ASSERT_EQ(incremental, Snapshot(lines()))
            << "step " << step << " kind " << edits->kind << " at " << edits->at;
    }
}

TEST_F(IncrementalLayout, TypingInALineWithRoomShiftsTheLinesBelow) {
    const std::int32_t count = lines().Count();
    // The last line of a paragraph with room to spare for one more letter.
    std::int32_t line = 0;
    while (line + 1 < count &&
           !(lines().IsEndOfPara(line) && lines().Line(line)->BandWidth() - lines().Line(line)->Width() > 40))
        ++line;
    ASSERT_LT(line + 1, count);
    std::vector<std::uint32_t> starts;
    for (std::int32_t i = line + 1; i < count; ++i) starts.push_back(lines().Line(i)->At);
    const std::uint32_t at = lines().Line(line)->At;
    ASSERT_TRUE(Internals(engine()).FBuffer->InsertChar(u"i", 0, 1, at));
    ASSERT_TRUE(engine().RepaintChar(line_at(at), 1));
    ASSERT_EQ(lines().Count(), count);
    for (std::int32_t i = line + 1; i < count; ++i)
        EXPECT_EQ(lines().Line(i)->At, starts[std::size_t(i - line - 1)] + 1) << i;
}

// Keys typed anywhere, as a user types them: what the window shows after each keystroke's
// partial repaint is what a full repaint shows.
TEST_F(IncrementalLayout, TypingPaintsWhatAFullRepaintPaints) {
    RECT client{};
    GetClientRect(editor, &client);
    const auto pixels = [&] {
        std::vector<std::uint32_t> out;
        for (int y = 0; y < client.bottom; ++y)
            for (int x = 0; x < client.right; ++x) out.push_back(headless::PixelAt(editor, x, y));
        return out;
    };
    const char16_t keys[] = {u'x', u'w', u' ', u'.', 8, 8, 13, u'\t'};
    for (int step = 0; step < 60; ++step) {
        if (step % 3 == 0)
            SendMessageW(editor, EFM_SETTOPINDEX, draw() % Internals(engine()).FBuffer->TextLength(), 0);
        // A place in view, so that the keystroke paints rather than scrolls.
        const std::uint32_t top = lines().Line(lines().FTopLine)->At;
        const std::uint32_t end = lines().Line(std::max(lines().FTopLine, lines().FBottomLine - 1))->At;
        const std::uint32_t at = top + draw() % (end - top + 1);
        SendMessageW(editor, EFM_SETINDEX, 0, static_cast<LPARAM>(at));
        headless::PumpMessages();
        SendMessageW(editor, WM_CHAR, keys[draw() % std::size(keys)], 0);
        headless::PumpMessages();
        const auto typed = pixels();
        InvalidateRect(editor, nullptr, TRUE);
        headless::PumpMessages();
        ASSERT_EQ(typed, pixels()) << "step " << step << " at " << at;
    }
}

} // namespace
} // namespace zeledit::test
