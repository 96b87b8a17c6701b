// What DrawPlot hands to the drawing of each series, and the four series modes.
#pragma once

#include <cstdint>
#include <span>

#include "plot/plot_layout.h"
#include "plot/surface.h"

namespace karvelo {

struct SeriesContext {
    Surface& surface;
    const PlotLayout& layout;
    PlotData& data;
    PlotMode mode;
    std::uint16_t format;  // sample format of the series
    std::size_t valueCount;
    // Axis values decoded, and the pixel position of each: x in Curve mode, y otherwise.
    std::span<const double> axisValues;
    std::span<const int> axisPixels;
    int pixelStep;       // pixels from one series to the next (0 in Curve mode)
    double seriesRange;  // largest minus smallest value of series 0 (0 in Curve mode)
};

// Draws series number seriesIndex, whose values start at series (format 4: data.Rows).
void DrawSeries(const SeriesContext& context, const std::uint8_t* series,
                std::uint32_t seriesIndex);

void DrawCurve(const SeriesContext& context, const std::uint8_t* series);
void DrawWiggle(const SeriesContext& context, const std::uint8_t* series, std::uint32_t k);
void DrawDensity(const SeriesContext& context, const std::uint8_t* series, std::uint32_t k);
void DrawColourMapRow(const SeriesContext& context, const std::uint8_t* series, std::uint32_t k);

}  // namespace karvelo
