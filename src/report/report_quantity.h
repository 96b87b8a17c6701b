// What the report measures along the line: the thickness (a velocity given), the
// velocity (a thickness given) or, with neither, the dominant frequency; and each
// row's value of it in the unit the report shows (mm, m/s, Hz).
#pragma once

#include <optional>

#include "report/point_report.h"

namespace karvelo {

enum class ReportQuantity { Frequency, Thickness, Velocity };

// Millimetres in a metre: thicknesses are computed in m and shown in mm.
inline constexpr double kMillimetresPerMetre = 1000.0;

ReportQuantity QuantityOf(const ReportSettings& settings);

// The row's value in the shown unit (the refined frequency in Hz, the thickness in mm,
// the velocity in m/s) and its +-; none when the row has none.
std::optional<double> ShownValue(const PointReport& row, ReportQuantity quantity);
std::optional<double> ShownUncertainty(const PointReport& row, ReportQuantity quantity);

}  // namespace karvelo
