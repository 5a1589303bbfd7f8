// Rules both format tables follow, independent of what their entries hold.
#pragma once

#include "model/link_list.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <functional>
#include <span>
#include <vector>

namespace zeledit::model {

inline constexpr int MaxFormats = 128;

// Font and bullet sizes in points: a size moved by a host's increment stays a size.
inline constexpr int MinPoints = 1, MaxPoints = 32767;
inline std::int16_t ShiftedPoints(int points, std::int64_t increment) {
    return static_cast<std::int16_t>(std::clamp<std::int64_t>(points + increment, MinPoints, MaxPoints));
}

// Duplicate removal on indices alone: from the last entry down, the first other equal entry
// (from the head) takes over its users and the entry goes; then, from the last down, entries
// no one uses go; one entry always stays. `map` gives each old index its new one.
struct RemovalPlan {
    std::vector<std::int32_t> map;
    std::vector<bool> keep;
};
RemovalPlan PlanRemoveSames(std::size_t count, const std::function<bool(std::size_t, std::size_t)>& equal,
                            std::span<const std::uint32_t> usage);

// Appends `count` entries read from packed records; nothing is appended when the bytes run
// short or the table would pass MaxFormats.
template <class Item, class Record>
bool AppendRecords(TLinkList& table, std::span<const std::uint8_t> bytes, std::int32_t count) {
    if (count < 0 || table.Count() + count > MaxFormats ||
        bytes.size() / sizeof(Record) < static_cast<std::size_t>(count))
        return false;
    for (std::int32_t i = 0; i < count; ++i) {
        Record r;
        std::memcpy(&r, bytes.data() + static_cast<std::size_t>(i) * sizeof(Record), sizeof r);
        table.Append(new Item(r));
    }
    return true;
}

// Writes every entry's packed record at `index`; answers the index after the last.
template <class Item, class Record>
std::size_t SaveRecords(const TLinkList& table, std::uint8_t* buffer, std::size_t index) {
    for (TItemNode* n = table.Head(); n != nullptr; n = n->NextItem, index += sizeof(Record))
        std::memcpy(buffer + index, &static_cast<Item*>(n)->FAttributes, sizeof(Record));
    return index;
}

} // namespace zeledit::model
