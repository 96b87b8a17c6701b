// One text recording as a layout reader returns it, before the checks every recording
// gets (enough samples, an even time step) and before its interval is settled.
#pragma once

#include <cmath>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/single_precision.h"
#include "profile/profile_source.h"

namespace karvelo {

struct TextRecording {
    std::size_t Channels = 0;         // amplitude columns: 1 or 2
    std::size_t FirstLine = 0;        // 1-based line of the first sample
    std::vector<double> Time;         // seconds, one a sample; empty: the file has no time column
    std::vector<float> Amplitude[2];  // one vector a channel
    double HeaderInterval = 0.0;      // seconds, as the file's header gives it (0: not given)
    std::string Layout;               // what the file was read as, e.g. "LabVIEW measurement"
};

// The refusal of a sample AppendTextSample cannot take, in the order the checks are
// reported: a value that is not a finite number, then an amplitude beyond the
// single-precision range. Returns false.
bool RefuseTextSample(const std::string& file, std::size_t line, const double* values, bool hasTime,
                      std::size_t channels, SourceRefusal& refusal);

// Appends one sample: the time (when hasTime) and then out.Channels amplitudes from values.
// Refuses (error 8, naming file and line) a value that is not a finite number and an
// amplitude beyond the single-precision range. Inline: it runs for every line of data.
inline bool AppendTextSample(const std::string& file, std::size_t line, const double* values,
                             bool hasTime, TextRecording& out, SourceRefusal& refusal) {
    const std::size_t first = hasTime ? 1 : 0;
    float amplitude[2] = {};
    for (std::size_t c = 0; c < out.Channels; ++c) {
        const std::optional<float> single = ToSingle(values[first + c]);
        if (!single) {
            return RefuseTextSample(file, line, values, hasTime, out.Channels, refusal);
        }
        amplitude[c] = *single;
    }
    if (hasTime && !std::isfinite(values[0])) {
        return RefuseTextSample(file, line, values, hasTime, out.Channels, refusal);
    }
    if (hasTime) {
        out.Time.push_back(values[0]);
    }
    for (std::size_t c = 0; c < out.Channels; ++c) {
        out.Amplitude[c].push_back(amplitude[c]);
    }
    return true;
}

// Fills refusal with error 8 for file and line; returns false.
bool RefuseText(SourceRefusal& refusal, const std::string& file, std::size_t line,
                std::string reason);

// Delimited text: leading lines that are not numbers are a header; then a time column and
// one or two amplitude columns, or one column of amplitudes alone. The header's units row
// gives the time unit ("(ms)", "Second", "Time [us]"; seconds when none), and a
// "Start,Increment" pair the interval of a sequence-numbered first column.
bool ParseDelimitedText(const std::string& file, std::string_view text, TextRecording& out,
                        SourceRefusal& refusal);

// LabVIEW measurement files: header blocks ending "***End_of_Header***" (Separator,
// Decimal_Separator, X_Columns, Delta_X), then rows of a time column (or none) and the
// channels.
bool IsLabviewText(std::string_view text);
bool ParseLabviewText(const std::string& file, std::string_view text, TextRecording& out,
                      SourceRefusal& refusal);

// Comma text with metadata rows beside the data ("Record Length,2500,,TIME,VALUE" ...
// "Sample Interval,4e-07,,TIME,VALUE"): the last two fields of each row are the time and
// the amplitude.
bool IsMetadataCsv(std::string_view text);
bool ParseMetadataCsv(const std::string& file, std::string_view text, TextRecording& out,
                      SourceRefusal& refusal);

}  // namespace karvelo
