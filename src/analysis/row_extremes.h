// The running largest and smallest value over the rows of a matrix.
#pragma once

#include <cstddef>

namespace karvelo {

struct Extremes {
    double max;
    double min;
};

// The extremes of row[0 .. count) continued from `start`: a value replaces the maximum
// only when strictly greater, the minimum only when strictly smaller, so NaN never does
// and of equal values the first stays.
Extremes RowExtremes(const double* row, std::size_t count, Extremes start);

}  // namespace karvelo
