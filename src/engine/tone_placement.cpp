#include "engine/tone_placement.h"

#include "platform/system_library/vietnamese_letters.h"

#include <algorithm>
#include <array>

namespace zeledit::engine {
namespace {

// The untoned letter in small letters, for telling the parts of the syllable apart.
char16_t Small(char16_t c) {
    c = platform::Untoned(c);
    if (c >= u'A' && c <= u'Z') return static_cast<char16_t>(c + 32);
    switch (c) {
    case u'Â': return u'â';
    case u'Ă': return u'ă';
    case u'Ê': return u'ê';
    case u'Ô': return u'ô';
    case u'Ơ': return u'ơ';
    case u'Ư': return u'ư';
    case u'Đ': return u'đ';
    default: return c;
    }
}

bool Vowel(char16_t small) {
    return std::u16string_view(u"aâăeêioôơuưy").find(small) != std::u16string_view::npos;
}
bool Marked(char16_t small) {
    return std::u16string_view(u"âăêôơư").find(small) != std::u16string_view::npos;
}

constexpr std::u16string_view Initials[] = {u"ngh", u"ng", u"nh", u"ch", u"gh", u"gi", u"kh", u"ph", u"qu",
                                            u"th",  u"tr", u"b",  u"c",  u"d",  u"đ",  u"g",  u"h",  u"k",
                                            u"l",   u"m",  u"n",  u"p",  u"r",  u"s",  u"t",  u"v",  u"x"};
constexpr std::u16string_view Finals[] = {u"", u"c", u"ch", u"m", u"n", u"ng", u"nh", u"p", u"t"};

struct Parts {
    std::size_t nucleus, length; // where the vowels start and how many
    bool stop_final;             // c, ch, p or t
    bool final_consonant;
};

std::optional<Parts> Parse(const std::u16string& s) {
    std::size_t initial = 0;
    for (std::u16string_view i : Initials)
        if (s.starts_with(i)) {
            initial = i.size();
            break;
        }
    // gi and qu hold their vowel only when another vowel follows: "gì" is g and i.
    if ((s.starts_with(u"gi") || s.starts_with(u"qu")) && initial == 2 && (s.size() == 2 || !Vowel(s[2])))
        initial = s.starts_with(u"gi") ? 1 : initial;
    std::size_t end = initial;
    while (end < s.size() && Vowel(s[end])) ++end;
    const std::size_t length = end - initial;
    if (length == 0 || length > 3) return std::nullopt;
    const std::u16string_view rest = std::u16string_view(s).substr(end);
    if (std::find(std::begin(Finals), std::end(Finals), rest) == std::end(Finals)) return std::nullopt;
    return Parts{initial, length, rest == u"c" || rest == u"ch" || rest == u"p" || rest == u"t",
                 !rest.empty()};
}

std::size_t TonePosition(const std::u16string& s, const Parts& p, ToneStyle style) {
    const std::u16string_view nucleus = std::u16string_view(s).substr(p.nucleus, p.length);
    for (std::size_t i = p.length; i-- > 0;)
        if (Marked(nucleus[i])) return p.nucleus + i; // ươ: on the ơ
    if (p.final_consonant || p.length == 1) return p.nucleus + p.length - 1;
    if (p.length == 3) return p.nucleus + 1;
    const bool glide = nucleus == u"oa" || nucleus == u"oe" || nucleus == u"uy";
    return p.nucleus + (glide && style != ToneStyle::Old ? 1 : 0);
}

} // namespace

int SyllableTone(std::u16string_view syllable) {
    for (char16_t c : syllable)
        if (const int tone = platform::ToneOf(c)) return tone;
    return 0;
}

bool SyllableLetter(char16_t c) {
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || c == u'đ' || c == u'Đ' ||
           platform::VowelRow(c) != nullptr;
}

std::optional<std::u16string> PlaceTone(std::u16string_view syllable, int tone, ToneStyle style) {
    if (syllable.empty() || tone < 0 || tone > 5 ||
        !std::all_of(syllable.begin(), syllable.end(), SyllableLetter))
        return std::nullopt;
    std::u16string small(syllable.size(), u'\0');
    std::transform(syllable.begin(), syllable.end(), small.begin(), Small);
    const auto parts = Parse(small);
    if (!parts || (parts->stop_final && tone != 0 && tone != 1 && tone != 5)) return std::nullopt;
    std::u16string out(syllable.size(), u'\0');
    std::transform(syllable.begin(), syllable.end(), out.begin(), platform::Untoned);
    if (tone != 0) {
        const std::size_t at = TonePosition(small, *parts, style);
        out[at] = platform::VowelRow(out[at])->tones[static_cast<std::size_t>(tone - 1)];
    }
    return out;
}

} // namespace zeledit::engine
