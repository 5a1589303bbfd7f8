#include "model/format_table_rules.h"

#include <algorithm>
#include <numeric>

namespace zeledit::model {

RemovalPlan PlanRemoveSames(std::size_t count, const std::function<bool(std::size_t, std::size_t)>& equal,
                            std::span<const std::uint32_t> usage) {
    std::vector<std::size_t> alive(count), target(count);
    std::iota(alive.begin(), alive.end(), 0);
    std::iota(target.begin(), target.end(), 0);
    auto resolve = [&](std::size_t o) {
        while (target[o] != o) o = target[o];
        return o;
    };
    for (std::size_t p = alive.size(); p-- > 0 && alive.size() > 1;)
        for (std::size_t q = 0; q < alive.size(); ++q) {
            if (q == p || !equal(alive[q], alive[p])) continue;
            target[alive[p]] = alive[q];
            alive.erase(alive.begin() + static_cast<std::ptrdiff_t>(p));
            break;
        }
    std::vector<std::uint32_t> used(count, 0);
    for (std::size_t o = 0; o < count && o < usage.size(); ++o) used[resolve(o)] += usage[o];
    for (std::size_t p = alive.size(); p-- > 0 && alive.size() > 1;)
        if (used[alive[p]] == 0) alive.erase(alive.begin() + static_cast<std::ptrdiff_t>(p));
    RemovalPlan plan{std::vector<std::int32_t>(count, 0), std::vector<bool>(count, false)};
    for (std::size_t i = 0; i < alive.size(); ++i) plan.keep[alive[i]] = true;
    for (std::size_t o = 0; o < count; ++o) {
        const auto it = std::find(alive.begin(), alive.end(), resolve(o));
        plan.map[o] = it == alive.end() ? 0 : static_cast<std::int32_t>(it - alive.begin());
    }
    return plan;
}

} // namespace zeledit::model
