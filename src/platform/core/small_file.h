// Reading a whole small file (tables, key maps) at once.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace zeledit::platform {

// False when the file cannot be read or is larger than `limit` bytes.
bool ReadSmallFile(const std::string& path, std::vector<std::uint8_t>& out, std::size_t limit = 16u << 20);

} // namespace zeledit::platform
