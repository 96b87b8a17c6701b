// The resampling and the transforms keep what they can between traces (the positions of
// the resampled times, one FFTW plan per length). These tests hold them to what a full
// recomputation gives: ALGLIB's spline built and evaluated per trace, and a plan made
// afresh for each transform.
#include <gtest/gtest.h>

#include <libalglib/interpolation.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <vector>

#include <fftw3.h>

#include "analysis/amplitude_spectrum.h"
#include "analysis/fftw_wisdom.h"
#include "analysis/resample.h"

namespace karvelo {
namespace {

// What the resampling computed before it kept anything: the spline built and evaluated
// with ALGLIB's own calls.
std::vector<double> SplineResampling(const std::vector<double>& samples, std::uint32_t dt) {
    const auto n = static_cast<alglib::ae_int_t>(samples.size());
    alglib::real_1d_array x;
    alglib::real_1d_array y;
    x.setlength(n);
    y.setcontent(n, samples.data());
    for (alglib::ae_int_t i = 0; i < n; ++i) {
        x[i] = static_cast<double>(i) * dt;
    }
    alglib::spline1dinterpolant spline;
    alglib::spline1dbuildlinear(x, y, spline);
    const std::size_t count = 5 * samples.size();
    const double step = (x[n - 1] - x[0]) / static_cast<double>(count - 1);
    std::vector<double> out(count);
    for (std::size_t m = 0; m < count; ++m) {
        out[m] = alglib::spline1dcalc(spline, static_cast<double>(m) * step + x[0]);
    }
    return out;
}

// The magnitudes through a plan made for this one transform over its own arrays.
std::vector<double> FreshPlanMagnitudes(const std::vector<double>& signal) {
    const std::size_t n = signal.size();
    auto* in = static_cast<double*>(fftw_malloc(sizeof(double) * n));
    auto* out = static_cast<fftw_complex*>(fftw_malloc(sizeof(fftw_complex) * n));
    fftw_plan plan = PlanRealTransform(static_cast<int>(n), in, out);
    std::copy(signal.begin(), signal.end(), in);
    fftw_execute(plan);
    std::vector<double> magnitudes(n / 2 + 1);
    for (std::size_t k = 0; k < magnitudes.size(); ++k) {
        magnitudes[k] = std::sqrt(out[k][0] * out[k][0] + out[k][1] * out[k][1]);
    }
    fftw_destroy_plan(plan);
    fftw_free(in);
    fftw_free(out);
    return magnitudes;
}

std::vector<double> Signal(std::size_t n, double scale, double offset) {
    std::vector<double> values(n);
    for (std::size_t i = 0; i < n; ++i) {
        values[i] = std::round(std::sin(static_cast<double>(i) * 0.37 + offset) * scale) +
                    static_cast<double>(i % 5) * 0.25;
    }
    return values;
}

TEST(KeptTransformTest, ResamplingEqualsTheSplineForEveryGeometryAndTrace) {
    struct Case {
        const char* name;
        std::vector<double> samples;
        std::uint32_t interval;
    };
    std::vector<double> signedZeros = Signal(64, 3.0, 0.0);
    signedZeros[3] = -0.0;
    signedZeros[4] = -0.0;
    signedZeros[9] = 0.0;
    const Case cases[] = {
        {"built-in geometry", Signal(2048, 2.6e6, 0.0), 31},
        {"a second trace of the same geometry", Signal(2048, 1.0e5, 1.0), 31},
        {"another interval", Signal(2048, 1.0e5, 2.0), 7},
        {"short trace", Signal(5, 10.0, 0.5), 1000},
        {"two samples", {1.5, -2.5}, 3},
        {"signed zeros and flat stretches", signedZeros, 10},
        {"the first geometry again", Signal(2048, 7.0, 3.0), 31},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::vector<double> expected = SplineResampling(c.samples, c.interval);
        std::vector<double> out(expected.size());
        ASSERT_TRUE(ResampleFivefold(c.samples, c.interval, out));
        for (std::size_t m = 0; m < out.size(); ++m) {
            ASSERT_EQ(std::signbit(out[m]), std::signbit(expected[m])) << m;
            ASSERT_EQ(out[m], expected[m]) << m;
        }
    }
    std::vector<double> nan = Signal(16, 3.0, 0.0);
    nan[7] = std::numeric_limits<double>::quiet_NaN();
    std::vector<double> out(80, 1.0);
    EXPECT_FALSE(ResampleFivefold(nan, 10, out));
    EXPECT_EQ(out, std::vector<double>(80, 1.0));
}

TEST(KeptTransformTest, KeptPlansGiveWhatAFreshPlanGives) {
    // Aligned and misaligned signals, lengths seen before and new ones, repeated.
    for (const std::size_t n : {10240u, 320u, 10240u, 1237u, 320u}) {
        for (const std::size_t shift : {0u, 1u}) {
            SCOPED_TRACE(testing::Message() << "n " << n << ", shift " << shift);
            const std::vector<double> signal = Signal(n, 1.0e6, static_cast<double>(shift));
            const std::vector<double> expected = FreshPlanMagnitudes(signal);
            std::vector<double> storage(n + shift);
            std::copy(signal.begin(), signal.end(), storage.begin() + shift);
            std::vector<double> magnitudes(n / 2 + 1);
            ASSERT_TRUE(
                ComputeMagnitudes(std::span<const double>(storage.data() + shift, n), magnitudes));
            EXPECT_EQ(magnitudes, expected);
            // The signal is left as it was.
            EXPECT_TRUE(std::equal(signal.begin(), signal.end(), storage.begin() + shift));
        }
    }
}

}  // namespace
}  // namespace karvelo
