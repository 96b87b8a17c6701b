#include "plot/axis_ticks.h"

#include <cmath>

#include "common/number_format.h"

namespace karvelo {

namespace {

constexpr int kAxisDecimals = 2;     // "%.2e" of real axis labels
constexpr int kValueDecimals = 3;    // "%.3e" of curve value labels
constexpr int kAxisLabelRaise = 15;  // right-edge axis labels stand this far above their tick

// A label step truncated to a whole number; NaN and huge steps give 0.
std::int64_t WholeStep(float step) {
    constexpr float kLargest = 2147483647.0f;
    if (!(std::fabs(step) < kLargest)) {
        return 0;
    }
    return static_cast<std::int64_t>(step);
}

// Number of ticks along a plot extent: one every 50 pixels, both ends included.
int TickCount(int extent) {
    return extent < 0 ? 0 : extent / kTickSpacing + 1;
}

void DrawRightTick(Surface& surface, const PlotLayout& layout, int y, int labelY,
                   const std::string& label) {
    surface.MoveTo(layout.FrameRight(), y);
    surface.LineTo(layout.FrameRight() + kTickLength, y);
    surface.TextOut(layout.FrameRight() + kLabelOffset, labelY, label);
}

}  // namespace

std::string IntegerLabel(std::int64_t value) {
    return std::to_string(value);
}

float AxisLabelStep(const PlotLayout& layout, std::size_t valueCount, int extent) {
    if (extent <= 0 || valueCount < 2) {
        return 0.0f;
    }
    const auto intervals = static_cast<float>(valueCount - 1);
    return intervals * layout.AxisStep * static_cast<float>(kTickSpacing) /
           static_cast<float>(extent);
}

void DrawAxisTicks(Surface& surface, const PlotLayout& layout, PlotMode mode, double firstValue,
                   std::size_t valueCount, std::uint16_t axisFormat) {
    const bool alongTop = mode == PlotMode::Curve;
    const int extent = alongTop ? layout.PlotWidth() : layout.PlotHeight();
    const float step = AxisLabelStep(layout, valueCount, extent);
    const bool integerLabels = axisFormat == kFormatInt32;
    const std::int64_t wholeStep = WholeStep(step);
    // Real labels of a curve step by the exact quotient, the others by its whole part.
    const double realStep = alongTop ? static_cast<double>(step) : static_cast<double>(wholeStep);

    const int count = TickCount(extent);
    for (int n = 0; n < count; ++n) {
        const std::string label =
            integerLabels ? IntegerLabel(static_cast<std::int64_t>(firstValue) + n * wholeStep)
                          : FormatExponent(firstValue + n * realStep, kAxisDecimals);
        const int offset = n * kTickSpacing;
        if (alongTop) {
            DrawTopTick(surface, layout, layout.FrameLeft() + offset, label);
        } else {
            const int y = layout.FrameTop() + offset;
            DrawRightTick(surface, layout, y, y - kAxisLabelRaise, label);
        }
    }
}

void DrawTopTick(Surface& surface, const PlotLayout& layout, int x, const std::string& label) {
    surface.MoveTo(x, layout.FrameTop());
    surface.LineTo(x, layout.FrameTop() - kTickLength);
    surface.TextOut(x, layout.Top + kLabelOffset, label);
}

void DrawValueTicks(Surface& surface, const PlotLayout& layout, double vmin, double vmax) {
    const int extent = layout.PlotHeight();
    const int count = TickCount(extent);
    for (int n = 0; n < count; ++n) {
        const double value =
            extent == 0 ? vmin : vmin + n * layout.LabelStep * (vmax - vmin) / extent;
        const int y = layout.FrameBottom() - n * kTickSpacing;
        DrawRightTick(surface, layout, y, y, FormatExponent(value, kValueDecimals));
    }
}

}  // namespace karvelo
