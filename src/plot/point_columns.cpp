#include "plot/point_columns.h"

#include <cstdint>

#include "plot/round_half_up.h"

namespace karvelo {

int ColumnsPerPoint(int plotWidth, std::uint32_t pointCount) {
    if (pointCount < 2) {
        return 1;
    }
    const double columns = RoundHalfUp(static_cast<double>(plotWidth) / (pointCount - 1));
    return columns < 1.0 ? 1 : static_cast<int>(columns);
}

int PointColumns::ColumnOf(std::uint32_t point) const {
    return static_cast<int>(FirstColumn + static_cast<std::int64_t>(point) * Spacing);
}

std::optional<std::uint32_t> PointColumns::NearestPoint(int x) const {
    const std::int64_t offset = static_cast<std::int64_t>(x) - FirstColumn;
    const std::int64_t spacing = Spacing < 1 ? 1 : Spacing;
    const std::int64_t n = offset <= 0 ? 0 : (offset + spacing - 1) / spacing;
    if (n >= PointCount) {
        return std::nullopt;
    }
    const auto right = static_cast<std::uint32_t>(n);
    if (right == 0) {
        return 0U;
    }
    const std::int64_t toRight = ColumnOf(right) - static_cast<std::int64_t>(x);
    const std::int64_t toLeft = static_cast<std::int64_t>(x) - ColumnOf(right - 1);
    return toRight < toLeft ? right : right - 1;
}

int PointColumns::Snap(int x) const {
    const std::optional<std::uint32_t> point = NearestPoint(x);
    return point ? ColumnOf(*point) : x;
}

}  // namespace karvelo
