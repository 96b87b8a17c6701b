#include "analysis/frequency_axis.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "analysis/analysis_buffers.h"

namespace karvelo {

namespace {

// Half-length of the original trace times the interval gives the time scale of df.
constexpr double kMicrosecondFrequencyScale = 5.0e5;  // Hz * us
constexpr double kPicosecondFrequencyScale = 5.0e11;  // Hz * ps

}  // namespace

FrequencyAxis MakeFrequencyAxis(std::uint32_t samplesPerTrace, std::uint32_t sampleInterval,
                                TimeUnit unit, std::uint32_t zeroPad) {
    FrequencyAxis axis;
    const std::uint64_t resampled = std::uint64_t{kResampleFactor} * samplesPerTrace;
    axis.BinCount = static_cast<std::uint32_t>(resampled * zeroPad / 2 + 1);
    const std::uint64_t span = std::uint64_t{samplesPerTrace / 2} * sampleInterval;
    const double scale = TimeInMicroseconds(samplesPerTrace, unit) ? kMicrosecondFrequencyScale
                                                                   : kPicosecondFrequencyScale;
    axis.Step = scale / static_cast<double>(span);
    if (zeroPad > 1) {
        axis.Step /= zeroPad;
    }
    const double top = static_cast<double>(axis.BinCount - 1) * axis.Step;
    constexpr double kLargest = std::numeric_limits<std::int32_t>::max();
    axis.Top = top > 0.0 ? static_cast<std::int32_t>(std::min(top, kLargest)) : 0;
    if (samplesPerTrace >= 2 && sampleInterval > 0) {
        constexpr double kMicrosecond = 1e-6;
        constexpr double kPicosecond = 1e-12;
        const double dt = sampleInterval *
                          (TimeInMicroseconds(samplesPerTrace, unit) ? kMicrosecond : kPicosecond);
        const double n = static_cast<double>(resampled);
        axis.ResampledStep = (n - 1.0) / (n * (samplesPerTrace - 1.0) * dt);
        if (zeroPad > 1) {
            axis.ResampledStep /= zeroPad;
        }
    }
    return axis;
}

std::uint32_t TruncateToHz(double frequency) {
    constexpr double kLargest = std::numeric_limits<std::uint32_t>::max();
    if (!(frequency > 0.0)) {
        return 0;
    }
    return static_cast<std::uint32_t>(std::min(frequency, kLargest));
}

void FillFrequencies(std::span<std::uint32_t> frequencies, double step) {
    for (std::size_t i = 0; i < frequencies.size(); ++i) {
        frequencies[i] = TruncateToHz(static_cast<double>(i) * step);
    }
}

void FillBinFrequencies(AnalysisBuffers& buffers, const FrequencyAxis& axis) {
    const std::size_t count = std::min<std::size_t>(axis.BinCount, kMaxSpectrumBins);
    FillFrequencies(std::span<std::uint32_t>(buffers.BinFrequencies.data(), count), axis.Step);
}

}  // namespace karvelo
