// Conversion between UTF-16 and the 8-bit code pages of face names, old documents and
// 8-bit clipboard text.
#pragma once

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

} // namespace zeledit::platform
