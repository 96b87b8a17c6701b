#include "plot/nice_ticks.h"

#include <algorithm>
#include <cmath>

namespace karvelo {

namespace {

constexpr double kFlatWidening = 0.1;  // of the value, each side of a flat range

// The smallest round step (1, 2, 5 x 10^k) not below raw.
double RoundStep(double raw) {
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    for (const double factor : {1.0, 2.0, 5.0, 10.0}) {
        if (factor * power >= raw * (1.0 - 1e-9)) {
            return factor * power;
        }
    }
    return 10.0 * power;
}

}  // namespace

TickScale NiceTicks(double low, double high, int maxTicks, double minStep) {
    if (low > high) {
        std::swap(low, high);
    }
    if (high == low) {
        const double widening = low == 0.0 ? 1.0 : std::abs(low) * kFlatWidening;
        low -= std::max(widening, minStep);
        high += std::max(widening, minStep);
    }
    const int intervals = std::max(1, maxTicks - 1);
    double step = RoundStep((high - low) / intervals);
    step = std::max(step, minStep);
    TickScale scale;
    for (;;) {
        scale.Low = std::floor(low / step + 1e-9) * step;
        scale.High = std::ceil(high / step - 1e-9) * step;
        if (std::lround((scale.High - scale.Low) / step) <= intervals) {
            break;
        }
        step = RoundStep(step * 1.5);
    }
    scale.Step = step;
    const long count = std::lround((scale.High - scale.Low) / step);
    for (long k = 0; k <= count; ++k) {
        const double tick = scale.Low + static_cast<double>(k) * step;
        scale.Ticks.push_back(std::abs(tick) < step * 1e-9 ? 0.0 : tick);
    }
    return scale;
}

}  // namespace karvelo
