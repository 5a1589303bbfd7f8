#pragma once

namespace zeledit::platform {
void destroy_caret_state();
}
