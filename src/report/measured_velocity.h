// The thickness of a line's points from the velocity measured at two sensors, instead of
// the typed one.
#pragma once

#include <optional>
#include <vector>

#include "report/point_report.h"

namespace karvelo {

// The median over the points of their measured velocities (m/s); none when no point has
// one.
std::optional<double> LineVelocityOf(const std::vector<PointReport>& rows);

// With settings asking for it (UsesMeasuredVelocity), every row's bin
// thickness, thickness and its +- from its own measured velocity or from lineVelocity,
// by h = beta Cp / (2 f); a row without that velocity is left without them. Otherwise
// the rows stay as they are.
void UseMeasuredVelocity(std::vector<PointReport>& rows, const ReportSettings& settings,
                         const std::optional<double>& lineVelocity);

}  // namespace karvelo
