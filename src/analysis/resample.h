// Fivefold linear resampling of a trace.
#pragma once

#include <cstdint>
#include <span>

namespace karvelo {

// Fewest samples a trace needs for the linear spline.
inline constexpr std::size_t kMinTraceSamples = 2;

// Samples taken at t_i = i * sampleInterval (any time unit, > 0), i = 0 .. N-1, joined by
// a piecewise-linear spline and evaluated at kResampleFactor * N equally spaced times
// from t_0 to t_(N-1) inclusive, written to out[0 .. 5N). Returns false, leaving out
// untouched, when N < 2, sampleInterval is 0, out is too short, or the spline refuses
// the samples (a NaN or infinite value); never throws.
bool ResampleFivefold(std::span<const double> samples, std::uint32_t sampleInterval,
                      std::span<double> out);

}  // namespace karvelo
