// The report window's picture: a value along the measuring points (thickness, velocity
// or frequency) as the program's curve plot, with its +- band as a bar at each point.
#pragma once

#include <cstdint>
#include <span>

#include <vector>

#include "plot/plot_layout.h"
#include "plot/surface.h"
#include "report/point_report.h"

namespace karvelo {

// points: the point numbers (ascending), values and uncertainties one per point. The
// curve is scaled to its values as every curve plot is; the bars run from value -
// uncertainty to value + uncertainty, cut at the frame; the points are labelled along
// the top (the layout's own axis ticks should be off).
void DrawReportCurve(Surface& surface, const PlotLayout& layout,
                     std::span<const std::uint32_t> points, std::span<const float> values,
                     std::span<const float> uncertainties);

// The report's curve of rows in a panel of width x height at the surface's top left:
// the thickness (or velocity) with its +-, or the dominant frequency when no velocity
// or thickness is given, over the points that have one.
void DrawReportRows(Surface& surface, int width, int height, const std::vector<PointReport>& rows,
                    const ReportSettings& settings);

}  // namespace karvelo
