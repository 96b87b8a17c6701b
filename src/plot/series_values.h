// Reading the values of one series by sample format.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace karvelo {

// The first count values of a series: formats 1 to 3 decode the 4-byte words at
// series, series + 4, ... as DecodeSample does; format 4 reads rows[0 .. count - 1];
// any other format, or a missing pointer, gives zeros.
std::vector<double> ReadSeries(const std::uint8_t* series, const double* rows, std::uint16_t format,
                               std::size_t count);

// The axis value words decoded by format.
std::vector<double> ReadAxisValues(std::span<const std::uint32_t> words, std::uint16_t format);

// Smallest and largest of values (both 0 for no values).
struct ValueRange {
    double Min = 0.0;
    double Max = 0.0;
    double Span() const { return Max - Min; }
};
ValueRange RangeOf(std::span<const double> values);

}  // namespace karvelo
