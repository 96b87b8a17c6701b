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

__attribute__((target_clones("avx2", "default"))) void EvaluateBilinearGrid(
    std::span<const double> x, std::span<const double> y, std::span<const double> f,
    std::span<const double> columns, std::span<const double> rows, double* out,
    std::size_t outStride, const std::function<void(double* row)>& rowDone) {
    const std::size_t n = x.size();
    const std::size_t count = columns.size();
    // Per column: its cell and position in it, the same for every row.
    std::vector<std::size_t> cellX(count);
    std::vector<double> tx(count);
    std::vector<double> txLeft(count);  // 1 - tx
    for (std::size_t k = 0; k < count; ++k) {
        const std::size_t l = Interval(x, columns[k]);
        cellX[k] = l;
        tx[k] = (columns[k] - x[l]) * (1.0 / (x[l + 1] - x[l]));
        txLeft[k] = 1 - tx[k];
    }
    // The four corner values of every column for the rows of one cell of y, gathered
    // once for all the output rows in that cell, so the row loop reads them in order.
    std::vector<double> corners(4 * count);
    double* __restrict y1 = corners.data();
    double* __restrict y2 = y1 + count;
    double* __restrict y3 = y2 + count;
    double* __restrict y4 = y3 + count;
    std::size_t gathered = y.size();
    for (std::size_t r = 0; r < rows.size(); ++r) {
        const std::size_t iy = Interval(y, rows[r]);
        if (iy != gathered) {
            const double* lower = f.data() + n * iy;
            const double* upper = f.data() + n * (iy + 1);
            for (std::size_t k = 0; k < count; ++k) {
                const std::size_t ix = cellX[k];
                y1[k] = lower[ix];
                y2[k] = lower[ix + 1];
                y3[k] = upper[ix + 1];
                y4[k] = upper[ix];
            }
            gathered = iy;
        }
        const double u = (rows[r] - y[iy]) * (1.0 / (y[iy + 1] - y[iy]));
        const double uLeft = 1 - u;
        const double* __restrict t = tx.data();
        const double* __restrict tLeft = txLeft.data();
        double* __restrict row = out + r * outStride;
        for (std::size_t k = 0; k < count; ++k) {
            row[k] = tLeft[k] * uLeft * y1[k] + t[k] * uLeft * y2[k] + t[k] * u * y3[k] +
                     tLeft[k] * u * y4[k];
        }
        if (rowDone) {
            rowDone(row);
        }
    }
}

}  // namespace karvelo
