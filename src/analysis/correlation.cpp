#include "analysis/correlation.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <vector>

namespace karvelo {

namespace {

double Mean(std::span<const double> values) {
    double sum = 0.0;
    for (const double value : values) {
        sum += value;
    }
    return sum / static_cast<double>(values.size());
}

// Sum of a[i] * b[i] over n terms, in four interleaved partial sums (any order of
// summation will do, and this one lets the processor overlap the additions).
double Dot(const double* a, const double* b, std::size_t n) {
    double s0 = 0.0;
    double s1 = 0.0;
    double s2 = 0.0;
    double s3 = 0.0;
    std::size_t i = 0;
    for (; i + 4 <= n; i += 4) {
        s0 += a[i] * b[i];
        s1 += a[i + 1] * b[i + 1];
        s2 += a[i + 2] * b[i + 2];
        s3 += a[i + 3] * b[i + 3];
    }
    for (; i < n; ++i) {
        s0 += a[i] * b[i];
    }
    return (s0 + s1) + (s2 + s3);
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
    std::vector<double> dx(n);
    std::vector<double> dy(n);
    for (std::size_t i = 0; i < n; ++i) {
        dx[i] = x[i] - meanX;
        dy[i] = y[i] - meanY;
    }
    const auto count = static_cast<std::ptrdiff_t>(n);
    for (std::ptrdiff_t k = -maxLag; k <= maxLag; ++k) {
        // Overlap of 0 <= i < n with 0 <= i + k < n.
        const std::ptrdiff_t begin = std::max<std::ptrdiff_t>(0, -k);
        const std::ptrdiff_t end = std::min(count, count - k);
        const double sum =
            Dot(dx.data() + begin, dy.data() + begin + k, static_cast<std::size_t>(end - begin));
        out[static_cast<std::size_t>(k + maxLag)] = sum / static_cast<double>(n) / scale;
    }
    return false;
}

}  // namespace karvelo
