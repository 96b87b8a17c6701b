// The frequency axis of a spectrum: bin step, bin count, top frequency, bin frequencies.
#pragma once

#include <cstdint>
#include <span>

#include "profile/profile_image.h"

namespace karvelo {

struct FrequencyAxis {
    double Step = 0.0;           // df, Hz between neighbouring bins
    std::uint32_t BinCount = 0;  // M = floor(5NK/2) + 1 for zero padding by K
    std::int32_t Top = 0;        // floor((M - 1) * df), Hz
    // Hz between bins as the resampled samples really lie: the 5N samples span the N - 1
    // intervals of the trace, so the step is (5N - 1) / (5N (N - 1) dt), a little above
    // df. Refined peak frequencies use it; 0 for fewer than 2 samples or a 0 interval.
    double ResampledStep = 0.0;
};

// Axis of the spectrum of N-sample traces with the given interval, in microseconds when
// TimeInMicroseconds(N, unit) holds and in picoseconds otherwise (so with the image rule:
// microseconds for N = 2048 only). Step is infinite for an interval or N/2 of 0; Top is
// then clamped to the largest 32-bit value. Zero padding by zeroPad makes the bins that
// many times as many and the steps that many times as fine; the top stays.
FrequencyAxis MakeFrequencyAxis(std::uint32_t samplesPerTrace, std::uint32_t sampleInterval,
                                TimeUnit unit = TimeUnit::kByImageRule, std::uint32_t zeroPad = 1);

// frequencies[i] = floor(i * step) in whole Hz (clamped to 0 .. 2^32 - 1), for every i
// of the span.
void FillFrequencies(std::span<std::uint32_t> frequencies, double step);

// BinFrequencies[0 .. axis.BinCount) from the axis; BinCount at most kMaxSpectrumBins.
struct AnalysisBuffers;
void FillBinFrequencies(AnalysisBuffers& buffers, const FrequencyAxis& axis);

// A frequency in Hz truncated toward zero to whole Hz, clamped to the u32 range (NaN
// gives 0).
std::uint32_t TruncateToHz(double frequency);

}  // namespace karvelo
