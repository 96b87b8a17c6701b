#include "plot/map_reading.h"

#include <algorithm>
#include <span>

#include "plot/axis_mapping.h"

namespace karvelo {

MapReading ReadProfileMap(const AnalysisBuffers& buffers, const PlotLayout& layout,
                          std::uint32_t columns, int x, int y) {
    // The frequencies of the matrix columns run down the map, the point coordinates of
    // its rows across it.
    const std::span<const std::uint32_t> frequencies(
        buffers.BinFrequencies.data(),
        std::min(columns, static_cast<std::uint32_t>(buffers.GridStride)));
    const std::uint32_t largestFrequency =
        *std::max_element(frequencies.begin(), frequencies.end());
    const std::span<const double> rowPoints(buffers.GridRowPoints);
    const double largestPoint = *std::max_element(rowPoints.begin(), rowPoints.end());
    const double frequency =
        FrameAxis(layout, AxisDirection::Downwards, frequencies.front(), largestFrequency)
            .ValueFor(y);
    const double point =
        FrameAxis(layout, AxisDirection::Rightwards, rowPoints.front(), largestPoint).ValueFor(x);
    const std::size_t column = NearestIndex(frequencies, frequency);
    const std::size_t row = NearestIndex(rowPoints, point);
    return {point, frequency, buffers.ProfileSpectrumGrid[row * buffers.GridStride + column]};
}

std::optional<MapReading> ReadProfileMapAt(const AnalysisBuffers& buffers, const PlotLayout& layout,
                                           std::uint32_t columns, int x, int y) {
    if (columns == 0 || buffers.ProfileSpectrumGrid.empty() || !layout.FrameContains(x, y)) {
        return std::nullopt;
    }
    return ReadProfileMap(buffers, layout, columns, x, y);
}

}  // namespace karvelo
