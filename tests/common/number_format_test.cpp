#include "common/number_format.h"

#include <gtest/gtest.h>

#include <limits>

namespace karvelo {
namespace {

TEST(NumberFormat, ExponentNotationAlwaysHasThreeExponentDigits) {
    EXPECT_EQ(FormatExponent(1.0, 3), "1.000e+000");
    EXPECT_EQ(FormatExponent(2050.0, 2), "2.05e+003");
    EXPECT_EQ(FormatExponent(-0.000123, 3), "-1.230e-004");
    EXPECT_EQ(FormatExponent(1.5e123, 2), "1.50e+123");
    EXPECT_EQ(FormatText("(%d;%.3e)", 1575, 1.0), "(1575;1.000e+000)");
}

TEST(NumberFormat, StreamDefaultNotation) {
    EXPECT_EQ(FormatDefault(0.5), "0.5");
    EXPECT_EQ(FormatDefault(-3008.0), "-3008");
    EXPECT_EQ(FormatDefault(1234567.0), "1.23457e+006");
    EXPECT_EQ(FormatDefault(0.000012345), "1.2345e-005");
    EXPECT_EQ(FormatDefault(0.0001), "0.0001");
    EXPECT_EQ(FormatDefault(std::numeric_limits<double>::infinity()), "inf");
}

TEST(NumberFormat, FormFieldsShowFifteenOrSixDigits) {
    EXPECT_EQ(FormatFieldDouble(1556.640625), "1556.640625");
    EXPECT_EQ(FormatFieldDouble(0.1), "0.1");
    EXPECT_EQ(FormatFieldFloat(3780.0f / 3113.28f), "1.21415");
    EXPECT_EQ(FormatFieldFloat(1.0e-7f), "1e-007");
}

TEST(NumberFormat, WidenTouchesOnlyNumericExponents) {
    EXPECT_EQ(WidenExponents("Rounding error.Possible loss of data."),
              "Rounding error.Possible loss of data.");
    EXPECT_EQ(WidenExponents("1e+05 and 2.5E-07"), "1e+005 and 2.5E-007");
    EXPECT_EQ(WidenExponents("1.0e+100"), "1.0e+100");
    EXPECT_EQ(WidenExponents("size e+5"), "size e+5");
}

}  // namespace
}  // namespace karvelo
