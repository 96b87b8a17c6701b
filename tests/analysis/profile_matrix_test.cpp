#include "analysis/profile_matrix.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <iterator>
#include <limits>
#include <vector>

#include "analysis/analysis_buffers.h"
#include "analysis/frequency_axis.h"
#include "analysis/pipeline.h"
#include "analysis_test_support.h"
#include "profile/builtin_profiles.h"

namespace karvelo {
namespace {

class ProfileMatrixTest : public testing::AnalysisTest {
  protected:
    // The band 0 .. 3008 Hz of the built-in axis (192 bins), as left by the cut.
    static constexpr std::uint32_t kCount = 192;

    void SetUp() override {
        AnalysisTest::SetUp();
        ReservePointRows(buffers_, kBasePoints);
        FillBinFrequencies(buffers_,
                           MakeFrequencyAxis(kBuiltInSamplesPerTrace, kBuiltInSampleInterval));
    }

    double& Grid(std::size_t row, std::size_t column) {
        return buffers_.ProfileSpectrumGrid[row * kMatrixRowStride + column];
    }
    float& Row(std::size_t row, std::size_t column) {
        return buffers_.SpectrumRows[row * kSpectrumRowStride + column];
    }

    // Raw point spectra: point j peaks at bin 10 (j + 1) with height 100 (j + 1).
    void WritePointSpectra(std::uint32_t points) {
        for (std::uint32_t j = 0; j < points; ++j) {
            for (std::uint32_t i = 0; i < kCount; ++i) {
                Grid(j, i) = i == 10 * (j + 1) ? 100.0 * (j + 1) : 1.0 + j;
            }
        }
    }
};

TEST_F(ProfileMatrixTest, BilinearDataIsInterpolatedExactlyOnTheGrid) {
    // f = frequency / 1000 + 2 point is bilinear, so every matrix value is known.
    for (std::uint32_t j = 0; j < 5; ++j) {
        for (std::uint32_t i = 0; i < kCount; ++i) {
            Row(j, i) = static_cast<float>(buffers_.BinFrequencies[i] / 1000.0 + 2.0 * j);
        }
    }
    ASSERT_EQ(MatrixColumns(kCount), 500u);
    ASSERT_EQ(InterpolateProfileMatrix(buffers_, 5, kCount, 500), kMatrixRows);
    const double dx = 3008.0 / 499;
    const double dy = 4.0 / (kMatrixRows - 1);
    for (std::size_t r = 0; r < kMatrixRows; r += 47) {
        EXPECT_NEAR(buffers_.GridRowPoints[r], r * dy, 1e-12);
        for (std::size_t k = 0; k < 500; k += 13) {
            EXPECT_NEAR(Grid(r, k), k * dx / 1000.0 + 2.0 * r * dy, 1e-5) << r << ", " << k;
        }
    }
    EXPECT_NEAR(Grid(kMatrixRows - 1, 499), 3.008 + 8.0, 1e-5);
    // The axis now holds the columns: 0 .. 3008 Hz in steps of 6.03 Hz, truncated.
    EXPECT_EQ(buffers_.BinFrequencies[499], 3008u);
    EXPECT_EQ(buffers_.BinFrequencies[18], 108u);  // 108.5 Hz

    // A single point gives one row, evaluated along the frequencies only.
    WritePointSpectra(1);
    const std::optional<ProfileMatrix> matrix =
        BuildProfileMatrix(buffers_, flags_, AnalysisRequest{}, 1, kCount);
    ASSERT_TRUE(matrix.has_value());
    EXPECT_EQ(matrix->Rows, 1u);
    EXPECT_EQ(matrix->Columns, 500u);
    EXPECT_FLOAT_EQ(static_cast<float>(Grid(0, 499)), Row(0, kCount - 1));
    EXPECT_GT(Grid(0, 26), 0.9);  // bin 10 (157 Hz) lies between columns 26 and 27
    PlotData data;
    data.Rows = buffers_.ProfileSpectrumGrid.data();
    MatrixRange(buffers_, 4, 1, 500, kMatrixRowStride, data);
    EXPECT_EQ(matrix->Values.max, data.RowsMax);
    EXPECT_EQ(matrix->Values.min, data.RowsMin);
}

TEST_F(ProfileMatrixTest, ContrastClipSaturatesStrongValuesAtASinglePrecisionLevel) {
    // The level High - (High - Low) contrast is worked out in single precision.
    const float clip = 1.0f - (1.0f - 0.01f) * 0.5f;
    ASSERT_NE(static_cast<double>(clip), 1.0 - (1.0 - static_cast<double>(0.01f)) * 0.5);
    const double values[] = {0.9, 0.6, 0.5, 0.1, 0.0, -0.1};
    const double clipped[] = {clip, clip, 0.5, 0.1, 0.01f, 0.01f};
    double row[std::size(values)];
    std::copy(std::begin(values), std::end(values), row);
    const ClipLimits limits = ContrastLimits(ValueRange{0.01f, 1.0f}, 0.5f);
    EXPECT_FALSE(limits.Saturates);
    ClipRow(row, std::size(values), limits);
    for (std::size_t k = 0; k < std::size(values); ++k) {
        EXPECT_EQ(row[k], clipped[k]) << values[k];
    }
    // The full contrast clips at the floor itself: every value saturates.
    EXPECT_TRUE(ContrastLimits(ValueRange{0.01f, 1.0f}, 1.0f).Saturates);
    EXPECT_EQ(ContrastLimits(ValueRange{0.01f, 1.0f}, 1.0f).Top, 0.01f);
}

TEST_F(ProfileMatrixTest, PointsAreNormalisedAndClippedOnRequestOnly) {
    // Each point normalised on its own runs from 0.01 to 1: contrast 0.5 clips at 0.505.
    AnalysisRequest request;
    request.Contrast = 0.5f;
    for (const bool clip : {false, true}) {
        SCOPED_TRACE(clip);
        flags_.ContrastClipRequest = clip;
        WritePointSpectra(5);
        const std::optional<ProfileMatrix> matrix =
            BuildProfileMatrix(buffers_, flags_, request, 5, kCount);
        ASSERT_TRUE(matrix.has_value());
        EXPECT_FLOAT_EQ(matrix->Range.Low, 0.01f);
        EXPECT_EQ(matrix->Range.High, 1.0f);
        EXPECT_FALSE(flags_.ContrastClipRequest);
        double largest = 0.0;
        for (std::size_t r = 0; r < matrix->Rows; ++r) {
            largest = std::max(largest, *std::max_element(&Grid(r, 0), &Grid(r, 500)));
        }
        // The extremes taken row by row as the matrix is built are those of the stored matrix.
        PlotData data;
        data.Rows = buffers_.ProfileSpectrumGrid.data();
        MatrixRange(buffers_, 4, static_cast<int>(matrix->Rows), 500, kMatrixRowStride, data);
        EXPECT_EQ(matrix->Values.max, data.RowsMax);
        EXPECT_EQ(matrix->Values.min, data.RowsMin);
        if (clip) {
            EXPECT_FLOAT_EQ(static_cast<float>(largest), 0.505f);
        } else {
            EXPECT_GT(largest, 0.6);
        }
    }
}

TEST_F(ProfileMatrixTest, RefusesBandsAndProfilesItCannotInterpolate) {
    AnalysisRequest request;
    WritePointSpectra(2);
    EXPECT_FALSE(BuildProfileMatrix(buffers_, flags_, request, 2, 1).has_value());
    EXPECT_FALSE(BuildProfileMatrix(buffers_, flags_, request, 0, kCount).has_value());
    EXPECT_FALSE(
        BuildProfileMatrix(buffers_, flags_, request, kMaxProfilePoints + 1, kCount).has_value());
    // Repeated abscissae (bins closer than 1 Hz) make the spline refuse.
    buffers_.BinFrequencies[1] = buffers_.BinFrequencies[0];
    EXPECT_FALSE(BuildProfileMatrix(buffers_, flags_, request, 2, kCount).has_value());
    EXPECT_EQ(sink_.messages, std::vector<std::string>(4, "Invalid value entered."));
}

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// Rows read in interleaved runs give what one running extreme in order gives: the first
// of equal extremes (the sign of a zero), NaN skipped unless it comes first.
TEST(MatrixRange, KeepsTheFirstOfEqualExtremesAndSkipsNaN) {
    struct Case {
        const char* name;
        std::vector<double> values;
        int rows, cols, stride;
        double max, min;
    };
    const double z = 0.0;
    const double n = -0.0;
    const Case cases[] = {
        {"zero maximum: +0 before -0", {-3, z, -1, n, -2, -4, n, z, -1, -2, -5}, 1, 11, 11, z, -5},
        {"zero maximum: -0 before +0", {-3, -1, -1, n, -2, z, -4, z, -1, -2, -5}, 1, 11, 11, n, -5},
        {"zero minimum: -0 in a later run", {1, 2, 3, 4, 5, n, z, 3, 2, z, 8}, 1, 11, 11, 8, n},
        {"NaN in every run", {2, kNaN, 1, 3, kNaN, 7, 0.5, 1, kNaN, 9, 4}, 1, 11, 11, 9, 0.5},
        {"extremes in the second group of lanes and in the tail",
         {3, 2, 3, 2, 3, 6, 3, 2, 3, 2, 2, 3, 0.5, 3, 2, 3, 2, 3, 2, 0.25},
         2,
         10,
         10,
         6,
         0.25},
        {"stride past unused values", {2, -1, kNaN, 99, 5, 0.5, 3, -99}, 2, 3, 4, 5, -1},
        {"NaN first: nothing compares above it", {kNaN, 99, 5}, 1, 3, 4, kNaN, kNaN},
        {"empty: the first element", {2, -1, 3}, 0, 3, 4, 2, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        PlotData data;
        data.Rows = c.values.data();
        MatrixRange(AnalysisBuffers{}, 4, c.rows, c.cols, c.stride, data);
        EXPECT_EQ(std::bit_cast<std::uint64_t>(data.RowsMax), std::bit_cast<std::uint64_t>(c.max));
        EXPECT_EQ(std::bit_cast<std::uint64_t>(data.RowsMin), std::bit_cast<std::uint64_t>(c.min));
    }
}

}  // namespace
}  // namespace karvelo
