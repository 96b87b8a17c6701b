#include "report/point_report.h"

#include <cstddef>
#include <span>

#include "analysis/analysis_buffers.h"
#include "analysis/frequency_axis.h"
#include "analysis/peak_refinement.h"
#include "analysis/peaks.h"
#include "analysis/quality.h"
#include "profile/profile_image.h"

namespace karvelo {

namespace {

// Index of the strongest maximum whose bin lies in the band (the first of equals).
std::optional<std::size_t> StrongestListedPeak(std::uint32_t bandFirst, std::uint32_t bandLast) {
    std::optional<std::size_t> best;
    for (std::size_t k = 0; k < PeakCount; ++k) {
        const bool listed = PeakBins[k] >= bandFirst && PeakBins[k] <= bandLast;
        if (listed && (!best || PeakAmplitudes[k] > PeakAmplitudes[*best])) {
            best = k;
        }
    }
    return best;
}

}  // namespace

PointReport ReportShownPoint(const ReportSettings& settings, std::uint32_t point, bool ran,
                             std::uint32_t bandFirst, std::uint32_t bandLast) {
    PointReport row;
    row.Point = point;
    if (!ran) {
        return row;
    }
    row.HitsUsed = settings.SpectrumMode == kSingleTrace ? 1 : TracesPerPoint;
    row.Hits = CheckHits(point, bandFirst, bandLast, settings.Detrend);
    row.Spread = SpreadOf(row.Hits);
    const std::optional<std::size_t> best = StrongestListedPeak(bandFirst, bandLast);
    if (!best) {
        return row;
    }
    row.HasPeak = true;
    row.Frequency = PeakFrequencies[*best];
    row.Amplitude = PeakAmplitudes[*best];

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
        MakeFrequencyAxis(SamplesPerTrace(), SampleInterval(), ProfileTimeUnit);
    const std::uint32_t bins = std::min<std::uint32_t>(axis.BinCount, kMaxSpectrumBins);
    const RefinedPeak refined =
        RefinePeakFrequency(std::span(SelectionSpectrum).first(bins), PeakBins[*best],
                            axis.ResampledStep, row.Frequency);
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
    row.Quality = PeakQuality(std::span(SpectrumRows).first(count),
                              std::span(BinFrequencies).first(count), PeakBins[*best] - bandFirst);
    return row;
}

std::optional<double> CalibratedVelocity(const PointReport& point, double thickness,
                                         double shapeFactor) {
    if (!point.HasPeak || !(point.RefinedFrequency > 0.0)) {
        return std::nullopt;
    }
    return 2.0 * thickness * point.RefinedFrequency / shapeFactor;
}

}  // namespace karvelo
