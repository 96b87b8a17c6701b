#include "report/report_summary.h"

#include <algorithm>
#include <cmath>

#include "common/number_format.h"
#include "report/report_numbers.h"

namespace karvelo {

namespace {

constexpr double kPercent = 100.0;
constexpr int kPercentDecimals = 1;

std::string Percent(double share) {
    return FormatFixed(share * kPercent, kPercentDecimals);
}

// The velocity of the formula and its origin, as a value and as words.
std::pair<std::string, std::string> VelocityText(const SummaryContext& context, bool words) {
    const std::string velocity = FormatFixed(context.Settings.VelocityOrThickness, 0);
    const std::string given = FormatDefault(context.Settings.VelocityOrThickness);
    const Language language = context.TextLanguage;
    switch (context.Origin.Source) {
        case VelocitySource::Calibrated: {
            const std::string point = std::to_string(context.Origin.Point);
            const std::string thickness = FormatDefault(context.Origin.Thickness);
            return {velocity,
                    words ? InLanguage(language, "калибровка в точке ", "calibrated at point ") +
                                point + InLanguage(language, " при толщине ", " of thickness ") +
                                thickness + InLanguage(language, " м", " m")
                          : "calibrated point " + point + " thickness_m " + thickness};
        }
        case VelocitySource::Measured:
            return {"", words
                            ? InLanguage(language, "измерена в каждой точке при заданной толщине ",
                                         "measured at every point for the given thickness ") +
                                  given + InLanguage(language, " м", " m")
                            : "measured thickness_m " + given};
        case VelocitySource::None:
            return {"", words ? InLanguage(language, "не задана (показана частота)",
                                           "not given (frequency shown)")
                              : "none"};
        case VelocitySource::Arrivals: {
            const std::optional<double>& median = context.Origin.ArrivalMedian;
            if (context.Settings.ArrivalVelocity == ArrivalVelocityUse::Point) {
                return {"", words ? InLanguage(language, "по двум датчикам, своя в каждой точке",
                                               "from two sensors, each point its own")
                                  : "arrivals point"};
            }
            return {median ? FormatFixed(*median, 0) : "",
                    words ? InLanguage(language, "по двум датчикам, медиана линии",
                                       "from two sensors, the line's median")
                          : "arrivals line"};
        }
        default:
            return {velocity, words ? InLanguage(language, "введена", "typed") : "typed"};
    }
}

}  // namespace

VelocityOrigin OriginOf(const ReportSettings& settings) {
    VelocityOrigin origin;
    switch (QuantityOf(settings)) {
        case ReportQuantity::Frequency:
            origin.Source = VelocitySource::None;
            break;
        case ReportQuantity::Velocity:
            origin.Source = VelocitySource::Measured;
            break;
        default:
            origin.Source =
                UsesMeasuredVelocity(settings) ? VelocitySource::Arrivals : VelocitySource::Typed;
    }
    return origin;
}

ReportSummary Summarise(const std::vector<PointReport>& rows, ReportQuantity quantity) {
    ReportSummary summary;
    summary.Quantity = quantity;
    summary.Points = rows.size();
    std::vector<double> values;
    for (const PointReport& row : rows) {
        if (const std::optional<double> value = ShownValue(row, quantity)) {
            values.push_back(*value);
        }
        summary.Thinner += row.Design == DesignMark::Thinner ? 1 : 0;
        summary.Thicker += row.Design == DesignMark::Thicker ? 1 : 0;
        summary.LineOutliers += row.LineOutlier ? 1 : 0;
    }
    summary.WithResult = values.size();
    if (values.empty()) {
        return summary;
    }
    const auto [low, high] = std::minmax_element(values.begin(), values.end());
    summary.Min = *low;
    summary.Max = *high;
    double sum = 0.0;
    for (const double v : values) {
        sum += v;
    }
    const auto n = static_cast<double>(values.size());
    summary.Mean = sum / n;
    if (values.size() >= 2) {
        double squares = 0.0;
        for (const double v : values) {
            squares += (v - summary.Mean) * (v - summary.Mean);
        }
        summary.Deviation = std::sqrt(squares / (n - 1.0));
        if (summary.Mean != 0.0) {
            summary.Variation = *summary.Deviation / std::abs(summary.Mean) * kPercent;
        }
    }
    return summary;
}

std::vector<std::pair<std::string, std::string>> SummaryEntries(const SummaryContext& context,
                                                                bool words) {
    const ReportSummary& s = context.Summary;
    const ReportQuantity q = s.Quantity;
    const Language language = context.TextLanguage;
    const auto in = [language](const char* russian, const char* english) {
        return std::string(InLanguage(language, russian, english));
    };
    const int decimals = DecimalsOf(q);
    const std::string name = QuantityName(q);
    const std::string unit = UnitName(q);
    const std::string unitWord = UnitWord(q, language);
    const auto label = [&](const char* machine, const std::string& word) {
        return words ? word + ", " + unitWord : name + "_" + machine + "_" + unit;
    };
    const auto optional = [](const std::optional<double>& value, int digits) {
        return value ? FormatFixed(*value, digits) : std::string("-");
    };
    std::vector<std::pair<std::string, std::string>> entries{
        {words ? in("Точек", "Points") : "points", std::to_string(s.Points)},
        {words ? in("Точек с результатом", "Points with a result") : "points_with_result",
         std::to_string(s.WithResult)},
    };
    if (s.WithResult > 0) {
        const std::string quantity = QuantityWord(q, language);
        entries.insert(
            entries.end(),
            {{label("mean", quantity + in(": среднее", ": mean")), FormatFixed(s.Mean, decimals)},
             {label("sd", in("Стандартное отклонение", "Standard deviation")),
              optional(s.Deviation, decimals)},
             {label("min", in("Минимум", "Minimum")), FormatFixed(s.Min, decimals)},
             {label("max", in("Максимум", "Maximum")), FormatFixed(s.Max, decimals)},
             {words ? in("Коэффициент вариации, %", "Coefficient of variation, %")
                    : name + "_cv_percent",
              optional(s.Variation, kPercentDecimals)}});
    }
    const auto [velocity, origin] = VelocityText(context, words);
    if (words) {
        entries.emplace_back(in("Скорость волны, м/с", "Wave velocity, m/s"),
                             velocity.empty() ? origin : velocity + " (" + origin + ")");
    } else {
        if (!velocity.empty()) {
            entries.emplace_back("velocity_m_s", velocity);
        }
        entries.emplace_back("velocity_origin", origin);
    }
    if (context.Origin.ArrivalMedian) {
        const std::string spacing = FormatDefault(context.Settings.SensorSpacingMm);
        const std::string median = FormatFixed(*context.Origin.ArrivalMedian, 0);
        entries.emplace_back(
            words ? in("База датчиков, мм", "Sensor spacing, mm") : "sensor_spacing_mm", spacing);
        entries.emplace_back(words ? in("Cp по двум датчикам: медиана линии, м/с",
                                        "Cp from two sensors: line median, m/s")
                                   : "cp_arrivals_median_m_s",
                             median);
    }
    const std::optional<DesignTolerance>& design = context.Checks.Design;
    if (design && q == ReportQuantity::Thickness) {
        const std::size_t outside = s.Thinner + s.Thicker;
        const double share = s.WithResult > 0
                                 ? static_cast<double>(outside) / static_cast<double>(s.WithResult)
                                 : 0.0;
        if (words) {
            entries.emplace_back(
                in("Проектная толщина, мм", "Design thickness, mm"),
                FormatDefault(design->Thickness) + " ± " + FormatDefault(design->Tolerance));
            entries.emplace_back(in("Вне допуска", "Outside tolerance"),
                                 std::to_string(outside) + in(" из ", " of ") +
                                     std::to_string(s.WithResult) + " (" + Percent(share) +
                                     in(" %): тоньше ", " %): thinner ") +
                                     std::to_string(s.Thinner) + in(", толще ", ", thicker ") +
                                     std::to_string(s.Thicker));
        } else {
            entries.insert(entries.end(),
                           {{"design_thickness_mm", FormatDefault(design->Thickness)},
                            {"tolerance_mm", FormatDefault(design->Tolerance)},
                            {"outside_tolerance", std::to_string(outside)},
                            {"outside_tolerance_percent", Percent(share)},
                            {"thinner", std::to_string(s.Thinner)},
                            {"thicker", std::to_string(s.Thicker)}});
        }
    }
    const std::string share = Percent(context.Checks.OutlierShare);
    if (words) {
        entries.emplace_back(in("Выбросы по линии (> ", "Line outliers (> ") + share +
                                 in(" % от медианы 5 точек)", " % from the median of 5 points)"),
                             std::to_string(s.LineOutliers));
    } else {
        entries.emplace_back("outlier_share_percent", share);
        entries.emplace_back("line_outliers", std::to_string(s.LineOutliers));
    }
    return entries;
}

std::string Verdict(const SummaryContext& context) {
    const ReportSummary& s = context.Summary;
    const std::optional<DesignTolerance>& design = context.Checks.Design;
    if (!design || s.Quantity != ReportQuantity::Thickness) {
        return {};
    }
    const Language language = context.TextLanguage;
    const auto in = [language](const char* russian, const char* english) {
        return std::string(InLanguage(language, russian, english));
    };
    const std::string limits = FormatDefault(design->Thickness) + " ± " +
                               FormatDefault(design->Tolerance) + in(" мм", " mm");
    const std::size_t outside = s.Thinner + s.Thicker;
    if (s.WithResult == 0) {
        return in("Ни одна точка не дала толщины: соответствие проектной толщине ",
                  "No point gave a thickness: conformity with the design thickness ") +
               limits + in(" не установлено.", " is not established.");
    }
    if (outside == 0) {
        return in("Все ", "All ") + std::to_string(s.WithResult) +
               in(" точек с результатом в пределах проектной толщины ",
                  " points with a result are within the design thickness ") +
               limits + ".";
    }
    return in("Вне проектной толщины ", "Outside the design thickness ") + limits + ": " +
           std::to_string(outside) + in(" из ", " of ") + std::to_string(s.WithResult) +
           in(" точек с результатом (тоньше ", " points with a result (thinner ") +
           std::to_string(s.Thinner) + in(", толще ", ", thicker ") + std::to_string(s.Thicker) +
           ").";
}

}  // namespace karvelo
