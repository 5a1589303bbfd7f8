// Whole files in and out: written beside the target and renamed over it only once every
// byte is on disk, so a failed save never destroys the file that was there.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace zeledit::storage {

bool WriteWholeFile(const std::string& path, std::span<const std::uint8_t> bytes);

// The file's size, or none when it cannot be opened.
std::optional<std::uint64_t> FileSize(const std::string& path);
// Fills `out` from the start of the file; false on any read error or a shorter file.
bool ReadFileStart(const std::string& path, std::span<std::uint8_t> out);

} // namespace zeledit::storage
