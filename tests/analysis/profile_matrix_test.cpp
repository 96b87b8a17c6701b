#include "analysis/profile_matrix.h"

#include <gtest/gtest.h>

#include <vector>

#include "analysis/analysis_buffers.h"
#include "analysis/frequency_axis.h"
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
        FillBinFrequencies(MakeFrequencyAxis(kBuiltInSamplesPerTrace, kBuiltInSampleInterval));
    }

    static double& Grid(std::size_t row, std::size_t column) {
        return ProfileSpectrumGrid[row * kMatrixRowStride + column];
    }
    static float& Row(std::size_t row, std::size_t column) {
        return SpectrumRows[row * kSpectrumRowStride + column];
    }

    // Raw point spectra: point j peaks at bin 10 (j + 1) with height 100 (j + 1).
    static void WritePointSpectra(std::uint32_t points) {
        for (std::uint32_t j = 0; j < points; ++j) {
            for (std::uint32_t i = 0; i < kCount; ++i) {
                Grid(j, i) = i == 10 * (j + 1) ? 100.0 * (j + 1) : 1.0 + j;
            }
        }
    }
};

TEST_F(ProfileMatrixTest, EachPointSpectrumIsNormalisedToOne) {
    WritePointSpectra(3);
    Grid(2, 0) = 0.0;
    const ValueRange range = NormaliseProfileRows(3, kCount);
    for (std::size_t j = 0; j < 3; ++j) {
        EXPECT_EQ(Row(j, 10 * (j + 1)), 1.0f) << j;
        EXPECT_FLOAT_EQ(Row(j, 1), (1.0f + j) / (100.0f * (j + 1))) << j;
    }
    EXPECT_EQ(range.High, 1.0f);
    EXPECT_EQ(range.Low, 0.0f);

    // A point whose spectrum is all zero stays zero.
    for (std::uint32_t i = 0; i < kCount; ++i) {
        Grid(1, i) = 0.0;
    }
    NormaliseProfileRows(3, kCount);
    EXPECT_EQ(Row(1, 20), 0.0f);
}

TEST_F(ProfileMatrixTest, BilinearDataIsInterpolatedExactlyOnTheGrid) {
    // f = frequency / 1000 + 2 point is bilinear, so every matrix value is known.
    const std::uint32_t points = 5;
    for (std::uint32_t j = 0; j < points; ++j) {
        for (std::uint32_t i = 0; i < kCount; ++i) {
            Row(j, i) = static_cast<float>(BinFrequencies[i] / 1000.0 + 2.0 * j);
        }
    }
    const std::uint32_t columns = MatrixColumns(kCount);
    ASSERT_EQ(columns, 500u);
    ASSERT_EQ(InterpolateProfileMatrix(points, kCount, columns), kMatrixRows);

    const double dx = 3008.0 / (columns - 1);
    const double dy = 4.0 / (kMatrixRows - 1);
    for (std::size_t r = 0; r < kMatrixRows; r += 47) {
        EXPECT_NEAR(GridRowPoints[r], r * dy, 1e-12);
        for (std::size_t k = 0; k < columns; k += 13) {
            EXPECT_NEAR(Grid(r, k), k * dx / 1000.0 + 2.0 * r * dy, 1e-5) << r << ", " << k;
        }
    }
    EXPECT_NEAR(GridRowPoints[kMatrixRows - 1], 4.0, 1e-12);
    EXPECT_NEAR(Grid(kMatrixRows - 1, columns - 1), 3.008 + 8.0, 1e-5);
}

TEST_F(ProfileMatrixTest, ColumnsRunInEqualStepsAcrossTheBand) {
    WritePointSpectra(5);
    NormaliseProfileRows(5, kCount);
    ASSERT_EQ(InterpolateProfileMatrix(5, kCount, 500), kMatrixRows);
    EXPECT_EQ(BinFrequencies[0], 0u);
    EXPECT_NEAR(BinFrequencies[499], 3008.0, 1.0);
    for (std::size_t k = 1; k < 500; ++k) {
        const double step = static_cast<double>(BinFrequencies[k]) - BinFrequencies[k - 1];
        EXPECT_GE(step, 5.0) << k;  // 3008 / 499 = 6.03 Hz, truncated to whole Hz
        EXPECT_LE(step, 7.0) << k;
    }
    // Row 0 is point 0 and row 799 point 4, at the columns on bin frequencies.
    EXPECT_FLOAT_EQ(static_cast<float>(Grid(0, 0)), Row(0, 0));
    EXPECT_FLOAT_EQ(static_cast<float>(Grid(kMatrixRows - 1, 499)), Row(4, kCount - 1));
}

