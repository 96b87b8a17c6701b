#include "report/measured_velocity.h"

#include "analysis/median.h"

namespace karvelo {

std::optional<double> LineVelocityOf(const std::vector<PointReport>& rows) {
    std::vector<double> velocities;
    for (const PointReport& row : rows) {
        if (row.Velocity) {
            velocities.push_back(row.Velocity->Median);
        }
    }
    if (velocities.empty()) {
        return std::nullopt;
    }
    return MedianOf(velocities);
}

void UseMeasuredVelocity(std::vector<PointReport>& rows, const ReportSettings& settings,
                         const std::optional<double>& lineVelocity) {
    if (!UsesMeasuredVelocity(settings)) {
        return;
    }
    const bool own = settings.ArrivalVelocity == ArrivalVelocityUse::Point;
    const double beta = settings.ShapeFactor;
    for (PointReport& row : rows) {
        row.Derived.reset();
        row.Result.reset();
        row.Uncertainty.reset();
        const std::optional<double> velocity =
            own ? (row.Velocity ? std::optional(row.Velocity->Median) : std::nullopt)
                : lineVelocity;
        if (!row.HasPeak || !velocity) {
            continue;
        }
        if (row.Frequency != 0) {
            row.Derived = static_cast<float>(beta * *velocity / (2.0 * row.Frequency));
        }
        const double f = row.RefinedFrequency;
        if (f > 0.0) {
            row.Result = beta * *velocity / (2.0 * f);
            row.Uncertainty = *row.Result * row.FrequencyUncertainty / f;
        }
    }
}

}  // namespace karvelo
