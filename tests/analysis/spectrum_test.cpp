#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numeric>
#include <vector>

#include "analysis/amplitude_spectrum.h"
#include "analysis/analysis_buffers.h"
#include "analysis/correlation.h"
#include "analysis/resample.h"
#include "analysis/spectrum_modes.h"
#include "analysis_test_support.h"

namespace karvelo {
namespace {

// Profiles of 64-sample traces, 10 us apart (spectrum of 161 bins).
class SpectrumModesTest : public testing::AnalysisTest {
  protected:
    static constexpr std::uint16_t kSamples = 64;
    static constexpr std::uint32_t kBins = kResampleFactor * kSamples / 2 + 1;

    std::vector<float> Selection() {
        return {buffers_.SelectionSpectrum.begin(), buffers_.SelectionSpectrum.begin() + kBins};
    }
};

TEST_F(SpectrumModesTest, EachModeTransformsItsTracesOfThePoint) {
    // Point 2 owns records 2 and 3; a constant trace has its whole spectrum at bin 0, two
    // opposite traces average to zero (a zero spectrum, not NaN).
    WriteProfile(4, 10, kSamples, 2);
    WriteTrace(2, Sine(3.0, 1.0, kSamples));
    WriteTrace(3, [](std::size_t) { return 5.0; });
    ASSERT_TRUE(ComputeSpectra(profile_, buffers_, NewRequest(kSingleTrace, 2, 1)));
    EXPECT_EQ(buffers_.SelectionSpectrum[0], 1.0f);
    EXPECT_LT(*std::max_element(buffers_.SelectionSpectrum.begin() + 1,
                                buffers_.SelectionSpectrum.begin() + kBins),
              1e-6f);
    EXPECT_TRUE(std::equal(buffers_.SelectionSpectrum.begin(),
                           buffers_.SelectionSpectrum.begin() + kBins,
                           buffers_.SpectrumRows.begin()));
    WriteTrace(0, Sine(3.0, 1.0, kSamples));
    WriteTrace(1, Sine(3.0, -1.0, kSamples));
    ASSERT_TRUE(ComputeSpectra(profile_, buffers_, NewRequest(kAveragedSpectrum, 1)));
    EXPECT_EQ(Selection(), std::vector<float>(kBins, 0.0f));

    // The product stays within 0 and 1 and is 1 where every factor peaks.
    WriteTrace(1, [](std::size_t s) { return 3.0 * Sine(3.0, 1.0, kSamples)(s) + 0.01 * (s % 3); });
    ASSERT_TRUE(ComputeSpectra(profile_, buffers_, NewRequest(kSingleTrace, 1, 0)));
    const std::vector<float> first = Selection();
    const auto peak = std::max_element(first.begin(), first.end()) - first.begin();
    ASSERT_TRUE(ComputeSpectra(profile_, buffers_, NewRequest(kSpectrumProduct, 1)));
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
        buffers_.SelectionSpectrum.fill(0.5f);
        for (const std::int32_t mode : {kSingleTrace, kAveragedSpectrum, kSpectrumProduct}) {
            EXPECT_FALSE(ComputeSpectra(profile_, buffers_, NewRequest(mode, c.point, c.trace)));
        }
        EXPECT_EQ(sink_.messages, std::vector<std::string>(3, "Invalid value entered."));
        EXPECT_EQ(buffers_.SelectionSpectrum[0], 0.5f);
        EXPECT_EQ(buffers_.SpectrumRows[0], 0.0f);
    }
}

constexpr double kSentinel = -7.0;

// A trace with no symmetry of its own: a decaying chirp.
std::vector<double> Chirp(std::size_t n) {
    std::vector<double> x(n);
    for (std::size_t i = 0; i < n; ++i) {
        const double t = static_cast<double>(i);
        x[i] = std::exp(-t / 40.0) * std::sin(0.02 * t * t) + 0.1 * std::cos(0.3 * t);
    }
    return x;
}

TEST(CrossCorrelationTest, ShiftedCopyPeaksAtTheShift) {
    const std::size_t n = 200;
    const std::vector<double> x = Chirp(n);
    for (const int shift : {-9, 0, 17}) {
        SCOPED_TRACE(shift);
        // y repeats x `shift` samples later.
        std::vector<double> y(n, 0.0);
        const auto end = static_cast<std::ptrdiff_t>(n) + std::min(0, shift);
        for (std::ptrdiff_t i = std::max(0, shift); i < end; ++i) {
            y[i] = x[i - shift];
        }
        const int lags = 30;
        std::vector<double> out(2 * lags + 1);
        ASSERT_FALSE(CrossCorrelation(x, y, lags, out));
        const auto peak = std::max_element(out.begin(), out.end()) - out.begin();
        EXPECT_EQ(peak - lags, shift);
    }
    // x = y = (1, -1, 1, -1): mean 0, deviation 1; lag 1 sums three products of -1, and
    // every lag is divided by N.
    const std::vector<double> alternating = {1.0, -1.0, 1.0, -1.0};
    std::vector<double> out(5);
    ASSERT_FALSE(CrossCorrelation(alternating, alternating, 2, out));
    EXPECT_EQ(out, (std::vector<double>{0.5, -0.75, 1.0, -0.75, 0.5}));
}

// Each lag summed alone as the values are defined: term i of the overlap into partial
// sum i % 4 while whole blocks of four last, the rest into the first.
double LagAlone(const std::vector<double>& dx, const std::vector<double>& dy, std::ptrdiff_t k) {
    const auto n = static_cast<std::ptrdiff_t>(dx.size());
    const std::ptrdiff_t begin = std::max<std::ptrdiff_t>(0, -k);
    const std::ptrdiff_t terms = std::min(n, n - k) - begin;
    double s[4] = {0.0, 0.0, 0.0, 0.0};
    for (std::ptrdiff_t j = 0; j < terms; ++j) {
        s[j < terms / 4 * 4 ? j % 4 : 0] += dx[begin + j] * dy[begin + j + k];
    }
    return (s[0] + s[1]) + (s[2] + s[3]);
}

TEST(CrossCorrelationTest, LagsSummedFourAtATimeAreThoseSummedAlone) {
    for (const std::size_t n : {5, 8, 203, 2048}) {
        const std::vector<double> x = Chirp(n);
        std::vector<double> y = Chirp(n + 7);
        y.erase(y.begin(), y.begin() + 7);
        const double meanX = std::accumulate(x.begin(), x.end(), 0.0) / n;
        const double meanY = std::accumulate(y.begin(), y.end(), 0.0) / n;
        std::vector<double> dx(n), dy(n);
        double sx = 0.0, sy = 0.0;
        for (std::size_t i = 0; i < n; ++i) {
            dx[i] = x[i] - meanX;
            dy[i] = y[i] - meanY;
            sx += dx[i] * dx[i];
            sy += dy[i] * dy[i];
        }
        const double scale = std::sqrt(sx / n) * std::sqrt(sy / n);
        for (const int lags :
             {0, 1, std::min(6, static_cast<int>(n) - 1), static_cast<int>(n) - 1}) {
            SCOPED_TRACE(::testing::Message() << n << " samples, " << lags << " lags");
            std::vector<double> out(2 * lags + 1);
            ASSERT_FALSE(CrossCorrelation(x, y, lags, out));
            for (int k = -lags; k <= lags; ++k) {
                EXPECT_EQ(out[k + lags], LagAlone(dx, dy, k) / static_cast<double>(n) / scale)
                    << "lag " << k;
            }
        }
    }
}

TEST(CrossCorrelationTest, RefusesInvalidArgumentsWithoutWriting) {
    const std::vector<double> x = Chirp(8);
    const std::vector<double> flat(8, 2.5);
    struct Case {
        const char* name;
        std::vector<double> x;
        std::vector<double> y;
        int lags;
        std::size_t outSize;
    };
    const Case cases[] = {
        {"empty traces", {}, {}, 0, 1},           {"negative lag", x, x, -1, 1},
        {"lag reaching the length", x, x, 8, 17}, {"output too short", x, x, 3, 6},
        {"different lengths", x, Chirp(9), 2, 5}, {"constant first trace", flat, x, 2, 5},
        {"constant second trace", x, flat, 2, 5},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<double> out(c.outSize, kSentinel);
        EXPECT_TRUE(CrossCorrelation(c.x, c.y, c.lags, out));
        EXPECT_TRUE(std::all_of(out.begin(), out.end(), [](double v) { return v == kSentinel; }));
    }
}

}  // namespace
}  // namespace karvelo
