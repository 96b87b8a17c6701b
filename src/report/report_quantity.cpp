#include "report/report_quantity.h"

namespace karvelo {

ReportQuantity QuantityOf(const ReportSettings& settings) {
    if (UsesMeasuredVelocity(settings)) {
        return ReportQuantity::Thickness;
    }
    if (settings.VelocityOrThickness == 0.0f) {
        return ReportQuantity::Frequency;
    }
    return settings.ThicknessGiven != 0 ? ReportQuantity::Velocity : ReportQuantity::Thickness;
}

namespace {

std::optional<double> Scaled(const std::optional<double>& value, ReportQuantity quantity) {
    if (!value) {
        return std::nullopt;
    }
    return quantity == ReportQuantity::Thickness ? *value * kMillimetresPerMetre : *value;
}

}  // namespace

std::optional<double> ShownValue(const PointReport& row, ReportQuantity quantity) {
    if (!row.HasPeak) {
        return std::nullopt;
    }
    if (quantity == ReportQuantity::Frequency) {
        return row.RefinedFrequency;
    }
    return Scaled(row.Result, quantity);
}

std::optional<double> ShownUncertainty(const PointReport& row, ReportQuantity quantity) {
    if (!row.HasPeak) {
        return std::nullopt;
    }
    if (quantity == ReportQuantity::Frequency) {
        return row.FrequencyUncertainty;
    }
    return Scaled(row.Uncertainty, quantity);
}

}  // namespace karvelo
