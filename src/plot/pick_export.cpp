#include "plot/pick_export.h"

#include <algorithm>
#include <span>

#include "analysis/analysis_buffers.h"
#include "common/atomic_file.h"
#include "common/number_format.h"
#include "common/text_file.h"
#include "plot/axis_mapping.h"
#include "plot/pick_store.h"
#include "plot/round_half_up.h"

namespace karvelo {

namespace {

constexpr const char* kFieldSeparator = "  ";

// The frequencies of the matrix columns run down the map, the point coordinates of its
// rows across it.
struct MapAxes {
    std::span<const std::uint32_t> columnFrequencies;
    AxisMapping frequency;
    AxisMapping point;
};

MapAxes AxesOf(const AnalysisBuffers& buffers, const PlotLayout& layout, std::uint32_t columns) {
    const std::span<const std::uint32_t> frequencies(buffers.BinFrequencies.data(), columns);
    const std::uint32_t largestFrequency =
        *std::max_element(frequencies.begin(), frequencies.end());
    const std::array<double, kMatrixRows>& rowPoints = buffers.GridRowPoints;
    const double largestPoint = *std::max_element(rowPoints.begin(), rowPoints.end());
    return {frequencies,
            FrameAxis(layout, AxisDirection::Downwards, frequencies.front(), largestFrequency),
            FrameAxis(layout, AxisDirection::Rightwards, rowPoints.front(), largestPoint)};
}

void WritePick(std::ostream& out, const AnalysisBuffers& buffers, const MapAxes& axes,
               const Pick& pick) {
    const double frequency = axes.frequency.ValueFor(pick.Y);
    const double point = axes.point.ValueFor(pick.X);
    const std::size_t column = NearestIndex(axes.columnFrequencies, frequency);
    const std::size_t row = NearestIndex(std::span<const double>(buffers.GridRowPoints), point);
    const double value = buffers.ProfileSpectrumGrid[row * kMatrixRowStride + column];
    out << FormatDefault(RoundHalfUp(point)) << kFieldSeparator << FormatDefault(frequency)
        << kFieldSeparator << FormatDefault(value) << '\n';
}

}  // namespace

bool ExportProfilePicks(const AnalysisBuffers& buffers, PickStore& store, const PlotLayout& layout,
                        std::uint32_t columns) {
    store.PickFileWritten = false;
    store.PickFileFailure.clear();
    if (!PicksReadyToSave(store) || columns == 0) {
        return false;
    }
    const MapAxes axes =
        AxesOf(buffers, layout, std::min(columns, static_cast<std::uint32_t>(kMatrixRowStride)));
    store.PickFileWritten =
        WriteTextFile(store.PickFilePath, [&buffers, &store, &axes](std::ostream& out) {
            for (std::uint32_t r = 0; r < store.PickLineCount; ++r) {
                const PickLine& line = store.PickLines[r];
                for (std::uint32_t k = 0; k < line.PointCount; ++k) {
                    WritePick(out, buffers, axes, line.Picks[k]);
                }
                out << '\n';  // an empty line closes each pick line
            }
        });
    if (!store.PickFileWritten) {
        store.PickFileFailure = WriteFailure(store.PickFilePath);
    }
    return store.PickFileWritten;
}

}  // namespace karvelo
