// Ticks and their labels: 10-pixel segments outward from the frame, labels with their
// top-left corner at fixed offsets.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "plot/plot_layout.h"
#include "plot/surface.h"

namespace karvelo {

// Decimal integer label with a leading minus sign for negative values.
std::string IntegerLabel(std::int64_t value);

// Axis value step between two axis labels: (valueCount - 1) * AxisStep * 50 / extent,
// in single precision; extent is the plot width (Curve) or height (other modes). 0 for
// an empty plot area or fewer than two values.
float AxisLabelStep(const PlotLayout& layout, std::size_t valueCount, int extent);

// The ticks DrawPlot owns: along the top edge every 50 pixels in Curve mode, down the
// right edge otherwise; labelled from firstValue (the first axis value) in steps of
// AxisLabelStep, as integers (step truncated) when axisFormat is 2, else with "%.2e".
void DrawAxisTicks(Surface& surface, const PlotLayout& layout, PlotMode mode, double firstValue,
                   std::size_t valueCount, std::uint16_t axisFormat);

// A tick on the top edge at column x, labelled above it.
void DrawTopTick(Surface& surface, const PlotLayout& layout, int x, const std::string& label);

// A curve's value ticks up the right edge, every 50 pixels from the bottom, labelled with
// vmin + n * LabelStep * (vmax - vmin) / PlotHeight in "%.3e".
void DrawValueTicks(Surface& surface, const PlotLayout& layout, double vmin, double vmax);

}  // namespace karvelo
