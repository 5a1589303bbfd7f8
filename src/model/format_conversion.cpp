#include "model/format_conversion.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace zeledit::model {
namespace {

constexpr int real48_bias = 129;
constexpr std::uint64_t fraction_one = std::uint64_t(1) << 39;
constexpr COLORREF default_shadow = 0xC0C0C0;

template <class Old> TCharFormat char_base(const Old& old) {
    TCharFormat f{};
    std::memcpy(f.ftFaceName, old.ftFaceName, sizeof f.ftFaceName);
    f.ftFaceName[sizeof f.ftFaceName - 1] = 0;
    f.ftHeight = static_cast<std::int16_t>(std::abs(int(old.ftHeight)));
    f.ftAttr = old.ftAttr;
    f.ftColor = old.ftColor;
    f.ftUnderlineColor = old.ftColor;
    f.ftStrikeColor = old.ftColor;
    return f;
}

TBorderEdge edge(std::uint8_t style, COLORREF color) { return TBorderEdge{style, 2.0, color}; }

template <class Old> TParaFormat para_base(const Old& old) {
    TParaFormat p{};
    p.ptIndent = {Real48ToDouble(old.ptIndent.inFirst), Real48ToDouble(old.ptIndent.inLeft),
                  Real48ToDouble(old.ptIndent.inRight)};
    p.ptAlign = 0;
    const TBorder3& b = old.ptBorder;
    p.ptBorder = {edge(b.btLeft, b.btLeftColor), edge(b.btTop, b.btTopColor), edge(b.btRight, b.btRightColor),
                  edge(b.btBottom, b.btBottomColor)};
    p.ptShading = old.ptShading;
    const auto& bl = old.ptBullet;
    p.ptBullet.blPresent = bl.blPresent;
    std::memcpy(p.ptBullet.blFaceName, bl.blFaceName, sizeof bl.blFaceName);
    p.ptBullet.blFaceName[sizeof p.ptBullet.blFaceName - 1] = 0;
    p.ptBullet.blChar = bl.blChar;
    p.ptBullet.blSize = bl.blSize;
    p.ptBullet.blColor = bl.blColor;
    p.ptBullet.blHanging = bl.blHanging;
    p.ptBullet.blIndent = Real48ToDouble(bl.blIndent);
    for (int i = 0; i < TabCount; ++i) {
        const TTabOld& t = old.ptTabs[i];
        p.ptTabs.tabs[i] = TTab{Real48ToDouble(t.tbPosition), t.tbAlign, t.tbLeader, t.tbDefault};
    }
    return p;
}

} // namespace

double Real48ToDouble(const TReal48& r) {
    const int e = r.bytes[0];
    if (e == 0) return 0.0;
    std::uint64_t f = 0;
    for (int i = 5; i >= 1; --i) f = (f << 8) | (i == 5 ? (r.bytes[i] & 0x7F) : r.bytes[i]);
    const double magnitude = std::ldexp(1.0 + double(f) / double(fraction_one), e - real48_bias);
    return (r.bytes[5] & 0x80) ? -magnitude : magnitude;
}

TReal48 DoubleToReal48(double v) {
    TReal48 r{};
    if (v == 0.0 || std::isnan(v)) return r;
    const bool negative = std::signbit(v);
    int exponent = 0;
    const double m = std::frexp(std::fabs(v), &exponent); // [0.5, 1)
    int e = exponent - 1 + real48_bias;
    std::uint64_t f = std::isinf(v)
                          ? fraction_one
                          : static_cast<std::uint64_t>(std::nearbyint((2 * m - 1) * double(fraction_one)));
    if (f == fraction_one && !std::isinf(v)) f = 0, ++e;
    if (e < 1) return r;
    if (e > 255 || std::isinf(v)) e = 255, f = fraction_one - 1;
    r.bytes[0] = static_cast<std::uint8_t>(e);
    for (int i = 1; i <= 5; ++i, f >>= 8) r.bytes[i] = static_cast<std::uint8_t>(f & 0xFF);
    r.bytes[5] = static_cast<std::uint8_t>((r.bytes[5] & 0x7F) | (negative ? 0x80 : 0));
    return r;
}

TCharFormat ConvertCharFormat(const TCharFormat2& old) {
    TCharFormat f = char_base(old);
    f.ftShadColor = default_shadow;
    f.ftScale = 100;
    return f;
}

TCharFormat ConvertCharFormat(const TCharFormat3& old) {
    TCharFormat f = char_base(old);
    f.ftShadow = old.ftShadow;
    f.ftShadColor = old.ftShadow != 0 ? old.ftShadColor : default_shadow;
    f.ftScale = old.ftScale;
    f.ftScript = old.ftScript;
    return f;
}

TParaFormat ConvertParaFormat(const TParaFormat2& old) { return para_base(old); }

TParaFormat ConvertParaFormat(const TParaFormat3& old) {
    TParaFormat p = para_base(old);
    p.ptBefore = old.ptBefore;
    p.ptAfter = old.ptAfter;
    p.ptLineSpacing = old.ptLineSpacing;
    p.ptReserved = old.ptReserved;
    return p;
}

TCharFormat ConvertTemplateCharFormat(const TCharFormat2& old) {
    TCharFormat f = ConvertCharFormat(old);
    f.ftHeight = old.ftHeight;
    return f;
}

TCharFormat ConvertTemplateCharFormat(const TCharFormat3& old) {
    TCharFormat f = ConvertCharFormat(old);
    f.ftHeight = old.ftHeight;
    f.ftShadColor = old.ftShadColor;
    f.ftReserved = old.ftReserved;
    return f;
}

TParaFormat ConvertTemplateParaFormat(const TParaFormatTemplate2& old) {
    TParaFormat p = para_base(old);
    p.ptAlign = old.ptAlign;
    return p;
}

TParaFormat ConvertTemplateParaFormat(const TParaFormat3& old) {
    TParaFormat p = ConvertParaFormat(old);
    p.ptAlign = old.ptAlign;
    return p;
}

bool SameCharFormat(const TCharFormat& a, const TCharFormat& b) {
    return std::strncmp(a.ftFaceName, b.ftFaceName, sizeof a.ftFaceName) == 0 && a.ftHeight == b.ftHeight &&
           a.ftAttr == b.ftAttr && a.ftColor == b.ftColor && a.ftScale == b.ftScale &&
           a.ftScript == b.ftScript && a.ftReserved == b.ftReserved && a.ftUnderline == b.ftUnderline &&
           (a.ftUnderline == 0 || a.ftUnderlineColor == b.ftUnderlineColor) &&
           a.ftStrikethrough == b.ftStrikethrough &&
           (a.ftStrikethrough == 0 || a.ftStrikeColor == b.ftStrikeColor) && a.ftShadow == b.ftShadow &&
           (a.ftShadow == 0 || a.ftShadColor == b.ftShadColor);
}

int TabsSet(const TTabArray& tabs) {
    int n = 0;
    for (const TTab& t : tabs.tabs) n += t.tbDefault == 0 ? 1 : 0;
    return n;
}

void DefaultTabs(TTabArray& tabs) {
    for (int i = 0; i < TabCount; ++i) tabs.tabs[i] = TTab{0.5 * i, 0, 0, 1};
}

} // namespace zeledit::model
