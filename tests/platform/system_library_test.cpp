// The accent table, the case table and the composition built on them.
#include "platform/system_library/accent_images.h"
#include "platform/system_library/accent_table.h"
#include "platform/system_library/case_table.h"
#include "platform/system_library/system_library.h"

#include <zeledit/win_user.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <vector>

namespace zeledit::platform {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes image() { return {BuiltInAccentImage().begin(), BuiltInAccentImage().end()}; }

std::string temp_file(const char* name, const Bytes& bytes) {
    const auto path = std::filesystem::path(::testing::TempDir()) /
                      (std::string(name) + ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    return path.string();
}

TEST(AccentTable, TheBuiltInTableComposesStepByStep) {
    const TCharSetList& t = AccentTable();
    EXPECT_STREQ(t.FTitle, "Vietnamese chars");
    EXPECT_STREQ(t.FHotKeys, "123456789");
    EXPECT_EQ(t.Items.size(), 160u);
    EXPECT_EQ(VCharOf(u'a', 1), u'á');
    EXPECT_EQ(VCharOf(u'a', 6), u'â');
    EXPECT_EQ(VCharOf(u'â', 1), u'ấ');
    EXPECT_EQ(VCharOf(u'Ư', 1), u'Ứ');
    EXPECT_EQ(VCharOf(u'ơ', 5), u'ợ');
    EXPECT_EQ(VCharOf(u'n', 4), u'ñ');
    EXPECT_EQ(VCharOf(u'D', 9), u'Đ');
    EXPECT_EQ(VCharOf(u'á', 1), 0);
    EXPECT_EQ(VCharOf(0, 1), 0);
    EXPECT_TRUE(t.IsHotKey(u'5'));
    EXPECT_FALSE(t.IsHotKey(u'0'));
    EXPECT_FALSE(t.IsHotKey(u'a'));
}

TEST(AccentTable, TheBuiltInTablesAreResourcesOfTheLibrary) {
    const HMODULE module = reinterpret_cast<HMODULE>(0x5EED);
    LoadTablesFromResources(module);
    HRSRC accents = FindResourceW(module, u"VCODETAB", u"ISDATA");
    ASSERT_NE(accents, nullptr);
    EXPECT_EQ(SizeofResource(module, accents), 26u + 2 + 2 + 10 + 2 + 160 * 36);
    HRSRC cases = FindResourceW(module, u"VCASETAB", u"ISDATA");
    ASSERT_NE(cases, nullptr);
    EXPECT_EQ(SizeofResource(module, cases), 2u + 106 * 4);
    EXPECT_EQ(AccentTable().Items.size(), 160u);
}

TEST(AccentTable, BadImagesAreRefusedAndChangeNothing) {
    TCharSetList t;
    ASSERT_TRUE(t.LoadFromBuffer(image()));
    const Bytes good = image();
    for (std::size_t cut = 0; cut + 1 < good.size(); cut += 37)
        EXPECT_FALSE(t.LoadFromBuffer(std::span(good).first(cut))) << cut;
    Bytes unterminated = good;
    for (std::size_t i = 0; i < 18; ++i) unterminated[42 + i] = 0x41; // the first key fills all nine units
    EXPECT_FALSE(t.LoadFromBuffer(unterminated));
    Bytes no_zero = good;
    no_zero[30 + 9] = '0'; // the hot keys lose their terminator
    EXPECT_FALSE(t.LoadFromBuffer(no_zero));
    EXPECT_EQ(t.Items.size(), 160u);
    EXPECT_EQ(t.Compose(u'a', u'1'), u'á');
}

TEST(AccentTable, CountsAreLowBytesInMemoryAndWholeInFiles) {
    // A table of 399 hot keys and no items.
    Bytes t(26, 0);
    t.insert(t.end(), {0, 0, 0x90, 0x01}); // style 0, N = 400
    for (int i = 0; i < 399; ++i) t.push_back(static_cast<std::uint8_t>('!' + i % 90));
    t.push_back(0);
    t.insert(t.end(), {0, 0}); // no items
    TCharSetList table;
    // In memory N reads as its low byte, 144: bytes without their zero, refused.
    EXPECT_FALSE(table.LoadFromBuffer(t));
    ASSERT_TRUE(table.LoadFromFile(temp_file("keys", t)));
    EXPECT_EQ(std::strlen(table.FHotKeys), TCharSetList::MaxHotKeys); // 399 keys, the first 259 kept
    EXPECT_FALSE(table.IsHotKey(0x121));                              // above 255: never a hot key
    table.Items.push_back({});
    EXPECT_FALSE(table.LoadFromFile("/nonexistent/table"));
    EXPECT_TRUE(table.Items.empty()); // an unreadable file clears the items only
    EXPECT_EQ(std::strlen(table.FHotKeys), TCharSetList::MaxHotKeys);
}

TEST(CaseTable, VietnameseLettersChangeCase) {
    const TCaseList& c = CaseTable();
    EXPECT_EQ(c.Pairs.size(), 106u);
    EXPECT_EQ(c.Uppercase(u'ấ'), u'Ấ');
    EXPECT_EQ(c.Lowercase(u'Đ'), u'đ');
    EXPECT_EQ(c.Uppercase(u'1'), u'1');
    EXPECT_TRUE(c.IsLowercase(u'ữ'));
    EXPECT_TRUE(c.IsUppercase(u'Ỵ'));
    char16_t text[] = u"TIẾNG VIỆT";
    c.LowercaseString(text);
    EXPECT_EQ(std::u16string(text), u"tiếng việt");
    TCaseList bad;
    EXPECT_FALSE(bad.LoadFromBuffer(Bytes{5, 0, 'a', 0, 'A', 0})); // five pairs promised, one given
    EXPECT_FALSE(bad.LoadFromBuffer(Bytes{1}));
    EXPECT_TRUE(bad.Pairs.empty());
}

} // namespace
} // namespace zeledit::platform
