#include "analysis/pipeline.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <span>
#include <vector>

#include "analysis/analysis_buffers.h"
#include "analysis/arrival_pick.h"
#include "analysis/band.h"
#include "analysis/frequency_axis.h"
#include "analysis/peaks.h"
#include "analysis/profile_matrix.h"
#include "analysis/row_extremes.h"
#include "analysis/spectrum_modes.h"
#include "plot/arrival_marks.h"
#include "plot/colour_bar.h"
#include "plot/draw_plot.h"
#include "plot/pick_export.h"
#include "plot/plot_panels.h"
#include "plot/point_columns.h"
#include "plot/spectrum_click.h"
#include "plot/trace_reading.h"
#include "profile/profile.h"

namespace karvelo {

namespace {

// What a run works on: the profile it reads, the buffers it writes, the one-shot flags it
// acts on and clears, where a clicked maximum's quality goes, and the surface it draws on
// (none: compute only).
struct Run {
    const Profile& profile;
    AnalysisBuffers& buffers;
    RequestFlags& flags;
    QualityTable* quality;
    PickStore* picks;
    Surface* surface;
};

void DrawTracePanel(const Run& run, const AnalysisRequest& request, std::uint32_t samples,
                    std::uint32_t interval) {
    const Profile& profile = run.profile;
    const PlotLayout layout =
        TracePanelLayout(static_cast<std::uint16_t>(samples), static_cast<std::uint16_t>(interval),
                         profile.Unit, request.Captions);
    PlotData data;
    data.AxisFormat = kFormatInt32;
    data.ColumnsPerLabel = 0;
    PlotMode mode = PlotMode::Wiggle;
    if (request.ViewMode != 0) {
        mode = PlotMode::Density;
        data.RangeMax = profile.SampleMax;
        data.RangeMin = profile.SampleMin;
    }
    const SeriesSet series = PointTraces(profile, request.PointNumber - 1);
    DrawPlot(*run.surface, layout, mode, series, std::span(run.buffers.SampleTimes).first(samples),
             data);
    if (request.MarkArrivals && HoldsTwoChannels(profile) && samples > 0) {
        // The shown trace's hit: its channel-1 and channel-2 traces.
        const std::uint32_t hit = std::min(request.TraceNumber, profile.TracesPerPoint - 1) / 2;
        const std::size_t firstRecord =
            static_cast<std::size_t>(request.PointNumber - 1) * profile.TracesPerPoint;
        std::vector<double> trace(samples);
        for (const std::uint32_t k : {2 * hit, 2 * hit + 1}) {
            DecodeRecordSamples(profile.image, firstRecord + k, trace);
            if (const std::optional<ArrivalPick> pick = PickArrival(trace)) {
                DrawArrivalMark(*run.surface, layout, series.Count, k, 0.0,
                                static_cast<double>(samples - 1) * interval,
                                pick->Arrival * interval);
            }
        }
    }
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
void DrawProfileMap(const Run& run, AnalysisRequest& request, std::uint32_t count) {
    AnalysisBuffers& buffers = run.buffers;
    EnableExport(request, false);
    buffers.MapColumnCount = 0;
    const auto matrix =
        BuildProfileMatrix(buffers, run.flags, request, run.profile.PointCount, count);
    if (!matrix || run.surface == nullptr) {
        return;
    }
    Surface& surface = *run.surface;
    const std::uint32_t cols = matrix->Columns;
    buffers.MapColumnCount = cols;
    DrawColourBar(surface);

    PlotData data;
    data.AxisFormat = kFormatInt32;
    data.Rows = buffers.ProfileSpectrumGrid.data();
    data.Saturated = matrix->Saturated;
    // One label per measuring point; a single point is labelled 0 at the frame's left edge.
    data.ColumnsPerLabel = ColumnsPerPoint(static_cast<int>(kMatrixRows), run.profile.PointCount);
    const float axisStep =
        static_cast<float>(buffers.BinFrequencies[cols - 1] - buffers.BinFrequencies[0]) /
        static_cast<float>(cols - 1);
    const PlotLayout layout = ProfileMapLayout(axisStep, request.Captions);

    if (run.picks != nullptr) {
        ExportProfilePicks(buffers, *run.picks, layout, cols);
    }
    data.RowsMax = matrix->Values.max;
    data.RowsMin = matrix->Values.min;

    SeriesSet series;
    series.First = reinterpret_cast<const std::uint8_t*>(buffers.ProfileSpectrumGrid.data());
    series.Stride = buffers.GridStride * sizeof(double);
    series.Format = kFormatDoubleRows;
    series.Count = matrix->Rows;
    DrawPlot(surface, layout, PlotMode::ColourMap, series,
             std::span(buffers.BinFrequencies).first(cols), data);
}

// Modes 0 to 2: the pending click and the spectrum curve.
void DrawSpectrumPanel(const Run& run, AnalysisRequest& request, const FrequencyAxis& axis,
                       BandBins band) {
    AnalysisBuffers& buffers = run.buffers;
    EnableExport(request, true);
    const std::uint32_t count = band.Count();
    const PlotLayout layout = SpectrumPanelLayout(static_cast<float>(axis.Step), request.Captions);
    if (request.RequestKind == kRequestClick && request.ListedPeak >= 0 &&
        !AimClickAtListedPeak(buffers, request, layout,
                              std::span(buffers.BinFrequencies).first(count), band.First,
                              band.Last)) {
        request.ClickX = request.ClickY = -1;  // no such line: a click off the panel
    }
    SpectrumClick(run.profile, buffers, run.quality, request, layout,
                  std::span(buffers.BinFrequencies).first(count), band.First);
    buffers.ShownBinCount = count;

    if (run.surface != nullptr) {
        DrawCurvePlot(*run.surface, layout, std::span(buffers.SpectrumRows).first(count),
                      std::span(buffers.BinFrequencies).first(count));
    }
}

}  // namespace

AnalysisOutcome RunAnalysis(const Profile& profile, AnalysisBuffers& buffers, RequestFlags& flags,
                            AnalysisRequest& request, Surface* surface, QualityTable* quality,
                            PickStore* picks) {
    AnalysisOutcome outcome;
    if (!profile.Loaded()) {
        return outcome;  // no profile loaded
    }
    const Run run{profile, buffers, flags, quality, picks, surface};
    const std::uint32_t samples = SamplesPerTrace(profile.image);
    const std::uint32_t interval = SampleInterval(profile.image);
    const FrequencyAxis axis =
        MakeFrequencyAxis(samples, interval, profile.Unit, request.Spectral.ZeroPad);
    for (std::uint32_t i = 0; i < samples && i < kMaxSamplesPerTrace; ++i) {
        buffers.SampleTimes[i] = i * interval;
    }

    if (surface != nullptr) {
        DrawTracePanel(run, request, std::min<std::uint32_t>(samples, kMaxSamplesPerTrace),
                       interval);
    }

    // The band is fixed and checked before any spectrum is computed, so a refused band
    // (or a profile that cannot be transformed) leaves every spectrum buffer as it was.
    if (!CheckTraceGeometry(profile)) {
        ShowNoSpectrum(request);
        return outcome;
    }
    FillBinFrequencies(buffers, axis);
    if (flags.ResetBandRequest) {
        ResetBand(flags, request, axis.Top);
    }
    const auto band = SelectRequestBand(buffers, request, axis.BinCount);
    if (!band || !ComputeSpectra(profile, buffers, request)) {
        ShowNoSpectrum(request);
        return outcome;
    }

    if (flags.RefreshPeaksRequest) {
        if (request.SpectrumMode != kProfileSpectrum) {
            FindLocalMaxima(buffers, axis.BinCount);
        }
        FillPeakList(buffers, request, band->First, band->Last);
        flags.RefreshPeaksRequest = false;
    }
    CutBand(buffers, request.SpectrumMode, *band, profile.PointCount);
    if (request.Controls != nullptr) {
        HideClickStatics(*request.Controls);
    }

    outcome.Ran = true;
    outcome.BandFirst = band->First;
    outcome.BandLast = band->Last;
    if (request.SpectrumMode == kProfileSpectrum) {
        DrawProfileMap(run, request, band->Count());
    } else {
        DrawSpectrumPanel(run, request, axis, *band);
    }
    return outcome;
}

void MatrixRange(const AnalysisBuffers& buffers, int kind, int rows, int cols, int stride,
                 PlotData& data) {
    const bool empty = rows < 1 || cols < 1;
    const auto row = [&](int r) { return static_cast<std::size_t>(r); };
    switch (kind) {
        case 1:
        case 2:
        case 3: {
            // SpectrumRows read as floats or as integers of the same 32-bit words.
            const auto word = [&buffers](std::size_t index) {
                return std::bit_cast<std::uint32_t>(buffers.SpectrumRows[index]);
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
