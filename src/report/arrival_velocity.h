// The wave velocity Cp measured at a point from the arrival-time difference between two
// sensors a known distance apart, hit by hit, with the flags of implausible hits.
#pragma once

#include <cstddef>
#include <optional>
#include <vector>

#include "report/hit_check.h"

namespace karvelo {

// The sensor spacing of the form's field, in mm.
inline constexpr double kDefaultSensorSpacingMm = 300.0;
// Velocities of concrete a hit may give (m/s, inclusive); others are flagged.
inline constexpr double kLowestVelocity = 1500.0;
inline constexpr double kHighestVelocity = 6000.0;
// A hit whose velocity departs from its point's median by more than this share of it.
inline constexpr double kVelocityDepartShare = 0.02;

struct PointVelocity {
    double Median = 0.0;   // m/s, of the hits within the plausible range
    double Range = 0.0;    // m/s, the largest minus the smallest of those
    std::size_t Hits = 0;  // hits that entered the median
};

// The hits of a two-channel point (traces 2h and 2h + 1 are channel 1 and channel 2 of
// hit h) with their arrivals: on each channel-1 trace the velocity
// Cp = spacing / (t2 - t1) and its flags (no positive delay; outside kLowestVelocity ..
// kHighestVelocity; off the median by more than kVelocityDepartShare). Returns the
// point's median and range over the plausible hits; none when it has none.
std::optional<PointVelocity> MeasureHitVelocities(std::vector<HitCheck>& hits,
                                                  double spacingMetres);

}  // namespace karvelo
