#include "platform/system_library/accent_images.h"

#include "platform/system_library/vietnamese_letters.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace zeledit::platform {
namespace {

// The built-in table's other keys: circumflex (6), horn, ring and cedilla (7), breve and
// ligatures (8), stroke and diaeresis (9), and the tilde of n (4).
struct Modified {
    char16_t digit, letter, result;
};
constexpr Modified DigitModifiers[] = {
    {u'6', u'a', u'â'}, {u'6', u'e', u'ê'}, {u'6', u'o', u'ô'}, {u'6', u'i', u'î'}, {u'6', u'u', u'û'},
    {u'7', u'o', u'ơ'}, {u'7', u'u', u'ư'}, {u'7', u'a', u'å'}, {u'7', u'c', u'ç'}, {u'8', u'a', u'ă'},
    {u'8', u'o', u'œ'}, {u'8', u'e', u'æ'}, {u'9', u'd', u'đ'}, {u'9', u'a', u'ä'}, {u'9', u'y', u'ÿ'},
    {u'9', u'e', u'ë'}, {u'9', u'i', u'ï'}, {u'9', u'o', u'ö'}, {u'9', u'u', u'ü'}, {u'4', u'n', u'ñ'},
    {u'6', u'A', u'Â'}, {u'6', u'E', u'Ê'}, {u'6', u'O', u'Ô'}, {u'6', u'I', u'Î'}, {u'6', u'U', u'Û'},
    {u'7', u'O', u'Ơ'}, {u'7', u'U', u'Ư'}, {u'7', u'A', u'Å'}, {u'7', u'C', u'Ç'}, {u'8', u'A', u'Ă'},
    {u'8', u'O', u'Œ'}, {u'8', u'E', u'Æ'}, {u'9', u'D', u'Đ'}, {u'9', u'A', u'Ä'}, {u'9', u'Y', u'Ÿ'},
    {u'9', u'E', u'Ë'}, {u'9', u'I', u'Ï'}, {u'9', u'O', u'Ö'}, {u'9', u'U', u'Ü'}, {u'4', u'N', u'Ñ'},
};

// A mark of a letter-key table: the key after the plain letter gives the marked one.
struct Mark {
    char16_t key, letter, marked;
};

class Image {
public:
    Image(std::string_view title, std::u16string_view hot) {
        bytes_.assign(26, 0);
        std::memcpy(bytes_.data(), title.data(), std::min<std::size_t>(title.size(), 25));
        Put16(0); // keys are letter and accent pairs
        Put16(static_cast<std::uint16_t>(hot.size() + 1));
        for (char16_t c : hot) bytes_.push_back(static_cast<std::uint8_t>(c));
        bytes_.push_back(0);
    }
    void Add(char16_t letter, char16_t key, std::u16string_view result) {
        items_.push_back({letter, key, std::u16string(result)});
    }
    std::vector<std::uint8_t> Take() {
        Put16(static_cast<std::uint16_t>(items_.size()));
        for (const auto& item : items_) {
            const std::array<char16_t, 9> key{item.letter, item.key};
            std::array<char16_t, 9> result{};
            std::copy_n(item.result.begin(), std::min<std::size_t>(item.result.size(), 8), result.begin());
            for (char16_t c : key) Put16(c);
            for (char16_t c : result) Put16(c);
        }
        return std::move(bytes_);
    }

private:
    struct Entry {
        char16_t letter, key;
        std::u16string result;
    };
    void Put16(std::uint16_t v) {
        bytes_.push_back(static_cast<std::uint8_t>(v));
        bytes_.push_back(static_cast<std::uint8_t>(v >> 8));
    }
    std::vector<std::uint8_t> bytes_;
    std::vector<Entry> items_;
};

std::u16string Pair(char16_t a, char16_t b) { return {a, b}; }

// The row of an untoned vowel.
const TonedVowel* TonesOf(char16_t vowel) {
    const TonedVowel* row = VowelRow(vowel);
    return row != nullptr && row->vowel == vowel ? row : nullptr;
}

// Tones by letter or punctuation keys: a tone key after a vowel tones it, after a vowel of
// another tone changes the tone, after a vowel of its own tone gives the vowel and the key
// back. `clear` (0 for none) takes a tone off.
void AddTones(Image& image, std::u16string_view keys, char16_t clear, bool both_cases) {
    for (const TonedVowel& t : TonedVowels())
        for (int upper = 0; upper <= (both_cases ? 1 : 0); ++upper) {
            const auto cased = [upper](char16_t key) {
                return static_cast<char16_t>(upper ? key - 32 : key);
            };
            for (std::size_t i = 0; i < 5; ++i) {
                const char16_t key = cased(keys[i]);
                image.Add(t.vowel, key, {&t.tones[i], 1});
                for (std::size_t j = 0; j < 5; ++j)
                    image.Add(t.tones[j], key, i == j ? Pair(t.vowel, key) : std::u16string(1, t.tones[i]));
            }
            if (clear != 0)
                for (std::size_t j = 0; j < 5; ++j) image.Add(t.tones[j], cased(clear), {&t.vowel, 1});
        }
}

// Marks keep the tone a vowel has; the key after its marked vowel gives the letter and the
// key back.
void AddMarks(Image& image, std::span<const Mark> marks) {
    for (const Mark& m : marks) {
        image.Add(m.letter, m.key, {&m.marked, 1});
        image.Add(m.marked, m.key, Pair(m.letter, m.key));
        const TonedVowel* plain = TonesOf(m.letter);
        const TonedVowel* marked = TonesOf(m.marked);
        if (plain == nullptr || marked == nullptr) continue;
        for (std::size_t i = 0; i < 5; ++i) image.Add(plain->tones[i], m.key, {&marked->tones[i], 1});
    }
}

std::vector<std::uint8_t> MakeBuiltIn() {
    Image image("Vietnamese chars", u"123456789");
    for (const TonedVowel& t : TonedVowels())
        for (std::size_t i = 0; i < 5; ++i)
            image.Add(t.vowel, static_cast<char16_t>(u'1' + i), {&t.tones[i], 1});
    for (const Modified& m : DigitModifiers) image.Add(m.letter, m.digit, {&m.result, 1});
    return image.Take();
}

// The mark keys in both cases: a capital key marks like the small one, the letter keeps its case.
std::vector<Mark> BothCases(std::initializer_list<Mark> small) {
    std::vector<Mark> all;
    for (const Mark& m : small) {
        const auto upper = [](char16_t c) {
            return c == u'ư'   ? u'Ư'
                   : c == u'ơ' ? u'Ơ'
                   : c == u'ă' ? u'Ă'
                   : c == u'â' ? u'Â'
                   : c == u'ê' ? u'Ê'
                   : c == u'ô' ? u'Ô'
                   : c == u'đ' ? u'Đ'
                               : static_cast<char16_t>(c - 32);
        };
        const bool letter_key = m.key >= u'a' && m.key <= u'z';
        for (int key_upper = 0; key_upper <= (letter_key ? 1 : 0); ++key_upper) {
            const auto key = static_cast<char16_t>(key_upper ? m.key - 32 : m.key);
            all.push_back({key, m.letter, m.marked});
            all.push_back({key, upper(m.letter), upper(m.marked)});
        }
    }
    return all;
}

std::vector<std::uint8_t> MakeTelex() {
    Image image("Telex", u"sfrxjzSFRXJZaAeEoOwWdD");
    AddTones(image, u"sfrxj", u'z', true);
    const std::vector<Mark> marks = BothCases({{u'a', u'a', u'â'},
                                               {u'e', u'e', u'ê'},
                                               {u'o', u'o', u'ô'},
                                               {u'w', u'a', u'ă'},
                                               {u'w', u'o', u'ơ'},
                                               {u'w', u'u', u'ư'},
                                               {u'd', u'd', u'đ'}});
    AddMarks(image, marks);
    // W where no vowel takes it is ư itself: after a consonant or a space.
    for (char16_t c : std::u16string_view(u" bcdđghklmnpqrstvxBCDĐGHKLMNPQRSTVX")) {
        image.Add(c, u'w', Pair(c, c >= u'A' && c <= u'Z' ? u'Ư' : u'ư'));
        image.Add(c, u'W', Pair(c, u'Ư'));
    }
    return image.Take();
}

std::vector<std::uint8_t> MakeViqr() {
    Image image("VIQR", u"'`?~.^(+dD");
    AddTones(image, u"'`?~.", 0, false);
    AddMarks(image, BothCases({{u'^', u'a', u'â'},
                               {u'^', u'e', u'ê'},
                               {u'^', u'o', u'ô'},
                               {u'(', u'a', u'ă'},
                               {u'+', u'o', u'ơ'},
                               {u'+', u'u', u'ư'},
                               {u'd', u'd', u'đ'}}));
    return image.Take();
}

} // namespace

std::span<const std::uint8_t> BuiltInAccentImage() {
    static const std::vector<std::uint8_t> image = MakeBuiltIn();
    return image;
}

std::span<const std::uint8_t> TelexAccentImage() {
    static const std::vector<std::uint8_t> image = MakeTelex();
    return image;
}

std::span<const std::uint8_t> ViqrAccentImage() {
    static const std::vector<std::uint8_t> image = MakeViqr();
    return image;
}

} // namespace zeledit::platform
