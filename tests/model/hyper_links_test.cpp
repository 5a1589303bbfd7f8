// Hyperlinks and comments: following the text, replacing ranges, and their stored form.
#include "model/hyper_links.h"

#include <gtest/gtest.h>

#include <cstring>
#include <utility>
#include <vector>

namespace zeledit::model {
namespace {

using Range = std::pair<int, int>;

std::vector<Range> ranges(const THyperLinks& links) {
    std::vector<Range> out;
    for (TItemNode* n = links.Head(); n != nullptr; n = n->NextItem) {
        const auto& info = static_cast<TLinkItem*>(n)->Info;
        out.emplace_back(info.ikStart, info.ikEnd);
    }
    return out;
}

std::vector<std::uint8_t> stored(THyperLinks& links) {
    std::vector<std::uint8_t> bytes(links.GetDataSize());
    EXPECT_EQ(links.SaveTo(bytes.data(), 0), bytes.size());
    return bytes;
}

TEST(HyperLinks, InsertionsExtendAtTheEdgesAndMoveWhatFollows) {
    THyperLinks links;
    links.SetHyperLinkAt(5, 10, u"", 7, "target");
    links.UpdateAt(5, 2);  // at the start: extends
    links.UpdateAt(12, 1); // at the end: extends
    links.UpdateAt(0, 3);  // before: moves
    EXPECT_EQ(ranges(links), (std::vector<Range>{{8, 16}}));
}

TEST(HyperLinks, DeletionsShrinkAndRemoveEmptiedRanges) {
    THyperLinks links;
    links.SetHyperLinkAt(5, 10, u"", 0, "a");
    links.SetHyperLinkAt(20, 24, u"", 0, "b");
    links.UpdateAt(0, -2);  // wholly before both
    links.UpdateAt(18, -4); // the whole second range
    EXPECT_EQ(ranges(links), (std::vector<Range>{{3, 8}}));
    // A deletion that starts before the range and ends inside it cuts its head, and the
    // range does not move before the deletion.
    links.UpdateAt(1, -4);
    EXPECT_EQ(ranges(links), (std::vector<Range>{{1, 4}}));
}

TEST(HyperLinks, SettingARangeReplacesEveryLinkStartingOrEndingInIt) {
    THyperLinks links;
    links.SetHyperLinkAt(0, 100, u"", 1, "outer"); // encloses the new range: stays
    links.SetHyperLinkAt(10, 20, u"", 2, "inner"); // starts inside: goes
    links.SetHyperLinkAt(25, 40, u"", 3, "tail");  // ends inside: goes
    links.SetHyperLinkAt(5, 30, u"note", 9, "ignored");
    ASSERT_EQ(ranges(links), (std::vector<Range>{{0, 100}, {5, 30}}));
    const TLinkItem* comment = links.Item(1);
    EXPECT_TRUE(comment->IsComment());
    EXPECT_EQ(*comment->FText, u"note");
    EXPECT_EQ(+comment->Info.ikData, 0);
    // Lookups take the first in list order; both ends are inside.
    EXPECT_EQ(links.HyperLinkAt(30), links.Item(0));
    links.RemoveAt(0, 0);
    EXPECT_EQ(links.HyperLinkAt(30), links.Item(0));
    EXPECT_EQ(links.HyperLinkAt(31), nullptr);
}

TEST(HyperLinks, HyperlinkTargetsAreCutTo255Characters) {
    THyperLinks links;
    links.SetHyperLinkAt(0, 1, u"", 0, std::string(400, 'x'));
    EXPECT_EQ(std::strlen(links.Item(0)->Info.ikText), 255u);
}

TEST(HyperLinks, AHyperlinkAndAFourCharacterCommentTake548Bytes) {
    THyperLinks links;
    EXPECT_EQ(links.GetDataSize(), 0u);
    links.SetHyperLinkAt(0, 3, u"", 5, "http://x");
    links.SetHyperLinkAt(10, 12, u"abcd", 0, "");
    const auto bytes = stored(links);
    ASSERT_EQ(bytes.size(), 2u + 268 + 278);
    EXPECT_EQ(bytes[0] | bytes[1] << 8, 2);
    THyperTextInfo second;
    std::memcpy(&second, bytes.data() + 2 + 268, sizeof second);
    EXPECT_EQ(second.ikTextSize, 10);
    EXPECT_EQ(bytes[2 + 268 + 268], 'a');
    EXPECT_EQ(bytes.back(), 0);

    THyperLinks copy;
    EXPECT_EQ(copy.LoadFrom(bytes, 0, 20), bytes.size());
    EXPECT_EQ(ranges(copy), ranges(links));
    EXPECT_STREQ(copy.Item(0)->Info.ikText, "http://x");
    EXPECT_EQ(+copy.Item(0)->Info.ikData, 5);
    EXPECT_EQ(*copy.Item(1)->FText, u"abcd");
    EXPECT_EQ(stored(copy), bytes);
}

TEST(HyperLinks, LoadingClampsRangesToTheTextAndDropsEmptyOnes) {
    THyperLinks source;
    source.SetHyperLinkAt(-5, 4, u"", 0, "a");
    source.SetHyperLinkAt(8, 50, u"", 0, "b");
    source.SetHyperLinkAt(6, 6, u"", 0, "empty");
    const auto bytes = stored(source);
    THyperLinks links;
    ASSERT_TRUE(links.LoadFrom(bytes, 0, 10));
    EXPECT_EQ(ranges(links), (std::vector<Range>{{0, 4}, {8, 10}}));
}

TEST(HyperLinks, BadTablesAreRefusedWithTheListUnchanged) {
    THyperLinks source;
    source.SetHyperLinkAt(1, 2, u"", 0, "a");
    source.SetHyperLinkAt(3, 5, u"comment", 0, "");
    const auto good = stored(source);
    THyperLinks links;
    links.SetHyperLinkAt(0, 1, u"", 0, "kept");
    // Cut anywhere: the table runs past the bytes.
    for (std::size_t cut = 0; cut < good.size(); cut += 7)
        EXPECT_FALSE(links.LoadFrom(std::span(good).first(cut), 0, 10)) << cut;
    // A range wholly after the text.
    EXPECT_FALSE(links.LoadFrom(good, 0, 2));
    EXPECT_EQ(ranges(links), (std::vector<Range>{{0, 1}}));
}

TEST(HyperLinks, LoadedTextsAreTerminated) {
    std::vector<std::uint8_t> bytes(2 + 268 + 6, 0xAB);
    bytes[0] = 1;
    bytes[1] = 0;
    THyperTextInfo info{};
    info.ikStart = 0;
    info.ikEnd = 1;
    info.ikTextSize = 5; // odd and without a terminator
    std::memset(info.ikText, 'y', sizeof info.ikText);
    std::memcpy(bytes.data() + 2, &info, sizeof info);
    THyperLinks links;
    ASSERT_EQ(links.LoadFrom(bytes, 0, 4), 2u + 268 + 5);
    EXPECT_EQ(std::strlen(links.Item(0)->Info.ikText), 255u);
    EXPECT_EQ(links.Item(0)->FText->size(), 2u);
}

} // namespace
} // namespace zeledit::model
