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
    switch (context.Origin.Source) {
        case VelocitySource::Calibrated: {
            const std::string point = std::to_string(context.Origin.Point);
            const std::string thickness = FormatDefault(context.Origin.Thickness);
            return {velocity,
                    words ? "калибровка в точке " + point + " при толщине " + thickness + " м"
                          : "calibrated point " + point + " thickness_m " + thickness};
        }
        case VelocitySource::Measured:
            return {"", words ? "измерена в каждой точке при заданной толщине " + given + " м"
                              : "measured thickness_m " + given};
        case VelocitySource::None:
            return {"", words ? "не задана (показана частота)" : "none"};
        default:
            return {velocity, words ? "введена" : "typed"};
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
            origin.Source = VelocitySource::Typed;
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
    const int decimals = DecimalsOf(q);
    const std::string name = QuantityName(q);
    const std::string unit = UnitName(q);
    const std::string unitWord = UnitWord(q);
    const auto label = [&](const char* machine, const std::string& word) {
        return words ? word + ", " + unitWord : name + "_" + machine + "_" + unit;
    };
    const auto optional = [](const std::optional<double>& value, int digits) {
        return value ? FormatFixed(*value, digits) : std::string("-");
    };
    std::vector<std::pair<std::string, std::string>> entries{
        {words ? "Точек" : "points", std::to_string(s.Points)},
        {words ? "Точек с результатом" : "points_with_result", std::to_string(s.WithResult)},
    };
    if (s.WithResult > 0) {
        const std::string quantity = QuantityWord(q);
        entries.insert(entries.end(),
                       {{label("mean", quantity + ": среднее"), FormatFixed(s.Mean, decimals)},
                        {label("sd", "Стандартное отклонение"), optional(s.Deviation, decimals)},
                        {label("min", "Минимум"), FormatFixed(s.Min, decimals)},
                        {label("max", "Максимум"), FormatFixed(s.Max, decimals)},
                        {words ? "Коэффициент вариации, %" : name + "_cv_percent",
                         optional(s.Variation, kPercentDecimals)}});
    }
    const auto [velocity, origin] = VelocityText(context, words);
    if (words) {
        entries.emplace_back("Скорость волны, м/с",
                             velocity.empty() ? origin : velocity + " (" + origin + ")");
    } else {
        if (!velocity.empty()) {
            entries.emplace_back("velocity_m_s", velocity);
        }
        entries.emplace_back("velocity_origin", origin);
    }
    const std::optional<DesignTolerance>& design = context.Checks.Design;
    if (design && q == ReportQuantity::Thickness) {
        const std::size_t outside = s.Thinner + s.Thicker;
        const double share = s.WithResult > 0
                                 ? static_cast<double>(outside) / static_cast<double>(s.WithResult)
                                 : 0.0;
        if (words) {
            entries.emplace_back("Проектная толщина, мм", FormatDefault(design->Thickness) + " ± " +
                                                              FormatDefault(design->Tolerance));
            entries.emplace_back("Вне допуска", std::to_string(outside) + " из " +
                                                    std::to_string(s.WithResult) + " (" +
                                                    Percent(share) + " %): тоньше " +
                                                    std::to_string(s.Thinner) + ", толще " +
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
        entries.emplace_back("Выбросы по линии (> " + share + " % от медианы 5 точек)",
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
    const std::string limits =
        FormatDefault(design->Thickness) + " ± " + FormatDefault(design->Tolerance) + " мм";
    const std::size_t outside = s.Thinner + s.Thicker;
    if (s.WithResult == 0) {
        return "Ни одна точка не дала толщины: соответствие проектной толщине " + limits +
               " не установлено.";
    }
    if (outside == 0) {
        return "Все " + std::to_string(s.WithResult) + " точек с результатом в пределах " +
               "проектной толщины " + limits + ".";
    }
    return "Вне проектной толщины " + limits + ": " + std::to_string(outside) + " из " +
           std::to_string(s.WithResult) + " точек с результатом (тоньше " +
           std::to_string(s.Thinner) + ", толще " + std::to_string(s.Thicker) + ").";
}

}  // namespace karvelo
