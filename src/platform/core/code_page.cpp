#include "platform/core/code_page.h"

#include <array>

namespace zeledit::platform {
namespace {

// 0x80..0x9F of Windows-1252; the five unassigned bytes map to the same code point.
constexpr std::array<char16_t, 32> cp1252_high = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char16_t decode_1252(std::uint8_t b) {
    return (b >= 0x80 && b <= 0x9F) ? cp1252_high[b - 0x80] : static_cast<char16_t>(b);
}

char encode_1252(char16_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<char>(c);
    for (std::size_t i = 0; i < cp1252_high.size(); ++i)
        if (cp1252_high[i] == c) return static_cast<char>(0x80 + i);
    return '?';
}

} // namespace

std::u16string to_unicode(std::span<const std::uint8_t> bytes, CodePage) {
    std::u16string out;
    out.reserve(bytes.size());
    for (auto b : bytes) out.push_back(decode_1252(b));
    return out;
}

std::string from_unicode(std::u16string_view text, CodePage) {
    std::string out;
    out.reserve(text.size());
    for (auto c : text) out.push_back(encode_1252(c));
    return out;
}

} // namespace zeledit::platform
