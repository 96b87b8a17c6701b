// The window and the zero padding of a trace's transform.
#pragma once

#include <span>

#include "analysis/spectral_options.h"

namespace karvelo {

// Multiplies samples[i] by the window's weight at i (n = samples.size()): Hann
// 0.5 (1 - cos(2 pi i / (n - 1))); exponential exp(-i / (share (n - 1))), 1/e at the
// share of the record. None leaves the samples as they are.
void ApplyWindow(std::span<double> samples, const SpectralOptions& options);

// Magnitudes of signal windowed and padded with zeros to options.ZeroPad times its
// length: n ZeroPad / 2 + 1 values into magnitudes. The default options transform the
// signal itself, exactly as ComputeMagnitudes does (measured plans); any other options
// transform with estimated plans. The signal is never changed. False
// as ComputeMagnitudes, or when the padded length is not a factor offered.
bool ComputeSpectralMagnitudes(std::span<const double> signal, const SpectralOptions& options,
                               std::span<double> magnitudes);

}  // namespace karvelo
