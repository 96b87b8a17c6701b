// The numbers of text recordings: fields told apart by tabs, spaces, commas or semicolons,
// a decimal comma where the separator allows one.
#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

namespace karvelo {

// Most numbers a line of data holds (a time and two channels).
inline constexpr std::size_t kMaxTextColumns = 3;

// How the fields of a line are told apart.
enum class Dialect {
    kSemicolon,        // ';' between fields, decimal comma allowed
    kTabDecimalComma,  // tabs or spaces between fields, decimal comma
    kGeneral,          // tabs, spaces or commas between fields, decimal point
};

inline bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r';
}

// Parses one number that fills field entirely (a leading '+' allowed; with decimalComma a
// ',' is the decimal point); false for anything else. NaN and infinities parse.
bool ParseNumber(std::string_view field, bool decimalComma, double& value);

// The numbers of one line in the dialect; returns how many (0 .. kMaxTextColumns) or -1
// when a field is not a number or there are too many fields.
int ParseLine(std::string_view line, Dialect dialect, double (&values)[kMaxTextColumns]);

// A first line of data: tries the dialects its separators allow, most particular first,
// and sets dialect to the first that reads at least minimum numbers; -1 when none does.
int ParseFirstDataLine(std::string_view line, int minimum, Dialect& dialect,
                       double (&values)[kMaxTextColumns]);

// The fields of line between separator characters, blanks around them removed.
std::vector<std::string_view> SplitFields(std::string_view line, char separator);

// Whether text, after a UTF-8 byte order mark if it has one, starts with prefix.
bool TextStartsWith(std::string_view text, std::string_view prefix);

// Lines of text one by one: CR before LF removed, a UTF-8 byte order mark skipped.
class TextLines {
  public:
    explicit TextLines(std::string_view text);
    // The next line and its 1-based number; false at the end. Inline: it runs once for
    // every sample of every recording.
    bool Next(std::string_view& line, std::size_t& number) {
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

  private:
    std::string_view text_;
    std::size_t pos_ = 0;
    std::size_t number_ = 0;
};

}  // namespace karvelo
