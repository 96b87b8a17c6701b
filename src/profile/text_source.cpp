#include "profile/text_source.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string_view>

#include "common/error_messages.h"
#include "common/natural_order.h"
#include "common/whole_file.h"
#include "profile/source_traces.h"

namespace karvelo {

namespace {

constexpr std::size_t kMinRecordingSamples = 2;
constexpr std::size_t kMaxColumns = 3;
constexpr double kMicrosecondsPerSecond = 1e6;

// How the fields of a line are told apart.
enum class Dialect {
    kSemicolon,        // ';' between fields, decimal comma allowed
    kTabDecimalComma,  // tabs or spaces between fields, decimal comma
    kGeneral,          // tabs, spaces or commas between fields, decimal point
};

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r';
}

// Parses one number that fills field entirely; false for anything else (NaN and
// infinities parse and are caught by the caller, so the message can say so).
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

// The numbers of one line in the dialect; returns how many (0 .. kMaxColumns) or -1 when
// a field is not a number or there are too many fields.
int ParseLine(std::string_view line, Dialect dialect, double (&values)[kMaxColumns]) {
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
        if (count == static_cast<int>(kMaxColumns) ||
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

// The dialects a first line of data may be written in, most particular first.
int ParseFirstDataLine(std::string_view line, Dialect& dialect, double (&values)[kMaxColumns]) {
    std::vector<Dialect> candidates;
    if (line.find(';') != std::string_view::npos) {
        candidates.push_back(Dialect::kSemicolon);
    } else {
        if (line.find('\t') != std::string_view::npos && line.find(',') != std::string_view::npos) {
            candidates.push_back(Dialect::kTabDecimalComma);
        }
        candidates.push_back(Dialect::kGeneral);
    }
    for (const Dialect candidate : candidates) {
        const int count = ParseLine(line, candidate, values);
        if (count >= 2) {
            dialect = candidate;
            return count;
        }
    }
    return -1;
}

// "1 number", "3 numbers".
std::string Count(std::size_t n, const char* word) {
    return std::to_string(n) + " " + word + (n == 1 ? "" : "s");
}

std::string Seconds(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.7g", value);
    return text;
}

// One parsed recording: the time column and one or two amplitude columns.
struct Recording {
    std::size_t Columns = 0;
    std::size_t FirstLine = 0;  // 1-based line of the first sample
    std::vector<double> Time;
    std::vector<float> Amplitude[2];
};

bool Refuse(SourceRefusal& refusal, const std::string& file, std::size_t line, std::string reason) {
    refusal = {kErrCannotReadFile, file, line, std::move(reason)};
    return false;
}

bool ParseRecording(const std::string& file, std::string_view text, Recording& out,
                    SourceRefusal& refusal) {
    if (text.starts_with("\xEF\xBB\xBF")) {
        text.remove_prefix(3);
    }
    Dialect dialect = Dialect::kGeneral;
    std::size_t lineNumber = 0;
    std::size_t blankLine = 0;  // first empty line after the data began
    double values[kMaxColumns];
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t end = text.find('\n', pos);
        if (end == std::string_view::npos) {
            end = text.size();
        }
        std::string_view line = text.substr(pos, end - pos);
        pos = end + 1;
        ++lineNumber;
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        if (out.Columns == 0) {
            const int count = ParseFirstDataLine(line, dialect, values);
            if (count < 0) {
                continue;  // a header line
            }
            out.Columns = static_cast<std::size_t>(count);
            out.FirstLine = lineNumber;
        } else {
            if (std::all_of(line.begin(), line.end(), IsBlank)) {
                if (blankLine == 0) {
                    blankLine = lineNumber;
                }
                continue;
            }
            if (blankLine != 0) {
                return Refuse(refusal, file, blankLine, "empty line inside the data");
            }
            const int count = ParseLine(line, dialect, values);
            if (count < 0) {
                return Refuse(refusal, file, lineNumber, "not a line of numbers");
            }
            if (static_cast<std::size_t>(count) != out.Columns) {
                return Refuse(refusal, file, lineNumber,
                              Count(static_cast<std::size_t>(count), "number") +
                                  " where the data have " + std::to_string(out.Columns) +
                                  " columns");
            }
        }
        for (std::size_t c = 0; c < out.Columns; ++c) {
            if (!std::isfinite(values[c])) {
                return Refuse(refusal, file, lineNumber, "a value is not a finite number");
            }
        }
        out.Time.push_back(values[0]);
        for (std::size_t c = 1; c < out.Columns; ++c) {
            out.Amplitude[c - 1].push_back(static_cast<float>(values[c]));
        }
    }
    if (out.Columns == 0) {
        return Refuse(refusal, file, 0, "no lines of numbers found");
    }
    const std::size_t n = out.Time.size();
    if (n < kMinRecordingSamples) {
        return Refuse(refusal, file, out.FirstLine,
                      "only " + Count(n, "sample") + ", at least 2 are needed");
    }
    const double mean = (out.Time[n - 1] - out.Time[0]) / static_cast<double>(n - 1);
    if (!(mean > 0.0)) {
        return Refuse(refusal, file, out.FirstLine, "the time column does not increase");
    }
    for (std::size_t i = 1; i < n; ++i) {
        const double step = out.Time[i] - out.Time[i - 1];
        if (std::abs(step - mean) > kIntervalTolerance * mean) {
            return Refuse(refusal, file, out.FirstLine + i,
                          "time step " + Seconds(step) + " s differs from the mean step " +
                              Seconds(mean) + " s by more than 1 %");
        }
    }
    return true;
}

}  // namespace

TextSource::TextSource(std::vector<std::string> paths) : paths_(std::move(paths)) {
    std::stable_sort(paths_.begin(), paths_.end(),
                     [](const std::string& a, const std::string& b) { return NaturalLess(a, b); });
}

bool TextSource::WriteSourceImage(Image& image, const SourceOptions& options,
                                  SourceSummary& summary, SourceRefusal& refusal) {
    SourceTraces traces;
    traces.Format = kFormatIeeeFloat;
    std::string content;
    std::string reason;
    Recording first;
    double firstStep = 0.0;
    for (const std::string& path : paths_) {
        if (!ReadWholeFile(path, content, reason)) {
            refusal = {kErrCannotOpenFile, path, 0, reason};
            return false;
        }
        Recording recording;
        if (!ParseRecording(path, content, recording, refusal)) {
            return false;
        }
        const std::size_t n = recording.Time.size();
        const double step =
            (recording.Time[n - 1] - recording.Time[0]) / static_cast<double>(n - 1);
        if (traces.Names.empty()) {
            traces.Channels = static_cast<std::uint32_t>(recording.Columns - 1);
            traces.Samples = n;
            traces.IntervalUs = step * kMicrosecondsPerSecond;
            traces.IntervalFile = path;
            firstStep = step;
            if (!CheckRecordLimit(paths_.size() * traces.Channels, path, refusal)) {
                return false;
            }
            traces.Words.reserve(paths_.size() * traces.Channels * n);
        } else if (recording.Columns - 1 != traces.Channels) {
            return Refuse(refusal, path, recording.FirstLine,
                          std::to_string(recording.Columns) + " columns where " +
                              traces.Names.front() + " has " + std::to_string(traces.Channels + 1));
        } else if (n != traces.Samples) {
            return Refuse(refusal, path, 0,
                          std::to_string(n) + " samples where " + traces.Names.front() + " has " +
                              std::to_string(traces.Samples));
        } else if (std::abs(step - firstStep) > kIntervalTolerance * firstStep) {
            return Refuse(refusal, path, 0,
                          "sample interval " + Seconds(step) + " s where " + traces.Names.front() +
                              " has " + Seconds(firstStep) + " s");
        }
        for (std::size_t c = 0; c < traces.Channels; ++c) {
            for (const float v : recording.Amplitude[c]) {
                traces.Words.push_back(EncodeSample(kFormatIeeeFloat, v));
            }
        }
        traces.Names.push_back(path);
    }
    traces.Records = traces.Names.size() * traces.Channels;
    return StoreSourceTraces(image, traces, options, summary, refusal);
}

}  // namespace karvelo
