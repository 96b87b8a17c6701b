#include "app/field_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace karvelo {

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view TrimBlanks(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Sign and digits of an integer text: nullopt unless text is [+-]digits.
struct IntegerParts {
    bool negative = false;
    std::string_view digits;
};

std::optional<IntegerParts> SplitInteger(std::string_view text) {
    IntegerParts parts;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        parts.negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.empty()) {
        return std::nullopt;
    }
    for (const char c : text) {
        if (!IsDigit(c)) {
            return std::nullopt;
        }
    }
    parts.digits = text;
    return parts;
}

// Magnitude of a digit string, saturated at limit.
std::uint64_t Magnitude(std::string_view digits, std::uint64_t limit) {
    std::uint64_t value = 0;
    for (const char c : digits) {
        value = value * 10 + static_cast<std::uint64_t>(c - '0');
        if (value > limit) {
            return limit;
        }
    }
    return value;
}

}  // namespace

std::optional<std::int32_t> ParseIntegerText(std::string_view text) {
    text = TrimBlanks(text);
    const auto parts = SplitInteger(text);
    if (!parts) {
        return std::nullopt;
    }
    constexpr auto kMax = static_cast<std::uint64_t>(std::numeric_limits<std::int32_t>::max());
    const std::uint64_t magnitude = Magnitude(parts->digits, kMax + 1);
    if (magnitude == 0 && text.front() != '0') {
        return std::nullopt;
    }
    if (parts->negative) {
        return static_cast<std::int32_t>(-static_cast<std::int64_t>(magnitude));
    }
    return static_cast<std::int32_t>(std::min(magnitude, kMax));
}

std::optional<std::uint32_t> ParseUnsignedText(std::string_view text) {
    text = TrimBlanks(text);
    const auto parts = SplitInteger(text);
    if (!parts || parts->negative) {
        return std::nullopt;
    }
    constexpr auto kMax = static_cast<std::uint64_t>(std::numeric_limits<std::uint32_t>::max());
    const std::uint64_t magnitude = Magnitude(parts->digits, kMax);
    if (magnitude == 0 && text.front() != '0') {
        return std::nullopt;
    }
    return static_cast<std::uint32_t>(magnitude);
}

std::optional<double> ParseNumberText(std::string_view typed) {
    typed = TrimBlanks(typed);
    // A decimal comma reads as the point; a text holding both, or two commas, stays refused.
    std::string pointed(typed);
    if (std::count(pointed.begin(), pointed.end(), ',') == 1 &&
        pointed.find('.') == std::string::npos) {
        std::replace(pointed.begin(), pointed.end(), ',', '.');
    }
    const std::string_view text = pointed;
    if (text.empty()) {
        return std::nullopt;
    }
    const char first = text.front();
    std::string_view body = text;
    bool negative = false;
    if (first == '+' || first == '-') {
        negative = first == '-';
        body.remove_prefix(1);
    }
    // from_chars takes no sign and would accept "inf" and "nan"; both are refused here.
    if (body.empty() || !(IsDigit(body.front()) || body.front() == '.')) {
        return std::nullopt;
    }
    double value = 0.0;
    const auto [end, error] =
        std::from_chars(body.data(), body.data() + body.size(), value, std::chars_format::general);
    if (error != std::errc{} || end != body.data() + body.size() || !std::isfinite(value)) {
        return std::nullopt;
    }
    if (value == 0.0 && first != '0') {
        return std::nullopt;
    }
    return negative ? -value : value;
}

}  // namespace karvelo
