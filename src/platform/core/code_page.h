// Conversion between UTF-16 and the 8-bit code pages of face names, old documents and
// 8-bit clipboard text.
#pragma once

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <span>
#include <string>
#include <string_view>

namespace zeledit::platform {

enum class CodePage : unsigned { Windows1252 = 1252 };

std::u16string to_unicode(std::span<const std::uint8_t> bytes, CodePage page = CodePage::Windows1252);
// Characters the code page lacks become '?'.
std::string from_unicode(std::u16string_view text, CodePage page = CodePage::Windows1252);

// A fixed field of 8-bit text (a face name), up to its first zero or its end.
template <std::size_t N> std::u16string field_to_unicode(const char (&field)[N]) {
    return to_unicode({reinterpret_cast<const std::uint8_t*>(field), strnlen(field, N)});
}

// Text into a fixed field of 8-bit text, cut to leave its terminating zero; the rest zeroed.
template <std::size_t N> void unicode_to_field(std::u16string_view text, char (&field)[N]) {
    const std::string bytes = from_unicode(text);
    const std::size_t n = std::min(bytes.size(), N - 1);
    std::memcpy(field, bytes.data(), n);
    std::memset(field + n, 0, N - n);
}

} // namespace zeledit::platform
