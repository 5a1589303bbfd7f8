#include "platform/system_library/accent_table.h"

#include "platform/core/byte_reader.h"
#include "platform/core/small_file.h"
#include "platform/system_library/accent_images.h"

#include <algorithm>
#include <cstring>
#include <string_view>

namespace zeledit::platform {
namespace {

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

std::u16string_view TCharSetList::ComposeText(char16_t letter, char16_t accent) const {
    for (const Item& item : Items)
        if (item.key[0] == letter && item.key[1] == accent && item.key[2] == 0)
            return {item.result.data(), std::char_traits<char16_t>::length(item.result.data())};
    return {};
}

char16_t TCharSetList::Compose(char16_t letter, char16_t accent) const {
    const std::u16string_view result = ComposeText(letter, accent);
    return result.size() == 1 ? result[0] : 0;
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
