#include "profile/text_numbers.h"

#include <algorithm>
#include <charconv>
#include <cstdint>

namespace karvelo {

namespace {

// Longest field read as a number.
constexpr std::size_t kLongestNumber = 63;

// The digits from p on added to mantissa; returns where they end.
const char* AddDigits(const char* p, const char* end, std::uint64_t& mantissa) {
    for (; p < end; ++p) {
        const auto digit = static_cast<unsigned>(*p) - '0';
        if (digit > 9) {
            break;
        }
        mantissa = mantissa * 10 + digit;
    }
    return p;
}

// The common number of a recording ("-2.038576E-2": at most 19 digits, a decimal exponent
// within 22 of the digits) read exactly: its digits form an integer of at most 2^53 and the
// power of ten is exact, so one multiplication or division rounds the true value once, to
// the same double std::from_chars gives. Returns where the number ends, or nullptr for
// anything else (the caller falls back to std::from_chars).
const char* ReadShortDecimal(const char* p, const char* end, double& value) {
    static constexpr double kPowers[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                         1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                         1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
    constexpr long kLargestPower = 22;
    constexpr long kMostDigits = 19;         // 10^19 - 1 fits 64 bits
    constexpr long kMostExponentDigits = 4;  // keeps the exponent far from overflow
    constexpr std::uint64_t kLargestExact = std::uint64_t{1} << 53;
    const bool negative = p < end && *p == '-';
    p += negative ? 1 : 0;
    std::uint64_t mantissa = 0;
    const char* const integer = p;
    p = AddDigits(p, end, mantissa);
    long digits = p - integer;
    long exponent = 0;
    if (p < end && *p == '.') {
        const char* const fraction = ++p;
        p = AddDigits(p, end, mantissa);
        exponent = fraction - p;
        digits += p - fraction;
    }
    if (digits == 0 || digits > kMostDigits) {
        return nullptr;
    }
    if (p < end && (*p == 'e' || *p == 'E')) {
        const char* q = p + 1;
        const bool below = q < end && *q == '-';
        q += (q < end && (*q == '-' || *q == '+')) ? 1 : 0;
        std::uint64_t power = 0;
        const char* const first = q;
        q = AddDigits(q, end, power);
        if (q == first || q - first > kMostExponentDigits) {
            return nullptr;
        }
        exponent += below ? -static_cast<long>(power) : static_cast<long>(power);
        p = q;
    }
    if (mantissa > kLargestExact || exponent < -kLargestPower || exponent > kLargestPower) {
        return nullptr;
    }
    const auto exact = static_cast<double>(mantissa);
    const double magnitude = exponent < 0 ? exact / kPowers[-exponent] : exact * kPowers[exponent];
    value = negative ? -magnitude : magnitude;
    return p;
}

// A number at begin as std::from_chars reads it (no leading '+'); returns where it ends, or
// nullptr when no number starts there.
const char* ReadNumber(const char* begin, const char* end, double& value) {
    if (const char* stop = ReadShortDecimal(begin, end, value)) {
        return stop;
    }
    const auto [stop, error] = std::from_chars(begin, end, value);
    return error == std::errc() ? stop : nullptr;
}

}  // namespace

bool ParseNumber(std::string_view field, bool decimalComma, double& value) {
    if (!field.empty() && field.front() == '+') {
        field.remove_prefix(1);
    }
    if (field.empty() || field.size() > kLongestNumber) {
        return false;
    }
    const char* begin = field.data();
    char buffer[64];
    if (decimalComma && field.find(',') != std::string_view::npos) {
        std::replace_copy(field.begin(), field.end(), buffer, ',', '.');
        begin = buffer;
    }
    const char* end = begin + field.size();
    return ReadNumber(begin, end, value) == end;
}

namespace {

// Whether c separates two fields in dialect D. Each dialect has its own copy of the line
// reader below, so this test costs nothing per character.
template <Dialect D>
bool IsSeparator(char c) {
    if constexpr (D == Dialect::kSemicolon) {
        return c == ';';
    } else if constexpr (D == Dialect::kTabDecimalComma) {
        return c == ' ' || c == '\t';
    } else {
        return c == ' ' || c == '\t' || c == ',';
    }
}

// Past the blanks from p on.
const char* SkipBlanks(const char* p, const char* end) {
    while (p < end && IsBlank(*p)) {
        ++p;
    }
    return p;
}

// The number whose field starts at p (not at the end): the field ends at the first
// separator or blank and the number must fill it. Returns where the field ends, or nullptr.
// With a decimal point the number is read where it lies, so the field is scanned once; a
// decimal comma needs the field copied first.
template <Dialect D>
const char* ParseField(const char* p, const char* end, double& value) {
    if constexpr (D != Dialect::kGeneral) {
        const char* stop = p;
        while (stop < end && !IsSeparator<D>(*stop) && !IsBlank(*stop)) {
            ++stop;
        }
        return ParseNumber(std::string_view(p, static_cast<std::size_t>(stop - p)), true, value)
                   ? stop
                   : nullptr;
    } else {
        const char* const digits = *p == '+' ? p + 1 : p;
        const char* const stop = ReadNumber(digits, end, value);
        if (stop == nullptr || stop == digits ||
            static_cast<std::size_t>(stop - digits) > kLongestNumber ||
            (stop != end && !IsSeparator<D>(*stop) && !IsBlank(*stop))) {
            return nullptr;
        }
        return stop;
    }
}

template <Dialect D>
int ParseLineIn(std::string_view line, double (&values)[kMaxTextColumns]) {
    int count = 0;
    const char* p = line.data();
    const char* const end = p + line.size();
    while ((p = SkipBlanks(p, end)) < end) {
        if (count == static_cast<int>(kMaxTextColumns)) {
            return -1;
        }
        p = ParseField<D>(p, end, values[count]);
        if (p == nullptr) {
            return -1;
        }
        ++count;
        p = SkipBlanks(p, end);
        if constexpr (D != Dialect::kTabDecimalComma) {
            if (p < end && IsSeparator<D>(*p)) {
                ++p;
                // An empty field between two semicolons is not a number.
                if constexpr (D == Dialect::kSemicolon) {
                    const char* const next = SkipBlanks(p, end);
                    if (next == end || *next == ';') {
                        return -1;
                    }
                }
            }
        }
    }
    return count;
}

}  // namespace

int ParseLine(std::string_view line, Dialect dialect, double (&values)[kMaxTextColumns]) {
    switch (dialect) {
        case Dialect::kSemicolon:
            return ParseLineIn<Dialect::kSemicolon>(line, values);
        case Dialect::kTabDecimalComma:
            return ParseLineIn<Dialect::kTabDecimalComma>(line, values);
        case Dialect::kGeneral:
            break;
    }
    return ParseLineIn<Dialect::kGeneral>(line, values);
}

int ParseFirstDataLine(std::string_view line, int minimum, Dialect& dialect,
                       double (&values)[kMaxTextColumns]) {
    Dialect candidates[3];
    std::size_t count = 0;
    if (line.find(';') != std::string_view::npos) {
        candidates[count++] = Dialect::kSemicolon;
    } else {
        if (line.find('\t') != std::string_view::npos && line.find(',') != std::string_view::npos) {
            candidates[count++] = Dialect::kTabDecimalComma;
        }
        candidates[count++] = Dialect::kGeneral;
    }
    for (std::size_t i = 0; i < count; ++i) {
        const int numbers = ParseLine(line, candidates[i], values);
        if (numbers >= minimum) {
            dialect = candidates[i];
            return numbers;
        }
    }
    return -1;
}

std::vector<std::string_view> SplitFields(std::string_view line, char separator) {
    std::vector<std::string_view> fields;
    std::size_t pos = 0;
    while (true) {
        const std::size_t end = std::min(line.find(separator, pos), line.size());
        std::string_view field = line.substr(pos, end - pos);
        while (!field.empty() && IsBlank(field.front())) {
            field.remove_prefix(1);
        }
        while (!field.empty() && IsBlank(field.back())) {
            field.remove_suffix(1);
        }
        fields.push_back(field);
        if (end >= line.size()) {
            return fields;
        }
        pos = end + 1;
    }
}

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

std::string_view WithoutByteOrderMark(std::string_view text) {
    return text.starts_with(kByteOrderMark) ? text.substr(kByteOrderMark.size()) : text;
}

}  // namespace

bool TextStartsWith(std::string_view text, std::string_view prefix) {
    return WithoutByteOrderMark(text).starts_with(prefix);
}

TextLines::TextLines(std::string_view text) : text_(WithoutByteOrderMark(text)) {}

}  // namespace karvelo
