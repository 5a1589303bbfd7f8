// Where a Vietnamese syllable takes its tone: the vowel the orthography gives, wherever in the
// syllable the tone key was typed.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace zeledit::engine {

// The placement of oa, oe and uy without a final consonant: hoà (new) or hòa (old).
enum class ToneStyle : std::uint8_t { Off = 0, New = 1, Old = 2 };

// The tone the syllable carries (the first toned vowel's), 0 for none.
int SyllableTone(std::u16string_view syllable);
// The syllable with every tone taken off and `tone` (0: none) put where it belongs; none when
// the letters are no Vietnamese syllable or the tone cannot stand on it (after c, ch, p and t
// only the acute and the dot below do). Capitals stay capitals.
std::optional<std::u16string> PlaceTone(std::u16string_view syllable, int tone, ToneStyle style);
// Whether the unit may belong to a syllable: a Latin letter, đ or a Vietnamese vowel.
bool SyllableLetter(char16_t c);

} // namespace zeledit::engine
