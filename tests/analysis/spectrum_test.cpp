#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>
#include <vector>

#include "analysis/amplitude_spectrum.h"
#include "analysis/analysis_buffers.h"
#include "analysis/resample.h"
#include "analysis/spectrum_modes.h"
#include "analysis_test_support.h"

namespace karvelo {
namespace {

constexpr double kSentinel = -12345.0;

TEST(ResampleTest, LinearSignalsAreResampledExactly) {
    // A ramp and a constant are their own linear splines, so every resampled value is
    // known: the ramp 2 t + 1 sampled every 31 us.
    const std::size_t n = 8;
    const std::uint32_t dt = 31;
    std::vector<double> ramp(n);
    for (std::size_t i = 0; i < n; ++i) {
        ramp[i] = 2.0 * static_cast<double>(i * dt) + 1.0;
    }
    std::vector<double> out(kResampleFactor * n + 1, kSentinel);
    ASSERT_TRUE(ResampleFivefold(ramp, dt, out));
    const double h =
        static_cast<double>((n - 1) * dt) / static_cast<double>(kResampleFactor * n - 1);
    for (std::size_t m = 0; m < kResampleFactor * n; ++m) {
        EXPECT_NEAR(out[m], 2.0 * static_cast<double>(m) * h + 1.0, 1e-9) << m;
    }
    EXPECT_DOUBLE_EQ(out.front(), ramp.front());
    EXPECT_NEAR(out[kResampleFactor * n - 1], ramp.back(), 1e-9);
    EXPECT_EQ(out.back(), kSentinel);  // nothing written past 5N

    const std::vector<double> constant(n, 3.5);
    ASSERT_TRUE(ResampleFivefold(constant, dt, out));
    for (std::size_t m = 0; m < kResampleFactor * n; ++m) {
        EXPECT_DOUBLE_EQ(out[m], 3.5);
    }
}

TEST(ResampleTest, RefusesWhatTheSplineCannotTake) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    struct Case {
        const char* name;
        std::vector<double> samples;
        std::uint32_t interval;
        std::size_t outSize;
    };
    const Case cases[] = {
        {"one sample", {1.0}, 31, 5},
        {"no samples", {}, 31, 5},
        {"zero interval", {1.0, 2.0, 3.0}, 0, 15},
        {"output too short", {1.0, 2.0, 3.0}, 31, 14},
        {"not a number", {1.0, nan, 3.0}, 31, 15},
        {"infinite", {1.0, std::numeric_limits<double>::infinity(), 3.0}, 31, 15},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<double> out(c.outSize, kSentinel);
        EXPECT_FALSE(ResampleFivefold(c.samples, c.interval, out));
        EXPECT_TRUE(std::all_of(out.begin(), out.end(), [](double v) { return v == kSentinel; }));
    }
}

TEST(AmplitudeSpectrumTest, KnownSpectra) {
    const std::size_t n = 64;
    std::vector<double> magnitudes(n / 2 + 2, kSentinel);

    // Constant c: all of n c at bin 0.
    ASSERT_TRUE(ComputeMagnitudes(std::vector<double>(n, 0.5), magnitudes));
    EXPECT_NEAR(magnitudes[0], 0.5 * n, 1e-9);
    for (std::size_t k = 1; k <= n / 2; ++k) {
        EXPECT_NEAR(magnitudes[k], 0.0, 1e-9) << k;
    }
    EXPECT_EQ(magnitudes[n / 2 + 1], kSentinel);

    // A sine of 5 periods: amplitude * n / 2 at bin 5 only (no scaling).
    std::vector<double> sine(n);
    for (std::size_t i = 0; i < n; ++i) {
        sine[i] = 2.0 * std::sin(2.0 * std::numbers::pi * 5.0 * static_cast<double>(i) / n);
    }
    ASSERT_TRUE(ComputeMagnitudes(sine, magnitudes));
    for (std::size_t k = 0; k <= n / 2; ++k) {
        EXPECT_NEAR(magnitudes[k], k == 5 ? 2.0 * n / 2 : 0.0, 1e-9) << k;
    }

    // An impulse: a flat magnitude of its height, whatever its position.
    std::vector<double> impulse(n, 0.0);
    impulse[7] = 3.0;
    ASSERT_TRUE(ComputeMagnitudes(impulse, magnitudes));
    for (std::size_t k = 0; k <= n / 2; ++k) {
        EXPECT_NEAR(magnitudes[k], 3.0, 1e-12) << k;
    }
}

TEST(AmplitudeSpectrumTest, OddLengthAndRefusals) {
    std::vector<double> magnitudes(3, kSentinel);
    ASSERT_TRUE(ComputeMagnitudes(std::vector<double>{1.0, 1.0, 1.0, 1.0, 1.0}, magnitudes));
    EXPECT_NEAR(magnitudes[0], 5.0, 1e-12);
    EXPECT_NEAR(magnitudes[2], 0.0, 1e-12);

    std::vector<double> small(2, kSentinel);
    EXPECT_FALSE(ComputeMagnitudes(std::vector<double>(8, 1.0), small));
    EXPECT_FALSE(ComputeMagnitudes(std::vector<double>{}, small));
    EXPECT_EQ(small[0], kSentinel);
}

TEST(NormaliseSpectrumTest, FactorsPeakAtOneAndZeroStaysZero) {
    std::vector<float> out(4, -1.0f);
    NormaliseSpectrum(std::vector<double>{1.0, 4.0, 2.0, 4.0}, out, true);
    EXPECT_EQ(out, (std::vector<float>{0.25f, 1.0f, 0.5f, 1.0f}));

    NormaliseSpectrum(std::vector<double>{2.0, 2.0, 1.0, 0.0}, out, false);
    EXPECT_EQ(out, (std::vector<float>{0.25f, 1.0f, 0.25f, 0.0f}));

    // An all-zero spectrum is zeros, as factor and as product.
    NormaliseSpectrum(std::vector<double>(4, 0.0), out, false);
    EXPECT_EQ(out, std::vector<float>(4, 0.0f));
    out.assign(4, -1.0f);
    NormaliseSpectrum(std::vector<double>(4, 0.0), out, true);
    EXPECT_EQ(out, std::vector<float>(4, 0.0f));
}

// Profiles of 64-sample traces, 10 us apart (spectrum of 161 bins).
class SpectrumModesTest : public testing::AnalysisTest {
  protected:
    static constexpr std::uint16_t kSamples = 64;
    static constexpr std::uint32_t kBins = kResampleFactor * kSamples / 2 + 1;

