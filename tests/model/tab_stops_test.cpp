// The user's tab stops as the tab dialog sets and clears them.
#include "model/format_conversion.h"
#include "model/tab_stops.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <vector>

namespace zeledit::test {
namespace {

using model::ClearTabStop;
using model::SetTabStop;

class TabStops : public ::testing::Test {
protected:
    void SetUp() override { model::DefaultTabs(tabs); }
    std::vector<double> user() const {
        std::vector<double> out;
        for (const TTab& t : tabs.tabs)
            if (t.tbDefault == 0) out.push_back(double{t.tbPosition}); // a packed field, copied
        return out;
    }
    // The first default stop and the spacing of all the defaults after it.
    double first_default() const {
        for (int i = 0; i < TabCount; ++i)
            if (tabs.tabs[i].tbDefault != 0) {
                for (int j = i + 1; j < TabCount; ++j)
                    EXPECT_DOUBLE_EQ(tabs.tabs[j].tbPosition - tabs.tabs[j - 1].tbPosition, 0.5) << j;
                return tabs.tabs[i].tbPosition;
            }
        return -1;
    }
    TTabArray tabs{};
};

TEST_F(TabStops, UserStopsStandFirstInOrderWithDefaultsAfterTheLast) {
    ASSERT_TRUE(SetTabStop(tabs, 1.0, 2, 1));
    ASSERT_TRUE(SetTabStop(tabs, 0.5, 0, 0));
    EXPECT_EQ(user(), (std::vector<double>{0.5, 1.0}));
    EXPECT_DOUBLE_EQ(first_default(), 1.5);
    EXPECT_EQ(+tabs.tabs[1].tbAlign, 2); // the stop at 1.0 kept its own settings
    EXPECT_EQ(+tabs.tabs[1].tbLeader, 1);
    // The half inch nearest the last user stop, then one more.
    ASSERT_TRUE(SetTabStop(tabs, 2.2, 0, 0));
    EXPECT_DOUBLE_EQ(first_default(), 2.5);
    ASSERT_TRUE(SetTabStop(tabs, 2.3, 0, 0));
    EXPECT_DOUBLE_EQ(first_default(), 3.0);
}

TEST_F(TabStops, APositionEqualToThreeDecimalsChangesTheExistingStop) {
    SetTabStop(tabs, 1.0, 0, 0);
    ASSERT_TRUE(SetTabStop(tabs, 1.0004, 3, 2));
    EXPECT_EQ(user(), (std::vector<double>{1.0}));
    EXPECT_EQ(+tabs.tabs[0].tbAlign, 3);
    EXPECT_EQ(+tabs.tabs[0].tbLeader, 2);
    EXPECT_TRUE(model::SameTabPosition(1.0, 1.0004));
    EXPECT_FALSE(model::SameTabPosition(1.0, 1.0006));
}

TEST_F(TabStops, ClearingTheLastUserStopResetsTheArray) {
    SetTabStop(tabs, 1.0, 0, 0);
    SetTabStop(tabs, 0.5, 0, 0);
    ASSERT_TRUE(ClearTabStop(tabs, 1.0));
    EXPECT_EQ(user(), (std::vector<double>{0.5}));
    EXPECT_FALSE(ClearTabStop(tabs, 1.0)); // gone already
    ASSERT_TRUE(ClearTabStop(tabs, 0.5));
    TTabArray fresh{};
    model::DefaultTabs(fresh);
    for (int i = 0; i < TabCount; ++i) {
        EXPECT_DOUBLE_EQ(tabs.tabs[i].tbPosition, fresh.tabs[i].tbPosition) << i;
        EXPECT_EQ(+tabs.tabs[i].tbDefault, 1) << i;
    }
}

TEST_F(TabStops, AFullArrayDropsItsLastStopAndBadPositionsAreRefused) {
    for (int i = 1; i <= TabCount; ++i) ASSERT_TRUE(SetTabStop(tabs, 0.25 * i, 0, 0));
    EXPECT_EQ(user().size(), std::size_t(TabCount));
    ASSERT_TRUE(SetTabStop(tabs, 0.1, 0, 0));
    EXPECT_EQ(user().front(), 0.1);
    EXPECT_EQ(user().back(), 0.25 * (TabCount - 1)); // the last one dropped out
    const TTabArray before = tabs;
    for (double bad : {0.0, -1.0, 1e9, std::nan("")}) EXPECT_FALSE(SetTabStop(tabs, bad, 0, 0)) << bad;
    EXPECT_EQ(std::memcmp(&before, &tabs, sizeof tabs), 0);
}

} // namespace
} // namespace zeledit::test
