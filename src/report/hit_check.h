// Checking the hits of a measuring point against each other: each hit's own dominant
// frequency, and the flags that mark a hit an engineer should not trust.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "analysis/analysis_buffers.h"
#include "profile/profile.h"

namespace karvelo {

// A hit whose dominant frequency differs from the point's median by more than this
// fraction is an outlier; one whose peak is below this fraction of the strongest hit's
// peak is weak; this many equal samples at the trace's extreme mean a clipped recorder.
inline constexpr double kOutlierFraction = 0.05;
inline constexpr double kWeakFraction = 0.10;
inline constexpr std::size_t kClippedRun = 3;

struct HitCheck {
    std::uint32_t Trace = 0;          // trace number within the point (0-based)
    std::optional<double> Frequency;  // refined frequency of its strongest listed maximum
    double Peak = 0.0;                // raw amplitude of that maximum
    bool Clipped = false;
    bool Weak = false;
    bool Outlier = false;
    // The first arrival (s from the trace's first sample), the contact time of the first
    // pulse (s) and the impact's flags: a usable top frequency 1.5 / tc below the hit's
    // dominant frequency, a second strike after the first has decayed.
    std::optional<double> Arrival;
    std::optional<double> Contact;
    bool LongImpact = false;
    bool DoubleHit = false;
    // Of two-channel hits with a sensor spacing, on the channel-1 trace of each hit: the
    // velocity from the arrivals at the two sensors (m/s) and its flags.
    std::optional<double> Velocity;
    bool DelayNotPositive = false;
    bool VelocityOutOfRange = false;
    bool VelocityDeparts = false;
};

// Each flag of a hit with its machine name and its words (Russian, English), in the
// order they are listed.
struct HitFlag {
    bool HitCheck::*Set;
    const char* Name;
    const char* Words;
    const char* EnglishWords;
};
inline constexpr std::array<HitFlag, 8> kHitFlags = {{
    {&HitCheck::Clipped, "clipped", "ограничен", "clipped"},
    {&HitCheck::Weak, "weak", "слабый", "weak"},
    {&HitCheck::Outlier, "outlier", "выброс", "outlier"},
    {&HitCheck::LongImpact, "long-impact", "долгий удар", "long impact"},
    {&HitCheck::DoubleHit, "double-hit", "двойной удар", "double hit"},
    {&HitCheck::DelayNotPositive, "dt-not-positive", "Δt ≤ 0", "Δt ≤ 0"},
    {&HitCheck::VelocityOutOfRange, "cp-out-of-range", "Cp вне 1500…6000 м/с",
     "Cp outside 1500…6000 m/s"},
    {&HitCheck::VelocityDeparts, "cp-departs", "Cp отличается от медианы точки > 2 %",
     "Cp off the point's median > 2 %"},
}};

struct HitSpread {
    double Min = 0.0;
    double Median = 0.0;  // of an even count: the mean of the two middle values
    double Max = 0.0;
};

// Every trace of point (0-based) of the loaded profile: its single-trace spectrum (with
// the trend removed when detrend is set, windowed and padded as spectral asks), its
// strongest local maximum inside the band bandFirst .. bandLast (full-spectrum bins),
// refined between the bins, its first arrival and first pulse, and the flags.
// Uses the analysis scratch buffers; the point must lie inside the profile.
std::vector<HitCheck> CheckHits(const Profile& profile, AnalysisBuffers& buffers,
                                std::uint32_t point, std::uint32_t bandFirst,
                                std::uint32_t bandLast, bool detrend,
                                const SpectralOptions& spectral = {});

// Min, median and max of the hits' frequencies; none when no hit has one.
std::optional<HitSpread> SpreadOf(const std::vector<HitCheck>& hits);

// "3:weak,outlier 5:clipped": the flagged traces with their flags (in kHitFlags order),
// empty when none.
std::string FlagsText(const std::vector<HitCheck>& hits);

}  // namespace karvelo
