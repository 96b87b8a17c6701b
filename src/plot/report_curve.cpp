#include "plot/report_curve.h"

#include <algorithm>
#include <vector>

#include "plot/axis_mapping.h"
#include "plot/axis_ticks.h"
#include "plot/draw_plot.h"
#include "plot/plot_panels.h"
#include "plot/series_values.h"

namespace karvelo {

namespace {
constexpr int kCapHalfWidth = 3;  // pixels each side of a bar's ends
}  // namespace

void DrawReportCurve(Surface& surface, const PlotLayout& layout,
                     std::span<const std::uint32_t> points, std::span<const float> values,
                     std::span<const float> uncertainties) {
    if (points.empty() || values.size() != points.size() || uncertainties.size() != points.size()) {
        return;
    }
    DrawCurvePlot(surface, layout, values, points);

    // The same mappings as the curve: points to the right, values upwards.
    const std::vector<double> asDoubles(values.begin(), values.end());
    const ValueRange range = RangeOf(asDoubles);
    const AxisMapping valueAxis{range.Min, range.Span(), layout.FrameBottom(),
                                -layout.PlotHeight()};
    const AxisMapping pointAxis = FrameAxis(layout, AxisDirection::Rightwards, points.front(),
                                            *std::max_element(points.begin(), points.end()));
    const auto inFrame = [&layout](int y) {
        return std::clamp(y, layout.FrameTop(), layout.FrameBottom());
    };
    // Point numbers along the top, no closer than the program's tick spacing.
    int lastLabel = layout.FrameLeft() - kTickSpacing;
    for (const std::uint32_t point : points) {
        const int x = pointAxis.PixelAt(point);
        if (x - lastLabel >= kTickSpacing) {
            DrawTopTick(surface, layout, x, IntegerLabel(point));
            lastLabel = x;
        }
    }
    for (std::size_t i = 0; i < points.size(); ++i) {
        const int x = pointAxis.PixelAt(points[i]);
        const int low = inFrame(valueAxis.PixelAt(values[i] - uncertainties[i]));
        const int high = inFrame(valueAxis.PixelAt(values[i] + uncertainties[i]));
        surface.MoveTo(x, low);
        surface.LineTo(x, high);
        for (const int y : {low, high}) {
            surface.MoveTo(x - kCapHalfWidth, y);
            surface.LineTo(x + kCapHalfWidth + 1, y);
        }
    }
}

void DrawReportRows(Surface& surface, int width, int height, const std::vector<PointReport>& rows,
                    const ReportSettings& settings) {
    // With no velocity or thickness typed in, the dominant frequency is what there is.
    const bool frequencyOnly = settings.VelocityOrThickness == 0.0f;
    std::vector<std::uint32_t> points;
    std::vector<float> values;
    std::vector<float> uncertainties;
    for (const PointReport& row : rows) {
        if (!row.HasPeak || (!frequencyOnly && (!row.Result || !row.Uncertainty))) {
            continue;
        }
        points.push_back(row.Point);
        if (frequencyOnly) {
            values.push_back(static_cast<float>(row.RefinedFrequency));
            uncertainties.push_back(static_cast<float>(row.FrequencyUncertainty));
        } else {
            values.push_back(static_cast<float>(*row.Result));
            uncertainties.push_back(static_cast<float>(*row.Uncertainty));
        }
    }
    const char* caption =
        frequencyOnly ? "Frequency,Hz." : (settings.ThicknessGiven != 0 ? "Velocity" : "Thickness");
    DrawReportCurve(surface, ReportCurveLayout(width, height, caption), points, values,
                    uncertainties);
}

}  // namespace karvelo
