// LabVIEW measurement files (.lvm).
#include <algorithm>

#include "profile/text_numbers.h"
#include "profile/text_recording.h"

namespace karvelo {

namespace {

constexpr std::string_view kLabviewMagic = "LabVIEW Measurement";
constexpr std::string_view kEndOfHeader = "***End_of_Header***";

// What the header blocks say about the data.
struct LabviewHeader {
    char Separator = '\t';
    bool DecimalComma = false;
    std::string XColumns = "One";  // "No", "One" or "Multi"
    double DeltaX = 0.0;           // seconds
};

void ReadHeaderLine(std::string_view line, LabviewHeader& header) {
    // Keys and values stand in tab- or comma-separated fields; the separator is not known
    // before its own line.
    const char separator = line.find('\t') != std::string_view::npos ? '\t' : ',';
    const std::vector<std::string_view> fields = SplitFields(line, separator);
    if (fields.size() < 2) {
        return;
    }
    const std::string_view key = fields[0];
    const std::string_view value = fields[1];
    if (key == "Separator") {
        header.Separator = value == "Comma" ? ',' : '\t';
    } else if (key == "Decimal_Separator") {
        header.DecimalComma = value == ",";
    } else if (key == "X_Columns") {
        header.XColumns = std::string(value);
    } else if (key == "Delta_X") {
        double delta = 0.0;
        if (ParseNumber(value, header.DecimalComma, delta) && delta > 0.0) {
            header.DeltaX = delta;
        }
    }
}

// The numbers of a data row (empty trailing fields, such as an empty comment, dropped);
// false when a field is not a number.
bool ParseRow(std::string_view line, const LabviewHeader& header, std::vector<double>& numbers) {
    std::vector<std::string_view> fields = SplitFields(line, header.Separator);
    while (!fields.empty() && fields.back().empty()) {
        fields.pop_back();
    }
    numbers.resize(fields.size());
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (!ParseNumber(fields[i], header.DecimalComma, numbers[i])) {
            return false;
        }
    }
    return !fields.empty();
}

}  // namespace

bool IsLabviewText(std::string_view text) {
    return TextStartsWith(text, kLabviewMagic);
}

bool ParseLabviewText(const std::string& file, std::string_view text, TextRecording& out,
                      SourceRefusal& refusal) {
    LabviewHeader header;
    bool afterHeader = false;
    bool hasTime = true;
    std::size_t columns = 0;
    std::vector<double> numbers;
    double values[kMaxTextColumns];
    TextLines lines(text);
    std::string_view line;
    std::size_t number = 0;
    out = TextRecording{};
    out.Layout = "LabVIEW measurement";
    while (lines.Next(line, number)) {
        if (std::all_of(line.begin(), line.end(), IsBlank)) {
            continue;
        }
        if (line.starts_with(kEndOfHeader)) {
            if (columns != 0) {
                break;  // a second segment: the first one is the recording
            }
            afterHeader = true;
            continue;
        }
        if (!afterHeader || !ParseRow(line, header, numbers)) {
            if (columns != 0) {
                return RefuseText(refusal, file, number, "not a line of numbers");
            }
            ReadHeaderLine(line, header);  // a header key or the column names
            continue;
        }
        if (columns == 0) {
            columns = numbers.size();
            hasTime = header.XColumns != "No";
            const std::size_t channels =
                header.XColumns == "Multi" ? columns / 2 : columns - (hasTime ? 1 : 0);
            if (channels < 1 || channels > 2) {
                return RefuseText(
                    refusal, file, number,
                    std::to_string(channels) + " channels; a recording has one or two");
            }
            out.Channels = channels;
            out.FirstLine = number;
            out.HeaderInterval = header.DeltaX;
        }
        if (numbers.size() != columns) {
            return RefuseText(refusal, file, number,
                              std::to_string(numbers.size()) + " numbers where the data have " +
                                  std::to_string(columns) + " columns");
        }
        // Multi: a time column before each channel; the first one times them all.
        const std::size_t stride = header.XColumns == "Multi" ? 2 : 1;
        std::size_t n = 0;
        if (hasTime) {
            values[n++] = numbers[0];
        }
        for (std::size_t c = 0; c < out.Channels; ++c) {
            values[n++] = numbers[(hasTime ? 1 : 0) + c * stride];
        }
        if (!AppendTextSample(file, number, values, hasTime, out, refusal)) {
            return false;
        }
    }
    if (columns == 0) {
        return RefuseText(refusal, file, 0, "no lines of numbers after the LabVIEW header");
    }
    return true;
}

}  // namespace karvelo
