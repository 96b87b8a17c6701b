#include "analysis/row_extremes.h"

#include <cstring>

namespace karvelo {

namespace {

// Four doubles side by side: the comparisons and selects below act on each lane alone,
// as the scalar ones would.
using Lanes = double __attribute__((vector_size(4 * sizeof(double))));

}  // namespace

// Eight interleaved running extremes of each kind (two groups of four lanes), each
// starting from the one so far, reach the same values without waiting on each other, in
// one pass over the row; they can differ from the single one only in the sign of a zero
// extreme, so a zero result is found again in order.
__attribute__((target_clones("avx2", "default"))) Extremes RowExtremes(const double* row,
                                                                       std::size_t count,
                                                                       Extremes start) {
    const Lanes startHigh = {start.max, start.max, start.max, start.max};
    const Lanes startLow = {start.min, start.min, start.min, start.min};
    Lanes highs[2] = {startHigh, startHigh};
    Lanes lows[2] = {startLow, startLow};
    std::size_t c = 0;
    for (; c + 8 <= count; c += 8) {
        for (std::size_t group = 0; group < 2; ++group) {
            Lanes v;
            std::memcpy(&v, row + c + 4 * group, sizeof v);
            highs[group] = v > highs[group] ? v : highs[group];
            lows[group] = v < lows[group] ? v : lows[group];
        }
    }
    Extremes result = start;
    for (; c < count; ++c) {
        result.max = row[c] > result.max ? row[c] : result.max;
        result.min = row[c] < result.min ? row[c] : result.min;
    }
    for (std::size_t lane = 0; lane < 8; ++lane) {
        const double high = highs[lane / 4][lane % 4];
        const double low = lows[lane / 4][lane % 4];
        result.max = high > result.max ? high : result.max;
        result.min = low < result.min ? low : result.min;
    }
    if (result.max == 0.0) {
        result.max = start.max;
        for (std::size_t k = 0; k < count; ++k) {
            result.max = row[k] > result.max ? row[k] : result.max;
        }
    }
    if (result.min == 0.0) {
        result.min = start.min;
        for (std::size_t k = 0; k < count; ++k) {
            result.min = row[k] < result.min ? row[k] : result.min;
        }
    }
    return result;
}

}  // namespace karvelo
