#include "analysis/peaks.h"

#include <cstddef>

#include "analysis/analysis_buffers.h"
#include "common/error_messages.h"
#include "common/number_format.h"
#include "common/single_precision.h"

namespace karvelo {

namespace {

void RecordPeak(std::uint32_t bin, float amplitude, std::uint32_t frequency) {
    PeakBins[PeakCount] = bin;
    PeakAmplitudes[PeakCount] = amplitude;
    PeakFrequencies[PeakCount] = frequency;
    ++PeakCount;
}

// A flat maximum spanning bins first..last (inclusive) is recorded at `bin` with the
// truncated mean of its edge frequencies.
void RecordFlatPeak(std::uint32_t bin, std::uint32_t first, std::uint32_t last) {
    const std::uint32_t low = BinFrequencies[first];
    const std::uint32_t high = BinFrequencies[last];
    RecordPeak(bin, SelectionSpectrum[bin], low + (high - low) / 2);
}

// Last bin of the run of values equal to a[first], searching no further than `limit`.
std::uint32_t EndOfRun(std::uint32_t first, std::uint32_t limit) {
    std::uint32_t end = first;
    while (end < limit && SelectionSpectrum[end + 1] == SelectionSpectrum[first]) {
        ++end;
    }
    return end;
}

}  // namespace

void FindLocalMaxima(std::uint32_t binCount) {
    PeakCount = 0;
    constexpr std::uint32_t kMinBins = 3;
    if (binCount < kMinBins || binCount > kMaxSpectrumBins) {
        return;
    }
    const auto& a = SelectionSpectrum;
    const std::uint32_t lastInner = binCount - 2;  // bins beyond it have no right pair
    std::uint32_t i = 0;

    if (a[0] == a[1]) {
        const std::uint32_t j = EndOfRun(0, lastInner);
        if (a[j + 1] <= a[j]) {
            RecordFlatPeak(j, 0, j);
        }
        i = j;
    }

    while (i < lastInner) {
        if (a[i] < a[i + 1] && a[i + 1] > a[i + 2]) {
            RecordPeak(i + 1, a[i + 1], BinFrequencies[i + 1]);
        } else if (a[i] < a[i + 1] && a[i + 1] == a[i + 2]) {
            const std::uint32_t start = i + 1;
            if (i + 3 == binCount) {
                RecordFlatPeak(start, start, binCount - 1);
                return;
            }
            const std::uint32_t end = EndOfRun(start, lastInner);
            if (a[end + 1] <= a[end]) {
                RecordFlatPeak(end, start, end);
            }
            i = end + 1;
            continue;
        }
        ++i;
    }
}

void FillPeakList(AnalysisRequest& request, std::uint32_t iMin, std::uint32_t iMax) {
    AnalysisControls* controls = request.Controls;
    if (controls == nullptr) {
        return;
    }
    controls->ClearPeakList();
    if (request.SpectrumMode != kProfileSpectrum) {
        for (std::size_t k = 0; k < PeakCount; ++k) {
            if (PeakBins[k] >= iMin && PeakBins[k] <= iMax) {
                controls->AddPeakLine(FormatText("(%d;%.3e)", static_cast<int>(PeakFrequencies[k]),
                                                 static_cast<double>(PeakAmplitudes[k])));
            }
        }
    }
    controls->SelectFirstPeakLine();
}

bool DeriveThicknessOrVelocity(AnalysisRequest& request, double frequency) {
    const double given = request.VelocityOrThickness;
    if (request.ThicknessGiven == 0 && frequency == 0.0) {
        ShowAnalysisStatic(request, AnalysisStatic::Derived, false);
        ShowAnalysisStatic(request, AnalysisStatic::DerivedCaption, false);
        return true;
    }
    const std::optional<float> derived =
        ToSingle(request.ThicknessGiven != 0 ? given * 2.0 * frequency : given / (2.0 * frequency));
    if (!derived) {
        ShowAnalysisStatic(request, AnalysisStatic::Derived, false);
        ShowAnalysisStatic(request, AnalysisStatic::DerivedCaption, false);
        ReportError(kErrInvalidValue, true);
        return false;
    }
    request.DerivedValue = *derived;
    return true;
}

}  // namespace karvelo
