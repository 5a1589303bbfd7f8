// Module resources: read-only data registered under a module, a type and a name.
#pragma once

#include <zeledit/win_types.h>

#include <cstdint>
#include <span>

namespace zeledit::platform {

// The bytes must outlive the process's use of them (built-in tables are static data).
void add_resource(HMODULE module, LPCWSTR type, LPCWSTR name, std::span<const std::uint8_t> bytes);

} // namespace zeledit::platform
