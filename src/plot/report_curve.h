// The report window's picture: a value along the measuring points (thickness, velocity
// or frequency) as the program's curve plot, with its +- band as a bar at each point.
#pragma once

#include <cstdint>
#include <span>

#include "plot/plot_layout.h"
#include "plot/surface.h"

namespace karvelo {

// points: the point numbers (ascending), values and uncertainties one per point. The
// curve is scaled to its values as every curve plot is; the bars run from value -
// uncertainty to value + uncertainty, cut at the frame; the points are labelled along
// the top (the layout's own axis ticks should be off).
void DrawReportCurve(Surface& surface, const PlotLayout& layout,
                     std::span<const std::uint32_t> points, std::span<const float> values,
                     std::span<const float> uncertainties);

}  // namespace karvelo
