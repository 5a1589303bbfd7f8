// The key map: the shortcut of each of the 86 addressable commands. The commands and their
// default shortcuts arrive with the key handling; the addressing rules hold already.
#pragma once

#include <array>
#include <cstdint>

namespace zeledit::engine {

class TEditorKeyboard {
public:
    static constexpr std::uint32_t EntryCount = 86;

    // 0 for an entry outside 0..85.
    std::uint16_t GetHotKey(std::uint32_t entry) const { return entry < EntryCount ? FKeys[entry] : 0; }
    // Entries outside 0..85 change nothing.
    void SetHotKey(std::uint32_t entry, std::uint16_t shortcut) {
        if (entry < EntryCount) FKeys[entry] = shortcut;
    }

private:
    std::array<std::uint16_t, EntryCount> FKeys{};
};

} // namespace zeledit::engine
