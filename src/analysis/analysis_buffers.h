// The buffers of one analysis run: zero when made, kept between runs, overwritten by
// each run in the parts it computes. Later operations (peak list, click, quality,
// exports) read them. The main form's document owns one set; every survey worker owns
// its own.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <vector>

#include "analysis/profile_spectra_memo.h"
#include "profile/profile_image.h"

namespace karvelo {

inline constexpr std::size_t kResampleFactor = 5;
inline constexpr std::size_t kMaxResampled = kResampleFactor * kMaxSamplesPerTrace;  // 10240
inline constexpr std::size_t kMaxSpectrumBins = kMaxResampled / 2 + 1;               // 5121
inline constexpr std::size_t kMaxProfilePoints =
    kMaxTraceRecords;                                             // a point holds a record at least
inline constexpr std::size_t kSpectrumRowStride = kMaxResampled;  // values per SpectrumRows row
inline constexpr std::size_t kMatrixRows = 800;                   // rows of the density matrix
inline constexpr std::size_t kMatrixRowStride = kMaxSpectrumBins;  // 5121 doubles per row
inline constexpr std::size_t kMinMatrixColumns = 500;
// Points the per-point storage holds before it grows (the map of a line up to this long
// keeps the layout it always had).
inline constexpr std::size_t kBasePoints = 100;

// The buffers of the second thread of the point spectra, kept from run to run: fresh
// ones would cost their pages again on every run.
struct SecondThreadWork {
    std::vector<double> Rows;
    std::vector<double> Samples;
    std::vector<double> Resampled;
    std::vector<double> Spectrum;
};

struct AnalysisBuffers {
    AnalysisBuffers();

    std::array<std::uint32_t, kMaxSamplesPerTrace> SampleTimes{};    // i * SampleInterval
    std::array<double, kMaxSamplesPerTrace> TraceSamples{};          // signal analysed last
    alignas(64) std::array<double, kMaxResampled> ResampledTrace{};  // its 5N resampling
    std::array<double, kMaxSpectrumBins> AmplitudeSpectrum{};        // last transform
    std::array<float, kMaxSpectrumBins> SelectionSpectrum{};         // modes 0-2, all M bins
    // Band-limited spectra: row r starts at SpectrumRows[r * kSpectrumRowStride]. Row 0
    // always exists; the profile-spectrum map grows it to a row per point.
    std::vector<float> SpectrumRows;
    std::array<std::uint32_t, kMaxResampled> BinFrequencies{};  // Hz of each shown bin/column
    std::uint32_t ShownBinCount = 0;
    // Mode 3: per-point spectra, then the density matrix; row r at r * kMatrixRowStride.
    // Empty until the first map; then max(kMatrixRows, points) rows.
    std::vector<double> ProfileSpectrumGrid;
    std::array<double, kMatrixRows> GridRowPoints{};  // point coordinate of each matrix row
    std::uint32_t MapColumnCount = 0;                 // matrix columns of the map drawn last
    std::array<double, kMaxResampled> GridFrequencies{};
    std::vector<double> GridPoints;   // a value per point
    std::vector<double> GridSamples;  // points x band bins

    // Local maxima of SelectionSpectrum, in increasing bin order.
    std::uint32_t PeakCount = 0;
    std::array<std::uint32_t, kMaxResampled> PeakBins{};         // full-spectrum bin index
    std::array<float, kMaxResampled> PeakAmplitudes{};           // normalised value
    std::array<std::uint32_t, kMaxResampled> PeakFrequencies{};  // whole Hz

    // The point spectra of the last map, kept for a run that changes only band or contrast.
    ProfileSpectraMemo KeptSpectra;
    SecondThreadWork SecondThread;
};

// Makes room in the per-point storage of the map for `points` points (never shrinks, new
// room is zero).
void ReservePointRows(AnalysisBuffers& buffers, std::size_t points);

// Row j of ProfileSpectrumGrid (kMatrixRowStride values); room must have been made.
inline std::span<double> GridRow(AnalysisBuffers& buffers, std::size_t j) {
    return std::span(buffers.ProfileSpectrumGrid).subspan(j * kMatrixRowStride, kMatrixRowStride);
}

}  // namespace karvelo
