#include "analysis/impact_pulse.h"

#include <algorithm>
#include <cmath>

namespace karvelo {

namespace {

// The first sample after the first quiet window that follows sample start, or the
// trace's end: every departure over window consecutive samples stays below level.
std::size_t EndOfQuiet(std::span<const double> samples, double baseline, std::size_t start,
                       std::size_t window, double level) {
    std::size_t run = 0;
    for (std::size_t i = start; i < samples.size(); ++i) {
        run = std::abs(samples[i] - baseline) < level ? run + 1 : 0;
        if (run >= window) {
            return i + 1;
        }
    }
    return samples.size();
}

}  // namespace

std::optional<ImpactPulse> MeasureImpactPulse(std::span<const double> samples,
                                              const ArrivalPick& pick, double sampleSeconds) {
    const std::size_t peak = pick.FirstPeak;
    if (peak >= samples.size() || !(sampleSeconds > 0.0)) {
        return std::nullopt;
    }
    const double b = pick.Baseline;
    const bool above = samples[peak] > b;
    const auto departure = [&](std::size_t i) { return above ? samples[i] - b : b - samples[i]; };
    ImpactPulse pulse;
    std::size_t k = peak;
    while (k < samples.size() && departure(k) > 0.0) {
        pulse.Amplitude = std::max(pulse.Amplitude, departure(k));
        ++k;
    }
    if (k == samples.size()) {
        return std::nullopt;
    }
    // Where the straight line between the last sample on the pulse's side and the first
    // one off it meets the baseline.
    const double inside = departure(k - 1);
    const double end = static_cast<double>(k - 1) + inside / (inside - departure(k));
    pulse.ContactSamples = std::max(0.0, end - pick.Arrival);

    const double contactSeconds = pulse.ContactSamples * sampleSeconds;
    const auto window = static_cast<std::size_t>(
        std::ceil(std::max(kQuietWindowSeconds, kQuietContacts * contactSeconds) / sampleSeconds));
    const std::size_t quiet = EndOfQuiet(samples, b, k, std::max<std::size_t>(window, 1),
                                         kDecayedShare * pulse.Amplitude);
    for (std::size_t i = quiet; i < samples.size(); ++i) {
        if (std::abs(samples[i] - b) >= kSecondImpulseShare * pulse.Amplitude) {
            pulse.SecondImpulse = i;
            break;
        }
    }
    return pulse;
}

}  // namespace karvelo
