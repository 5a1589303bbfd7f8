#include "platform/core/clock.h"

#include <chrono>

namespace zeledit::platform {
namespace {

bool manual = false;
std::uint64_t manual_now = 0;

std::uint64_t real_now() {
    using namespace std::chrono;
    return static_cast<std::uint64_t>(
        duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

} // namespace

std::uint64_t Clock::now_ms() { return manual ? manual_now : real_now(); }
bool Clock::is_manual() { return manual; }

void Clock::use_manual(std::uint64_t start_ms) {
    manual = true;
    manual_now = start_ms;
}

void Clock::use_real() { manual = false; }

void Clock::advance(std::uint64_t ms) {
    if (manual) manual_now += ms;
}

} // namespace zeledit::platform
