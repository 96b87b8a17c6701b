#include "analysis/resample.h"

#include <libalglib/interpolation.h>

#include "analysis/analysis_buffers.h"
#include "analysis/spline_evaluation.h"

namespace karvelo {

bool ResampleFivefold(std::span<const double> samples, std::uint32_t sampleInterval,
                      std::span<double> out) {
    const std::size_t count = samples.size();
    const std::size_t resampled = kResampleFactor * count;
    if (count < kMinTraceSamples || sampleInterval == 0 || out.size() < resampled) {
        return false;
    }
    const auto n = static_cast<alglib::ae_int_t>(count);
    try {
        alglib::real_1d_array times;
        alglib::real_1d_array values;
        times.setlength(n);
        values.setcontent(n, samples.data());
        for (alglib::ae_int_t i = 0; i < n; ++i) {
            times[i] = static_cast<double>(i) * sampleInterval;
        }
        alglib::spline1dinterpolant spline;
        alglib::spline1dbuildlinear(times, values, spline);

        const double start = times[0];
        const double step = (times[n - 1] - start) / static_cast<double>(resampled - 1);
        EvaluateLinearSpline(spline, start, step, out.first(resampled));
    } catch (const alglib::ap_error&) {
        return false;
    }
    return true;
}

bool ResampleTrace(std::uint32_t sampleCount, std::uint32_t sampleInterval) {
    if (sampleCount > kMaxSamplesPerTrace) {
        return false;
    }
    return ResampleFivefold(std::span<const double>(TraceSamples.data(), sampleCount),
                            sampleInterval, ResampledTrace);
}

}  // namespace karvelo
