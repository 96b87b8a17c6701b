#include "analysis/pipeline.h"

#include <bit>
#include <cstring>
#include <span>

#include "analysis/analysis_buffers.h"
#include "analysis/band.h"
#include "analysis/frequency_axis.h"
#include "analysis/peaks.h"
#include "analysis/profile_matrix.h"
#include "analysis/row_extremes.h"
#include "analysis/spectrum_modes.h"
#include "plot/colour_bar.h"
#include "plot/draw_plot.h"
#include "plot/pick_export.h"
#include "plot/plot_panels.h"
#include "plot/point_columns.h"
#include "plot/spectrum_click.h"
#include "profile/profile_image.h"

namespace karvelo {

namespace {

constexpr std::size_t kMatrixRowStrideBytes = kMatrixRowStride * sizeof(double);

void DrawTracePanel(const AnalysisRequest& request, Surface& surface, std::uint32_t samples,
                    std::uint32_t interval) {
    const PlotLayout layout = TracePanelLayout(
        static_cast<std::uint16_t>(samples), static_cast<std::uint16_t>(interval), ProfileTimeUnit);
    PlotData data;
    data.AxisFormat = kFormatInt32;
    data.ColumnsPerLabel = 0;
    PlotMode mode = PlotMode::Wiggle;
    if (request.ViewMode != 0) {
        mode = PlotMode::Density;
        data.RangeMax = SampleMax;
        data.RangeMin = SampleMin;
    }
    const std::size_t firstRecord =
        static_cast<std::size_t>(request.PointNumber - 1) * TracesPerPoint;
    SeriesSet series;
    series.First = ProfileImage.bytes.data() + SampleOffset(firstRecord, 0);
    series.Stride = kTraceRecordBytes;
    series.Format = SampleFormat();
    series.Count = TracesPerPoint;
    DrawPlot(surface, layout, mode, series, std::span(SampleTimes).first(samples), data);
}

// What a run leaves behind when it cannot show a spectrum: no maxima, no statics, no "S".
void ShowNoSpectrum(const AnalysisRequest& request) {
    if (request.Controls != nullptr) {
        request.Controls->ClearPeakList();
        HideClickStatics(*request.Controls);
    }
    EnableExport(request, false);
}

// Mode 3: the density matrix, its colour bar, the pick file and the map.
void DrawProfileMap(AnalysisRequest& request, Surface& surface, std::uint32_t count) {
    EnableExport(request, false);
    const auto matrix = BuildProfileMatrix(request, PointCount, count);
    if (!matrix) {
        return;
    }
    const std::uint32_t cols = matrix->Columns;
    DrawColourBar(surface);

    PlotData data;
    data.AxisFormat = kFormatInt32;
    data.Rows = ProfileSpectrumGrid.data();
    data.Saturated = matrix->Saturated;
    // One label per measuring point; a single point is labelled 0 at the frame's left edge.
    data.ColumnsPerLabel = ColumnsPerPoint(static_cast<int>(kMatrixRows), PointCount);
    const float axisStep = static_cast<float>(BinFrequencies[cols - 1] - BinFrequencies[0]) /
                           static_cast<float>(cols - 1);
    const PlotLayout layout = ProfileMapLayout(axisStep);

    ExportProfilePicks(layout, cols);
    data.RowsMax = matrix->Values.max;
    data.RowsMin = matrix->Values.min;

    SeriesSet series;
    series.First = reinterpret_cast<const std::uint8_t*>(ProfileSpectrumGrid.data());
    series.Stride = kMatrixRowStrideBytes;
    series.Format = kFormatDoubleRows;
    series.Count = matrix->Rows;
    DrawPlot(surface, layout, PlotMode::ColourMap, series, std::span(BinFrequencies).first(cols),
             data);
}

// Modes 0 to 2: the pending click and the spectrum curve.
void DrawSpectrumPanel(AnalysisRequest& request, Surface& surface, const FrequencyAxis& axis,
                       BandBins band) {
    EnableExport(request, true);
    const std::uint32_t count = band.Count();
    const PlotLayout layout = SpectrumPanelLayout(static_cast<float>(axis.Step));
    if (request.RequestKind == kRequestClick && request.ListedPeak >= 0 &&
        !AimClickAtListedPeak(request, layout, std::span(BinFrequencies).first(count), band.First,
                              band.Last)) {
        request.ClickX = request.ClickY = -1;  // no such line: a click off the panel
    }
    SpectrumClick(request, layout, std::span(BinFrequencies).first(count), band.First);
    ShownBinCount = count;

    DrawCurvePlot(surface, layout, std::span(SpectrumRows).first(count),
                  std::span(BinFrequencies).first(count));
}

}  // namespace

AnalysisOutcome RunAnalysis(AnalysisRequest& request, Surface& surface) {
    AnalysisOutcome outcome;
    if (SampleFormat() == 0) {
        return outcome;  // no profile loaded
    }
    const std::uint32_t samples = SamplesPerTrace();
    const std::uint32_t interval = SampleInterval();
    const FrequencyAxis axis = MakeFrequencyAxis(samples, interval, ProfileTimeUnit);
    for (std::uint32_t i = 0; i < samples && i < kMaxSamplesPerTrace; ++i) {
        SampleTimes[i] = i * interval;
    }

    DrawTracePanel(request, surface, std::min<std::uint32_t>(samples, kMaxSamplesPerTrace),
                   interval);

    // The band is fixed and checked before any spectrum is computed, so a refused band
    // (or a profile that cannot be transformed) leaves every spectrum buffer as it was.
    if (!CheckTraceGeometry()) {
        ShowNoSpectrum(request);
        return outcome;
    }
    FillBinFrequencies(axis);
    if (ResetBandRequest) {
        ResetBand(request, axis.Top);
    }
    const auto band = SelectRequestBand(request, axis.BinCount);
    if (!band || !ComputeSpectra(request)) {
        ShowNoSpectrum(request);
        return outcome;
    }

    if (RefreshPeaksRequest) {
        if (request.SpectrumMode != kProfileSpectrum) {
            FindLocalMaxima(axis.BinCount);
        }
        FillPeakList(request, band->First, band->Last);
        RefreshPeaksRequest = false;
    }
    CutBand(request.SpectrumMode, *band, PointCount);
    if (request.Controls != nullptr) {
        HideClickStatics(*request.Controls);
    }

    outcome.Ran = true;
    outcome.BandFirst = band->First;
    outcome.BandLast = band->Last;
    if (request.SpectrumMode == kProfileSpectrum) {
        DrawProfileMap(request, surface, band->Count());
    } else {
        DrawSpectrumPanel(request, surface, axis, *band);
    }
    return outcome;
}

void MatrixRange(int kind, int rows, int cols, int stride, PlotData& data) {
    const bool empty = rows < 1 || cols < 1;
    const auto row = [&](int r) { return static_cast<std::size_t>(r); };
    switch (kind) {
        case 1:
        case 2:
        case 3: {
            // SpectrumRows read as floats or as integers of the same 32-bit words.
            const auto word = [](std::size_t index) {
                return std::bit_cast<std::uint32_t>(SpectrumRows[index]);
            };
            const auto value = [&](std::size_t index) {
                return kind == 1 ? DecodeSample(kFormatIeeeFloat, word(index))
                                 : DecodeSample(kFormatInt32, word(index));
            };
            double max = value(0);
            double min = max;
            for (int r = 0; !empty && r < rows; ++r) {
                for (int c = 0; c < cols; ++c) {
                    const double v = value(row(r) * kSpectrumRowStride + row(c));
                    if (v > max) {
                        max = v;
                    }
                    if (v < min) {
                        min = v;
                    }
                }
            }
            if (kind == 3) {
                data.RangeMax = data.RangeMin = 0;
            } else {
                const std::uint16_t format = kind == 1 ? kFormatIeeeFloat : kFormatInt32;
                data.RangeMax = EncodeSample(format, max);
                data.RangeMin = EncodeSample(format, min);
            }
            break;
        }
        case 4: {
            const double* values = data.Rows;
            Extremes extremes{values[0], values[0]};
            for (int r = 0; !empty && r < rows; ++r) {
                extremes = RowExtremes(values + row(r) * row(stride), row(cols), extremes);
            }
            data.RowsMax = extremes.max;
            data.RowsMin = extremes.min;
            break;
        }
        default:
            break;
    }
}

}  // namespace karvelo
