#include "platform/system_library/vietnamese_letters.h"

namespace zeledit::platform {
namespace {

constexpr TonedVowel Vowels[] = {
    {u'a', u"áàảãạ"}, {u'â', u"ấầẩẫậ"}, {u'ă', u"ắằẳẵặ"}, {u'e', u"éèẻẽẹ"}, {u'ê', u"ếềểễệ"},
    {u'i', u"íìỉĩị"}, {u'o', u"óòỏõọ"}, {u'ô', u"ốồổỗộ"}, {u'ơ', u"ớờởỡợ"}, {u'u', u"úùủũụ"},
    {u'ư', u"ứừửữự"}, {u'y', u"ýỳỷỹỵ"}, {u'A', u"ÁÀẢÃẠ"}, {u'Â', u"ẤẦẨẪẬ"}, {u'Ă', u"ẮẰẲẴẶ"},
    {u'E', u"ÉÈẺẼẸ"}, {u'Ê', u"ẾỀỂỄỆ"}, {u'I', u"ÍÌỈĨỊ"}, {u'O', u"ÓÒỎÕỌ"}, {u'Ô', u"ỐỒỔỖỘ"},
    {u'Ơ', u"ỚỜỞỠỢ"}, {u'U', u"ÚÙỦŨỤ"}, {u'Ư', u"ỨỪỬỮỰ"}, {u'Y', u"ÝỲỶỸỴ"},
};

} // namespace

std::span<const TonedVowel> TonedVowels() { return Vowels; }

const TonedVowel* VowelRow(char16_t letter) {
    for (const TonedVowel& row : Vowels)
        if (row.vowel == letter || row.tones.find(letter) != std::u16string_view::npos) return &row;
    return nullptr;
}

int ToneOf(char16_t letter) {
    const TonedVowel* row = VowelRow(letter);
    if (row == nullptr || row->vowel == letter) return 0;
    return static_cast<int>(row->tones.find(letter)) + 1;
}

char16_t Untoned(char16_t letter) {
    const TonedVowel* row = VowelRow(letter);
    return row != nullptr ? row->vowel : letter;
}

} // namespace zeledit::platform
