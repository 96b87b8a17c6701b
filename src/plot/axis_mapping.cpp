#include "plot/axis_mapping.h"

#include "plot/surface.h"

namespace karvelo {

int TruncatePixel(double position) {
    constexpr double kLimit = Surface::kCoordinateLimit;
    if (!(position > -kLimit)) {
        return -Surface::kCoordinateLimit;
    }
    if (position > kLimit) {
        return Surface::kCoordinateLimit;
    }
    return static_cast<int>(position);
}

AxisMapping FrameAxis(const PlotLayout& layout, AxisDirection direction, double first,
                      double largest) {
    if (direction == AxisDirection::Rightwards) {
        return {first, largest - first, layout.FrameLeft(), layout.PlotWidth()};
    }
    return {first, largest - first, layout.FrameTop(), layout.PlotHeight()};
}

}  // namespace karvelo
