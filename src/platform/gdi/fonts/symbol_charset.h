#pragma once

namespace zeledit::platform {

// The Unicode character that the 8-bit code of a symbol face shows. Codes may come as
// 0x20..0xFF or in the private range 0xF020..0xF0FF; `wingdings` picks that face's table.
char16_t symbol_to_unicode(char16_t code, bool wingdings);

} // namespace zeledit::platform
