#include "report/line_checks.h"

#include <algorithm>
#include <cmath>

#include "analysis/median.h"

namespace karvelo {

DesignMark MarkAgainst(const DesignTolerance& design, double thickness) {
    if (thickness < design.Thickness - design.Tolerance) {
        return DesignMark::Thinner;
    }
    if (thickness > design.Thickness + design.Tolerance) {
        return DesignMark::Thicker;
    }
    return DesignMark::Within;
}

void MarkLine(std::vector<PointReport>& rows, ReportQuantity quantity, const LineChecks& checks) {
    // The rows that have a value, in line order.
    std::vector<std::size_t> valued;
    std::vector<double> values;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        rows[i].Design = DesignMark::None;
        rows[i].LineOutlier = false;
        if (const std::optional<double> value = ShownValue(rows[i], quantity)) {
            valued.push_back(i);
            values.push_back(*value);
        }
    }
    const std::size_t count = values.size();
    const std::size_t window = 2 * kLineNeighbours + 1;
    for (std::size_t k = 0; k < count; ++k) {
        PointReport& row = rows[valued[k]];
        if (checks.Design && quantity == ReportQuantity::Thickness) {
            row.Design = MarkAgainst(*checks.Design, values[k]);
        }
        // Window of up to `window` values around k, k among them, moved inwards at the ends.
        if (count < 3) {
            continue;
        }
        const std::size_t size = std::min(window, count);
        std::size_t first = k >= kLineNeighbours ? k - kLineNeighbours : 0;
        first = std::min(first, count - size);
        const std::vector<double> around(
            values.begin() + static_cast<std::ptrdiff_t>(first),
            values.begin() + static_cast<std::ptrdiff_t>(first + size));
        const double median = MedianOf(around);
        row.LineOutlier = std::abs(values[k] - median) > checks.OutlierShare * std::abs(median);
    }
}

}  // namespace karvelo
