// The one plotting routine: frame, captions, axis ticks and the series of a plot.
#pragma once

#include <cstdint>
#include <span>

#include "plot/axis_mapping.h"
#include "plot/plot_layout.h"
#include "plot/surface.h"

namespace karvelo {

// The axis values' pixels: to the right along the frame in Curve mode and downwards in
// the other modes, from the first axis value to the largest.
AxisMapping AxisValueMapping(const PlotLayout& layout, PlotMode mode, std::span<const double> axis);

// Pixel columns each series takes in the Wiggle and Density modes: the plot width shared
// by seriesCount series (0 for none); one column per series in ColourMap mode.
int SeriesPixelStep(const PlotLayout& layout, PlotMode mode, std::uint32_t seriesCount);

// Draws a plot onto surface: the frame (DrawFrame), the captions, the axis ticks and
// labels (AxisTicks), then every series of `series` in `mode`. axisValues holds one
// 32-bit word per series value, decoded with data.AxisFormat; the series are scaled by
// the range of series 0. Writes data.Count, data.NextTrace and (format 4) data.Rows.
// Nothing is clipped to the panel; pixels off the surface are dropped.
void DrawPlot(Surface& surface, const PlotLayout& layout, PlotMode mode, const SeriesSet& series,
              std::span<const std::uint32_t> axisValues, PlotData& data);

// The column of trace k's zero line in the Wiggle and Density modes.
int TraceCentre(const PlotLayout& layout, int pixelStep, std::uint32_t k);

// A plot of one curve of single-precision values over axis values (32-bit signed
// words), as the spectrum panel and the correlation dialog draw it.
void DrawCurvePlot(Surface& surface, const PlotLayout& layout, std::span<const float> values,
                   std::span<const std::uint32_t> axisValues);

}  // namespace karvelo
