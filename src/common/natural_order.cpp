#include "common/natural_order.h"

namespace karvelo {

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// The run of digits at text[pos...], moving pos past it.
std::string_view DigitRun(std::string_view text, std::size_t& pos) {
    const std::size_t start = pos;
    while (pos < text.size() && IsDigit(text[pos])) {
        ++pos;
    }
    return text.substr(start, pos - start);
}

std::string_view WithoutLeadingZeros(std::string_view run) {
    const std::size_t first = run.find_first_not_of('0');
    return first == std::string_view::npos ? std::string_view() : run.substr(first);
}

}  // namespace

bool NaturalLess(std::string_view a, std::string_view b) {
    std::size_t i = 0;
    std::size_t j = 0;
    while (i < a.size() && j < b.size()) {
        if (IsDigit(a[i]) && IsDigit(b[j])) {
            const std::string_view runA = DigitRun(a, i);
            const std::string_view runB = DigitRun(b, j);
            const std::string_view valueA = WithoutLeadingZeros(runA);
            const std::string_view valueB = WithoutLeadingZeros(runB);
            if (valueA.size() != valueB.size()) {
                return valueA.size() < valueB.size();
            }
            if (valueA != valueB) {
                return valueA < valueB;
            }
            if (runA.size() != runB.size()) {
                return runA.size() < runB.size();
            }
            continue;
        }
        if (a[i] != b[j]) {
            return static_cast<unsigned char>(a[i]) < static_cast<unsigned char>(b[j]);
        }
        ++i;
        ++j;
    }
    return a.size() - i < b.size() - j;
}

}  // namespace karvelo
