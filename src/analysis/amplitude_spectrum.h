// Amplitude spectrum of a real signal through FFTW.
#pragma once

#include <cstdint>
#include <span>

namespace karvelo {

// How a transform's plan is made: measured (kept in FFTW's wisdom), or estimated at
// once, which costs no wait for a length seldom used and gives the same plan on every
// run. The two kinds are kept apart, so a length keeps the values of its own kind.
enum class TransformPlanning { Measured, Estimated };

// Magnitudes |X_k| of the unscaled real-to-complex DFT of signal (no window, no mean
// removal, no padding), k = 0 .. n/2 for n = signal.size(), into magnitudes[0 .. n/2].
// Returns false, leaving magnitudes untouched, when n is 0, magnitudes holds fewer than
// n/2 + 1 values, or FFTW cannot plan the transform.
bool ComputeMagnitudes(std::span<const double> signal, std::span<double> magnitudes,
                       TransformPlanning planning = TransformPlanning::Measured);

}  // namespace karvelo
