// Comma text whose first columns hold the recording's metadata beside the samples.
#include <algorithm>

#include "profile/text_numbers.h"
#include "profile/text_recording.h"

namespace karvelo {

namespace {

constexpr std::string_view kFirstKey = "Record Length,";

}  // namespace

bool IsMetadataCsv(std::string_view text) {
    return TextStartsWith(text, kFirstKey);
}

bool ParseMetadataCsv(const std::string& file, std::string_view text, TextRecording& out,
                      SourceRefusal& refusal) {
    out = TextRecording{};
    out.Channels = 1;
    out.Layout = "comma text with metadata columns";
    TextLines lines(text);
    std::string_view line;
    std::size_t number = 0;
    double values[2];
    while (lines.Next(line, number)) {
        std::vector<std::string_view> fields = SplitFields(line, ',');
        while (!fields.empty() && fields.back().empty()) {
            fields.pop_back();
        }
        if (fields.empty()) {
            continue;
        }
        if (fields.size() < 2 || !ParseNumber(fields[fields.size() - 2], false, values[0]) ||
            !ParseNumber(fields.back(), false, values[1])) {
            return RefuseText(refusal, file, number, "no time and value at the end of the line");
        }
        if (out.FirstLine == 0) {
            out.FirstLine = number;
        }
        if (!AppendTextSample(file, number, values, true, out, refusal)) {
            return false;
        }
    }
    if (out.FirstLine == 0) {
        return RefuseText(refusal, file, 0, "no lines of numbers found");
    }
    return true;
}

}  // namespace karvelo
