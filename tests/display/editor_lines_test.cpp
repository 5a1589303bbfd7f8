// The line list's positional access and height sums against a plain walk of the lines.
#include "display/editor_lines.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

namespace zeledit::display {
namespace {

model::TLineInfo info(std::uint32_t height, std::int16_t more = 0, std::uint32_t width = 10) {
    model::TLineInfo i;
    i.tmHeight = height;
    i.tmWidth = width;
    i.tmLineRegion.MoreHeight = more;
    return i;
}

// Lines at 0, 10, 20, ... with the given heights.
void fill(TEditorLines& lines, const std::vector<int>& heights) {
    for (std::size_t i = 0; i < heights.size(); ++i)
        lines.AppendLine(static_cast<std::uint32_t>(10 * i), info(static_cast<std::uint32_t>(heights[i])));
}

TEST(EditorLines, RecordsSaturateAndReadZeroHeightsAs16) {
    TEditorLines lines;
    lines.AppendLine(0, info(0, 0, 70000));
    lines.AppendLine(5, info(90000));
    EXPECT_EQ(lines.Line(0)->Width(), 65535);
    EXPECT_EQ(lines.Line(0)->LineHeight(), 16);
    EXPECT_EQ(lines.Line(1)->LineHeight(), 65535);
    EXPECT_EQ(lines.GetDocumentHeight(), 16 + 65535);
}

TEST(EditorLines, PositionsAndHeightsFollowEveryChange) {
    std::mt19937 random(3);
    TEditorLines lines;
    std::vector<int> heights;
    auto check = [&] {
        int sum = 0;
        for (std::size_t i = 0; i < heights.size(); ++i) {
            ASSERT_EQ(lines.GetAbsPos(static_cast<std::int32_t>(i)), sum) << i;
            sum += heights[i];
        }
        ASSERT_EQ(lines.GetDocumentHeight(), sum);
    };
    for (int round = 0; round < 200; ++round) {
        const auto action = random() % 3;
        if (action == 0 || heights.empty()) {
            const int h = 1 + static_cast<int>(random() % 40);
            lines.AppendLine(static_cast<std::uint32_t>(heights.size() * 10),
                             info(static_cast<std::uint32_t>(h)));
            heights.push_back(h);
        } else if (action == 1) {
            const auto k = static_cast<std::int32_t>(random() % heights.size());
            const int h = 1 + static_cast<int>(random() % 40), more = static_cast<int>(random() % 5);
            lines.SetInfo(k, lines.Line(k)->At,
                          info(static_cast<std::uint32_t>(h), static_cast<std::int16_t>(more)));
            heights[static_cast<std::size_t>(k)] = h + more;
        } else {
            const auto keep = static_cast<std::int32_t>(random() % heights.size());
            lines.FreeAfter(keep);
            heights.resize(static_cast<std::size_t>(keep) + 1);
        }
        check();
    }
    lines.FreeAll(); // through the plain list: the index is rebuilt
    heights.clear();
    check();
}

TEST(EditorLines, FindingLinesByHeight) {
    TEditorLines lines;
    fill(lines, {10, 20, 30, 40});
    EXPECT_EQ(lines.GetLineAtAbsPos(0), 0);
    EXPECT_EQ(lines.GetLineAtAbsPos(10), 0); // a boundary belongs to the upper line
    EXPECT_EQ(lines.GetLineAtAbsPos(11), 1);
    EXPECT_EQ(lines.GetLineAtAbsPos(1000), 3);
    lines.FTopLine = 2;
    EXPECT_EQ(lines.GetLineAtPoint(0), 2);
    EXPECT_EQ(lines.GetLineAtPoint(30), 2);
    EXPECT_EQ(lines.GetLineAtPoint(31), 3);
    EXPECT_EQ(lines.GetLineAtPoint(71), -1);
    EXPECT_EQ(lines.GetLineAtPoint(-1), 1);
    EXPECT_EQ(lines.GetLineAtPoint(-19), 1);
    EXPECT_EQ(lines.GetLineAtPoint(-20), 0); // line 1's top: the boundary goes up

    EXPECT_EQ(lines.GetLineAtPoint(-31), -1);
    EXPECT_EQ(lines.GetLineOnWindow(3), 30);
    EXPECT_EQ(lines.GetLineOnWindow(0), -30);
    EXPECT_EQ(lines.GetLineOnWindow(99), 30); // clamped to the last line
}

TEST(EditorLines, FindingLinesByTextPosition) {
    TEditorLines lines;
    fill(lines, {10, 10, 10});
    EXPECT_EQ(lines.GetLinePos(0), 0);
    EXPECT_EQ(lines.GetLinePos(10), 0); // a line's start belongs to the line before
    EXPECT_EQ(lines.GetLinePos(11), 1);
    EXPECT_EQ(lines.GetLinePos(1000), 2);
    lines.ShiftFrom(1, 5);
    EXPECT_EQ(lines.Line(1)->At, 15u);
    EXPECT_EQ(lines.GetLinePos(15), 0);
    EXPECT_EQ(lines.IndexOf(lines.Line(2)), 2);
}

} // namespace
} // namespace zeledit::display
