#include "analysis/profile_matrix.h"

#include <algorithm>
#include <functional>
#include <span>
#include <vector>

#include <libalglib/interpolation.h>

#include "analysis/analysis_buffers.h"
#include "analysis/band.h"
#include "analysis/frequency_axis.h"
#include "analysis/row_extremes.h"
#include "analysis/spectrum_modes.h"
#include "analysis/spline_evaluation.h"
#include "common/error_messages.h"

namespace karvelo {

namespace {

std::span<float> SpectrumRow(AnalysisBuffers& buffers, std::size_t row, std::size_t count) {
    return {buffers.SpectrumRows.data() + row * kSpectrumRowStride, count};
}

double* MatrixRow(AnalysisBuffers& buffers, std::size_t row) {
    return buffers.ProfileSpectrumGrid.data() + row * buffers.GridStride;
}

// Copies the normalised rows and their abscissae into the interpolation input buffers.
void FillGridInput(AnalysisBuffers& buffers, std::uint32_t pointCount, std::uint32_t count) {
    buffers.GridSamples.resize(std::size_t{pointCount} * count);
    std::copy_n(buffers.BinFrequencies.begin(), count, buffers.GridFrequencies.begin());
    for (std::uint32_t j = 0; j < pointCount; ++j) {
        buffers.GridPoints[j] = j;
        const std::span<float> row = SpectrumRow(buffers, j, count);
        std::copy(row.begin(), row.end(), buffers.GridSamples.begin() + std::size_t{j} * count);
    }
}

}  // namespace

std::uint32_t MatrixColumns(std::uint32_t count) {
    return std::max<std::uint32_t>(count, kMinMatrixColumns);
}

ValueRange NormaliseProfileRows(AnalysisBuffers& buffers, std::uint32_t pointCount,
                                std::uint32_t count) {
    for (std::uint32_t j = 0; j < pointCount; ++j) {
        NormaliseSpectrum(std::span<const double>(MatrixRow(buffers, j), count),
                          SpectrumRow(buffers, j, count), true);
    }
    ValueRange range{buffers.SpectrumRows[0], buffers.SpectrumRows[0]};
    for (std::uint32_t j = 0; j < pointCount; ++j) {
        for (const float value : SpectrumRow(buffers, j, count)) {
            range.High = std::max(range.High, value);
            range.Low = std::min(range.Low, value);
        }
    }
    return range;
}

std::uint32_t InterpolateProfileMatrix(AnalysisBuffers& buffers, std::uint32_t pointCount,
                                       std::uint32_t count, std::uint32_t columns,
                                       const std::function<void(double* row)>& rowDone) {
    if (count < kMinBandBins || pointCount < 1 || pointCount > kMaxProfilePoints || columns < 2 ||
        columns > buffers.GridStride) {
        return 0;
    }
    FillGridInput(buffers, pointCount, count);
    // The splines take repeated abscissae without complaint but divide by their zero
    // spacing; bins closer than 1 Hz share a whole-Hz frequency, so refuse them here.
    const auto* frequencies = buffers.GridFrequencies.data();
    if (std::adjacent_find(frequencies, frequencies + count, std::greater_equal<>()) !=
        frequencies + count) {
        return 0;
    }
    const double firstFrequency = buffers.GridFrequencies[0];
    const double dx = (buffers.GridFrequencies[count - 1] - firstFrequency) / (columns - 1);
    const double dy =
        (buffers.GridPoints[pointCount - 1] - buffers.GridPoints[0]) / (kMatrixRows - 1);
    std::uint32_t rows = 0;
    try {
        alglib::real_1d_array x;
        x.setcontent(count, buffers.GridFrequencies.data());
        if (pointCount >= 2) {
            alglib::real_1d_array y;
            y.setcontent(pointCount, buffers.GridPoints.data());
            alglib::real_2d_array f;
            f.setcontent(pointCount, count, buffers.GridSamples.data());
            // ALGLIB builds and checks the spline; its values over the whole grid come from
            // the bulk evaluation, which repeats spline2dcalc's arithmetic.
            alglib::spline2dinterpolant spline;
            alglib::spline2dbuildbilinear(x, y, f, pointCount, count, spline);
            std::vector<double> columnFrequencies(columns);
            for (std::size_t k = 0; k < columns; ++k) {
                columnFrequencies[k] = static_cast<double>(k) * dx + firstFrequency;
            }
            for (std::size_t r = 0; r < kMatrixRows; ++r) {
                buffers.GridRowPoints[r] = static_cast<double>(r) * dy + buffers.GridPoints[0];
            }
            EvaluateBilinearGrid(std::span<const double>(buffers.GridFrequencies.data(), count),
                                 std::span<const double>(buffers.GridPoints.data(), pointCount),
                                 std::span<const double>(buffers.GridSamples.data(),
                                                         std::size_t{pointCount} * count),
                                 columnFrequencies, buffers.GridRowPoints, MatrixRow(buffers, 0),
                                 buffers.GridStride, rowDone);
            rows = kMatrixRows;
        } else {
            alglib::real_1d_array values;
            values.setcontent(count, buffers.GridSamples.data());
            alglib::spline1dinterpolant spline;
            alglib::spline1dbuildlinear(x, values, spline);
            buffers.GridRowPoints[0] = 0.0;
            EvaluateLinearSpline(spline, firstFrequency, dx,
                                 std::span<double>(MatrixRow(buffers, 0), columns));
            if (rowDone) {
                rowDone(MatrixRow(buffers, 0));
            }
            rows = 1;
        }
    } catch (const alglib::ap_error&) {
        return 0;
    }
    for (std::size_t k = 0; k < columns; ++k) {
        buffers.BinFrequencies[k] = TruncateToHz(static_cast<double>(k) * dx + firstFrequency);
    }
    return rows;
}

// The full contrast clips at the floor itself, which the product would miss by a
// rounding step.
ClipLimits ContrastLimits(ValueRange range, float contrast) {
    const float clip =
        contrast >= 1.0f ? range.Low : range.High - (range.High - range.Low) * contrast;
    return {range.Low, clip, range.High > range.Low && clip <= range.Low};
}

__attribute__((target_clones("avx2", "default"))) void ClipRow(double* row, std::size_t columns,
                                                               ClipLimits limits) {
    const double low = limits.Low;
    const double top = limits.Top;
    for (std::size_t k = 0; k < columns; ++k) {
        // Both tests look at the value as it was; the floor wins where they overlap
        // (and NaN passes both). Selects rather than branches, so the loop widens.
        const double value = row[k];
        const double clipped = value >= top ? top : value;
        row[k] = value <= low ? low : clipped;
    }
}

std::optional<ProfileMatrix> BuildProfileMatrix(AnalysisBuffers& buffers, RequestFlags& flags,
                                                const AnalysisRequest& request,
                                                std::uint32_t pointCount, std::uint32_t count) {
    if (count < kMinBandBins || count > kMaxSpectrumBins || pointCount < 1 ||
        pointCount > kMaxProfilePoints) {
        ReportError(kErrInvalidValue, true);
        return std::nullopt;
    }
    ProfileMatrix matrix;
    ReservePointRows(buffers, pointCount);
    matrix.Range = NormaliseProfileRows(buffers, pointCount, count);
    matrix.Columns = MatrixColumns(count);
    // Each row is clipped and its extremes taken as soon as it is interpolated, while it
    // is still in the cache: a pass over the whole matrix costs more than the work.
    std::optional<ClipLimits> clip;
    if (flags.ContrastClipRequest) {
        clip = ContrastLimits(matrix.Range, request.Contrast);
        matrix.Saturated = clip->Saturates;
    }
    const std::uint32_t columns = matrix.Columns;
    bool first = true;
    Extremes extremes{};
    const auto rowDone = [&](double* row) {
        if (clip) {
            ClipRow(row, columns, *clip);
        }
        if (first) {
            extremes = {row[0], row[0]};
            first = false;
        }
        extremes = RowExtremes(row, columns, extremes);
    };
    matrix.Rows = InterpolateProfileMatrix(buffers, pointCount, count, columns, rowDone);
    if (matrix.Rows == 0) {
        ReportError(kErrInvalidValue, true);
        return std::nullopt;
    }
    flags.ContrastClipRequest = false;
    matrix.Values = extremes;
    return matrix;
}

}  // namespace karvelo
