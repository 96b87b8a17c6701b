// The profile-spectrum map under a pixel: the point coordinate across the map, the
// frequency down it and the matrix value there. Picks and the mouse read it alike.
#pragma once

#include <cstdint>
#include <optional>

#include "analysis/analysis_buffers.h"
#include "plot/plot_layout.h"

namespace karvelo {

struct MapReading {
    double Point = 0.0;      // point coordinate at the column (0 at the frame's left edge)
    double Frequency = 0.0;  // Hz at the row
    double Value = 0.0;      // the matrix value at the nearest row and column
};

// The map `layout` at pixel (x, y), whatever the pixel: columns is the number of matrix
// columns (their frequencies in BinFrequencies, at least 1), the rows' point coordinates
// are GridRowPoints, the values ProfileSpectrumGrid.
MapReading ReadProfileMap(const AnalysisBuffers& buffers, const PlotLayout& layout,
                          std::uint32_t columns, int x, int y);

// The same inside the map's frame with a map drawn (columns > 0); nothing elsewhere.
std::optional<MapReading> ReadProfileMapAt(const AnalysisBuffers& buffers, const PlotLayout& layout,
                                           std::uint32_t columns, int x, int y);

}  // namespace karvelo
