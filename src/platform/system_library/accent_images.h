// The accent tables the library ships, in the image layout LoadAccentTable reads: the
// built-in one (a digit after a letter), Telex (letters after letters) and VIQR (punctuation
// after letters). All three are written from the orthography: every vowel with its five
// tones, the circumflex, breve and horn, and the stroke of d.
#pragma once

#include <cstdint>
#include <span>

namespace zeledit::platform {

std::span<const std::uint8_t> BuiltInAccentImage(); // "Vietnamese chars", digits 1 to 9
std::span<const std::uint8_t> TelexAccentImage();
std::span<const std::uint8_t> ViqrAccentImage();

} // namespace zeledit::platform
