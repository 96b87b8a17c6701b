// Bulk evaluation of the program's ALGLIB splines. ALGLIB builds and checks each spline;
// evaluating it point by point through spline1dcalc/spline2dcalc costs far more in call
// overhead than in arithmetic (400,000 calls per profile-spectrum map), so these loops
// repeat ALGLIB's own interval search and arithmetic over whole grids. The tests compare
// them with spline1dcalc and spline2dcalc bit for bit.
#pragma once

#include <cstddef>
#include <functional>
#include <span>

#include <libalglib/interpolation.h>

namespace karvelo {

// The piecewise-linear spline built by spline1dbuildlinear, evaluated at
// start + m * step for m = 0 .. out.size() - 1. Throws alglib::ap_error like ALGLIB.
void EvaluateLinearSpline(const alglib::spline1dinterpolant& spline, double start, double step,
                          std::span<double> out);

// The bilinear spline spline2dbuildbilinear builds over abscissae x (n values,
// ascending), ordinates y (m values, ascending) and values f (m rows of n), evaluated at
// every (columns[k], rows[r]) into out[r * outStride + k]. rowDone, when given, is called
// with each output row as soon as it is complete, while it is still in the cache.
void EvaluateBilinearGrid(std::span<const double> x, std::span<const double> y,
                          std::span<const double> f, std::span<const double> columns,
                          std::span<const double> rows, double* out, std::size_t outStride,
                          const std::function<void(double* row)>& rowDone = {});

}  // namespace karvelo
