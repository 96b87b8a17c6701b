#include "profile/text_numbers.h"

#include <algorithm>
#include <charconv>

namespace karvelo {

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r';
}

bool ParseNumber(std::string_view field, bool decimalComma, double& value) {
    if (!field.empty() && field.front() == '+') {
        field.remove_prefix(1);
    }
    if (field.empty() || field.size() > 63) {
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

int ParseLine(std::string_view line, Dialect dialect, double (&values)[kMaxTextColumns]) {
    int count = 0;
    std::size_t pos = 0;
    const bool decimalComma = dialect != Dialect::kGeneral;
    auto isSeparator = [dialect](char c) {
        switch (dialect) {
            case Dialect::kSemicolon:
                return c == ';';
            case Dialect::kTabDecimalComma:
                return c == ' ' || c == '\t';
            case Dialect::kGeneral:
                return c == ' ' || c == '\t' || c == ',';
        }
        return false;
    };
    while (true) {
        while (pos < line.size() && IsBlank(line[pos])) {
            ++pos;
        }
        if (pos >= line.size()) {
            break;
        }
        std::size_t end = pos;
        while (end < line.size() && !isSeparator(line[end]) && !IsBlank(line[end])) {
            ++end;
        }
        if (count == static_cast<int>(kMaxTextColumns) ||
            !ParseNumber(line.substr(pos, end - pos), decimalComma, values[count])) {
            return -1;
        }
        ++count;
        pos = end;
        while (pos < line.size() && IsBlank(line[pos])) {
            ++pos;
        }
        if (pos < line.size() && isSeparator(line[pos]) && dialect != Dialect::kTabDecimalComma) {
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

bool TextLines::Next(std::string_view& line, std::size_t& number) {
    if (pos_ >= text_.size()) {
        return false;
    }
    std::size_t end = text_.find('\n', pos_);
    if (end == std::string_view::npos) {
        end = text_.size();
    }
    line = text_.substr(pos_, end - pos_);
    pos_ = end + 1;
    if (!line.empty() && line.back() == '\r') {
        line.remove_suffix(1);
    }
    number = ++number_;
    return true;
}

}  // namespace karvelo
