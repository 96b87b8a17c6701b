#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <limits>
#include <vector>

#include "analysis/analysis_buffers.h"
#include "analysis/pipeline.h"

namespace karvelo {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

TEST(MatrixRange, DoublesWithAStrideAndNaN) {
    // Two rows of three used values, stride 4; the fourth value of each row is not used.
    const std::vector<double> matrix = {2.0, -1.0, kNaN, 99.0, 5.0, 0.5, 3.0, -99.0};
    PlotData data;
    data.Rows = matrix.data();
    MatrixRange(4, 2, 3, 4, data);
    EXPECT_EQ(data.RowsMax, 5.0);  // NaN never replaces an extreme
    EXPECT_EQ(data.RowsMin, -1.0);

    data.Rows = matrix.data() + 2;  // a NaN first element stays: nothing compares above it
    MatrixRange(4, 1, 3, 4, data);
    EXPECT_TRUE(std::isnan(data.RowsMax));

    data.Rows = matrix.data();
    MatrixRange(4, 0, 3, 4, data);  // an empty matrix yields its first element
    EXPECT_EQ(data.RowsMax, 2.0);
    EXPECT_EQ(data.RowsMin, 2.0);
}

// Long rows, read in interleaved runs, give what one running extreme in order gives:
// the first of equal extremes (the sign of a zero), NaN skipped wherever it lies.
TEST(MatrixRange, LongRowsKeepTheFirstOfEqualExtremes) {
    struct Case {
        const char* name;
        std::vector<double> row;  // 11 values: runs of four and a rest of three
        double max, min;
    };
    const double z = 0.0;
    const double n = -0.0;
    const Case cases[] = {
        {"plain values", {3, 1, 4, 1, 5, 9, 2, 6, 5, 3, 5}, 9, 1},
        {"zero maximum: +0 before -0", {-3, z, -1, n, -2, -4, n, z, -1, -2, -5}, z, -5},
        {"zero maximum: -0 before +0", {-3, -1, -1, n, -2, z, -4, z, -1, -2, -5}, n, -5},
        {"zero minimum: -0 first in a later run", {1, 2, 3, 4, 5, n, z, 3, 2, z, 8}, 8, n},
        {"NaN in every run", {2, kNaN, 1, 3, kNaN, 7, 0.5, 1, kNaN, 9, 4}, 9, 0.5},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        PlotData data;
        data.Rows = c.row.data();
        MatrixRange(4, 1, 11, 11, data);
        EXPECT_EQ(std::bit_cast<std::uint64_t>(data.RowsMax), std::bit_cast<std::uint64_t>(c.max));
        EXPECT_EQ(std::bit_cast<std::uint64_t>(data.RowsMin), std::bit_cast<std::uint64_t>(c.min));
    }
}

TEST(MatrixRange, SpectrumRowsAsFloatsAndAsIntegers) {
    ResetAnalysisBuffers();
    SpectrumRows[0] = 0.25f;
    SpectrumRows[1] = 0.75f;
    SpectrumRows[kSpectrumRowStride] = -0.5f;  // row 1, column 0
    PlotData data;
    MatrixRange(1, 2, 2, 0, data);
    EXPECT_EQ(data.RangeMax, std::bit_cast<std::uint32_t>(0.75f));
    EXPECT_EQ(data.RangeMin, std::bit_cast<std::uint32_t>(-0.5f));

    // The same words read as signed integers: -0.5f has its sign bit set.
    MatrixRange(2, 2, 2, 0, data);
    EXPECT_EQ(data.RangeMax, std::bit_cast<std::uint32_t>(0.75f));
    EXPECT_EQ(data.RangeMin, std::bit_cast<std::uint32_t>(-0.5f));

    MatrixRange(3, 2, 2, 0, data);
    EXPECT_EQ(data.RangeMax, 0u);
    EXPECT_EQ(data.RangeMin, 0u);
    ResetAnalysisBuffers();
}

}  // namespace
}  // namespace karvelo
