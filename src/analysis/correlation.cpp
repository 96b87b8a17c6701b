#include "analysis/correlation.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

namespace karvelo {

namespace {

double Mean(std::span<const double> values) {
    double sum = 0.0;
    for (const double value : values) {
        sum += value;
    }
    return sum / static_cast<double>(values.size());
}

double PopulationDeviation(std::span<const double> values, double mean) {
    double sum = 0.0;
    for (const double value : values) {
        sum += (value - mean) * (value - mean);
    }
    return std::sqrt(sum / static_cast<double>(values.size()));
}

}  // namespace

bool CrossCorrelation(std::span<const double> x, std::span<const double> y, int maxLag,
                      std::span<double> out) {
    const std::size_t n = x.size();
    if (n < 1 || y.size() != n || maxLag < 0 || static_cast<std::size_t>(maxLag) + 1 > n ||
        out.size() < 2 * static_cast<std::size_t>(maxLag) + 1) {
        return true;
    }
    const double meanX = Mean(x);
    const double meanY = Mean(y);
    const double scale = PopulationDeviation(x, meanX) * PopulationDeviation(y, meanY);
    if (!(scale > 0.0) || !std::isfinite(scale)) {
        return true;
    }
    const auto count = static_cast<std::ptrdiff_t>(n);
    for (std::ptrdiff_t k = -maxLag; k <= maxLag; ++k) {
        // Overlap of 0 <= i < n with 0 <= i + k < n.
        const std::ptrdiff_t begin = std::max<std::ptrdiff_t>(0, -k);
        const std::ptrdiff_t end = std::min(count, count - k);
        double sum = 0.0;
        for (std::ptrdiff_t i = begin; i < end; ++i) {
            sum += (x[static_cast<std::size_t>(i)] - meanX) *
                   (y[static_cast<std::size_t>(i + k)] - meanY);
        }
        out[static_cast<std::size_t>(k + maxLag)] = sum / static_cast<double>(n) / scale;
    }
    return false;
}

}  // namespace karvelo
