// Marks of the first arrivals on the trace panel.
#pragma once

#include <cstdint>

#include "plot/plot_layout.h"
#include "plot/surface.h"

namespace karvelo {

// Half the length of an arrival mark, in pixels either side of the trace's zero line.
inline constexpr int kArrivalMarkHalfLength = 8;

// A short red stroke, two pixels high, across the zero line of trace k of the seriesCount
// traces of the trace panel (Wiggle or Density) at time (the panel's time unit), on the
// axis that runs from firstTime at the frame's top to lastTime at its bottom.
void DrawArrivalMark(Surface& surface, const PlotLayout& layout, std::uint32_t seriesCount,
                     std::uint32_t k, double firstTime, double lastTime, double time);

}  // namespace karvelo
