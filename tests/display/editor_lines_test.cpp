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

// Lines inserted, removed, resized and moved anywhere in a long list, against a plain array:
// every way of finding a line agrees with a walk of the array.
TEST(EditorLines, ALongListFollowsEditsAnywhere) {
    std::mt19937 random(11);
    TEditorLines lines;
    struct Model {
        std::uint32_t at;
        int height;
    };
    std::vector<Model> model;
    for (std::uint32_t i = 0; i < 3000; ++i) {
        lines.AppendLine(10 * i, info(10));
        model.push_back({10 * i, 10});
    }
    for (int round = 0; round < 4000; ++round) {
        const auto k = static_cast<std::int32_t>(random() % model.size());
        const std::size_t ks = static_cast<std::size_t>(k);
        switch (random() % 4) {
        case 0: { // a line splits: the new one starts halfway
            const std::uint32_t end = ks + 1 < model.size() ? model[ks + 1].at : model[ks].at + 10;
            const std::uint32_t at = model[ks].at + (end - model[ks].at) / 2;
            if (at == model[ks].at) break;
            const int h = 5 + static_cast<int>(random() % 20);
            lines.InsertLine(k + 1, at, info(static_cast<std::uint32_t>(h)));
            model.insert(model.begin() + k + 1, {at, h});
            break;
        }
        case 1:
            if (model.size() < 2 || k == 0) break;
            lines.FreeLine(k);
            model.erase(model.begin() + k);
            break;
        case 2: { // typing or rubbing out in line k - 1: the later lines move
            const std::int64_t delta = static_cast<std::int64_t>(random() % 7) - 3;
            if (k == 0 || model[ks].at + delta <= model[ks - 1].at) break;
            lines.ShiftFrom(k, delta);
            for (std::size_t i = ks; i < model.size(); ++i)
                model[i].at = static_cast<std::uint32_t>(model[i].at + delta);
            break;
        }
        default: {
            const int h = 5 + static_cast<int>(random() % 20);
            lines.SetInfo(k, model[ks].at, info(static_cast<std::uint32_t>(h)));
            model[ks].height = h;
        }
        }
        if (round % 100 != 0) continue;
        ASSERT_EQ(lines.Count(), static_cast<std::int32_t>(model.size()));
        std::int32_t y = 0;
        for (std::size_t i = 0; i < model.size(); ++i) {
            const auto index = static_cast<std::int32_t>(i);
            ASSERT_EQ(lines.Line(index)->At, model[i].at) << "round " << round << " line " << i;
            ASSERT_EQ(lines.GetAbsPos(index), y) << "round " << round << " line " << i;
            ASSERT_EQ(lines.GetLinePos(model[i].at + 1), index);
            ASSERT_EQ(lines.GetLineAtAbsPos(y + 1), index);
            y += model[i].height;
        }
        ASSERT_EQ(lines.GetDocumentHeight(), y);
    }
}

} // namespace
} // namespace zeledit::display
