// The small rules of the line walk: underline depths, tab stops, break-anywhere units.
#include "display/line_layout.h"
#include "model/device_metrics.h"

#include <gtest/gtest.h>

namespace zeledit::display {
namespace {

TEST(LineRules, UnderlineStylesTakeTheirDepth) {
    for (int style : {1, 5, 7, 9, 11, 13}) EXPECT_EQ(UnderlineThickness(style, 3), 3) << style;
    EXPECT_EQ(UnderlineThickness(3, 3), 1 + 6);
    EXPECT_EQ(UnderlineThickness(14, 1), 1 + 2); // half is at least 1
    EXPECT_EQ(UnderlineThickness(4, 5), 6);
    for (int style : {0, 2, 6, 8, 10, 12, 15}) EXPECT_EQ(UnderlineThickness(style, 3), 0) << style;
}

TEST(LineRules, TabStopsAreSearchedOverTheFirstFiftyEntries) {
    TTabArray tabs{};
    for (int i = 0; i < TabCount; ++i) tabs.tabs[i] = TTab{0.5 * i, 0, 0, 1};
    EXPECT_EQ(TabStopAt(-1, tabs), 0);
    EXPECT_EQ(TabStopAt(0, tabs), 1);
    EXPECT_EQ(TabStopAt(47, tabs), 1);
    EXPECT_EQ(TabStopAt(48, tabs), 2); // equal is not right of x
    EXPECT_EQ(TabStopAt(2352, tabs), 50);
    tabs.tabs[49].tbPosition = 100.0; // entries past 49 are never searched
    EXPECT_EQ(TabStopAt(2352, tabs), 49);
    model::DotPerInchX = 600;
    EXPECT_EQ(TabStopAt(299, tabs), 1);
    EXPECT_EQ(TabStopAt(300, tabs), 2);
    model::DotPerInchX = 96;
}

TEST(LineRules, BreakAnywhereUnitsAreTheIdeographRange) {
    EXPECT_FALSE(IsBreakAnywhere(0x2FFF));
    EXPECT_TRUE(IsBreakAnywhere(0x3000));
    EXPECT_TRUE(IsBreakAnywhere(0x4E00));
    EXPECT_TRUE(IsBreakAnywhere(64045));
    EXPECT_FALSE(IsBreakAnywhere(64046));
}

} // namespace
} // namespace zeledit::display
