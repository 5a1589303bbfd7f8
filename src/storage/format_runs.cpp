#include "storage/format_runs.h"

#include <algorithm>
#include <bit>
#include <cstring>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace zeledit::storage {
namespace {

// Calls emit(length, value) for each run in order. The ends of the runs are found 16
// bytes at a time where the processor allows, independently of one another, so the walk
// does not wait on each run's length before looking at the next.
template <class Emit> void ForEachRun(std::span<const std::uint8_t> bytes, Emit&& emit) {
    const std::size_t n = bytes.size();
    if (n == 0) return;
    const std::uint8_t* p = bytes.data();
    std::size_t start = 0;
    const auto end_run = [&](std::size_t at) {
        std::size_t length = at - start;
        for (; length > 255; length -= 255) emit(255, p[start]);
        emit(length, p[start]);
        start = at;
    };
    std::size_t i = 1;
#if defined(__SSE2__)
    for (; i + 16 <= n; i += 16) {
        const __m128i here = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + i));
        const __m128i before = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + i - 1));
        unsigned changes = ~static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(here, before))) & 0xFFFF;
        for (; changes != 0; changes &= changes - 1) end_run(i + std::countr_zero(changes));
    }
#endif
    for (; i < n; ++i)
        if (p[i] != p[i - 1]) end_run(i);
    end_run(n);
}

} // namespace

std::size_t PackedSize(std::span<const std::uint8_t> bytes) {
    std::size_t size = 0;
    ForEachRun(bytes, [&](std::size_t, std::uint8_t) { size += 2; });
    return size;
}

std::size_t PackRuns(std::span<const std::uint8_t> bytes, std::uint8_t* out) {
    std::size_t written = 0;
    ForEachRun(bytes, [&](std::size_t length, std::uint8_t value) {
        out[written++] = static_cast<std::uint8_t>(length);
        out[written++] = value;
    });
    return written;
}

bool UnpackRuns(std::span<const std::uint8_t> packed, std::span<std::uint8_t> out) {
    if (packed.size() % 2 != 0) return false;
    std::size_t filled = 0;
    for (std::size_t i = 0; i < packed.size(); i += 2) {
        const std::size_t run = packed[i];
        const std::size_t room = out.size() - filled;
        if (run > room) return false;
        // Most runs are a word or two long: whole 16-byte stores where the room allows
        // beat a call per run; later runs overwrite the overshoot.
        std::uint8_t* to = out.data() + filled;
        std::uint8_t chunk[16];
        std::memset(chunk, packed[i + 1], sizeof chunk);
        if (room >= ((run + 15) & ~std::size_t{15}))
            for (std::size_t k = 0; k < run; k += 16) std::memcpy(to + k, chunk, 16);
        else
            std::memset(to, packed[i + 1], run);
        filled += run;
    }
    std::memset(out.data() + filled, 0, out.size() - filled);
    return true;
}

} // namespace zeledit::storage