TEST_F(ProfileMatrixTest, SinglePointGivesOneRowAcrossTheColumns) {
    WritePointSpectra(1);
    AnalysisRequest request;
    const std::optional<ProfileMatrix> matrix = BuildProfileMatrix(request, 1, kCount);
    ASSERT_TRUE(matrix.has_value());
    EXPECT_EQ(matrix->Rows, 1u);
    EXPECT_EQ(matrix->Columns, 500u);
    EXPECT_EQ(GridRowPoints[0], 0.0);
    EXPECT_FLOAT_EQ(static_cast<float>(Grid(0, 0)), Row(0, 0));
    EXPECT_FLOAT_EQ(static_cast<float>(Grid(0, 499)), Row(0, kCount - 1));
    // The peak of bin 10 (157 Hz) lies between columns 26 and 27 (156.7 and 162.8 Hz).
    EXPECT_GT(Grid(0, 26), 0.9);
    EXPECT_EQ(Grid(1, 0), 0.0);
}

TEST_F(ProfileMatrixTest, ContrastClipSaturatesStrongValues) {
    struct Case {
        double value;
        double clipped;
    };
    const Case cases[] = {{0.9, 0.75}, {0.75, 0.75}, {0.5, 0.5},
                          {0.1, 0.1},  {0.0, 0.0},   {-0.1, 0.0}};
    for (std::size_t k = 0; k < std::size(cases); ++k) {
        Grid(3, k) = cases[k].value;
    }
    ClipProfileMatrix(ValueRange{0.0f, 1.0f}, 0.25f, 4, std::size(cases));
    for (std::size_t k = 0; k < std::size(cases); ++k) {
        EXPECT_DOUBLE_EQ(Grid(3, k), cases[k].clipped) << cases[k].value;
    }

    // Contrast 0 keeps every value of the normalised range.
    Grid(0, 0) = 0.3;
    Grid(0, 1) = 1.0;
    ClipProfileMatrix(ValueRange{0.0f, 1.0f}, 0.0f, 1, 2);
    EXPECT_DOUBLE_EQ(Grid(0, 0), 0.3);
    EXPECT_DOUBLE_EQ(Grid(0, 1), 1.0);
}

TEST_F(ProfileMatrixTest, ClipRequestIsAppliedOnceAndCleared) {
    AnalysisRequest request;
    request.Contrast = 0.5f;
    WritePointSpectra(5);
    ASSERT_TRUE(BuildProfileMatrix(request, 5, kCount).has_value());
    const double unclipped = Grid(0, 0) > Grid(799, 499) ? Grid(0, 0) : Grid(799, 499);
    EXPECT_LT(unclipped, 0.5);

    ContrastClipRequest = true;
    WritePointSpectra(5);
    const std::optional<ProfileMatrix> matrix = BuildProfileMatrix(request, 5, kCount);
    ASSERT_TRUE(matrix.has_value());
    EXPECT_FALSE(ContrastClipRequest);
    EXPECT_EQ(matrix->Range.High, 1.0f);
    double largest = 0.0;
    for (std::size_t r = 0; r < matrix->Rows; ++r) {
        for (std::size_t k = 0; k < matrix->Columns; ++k) {
            largest = std::max(largest, Grid(r, k));
        }
    }
    const float clip = 1.0f - (1.0f - matrix->Range.Low) * 0.5f;
    EXPECT_EQ(largest, static_cast<double>(clip));
}

TEST_F(ProfileMatrixTest, RefusesBandsAndProfilesItCannotInterpolate) {
    AnalysisRequest request;
    WritePointSpectra(2);
    EXPECT_FALSE(BuildProfileMatrix(request, 2, 1).has_value());
    EXPECT_FALSE(BuildProfileMatrix(request, 0, kCount).has_value());
    EXPECT_FALSE(BuildProfileMatrix(request, kMaxProfilePoints + 1, kCount).has_value());
    // Repeated abscissae (bins closer than 1 Hz) make the spline refuse.
    BinFrequencies[1] = BinFrequencies[0];
    EXPECT_FALSE(BuildProfileMatrix(request, 2, kCount).has_value());
    EXPECT_EQ(sink_.messages, std::vector<std::string>(4, "Invalid value entered."));
}

}  // namespace
}  // namespace karvelo
