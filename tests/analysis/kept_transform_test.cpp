// The resampling, the spline grids and the transforms keep what they can between traces
// (the positions of the resampled times, one FFTW plan per length, its wisdom on disk).
// These tests hold them to what ALGLIB's own calls and a plan made afresh give.
#include <gtest/gtest.h>

#include <libalglib/interpolation.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include <fftw3.h>

#include "analysis/amplitude_spectrum.h"
#include "analysis/fftw_wisdom.h"
#include "analysis/resample.h"
#include "analysis/spline_evaluation.h"
#include "fakes/temp_file.h"

namespace karvelo {
namespace {

namespace fs = std::filesystem;

std::vector<double> Signal(std::size_t n, double scale, double offset) {
    std::vector<double> values(n);
    for (std::size_t i = 0; i < n; ++i) {
        values[i] = std::round(std::sin(static_cast<double>(i) * 0.37 + offset) * scale) +
                    static_cast<double>(i % 5) * 0.25;
    }
    return values;
}

alglib::real_1d_array Array(const std::vector<double>& values) {
    alglib::real_1d_array array;
    array.setcontent(static_cast<alglib::ae_int_t>(values.size()), values.data());
    return array;
}

TEST(KeptTransformTest, ResamplingEqualsTheLinearSplineForEveryGeometryAndTrace) {
    std::vector<double> signedZeros = Signal(64, 3.0, 0.0);
    signedZeros[3] = signedZeros[4] = -0.0;
    signedZeros[9] = 0.0;
    const std::pair<std::vector<double>, std::uint32_t> cases[] = {
        {Signal(2048, 2.6e6, 0.0), 31},
        {Signal(2048, 1.0e5, 1.0), 31},  // a second trace
        {Signal(2048, 1.0e5, 2.0), 7},
        {Signal(5, 10.0, 0.5), 1000},
        {{1.5, -2.5}, 3},
        {signedZeros, 10},
        {Signal(2048, 7.0, 3.0), 31},  // the first geometry again
    };
    for (const auto& [samples, dt] : cases) {
        SCOPED_TRACE(::testing::Message() << samples.size() << " samples, " << dt << " us");
        std::vector<double> times(samples.size());
        for (std::size_t i = 0; i < times.size(); ++i) {
            times[i] = static_cast<double>(i) * dt;
        }
        alglib::spline1dinterpolant spline;
        alglib::spline1dbuildlinear(Array(times), Array(samples), spline);
        const std::size_t count = 5 * samples.size();
        const double step = times.back() / static_cast<double>(count - 1);
        std::vector<double> out(count + 1, -1.0);
        ASSERT_TRUE(ResampleFivefold(samples, dt, out));
        for (std::size_t m = 0; m < count; ++m) {
            const double expected = alglib::spline1dcalc(spline, static_cast<double>(m) * step);
            ASSERT_EQ(std::signbit(out[m]), std::signbit(expected)) << m;
            ASSERT_EQ(out[m], expected) << m;
        }
        EXPECT_EQ(out[count], -1.0);  // nothing written past 5 N
        // The bulk evaluation of the same spline, one point beyond each end included.
        std::vector<double> bulk(count + 2);
        EvaluateLinearSpline(spline, -step, step, bulk);
        for (std::size_t m = 0; m < bulk.size(); ++m) {
            ASSERT_EQ(bulk[m], alglib::spline1dcalc(spline, static_cast<double>(m) * step - step));
        }
    }
}

TEST(KeptTransformTest, BilinearGridEqualsSpline2dcalc) {
    constexpr int kColumns = 192;  // band bins, whole-Hz frequencies
    constexpr int kPoints = 10;
    std::vector<double> x(kColumns);
    std::vector<double> y(kPoints);
    std::vector<double> f(kColumns * kPoints);
    for (int i = 0; i < kColumns; ++i) {
        x[i] = std::floor(i * 15.751008);
    }
    for (int j = 0; j < kPoints; ++j) {
        y[j] = j;
    }
    for (std::size_t k = 0; k < f.size(); ++k) {
        f[k] = std::fabs(std::sin(static_cast<double>(k) * 0.113));
    }
    alglib::real_2d_array values;
    values.setcontent(kPoints, kColumns, f.data());
    alglib::spline2dinterpolant spline;
    alglib::spline2dbuildbilinear(Array(x), Array(y), values, kPoints, kColumns, spline);
    std::vector<double> columns(500);
    std::vector<double> rows(800);
    for (std::size_t k = 0; k < columns.size(); ++k) {
        columns[k] = static_cast<double>(k) * (x.back() - x[0]) / 499 + x[0];
    }
    for (std::size_t r = 0; r < rows.size(); ++r) {
        rows[r] = static_cast<double>(r) * (kPoints - 1.0) / 799;
    }
    constexpr std::size_t kStride = 503;
    std::vector<double> out(rows.size() * kStride, -1.0);
    EvaluateBilinearGrid(x, y, f, columns, rows, out.data(), kStride);
    for (std::size_t r = 0; r < rows.size(); ++r) {
        for (std::size_t k = 0; k < columns.size(); ++k) {
            ASSERT_EQ(out[r * kStride + k], alglib::spline2dcalc(spline, columns[k], rows[r]))
                << r << " " << k;
        }
        EXPECT_EQ(out[r * kStride + columns.size()], -1.0);  // nothing past the columns
    }
}

TEST(KeptTransformTest, KeptPlansGiveWhatAFreshPlanGives) {
    // Aligned and misaligned signals, lengths seen before and new ones, repeated.
    for (const std::size_t n : {10240u, 320u, 10240u, 1237u, 320u}) {
        for (const std::size_t shift : {0u, 1u}) {
            SCOPED_TRACE(::testing::Message() << "n " << n << ", shift " << shift);
            const std::vector<double> signal = Signal(n, 1.0e6, static_cast<double>(shift));
            auto* in = static_cast<double*>(fftw_malloc(sizeof(double) * n));
            auto* transformed = static_cast<fftw_complex*>(fftw_malloc(sizeof(fftw_complex) * n));
            fftw_plan plan = PlanRealTransform(static_cast<int>(n), in, transformed);
            std::copy(signal.begin(), signal.end(), in);
            fftw_execute(plan);
            std::vector<double> expected(n / 2 + 1);
            for (std::size_t k = 0; k < expected.size(); ++k) {
                expected[k] = std::sqrt(transformed[k][0] * transformed[k][0] +
                                        transformed[k][1] * transformed[k][1]);
            }
            fftw_destroy_plan(plan);
            fftw_free(in);
            fftw_free(transformed);

            std::vector<double> storage(n + shift);
            std::copy(signal.begin(), signal.end(), storage.begin() + shift);
            std::vector<double> magnitudes(n / 2 + 1);
            ASSERT_TRUE(
                ComputeMagnitudes(std::span<const double>(storage.data() + shift, n), magnitudes));
            EXPECT_EQ(magnitudes, expected);
            EXPECT_TRUE(std::equal(signal.begin(), signal.end(), storage.begin() + shift));
        }
    }
}

// Sets (or with nullptr unsets) an environment variable for one scope.
struct ScopedEnvironment {
    ScopedEnvironment(const char* name, const char* value) : name(name) {
        if (const char* old = std::getenv(name)) {
            previous = old;
        }
        value ? setenv(name, value, 1) : unsetenv(name);
    }
    ~ScopedEnvironment() { previous ? setenv(name, previous->c_str(), 1) : unsetenv(name); }
    const char* name;
    std::optional<std::string> previous;
};

void TransformConstant(std::size_t n) {
    std::vector<double> magnitudes(n / 2 + 1);
    ASSERT_TRUE(ComputeMagnitudes(std::vector<double>(n, 1.0), magnitudes));
    EXPECT_NEAR(magnitudes[0], static_cast<double>(n), 1e-9);
}

// An absolute XDG_CACHE_HOME holds the file (the next test); any other falls back to HOME.
TEST(FftwWisdomTest, WithoutAnAbsoluteXdgCacheTheFileLiesUnderHome) {
    ScopedEnvironment home("HOME", "/home/someone");
    for (const char* xdg : {"", "relative/cache"}) {
        ScopedEnvironment cache("XDG_CACHE_HOME", xdg);
        EXPECT_EQ(FftwWisdomPath(), fs::path("/home/someone/.cache/karvelo/fftw-wisdom")) << xdg;
    }
    ScopedEnvironment noXdg("XDG_CACHE_HOME", nullptr);
    ScopedEnvironment noHome("HOME", nullptr);
    EXPECT_TRUE(FftwWisdomPath().empty());
}

TEST(FftwWisdomTest, NewPlanIsSavedAKnownOneIsNotAndABadCacheIsIgnored) {
    const fs::path cache(testing::TempFile("wisdom-test"));
    fs::remove_all(cache);
    ScopedEnvironment xdg("XDG_CACHE_HOME", cache.c_str());
    const fs::path file = cache / "karvelo" / "fftw-wisdom";
    TransformConstant(1231);  // a length no other test plans
    ASSERT_TRUE(fs::exists(file));
    fs::remove(file);
    TransformConstant(1231);  // planned again from the wisdom: nothing written
    EXPECT_FALSE(fs::exists(file));

    std::ofstream(file) << "(fftw-3.3.10 fftw_wisdom #x12\n  (garbage";
    LoadFftwWisdom();
    TransformConstant(96);
    fs::remove(file);
    fs::create_directories(file);  // a folder where the file should be: no complaint
    LoadFftwWisdom();
    SaveFftwWisdom();
    TransformConstant(97);
    fs::remove_all(cache);
}

}  // namespace
}  // namespace karvelo
