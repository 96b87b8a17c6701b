#include "analysis/band.h"

#include <gtest/gtest.h>

#include <numeric>
#include <vector>

#include "analysis/analysis_buffers.h"
#include "analysis/frequency_axis.h"
#include "analysis_test_support.h"
#include "common/field_rules.h"
#include "profile/builtin_profiles.h"

namespace karvelo {
namespace {

class BandTest : public testing::AnalysisTest {
  protected:
    void SetUp() override {
        AnalysisTest::SetUp();
        axis_ = MakeFrequencyAxis(kBuiltInSamplesPerTrace, kBuiltInSampleInterval);
        FillBinFrequencies(buffers_, axis_);
    }
    FrequencyAxis axis_;
};

TEST_F(BandTest, FrequencyAxesAreTruncatedAndClamped) {
    EXPECT_NEAR(axis_.Step, 15.751008, 1e-6);
    EXPECT_EQ(axis_.BinCount, 5121u);
    EXPECT_EQ(axis_.Top, 80645);
    EXPECT_EQ(std::vector<std::uint32_t>(buffers_.BinFrequencies.begin(),
                                         buffers_.BinFrequencies.begin() + 5),
              (std::vector<std::uint32_t>{0, 15, 31, 47, 63}));
    EXPECT_EQ(buffers_.BinFrequencies[5120], 80645u);
    EXPECT_EQ(buffers_.BinFrequencies[5121], 0u);            // nothing written past the last bin
    EXPECT_EQ(MakeFrequencyAxis(1000, 50).Top, 2147483647);  // 5e10 Hz at picoseconds
    std::vector<std::uint32_t> frequencies(3);
    FillFrequencies(frequencies, 3.0e9);
    EXPECT_EQ(frequencies, (std::vector<std::uint32_t>{0, 3000000000u, 4294967295u}));
}

TEST_F(BandTest, SelectsTheBinAtOrJustBelowEachLimitOrRefusesTheBand) {
    struct Case {
        std::int32_t fMin, fMax;
        bool accepted;
        std::uint32_t first = 0, last = 0;
        const char* rule = nullptr;  // the field line of a refusal
    };
    const Case cases[] = {
        {0, 3000, true, 0, 191},            // 3008 Hz is the first bin at or above 3000
        {100, 3000, true, 6, 191},          // 94 Hz lies below 100, the next bin is 110 Hz
        {94, 3008, true, 6, 191},           // limits on bins select those bins
        {1000, 90000, true, 63, 5120},      // above the top: up to the last bin
        {100, 99, false, 0, 0, kRuleFMin},  // still bins 6 and 7 ...
        {0, -1, false, 0, 0, kRuleFMax},    // ... the others cover 0 or 1 bin or are negative
        {15, 15, false, 0, 0, kRuleBandWidth},
        {-100, 3000, false, 0, 0, kRuleFMin},
        {90000, 100000, false, 0, 0, kRuleBandWidth},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.fMin << " .. " << c.fMax);
        sink_.messages.clear();
        AnalysisRequest request = NewRequest();
        request.FMin = c.fMin;
        request.FMax = c.fMax;
        const std::optional<BandBins> band = SelectRequestBand(buffers_, request, 5121);
        ASSERT_EQ(band.has_value(), c.accepted);
        if (c.accepted) {
            EXPECT_EQ(band->First, c.first);
            EXPECT_EQ(band->Last, c.last);
            EXPECT_TRUE(sink_.messages.empty());
        } else {
            EXPECT_EQ(sink_.messages,
                      (std::vector<std::string>{std::string("Invalid value entered.\n") + c.rule}));
        }
    }
    // Whatever the limits, the bins stay inside the axis.
    const std::vector<std::uint32_t> small = {0, 10, 20, 30};
    for (const std::int32_t fMin : {-1, 0, 5, 30, 31, 2147483647}) {
        for (const std::int32_t fMax : {-2147483647 - 1, -1, 0, 15, 30, 1000}) {
            const BandBins band = SelectBand(fMin, fMax, small);
            EXPECT_LT(band.First, small.size()) << fMin << " .. " << fMax;
            EXPECT_LT(band.Last, small.size()) << fMin << " .. " << fMax;
        }
    }
}

TEST_F(BandTest, CutMovesTheBandToTheStartOfTheBuffersOfItsMode) {
    for (const std::int32_t mode : {kSingleTrace, kProfileSpectrum}) {
        SCOPED_TRACE(mode);
        const bool profile = mode == kProfileSpectrum;
        FillBinFrequencies(buffers_, axis_);
        ReservePointRows(buffers_, 3);
        std::iota(buffers_.SpectrumRows.begin(), buffers_.SpectrumRows.begin() + 5121, 0.0f);
        for (std::size_t j = 0; j < 4; ++j) {
            double* row = buffers_.ProfileSpectrumGrid.data() + j * kMatrixRowStride;
            std::iota(row, row + 5121, 1000.0 * j);
        }
        CutBand(buffers_, mode, BandBins{6, 191}, 3);
        EXPECT_EQ(buffers_.BinFrequencies[0], 94u);
        EXPECT_EQ(buffers_.BinFrequencies[185], 3008u);
        EXPECT_EQ(buffers_.SpectrumRows[185], profile ? 185.0f : 191.0f);
        for (std::size_t j = 0; j < 4; ++j) {  // row 3 lies past the points
            const double moved = profile && j < 3 ? 6.0 : 0.0;
            EXPECT_EQ(buffers_.ProfileSpectrumGrid[j * kMatrixRowStride + 185],
                      1000.0 * j + 185 + moved);
        }
    }
}

}  // namespace
}  // namespace karvelo
