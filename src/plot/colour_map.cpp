// The profile-spectrum map: one pixel column per matrix row, coloured with palette 2.
#include <array>
#include <span>
#include <vector>

#include "plot/axis_ticks.h"
#include "plot/palette.h"
#include "plot/series_modes.h"
#include "plot/series_values.h"

namespace karvelo {

namespace {

// Palette 2 as the surface's pixel words, converted once.
const std::array<std::uint32_t, kSpectrumMaxIndex + 1>& SpectrumPixelWords() {
    static const auto words = [] {
        std::array<std::uint32_t, kSpectrumMaxIndex + 1> table{};
        const std::span<const Colour> colours = PaletteTable(kSpectrumPalette);
        for (std::size_t i = 0; i < table.size(); ++i) {
            table[i] = Surface::ToRgb32(colours[i]);
        }
        return table;
    }();
    return words;
}

}  // namespace

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
    if (x < 0 || x >= surface.Width()) {
        return;
    }

    // Matrix rows are read where they lie; other formats are decoded first.
    const std::size_t count = context.valueCount;
    std::vector<double> decoded;
    const double* values = data.Rows;
    if (context.format != kFormatDoubleRows || values == nullptr) {
        decoded = ReadSeries(series, data.Rows, context.format, count);
        values = decoded.data();
    }
    const ColourScale scale{data.RowsMin, data.RowsMax, kSpectrumMaxIndex, data.Saturated};
    const auto& words = SpectrumPixelWords();
    const std::span<const int> rows = context.axisPixels;
    const int height = surface.Height();
    const auto width = static_cast<std::size_t>(surface.Width());
    std::uint32_t* column = surface.Data() + x;
    for (std::size_t j = 0; j < count; ++j) {
        const int y = rows[j];
        // A later column on the same row paints the same pixel and wins.
        if ((j + 1 < count && rows[j + 1] == y) || y < 0 || y >= height) {
            continue;
        }
        column[static_cast<std::size_t>(y) * width] =
            words[static_cast<std::size_t>(scale.IndexFor(values[j]))];
    }
}

}  // namespace karvelo
