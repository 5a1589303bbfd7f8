// UTF-8 files in and out of the editor's UTF-16 text.
#pragma once

#include <string>
#include <string_view>

namespace zdfconv {

// Malformed sequences become U+FFFD.
std::u16string FromUtf8(std::string_view bytes);
std::string ToUtf8(std::u16string_view text);

} // namespace zdfconv
