// The time source of timers, message times and double clicks. Tests switch to a manual
// clock and move it by hand, so time-driven behaviour is tested without sleeping.
#pragma once

#include <cstdint>

namespace zeledit::platform {

class Clock {
public:
    static std::uint64_t now_ms();
    static bool is_manual();
    static void use_manual(std::uint64_t start_ms);
    static void use_real();
    static void advance(std::uint64_t ms);
};

} // namespace zeledit::platform
