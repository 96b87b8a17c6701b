// The profile-spectrum map: one pixel column per matrix row, coloured with palette 2.
#include <span>
#include <vector>

#include "plot/axis_ticks.h"
#include "plot/palette.h"
#include "plot/series_modes.h"
#include "plot/series_values.h"

namespace karvelo {

void DrawColourMapRow(const SeriesContext& context, const std::uint8_t* series, std::uint32_t k) {
    Surface& surface = context.surface;
    const PlotLayout& layout = context.layout;
    const PlotData& data = context.data;
    const int x = layout.FrameLeft() + static_cast<int>(k);

    // A point tick every ColumnsPerLabel rows, labelled with the point counted from 0.
    const auto perLabel =
        static_cast<std::uint32_t>(data.ColumnsPerLabel > 0 ? data.ColumnsPerLabel : 1);
    if (layout.SeriesTicks && k % perLabel == 0) {
        DrawTopTick(surface, layout, x,
                    IntegerLabel(static_cast<std::int64_t>(layout.LabelStep) * k / perLabel));
    }

    const ColourScale scale{data.RowsMin, data.RowsMax, kSpectrumMaxIndex, data.Saturated};
    const std::span<const Colour> colours = PaletteTable(kSpectrumPalette);
    const std::vector<double> values =
        ReadSeries(series, data.Rows, context.format, context.valueCount);
    const std::span<const int> rows = context.axisPixels;
    for (std::size_t j = 0; j < values.size(); ++j) {
        // A later column on the same row paints the same pixel and wins.
        if (j + 1 < values.size() && rows[j + 1] == rows[j]) {
            continue;
        }
        surface.SetPixel(x, rows[j], colours[static_cast<std::size_t>(scale.IndexFor(values[j]))]);
    }
}

}  // namespace karvelo
