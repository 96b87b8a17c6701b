// The data exchange's text conversions: how an edit's text becomes a member and what
// the user is told when it does not.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace karvelo {

// Prompts shown when an edit's text does not parse as its member's type.
inline constexpr const char* kPromptInteger = "Please enter an integer.";
inline constexpr const char* kPromptPositiveInteger = "Please enter a positive integer.";
inline constexpr const char* kPromptNumber = "Please enter a number.";

// Whole text, optional blanks (spaces, tabs) on both sides. A signed integer saturates
// at the 32-bit limits; an unsigned one refuses a minus sign and saturates at 2^32 - 1.
// A text whose value is 0 must start with the digit 0 ("+0" and "-0" are refused).
std::optional<std::int32_t> ParseIntegerText(std::string_view text);
std::optional<std::uint32_t> ParseUnsignedText(std::string_view text);

// A decimal number with optional sign, fraction and exponent; same blank and zero rules;
// infinities and NaN are refused. The fraction may follow a point or a comma ("3,78e3").
std::optional<double> ParseNumberText(std::string_view text);

}  // namespace karvelo
