// Where the measuring points stand on the profile-spectrum map, and back: point to pixel
// column and pixel column to the nearest point.
#pragma once

#include <cstdint>
#include <optional>

namespace karvelo {

// Pixel columns between two measuring points across plotWidth pixels:
// RoundHalfUp(plotWidth / (pointCount - 1)), 89 for 10 points over 800. With fewer than
// two points (and for a width that would give less) one column per point.
int ColumnsPerPoint(int plotWidth, std::uint32_t pointCount);

struct PointColumns {
    int FirstColumn = 0;  // column of point 0: the frame's left edge
    int Spacing = 1;      // columns from one point to the next, >= 1
    std::uint32_t PointCount = 0;

    // Column of point p (0-based).
    int ColumnOf(std::uint32_t point) const;

    // The point whose column is nearest to x: with n the first point whose column is at
    // or right of x, point n or n - 1, n only when strictly nearer (a tie goes left);
    // x at or left of the first column gives point 0. nullopt when x lies right of the
    // last point's column.
    std::optional<std::uint32_t> NearestPoint(int x) const;

    // x moved to the column of its nearest point; kept when right of the last point.
    int Snap(int x) const;
};

}  // namespace karvelo
