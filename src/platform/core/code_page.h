// Conversion between UTF-16 and the 8-bit code pages of face names, old documents and
// 8-bit clipboard text.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace zeledit::platform {

enum class CodePage : unsigned { Windows1252 = 1252 };

std::u16string to_unicode(std::span<const std::uint8_t> bytes, CodePage page = CodePage::Windows1252);
// Characters the code page lacks become '?'.
std::string from_unicode(std::u16string_view text, CodePage page = CodePage::Windows1252);

} // namespace zeledit::platform
