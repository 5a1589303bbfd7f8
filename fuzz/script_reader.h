// The fuzzers' input read as a script: a byte at a time, zeros once it runs out.
#pragma once

#include <cstddef>
#include <cstdint>

namespace fuzz {

struct Reader {
    const std::uint8_t* p;
    std::size_t n;
    bool more() const { return n > 0; }
    std::uint8_t byte() {
        if (n == 0) return 0;
        --n;
        return *p++;
    }
    std::uint16_t word() { return static_cast<std::uint16_t>(byte() | byte() << 8); }
    int small() { return static_cast<int>(static_cast<std::int8_t>(byte())) * 4; }
};

} // namespace fuzz
