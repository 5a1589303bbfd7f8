#include "storage/format_runs.h"

#include <algorithm>
#include <cstring>

namespace zeledit::storage {
namespace {

// Length of the run starting at `at`, cut at 255.
std::size_t RunAt(std::span<const std::uint8_t> bytes, std::size_t at) {
    const std::size_t limit = std::min<std::size_t>(bytes.size() - at, 255);
    std::size_t n = 1;
    while (n < limit && bytes[at + n] == bytes[at]) ++n;
    return n;
}

} // namespace

std::size_t PackedSize(std::span<const std::uint8_t> bytes) {
    std::size_t size = 0;
    for (std::size_t at = 0; at < bytes.size(); at += RunAt(bytes, at)) size += 2;
    return size;
}

std::size_t PackRuns(std::span<const std::uint8_t> bytes, std::uint8_t* out) {
    std::size_t written = 0;
    for (std::size_t at = 0; at < bytes.size();) {
        const std::size_t run = RunAt(bytes, at);
        out[written++] = static_cast<std::uint8_t>(run);
        out[written++] = bytes[at];
        at += run;
    }
    return written;
}

bool UnpackRuns(std::span<const std::uint8_t> packed, std::span<std::uint8_t> out) {
    if (packed.size() % 2 != 0) return false;
    std::size_t filled = 0;
    for (std::size_t i = 0; i < packed.size(); i += 2) {
        const std::size_t run = packed[i];
        if (run > out.size() - filled) return false;
        std::memset(out.data() + filled, packed[i + 1], run);
        filled += run;
    }
    std::memset(out.data() + filled, 0, out.size() - filled);
    return true;
}

} // namespace zeledit::storage
