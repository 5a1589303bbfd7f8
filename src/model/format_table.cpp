#include "model/format_table.h"

#include "model/document_watcher.h"
#include "model/editor_buffer.h"
#include "model/editor_fonts.h"
#include "model/editor_paragraphs.h"
#include "platform/core/byte_reader.h"

#include <algorithm>
#include <numeric>
#include <tuple>

namespace zeledit::model {

RemovalPlan PlanRemoveSames(std::size_t count, const std::function<bool(std::size_t, std::size_t)>& equal,
                            std::span<const std::uint32_t> usage) {
    std::vector<std::size_t> alive(count), target(count);
    std::iota(alive.begin(), alive.end(), 0);
    std::iota(target.begin(), target.end(), 0);
    auto resolve = [&](std::size_t o) {
        while (target[o] != o) o = target[o];
        return o;
    };
    for (std::size_t p = alive.size(); p-- > 0 && alive.size() > 1;)
        for (std::size_t q = 0; q < alive.size(); ++q) {
            if (q == p || !equal(alive[q], alive[p])) continue;
            target[alive[p]] = alive[q];
            alive.erase(alive.begin() + static_cast<std::ptrdiff_t>(p));
            break;
        }
    std::vector<std::uint32_t> used(count, 0);
    for (std::size_t o = 0; o < count && o < usage.size(); ++o) used[resolve(o)] += usage[o];
    for (std::size_t p = alive.size(); p-- > 0 && alive.size() > 1;)
        if (used[alive[p]] == 0) alive.erase(alive.begin() + static_cast<std::ptrdiff_t>(p));
    RemovalPlan plan{std::vector<std::int32_t>(count, 0), std::vector<bool>(count, false)};
    for (const std::size_t k : alive) plan.keep[k] = true;
    for (std::size_t o = 0; o < count; ++o) {
        const auto it = std::find(alive.begin(), alive.end(), resolve(o));
        plan.map[o] = it == alive.end() ? 0 : static_cast<std::int32_t>(it - alive.begin());
    }
    return plan;
}

template <class Traits> auto TFormatTable<Traits>::GetFormatItem(std::int32_t Index) const -> Item* {
    TItemNode* n = Get(Index);
    return static_cast<Item*>(n != nullptr ? n : FHead);
}

template <class Traits> std::int32_t TFormatTable<Traits>::FindEqual(const Record& Format) const {
    std::int32_t i = 0;
    for (TItemNode* n = FHead; n != nullptr && i < MaxFormats; n = n->NextItem, ++i)
        if (Traits::Holds(*static_cast<Item*>(n), Format)) return i;
    return -1;
}

template <class Traits> std::vector<std::uint32_t> TFormatTable<Traits>::Usage() const {
    std::vector<std::uint32_t> used(static_cast<std::size_t>(Count()), 0);
    const TEditorBuffer* b = EditorInfo != nullptr ? EditorInfo->eiBuffers : nullptr;
    if (b == nullptr) return used;
    const std::uint32_t length = b->TextLength();
    for (std::uint32_t i = 0; i <= length; ++i) {
        if (!Traits::Carries(b->CharAt(i), i == length)) continue;
        const std::size_t index = b->FormatByte(i) & Traits::IndexBits;
        if (index < used.size()) ++used[index];
    }
    return used;
}

template <class Traits> void TFormatTable<Traits>::Renumber(std::span<const std::int32_t> map) const {
    TEditorBuffer* b = EditorInfo != nullptr ? EditorInfo->eiBuffers : nullptr;
    if (b == nullptr) return;
    const std::uint32_t length = b->TextLength();
    for (std::uint32_t i = 0; i <= length; ++i) {
        if (!Traits::Carries(b->CharAt(i), i == length)) continue;
        std::uint8_t& byte = b->FormatByte(i);
        const std::size_t old = byte & Traits::IndexBits;
        const std::int32_t now = old < map.size() ? map[old] : 0;
        byte = static_cast<std::uint8_t>((byte & ~Traits::IndexBits) | now);
    }
}

template <class Traits> void TFormatTable<Traits>::FormatsChanged() const {
    if (FWatcher != nullptr) FWatcher->FormatsChanged();
}

template <class Traits> void TFormatTable<Traits>::DeleteFormat(std::int32_t ID) {
    if (ID < 0 || ID >= Count() || Count() <= 1) return;
    std::vector<std::int32_t> map(static_cast<std::size_t>(Count()));
    for (std::int32_t i = 0; i < Count(); ++i) map[i] = i < ID ? i : i == ID ? 0 : i - 1;
    Renumber(map);
    FreeAt(ID);
}

template <class Traits> void TFormatTable<Traits>::RemoveSames() {
    if (Count() <= 1) return;
    std::vector<Item*> entries;
    for (TItemNode* n = FHead; n != nullptr; n = n->NextItem) entries.push_back(static_cast<Item*>(n));
    // Planned on indices, then the text is renumbered once.
    const auto plan = PlanRemoveSames(
        entries.size(), [&](std::size_t a, std::size_t b) { return entries[a]->CompareWith(*entries[b]); },
        Usage());
    Renumber(plan.map);
    for (std::size_t o = entries.size(); o-- > 0;)
        if (!plan.keep[o]) FreeItem(entries[o]);
}

template <class Traits>
std::size_t TFormatTable<Traits>::SaveTo(std::uint8_t* Buffer, std::size_t Index) const {
    for (TItemNode* n = FHead; n != nullptr; n = n->NextItem, Index += sizeof(Record))
        std::memcpy(Buffer + Index, &static_cast<Item*>(n)->FAttributes, sizeof(Record));
    return Index;
}

template <class Traits>
template <class Stored>
bool TFormatTable<Traits>::AppendRecords(std::span<const std::uint8_t> bytes, std::int32_t count) {
    if (count < 0 || Count() + count > MaxFormats ||
        bytes.size() / sizeof(Stored) < static_cast<std::size_t>(count))
        return false;
    const platform::ByteReader in(bytes);
    for (std::int32_t i = 0; i < count; ++i)
        Append(new Item(in.get<Stored>(static_cast<std::size_t>(i) * sizeof(Stored))));
    return true;
}

template <class Traits> bool TFormatTable<Traits>::LoadFrom(std::span<const std::uint8_t> b, std::int32_t n) {
    return AppendRecords<Record>(b, n);
}
template <class Traits>
bool TFormatTable<Traits>::LoadFrom2(std::span<const std::uint8_t> b, std::int32_t n) {
    return AppendRecords<std::tuple_element_t<0, typename Traits::Older>>(b, n);
}
template <class Traits>
bool TFormatTable<Traits>::LoadFrom3(std::span<const std::uint8_t> b, std::int32_t n) {
    return AppendRecords<std::tuple_element_t<1, typename Traits::Older>>(b, n);
}

template class TFormatTable<FontTableTraits>;
template class TFormatTable<ParaTableTraits>;

} // namespace zeledit::model
