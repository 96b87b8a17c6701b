// The profile-spectrum density matrix of mode 3: per-point band spectra normalised and
// interpolated onto a grid of kMatrixRows point rows and at least kMinMatrixColumns
// frequency columns.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>

#include "analysis/analysis_buffers.h"
#include "analysis/analysis_request.h"
#include "analysis/row_extremes.h"

namespace karvelo {

// Largest and smallest of the normalised point spectra.
struct ValueRange {
    float Low = 0.0f;
    float High = 0.0f;
};

struct ProfileMatrix {
    std::uint32_t Rows = 0;     // kMatrixRows, or 1 for a single-point profile
    std::uint32_t Columns = 0;  // MatrixColumns(band bins)
    ValueRange Range;           // of the normalised point spectra, before interpolation
    bool Saturated = false;     // the contrast clipped every value to the top of the scale
    // Largest and smallest value of the stored matrix over its columns, after the clip,
    // taken as MatrixRange kind 4 takes them.
    Extremes Values{};
};

// Columns of the matrix for a band of `count` bins: count, but at least kMinMatrixColumns.
std::uint32_t MatrixColumns(std::uint32_t count);

// Divides each of the rows 0 .. pointCount-1 of ProfileSpectrumGrid (count band values
// each, after the band cut) by its largest value and stores it in single precision in
// the same row of SpectrumRows; a row whose largest value is 0 becomes zeros. Returns
// the range of all the stored values. pointCount 1 .. kMaxProfilePoints, count >= 1.
ValueRange NormaliseProfileRows(AnalysisBuffers& buffers, std::uint32_t pointCount,
                                std::uint32_t count);

// Interpolates the normalised rows of SpectrumRows (over the band frequencies still in
// BinFrequencies[0 .. count)) into ProfileSpectrumGrid: kMatrixRows rows from point 0 to
// point pointCount-1 (GridRowPoints holds each row's point coordinate), `columns`
// equally spaced frequencies from the band's first to its last bin frequency. A single
// point gives one row, interpolated along frequency only. Then BinFrequencies[k] holds
// column k's frequency in whole Hz. Returns the number of rows, or 0 when the
// interpolation refuses its input (count < 2, repeated frequencies); never throws.
// rowDone, when given, is called with each matrix row as soon as it is complete.
std::uint32_t InterpolateProfileMatrix(AnalysisBuffers& buffers, std::uint32_t pointCount,
                                       std::uint32_t count, std::uint32_t columns,
                                       const std::function<void(double* row)>& rowDone = {});

// The limits of a contrast clip: clip = High - (High - Low) * contrast (single
// precision; Low itself for contrast 1). contrast 0 leaves the normalised range as it is.
struct ClipLimits {
    double Low;
    double Top;      // clip
    bool Saturates;  // a range that is not flat is clipped at Low: every value saturates
};
ClipLimits ContrastLimits(ValueRange range, float contrast);

// Contrast clip of one matrix row: a value >= Top becomes Top and a value <= Low becomes
// Low (both tests on the value as it was; NaN stays).
void ClipRow(double* row, std::size_t columns, ClipLimits limits);

// The whole matrix step after the band cut: normalise, interpolate, apply and clear a
// pending ContrastClipRequest with the request's Contrast, and take the extremes.
// Reports error 13 (plain) and returns nullopt when the band holds fewer than 2 bins,
// the point count is outside 1 .. kMaxProfilePoints or the interpolation refuses its
// input.
std::optional<ProfileMatrix> BuildProfileMatrix(AnalysisBuffers& buffers, RequestFlags& flags,
                                                const AnalysisRequest& request,
                                                std::uint32_t pointCount, std::uint32_t count);

}  // namespace karvelo
