#include "analysis/peaks.h"

#include <cstddef>

#include "analysis/analysis_buffers.h"
#include "common/error_messages.h"
#include "common/field_rules.h"
#include "common/number_format.h"
#include "common/single_precision.h"

namespace karvelo {

namespace {

// Last bin of the run of values equal to a[first], searching no further than `limit`.
std::uint32_t EndOfRun(std::span<const float> a, std::uint32_t first, std::uint32_t limit) {
    std::uint32_t end = first;
    while (end < limit && a[end + 1] == a[first]) {
        ++end;
    }
    return end;
}

}  // namespace

std::vector<LocalMaximum> LocalMaximaOf(std::span<const float> a) {
    std::vector<LocalMaximum> found;
    constexpr std::size_t kMinBins = 3;
    if (a.size() < kMinBins || a.size() > kMaxSpectrumBins) {
        return found;
    }
    const auto binCount = static_cast<std::uint32_t>(a.size());
    const std::uint32_t lastInner = binCount - 2;  // bins beyond it have no right pair
    // Room for every maximum there can be (no two are neighbours) and one more: the scan
    // below writes each bin as a candidate and counts it only when it is a maximum, since
    // in a noisy spectrum whether a bin peaks is a coin toss the processor cannot predict.
    found.resize(binCount / 2 + 2);
    std::size_t count = 0;
    std::uint32_t i = 0;

    if (a[0] == a[1]) {
        const std::uint32_t j = EndOfRun(a, 0, lastInner);
        if (a[j + 1] <= a[j]) {
            found[count++] = {j, 0, j};
        }
        i = j;
    }

    while (i < lastInner) {
        const bool rises = a[i] < a[i + 1];
        // Plateaus are rare: testing for one first keeps the common path free of guesses.
        if (a[i + 1] == a[i + 2] && rises) {
            const std::uint32_t start = i + 1;
            if (i + 3 == binCount) {
                found[count++] = {start, start, binCount - 1};
                break;
            }
            const std::uint32_t end = EndOfRun(a, start, lastInner);
            if (a[end + 1] <= a[end]) {
                found[count++] = {end, start, end};
                i = end + 1;
            } else {
                i = end;  // the values rise again after the plateau: bin end + 1 may peak
            }
            continue;
        }
        found[count] = {i + 1, i + 1, i + 1};
        count += static_cast<std::size_t>(rises & (a[i + 1] > a[i + 2]));
        ++i;
    }
    found.resize(count);
    return found;
}

void FindLocalMaxima(AnalysisBuffers& buffers, std::uint32_t binCount) {
    buffers.PeakCount = 0;
    if (binCount > kMaxSpectrumBins) {
        return;
    }
    for (const LocalMaximum& peak :
         LocalMaximaOf(std::span(buffers.SelectionSpectrum).first(binCount))) {
        const std::uint32_t low = buffers.BinFrequencies[peak.First];
        const std::uint32_t high = buffers.BinFrequencies[peak.Last];
        buffers.PeakBins[buffers.PeakCount] = peak.Bin;
        buffers.PeakAmplitudes[buffers.PeakCount] = buffers.SelectionSpectrum[peak.Bin];
        buffers.PeakFrequencies[buffers.PeakCount] =
            peak.First == peak.Last ? low : low + (high - low) / 2;
        ++buffers.PeakCount;
    }
}

std::optional<std::size_t> PeakAtBin(const AnalysisBuffers& buffers, std::uint32_t fullBin) {
    for (std::size_t k = 0; k < buffers.PeakCount; ++k) {
        if (buffers.PeakBins[k] == fullBin) {
            return k;
        }
    }
    return std::nullopt;
}

std::vector<std::size_t> ListedPeaks(const AnalysisBuffers& buffers, std::uint32_t iMin,
                                     std::uint32_t iMax) {
    std::vector<std::size_t> listed;
    for (std::size_t k = 0; k < buffers.PeakCount; ++k) {
        if (buffers.PeakBins[k] >= iMin && buffers.PeakBins[k] <= iMax) {
            listed.push_back(k);
        }
    }
    return listed;
}

void FillPeakList(const AnalysisBuffers& buffers, AnalysisRequest& request, std::uint32_t iMin,
                  std::uint32_t iMax) {
    AnalysisControls* controls = request.Controls;
    if (controls == nullptr) {
        return;
    }
    controls->ClearPeakList();
    if (request.SpectrumMode != kProfileSpectrum) {
        for (const std::size_t k : ListedPeaks(buffers, iMin, iMax)) {
            controls->AddPeakLine(FormatText("(%d;%.3e)",
                                             static_cast<int>(buffers.PeakFrequencies[k]),
                                             static_cast<double>(buffers.PeakAmplitudes[k])));
        }
    }
    controls->SelectFirstPeakLine();
}

bool DeriveThicknessOrVelocity(AnalysisRequest& request, double frequency) {
    const double given = request.VelocityOrThickness;
    const double beta = request.ShapeFactor;
    if (request.ThicknessGiven == 0 && frequency == 0.0) {
        ShowAnalysisStatic(request, AnalysisStatic::Derived, false);
        ShowAnalysisStatic(request, AnalysisStatic::DerivedCaption, false);
        return true;
    }
    const std::optional<float> derived =
        ToSingle(request.ThicknessGiven != 0 ? given * 2.0 * frequency / beta
                                             : beta * given / (2.0 * frequency));
    if (!derived) {
        ShowAnalysisStatic(request, AnalysisStatic::Derived, false);
        ShowAnalysisStatic(request, AnalysisStatic::DerivedCaption, false);
        ReportError(kErrInvalidValue, true, kRuleDerived);
        return false;
    }
    request.DerivedValue = *derived;
    return true;
}

}  // namespace karvelo
