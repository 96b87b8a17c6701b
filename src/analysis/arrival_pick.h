// The arrival of the first wave on one channel: the split of the samples up to the
// channel's first peak by the Akaike information criterion in Maeda's form, refined
// between the samples along the first rise.
#pragma once

#include <cstddef>
#include <optional>
#include <span>

namespace karvelo {

// The first peak is the first sample whose departure from the baseline reaches this
// share of the trace's largest departure, followed on while the departure keeps growing
// on the same side: the top of the first strong lobe, so a larger later lobe (ringing, a
// second strike) never moves the window's end past the first one.
inline constexpr double kFirstPeakShare = 0.5;
// The criterion needs two samples on each side of the split.
inline constexpr std::size_t kMinAicWindow = 4;

struct ArrivalPick {
    double Arrival = 0.0;       // samples from the trace's first sample, between the samples
    std::size_t FirstPeak = 0;  // sample of the first peak, the last one of the AIC window
    double Baseline = 0.0;      // the trace's median, from which departures are measured
};

// The first peak of samples as kFirstPeakShare describes it; none when no sample departs
// from baseline.
std::optional<std::size_t> FirstPeakOf(std::span<const double> samples, double baseline);

// The split of window (N samples): the k of the smallest
// AIC(k) = k log var(x[0..k]) + (N - k - 1) log var(x[k+1..N-1]), k = 1 .. N - 3 (the
// first of equals): x[0..k] is the quiet lead-in, x[k+1] the first sample of the wave. A
// segment without variance counts as one with 1e-12 of the window's, so a noiseless
// lead-in still has a minimum. None for a window shorter than kMinAicWindow or without
// variance.
std::optional<std::size_t> AicSplit(std::span<const double> window);

// The arrival on one trace: its baseline (median), its first peak, the AicSplit k of the
// samples up to and including that peak, and between the samples the point where the
// straight line through the first two samples of the rise (k + 1 and k + 2, as departures
// from the lead-in's mean) meets that mean, kept within a sample of the split; where the
// rise gives no such line, halfway between k and k + 1. None for a flat trace or a first
// peak too early for the criterion.
std::optional<ArrivalPick> PickArrival(std::span<const double> samples);

}  // namespace karvelo
