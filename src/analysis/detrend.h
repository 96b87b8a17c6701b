// Removing a recording's offset and drift before its spectrum is taken.
#pragma once

#include <span>

namespace karvelo {

// Subtracts from samples (equally spaced) their least-squares straight line, so that
// an offset or a slow drift does not leave a peak at 0 Hz. One sample loses its value;
// none does nothing.
void RemoveLinearTrend(std::span<double> samples);

}  // namespace karvelo
