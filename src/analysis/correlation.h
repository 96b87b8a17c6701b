// Normalised cross-correlation of two traces.
#pragma once

#include <span>

namespace karvelo {

// For every lag k = -maxLag .. maxLag (samples), out[k + maxLag] =
// (1/n) * sum over the n - |k| overlapping i of (x[i] - mean x) * (y[i + k] - mean y),
// divided by the product of the population deviations of x and y (the biased estimate:
// n divides every lag). out[maxLag] is the correlation coefficient at lag 0; a maximum
// at positive k means y repeats x k samples later.
// Returns true and writes nothing when the arguments are refused: x and y of different
// or zero length n, maxLag < 0 or maxLag + 1 > n, out shorter than 2 * maxLag + 1, or
// either trace constant (zero deviation, which would give non-finite values).
bool CrossCorrelation(std::span<const double> x, std::span<const double> y, int maxLag,
                      std::span<double> out);

}  // namespace karvelo
