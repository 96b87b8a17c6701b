#include "analysis/correlation.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <vector>

#include "analysis/double_pair.h"

namespace karvelo {

namespace {

double Mean(std::span<const double> values) {
    double sum = 0.0;
    for (const double value : values) {
        sum += value;
    }
    return sum / static_cast<double>(values.size());
}

// Sums of a[i] * b[i] over n terms, each in four interleaved partial sums: term i goes to
// partial i % 4 while whole blocks of four last, the rest to the first; at the end
// (s0 + s1) + (s2 + s3). Any order of summation would do; this one is kept, and the
// processor overlaps the additions.
using PartialSums = std::array<double, 4>;

// Continues sums from term `from` (a multiple of four) to the end of n terms.
double FinishDot(const double* a, const double* b, std::size_t from, std::size_t n,
                 PartialSums sums) {
    std::size_t i = from;
    for (; i + 4 <= n; i += 4) {
        for (std::size_t lane = 0; lane < 4; ++lane) {
            sums[lane] += a[i + lane] * b[i + lane];
        }
    }
    for (; i < n; ++i) {
        sums[0] += a[i] * b[i];
    }
    return (sums[0] + sums[1]) + (sums[2] + sums[3]);
}

// Four such sums at once, each exactly as alone: one sum's additions wait on each
// other, four sums' do not. The four share their first factors (terms i of `shared`);
// term blocks that all four have are summed together.
constexpr std::size_t kDotsAtOnce = 4;

std::array<double, kDotsAtOnce> Dots(const double* shared,
                                     const std::array<const double*, kDotsAtOnce>& other,
                                     const std::array<std::size_t, kDotsAtOnce>& n) {
    const std::size_t common = *std::min_element(n.begin(), n.end()) / 4 * 4;
    // Partial sums 0, 1 and 2, 3 of each sum as pairs, all eight in registers.
    DoublePair a01{}, a23{}, b01{}, b23{}, c01{}, c23{}, d01{}, d23{};
    const double *y0 = other[0], *y1 = other[1], *y2 = other[2], *y3 = other[3];
    for (std::size_t i = 0; i < common; i += 4) {
        const DoublePair x01 = LoadPair(shared + i);
        const DoublePair x23 = LoadPair(shared + i + 2);
        a01 += x01 * LoadPair(y0 + i);
        a23 += x23 * LoadPair(y0 + i + 2);
        b01 += x01 * LoadPair(y1 + i);
        b23 += x23 * LoadPair(y1 + i + 2);
        c01 += x01 * LoadPair(y2 + i);
        c23 += x23 * LoadPair(y2 + i + 2);
        d01 += x01 * LoadPair(y3 + i);
        d23 += x23 * LoadPair(y3 + i + 2);
    }
    const std::array<PartialSums, kDotsAtOnce> sums{{{a01[0], a01[1], a23[0], a23[1]},
                                                     {b01[0], b01[1], b23[0], b23[1]},
                                                     {c01[0], c01[1], c23[0], c23[1]},
                                                     {d01[0], d01[1], d23[0], d23[1]}}};
    std::array<double, kDotsAtOnce> result{};
    for (std::size_t d = 0; d < kDotsAtOnce; ++d) {
        result[d] = FinishDot(shared, other[d], common, n[d], sums[d]);
    }
    return result;
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
    // Lag k sums dx[i] dy[i + k] over the overlap of 0 <= i < n with 0 <= i + k < n: for
    // k >= 0 the terms dx[j] dy[j + k], j < n - k, for k < 0 the terms dy[j] dx[j - k],
    // j < n + k (factors swapped, the same products). Lags of one sign share a factor.
    const auto lagFactors = [&](std::ptrdiff_t k) {
        return k >= 0 ? dy.data() + k : dx.data() - k;
    };
    const auto lagTerms = [&](std::ptrdiff_t k) {
        return n - static_cast<std::size_t>(k >= 0 ? k : -k);
    };
    const auto store = [&](std::ptrdiff_t k, double sum) {
        out[static_cast<std::size_t>(k + maxLag)] = sum / static_cast<double>(n) / scale;
    };
    // Lags first .. last, all of one sign.
    const auto lagsFrom = [&](std::ptrdiff_t first, std::ptrdiff_t last) {
        const double* shared = first >= 0 ? dx.data() : dy.data();
        const auto group = static_cast<std::ptrdiff_t>(kDotsAtOnce);
        std::ptrdiff_t k = first;
        for (; k + group - 1 <= last; k += group) {
            std::array<const double*, kDotsAtOnce> factors{};
            std::array<std::size_t, kDotsAtOnce> terms{};
            for (std::size_t d = 0; d < kDotsAtOnce; ++d) {
                factors[d] = lagFactors(k + static_cast<std::ptrdiff_t>(d));
                terms[d] = lagTerms(k + static_cast<std::ptrdiff_t>(d));
            }
            const std::array<double, kDotsAtOnce> sums = Dots(shared, factors, terms);
            for (std::size_t d = 0; d < kDotsAtOnce; ++d) {
                store(k + static_cast<std::ptrdiff_t>(d), sums[d]);
            }
        }
        for (; k <= last; ++k) {
            store(k, FinishDot(shared, lagFactors(k), 0, lagTerms(k), PartialSums{}));
        }
    };
    lagsFrom(-maxLag, -1);
    lagsFrom(0, maxLag);
    return false;
}

}  // namespace karvelo
