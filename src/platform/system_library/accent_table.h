// The accent table: which keys are accent keys and what a letter followed by one becomes.
// One table serves the whole process; the built-in one is "Vietnamese chars".
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace zeledit::platform {

class TCharSetList {
public:
    struct Item {
        std::array<char16_t, 9> key{};    // zero-terminated
        std::array<char16_t, 9> result{}; // zero-terminated
    };
    static constexpr std::size_t ItemSize = 36;
    static constexpr std::size_t MaxHotKeys = 259; // FHotKeys holds them and a zero

    // An image in memory: the counts are taken by their low byte.
    bool LoadFromBuffer(std::span<const std::uint8_t> image) { return Load(image, true); }
    // A file, with full 16-bit counts. A file that cannot be read clears the items and
    // keeps the rest; one that does not hold a whole valid table changes nothing.
    bool LoadFromFile(const std::string& FileName);
    // Code units above 255 are never accent keys.
    bool IsHotKey(char16_t Ch) const;
    // The result for a key of the letter and the accent key; 0 when the table has none or
    // it is longer than one unit.
    char16_t Compose(char16_t letter, char16_t accent) const;
    // The whole result (up to 8 units: a doubled key gives the letter and the key back);
    // empty when the table has none.
    std::u16string_view ComposeText(char16_t letter, char16_t accent) const;

    char FTitle[26] = {};
    std::uint16_t FStyle = 0;
    char FHotKeys[260] = {};
    std::vector<Item> Items;

private:
    bool Load(std::span<const std::uint8_t> image, bool low_byte_counts);
};

// The process-wide table (filled from the built-in image on first use).
TCharSetList& AccentTable();

} // namespace zeledit::platform
