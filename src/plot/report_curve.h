// The report's picture: the measured value along the measuring points (thickness in mm,
// velocity in m/s or the dominant frequency in Hz) with its +- at each point, the
// design tolerance as a band, the points off their neighbours drawn apart.
#pragma once

#include "plot/surface.h"
#include "report/line_report.h"

namespace karvelo {

// Geometry of the report's curve, in surface pixels from the panel's top left.
inline constexpr int kReportCurveLeft = 70;  // room for the value labels
inline constexpr int kReportCurveRight = 20;
inline constexpr int kReportCurveTop = 40;     // the caption and the legend
inline constexpr int kReportCurveBottom = 45;  // the point labels and their caption
inline constexpr int kReportCurveMaxTicks = 6;

// Draws the report's curve of the points that have a value in a panel of width x height
// at the surface's top left: a frame, value ticks at round values with the quantity and
// unit as caption, point numbers along the bottom, the tolerance band (light green)
// with the design line, the +- bars, the curve through the points, each point a black
// square, an outlier along the line a red ring. Nothing but the frame and the captions
// when no point has a value.
void DrawReportCurve(Surface& surface, int width, int height, const LineReport& report);

}  // namespace karvelo
