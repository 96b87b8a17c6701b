// Traces read from files, before they go into the loader's image, and the one place where the
// limits of the image are applied to them (record count, samples per trace, interval).
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "profile/profile_source.h"

namespace karvelo {

struct SourceTraces {
    std::uint16_t Format = kFormatIeeeFloat;  // program format code of Words (1 or 2)
    std::uint32_t Channels = 1;
    std::size_t Records = 0;
    std::size_t Samples = 0;           // samples per trace
    double IntervalUs = 0.0;           // sample interval in microseconds
    std::vector<std::uint32_t> Words;  // Records * Samples sample words, record by record
    std::vector<std::string> Names;    // source files in record order
    std::string IntervalFile;          // the file the interval was taken from
};

// Largest sample interval the binary header can carry, in microseconds.
inline constexpr double kMaxSampleIntervalUs = 65535.0;

// Times of consecutive samples, or the intervals of files opened together, may differ by
// this fraction at most.
inline constexpr double kIntervalTolerance = 0.01;

inline constexpr double kMicrosecondsPerSecond = 1e6;

// "1.6", "0.5", "1e-06": a time in microseconds as notes and refusals print it.
std::string FormatMicroseconds(double us);

// The open dialog's field of the sample interval as refusals name it; the desktop program
// gives it in the interface language.
inline constexpr const char* kIntervalFieldName = "Шаг дискретизации, мкс";

// The reason of a refusal of a recording (what: "one column of amplitudes", "NumPy
// array") that gives no sample interval when the user gave none either.
std::string MissingIntervalReason(const std::string& what);

// More records than the image holds: error 4, naming file.
bool CheckRecordLimit(std::size_t records, const std::string& file, SourceRefusal& refusal);

// Every sample an image holds is a finite single-precision number: a word of words (one
// file's traces of samples each, in the program format, the first of them trace firstTrace
// of the file, 0-based) that is NaN or infinite (a value beyond the single-precision range
// becomes infinite when it is stored) is refused with error 8, naming file, the trace and
// the sample (1-based). Integer words always pass.
bool CheckFiniteSamples(std::span<const std::uint32_t> words, std::uint16_t format,
                        std::size_t samples, const std::string& file, SourceRefusal& refusal,
                        std::size_t firstTrace = 0);

// Applies the limits (error 4 above 1000 records; error 8 for an interval outside 1 ..
// 65535 us) and fits the traces into the image (recording_fit.h; the note says what the
// fit did), then clears image and writes the traces, their headers and a textual header
// naming the files. Returns false with refusal filled, image untouched, when a limit
// refuses.
bool StoreSourceTraces(Image& image, SourceTraces& traces, const SourceOptions& options,
                       SourceSummary& summary, SourceRefusal& refusal);

}  // namespace karvelo
