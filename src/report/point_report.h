// One row of the per-point report: the strongest listed maximum of a point's spectrum,
// its refined frequency, the thickness (or velocity) with its uncertainty, the quality
// factor of the peak and the check of the point's hits.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "analysis/analysis_request.h"
#include "report/arrival_velocity.h"
#include "report/condition_class.h"
#include "report/hit_check.h"

#include "analysis/analysis_buffers.h"
#include "profile/profile.h"

namespace karvelo {

// Where a point stands against the design thickness and its tolerance.
enum class DesignMark { None, Within, Thinner, Thicker };

// What the velocity measured from the arrivals at two sensors does in the report: it is
// not measured; measured and shown beside the typed velocity; or used for the thickness,
// each point with its own or every point with the line's median.
enum class ArrivalVelocityUse { Off, Shown, Point, Line };

// What the report reads from the form.
struct ReportSettings {
    std::int32_t SpectrumMode = 0;     // 0 .. 2
    float VelocityOrThickness = 0.0f;  // edit "Скорость /толщина"
    std::int32_t ThicknessGiven = 0;   // the edit holds a thickness
    double ShapeFactor = 1.0;          // beta
    bool Detrend = false;
    SpectralOptions Spectral;  // window and zero padding
    bool CheckEachHit = true;  // the hit check; a survey that needs only the peak skips it
    bool ListMaxima = false;   // keep every maximum listed in the band (Maxima)
    ArrivalVelocityUse ArrivalVelocity = ArrivalVelocityUse::Off;  // two-channel profiles
    double SensorSpacingMm = kDefaultSensorSpacingMm;
};

// Whether the thickness comes from the velocity measured at two sensors: asked for, and
// the edit holds a velocity (a typed thickness makes the velocity the report's result).
inline bool UsesMeasuredVelocity(const ReportSettings& settings) {
    return settings.ThicknessGiven == 0 && (settings.ArrivalVelocity == ArrivalVelocityUse::Point ||
                                            settings.ArrivalVelocity == ArrivalVelocityUse::Line);
}

// Uncertainty of a refined frequency, in bins: the largest error of the Gaussian
// interpolation on an undamped sine between two bins (a damped one errs less).
inline constexpr double kRefinedErrorBins = 0.17;

struct PointReport {
    std::uint32_t Point = 0;  // 0-based
    bool HasPeak = false;     // a maximum is listed in the band
    // The strongest listed maximum as the list shows it, and the derived value of a
    // click on it.
    std::uint32_t Frequency = 0;
    float Amplitude = 0.0f;
    std::optional<float> Derived;  // none for 0 Hz with a velocity given, or none given
    // Its frequency between the bins, and whether the refinement applied.
    double RefinedFrequency = 0.0;
    bool Refined = false;
    double FrequencyUncertainty = 0.0;  // Hz: the refinement's error, or half a bin
    // Thickness in m (velocity given) or velocity in m/s (thickness given) from the
    // refined frequency, with its +- from the frequency's uncertainty; none when no
    // velocity or thickness is given.
    std::optional<double> Result;
    std::optional<double> Uncertainty;
    std::optional<double> Quality;      // of the peak, whether or not the display is on
    std::uint32_t HitsUsed = 0;         // traces that entered the spectrum
    std::vector<ListedMaximum> Maxima;  // with ListMaxima: the band's, at their bin frequencies
    std::vector<HitCheck> Hits;
    std::optional<HitSpread> Spread;
    std::optional<PointVelocity> Velocity;  // from the arrivals, when measured
    // Set by the checks along the line (MarkLine), not by the point's own run.
    DesignMark Design = DesignMark::None;
    bool LineOutlier = false;  // departs from its neighbours' median
};

// The row of point (0-based) from the buffers of a run of that point in modes 0 to 2 as
// RunAnalysis leaves them (peaks of the full spectrum, the band cut to bandFirst ..
// bandLast), then checks its hits. A run that did not get that far gives a row without
// a peak.
PointReport ReportShownPoint(const Profile& profile, AnalysisBuffers& buffers,
                             const ReportSettings& settings, std::uint32_t point, bool ran,
                             std::uint32_t bandFirst, std::uint32_t bandLast);

// Runs point (0-based) of profile with the request's mode, band and values on buffers
// (nothing drawn, no controls) and reports it as ReportShownPoint does.
PointReport ReportPoint(const Profile& profile, AnalysisBuffers& buffers,
                        const AnalysisRequest& request, const ReportSettings& settings,
                        std::uint32_t point);

// The calibration of the velocity at a point of known thickness: Cp = 2 h f / beta from
// the point's refined dominant frequency; none when it has no listed maximum.
std::optional<double> CalibratedVelocity(const PointReport& point, double thickness,
                                         double shapeFactor);

}  // namespace karvelo
