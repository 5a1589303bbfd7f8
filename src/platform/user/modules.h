#pragma once

#include <zeledit/win_types.h>

namespace zeledit::platform {
// The module instance of the library itself (GetModuleHandleW(u"zeledit")).
HINSTANCE library_instance();
} // namespace zeledit::platform
