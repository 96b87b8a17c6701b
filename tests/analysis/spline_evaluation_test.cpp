#include "analysis/spline_evaluation.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace karvelo {
namespace {

// The bulk loops must give exactly what ALGLIB's own evaluation gives, knots included.
TEST(SplineEvaluation, LinearSplineMatchesSpline1dcalcBitForBit) {
    alglib::real_1d_array x;
    alglib::real_1d_array y;
    x.setlength(512);
    y.setlength(512);
    for (int i = 0; i < 512; ++i) {
        x[i] = i * 31.0;
        y[i] = std::sin(i * 0.37) * 1.0e6 + (i % 7) * 123.456;
    }
    alglib::spline1dinterpolant spline;
    alglib::spline1dbuildlinear(x, y, spline);
    const double step = x[511] / (5.0 * 512 - 1);  // fivefold, and one point each side
    std::vector<double> out(5 * 512 + 2);
    EvaluateLinearSpline(spline, -step, step, out);
    for (std::size_t m = 0; m < out.size(); ++m) {
        ASSERT_EQ(out[m], alglib::spline1dcalc(spline, static_cast<double>(m) * step - step)) << m;
    }
}

TEST(SplineEvaluation, BilinearGridMatchesSpline2dcalcBitForBit) {
    constexpr int kColumns = 192;  // band bins, whole-Hz frequencies
    constexpr int kPoints = 10;
    alglib::real_1d_array x;
    alglib::real_1d_array y;
    x.setlength(kColumns);
    y.setlength(kPoints);
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
    alglib::spline2dbuildbilinear(x, y, values, kPoints, kColumns, spline);

    std::vector<double> columns(500);
    std::vector<double> rows(800);
    const double dx = (x[kColumns - 1] - x[0]) / 499;
    for (std::size_t k = 0; k < columns.size(); ++k) {
        columns[k] = static_cast<double>(k) * dx + x[0];
    }
    for (std::size_t r = 0; r < rows.size(); ++r) {
        rows[r] = static_cast<double>(r) * (kPoints - 1.0) / 799;
    }
    constexpr std::size_t kStride = 503;
    std::vector<double> out(rows.size() * kStride, -1.0);
    EvaluateBilinearGrid({&x[0], kColumns}, {&y[0], kPoints}, f, columns, rows, out.data(),
                         kStride);
    for (std::size_t r = 0; r < rows.size(); ++r) {
        for (std::size_t k = 0; k < columns.size(); ++k) {
            ASSERT_EQ(out[r * kStride + k], alglib::spline2dcalc(spline, columns[k], rows[r]))
                << r << " " << k;
        }
        EXPECT_EQ(out[r * kStride + columns.size()], -1.0);  // nothing past the columns
    }
}

}  // namespace
}  // namespace karvelo
