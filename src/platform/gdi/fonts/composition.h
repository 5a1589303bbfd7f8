#pragma once

namespace zeledit::platform {

// The precomposed letter for a base letter and a combining mark, or 0 when there is none.
char16_t compose(char16_t base, char16_t mark);

} // namespace zeledit::platform
