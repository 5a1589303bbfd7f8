// Metafile playback: enhanced (EMF) and Windows (WMF) metafiles held as their bytes.
#pragma once

#include <zeledit/win_gdi.h>

#include <cstdint>
#include <span>
#include <vector>

namespace zeledit::platform {

// Plays the records of an enhanced metafile; `dest` receives its picture frame.
bool play_emf(HDC dc, std::span<const std::uint8_t> bytes, const RECT& dest);
// Plays a Windows metafile (with or without a placeable header) in the DC's mapping.
bool play_wmf(HDC dc, std::span<const std::uint8_t> bytes);
// The header checks of each kind, for deciding what a block holds.
bool is_emf(std::span<const std::uint8_t> bytes);
bool is_wmf(std::span<const std::uint8_t> bytes);

// Objects a metafile creates live in a table of its own and die with the playback.
class MetafileObjects {
public:
    explicit MetafileObjects(std::size_t capacity) : slots_(std::min<std::size_t>(capacity, 65535)) {}
    ~MetafileObjects();
    MetafileObjects(const MetafileObjects&) = delete;
    MetafileObjects& operator=(const MetafileObjects&) = delete;
    void put(std::size_t index, HGDIOBJ object);
    void add(HGDIOBJ object); // into the lowest free slot
    HGDIOBJ at(std::size_t index) const { return index < slots_.size() ? slots_[index] : nullptr; }
    void remove(HDC dc, std::size_t index);

private:
    std::vector<HGDIOBJ> slots_;
};

} // namespace zeledit::platform
