#include "analysis/arrival_pick.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "analysis/median.h"

namespace karvelo {

namespace {

// A segment's variance is never taken below this share of the window's.
constexpr double kVarianceFloor = 1e-12;
constexpr double kHalfSample = 0.5;

// Running sums of the window's samples (taken about their mean, so the variances of
// large offset samples keep their digits) and of their squares: sums[i] over x[0 .. i).
struct RunningSums {
    std::vector<double> Values;
    std::vector<double> Squares;

    explicit RunningSums(std::span<const double> x) : Values(x.size() + 1), Squares(x.size() + 1) {
        double mean = 0.0;
        for (const double v : x) {
            mean += v;
        }
        mean /= static_cast<double>(x.size());
        for (std::size_t i = 0; i < x.size(); ++i) {
            const double d = x[i] - mean;
            Values[i + 1] = Values[i] + d;
            Squares[i + 1] = Squares[i] + d * d;
        }
    }

    // Variance of x[first .. last), last > first.
    double Variance(std::size_t first, std::size_t last) const {
        const auto n = static_cast<double>(last - first);
        const double mean = (Values[last] - Values[first]) / n;
        return std::max(0.0, (Squares[last] - Squares[first]) / n - mean * mean);
    }
};

}  // namespace

std::optional<std::size_t> FirstPeakOf(std::span<const double> samples, double baseline) {
    double largest = 0.0;
    for (const double v : samples) {
        largest = std::max(largest, std::abs(v - baseline));
    }
    if (!(largest > 0.0)) {
        return std::nullopt;
    }
    std::size_t k = 0;
    while (std::abs(samples[k] - baseline) < kFirstPeakShare * largest) {
        ++k;
    }
    const bool above = samples[k] > baseline;
    const auto departure = [&](std::size_t i) {
        return above ? samples[i] - baseline : baseline - samples[i];
    };
    while (k + 1 < samples.size() && departure(k + 1) > departure(k)) {
        ++k;
    }
    return k;
}

std::optional<std::size_t> AicSplit(std::span<const double> window) {
    const std::size_t n = window.size();
    if (n < kMinAicWindow) {
        return std::nullopt;
    }
    const RunningSums sums(window);
    const double whole = sums.Variance(0, n);
    if (!(whole > 0.0)) {
        return std::nullopt;
    }
    const double floor = kVarianceFloor * whole;
    std::optional<std::size_t> best;
    double smallest = 0.0;
    for (std::size_t k = 1; k + 3 <= n; ++k) {
        const double before = std::max(sums.Variance(0, k + 1), floor);
        const double after = std::max(sums.Variance(k + 1, n), floor);
        const double aic = static_cast<double>(k) * std::log(before) +
                           static_cast<double>(n - k - 1) * std::log(after);
        if (!best || aic < smallest) {
            best = k;
            smallest = aic;
        }
    }
    return best;
}

std::optional<ArrivalPick> PickArrival(std::span<const double> samples) {
    if (samples.empty()) {
        return std::nullopt;
    }
    const double baseline = MedianOf({samples.begin(), samples.end()});
    const std::optional<std::size_t> peak = FirstPeakOf(samples, baseline);
    if (!peak) {
        return std::nullopt;
    }
    const std::span<const double> window = samples.first(*peak + 1);
    const std::optional<std::size_t> split = AicSplit(window);
    if (!split) {
        return std::nullopt;
    }
    const std::size_t k = *split;
    double quiet = 0.0;
    for (std::size_t i = 0; i <= k; ++i) {
        quiet += window[i];
    }
    quiet /= static_cast<double>(k + 1);
    // Departures on the first peak's side.
    const double side = window[*peak] > quiet ? 1.0 : -1.0;
    const double first = side * (window[k + 1] - quiet);
    const double second = side * (window[k + 2] - quiet);
    const auto at = static_cast<double>(k);
    const double arrival = second > first
                               ? std::clamp(at + 1.0 - first / (second - first), at - 1.0, at + 1.0)
                               : at + kHalfSample;
    return ArrivalPick{arrival, *peak, baseline};
}

}  // namespace karvelo
