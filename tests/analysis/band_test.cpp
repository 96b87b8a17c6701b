#include "analysis/band.h"

#include <gtest/gtest.h>

#include <numeric>
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

    AnalysisRequest Band(std::int32_t fMin, std::int32_t fMax) {
        AnalysisRequest request;
        request.Controls = &controls_;
        request.FMin = fMin;
        request.FMax = fMax;
        return request;
    }
};

TEST_F(BandTest, FrequencyAxisOfTheBuiltInProfiles) {
    const FrequencyAxis axis = BuiltInAxis();
    EXPECT_NEAR(axis.Step, 15.751008, 1e-6);
    EXPECT_DOUBLE_EQ(axis.Step, 500000.0 / 31744.0);
    EXPECT_EQ(axis.BinCount, 5121u);
    EXPECT_EQ(axis.Top, 80645);
    const std::vector<std::uint32_t> start(BinFrequencies.begin(), BinFrequencies.begin() + 5);
    EXPECT_EQ(start, (std::vector<std::uint32_t>{0, 15, 31, 47, 63}));
    EXPECT_EQ(BinFrequencies[5120], 80645u);
    EXPECT_EQ(BinFrequencies[5121], 0u);  // nothing written past M
}

TEST_F(BandTest, OtherTraceLengthsAreScaledForPicoseconds) {
    const FrequencyAxis axis = MakeFrequencyAxis(1000, 50);
    EXPECT_DOUBLE_EQ(axis.Step, 5.0e11 / (500.0 * 50.0));
    EXPECT_EQ(axis.BinCount, 2501u);
    EXPECT_EQ(axis.Top, 2147483647);  // 5e10 Hz does not fit: clamped

    // Whole-Hz frequencies above the 32-bit range are clamped, not wrapped.
    std::vector<std::uint32_t> frequencies(3);
    FillFrequencies(frequencies, 3.0e9);
    EXPECT_EQ(frequencies, (std::vector<std::uint32_t>{0, 3000000000u, 4294967295u}));
}

TEST_F(BandTest, SelectsTheBinAtOrJustBelowEachLimit) {
    BuiltInAxis();
    struct Case {
        std::int32_t fMin;
        std::int32_t fMax;
        std::uint32_t first;
        std::uint32_t last;
    };
    const Case cases[] = {
        {0, 3000, 0, 191},        // 3008 Hz is the first bin at or above 3000
        {100, 3000, 6, 191},      // 94 Hz lies below 100, the next bin is 110 Hz
        {94, 3008, 6, 191},       // limits on bins select those bins
        {0, 80645, 0, 5120},      // the whole axis
        {1000, 90000, 63, 5120},  // above the top: up to the last bin
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.fMin << " .. " << c.fMax);
        const std::optional<BandBins> band = SelectRequestBand(Band(c.fMin, c.fMax), 5121);
        ASSERT_TRUE(band.has_value());
        EXPECT_EQ(band->First, c.first);
        EXPECT_EQ(band->Last, c.last);
        EXPECT_EQ(band->Count(), c.last - c.first + 1);
    }
    EXPECT_EQ(BinFrequencies[6], 94u);
    EXPECT_EQ(BinFrequencies[191], 3008u);
    EXPECT_TRUE(sink_.messages.empty());
}

TEST_F(BandTest, RefusesBandsOfFewerThanTwoBins) {
    BuiltInAxis();
    struct Case {
        const char* name;
        std::int32_t fMin;
        std::int32_t fMax;
    };
    const Case cases[] = {
        {"fMin above fMax", 3000, 100},
        {"fMin above fMax by one Hz", 100, 99},
        {"negative fMax", 0, -1},
        {"both limits on one bin", 15, 15},
        {"zero band", 0, 0},
        {"negative fMin", -100, 3000},
        {"band above the top", 90000, 100000},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        sink_.messages.clear();
        EXPECT_FALSE(SelectRequestBand(Band(c.fMin, c.fMax), 5121).has_value());
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

TEST_F(BandTest, ResetAfterALoadOnlyLowersTheUpperLimit) {
    struct Case {
        std::int32_t fMax;
        std::int32_t expectedMax;
    };
    for (const Case c : {Case{3000, 3000}, Case{90000, 80645}}) {
        AnalysisRequest request = Band(500, c.fMax);
        ResetBandRequest = true;
        BandLimitOnly = true;
        ResetBand(request, 80645);
        EXPECT_EQ(request.FMin, 0);
        EXPECT_EQ(request.FMax, c.expectedMax);
        EXPECT_FALSE(ResetBandRequest);
        EXPECT_FALSE(BandLimitOnly);
    }
}

TEST_F(BandTest, ResetButtonOpensTheWholeAxis) {
    AnalysisRequest request = Band(500, 3000);
    ResetBandRequest = true;
    ResetBand(request, 80645);
    EXPECT_EQ(request.FMin, 0);
    EXPECT_EQ(request.FMax, 80645);
    EXPECT_FALSE(ResetBandRequest);

    // Without a request nothing changes.
    request = Band(500, 3000);
    ResetBand(request, 80645);
    EXPECT_EQ(request.FMin, 500);
    EXPECT_EQ(request.FMax, 3000);
}

TEST_F(BandTest, CutMovesTheBandToTheStartOfEveryBufferInUse) {
    BuiltInAxis();
    std::iota(SpectrumRows.begin(), SpectrumRows.begin() + 5121, 0.0f);
    for (std::size_t j = 0; j < 3; ++j) {
        std::iota(ProfileSpectrumGrid.begin() + j * kMatrixRowStride,
                  ProfileSpectrumGrid.begin() + j * kMatrixRowStride + 5121, 1000.0 * j);
    }
    const BandBins band{6, 191};

    CutBand(kSingleTrace, band, 3);
    EXPECT_EQ(BinFrequencies[0], 94u);
    EXPECT_EQ(BinFrequencies[185], 3008u);
    EXPECT_EQ(SpectrumRows[0], 6.0f);
    EXPECT_EQ(SpectrumRows[185], 191.0f);
    EXPECT_EQ(ProfileSpectrumGrid[0], 0.0);  // mode 3 rows are not touched in modes 0-2

    BuiltInAxis();
    CutBand(kProfileSpectrum, band, 3);
    for (std::size_t j = 0; j < 3; ++j) {
        EXPECT_EQ(ProfileSpectrumGrid[j * kMatrixRowStride], 1000.0 * j + 6) << j;
        EXPECT_EQ(ProfileSpectrumGrid[j * kMatrixRowStride + 185], 1000.0 * j + 191) << j;
    }
    EXPECT_EQ(ProfileSpectrumGrid[3 * kMatrixRowStride], 0.0);
}

}  // namespace
}  // namespace karvelo
