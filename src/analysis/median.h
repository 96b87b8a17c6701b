// The median of a set of values.
#pragma once

#include <algorithm>
#include <vector>

namespace karvelo {

// The middle value of values, or the mean of the two middle values of an even count;
// values must not be empty.
inline double MedianOf(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 == 1 ? values[middle] : (values[middle - 1] + values[middle]) / 2.0;
}

}  // namespace karvelo
