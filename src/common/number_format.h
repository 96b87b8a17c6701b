// The one place that formats numbers for labels, lists, messages and files.
// Exponents always carry at least three digits, as the program writes them on every
// platform: "%.3e" of 1 is "1.000e+000", the stream default of 1234567 is "1.23457e+006".
#pragma once

#include <string>

namespace karvelo {

// printf-style formatting into a string; every exponent in the result is widened to
// three digits. Only for the program's own formats ("%d", "%.3e", "%.2e", "(%d;%.3e)").
std::string FormatText(const char* format, ...) __attribute__((format(printf, 1, 2)));

// value in exponent notation with `decimals` digits after the point ("%.3e", "%.2e").
std::string FormatExponent(double value, int decimals);

// value as a narrow output stream writes a double by default: six significant digits,
// trailing zeros dropped, exponent form only for very large or small magnitudes.
std::string FormatDefault(double value);

// Widens every two-digit exponent ("e+05") in text to three digits ("e+005").
std::string WidenExponents(const std::string& text);

// A member as the form writes it into an edit or static: "%.*g" with 15 significant
// digits for doubles and 6 for floats (three-digit exponents like every other number).
std::string FormatFieldDouble(double value);
std::string FormatFieldFloat(float value);

}  // namespace karvelo
