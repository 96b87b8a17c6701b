// Rounding to the nearest whole number, halves upwards.
#pragma once

namespace karvelo {

// x rounded to the nearest whole number, halves up (2.5 gives 3; whole numbers are
// returned unchanged). A negative x or NaN reports error 2 with its code line and
// returns ceil(x), i.e. x rounded toward zero.
double RoundHalfUp(double x);

}  // namespace karvelo
