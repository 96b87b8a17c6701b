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

}  // namespace
}  // namespace karvelo
