#include "model/device_metrics.h"

#include <cmath>
#include <cstdint>

namespace zeledit::model {

int RoundNearest(double value) {
    if (std::isnan(value)) return 0;
    const double r = std::nearbyint(value);
    if (r >= 2147483647.0) return INT32_MAX;
    if (r <= -2147483648.0) return INT32_MIN;
    return static_cast<int>(r);
}

} // namespace zeledit::model
