// Real48 numbers, old record conversions, format comparison and record defaults.
#include "model/format_conversion.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstring>

namespace zeledit::model {
namespace {

TReal48 bytes(std::array<std::uint8_t, 6> b) {
    TReal48 r;
    std::memcpy(r.bytes, b.data(), 6);
    return r;
}

TEST(Real48, KnownBitPatterns) {
    EXPECT_EQ(Real48ToDouble(bytes({0x81, 0, 0, 0, 0, 0})), 1.0);
    EXPECT_EQ(Real48ToDouble(bytes({0x82, 0, 0, 0, 0, 0})), 2.0);
    EXPECT_EQ(Real48ToDouble(bytes({0x80, 0, 0, 0, 0, 0})), 0.5);
    EXPECT_EQ(Real48ToDouble(bytes({0x81, 0, 0, 0, 0, 0x80})), -1.0);
    EXPECT_EQ(Real48ToDouble(bytes({0x82, 0, 0, 0, 0, 0x40})), 3.0); // 1.5 × 2
    EXPECT_EQ(Real48ToDouble(bytes({0x7F, 0, 0, 0, 0, 0x00})), 0.25);
    EXPECT_EQ(Real48ToDouble(bytes({0x81, 0, 0, 0, 0, 0x20})), 1.25);
    EXPECT_EQ(Real48ToDouble(bytes({0, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF})), 0.0); // exponent 0 is zero
}

TEST(Real48, WritesExactPatterns) {
    auto same = [](double v, std::array<std::uint8_t, 6> expected) {
        const TReal48 r = DoubleToReal48(v);
        return std::memcmp(r.bytes, expected.data(), 6) == 0;
    };
    EXPECT_TRUE(same(1.0, {0x81, 0, 0, 0, 0, 0}));
    EXPECT_TRUE(same(-3.0, {0x82, 0, 0, 0, 0, 0xC0}));
    EXPECT_TRUE(same(1.25, {0x81, 0, 0, 0, 0, 0x20}));
    EXPECT_TRUE(same(0.0, {0, 0, 0, 0, 0, 0}));
    EXPECT_TRUE(same(std::nan(""), {0, 0, 0, 0, 0, 0}));
    // 0.1 needs rounding to 39 bits: 0x7D, fraction 0x4CCCCCCCCD.
    EXPECT_TRUE(same(0.1, {0x7D, 0xCD, 0xCC, 0xCC, 0xCC, 0x4C}));
}

TEST(Real48, RoundTripsInchesAndSaturates) {
    for (double v : {0.5, 1.25, -0.3, 8.5, 11.0, 0.125, 1e-10, 123456.789})
        EXPECT_NEAR(Real48ToDouble(DoubleToReal48(v)), v, std::fabs(v) * 1e-11) << v;
    EXPECT_GT(Real48ToDouble(DoubleToReal48(1e300)), 1e37); // the largest Real48
    EXPECT_EQ(Real48ToDouble(DoubleToReal48(1e-300)), 0.0);
}

TEST(OldRecords, CharFormat2ConvertsWithDefaults) {
    TCharFormat2 old{};
    std::strcpy(old.ftFaceName, "Arial");
    old.ftHeight = -12;
    old.ftAttr = 3;
    old.ftColor = 0x123456;
    const TCharFormat f = ConvertCharFormat(old);
    EXPECT_STREQ(f.ftFaceName, "Arial");
    EXPECT_EQ(+f.ftHeight, 12);
    EXPECT_EQ(+f.ftAttr, 3);
    EXPECT_EQ(+f.ftUnderline, 0);
    EXPECT_EQ(+f.ftUnderlineColor, 0x123456u);
    EXPECT_EQ(+f.ftStrikeColor, 0x123456u);
    EXPECT_EQ(+f.ftScale, 100);
    EXPECT_EQ(+f.ftShadColor, 0xC0C0C0u);
    EXPECT_EQ(+f.ftShadow, 0);
}

TEST(OldRecords, CharFormat3KeepsShadowScaleAndScript) {
    TCharFormat3 old{};
    std::strcpy(old.ftFaceName, "Times New Roman");
    old.ftHeight = 14;
    old.ftShadow = 2;
    old.ftShadColor = 0x00FF00;
    old.ftScale = 80;
    old.ftScript = -1;
    old.ftReserved = 7;
    TCharFormat f = ConvertCharFormat(old);
    EXPECT_EQ(+f.ftShadow, 2);
    EXPECT_EQ(+f.ftShadColor, 0x00FF00u);
    EXPECT_EQ(+f.ftScale, 80);
    EXPECT_EQ(+f.ftScript, -1);
    EXPECT_EQ(+f.ftReserved, 0);
    old.ftShadow = 0;
    EXPECT_EQ(ConvertCharFormat(old).ftShadColor, 0xC0C0C0u);
}

TEST(OldRecords, ParaFormat3KeepsSpacingAndGetsBorderSpace) {
    TParaFormat3 old{};
    old.ptIndent.inLeft = DoubleToReal48(0.5);
    old.ptIndent.inFirst = DoubleToReal48(-0.25);
    old.ptAlign = 3;
    old.ptBorder.btTop = 0x11;
    old.ptBorder.btTopColor = 0xFF;
    old.ptShading = 0xEEEEEE;
    old.ptBullet.blPresent = 1;
    old.ptBullet.blChar = 183;
    old.ptBullet.blIndent = DoubleToReal48(0.3);
    old.ptTabs[2].tbPosition = DoubleToReal48(1.5);
    old.ptTabs[2].tbAlign = 2;
    old.ptBefore = 6;
    old.ptAfter = 12;
    old.ptLineSpacing = MakeLineSpacing(LineSpacingKind::Multiple, 25);
    const TParaFormat p = ConvertParaFormat(old);
    EXPECT_EQ(+p.ptIndent.inLeft, 0.5);
    EXPECT_EQ(+p.ptIndent.inFirst, -0.25);
    EXPECT_EQ(+p.ptAlign, 0);
    EXPECT_EQ(+p.ptBorder.btTop.beStyle, 0x11);
    EXPECT_EQ(+p.ptBorder.btTop.beColor, 0xFFu);
    for (const TBorderEdge& e :
         {p.ptBorder.btLeft, p.ptBorder.btTop, p.ptBorder.btRight, p.ptBorder.btBottom})
        EXPECT_EQ(+e.beSpace, 2.0);
    EXPECT_EQ(+p.ptShading, 0xEEEEEEu);
    EXPECT_NEAR(+p.ptBullet.blIndent, 0.3, 1e-12);
    EXPECT_EQ(+p.ptTabs.tabs[2].tbPosition, 1.5);
    EXPECT_EQ(+p.ptTabs.tabs[2].tbAlign, 2);
    EXPECT_EQ(+p.ptBefore, 6);
    EXPECT_EQ(+p.ptAfter, 12);
    EXPECT_EQ(LineSpacingKindOf(p.ptLineSpacing), LineSpacingKind::Multiple);
    EXPECT_EQ(LineSpacingValueOf(p.ptLineSpacing), 25);
}

TEST(OldRecords, ParaFormat2HasNoSpacing) {
    TParaFormat2 old{};
    old.ptBullet.blIndent = DoubleToReal48(0.3);
    const TParaFormat p = ConvertParaFormat(old);
    EXPECT_EQ(+p.ptBefore, 0);
    EXPECT_EQ(+p.ptLineSpacing, 0u);
    EXPECT_EQ(+p.ptReserved, 0);
}

TEST(FormatRecords, DecorationColoursCountOnlyWhenTheDecorationIsThere) {
    TCharFormat a{};
    std::strcpy(a.ftFaceName, "Arial");
    TCharFormat b = a;
    b.ftUnderlineColor = 0xFF;
    EXPECT_TRUE(SameCharFormat(a, b));
    a.ftUnderline = b.ftUnderline = 1;
    EXPECT_FALSE(SameCharFormat(a, b));
    b = a;
    b.ftShadColor = 1;
    EXPECT_TRUE(SameCharFormat(a, b));
    a.ftShadow = b.ftShadow = 1;
    EXPECT_FALSE(SameCharFormat(a, b));
    b = a;
    std::strcpy(b.ftFaceName, "arial");
    EXPECT_FALSE(SameCharFormat(a, b)); // face names compare with case
}

TEST(FormatRecords, LineSpacingAndTabs) {
    EXPECT_EQ(LineSpacingKindOf((25u << 16) | 5), LineSpacingKind::Multiple);
    EXPECT_EQ(LineSpacingValueOf((12u << 16) | 4), 12);
    EXPECT_EQ(LineSpacingKindOf((12u << 16) | 4), LineSpacingKind::Exactly);
    TTabArray tabs;
    DefaultTabs(tabs);
    EXPECT_EQ(TabsSet(tabs), 0);
    EXPECT_EQ(+tabs.tabs[50].tbPosition, 25.0);
    tabs.tabs[3].tbDefault = 0;
    EXPECT_EQ(TabsSet(tabs), 1);
}

} // namespace
} // namespace zeledit::model
