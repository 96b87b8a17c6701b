// Checks of the points against each other along the line and against the design:
// a point far from its neighbours' median, a thickness outside the design tolerance.
#pragma once

#include <cstddef>
#include <optional>
#include <vector>

#include "report/point_report.h"
#include "report/report_quantity.h"

namespace karvelo {

// A point whose value departs from the median around it by more than this share of that
// median is an outlier along the line.
inline constexpr double kDefaultOutlierShare = 0.10;
// Neighbours on each side of a point that make its median with it.
inline constexpr std::size_t kLineNeighbours = 2;

// The design thickness and the tolerance either side of it, in mm.
struct DesignTolerance {
    double Thickness = 0.0;
    double Tolerance = 0.0;
};

struct LineChecks {
    std::optional<DesignTolerance> Design;  // marks thicknesses only
    double OutlierShare = kDefaultOutlierShare;
};

// Where a thickness in mm stands against the design (on the limit is within).
DesignMark MarkAgainst(const DesignTolerance& design, double thickness);

// Sets each row's Design mark (thicknesses, with a design given) and LineOutlier flag.
// The median is taken over the point and the kLineNeighbours rows with a value on each
// side of it (a running median of five): a lone point off the line departs from it, the
// points either side of a real step in thickness do not. Near an end the window moves
// inwards so it still holds five values; a line of fewer than three values flags nothing.
void MarkLine(std::vector<PointReport>& rows, ReportQuantity quantity, const LineChecks& checks);

}  // namespace karvelo
