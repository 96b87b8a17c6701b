#include "profile/text_numbers.h"

#include <algorithm>
#include <charconv>

namespace karvelo {

namespace {

// Longest field read as a number.
constexpr std::size_t kLongestNumber = 63;

}  // namespace

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r';
}

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
    const auto [stop, error] = std::from_chars(begin, end, value);
    return error == std::errc() && stop == end;
}

namespace {

bool IsSeparator(char c, Dialect dialect) {
    switch (dialect) {
        case Dialect::kSemicolon:
            return c == ';';
        case Dialect::kTabDecimalComma:
            return c == ' ' || c == '\t';
        case Dialect::kGeneral:
            return c == ' ' || c == '\t' || c == ',';
    }
    return false;
}

// The number whose field starts at pos: the field ends at the first separator or blank and
// the number must fill it. With a decimal point the number is read where it lies, so the
// field is scanned once; a decimal comma needs the field copied first.
bool ParseField(std::string_view line, std::size_t& pos, Dialect dialect, double& value) {
    if (dialect != Dialect::kGeneral) {
        std::size_t end = pos;
        while (end < line.size() && !IsSeparator(line[end], dialect) && !IsBlank(line[end])) {
            ++end;
        }
        const bool parsed = ParseNumber(line.substr(pos, end - pos), true, value);
        pos = end;
        return parsed;
    }
    const char* const start = line.data() + pos;
    const char* const end = line.data() + line.size();
    const char* const digits = *start == '+' ? start + 1 : start;
    const auto [stop, error] = std::from_chars(digits, end, value);
    if (error != std::errc() || stop == digits ||
        static_cast<std::size_t>(stop - digits) > kLongestNumber ||
        (stop != end && !IsSeparator(*stop, dialect) && !IsBlank(*stop))) {
        return false;
    }
    pos = static_cast<std::size_t>(stop - line.data());
    return true;
}

}  // namespace

int ParseLine(std::string_view line, Dialect dialect, double (&values)[kMaxTextColumns]) {
    int count = 0;
    std::size_t pos = 0;
    while (true) {
        while (pos < line.size() && IsBlank(line[pos])) {
            ++pos;
        }
        if (pos >= line.size()) {
            break;
        }
        if (count == static_cast<int>(kMaxTextColumns) ||
            !ParseField(line, pos, dialect, values[count])) {
            return -1;
        }
        ++count;
        while (pos < line.size() && IsBlank(line[pos])) {
            ++pos;
        }
        if (pos < line.size() && IsSeparator(line[pos], dialect) &&
            dialect != Dialect::kTabDecimalComma) {
            ++pos;
            if (dialect == Dialect::kSemicolon) {
                // An empty field between two semicolons is not a number.
                std::size_t next = pos;
                while (next < line.size() && IsBlank(line[next])) {
                    ++next;
                }
                if (next >= line.size() || line[next] == ';') {
                    return -1;
                }
            }
        }
    }
    return count;
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
