// Internal view of the global memory table.
#pragma once

#include <zeledit/win_memory.h>

#include <cstddef>

namespace zeledit::platform {

void reset_global_memory();
std::size_t global_block_count();

} // namespace zeledit::platform
