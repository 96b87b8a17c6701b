#include "plot/series_values.h"

#include <algorithm>
#include <cstring>

#include "plot/plot_layout.h"
#include "profile/profile_image.h"

namespace karvelo {

std::vector<double> ReadSeries(const std::uint8_t* series, const double* rows, std::uint16_t format,
                               std::size_t count) {
    std::vector<double> values(count, 0.0);
    if (format == kFormatDoubleRows) {
        if (rows != nullptr) {
            std::copy(rows, rows + count, values.begin());
        }
        return values;
    }
    if (series == nullptr || format < kFormatIeeeFloat || format > kFormatUInt32) {
        return values;
    }
    DecodeSampleWords(format, series, values);
    return values;
}

std::vector<double> ReadAxisValues(std::span<const std::uint32_t> words, std::uint16_t format) {
    std::vector<double> values(words.size());
    std::transform(words.begin(), words.end(), values.begin(),
                   [format](std::uint32_t word) { return DecodeSample(format, word); });
    return values;
}

ValueRange RangeOf(std::span<const double> values) {
    if (values.empty()) {
        return {};
    }
    ValueRange range{values[0], values[0]};
    for (const double v : values) {
        range.Max = std::max(range.Max, v);
        range.Min = std::min(range.Min, v);
    }
    return range;
}

}  // namespace karvelo