    AnalysisRequest Request(std::int32_t mode, std::uint32_t point, std::uint32_t trace = 0) {
        AnalysisRequest request;
        request.Controls = &controls_;
        request.SpectrumMode = mode;
        request.PointNumber = point;
        request.TraceNumber = trace;
        return request;
    }

    static std::vector<float> Selection() {
        return {SelectionSpectrum.begin(), SelectionSpectrum.begin() + kBins};
    }

    static bool AllFinite(const std::vector<float>& values) {
        return std::all_of(values.begin(), values.end(), [](float v) { return std::isfinite(v); });
    }
};

TEST_F(SpectrumModesTest, OneHitPerPointGivesTheSameSpectrumInModesZeroToTwo) {
    WriteProfile(2, 10, kSamples, 1);
    WriteTrace(0, Sine(3.0, 1.0, kSamples));
    WriteTrace(1, Sine(7.0, 2.0, kSamples));
    ASSERT_TRUE(ComputeSpectra(Request(kSingleTrace, 2)));
    const std::vector<float> single = Selection();
    for (const std::int32_t mode : {kAveragedSpectrum, kSpectrumProduct}) {
        SCOPED_TRACE(mode);
        ASSERT_TRUE(ComputeSpectra(Request(mode, 2)));
        EXPECT_EQ(Selection(), single);
    }
    EXPECT_EQ(*std::max_element(single.begin(), single.end()), 1.0f);
    // Row 0 of SpectrumRows carries the same values.
    EXPECT_TRUE(std::equal(single.begin(), single.end(), SpectrumRows.begin()));
}

TEST_F(SpectrumModesTest, ModeZeroTransformsTheChosenTraceOfThePoint) {
    // Point 2 owns records 2 and 3; a constant trace has its whole spectrum at bin 0.
    WriteProfile(4, 10, kSamples, 2);
    WriteTrace(2, Sine(3.0, 1.0, kSamples));
    WriteTrace(3, [](std::size_t) { return 5.0; });
    ASSERT_TRUE(ComputeSpectra(Request(kSingleTrace, 2, 1)));
    EXPECT_EQ(SelectionSpectrum[0], 1.0f);
    EXPECT_NEAR(*std::max_element(SelectionSpectrum.begin() + 1, SelectionSpectrum.begin() + kBins),
                0.0f, 1e-6f);
}

TEST_F(SpectrumModesTest, AveragedSpectrumAveragesTheWaveforms) {
    // Two opposite traces average to zero: a zero spectrum, not NaN.
    WriteProfile(2, 10, kSamples, 2);
    WriteTrace(0, Sine(3.0, 1.0, kSamples));
    WriteTrace(1, Sine(3.0, -1.0, kSamples));
    ASSERT_TRUE(ComputeSpectra(Request(kAveragedSpectrum, 1)));
    EXPECT_EQ(Selection(), std::vector<float>(kBins, 0.0f));

    // The spectrum of each trace alone is not zero.
    ASSERT_TRUE(ComputeSpectra(Request(kSingleTrace, 1, 1)));
    EXPECT_EQ(*std::max_element(SelectionSpectrum.begin(), SelectionSpectrum.begin() + kBins),
              1.0f);
}

TEST_F(SpectrumModesTest, ProductStaysWithinZeroAndOneAndIsOneWhereEveryFactorPeaks) {
    WriteProfile(2, 10, kSamples, 2);
    WriteTrace(0, Sine(4.0, 1.0, kSamples));
    WriteTrace(1, [](std::size_t s) { return 3.0 * Sine(4.0, 1.0, kSamples)(s) + 0.01 * (s % 3); });
    ASSERT_TRUE(ComputeSpectra(Request(kSingleTrace, 1, 0)));
    const auto peak =
        std::max_element(SelectionSpectrum.begin(), SelectionSpectrum.begin() + kBins) -
        SelectionSpectrum.begin();
    ASSERT_TRUE(ComputeSpectra(Request(kSingleTrace, 1, 1)));
    ASSERT_EQ(SelectionSpectrum[peak], 1.0f);  // both factors peak at the same bin

    ASSERT_TRUE(ComputeSpectra(Request(kSpectrumProduct, 1)));
    const std::vector<float> product = Selection();
    EXPECT_EQ(product[peak], 1.0f);
    EXPECT_TRUE(std::all_of(product.begin(), product.end(),
                            [](float v) { return v >= 0.0f && v <= 1.0f; }));
}

TEST_F(SpectrumModesTest, ZeroSignalGivesZerosInEveryMode) {
    WriteProfile(2, 10, kSamples, 2);
    for (const std::int32_t mode : {kSingleTrace, kAveragedSpectrum, kSpectrumProduct}) {
        SCOPED_TRACE(mode);
        SelectionSpectrum.fill(-1.0f);
        ASSERT_TRUE(ComputeSpectra(Request(mode, 1)));
        EXPECT_EQ(Selection(), std::vector<float>(kBins, 0.0f));
    }
}

TEST_F(SpectrumModesTest, RefusedSelectionsReportErrorAndLeaveTheSpectrumAlone) {
    struct Case {
        const char* name;
        std::uint16_t interval;
        std::uint16_t samples;
        std::uint32_t point;
        std::uint32_t trace;
    };
    const Case cases[] = {
        {"zero sample interval", 0, kSamples, 1, 0},
        {"one sample per trace", 10, 1, 1, 0},
        {"too many samples", 10, kMaxSamplesPerTrace + 1, 1, 0},
        {"point 0", 10, kSamples, 0, 0},
        {"point after the last", 10, kSamples, 3, 0},
        {"trace after the last", 10, kSamples, 1, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ResetAll();
        sink_.messages.clear();
        WriteProfile(4, c.interval, c.samples, 2);
        SelectionSpectrum.fill(0.5f);
        for (const std::int32_t mode : {kSingleTrace, kAveragedSpectrum, kSpectrumProduct}) {
            EXPECT_FALSE(ComputeSpectra(Request(mode, c.point, c.trace)));
        }
        EXPECT_EQ(sink_.messages, std::vector<std::string>(3, "Invalid value entered."));
        EXPECT_EQ(SelectionSpectrum[0], 0.5f);
        EXPECT_EQ(SpectrumRows[0], 0.0f);
    }
}

TEST_F(SpectrumModesTest, NonFiniteSampleIsRefusedWithoutAnException) {
    WriteProfile(1, 10, kSamples, 1);
    WriteTrace(
        0, [](std::size_t s) { return s == 5 ? std::numeric_limits<double>::infinity() : 1.0; });
    SelectionSpectrum.fill(0.5f);
    EXPECT_FALSE(ComputeSpectra(Request(kSingleTrace, 1)));
    EXPECT_EQ(sink_.messages, (std::vector<std::string>{"Invalid value entered."}));
    EXPECT_EQ(SelectionSpectrum[0], 0.5f);
}

TEST_F(SpectrumModesTest, ProfileSpectrumIsTheProductOfRawSpectraPerPoint) {
    // Constant traces: the raw spectrum of a constant c is 5 N c at bin 0, zero elsewhere.
    WriteProfile(4, 10, kSamples, 2);
    const double levels[] = {1.0, 2.0, 0.5, 3.0};
    for (std::size_t r = 0; r < 4; ++r) {
        WriteTrace(r, [&](std::size_t) { return levels[r]; });
    }
    ASSERT_TRUE(ComputeSpectra(Request(kProfileSpectrum, 1)));
    const double n = kResampleFactor * kSamples;
    for (std::size_t j = 0; j < 2; ++j) {
        const double* row = ProfileSpectrumGrid.data() + j * kMatrixRowStride;
        EXPECT_NEAR(row[0], n * levels[2 * j] * n * levels[2 * j + 1], 1e-6) << j;
        for (std::size_t i = 1; i < kBins; ++i) {
            EXPECT_NEAR(row[i], 0.0, 1e-6) << j << ", " << i;
        }
    }
}

TEST_F(SpectrumModesTest, ProfileSpectrumRefusesProfilesItCannotServe) {
    WriteProfile(kMaxProfilePoints + 1, 10, kSamples, 1);
    EXPECT_FALSE(ComputeSpectra(Request(kProfileSpectrum, 1)));
    WriteProfile(4, 0, kSamples, 1);
    EXPECT_FALSE(ComputeSpectra(Request(kProfileSpectrum, 1)));
    EXPECT_EQ(sink_.messages, std::vector<std::string>(2, "Invalid value entered."));
}

}  // namespace
}  // namespace karvelo
