#include "platform/user/thread_state.h"

namespace zeledit::platform {

namespace {
thread_local ThreadState state;
}

ThreadState& thread_state() { return state; }
void reset_thread_state() { state = ThreadState{}; }

} // namespace zeledit::platform
