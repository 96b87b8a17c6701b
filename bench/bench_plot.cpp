// Drawing cost of the two largest pictures: the trace panel of a 20-hit point in the
// density mode and the profile-spectrum map with its colour bar. Labels are dropped (no
// text painter), so the figures are those of the plotting core alone.
#include <benchmark/benchmark.h>

#include <memory>

#include <cmath>
#include <cstring>
#include <numbers>
#include <vector>

#include "analysis/analysis_buffers.h"
#include "plot/colour_bar.h"
#include "plot/draw_plot.h"
#include "plot/plot_panels.h"
#include "plot/point_columns.h"
#include "plot/surface.h"
#include "profile/profile_image.h"

namespace karvelo {
namespace {

constexpr std::uint32_t kTraces = 20;
constexpr std::size_t kSamples = kMaxSamplesPerTrace;
constexpr std::uint32_t kMapColumns = 500;
constexpr std::uint32_t kMapPoints = 10;

// Decaying sines, a different frequency per hit, stored as trace records.
std::vector<std::uint8_t> TraceRecords() {
    std::vector<std::uint8_t> records(kTraces * kTraceRecordBytes, 0);
    for (std::uint32_t k = 0; k < kTraces; ++k) {
        for (std::size_t i = 0; i < kSamples; ++i) {
            const double t = static_cast<double>(i) / kSamples;
            const auto value = static_cast<float>(
                std::exp(-3.0 * t) * std::sin(2.0 * std::numbers::pi * (40.0 + k) * t));
            std::memcpy(records.data() + k * kTraceRecordBytes + i * kSampleBytes, &value,
                        sizeof value);
        }
    }
    return records;
}

void TracePanelDensity(benchmark::State& state) {
    const std::vector<std::uint8_t> records = TraceRecords();
    std::vector<std::uint32_t> times(kSamples);
    for (std::size_t i = 0; i < kSamples; ++i) {
        times[i] = static_cast<std::uint32_t>(i);
    }
    const PlotLayout layout = TracePanelLayout(kSamples, 1);
    Surface surface;
    for (auto _ : state) {
        PlotData data;
        data.RangeMax = EncodeSample(kFormatIeeeFloat, 1.0);
        data.RangeMin = EncodeSample(kFormatIeeeFloat, -1.0);
        DrawPlot(surface, layout, PlotMode::Density,
                 {records.data(), kTraceRecordBytes, kFormatIeeeFloat, kTraces}, times, data);
        benchmark::DoNotOptimize(surface.Data());
    }
}
BENCHMARK(TracePanelDensity)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(15)
    ->ReportAggregatesOnly(true);

void ProfileMapWithColourBar(benchmark::State& state) {
    static const auto buffers = std::make_unique<AnalysisBuffers>();
    ReservePointRows(*buffers, kBasePoints);
    std::vector<double>& grid = buffers->ProfileSpectrumGrid;
    for (std::size_t k = 0; k < kMatrixRows; ++k) {
        for (std::size_t j = 0; j < kMapColumns; ++j) {
            grid[k * kMatrixRowStride + j] =
                std::sin(0.01 * static_cast<double>(k)) * std::cos(0.02 * static_cast<double>(j));
        }
    }
    std::vector<std::uint32_t> frequencies(kMapColumns);
    for (std::uint32_t j = 0; j < kMapColumns; ++j) {
        frequencies[j] = 500 + 6 * j;
    }
    const PlotLayout layout = ProfileMapLayout(6.0f);
    const auto* first = reinterpret_cast<const std::uint8_t*>(grid.data());
    Surface surface;
    for (auto _ : state) {
        DrawColourBar(surface);
        PlotData data;
        data.Rows = grid.data();
        data.RowsMax = 1.0;
        data.RowsMin = -1.0;
        data.ColumnsPerLabel = ColumnsPerPoint(kMatrixRows, kMapPoints);
        DrawPlot(surface, layout, PlotMode::ColourMap,
                 {first, kMatrixRowStride * sizeof(double), kFormatDoubleRows, kMatrixRows},
                 frequencies, data);
        benchmark::DoNotOptimize(surface.Data());
    }
}
BENCHMARK(ProfileMapWithColourBar)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(15)
    ->ReportAggregatesOnly(true);

}  // namespace
}  // namespace karvelo

BENCHMARK_MAIN();
