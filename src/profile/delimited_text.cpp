// Delimited text recordings with an optional header of their own.
#include <algorithm>
#include <cctype>
#include <cmath>

#include "profile/text_numbers.h"
#include "profile/text_recording.h"

namespace karvelo {

namespace {

// "1 number", "3 numbers".
std::string Count(std::size_t n, const char* word) {
    return std::to_string(n) + " " + word + (n == 1 ? "" : "s");
}

// The first field of a header line: up to its first tab, comma or semicolon.
std::string_view FirstField(std::string_view line) {
    return line.substr(0, std::min(line.find_first_of("\t,;"), line.size()));
}

// The words of a header field in lower case, brackets and slashes taken as spaces.
std::vector<std::string> Words(std::string_view field) {
    std::vector<std::string> words(1);
    for (const char c : field) {
        if (std::isspace(static_cast<unsigned char>(c)) ||
            std::string_view("()[]{}/").find(c) != std::string_view::npos) {
            if (!words.back().empty()) {
                words.emplace_back();
            }
        } else {
            words.back() += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        }
    }
    return words;
}

// Seconds per unit of a time unit word; 0 for a word that is not one. "sequence" (sample
// numbers) gives -1.
double UnitSeconds(const std::string& word) {
    static const struct {
        const char* word;
        double seconds;
    } kUnits[] = {
        {"s", 1.0},
        {"sec", 1.0},
        {"second", 1.0},
        {"seconds", 1.0},
        {"ms", 1e-3},
        {"msec", 1e-3},
        {"millisecond", 1e-3},
        {"milliseconds", 1e-3},
        {"us", 1e-6},
        {"\xC2\xB5s", 1e-6},
        {"\xCE\xBCs", 1e-6},
        {"usec", 1e-6},
        {"microsecond", 1e-6},
        {"microseconds", 1e-6},
        {"ns", 1e-9},
        {"sequence", -1.0},
    };
    for (const auto& unit : kUnits) {
        if (word == unit.word) {
            return unit.seconds;
        }
    }
    return 0.0;
}

// The time unit the header's last units row gives the first column (1: seconds).
double HeaderTimeUnit(const std::vector<std::string_view>& header) {
    for (auto line = header.rbegin(); line != header.rend(); ++line) {
        for (const std::string& word : Words(FirstField(*line))) {
            if (const double seconds = UnitSeconds(word); seconds != 0.0) {
                return seconds;
            }
        }
    }
    return 1.0;
}

// The value under a column named name in the header line after the names (a "Start,
// Increment" header above a sequence-numbered first column); 0 when there is none.
double HeaderValue(const std::vector<std::string_view>& header, std::string_view name) {
    for (std::size_t i = 0; i + 1 < header.size(); ++i) {
        const std::vector<std::string_view> names = SplitFields(header[i], ',');
        const auto at = std::find(names.begin(), names.end(), name);
        if (at == names.end()) {
            continue;
        }
        const std::vector<std::string_view> values = SplitFields(header[i + 1], ',');
        const auto column = static_cast<std::size_t>(at - names.begin());
        double value = 0.0;
        if (column < values.size() && ParseNumber(values[column], false, value)) {
            return value;
        }
    }
    return 0.0;
}

// Reads text in the dialect its first line of data shows or, with forced, in that one.
bool ParseInDialect(const std::string& file, std::string_view text, const Dialect* forced,
                    TextRecording& out, SourceRefusal& refusal) {
    Dialect dialect = forced != nullptr ? *forced : Dialect::kGeneral;
    std::size_t columns = 0;
    std::size_t blankLine = 0;  // first empty line after the data began
    std::vector<std::string_view> header;
    std::string_view firstData;
    double values[kMaxTextColumns];
    TextLines lines(text);
    std::string_view line;
    std::size_t number = 0;
    const auto begin = [&](int count) {
        columns = static_cast<std::size_t>(count);
        out = TextRecording{};
        out.Channels = columns == 1 ? 1 : columns - 1;
        out.FirstLine = number;
        firstData = line;
        // Lines of data are alike in length: room for as many as the rest of the text holds,
        // up to a bound beyond which the vectors grow as they are filled.
        constexpr std::size_t kMostReserved = std::size_t{1} << 16;
        const auto rest = text.size() - static_cast<std::size_t>(line.data() - text.data());
        const std::size_t expected = std::min(rest / (line.size() + 1) + 1, kMostReserved);
        if (columns > 1) {
            out.Time.reserve(expected);
        }
        for (std::size_t c = 0; c < out.Channels; ++c) {
            out.Amplitude[c].reserve(expected);
        }
    };
    while (lines.Next(line, number)) {
        if (columns == 0) {
            const int count = forced != nullptr ? ParseLine(line, dialect, values)
                                                : ParseFirstDataLine(line, 1, dialect, values);
            if (count < 1) {  // a blank line reads as no numbers: no data yet
                if (!std::all_of(line.begin(), line.end(), IsBlank)) {
                    header.push_back(line);
                }
                continue;
            }
            begin(count);
        } else {
            if (std::all_of(line.begin(), line.end(), IsBlank)) {
                if (blankLine == 0) {
                    blankLine = number;
                }
                continue;
            }
            if (blankLine != 0) {
                return RefuseText(refusal, file, blankLine, "empty line inside the data");
            }
            int count = ParseLine(line, dialect, values);
            if (columns == 1 && out.Amplitude[0].size() == 1 && count != 1) {
                // A lone number above the columns of the data belongs to the header.
                count = ParseFirstDataLine(line, 2, dialect, values);
                if (count > 0) {
                    header.push_back(firstData);
                    begin(count);
                }
            }
            if (count < 0) {
                return RefuseText(refusal, file, number, "not a line of numbers");
            }
            if (static_cast<std::size_t>(count) != columns) {
                return RefuseText(refusal, file, number,
                                  Count(static_cast<std::size_t>(count), "number") +
                                      " where the data have " + std::to_string(columns) +
                                      " columns");
            }
        }
        if (!AppendTextSample(file, number, values, columns > 1, out, refusal)) {
            return false;
        }
    }
    if (columns == 0) {
        return RefuseText(refusal, file, 0, "no lines of numbers found");
    }
    const double unit = HeaderTimeUnit(header);
    if (unit < 0.0) {
        // The first column numbers the samples; the header's increment is the interval.
        out.HeaderInterval = HeaderValue(header, "Increment");
        out.Time.clear();
        out.Layout = "numbered samples";
    } else if (unit != 1.0) {
        for (double& t : out.Time) {
            t *= unit;
        }
    }
    if (out.Layout.empty()) {
        out.Layout = columns == 1 ? "one column of amplitudes" : "time and amplitude columns";
    }
    return true;
}

// Whether the first column could be a time axis: it increases from line to line.
bool Increases(const std::vector<double>& time) {
    return std::adjacent_find(time.begin(), time.end(), std::greater_equal<>()) == time.end();
}

}  // namespace

bool ParseDelimitedText(const std::string& file, std::string_view text, TextRecording& out,
                        SourceRefusal& refusal) {
    if (!ParseInDialect(file, text, nullptr, out, refusal)) {
        return false;
    }
    // "0,125" read as the time 0 and the amplitude 125 gives no time axis: such a file is one
    // column of amplitudes written with a decimal comma.
    if (out.Channels == 1 && out.Time.size() >= 2 && !Increases(out.Time) &&
        out.HeaderInterval == 0.0) {
        constexpr Dialect kDecimalComma = Dialect::kTabDecimalComma;
        TextRecording commas;
        SourceRefusal ignored;
        if (ParseInDialect(file, text, &kDecimalComma, commas, ignored) && commas.Time.empty()) {
            commas.Layout = "one column of amplitudes with a decimal comma";
            out = std::move(commas);
        }
    }
    return true;
}

}  // namespace karvelo
