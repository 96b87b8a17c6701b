#include "analysis/spline_evaluation.h"

#include <vector>

namespace karvelo {

namespace {

// ALGLIB's interval search: the l in 0 .. knots.size() - 2 with knots[l] < t <= knots[l + 1]
// (l = 0 at or left of the first knot, the last interval right of the last knot).
std::size_t Interval(std::span<const double> knots, double t) {
    std::size_t l = 0;
    std::size_t r = knots.size() - 1;
    while (l != r - 1) {
        const std::size_t h = (l + r) / 2;
        if (knots[h] >= t) {
            r = h;
        } else {
            l = h;
        }
    }
    return l;
}

}  // namespace

void EvaluateLinearSpline(const alglib::spline1dinterpolant& spline, double start, double step,
                          std::span<double> out) {
    // Row i of the table: x[i], x[i + 1] and the coefficients of
    // c0 + t (c1 + t (c2 + t c3)), t = x - x[i], exactly as spline1dcalc uses them.
    alglib::ae_int_t n = 0;
    alglib::real_2d_array table;
    alglib::spline1dunpack(spline, n, table);
    const auto intervals = static_cast<std::size_t>(n - 1);
    constexpr std::size_t kColumns = 6;
    std::vector<double> rows(intervals * kColumns);
    std::vector<double> knots(intervals + 1);
    for (std::size_t i = 0; i < intervals; ++i) {
        for (std::size_t c = 0; c < kColumns; ++c) {
            rows[i * kColumns + c] =
                table[static_cast<alglib::ae_int_t>(i)][static_cast<alglib::ae_int_t>(c)];
        }
        knots[i] = rows[i * kColumns];
    }
    knots[intervals] = rows[(intervals - 1) * kColumns + 1];

    std::size_t l = 0;
    for (std::size_t m = 0; m < out.size(); ++m) {
        const double x = static_cast<double>(m) * step + start;
        if (step > 0.0) {
            // The points ascend, so the interval search can walk on from the last one;
            // it ends where the full search would.
            while (l + 1 < intervals && knots[l + 1] < x) {
                ++l;
            }
        } else {
            l = Interval(knots, x);
        }
        const double* c = rows.data() + l * kColumns;
        const double t = x - c[0];
        out[m] = c[2] + t * (c[3] + t * (c[4] + t * c[5]));
    }
}

void EvaluateBilinearGrid(std::span<const double> x, std::span<const double> y,
                          std::span<const double> f, std::span<const double> columns,
                          std::span<const double> rows, double* out, std::size_t outStride) {
    const std::size_t n = x.size();
    // Per column: its cell and position in it, the same for every row.
    std::vector<std::size_t> cellX(columns.size());
    std::vector<double> tx(columns.size());
    for (std::size_t k = 0; k < columns.size(); ++k) {
        const std::size_t l = Interval(x, columns[k]);
        cellX[k] = l;
        tx[k] = (columns[k] - x[l]) * (1.0 / (x[l + 1] - x[l]));
    }
    for (std::size_t r = 0; r < rows.size(); ++r) {
        const std::size_t iy = Interval(y, rows[r]);
        const double u = (rows[r] - y[iy]) * (1.0 / (y[iy + 1] - y[iy]));
        const double* lower = f.data() + n * iy;
        const double* upper = f.data() + n * (iy + 1);
        double* row = out + r * outStride;
        for (std::size_t k = 0; k < columns.size(); ++k) {
            const std::size_t ix = cellX[k];
            const double t = tx[k];
            const double y1 = lower[ix];
            const double y2 = lower[ix + 1];
            const double y3 = upper[ix + 1];
            const double y4 = upper[ix];
            row[k] = (1 - t) * (1 - u) * y1 + t * (1 - u) * y2 + t * u * y3 + (1 - t) * u * y4;
        }
    }
}

}  // namespace karvelo
