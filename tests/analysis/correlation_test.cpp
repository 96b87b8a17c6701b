#include "analysis/correlation.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

namespace karvelo {
namespace {

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
