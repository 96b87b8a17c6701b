#include "report/arrival_velocity.h"

#include <algorithm>
#include <cmath>

#include "analysis/median.h"

namespace karvelo {

std::optional<PointVelocity> MeasureHitVelocities(std::vector<HitCheck>& hits,
                                                  double spacingMetres) {
    std::vector<double> plausible;
    for (std::size_t h = 0; h + 1 < hits.size(); h += 2) {
        HitCheck& first = hits[h];
        const HitCheck& second = hits[h + 1];
        if (!first.Arrival || !second.Arrival) {
            continue;
        }
        const double delay = *second.Arrival - *first.Arrival;
        first.DelayNotPositive = !(delay > 0.0);
        if (first.DelayNotPositive) {
            continue;
        }
        first.Velocity = spacingMetres / delay;
        first.VelocityOutOfRange =
            *first.Velocity < kLowestVelocity || *first.Velocity > kHighestVelocity;
        if (!first.VelocityOutOfRange) {
            plausible.push_back(*first.Velocity);
        }
    }
    if (plausible.empty()) {
        return std::nullopt;
    }
    const auto [low, high] = std::minmax_element(plausible.begin(), plausible.end());
    const PointVelocity point{MedianOf(plausible), *high - *low, plausible.size()};
    for (std::size_t h = 0; h + 1 < hits.size(); h += 2) {
        HitCheck& first = hits[h];
        first.VelocityDeparts =
            first.Velocity && !first.VelocityOutOfRange &&
            std::abs(*first.Velocity - point.Median) > kVelocityDepartShare * point.Median;
    }
    return point;
}

}  // namespace karvelo
