// The frequency of a spectral maximum between the bins.
#pragma once

#include <cstdint>
#include <span>

namespace karvelo {

struct RefinedPeak {
    double Frequency = 0.0;  // Hz
    bool Refined = false;    // false: the fallback (bin) frequency
};

// Gaussian interpolation: the vertex of the parabola through the logarithms of the
// magnitudes at bin - 1, bin and bin + 1, at (bin + offset) * binStep with the offset
// within half a bin. Falls back to fallbackFrequency when the bin lacks a neighbour, a
// magnitude is not positive, or the three do not bend downwards (a flat top).
RefinedPeak RefinePeakFrequency(std::span<const float> spectrum, std::uint32_t bin, double binStep,
                                double fallbackFrequency);

}  // namespace karvelo
