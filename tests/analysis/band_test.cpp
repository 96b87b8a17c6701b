#include "analysis/band.h"

#include <gtest/gtest.h>

#include <numeric>
#include <utility>
#include <vector>

#include "analysis/analysis_buffers.h"
#include "analysis/frequency_axis.h"
#include "analysis_test_support.h"
#include "profile/builtin_profiles.h"

namespace karvelo {
namespace {

class BandTest : public testing::AnalysisTest {
  protected:
    // The frequency axis of the built-in profiles (2048 samples, 31 us) in BinFrequencies.
    static FrequencyAxis BuiltInAxis() {
        const FrequencyAxis axis =
            MakeFrequencyAxis(kBuiltInSamplesPerTrace, kBuiltInSampleInterval);
        FillBinFrequencies(axis);
        return axis;
    }

    std::optional<BandBins> Select(std::int32_t fMin, std::int32_t fMax) {
        AnalysisRequest request = NewRequest();
        request.FMin = fMin;
        request.FMax = fMax;
        return SelectRequestBand(request, 5121);
    }
};

TEST_F(BandTest, FrequencyAxisOfTheBuiltInProfiles) {
    const FrequencyAxis axis = BuiltInAxis();
    EXPECT_NEAR(axis.Step, 15.751008, 1e-6);
    EXPECT_EQ(axis.BinCount, 5121u);
    EXPECT_EQ(axis.Top, 80645);
    const std::vector<std::uint32_t> start(BinFrequencies.begin(), BinFrequencies.begin() + 5);
    EXPECT_EQ(start, (std::vector<std::uint32_t>{0, 15, 31, 47, 63}));
    EXPECT_EQ(BinFrequencies[5120], 80645u);
    EXPECT_EQ(BinFrequencies[5121], 0u);  // nothing written past M
}

TEST_F(BandTest, FrequenciesBeyondTheirRangeAreClampedNotWrapped) {
    EXPECT_EQ(MakeFrequencyAxis(1000, 50).Top, 2147483647);  // 5e10 Hz at picoseconds
    std::vector<std::uint32_t> frequencies(3);
    FillFrequencies(frequencies, 3.0e9);
    EXPECT_EQ(frequencies, (std::vector<std::uint32_t>{0, 3000000000u, 4294967295u}));
}

TEST_F(BandTest, SelectsTheBinAtOrJustBelowEachLimit) {
    BuiltInAxis();
    struct Case {
        std::int32_t fMin, fMax;
        std::uint32_t first, last;
    };
    const Case cases[] = {
        {0, 3000, 0, 191},        // 3008 Hz is the first bin at or above 3000
        {100, 3000, 6, 191},      // 94 Hz lies below 100, the next bin is 110 Hz
        {94, 3008, 6, 191},       // limits on bins select those bins
        {1000, 90000, 63, 5120},  // above the top: up to the last bin
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.fMin << " .. " << c.fMax);
        const std::optional<BandBins> band = Select(c.fMin, c.fMax);
        ASSERT_TRUE(band.has_value());
        EXPECT_EQ(band->First, c.first);
        EXPECT_EQ(band->Last, c.last);
    }
    EXPECT_TRUE(sink_.messages.empty());
}

TEST_F(BandTest, RefusesBandsOfFewerThanTwoBins) {
    BuiltInAxis();
    // fMin above fMax by one Hz still spans bins 6 and 7; each other band covers 0 or 1 bin
    // or has a negative limit.
    const std::pair<std::int32_t, std::int32_t> bands[] = {
        {100, 99}, {0, -1}, {15, 15}, {-100, 3000}, {90000, 100000}};
    for (const auto& [fMin, fMax] : bands) {
        SCOPED_TRACE(::testing::Message() << fMin << " .. " << fMax);
        sink_.messages.clear();
        EXPECT_FALSE(Select(fMin, fMax).has_value());
        EXPECT_EQ(sink_.messages, (std::vector<std::string>{"Invalid value entered."}));
    }
}

TEST_F(BandTest, SelectionStaysInsideTheAxisForAnyLimits) {
    const std::vector<std::uint32_t> axis = {0, 10, 20, 30};
    for (const std::int32_t fMin : {-1, 0, 5, 30, 31, 2147483647}) {
        for (const std::int32_t fMax : {-2147483647 - 1, -1, 0, 15, 30, 1000}) {
            const BandBins band = SelectBand(fMin, fMax, axis);
            EXPECT_LT(band.First, axis.size()) << fMin << " .. " << fMax;
            EXPECT_LT(band.Last, axis.size()) << fMin << " .. " << fMax;
        }
    }
}

TEST_F(BandTest, CutMovesTheBandToTheStartOfEveryBufferInUse) {
    BuiltInAxis();
    std::iota(SpectrumRows.begin(), SpectrumRows.begin() + 5121, 0.0f);
    for (std::size_t j = 0; j < 3; ++j) {
        double* row = ProfileSpectrumGrid.data() + j * kMatrixRowStride;
        std::iota(row, row + 5121, 1000.0 * j);
    }
    const BandBins band{6, 191};

    CutBand(kSingleTrace, band, 3);
    EXPECT_EQ(BinFrequencies[185], 3008u);
    EXPECT_EQ(SpectrumRows[0], 6.0f);
    EXPECT_EQ(SpectrumRows[185], 191.0f);
    EXPECT_EQ(ProfileSpectrumGrid[0], 0.0);  // mode 3 rows are not touched in modes 0-2

    BuiltInAxis();
    CutBand(kProfileSpectrum, band, 3);
    EXPECT_EQ(BinFrequencies[0], 94u);
    for (std::size_t j = 0; j < 3; ++j) {
        EXPECT_EQ(ProfileSpectrumGrid[j * kMatrixRowStride], 1000.0 * j + 6) << j;
        EXPECT_EQ(ProfileSpectrumGrid[j * kMatrixRowStride + 185], 1000.0 * j + 191) << j;
    }
    EXPECT_EQ(ProfileSpectrumGrid[3 * kMatrixRowStride], 0.0);
}

}  // namespace
}  // namespace karvelo
