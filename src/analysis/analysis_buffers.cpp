#include "analysis/analysis_buffers.h"

#include "analysis/analysis_request.h"
#include "analysis/profile_spectra_memo.h"

namespace karvelo {

bool RefreshPeaksRequest = false;
bool ResetBandRequest = false;
bool BandLimitOnly = false;
bool ContrastClipRequest = false;

std::array<std::uint32_t, kMaxSamplesPerTrace> SampleTimes{};
std::array<double, kMaxSamplesPerTrace> TraceSamples{};
alignas(64) std::array<double, kMaxResampled> ResampledTrace{};
std::array<double, kMaxSpectrumBins> AmplitudeSpectrum{};
std::array<float, kMaxSpectrumBins> SelectionSpectrum{};
std::array<float, kMaxProfilePoints * kSpectrumRowStride> SpectrumRows{};
std::array<std::uint32_t, kMaxResampled> BinFrequencies{};
std::uint32_t ShownBinCount = 0;
std::array<double, kMatrixRows * kMatrixRowStride> ProfileSpectrumGrid{};
std::array<double, kMatrixRows> GridRowPoints{};
std::array<double, kMaxResampled> GridFrequencies{};
std::array<double, kMaxProfilePoints> GridPoints{};
std::array<double, kMaxProfilePoints * kMaxResampled> GridSamples{};

std::uint32_t PeakCount = 0;
std::array<std::uint32_t, kMaxResampled> PeakBins{};
std::array<float, kMaxResampled> PeakAmplitudes{};
std::array<std::uint32_t, kMaxResampled> PeakFrequencies{};

void ResetAnalysisBuffers() {
    RefreshPeaksRequest = false;
    ResetBandRequest = false;
    BandLimitOnly = false;
    ContrastClipRequest = false;
    SampleTimes.fill(0);
    TraceSamples.fill(0);
    ResampledTrace.fill(0);
    AmplitudeSpectrum.fill(0);
    SelectionSpectrum.fill(0);
    SpectrumRows.fill(0);
    BinFrequencies.fill(0);
    ShownBinCount = 0;
    ProfileSpectrumGrid.fill(0);
    GridRowPoints.fill(0);
    GridFrequencies.fill(0);
    GridPoints.fill(0);
    GridSamples.fill(0);
    PeakCount = 0;
    PeakBins.fill(0);
    PeakAmplitudes.fill(0);
    PeakFrequencies.fill(0);
    ForgetProfileSpectra();
}

}  // namespace karvelo
