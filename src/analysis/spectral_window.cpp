#include "analysis/spectral_window.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

#include "analysis/amplitude_spectrum.h"

namespace karvelo {

void ApplyWindow(std::span<double> samples, const SpectralOptions& options) {
    const std::size_t n = samples.size();
    if (options.Window == SpectralWindow::None || n < 2) {
        return;
    }
    const double last = static_cast<double>(n - 1);
    for (std::size_t i = 0; i < n; ++i) {
        const double position = static_cast<double>(i) / last;  // 0 .. 1 over the record
        const double weight = options.Window == SpectralWindow::Hann
                                  ? 0.5 * (1.0 - std::cos(2.0 * std::numbers::pi * position))
                                  : std::exp(-position / options.DecayShare);
        samples[i] *= weight;
    }
}

bool ComputeSpectralMagnitudes(std::span<const double> signal, const SpectralOptions& options,
                               std::span<double> magnitudes) {
    if (options.IsDefault()) {
        return ComputeMagnitudes(signal, magnitudes);
    }
    if (!IsZeroPadFactor(options.ZeroPad) ||
        (options.Window == SpectralWindow::Exponential && !IsDecayShare(options.DecayShare))) {
        return false;
    }
    // One padded copy per thread: the survey transforms on several at once.
    thread_local std::vector<double> padded;
    padded.assign(signal.size() * options.ZeroPad, 0.0);
    std::copy(signal.begin(), signal.end(), padded.begin());
    ApplyWindow(std::span(padded).first(signal.size()), options);
    return ComputeMagnitudes(padded, magnitudes, TransformPlanning::Estimated);
}

}  // namespace karvelo
