// The spectrum and correlation curves: one polyline, values growing upwards.
#include <vector>

#include "plot/axis_mapping.h"
#include "plot/axis_ticks.h"
#include "plot/series_modes.h"
#include "plot/series_values.h"

namespace karvelo {

void DrawCurve(const SeriesContext& context, const std::uint8_t* series) {
    Surface& surface = context.surface;
    const PlotLayout& layout = context.layout;
    const std::vector<double> values =
        ReadSeries(series, context.data.Rows, context.format, context.valueCount);
    const ValueRange range = RangeOf(values);
    if (layout.SeriesTicks) {
        DrawValueTicks(surface, layout, range.Min, range.Max);
    }

    surface.MoveTo(layout.FrameLeft(), layout.FrameBottom());
    surface.LineTo(layout.FrameRight(), layout.FrameBottom());
    surface.MoveTo(layout.FrameLeft(), layout.FrameBottom());
    surface.LineTo(layout.FrameLeft(), layout.FrameTop());

    // Smallest value on the bottom edge, largest on the top edge; a flat curve lies in
    // the middle of the frame.
    const AxisMapping valueAxis{range.Min, range.Span(), layout.FrameBottom(),
                                -layout.PlotHeight()};
    for (std::size_t i = 0; i < values.size(); ++i) {
        const int y = valueAxis.PixelAt(values[i]);
        if (i == 0) {
            surface.MoveTo(context.axisPixels[i], y);
        } else {
            surface.LineTo(context.axisPixels[i], y);
        }
    }
}

}  // namespace karvelo
