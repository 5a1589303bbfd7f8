// Doubles become integers only through these: nearest with halves to even (or floor and
// ceiling), NaN as 0, and the 32-bit range as the limit, so that no cast overflows.
#pragma once

#include <cmath>
#include <cstdint>

namespace zeledit::platform {

inline std::int32_t saturate(double v) {
    if (std::isnan(v)) return 0;
    if (v >= 2147483647.0) return INT32_MAX;
    if (v <= -2147483648.0) return INT32_MIN;
    return static_cast<std::int32_t>(v);
}
inline std::int32_t round_nearest(double v) { return saturate(std::nearbyint(v)); }
inline std::int32_t floor_to_int(double v) { return saturate(std::floor(v)); }
inline std::int32_t ceil_to_int(double v) { return saturate(std::ceil(v)); }

} // namespace zeledit::platform
