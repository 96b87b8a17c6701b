#include "report/point_report.h"

#include <cstddef>
#include <span>

#include "analysis/analysis_buffers.h"
#include "analysis/frequency_axis.h"
#include "analysis/peak_refinement.h"
#include "analysis/peaks.h"
#include "analysis/pipeline.h"
#include "analysis/quality.h"
#include "profile/profile_image.h"
#include "report/report_quantity.h"

namespace karvelo {

namespace {

// Index of the strongest maximum whose bin lies in the band (the first of equals).
std::optional<std::size_t> StrongestListedPeak(const AnalysisBuffers& buffers,
                                               std::uint32_t bandFirst, std::uint32_t bandLast) {
    std::optional<std::size_t> best;
    for (std::size_t k = 0; k < buffers.PeakCount; ++k) {
        const bool listed = buffers.PeakBins[k] >= bandFirst && buffers.PeakBins[k] <= bandLast;
        if (listed && (!best || buffers.PeakAmplitudes[k] > buffers.PeakAmplitudes[*best])) {
            best = k;
        }
    }
    return best;
}

}  // namespace

PointReport ReportShownPoint(const Profile& profile, AnalysisBuffers& buffers,
                             const ReportSettings& settings, std::uint32_t point, bool ran,
                             std::uint32_t bandFirst, std::uint32_t bandLast) {
    PointReport row;
    row.Point = point;
    if (!ran) {
        return row;
    }
    row.HitsUsed = settings.SpectrumMode == kSingleTrace ? 1 : profile.TracesPerPoint;
    if (settings.CheckEachHit) {
        row.Hits = CheckHits(profile, buffers, point, bandFirst, bandLast, settings.Detrend,
                             settings.Spectral);
        row.Spread = SpreadOf(row.Hits);
        if (settings.ArrivalVelocity != ArrivalVelocityUse::Off && HoldsTwoChannels(profile)) {
            row.Velocity =
                MeasureHitVelocities(row.Hits, settings.SensorSpacingMm / kMillimetresPerMetre);
        }
    }
    const std::optional<std::size_t> best = StrongestListedPeak(buffers, bandFirst, bandLast);
    if (!best) {
        return row;
    }
    row.HasPeak = true;
    for (std::size_t k = 0; settings.ListMaxima && k < buffers.PeakCount; ++k) {
        if (buffers.PeakBins[k] >= bandFirst && buffers.PeakBins[k] <= bandLast) {
            row.Maxima.push_back({static_cast<double>(buffers.PeakFrequencies[k]),
                                  static_cast<double>(buffers.PeakAmplitudes[k])});
        }
    }
    row.Frequency = buffers.PeakFrequencies[*best];
    row.Amplitude = buffers.PeakAmplitudes[*best];

    AnalysisRequest click;
    click.VelocityOrThickness = settings.VelocityOrThickness;
    click.ThicknessGiven = settings.ThicknessGiven;
    click.ShapeFactor = settings.ShapeFactor;
    const bool derived = DeriveThicknessOrVelocity(click, row.Frequency);
    const bool given = settings.VelocityOrThickness != 0.0f;
    if (derived && given && (row.Frequency != 0 || settings.ThicknessGiven != 0)) {
        row.Derived = click.DerivedValue;
    }

    const FrequencyAxis axis =
        MakeFrequencyAxis(SamplesPerTrace(profile.image), SampleInterval(profile.image),
                          profile.Unit, settings.Spectral.ZeroPad);
    const std::uint32_t bins = std::min<std::uint32_t>(axis.BinCount, kMaxSpectrumBins);
    const RefinedPeak refined =
        RefinePeakFrequency(std::span(buffers.SelectionSpectrum).first(bins),
                            buffers.PeakBins[*best], axis.ResampledStep, row.Frequency);
    row.RefinedFrequency = refined.Frequency;
    row.Refined = refined.Refined;
    const double f = refined.Frequency;
    const double error = refined.Refined ? kRefinedErrorBins * axis.ResampledStep : axis.Step / 2.0;
    row.FrequencyUncertainty = error;
    const double value = settings.VelocityOrThickness;
    const double beta = settings.ShapeFactor;
    if (!given) {
        // Nothing to derive: the frequency is the result.
    } else if (settings.ThicknessGiven != 0) {
        row.Result = 2.0 * value * f / beta;
        row.Uncertainty = *row.Result * error / f;
    } else if (f > 0.0) {
        row.Result = beta * value / (2.0 * f);
        row.Uncertainty = *row.Result * error / f;
    }
    if (row.Result && !(f > 0.0)) {
        row.Uncertainty.reset();
    }

    const std::uint32_t count = bandLast - bandFirst + 1;
    row.Quality = PeakQuality(std::span(buffers.SpectrumRows).first(count),
                              std::span(buffers.BinFrequencies).first(count),
                              buffers.PeakBins[*best] - bandFirst);
    return row;
}

PointReport ReportPoint(const Profile& profile, AnalysisBuffers& buffers,
                        const AnalysisRequest& request, const ReportSettings& settings,
                        std::uint32_t point) {
    AnalysisRequest run = request;
    run.PointNumber = point + 1;
    run.Controls = nullptr;
    run.RequestKind = kRequestRedraw;
    RequestFlags flags;
    flags.RefreshPeaksRequest = true;
    const AnalysisOutcome outcome = RunAnalysis(profile, buffers, flags, run, nullptr);
    return ReportShownPoint(profile, buffers, settings, point, outcome.Ran, outcome.BandFirst,
                            outcome.BandLast);
}

std::optional<double> CalibratedVelocity(const PointReport& point, double thickness,
                                         double shapeFactor) {
    if (!point.HasPeak || !(point.RefinedFrequency > 0.0)) {
        return std::nullopt;
    }
    return 2.0 * thickness * point.RefinedFrequency / shapeFactor;
}

}  // namespace karvelo
