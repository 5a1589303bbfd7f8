#include "platform/system_library/accent_table.h"

#include "platform/core/byte_reader.h"
#include "platform/core/small_file.h"

#include <algorithm>
#include <cstring>
#include <string_view>

namespace zeledit::platform {
namespace {

// Each vowel with tones 1 to 5: acute, grave, hook above, tilde, dot below.
struct Toned {
    char16_t vowel;
    std::u16string_view tones;
};
constexpr Toned TonedVowels[] = {
    {u'a', u"áàảãạ"}, {u'â', u"ấầẩẫậ"}, {u'ă', u"ắằẳẵặ"}, {u'e', u"éèẻẽẹ"}, {u'ê', u"ếềểễệ"},
    {u'i', u"íìỉĩị"}, {u'o', u"óòỏõọ"}, {u'ô', u"ốồổỗộ"}, {u'ơ', u"ớờởỡợ"}, {u'u', u"úùủũụ"},
    {u'ư', u"ứừửữự"}, {u'y', u"ýỳỷỹỵ"}, {u'A', u"ÁÀẢÃẠ"}, {u'Â', u"ẤẦẨẪẬ"}, {u'Ă', u"ẮẰẲẴẶ"},
    {u'E', u"ÉÈẺẼẸ"}, {u'Ê', u"ẾỀỂỄỆ"}, {u'I', u"ÍÌỈĨỊ"}, {u'O', u"ÓÒỎÕỌ"}, {u'Ô', u"ỐỒỔỖỘ"},
    {u'Ơ', u"ỚỜỞỠỢ"}, {u'U', u"ÚÙỦŨỤ"}, {u'Ư', u"ỨỪỬỮỰ"}, {u'Y', u"ÝỲỶỸỴ"},
};

// The modifier keys: circumflex (6), horn, ring and cedilla (7), breve and ligatures (8),
// stroke and diaeresis (9), and the tilde of n (4).
struct Modified {
    char16_t digit, letter, result;
};
constexpr Modified Modifiers[] = {
    {u'6', u'a', u'â'}, {u'6', u'e', u'ê'}, {u'6', u'o', u'ô'}, {u'6', u'i', u'î'}, {u'6', u'u', u'û'},
    {u'7', u'o', u'ơ'}, {u'7', u'u', u'ư'}, {u'7', u'a', u'å'}, {u'7', u'c', u'ç'}, {u'8', u'a', u'ă'},
    {u'8', u'o', u'œ'}, {u'8', u'e', u'æ'}, {u'9', u'd', u'đ'}, {u'9', u'a', u'ä'}, {u'9', u'y', u'ÿ'},
    {u'9', u'e', u'ë'}, {u'9', u'i', u'ï'}, {u'9', u'o', u'ö'}, {u'9', u'u', u'ü'}, {u'4', u'n', u'ñ'},
    {u'6', u'A', u'Â'}, {u'6', u'E', u'Ê'}, {u'6', u'O', u'Ô'}, {u'6', u'I', u'Î'}, {u'6', u'U', u'Û'},
    {u'7', u'O', u'Ơ'}, {u'7', u'U', u'Ư'}, {u'7', u'A', u'Å'}, {u'7', u'C', u'Ç'}, {u'8', u'A', u'Ă'},
    {u'8', u'O', u'Œ'}, {u'8', u'E', u'Æ'}, {u'9', u'D', u'Đ'}, {u'9', u'A', u'Ä'}, {u'9', u'Y', u'Ÿ'},
    {u'9', u'E', u'Ë'}, {u'9', u'I', u'Ï'}, {u'9', u'O', u'Ö'}, {u'9', u'U', u'Ü'}, {u'4', u'N', u'Ñ'},
};

void Put16(std::vector<std::uint8_t>& out, std::uint16_t v) {
    out.push_back(static_cast<std::uint8_t>(v));
    out.push_back(static_cast<std::uint8_t>(v >> 8));
}

void PutItem(std::vector<std::uint8_t>& out, char16_t letter, char16_t digit, char16_t result) {
    const char16_t key[9] = {letter, digit}, value[9] = {result};
    for (char16_t c : key) Put16(out, c);
    for (char16_t c : value) Put16(out, c);
}

std::vector<std::uint8_t> MakeImage() {
    std::vector<std::uint8_t> out(26, 0);
    std::memcpy(out.data(), "Vietnamese chars", 16);
    Put16(out, 0);
    constexpr std::string_view keys = "123456789";
    Put16(out, static_cast<std::uint16_t>(keys.size() + 1));
    out.insert(out.end(), keys.begin(), keys.end());
    out.push_back(0);
    Put16(out, static_cast<std::uint16_t>(std::size(TonedVowels) * 5 + std::size(Modifiers)));
    for (const Toned& t : TonedVowels)
        for (std::size_t i = 0; i < 5; ++i)
            PutItem(out, t.vowel, static_cast<char16_t>(u'1' + i), t.tones[i]);
    for (const Modified& m : Modifiers) PutItem(out, m.letter, m.digit, m.result);
    return out;
}

// A count of two bytes; old images use only the low one.
std::optional<std::size_t> ReadCount(ByteReader& in, bool low_byte) {
    const auto n = in.read<std::uint16_t>();
    if (!n) return std::nullopt;
    return low_byte ? *n & 0xFF : *n;
}

// Nine units that hold a terminator.
bool ReadUnits(std::span<const std::uint8_t> b, std::array<char16_t, 9>& out) {
    for (std::size_t i = 0; i < 9; ++i) out[i] = static_cast<char16_t>(b[2 * i] | b[2 * i + 1] << 8);
    return std::find(out.begin(), out.end(), u'\0') != out.end();
}

} // namespace

bool TCharSetList::Load(std::span<const std::uint8_t> image, bool low_byte_counts) {
    ByteReader in(image);
    const auto title = in.take(26);
    const auto style = in.take(2);
    const auto n = ReadCount(in, low_byte_counts);
    if (!n || *n == 0) return false;
    const auto hot = in.take(*n);
    const auto m = ReadCount(in, low_byte_counts);
    if (!title || !style || !hot || !m) return false;
    // The hot keys end at their zero, which must be there; past 259 keys the rest is cut.
    const auto zero = std::find(hot->begin(), hot->end(), 0);
    if (zero == hot->end()) return false;
    std::vector<Item> items(*m);
    for (Item& item : items) {
        const auto record = in.take(ItemSize);
        if (!record || !ReadUnits(record->first(18), item.key) ||
            !ReadUnits(record->subspan(18), item.result))
            return false;
    }
    std::memset(FTitle, 0, sizeof FTitle);
    std::memcpy(FTitle, title->data(), sizeof FTitle - 1);
    FStyle = static_cast<std::uint16_t>((*style)[0] | (*style)[1] << 8);
    std::memset(FHotKeys, 0, sizeof FHotKeys);
    std::copy_n(hot->begin(), std::min<std::size_t>(zero - hot->begin(), MaxHotKeys), FHotKeys);
    Items = std::move(items);
    return true;
}

bool TCharSetList::LoadFromFile(const std::string& FileName) {
    std::vector<std::uint8_t> bytes;
    if (!ReadSmallFile(FileName, bytes)) {
        Items.clear();
        return false;
    }
    return Load(bytes, false);
}

bool TCharSetList::IsHotKey(char16_t Ch) const {
    if (Ch == 0 || Ch > 255) return false;
    return std::memchr(FHotKeys, static_cast<int>(Ch), std::strlen(FHotKeys)) != nullptr;
}

char16_t TCharSetList::Compose(char16_t letter, char16_t accent) const {
    for (const Item& item : Items)
        if (item.key[0] == letter && item.key[1] == accent && item.key[2] == 0) return item.result[0];
    return 0;
}

std::span<const std::uint8_t> BuiltInAccentImage() {
    static const std::vector<std::uint8_t> image = MakeImage();
    return image;
}

TCharSetList& AccentTable() {
    static TCharSetList table = [] {
        TCharSetList t;
        t.LoadFromBuffer(BuiltInAccentImage());
        return t;
    }();
    return table;
}

} // namespace zeledit::platform
