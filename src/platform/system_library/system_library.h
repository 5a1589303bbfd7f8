// The system library's two services: composing a letter with an accent key, and the
// process-wide Vietnamese keyboard switch.
#pragma once

#include <zeledit/win_types.h>

#include <cstdint>

namespace zeledit::platform {

// The letter PrevChar with accent key number AccentIndex (the key's code minus 48); 0 when
// the pair does not compose.
std::uint16_t VCharOf(std::uint16_t PrevChar, std::int32_t AccentIndex);
void SetVietnameseKey(std::uint8_t Enable);
bool VietnameseKeyOn();

// At library start: the built-in accent and case tables become the module's resources
// ISDATA/VCODETAB and ISDATA/VCASETAB, and the process-wide tables are read from them.
void LoadTablesFromResources(HMODULE module);

} // namespace zeledit::platform
