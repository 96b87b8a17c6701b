// The first pulse of a hit: how long the impactor stayed on the surface, and whether a
// second strike followed it.
#pragma once

#include <cstddef>
#include <optional>
#include <span>

#include "analysis/arrival_pick.h"

namespace karvelo {

// A contact of tc seconds excites frequencies up to about this many times 1 / tc.
inline constexpr double kContactBandFactor = 1.5;
// A second strike reaches at least this share of the first pulse's amplitude...
inline constexpr double kSecondImpulseShare = 0.5;
// ...after the record has stayed below this share of it for a whole quiet window, so the
// first pulse and the ringing it leaves have decayed; ringing that only dies away never
// climbs back from this share to kSecondImpulseShare.
inline constexpr double kDecayedShare = 0.25;
// The quiet window lasts this long, and at least kQuietContacts contact times: longer
// than half a period of the slow flexural ringing, which dips through the baseline
// twice a period without having decayed.
inline constexpr double kQuietWindowSeconds = 1e-3;
inline constexpr double kQuietContacts = 2.0;

struct ImpactPulse {
    double ContactSamples = 0.0;  // from the arrival to the first pulse's return, in samples
    double Amplitude = 0.0;       // largest departure of the first pulse from the baseline
    std::optional<std::size_t> SecondImpulse;  // first sample of a second strike
};

// The usable top frequency of a contact time, both in the same time unit's inverse
// (seconds and Hz).
inline double UsableTopFrequency(double contactSeconds) {
    return kContactBandFactor / contactSeconds;
}

// The first pulse of samples as pick found it: the lobe of its first peak ends where the
// trace returns through the baseline (between the samples); the contact time runs from
// the arrival to there. sampleSeconds is the sample interval. None when the lobe never
// returns to the baseline.
std::optional<ImpactPulse> MeasureImpactPulse(std::span<const double> samples,
                                              const ArrivalPick& pick, double sampleSeconds);

}  // namespace karvelo
