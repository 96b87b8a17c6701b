// The trace panel's modes: wiggle curves and the grey density image, one series per
// trace of the current measuring point.
#include <algorithm>
#include <span>
#include <vector>

#include "plot/axis_mapping.h"
#include "plot/axis_ticks.h"
#include "plot/draw_plot.h"
#include "plot/palette.h"
#include "plot/palette_words.h"
#include "plot/series_modes.h"
#include "plot/series_values.h"
#include "profile/profile_image.h"

namespace karvelo {

namespace {

// Draws the tick of trace k at its centre, labelled k (times LabelStep), and returns
// the centre column.
int BeginTrace(const SeriesContext& context, std::uint32_t k) {
    const int centre = TraceCentre(context.layout, context.pixelStep, k);
    if (context.layout.SeriesTicks) {
        DrawTopTick(context.surface, context.layout, centre,
                    IntegerLabel(static_cast<std::int64_t>(context.layout.LabelStep) * k));
    }
    return centre;
}

}  // namespace

void DrawWiggle(const SeriesContext& context, const std::uint8_t* series, std::uint32_t k) {
    const int centre = BeginTrace(context, k);
    Surface& surface = context.surface;
    const PlotLayout& layout = context.layout;
    const int step = context.pixelStep;

    const int traceLeft = layout.FrameLeft() + static_cast<int>(k) * step;
    surface.MoveTo(traceLeft, layout.FrameTop());
    surface.LineTo(traceLeft + step, layout.FrameTop());
    surface.MoveTo(centre, layout.FrameTop());
    surface.LineTo(centre, layout.FrameBottom());

    // Every trace shares the scale of trace 0: its range spans one trace spacing. With a
    // flat trace 0 there is no scale, and the curves lie on their zero lines.
    const std::vector<double> values =
        ReadSeries(series, context.data.Rows, context.format, context.valueCount);
    const double range = context.seriesRange;
    for (std::size_t i = 0; i < values.size(); ++i) {
        const double x = range == 0.0 ? centre : centre + values[i] * step / range;
        const int px = TruncatePixel(x);
        if (i == 0) {
            surface.MoveTo(px, context.axisPixels[i]);
        } else {
            surface.LineTo(px, context.axisPixels[i]);
        }
    }
}

void DrawDensity(const SeriesContext& context, const std::uint8_t* series, std::uint32_t k) {
    const int centre = BeginTrace(context, k);
    Surface& surface = context.surface;
    const PlotData& data = context.data;
    const int step = context.pixelStep;

    const ColourScale scale{DecodeSample(context.format, data.RangeMin),
                            DecodeSample(context.format, data.RangeMax),
                            PaletteMaxIndex(kGreyPalette)};
    const std::span<const Colour> greys = PaletteTable(kGreyPalette);

    const std::vector<double> values =
        ReadSeries(series, data.Rows, context.format, context.valueCount);
    // The gap up to the next trace's centre is filled by interpolating along each row;
    // the last trace is one column wide.
    const bool last = k + 1 >= data.Count;
    const std::vector<double> next =
        last ? std::vector<double>{}
             : ReadSeries(data.NextTrace, data.Rows, context.format, context.valueCount);

    const std::span<const int> rows = context.axisPixels;
    const std::span<const std::uint32_t> words = PaletteWords(kGreyPalette);
    const int width = last ? 1 : std::max(step, 1);
    const bool columnsInside = centre >= 0 && centre + width <= surface.Width();
    for (std::size_t i = 0; i < values.size(); ++i) {
        // A later sample on the same row paints the same pixels and wins.
        if (i + 1 < values.size() && rows[i + 1] == rows[i]) {
            continue;
        }
        const int y = rows[i];
        const int c = scale.IndexFor(values[i]);
        const int cNext = last ? c : scale.IndexFor(next[i]);
        // Pixel j right of the centre takes truncate(c + (cNext - c) j / step) (the
        // numerator is never negative), its quotient carried from pixel to pixel. A row
        // inside the buffer is written where it lies; any other pixel by pixel, clipped.
        const bool rowInside = columnsInside && y >= 0 && y < surface.Height();
        std::uint32_t* pixel = rowInside ? surface.Data() +
                                               static_cast<std::size_t>(y) * surface.Width() +
                                               static_cast<std::size_t>(centre)
                                         : nullptr;
        int quotient = c;
        int remainder = 0;
        const int delta = cNext - c;
        for (int j = 0; j < width; ++j) {
            if (j > 0) {
                remainder += delta;
                while (remainder >= step) {
                    remainder -= step;
                    ++quotient;
                }
                while (remainder < 0) {
                    remainder += step;
                    --quotient;
                }
            }
            const auto index = static_cast<std::size_t>(quotient);
            if (pixel != nullptr) {
                pixel[j] = words[index];
            } else {
                surface.SetPixel(centre + j, y, greys[index]);
            }
        }
    }
}

}  // namespace karvelo
