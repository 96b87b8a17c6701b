#include "analysis/detrend.h"

namespace karvelo {

void RemoveLinearTrend(std::span<double> samples) {
    const std::size_t n = samples.size();
    if (n == 0) {
        return;
    }
    // The line a + b (i - c) about the centre c of the indices, where the two sums that
    // fit it are independent.
    const double centre = (static_cast<double>(n) - 1.0) / 2.0;
    double mean = 0.0;
    double moment = 0.0;
    double spread = 0.0;
    for (std::size_t i = 0; i < n; ++i) {
        const double x = static_cast<double>(i) - centre;
        mean += samples[i];
        moment += x * samples[i];
        spread += x * x;
    }
    mean /= static_cast<double>(n);
    const double slope = spread > 0.0 ? moment / spread : 0.0;
    for (std::size_t i = 0; i < n; ++i) {
        samples[i] -= mean + slope * (static_cast<double>(i) - centre);
    }
}

}  // namespace karvelo
