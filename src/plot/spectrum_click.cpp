#include "plot/spectrum_click.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "analysis/analysis_buffers.h"
#include "analysis/frequency_axis.h"
#include "analysis/peak_refinement.h"
#include "analysis/peaks.h"
#include "analysis/quality.h"
#include "profile/profile_image.h"

namespace karvelo {

AxisMapping SpectrumFrequencyAxis(const PlotLayout& layout,
                                  std::span<const std::uint32_t> binFrequencies) {
    if (binFrequencies.empty()) {
        return FrameAxis(layout, AxisDirection::Rightwards, 0.0, 0.0);
    }
    const std::uint32_t largest = *std::max_element(binFrequencies.begin(), binFrequencies.end());
    return FrameAxis(layout, AxisDirection::Rightwards, binFrequencies.front(), largest);
}

std::optional<SpectrumReading> ReadSpectrumAt(int x, int y, const PlotLayout& layout,
                                              std::span<const std::uint32_t> binFrequencies,
                                              std::span<const float> amplitudes) {
    if (binFrequencies.empty() || amplitudes.size() < binFrequencies.size() ||
        !layout.FrameContains(x, y)) {
        return std::nullopt;
    }
    const double frequency = SpectrumFrequencyAxis(layout, binFrequencies).ValueFor(x);
    return SpectrumReading{frequency, amplitudes[NearestIndex(binFrequencies, frequency)]};
}

bool AimClickAtListedPeak(const AnalysisBuffers& buffers, AnalysisRequest& request,
                          const PlotLayout& layout, std::span<const std::uint32_t> binFrequencies,
                          std::uint32_t firstBin, std::uint32_t lastBin) {
    const std::vector<std::size_t> listed = ListedPeaks(buffers, firstBin, lastBin);
    const auto line = static_cast<std::size_t>(request.ListedPeak);
    if (request.ListedPeak < 0 || line >= listed.size() ||
        buffers.PeakBins[listed[line]] - firstBin >= binFrequencies.size()) {
        return false;
    }
    const std::size_t bin = buffers.PeakBins[listed[line]] - firstBin;
    const double target = binFrequencies[bin];
    const AxisMapping axis = SpectrumFrequencyAxis(layout, binFrequencies);
    // The truncated column lies at or left of the frequency; its right neighbour may be
    // the nearer one. Either must land on the bin when a click there would.
    const int column = axis.PixelAt(target);
    int best = std::clamp(column, layout.FrameLeft(), layout.FrameRight());
    double bestDistance = -1.0;
    for (const int x : {column - 1, column, column + 1}) {
        if (x < layout.FrameLeft() || x > layout.FrameRight()) {
            continue;
        }
        const double frequency = axis.ValueFor(x);
        const double distance = std::abs(frequency - target);
        if (NearestIndex(binFrequencies, frequency) == bin &&
            (bestDistance < 0.0 || distance < bestDistance)) {
            best = x;
            bestDistance = distance;
        }
    }
    request.ClickX = best;
    request.ClickY = (layout.FrameTop() + layout.FrameBottom()) / 2;
    return true;
}

std::optional<SpectrumHit> SpectrumClick(const Profile& profile, const AnalysisBuffers& buffers,
                                         QualityTable* quality, AnalysisRequest& request,
                                         const PlotLayout& layout,
                                         std::span<const std::uint32_t> binFrequencies,
                                         std::uint32_t firstBin) {
    if (binFrequencies.empty() || !layout.FrameContains(request.ClickX, request.ClickY)) {
        return std::nullopt;
    }
    const double frequency = SpectrumFrequencyAxis(layout, binFrequencies).ValueFor(request.ClickX);
    const SpectrumHit hit{frequency, NearestIndex(binFrequencies, frequency)};
    if (request.RequestKind != kRequestClick) {
        return hit;
    }
    ShowAnalysisStatic(request, AnalysisStatic::Frequency, true);
    ShowAnalysisStatic(request, AnalysisStatic::Derived, true);
    ShowAnalysisStatic(request, AnalysisStatic::DerivedCaption, true);
    request.ClickFrequency = frequency;
    DeriveThicknessOrVelocity(request, frequency);
    // On a listed maximum, its frequency between the bins.
    const auto fullBin = static_cast<std::uint32_t>(hit.Bin) + firstBin;
    if (const std::optional<std::size_t> peak = PeakAtBin(buffers, fullBin)) {
        const FrequencyAxis axis =
            MakeFrequencyAxis(SamplesPerTrace(profile.image), SampleInterval(profile.image),
                              profile.Unit, request.Spectral.ZeroPad);
        const std::uint32_t bins = std::min<std::uint32_t>(axis.BinCount, kMaxSpectrumBins);
        request.RefinedFrequency =
            RefinePeakFrequency(std::span(buffers.SelectionSpectrum).first(bins), fullBin,
                                axis.ResampledStep, buffers.PeakFrequencies[*peak])
                .Frequency;
        ShowAnalysisStatic(request, AnalysisStatic::Refined, true);
        ShowAnalysisStatic(request, AnalysisStatic::RefinedCaption, true);
    }
    if (quality != nullptr && quality->QualityDisplayOn) {
        ComputeQuality(buffers, quality, request, static_cast<std::uint32_t>(hit.Bin), firstBin,
                       static_cast<std::uint32_t>(binFrequencies.size()));
    }
    return hit;
}

}  // namespace karvelo
