// Block identifiers and the packed format bytes.
#include "storage/document_identifiers.h"
#include "storage/format_runs.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

namespace zeledit::storage {
namespace {

TEST(Identifiers, EighteenValuesInSixFamilies) {
    int valid = 0;
    for (int v = 0; v <= 0xFFFF; ++v) valid += ValidVersion(static_cast<std::uint16_t>(v));
    EXPECT_EQ(valid, 18);
    EXPECT_EQ(FamilyOf(0xFEFF), 1);
    EXPECT_EQ(FamilyOf(0xFF02), 2);
    EXPECT_EQ(FamilyOf(0xFF05), 3);
    EXPECT_EQ(FamilyOf(0x0402), 4);
    EXPECT_EQ(FamilyOf(0x0603), 6);
    EXPECT_EQ(FamilyOf(0x1234), 5); // names no family
    int with_tables = 0;
    for (const auto& f : Families) with_tables += HasFormatTables(f.normal) + HasFormatTables(f.templ);
    EXPECT_EQ(with_tables, 12);
    for (const auto& f : Families) EXPECT_FALSE(HasFormatTables(f.uses_template));
}

TEST(Identifiers, EveryKindMapsToTheNewestFamily) {
    for (const auto& f : Families) {
        EXPECT_EQ(MapToFamily6(f.normal), NormalDocument);
        EXPECT_EQ(MapToFamily6(f.templ), TemplateDocument);
        EXPECT_EQ(MapToFamily6(f.uses_template), UsesTemplate);
    }
    EXPECT_EQ(MapToFamily6(0x0777), 0x0777);
}

std::vector<std::uint8_t> pack(const std::vector<std::uint8_t>& bytes) {
    std::vector<std::uint8_t> out(PackedSize(bytes));
    EXPECT_EQ(PackRuns(bytes, out.data()), out.size());
    return out;
}

TEST(FormatRuns, RunsAreCutAt255) {
    EXPECT_EQ(pack(std::vector<std::uint8_t>(600, 7)), (std::vector<std::uint8_t>{255, 7, 255, 7, 90, 7}));
    EXPECT_EQ(pack({1, 1, 2, 3, 3, 3}), (std::vector<std::uint8_t>{2, 1, 1, 2, 3, 3}));
    EXPECT_EQ(pack({0, 0}), (std::vector<std::uint8_t>{2, 0})); // an empty document's two positions
    EXPECT_TRUE(pack({}).empty());
}

TEST(FormatRuns, RandomRunsPackAsTheByteByByteDefinitionSays) {
    std::mt19937 random(7);
    for (int round = 0; round < 50; ++round) {
        std::vector<std::uint8_t> bytes;
        std::vector<std::uint8_t> expected;
        while (bytes.size() < 3000) {
            const auto value = static_cast<std::uint8_t>(random() % 3); // neighbours often repeat
            std::size_t length = 1 + random() % (round % 2 ? 600 : 20);
            bytes.insert(bytes.end(), length, value);
        }
        for (std::size_t at = 0; at < bytes.size();) {
            std::size_t run = 1;
            while (at + run < bytes.size() && run < 255 && bytes[at + run] == bytes[at]) ++run;
            expected.insert(expected.end(), {static_cast<std::uint8_t>(run), bytes[at]});
            at += run;
        }
        ASSERT_EQ(pack(bytes), expected) << round;
        ASSERT_EQ(PackedSize(bytes), expected.size());
    }
}

TEST(FormatRuns, UnpackingRoundTripsAndNeverOverflows) {
    std::vector<std::uint8_t> bytes(1000);
    for (std::size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<std::uint8_t>(i / 300 + (i % 7 == 0));
    std::vector<std::uint8_t> back(bytes.size(), 0xEE);
    ASSERT_TRUE(UnpackRuns(pack(bytes), back));
    EXPECT_EQ(back, bytes);
    std::vector<std::uint8_t> two(2, 0xEE);
    EXPECT_FALSE(UnpackRuns(std::vector<std::uint8_t>{3, 1}, two));      // one position too many
    EXPECT_FALSE(UnpackRuns(std::vector<std::uint8_t>{1, 1, 1}, two));   // not whole pairs
    ASSERT_TRUE(UnpackRuns(std::vector<std::uint8_t>{0, 9, 1, 4}, two)); // short: the rest is 0
    EXPECT_EQ(two, (std::vector<std::uint8_t>{4, 0}));
    // Runs written in whole chunks leave nothing behind past the last one.
    std::vector<std::uint8_t> wide(100, 0xEE);
    ASSERT_TRUE(UnpackRuns(std::vector<std::uint8_t>{5, 1, 17, 2, 3, 3}, wide));
    std::vector<std::uint8_t> expected(100, 0);
    std::fill_n(expected.begin(), 5, 1);
    std::fill_n(expected.begin() + 5, 17, 2);
    std::fill_n(expected.begin() + 22, 3, 3);
    EXPECT_EQ(wide, expected);
}

} // namespace
} // namespace zeledit::storage
