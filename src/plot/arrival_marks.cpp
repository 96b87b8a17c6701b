#include "plot/arrival_marks.h"

#include "plot/axis_mapping.h"
#include "plot/colour.h"
#include "plot/draw_plot.h"

namespace karvelo {

namespace {

constexpr Colour kArrivalMarkColour = Rgb(220, 0, 0);

}  // namespace

void DrawArrivalMark(Surface& surface, const PlotLayout& layout, std::uint32_t seriesCount,
                     std::uint32_t k, double firstTime, double lastTime, double time) {
    const int centre =
        TraceCentre(layout, SeriesPixelStep(layout, PlotMode::Wiggle, seriesCount), k);
    const int y = FrameAxis(layout, AxisDirection::Downwards, firstTime, lastTime).PixelAt(time);
    for (int dy = 0; dy < 2; ++dy) {
        for (int x = centre - kArrivalMarkHalfLength; x <= centre + kArrivalMarkHalfLength; ++x) {
            surface.SetPixel(x, y + dy, kArrivalMarkColour);
        }
    }
}

}  // namespace karvelo
