// What both format tables share: their bound, their rules and the table itself.
#pragma once

#include "model/editor_info.h"
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

class TDocumentWatcher;

// A format table: shared entries of one record type, found by position from the format
// bytes of the text. `Traits` names the entry and record types and which positions of the
// text carry an index into the table.
template <class Traits> class TFormatTable : public TLinkList {
public:
    using Item = typename Traits::Item;
    using Record = decltype(Item::FAttributes);

    explicit TFormatTable(PEditorInfo info) : EditorInfo(info) {}

    Item* GetFormatItem(std::int32_t Index) const;      // entry 0 for an index outside
    std::int32_t FindEqual(const Record& Format) const; // −1 when no entry holds it
    // Removes an entry; the text that used it takes entry 0, the rest are renumbered.
    void DeleteFormat(std::int32_t ID);
    void RemoveSames();
    std::int32_t GetSize() const { return Count() * static_cast<std::int32_t>(sizeof(Record)); }
    std::size_t SaveTo(std::uint8_t* Buffer, std::size_t Index) const;
    // Append entries from stored records of today's or an older layout; false when the bytes
    // run short or the table would pass MaxFormats (nothing is appended then).
    bool LoadFrom(std::span<const std::uint8_t> bytes, std::int32_t ACount);
    bool LoadFrom2(std::span<const std::uint8_t> bytes, std::int32_t ACount);
    bool LoadFrom3(std::span<const std::uint8_t> bytes, std::int32_t ACount);

    template <class Visit> void ForEach(Visit visit) const {
        for (TItemNode* n = FHead; n != nullptr; n = n->NextItem) visit(*static_cast<Item*>(n));
    }
    void SetWatcher(TDocumentWatcher* watcher) { FWatcher = watcher; }

    PEditorInfo EditorInfo;

protected:
    // How many positions of the text use each entry.
    std::vector<std::uint32_t> Usage() const;
    // Applies an old-to-new index map to the text, in one pass; an index outside is repaired.
    void Renumber(std::span<const std::int32_t> map) const;
    void FormatsChanged() const;

private:
    template <class Stored> bool AppendRecords(std::span<const std::uint8_t> bytes, std::int32_t count);

    TDocumentWatcher* FWatcher = nullptr;
};

} // namespace zeledit::model
