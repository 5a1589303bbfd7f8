// The system library's two services: composing a letter with an accent key, and the
// process-wide Vietnamese keyboard switch.
#pragma once

#include <cstdint>

namespace zeledit::platform {

// The letter PrevChar with accent key number AccentIndex (the key's code minus 48); 0 when
// the pair does not compose.
std::uint16_t VCharOf(std::uint16_t PrevChar, std::int32_t AccentIndex);
void SetVietnameseKey(std::uint8_t Enable);
bool VietnameseKeyOn();

} // namespace zeledit::platform
