// The Vietnamese vowels with their five tones: acute, grave, hook above, tilde, dot below.
// The accent tables are written from them and tone placement reads them.
#pragma once

#include <span>
#include <string_view>

namespace zeledit::platform {

struct TonedVowel {
    char16_t vowel;
    std::u16string_view tones; // acute, grave, hook above, tilde, dot below
};
// a â ă e ê i o ô ơ u ư y, then the capitals.
std::span<const TonedVowel> TonedVowels();
// The row of a vowel, toned or not; null for other letters.
const TonedVowel* VowelRow(char16_t letter);
// 0 for none, else 1 acute, 2 grave, 3 hook above, 4 tilde, 5 dot below.
int ToneOf(char16_t letter);
// The letter without its tone (the circumflex, breve and horn stay).
char16_t Untoned(char16_t letter);

} // namespace zeledit::platform
