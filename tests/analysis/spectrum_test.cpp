#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <span>
#include <vector>

#include "analysis/amplitude_spectrum.h"
#include "analysis/analysis_buffers.h"
#include "analysis/resample.h"
#include "analysis/spectrum_modes.h"
#include "analysis_test_support.h"

namespace karvelo {
namespace {

TEST(NormaliseSpectrumTest, FactorsPeakAtOne) {
    std::vector<float> out(4, -1.0f);
    NormaliseSpectrum(std::vector<double>{1.0, 4.0, 2.0, 4.0}, out, true);
    EXPECT_EQ(out, (std::vector<float>{0.25f, 1.0f, 0.5f, 1.0f}));
    NormaliseSpectrum(std::vector<double>{2.0, 2.0, 1.0, 0.0}, out, false);
    EXPECT_EQ(out, (std::vector<float>{0.25f, 1.0f, 0.25f, 0.0f}));
}

// Profiles of 64-sample traces, 10 us apart (spectrum of 161 bins).
class SpectrumModesTest : public testing::AnalysisTest {
  protected:
    static constexpr std::uint16_t kSamples = 64;
    static constexpr std::uint32_t kBins = kResampleFactor * kSamples / 2 + 1;

    static std::vector<float> Selection() {
        return {SelectionSpectrum.begin(), SelectionSpectrum.begin() + kBins};
    }
};

TEST_F(SpectrumModesTest, EachModeTransformsItsTracesOfThePoint) {
    // Point 2 owns records 2 and 3; a constant trace has its whole spectrum at bin 0, two
    // opposite traces average to zero (a zero spectrum, not NaN).
    WriteProfile(4, 10, kSamples, 2);
    WriteTrace(2, Sine(3.0, 1.0, kSamples));
    WriteTrace(3, [](std::size_t) { return 5.0; });
    ASSERT_TRUE(ComputeSpectra(NewRequest(kSingleTrace, 2, 1)));
    std::vector<float> constant(kBins, 0.0f);
    constant[0] = 1.0f;
    for (std::size_t i = 0; i < kBins; ++i) {
        EXPECT_NEAR(SelectionSpectrum[i], constant[i], 1e-6f) << i;
    }
    EXPECT_TRUE(std::equal(SelectionSpectrum.begin(), SelectionSpectrum.begin() + kBins,
                           SpectrumRows.begin()));
    WriteTrace(0, Sine(3.0, 1.0, kSamples));
    WriteTrace(1, Sine(3.0, -1.0, kSamples));
    ASSERT_TRUE(ComputeSpectra(NewRequest(kAveragedSpectrum, 1)));
    EXPECT_EQ(Selection(), std::vector<float>(kBins, 0.0f));
}

TEST_F(SpectrumModesTest, ProductStaysWithinZeroAndOneAndIsOneWhereEveryFactorPeaks) {
    WriteProfile(2, 10, kSamples, 2);
    WriteTrace(0, Sine(4.0, 1.0, kSamples));
    WriteTrace(1, [](std::size_t s) { return 3.0 * Sine(4.0, 1.0, kSamples)(s) + 0.01 * (s % 3); });
    ASSERT_TRUE(ComputeSpectra(NewRequest(kSingleTrace, 1, 0)));
    const std::vector<float> first = Selection();
    const auto peak = std::max_element(first.begin(), first.end()) - first.begin();
    ASSERT_TRUE(ComputeSpectra(NewRequest(kSpectrumProduct, 1)));
    const std::vector<float> product = Selection();
    EXPECT_EQ(product[peak], 1.0f);
    // The second factor, at most 1, lowers the first wherever the ripple adds bins.
    for (std::size_t i = 0; i < kBins; ++i) {
        EXPECT_LE(product[i], first[i]) << i;
    }
    EXPECT_NE(product, first);
}

TEST_F(SpectrumModesTest, RefusedSelectionsReportErrorAndLeaveTheSpectrumAlone) {
    struct Case {
        const char* name;
        std::uint16_t interval;
        std::uint16_t samples;
        std::uint32_t point;
        std::uint32_t trace;
        bool infiniteSample = false;
    };
    const Case cases[] = {
        {"zero sample interval", 0, kSamples, 1, 0},
        {"one sample per trace", 10, 1, 1, 0},
        {"too many samples", 10, kMaxSamplesPerTrace + 1, 1, 0},
        {"point 0", 10, kSamples, 0, 0},
        {"point after the last", 10, kSamples, 3, 0},
        {"trace after the last", 10, kSamples, 1, 2},
        {"infinite sample: refused, no exception", 10, kSamples, 1, 0, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ResetAll();
        sink_.messages.clear();
        WriteProfile(4, c.interval, c.samples, 2);
        if (c.infiniteSample) {
            WriteTrace(0, [](std::size_t s) { return s == 5 ? HUGE_VAL : 1.0; });
        }
        SelectionSpectrum.fill(0.5f);
        for (const std::int32_t mode : {kSingleTrace, kAveragedSpectrum, kSpectrumProduct}) {
            EXPECT_FALSE(ComputeSpectra(NewRequest(mode, c.point, c.trace)));
        }
        EXPECT_EQ(sink_.messages, std::vector<std::string>(3, "Invalid value entered."));
        EXPECT_EQ(SelectionSpectrum[0], 0.5f);
        EXPECT_EQ(SpectrumRows[0], 0.0f);
    }
}

TEST_F(SpectrumModesTest, ProfileSpectrumIsTheProductOfRawSpectraPerPoint) {
    // Constant traces: the raw spectrum of a constant c is 5 N c at bin 0, zero elsewhere.
    WriteProfile(4, 10, kSamples, 2);
    const double levels[] = {1.0, 2.0, 0.5, 3.0};
    for (std::size_t r = 0; r < 4; ++r) {
        WriteTrace(r, [&](std::size_t) { return levels[r]; });
    }
    ASSERT_TRUE(ComputeSpectra(NewRequest(kProfileSpectrum, 1)));
    const double n = kResampleFactor * kSamples;
    for (std::size_t j = 0; j < 2; ++j) {
        const double* row = ProfileSpectrumGrid.data() + j * kMatrixRowStride;
        EXPECT_NEAR(row[0], n * levels[2 * j] * n * levels[2 * j + 1], 1e-6) << j;
        EXPECT_NEAR(*std::max_element(row + 1, row + kBins), 0.0, 1e-6) << j;
    }
}

}  // namespace
}  // namespace karvelo
