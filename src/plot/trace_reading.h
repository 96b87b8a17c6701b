// The trace panel under the mouse: which trace of the shown point, the time and the
// trace's sample there.
#pragma once

#include <cstdint>
#include <optional>
#include <span>

#include "plot/plot_layout.h"
#include "profile/profile.h"

namespace karvelo {

// The traces of measuring point `point` (0-based) as the trace panel draws them.
SeriesSet PointTraces(const Profile& profile, std::uint32_t point);

struct TraceReading {
    std::uint32_t Trace = 0;  // within the point, 0-based as the panel labels it
    std::uint32_t Time = 0;   // of the nearest sample, in the profile's time unit
    double Amplitude = 0.0;   // the sample's stored value
};

// What the trace panel `layout` shows at (x, y) in `mode` (Wiggle or Density): the trace
// whose columns hold x, and its sample nearest to the time at row y; sampleTimes holds
// one time per sample. Nothing outside the frame or right of the last trace's columns.
std::optional<TraceReading> ReadTracesAt(int x, int y, const PlotLayout& layout, PlotMode mode,
                                         const SeriesSet& traces,
                                         std::span<const std::uint32_t> sampleTimes);

}  // namespace karvelo
