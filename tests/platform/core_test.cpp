// Small pieces the rest stands on: code pages, UTF-8, atoms, rounding, composition, symbols.
#include "platform/core/atom_table.h"
#include "platform/core/code_page.h"
#include "platform/core/text.h"
#include "platform/gdi/fonts/composition.h"
#include "platform/gdi/fonts/real_font.h"
#include "platform/gdi/fonts/symbol_charset.h"

#include <gtest/gtest.h>

#include <vector>

namespace zeledit::platform {
namespace {

TEST(CodePage, Windows1252RoundTripsEveryAssignedByte) {
    std::vector<std::uint8_t> all;
    for (int b = 1; b < 256; ++b) all.push_back(static_cast<std::uint8_t>(b));
    const std::u16string wide = to_unicode(all);
    EXPECT_EQ(wide[0x80 - 1], u'\u20AC'); // 0x80 is the euro sign
    EXPECT_EQ(wide[0x93 - 1], u'\u201C');
    EXPECT_EQ(wide[0xE9 - 1], u'\u00E9');
    const std::string back = from_unicode(wide);
    ASSERT_EQ(back.size(), all.size());
    for (std::size_t i = 0; i < all.size(); ++i) EXPECT_EQ(static_cast<std::uint8_t>(back[i]), all[i]) << i;
    EXPECT_EQ(from_unicode(u"\u1EA5\u4E2D"), "??"); // characters the code page lacks
}

TEST(Utf8, EncodesEveryPlaneAndRepairsLoneSurrogates) {
    EXPECT_EQ(to_utf8(u"a\u00E9\u1EA5"), "a\xC3\xA9\xE1\xBA\xA5");
    EXPECT_EQ(to_utf8(u"\U0001F600"), "\xF0\x9F\x98\x80");
    const char16_t lone[] = {0xD800, u'x', 0};
    EXPECT_EQ(to_utf8(lone), "\xEF\xBF\xBDx");
}

TEST(Atoms, NamesCompareWithoutCase) {
    reset_atoms();
    const ATOM a = add_atom(u"Zeledit");
    EXPECT_GE(a, first_string_atom);
    EXPECT_EQ(add_atom(u"ZELEDIT"), a);
    EXPECT_EQ(find_atom(u"zeledit"), a);
    EXPECT_EQ(atom_name(a), u"Zeledit");
    EXPECT_FALSE(atom_name(0x1234));
    EXPECT_EQ(add_atom(u""), 0);
    EXPECT_EQ(name_key(MAKEINTATOM(49152)), u"#49152");
}

TEST(WideText, CopyTruncatedAlwaysTerminates) {
    char16_t buffer[4] = {u'x', u'x', u'x', u'x'};
    EXPECT_EQ(copy_truncated(u"abcdef", buffer, 4), 3);
    EXPECT_EQ(std::u16string(buffer), u"abc");
    EXPECT_EQ(copy_truncated(u"abc", buffer, 0), 0);
    EXPECT_EQ(copy_truncated(u"abc", nullptr, 4), 0);
    EXPECT_EQ(fold_case(u"Times New Roman"), u"TIMES NEW ROMAN");
}

TEST(WideText, FindUnitFindsTheFirstAtEveryPositionAndLength) {
    for (std::size_t length = 0; length <= 40; ++length) {
        std::u16string text(length, u'x');
        const char16_t* end = text.data() + length;
        EXPECT_EQ(platform::find_unit(text.data(), end, u'\x01'), end) << length;
        for (std::size_t at = 0; at < length; ++at) {
            text[at] = 1;
            if (at + 3 < length) text[at + 3] = 1; // a later one does not count
            EXPECT_EQ(platform::find_unit(text.data(), end, u'\x01') - text.data(), std::ptrdiff_t(at));
            std::fill(text.begin(), text.end(), u'x');
        }
    }
    const std::u16string high(20, u'\x0101'); // both bytes equal to the unit's low byte
    EXPECT_EQ(platform::find_unit(high.data(), high.data() + 20, u'\x01'), high.data() + 20);
}

TEST(Rounding, HalvesGoToTheEvenNeighbour) {
    EXPECT_EQ(round_div(5, 2), 2);
    EXPECT_EQ(round_div(7, 2), 4);
    EXPECT_EQ(round_div(-5, 2), -2);
    EXPECT_EQ(round_div(-7, 2), -4);
    EXPECT_EQ(round_div(10, 3), 3);
    EXPECT_EQ(round_div(11, 3), 4);
    EXPECT_EQ(round_div(-11, 3), -4);
}

TEST(Composition, VietnameseLettersFromTheirParts) {
    EXPECT_EQ(compose(u'e', 0x0302), u'\u00EA');
    EXPECT_EQ(compose(u'\u00EA', 0x0301), u'\u1EBF');
    EXPECT_EQ(compose(u'o', 0x031B), u'\u01A1');
    EXPECT_EQ(compose(u'\u01A1', 0x0303), u'\u1EE1');
    EXPECT_EQ(compose(u'A', 0x0323), u'\u1EA0');
    EXPECT_EQ(compose(u'x', 0x0301), 0);
    EXPECT_EQ(compose(u'e', u'e'), 0);
}

TEST(SymbolFaces, CodesMapToUnicode) {
    EXPECT_EQ(symbol_to_unicode(0xB7, false), u'\u2022');
    EXPECT_EQ(symbol_to_unicode(0xF0B7, false), u'\u2022');
    EXPECT_EQ(symbol_to_unicode(0x41, false), u'\u0391');
    EXPECT_EQ(symbol_to_unicode(0x30, false), u'0');
    EXPECT_EQ(symbol_to_unicode(0x6C, true), u'\u25CF');
    EXPECT_EQ(symbol_to_unicode(0xFC, true), u'\u2714');
    EXPECT_EQ(symbol_to_unicode(0x1EA5, false), u'\u1EA5'); // beyond 8 bits: unchanged
}

} // namespace
} // namespace zeledit::platform
