#include "analysis/resample.h"

#include <cmath>
#include <vector>

#include "analysis/analysis_buffers.h"

namespace karvelo {

namespace {

// Where each of the 5N resampled times falls: the interval of the sample times it lies
// in and its distance from that interval's start. The times ascend, so interval l holds
// the times first[l] .. first[l + 1] - 1. It depends only on N and the sample interval,
// the same for every trace of a profile, so it is found once and kept.
struct ResampleGrid {
    std::size_t count = 0;
    std::uint32_t interval = 0;
    std::vector<std::uint32_t> first;
    std::vector<double> offset;
};

const double* Knots(std::size_t count, std::uint32_t interval, std::vector<double>& knots) {
    knots.resize(count);
    for (std::size_t i = 0; i < count; ++i) {
        knots[i] = static_cast<double>(i) * interval;
    }
    return knots.data();
}

ResampleGrid& GridFor(std::size_t count, std::uint32_t interval) {
    // One per thread: the survey resamples on several threads at once.
    thread_local ResampleGrid grid;
    if (grid.count == count && grid.interval == interval) {
        return grid;
    }
    std::vector<double> knotValues;
    const double* knots = Knots(count, interval, knotValues);
    const std::size_t resampled = kResampleFactor * count;
    const std::size_t intervals = count - 1;
    const double start = knots[0];
    const double step = (knots[count - 1] - start) / static_cast<double>(resampled - 1);
    grid.first.assign(intervals + 1, 0);
    grid.offset.resize(resampled);
    // The times ascend, so the interval search walks on from the last one; it ends
    // where the spline's own search (the l with knots[l] < t <= knots[l + 1]) would.
    std::size_t l = 0;
    for (std::size_t m = 0; m < resampled; ++m) {
        const double t = static_cast<double>(m) * step + start;
        while (l + 1 < intervals && knots[l + 1] < t) {
            ++l;
            grid.first[l] = static_cast<std::uint32_t>(m);
        }
        grid.offset[m] = t - knots[l];
    }
    grid.first[intervals] = static_cast<std::uint32_t>(resampled);
    grid.count = count;
    grid.interval = interval;
    return grid;
}

}  // namespace

bool ResampleFivefold(std::span<const double> samples, std::uint32_t sampleInterval,
                      std::span<double> out) {
    const std::size_t count = samples.size();
    const std::size_t resampled = kResampleFactor * count;
    if (count < kMinTraceSamples || sampleInterval == 0 || out.size() < resampled) {
        return false;
    }
    for (const double value : samples) {
        if (!std::isfinite(value)) {
            return false;  // the linear spline takes finite values only
        }
    }
    // The piecewise-linear spline through (i * dt, samples[i]), evaluated as ALGLIB's
    // spline1dbuildlinear and spline1dcalc do: y_l + t (s_l + t (0 + t 0)) with the slope
    // s_l = (y_(l+1) - y_l) / (x_(l+1) - x_l). The distance t is never negative, so the
    // zero terms leave just s_l + 0, which is stored with the slope.
    // The grid is made by the first trace of a length and only read after that, so
    // traces of one profile may be resampled on several threads.
    const ResampleGrid& grid = GridFor(count, sampleInterval);
    const double* y = samples.data();
    const std::uint32_t* first = grid.first.data();
    const double* offset = grid.offset.data();
    double* target = out.data();
    for (std::size_t i = 0; i + 1 < count; ++i) {
        const double width =
            static_cast<double>(i + 1) * sampleInterval - static_cast<double>(i) * sampleInterval;
        const double slope = (y[i + 1] - y[i]) / width + 0.0;
        for (std::uint32_t m = first[i]; m < first[i + 1]; ++m) {
            target[m] = y[i] + offset[m] * slope;
        }
    }
    return true;
}

}  // namespace karvelo
