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
#include "analysis/spectral_options.h"
#include "profile/profile_image.h"

namespace karvelo {

inline constexpr std::size_t kResampleFactor = 5;
inline constexpr std::size_t kMaxResampled = kResampleFactor * kMaxSamplesPerTrace;  // 10240
// The longest transform: the resampled trace padded with zeros to kMaxZeroPad times.
inline constexpr std::size_t kMaxTransformLength = kMaxResampled * kMaxZeroPad;  // 81920
inline constexpr std::size_t kMaxSpectrumBins = kMaxTransformLength / 2 + 1;     // 40961
inline constexpr std::size_t kMaxProfilePoints =
    kMaxTraceRecords;  // a point holds a record at least
// Values per SpectrumRows row: a whole spectrum, padded or not.
inline constexpr std::size_t kSpectrumRowStride = kMaxSpectrumBins;
inline constexpr std::size_t kMatrixRows = 800;  // rows of the density matrix
// Doubles per ProfileSpectrumGrid row while the spectra are not padded (5121); padded
// spectra widen the rows to their bin count (GridStride).
inline constexpr std::size_t kMatrixRowStride = kMaxResampled / 2 + 1;
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
    std::array<std::uint32_t, kMaxSpectrumBins> BinFrequencies{};  // Hz of each shown bin/column
    std::uint32_t ShownBinCount = 0;
    // Mode 3: per-point spectra, then the density matrix; row r at r * kMatrixRowStride.
    // Empty until the first map; then max(kMatrixRows, points) rows of GridStride values.
    std::vector<double> ProfileSpectrumGrid;
    std::size_t GridStride = kMatrixRowStride;
    std::array<double, kMatrixRows> GridRowPoints{};  // point coordinate of each matrix row
    std::uint32_t MapColumnCount = 0;                 // matrix columns of the map drawn last
    std::array<double, kMaxSpectrumBins> GridFrequencies{};
    std::vector<double> GridPoints;   // a value per point
    std::vector<double> GridSamples;  // points x band bins

    // Local maxima of SelectionSpectrum, in increasing bin order.
    std::uint32_t PeakCount = 0;
    std::array<std::uint32_t, kMaxSpectrumBins> PeakBins{};         // full-spectrum bin index
    std::array<float, kMaxSpectrumBins> PeakAmplitudes{};           // normalised value
    std::array<std::uint32_t, kMaxSpectrumBins> PeakFrequencies{};  // whole Hz

    // The point spectra of the last map, kept for a run that changes only band or contrast.
    ProfileSpectraMemo KeptSpectra;
    SecondThreadWork SecondThread;
};

// Makes room in the per-point storage of the map for `points` points (never shrinks, new
// room is zero). Spectra of more than GridStride bins widen every grid row to `bins`
// values, which leaves the grid's values undefined until they are computed again.
void ReservePointRows(AnalysisBuffers& buffers, std::size_t points, std::size_t bins = 0);

// Row j of ProfileSpectrumGrid (GridStride values); room must have been made.
inline std::span<double> GridRow(AnalysisBuffers& buffers, std::size_t j) {
    return std::span(buffers.ProfileSpectrumGrid)
        .subspan(j * buffers.GridStride, buffers.GridStride);
}

}  // namespace karvelo
