// Small helpers for the UTF-16 strings that cross the API.
#pragma once

#include <zeledit/win_types.h>

#include <string>
#include <string_view>

namespace zeledit::platform {

// Length of a NUL-terminated UTF-16 string; 0 for null.
std::size_t wide_length(LPCWSTR s);
std::u16string_view wide_view(LPCWSTR s);

// The first `unit` in [first, last), or last. Vectorised where the processor allows:
// whole documents are searched for terminators and object marks.
const char16_t* find_unit(const char16_t* first, const char16_t* last, char16_t unit);

// Case-insensitive key for names compared without case (class, property, format names).
std::u16string fold_case(std::u16string_view s);

// UTF-8 for file names and fontconfig; a lone surrogate becomes U+FFFD.
std::string to_utf8(std::u16string_view s);
// UTF-16 of UTF-8 text from outside; malformed sequences become U+FFFD.
std::u16string from_utf8(std::string_view s);

// The text composed (Unicode NFC): a letter with combining marks becomes its precomposed
// letter where Unicode has one ("e\u0323\u0302" is "ệ"). Composed text comes back as it is.
std::u16string compose_nfc(std::u16string_view s);
// Whether the text holds a combining diacritical mark (U+0300 to U+036F).
bool has_combining_marks(std::u16string_view s);
// The text decomposed (Unicode NFD): each letter and its combining marks in canonical order.
std::u16string decompose_nfd(std::u16string_view s);

// Copies at most max_count - 1 units and a terminating NUL; answers the units copied.
int copy_truncated(std::u16string_view text, LPWSTR buffer, int max_count);

} // namespace zeledit::platform
