#include "plot/report_curve.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "plot/axis_mapping.h"
#include "plot/colour.h"
#include "plot/nice_ticks.h"
#include "report/report_numbers.h"

namespace karvelo {

namespace {

constexpr int kCapHalfWidth = 3;      // pixels each side of a bar's ends
constexpr int kMarkHalf = 2;          // half side of a point's square
constexpr int kRingRadius = 6;        // of an outlier's ring
constexpr int kTick = 5;              // tick length outward from the frame
constexpr int kCharWidth = 7;         // of a label character, to right-align the value labels
constexpr int kLabelHeight = 13;      // of a text line
constexpr int kMinPointSpacing = 40;  // pixels between two point labels at least
constexpr int kDashLength = 6;
constexpr Colour kBandColour = Rgb(214, 240, 214);
constexpr Colour kDesignColour = Rgb(0, 128, 0);
constexpr Colour kOutlierColour = Rgb(220, 0, 0);
constexpr Colour kGridColour = Rgb(225, 225, 225);

struct CurvePoint {
    double Point = 0.0;
    double Value = 0.0;
    double Uncertainty = 0.0;
    bool Outlier = false;
};

void FillRect(Surface& surface, int left, int top, int right, int bottom, Colour colour) {
    for (int y = std::min(top, bottom); y <= std::max(top, bottom); ++y) {
        for (int x = left; x <= right; ++x) {
            surface.SetPixel(x, y, colour);
        }
    }
}

void HorizontalLine(Surface& surface, int left, int right, int y, Colour colour, bool dashed) {
    for (int x = left; x <= right; ++x) {
        if (!dashed || ((x - left) / kDashLength) % 2 == 0) {
            surface.SetPixel(x, y, colour);
        }
    }
}

void Ring(Surface& surface, int cx, int cy, Colour colour) {
    for (int dy = -kRingRadius - 1; dy <= kRingRadius + 1; ++dy) {
        for (int dx = -kRingRadius - 1; dx <= kRingRadius + 1; ++dx) {
            const double r = std::hypot(dx, dy);
            if (r >= kRingRadius - 1.0 && r <= kRingRadius + 0.5) {
                surface.SetPixel(cx + dx, cy + dy, colour);
            }
        }
    }
}

void Line(Surface& surface, int x0, int y0, int x1, int y1) {
    surface.MoveTo(x0, y0);
    surface.LineTo(x1, y1);
    surface.SetPixel(x1, y1, kBlack);
}

std::vector<CurvePoint> PointsOf(const LineReport& report) {
    std::vector<CurvePoint> points;
    const ReportQuantity quantity = report.Quantity();
    for (const PointReport& row : report.Rows) {
        const std::optional<double> value = ShownValue(row, quantity);
        if (!value) {
            continue;
        }
        points.push_back({static_cast<double>(row.Point), *value,
                          ShownUncertainty(row, quantity).value_or(0.0), row.LineOutlier});
    }
    return points;
}

int TextWidth(const std::string& text) {
    // Characters, not bytes: the captions hold Cyrillic letters.
    const auto characters =
        std::count_if(text.begin(), text.end(), [](char c) { return (c & 0xC0) != 0x80; });
    return static_cast<int>(characters) * kCharWidth;
}

}  // namespace

void DrawReportCurve(Surface& surface, int width, int height, const LineReport& report) {
    const int left = kReportCurveLeft;
    const int right = width - kReportCurveRight;
    const int top = kReportCurveTop;
    const int bottom = height - kReportCurveBottom;
    const ReportQuantity quantity = report.Quantity();
    const std::vector<CurvePoint> points = PointsOf(report);
    const DesignTolerance* design = quantity == ReportQuantity::Thickness && report.Checks.Design
                                        ? &*report.Checks.Design
                                        : nullptr;

    const Language language = report.TextLanguage;
    surface.TextOut(
        4, 4, std::string(QuantityWord(quantity, language)) + ", " + UnitWord(quantity, language));
    const std::string pointCaption = InLanguage(language, "Номер точки", "Point number");
    surface.TextOut(right - TextWidth(pointCaption), height - kLabelHeight - 4, pointCaption);

    // Value range: every bar, and the tolerance band when there is one.
    double low = 0.0;
    double high = 0.0;
    bool any = false;
    const auto include = [&](double value) {
        low = any ? std::min(low, value) : value;
        high = any ? std::max(high, value) : value;
        any = true;
    };
    for (const CurvePoint& p : points) {
        include(p.Value - p.Uncertainty);
        include(p.Value + p.Uncertainty);
    }
    if (design != nullptr) {
        include(design->Thickness - design->Tolerance);
        include(design->Thickness + design->Tolerance);
    }
    const TickScale values = NiceTicks(low, high, kReportCurveMaxTicks);
    const AxisMapping valueAxis{values.Low, values.High - values.Low, bottom, top - bottom};
    const int decimals = std::max(0, static_cast<int>(std::ceil(-std::log10(values.Step))));

    // Grid lines and value labels.
    for (const double tick : values.Ticks) {
        const int y = valueAxis.PixelAt(tick);
        HorizontalLine(surface, left + 1, right - 1, y, kGridColour, false);
        Line(surface, left - kTick, y, left, y);
        const std::string label = FormatFixed(tick, decimals);
        surface.TextOut(left - kTick - 3 - TextWidth(label), y - kLabelHeight / 2, label);
    }

    // Points along the bottom.
    const double firstPoint = points.empty() ? 0.0 : points.front().Point;
    const double lastPoint = points.empty() ? 0.0 : points.back().Point;
    const int plotWidth = right - left;
    const int maxPointTicks = std::max(2, plotWidth / kMinPointSpacing);
    const TickScale pointScale = NiceTicks(firstPoint, lastPoint, maxPointTicks, 1.0);
    // A one-point line sits in the middle of the frame.
    const AxisMapping pointAxis{pointScale.Low, pointScale.High - pointScale.Low, left, plotWidth};
    for (const double tick : pointScale.Ticks) {
        const int x = pointAxis.PixelAt(tick);
        Line(surface, x, bottom, x, bottom + kTick);
        const std::string label = std::to_string(std::lround(tick));
        surface.TextOut(x - TextWidth(label) / 2, bottom + kTick + 2, label);
    }

    // The tolerance band under everything else, the design line on it.
    std::string legend = InLanguage(language, "■ значение и ±", "■ value and ±");
    if (design != nullptr) {
        FillRect(surface, left + 1, valueAxis.PixelAt(design->Thickness + design->Tolerance),
                 right - 1, valueAxis.PixelAt(design->Thickness - design->Tolerance), kBandColour);
        HorizontalLine(surface, left + 1, right - 1, valueAxis.PixelAt(design->Thickness),
                       kDesignColour, true);
        legend += InLanguage(language, "    проектная ", "    design ") +
                  FormatFixed(design->Thickness, 1) + " ± " + FormatFixed(design->Tolerance, 1) +
                  InLanguage(language, " мм (зелёная полоса)", " mm (green band)");
    }
    legend += InLanguage(language, "    ○ выброс по линии (красный)", "    ○ line outlier (red)");
    surface.TextOut(left, kReportCurveTop - kLabelHeight - 8, legend);

    // Frame.
    Line(surface, left, top, right, top);
    Line(surface, right, top, right, bottom);
    Line(surface, right, bottom, left, bottom);
    Line(surface, left, bottom, left, top);

    const auto inFrame = [top, bottom](int y) { return std::clamp(y, top, bottom); };
    for (std::size_t i = 0; i < points.size(); ++i) {
        const CurvePoint& p = points[i];
        const int x = pointAxis.PixelAt(p.Point);
        const int y = valueAxis.PixelAt(p.Value);
        if (i > 0) {
            Line(surface, pointAxis.PixelAt(points[i - 1].Point),
                 valueAxis.PixelAt(points[i - 1].Value), x, y);
        }
        const int lowY = inFrame(valueAxis.PixelAt(p.Value - p.Uncertainty));
        const int highY = inFrame(valueAxis.PixelAt(p.Value + p.Uncertainty));
        Line(surface, x, lowY, x, highY);
        for (const int end : {lowY, highY}) {
            Line(surface, x - kCapHalfWidth, end, x + kCapHalfWidth, end);
        }
    }
    for (const CurvePoint& p : points) {
        const int x = pointAxis.PixelAt(p.Point);
        const int y = valueAxis.PixelAt(p.Value);
        FillRect(surface, x - kMarkHalf, y - kMarkHalf, x + kMarkHalf, y + kMarkHalf, kBlack);
        if (p.Outlier) {
            Ring(surface, x, y, kOutlierColour);
        }
    }
}

}  // namespace karvelo
