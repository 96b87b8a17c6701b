// The static analysis buffers: zero at start, kept between runs, overwritten by each
// run in the parts it computes. Later operations (peak list, click, quality, exports)
// read them.
#pragma once

#include <array>
#include <cstdint>

#include "profile/profile_image.h"

namespace karvelo {

inline constexpr std::size_t kResampleFactor = 5;
inline constexpr std::size_t kMaxResampled = kResampleFactor * kMaxSamplesPerTrace;  // 10240
inline constexpr std::size_t kMaxSpectrumBins = kMaxResampled / 2 + 1;               // 5121
inline constexpr std::size_t kMaxProfilePoints = 100;  // points the profile spectrum serves
inline constexpr std::size_t kSpectrumRowStride = kMaxResampled;   // values per SpectrumRows row
inline constexpr std::size_t kMatrixRows = 800;                    // rows of the density matrix
inline constexpr std::size_t kMatrixRowStride = kMaxSpectrumBins;  // 5121 doubles per row
inline constexpr std::size_t kMinMatrixColumns = 500;

extern std::array<std::uint32_t, kMaxSamplesPerTrace> SampleTimes;    // i * SampleInterval
extern std::array<double, kMaxSamplesPerTrace> TraceSamples;          // signal analysed last
alignas(64) extern std::array<double, kMaxResampled> ResampledTrace;  // its 5N resampling
extern std::array<double, kMaxSpectrumBins> AmplitudeSpectrum;        // last transform
extern std::array<float, kMaxSpectrumBins> SelectionSpectrum;         // modes 0-2, all M bins
// Band-limited spectra: row r starts at SpectrumRows[r * kSpectrumRowStride].
extern std::array<float, kMaxProfilePoints * kSpectrumRowStride> SpectrumRows;
extern std::array<std::uint32_t, kMaxResampled> BinFrequencies;  // Hz of each shown bin/column
extern std::uint32_t ShownBinCount;
// Mode 3: per-point spectra, then the density matrix; row r at r * kMatrixRowStride.
extern std::array<double, kMatrixRows * kMatrixRowStride> ProfileSpectrumGrid;
extern std::array<double, kMatrixRows> GridRowPoints;  // point coordinate of each matrix row
extern std::array<double, kMaxResampled> GridFrequencies;
extern std::array<double, kMaxProfilePoints> GridPoints;
extern std::array<double, kMaxProfilePoints * kMaxResampled> GridSamples;

// Local maxima of SelectionSpectrum, in increasing bin order.
extern std::uint32_t PeakCount;
extern std::array<std::uint32_t, kMaxResampled> PeakBins;         // full-spectrum bin index
extern std::array<float, kMaxResampled> PeakAmplitudes;           // normalised value
extern std::array<std::uint32_t, kMaxResampled> PeakFrequencies;  // whole Hz

// Puts every buffer back to zero (program start; tests).
void ResetAnalysisBuffers();

}  // namespace karvelo
