#include "plot/draw_plot.h"

#include <string_view>
#include <vector>

#include "plot/axis_mapping.h"
#include "plot/axis_ticks.h"
#include "plot/series_modes.h"
#include "plot/series_values.h"

namespace karvelo {

namespace {

// The caption as far as its capacity of kCaptionCapacity characters reaches.
std::string_view CaptionText(std::string_view caption) {
    std::size_t characters = 0;
    for (std::size_t i = 0; i < caption.size(); ++i) {
        const bool continuationByte = (static_cast<unsigned char>(caption[i]) & 0xC0U) == 0x80U;
        if (!continuationByte && characters++ == kCaptionCapacity) {
            return caption.substr(0, i);
        }
    }
    return caption;
}

void DrawFrameRect(Surface& surface, const PlotLayout& layout) {
    surface.MoveTo(layout.FrameLeft(), layout.FrameTop());
    surface.LineTo(layout.FrameRight(), layout.FrameTop());
    surface.LineTo(layout.FrameRight(), layout.FrameBottom());
    surface.LineTo(layout.FrameLeft(), layout.FrameBottom());
    surface.LineTo(layout.FrameLeft(), layout.FrameTop());
}

}  // namespace

AxisMapping AxisValueMapping(const PlotLayout& layout, PlotMode mode,
                             std::span<const double> axis) {
    const double first = axis.empty() ? 0.0 : axis[0];
    const AxisDirection direction =
        mode == PlotMode::Curve ? AxisDirection::Rightwards : AxisDirection::Downwards;
    return FrameAxis(layout, direction, first, RangeOf(axis).Max);
}

int SeriesPixelStep(const PlotLayout& layout, PlotMode mode, std::uint32_t seriesCount) {
    if (mode == PlotMode::ColourMap) {
        return 1;
    }
    if (seriesCount == 0) {
        return 0;
    }
    return TruncatePixel(static_cast<double>(layout.PlotWidth()) / seriesCount);
}

int TraceCentre(const PlotLayout& layout, int pixelStep, std::uint32_t k) {
    return layout.FrameLeft() + pixelStep / 2 + static_cast<int>(k) * pixelStep;
}

void DrawPlot(Surface& surface, const PlotLayout& layout, PlotMode mode, const SeriesSet& series,
              std::span<const std::uint32_t> axisValues, PlotData& data) {
    if (layout.DrawFrame) {
        DrawFrameRect(surface, layout);
    }
    if (layout.ShowXCaption) {
        surface.TextOut(layout.FrameLeft(), layout.Top + kCaptionMargin,
                        CaptionText(layout.XCaption));
    }
    if (layout.ShowYCaption) {
        surface.TextOut(layout.Left + layout.Width - kCaptionMargin, layout.Top + kYCaptionTop,
                        CaptionText(layout.YCaption));
    }

    const std::vector<double> axis = ReadAxisValues(axisValues, data.AxisFormat);
    const AxisMapping mapping = AxisValueMapping(layout, mode, axis);
    std::vector<int> axisPixels(axis.size());
    for (std::size_t i = 0; i < axis.size(); ++i) {
        axisPixels[i] = mapping.PixelAt(axis[i]);
    }
    if (layout.AxisTicks) {
        DrawAxisTicks(surface, layout, mode, mapping.First, axis.size(), data.AxisFormat);
    }

    SeriesContext context{surface,     layout, data,       mode, series.Format,
                          axis.size(), axis,   axisPixels, 0,    0.0};
    if (mode == PlotMode::Curve) {
        DrawSeries(context, series.First, 0);
        return;
    }

    context.pixelStep = SeriesPixelStep(layout, mode, series.Count);
    const std::vector<double> first =
        ReadSeries(series.First, data.Rows, series.Format, axis.size());
    context.seriesRange = RangeOf(first).Span();

    data.Count = series.Count;
    const bool rows = series.Format == kFormatDoubleRows;
    for (std::uint32_t k = 0; k < series.Count; ++k) {
        const std::uint8_t* current =
            series.First == nullptr ? nullptr : series.First + k * series.Stride;
        if (mode != PlotMode::ColourMap && k + 1 < series.Count && current != nullptr) {
            data.NextTrace = current + series.Stride;
        }
        if (rows && k > 0 && data.Rows != nullptr) {
            data.Rows += series.Stride / sizeof(double);
        }
        DrawSeries(context, current, k);
    }
}

void DrawSeries(const SeriesContext& context, const std::uint8_t* series,
                std::uint32_t seriesIndex) {
    switch (context.mode) {
        case PlotMode::Curve:
            DrawCurve(context, series);
            break;
        case PlotMode::Wiggle:
            DrawWiggle(context, series, seriesIndex);
            break;
        case PlotMode::Density:
            DrawDensity(context, series, seriesIndex);
            break;
        case PlotMode::ColourMap:
            DrawColourMapRow(context, series, seriesIndex);
            break;
    }
}

void DrawCurvePlot(Surface& surface, const PlotLayout& layout, std::span<const float> values,
                   std::span<const std::uint32_t> axisValues) {
    PlotData data;
    data.AxisFormat = kFormatInt32;
    data.ColumnsPerLabel = 0;
    SeriesSet series;
    series.First = reinterpret_cast<const std::uint8_t*>(values.data());
    series.Stride = kTraceRecordBytes;  // one series only
    series.Format = kFormatIeeeFloat;
    series.Count = 1;
    DrawPlot(surface, layout, PlotMode::Curve, series, axisValues.first(values.size()), data);
}

}  // namespace karvelo
