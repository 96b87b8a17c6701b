#include "profile/source_traces.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "common/error_messages.h"

namespace karvelo {

namespace {

// Trace-header offsets written for every record (as the built-in profiles write them).
constexpr std::size_t kSequenceInLineOffset = 0;
constexpr std::size_t kSequenceInFileOffset = 4;
constexpr std::size_t kTraceInRecordOffset = 12;
constexpr std::size_t kTraceSamplesOffset = 114;
constexpr std::size_t kTraceIntervalOffset = 116;
constexpr std::size_t kLineNumberOffset = 3204;
constexpr std::size_t kOriginalIntervalOffset = 3218;
constexpr std::size_t kOriginalSamplesOffset = 3222;

// An interval counts as whole when it lies this close to a whole number of microseconds
// (text files print times to about seven digits).
bool IsWholeMicroseconds(double us) {
    return std::abs(us - std::round(us)) <= std::max(1e-3, 1e-6 * us);
}

std::string Microseconds(double us) {
    char text[32];
    std::snprintf(text, sizeof text, "%.6g", us);
    return text;
}

void WriteI32(Image& image, std::size_t offset, std::int32_t value) {
    WriteU32(image, offset, static_cast<std::uint32_t>(value));
}

// The 3200-byte textual header: 40 lines of 80 characters naming the source files.
void WriteTextualHeader(const std::vector<std::string>& names) {
    std::string text = "C 1 KARVELO PROFILE FROM " + std::to_string(names.size()) + " FILE(S)";
    std::size_t line = 1;
    std::string lines;
    auto flush = [&](std::string content) {
        content.resize(80, ' ');
        lines += content;
        ++line;
    };
    flush(text);
    for (const std::string& name : names) {
        if (line > 40) {
            break;
        }
        char prefix[8];
        std::snprintf(prefix, sizeof prefix, "C%-2zu ", line);
        flush(prefix + name.substr(0, 76));
    }
    lines.resize(kTextHeaderBytes, ' ');
    std::copy(lines.begin(), lines.end(), SourceImage.bytes.begin());
}

// Converts a trace's words to values (for resampling) and back as IEEE singles.
std::vector<double> TraceValues(const SourceTraces& traces, std::size_t record) {
    std::vector<double> values(traces.Samples);
    for (std::size_t s = 0; s < traces.Samples; ++s) {
        values[s] = DecodeSample(traces.Format, traces.Words[record * traces.Samples + s]);
    }
    return values;
}

// Puts every trace onto the whole-µs step nearest to the interval (at least 1 µs).
void ResampleToWholeMicroseconds(SourceTraces& traces, SourceSummary& summary) {
    const double step = std::max(1.0, std::round(traces.IntervalUs));
    std::vector<std::uint32_t> words;
    std::size_t samples = 0;
    for (std::size_t r = 0; r < traces.Records; ++r) {
        const std::vector<double> resampled =
            ResampleLinear(TraceValues(traces, r), traces.IntervalUs, step);
        samples = resampled.size();
        for (double v : resampled) {
            words.push_back(EncodeSample(kFormatIeeeFloat, v));
        }
    }
    summary.Note = "Resampled from " + Microseconds(traces.IntervalUs) + " us to " +
                   Microseconds(step) + " us (" + std::to_string(traces.Samples) + " -> " +
                   std::to_string(samples) + " samples).";
    traces.Words = std::move(words);
    traces.Samples = samples;
    traces.IntervalUs = step;
    traces.Format = kFormatIeeeFloat;
}

}  // namespace

std::vector<double> ResampleLinear(const std::vector<double>& samples, double fromStep,
                                   double toStep) {
    std::vector<double> out;
    if (samples.empty() || !(fromStep > 0.0) || !(toStep > 0.0)) {
        return out;
    }
    const double span = fromStep * static_cast<double>(samples.size() - 1);
    const auto count = static_cast<std::size_t>(std::floor(span / toStep + 1e-9)) + 1;
    out.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        const double x = static_cast<double>(i) * toStep / fromStep;
        const auto k = std::min(static_cast<std::size_t>(x), samples.size() - 1);
        const double f = x - static_cast<double>(k);
        out.push_back(k + 1 < samples.size() ? samples[k] + f * (samples[k + 1] - samples[k])
                                             : samples[k]);
    }
    return out;
}

bool CheckRecordLimit(std::size_t records, const std::string& file, SourceRefusal& refusal) {
    if (records <= kMaxTraceRecords) {
        return true;
    }
    refusal = {kErrTooManyFiles, file, 0,
               std::to_string(records) + " traces, more than the 1000 a profile holds"};
    return false;
}

bool StoreSourceTraces(SourceTraces& traces, const SourceOptions& options, SourceSummary& summary,
                       SourceRefusal& refusal) {
    const std::string first = traces.Names.empty() ? std::string() : traces.Names.front();
    if (!CheckRecordLimit(traces.Records, first, refusal)) {
        return false;
    }
    const double us = traces.IntervalUs;
    const bool fits =
        IsWholeMicroseconds(us) && std::round(us) >= 1.0 && std::round(us) <= kMaxSampleIntervalUs;
    const bool resamplable = us > 0.0 && std::round(us) <= kMaxSampleIntervalUs;
    if (!fits && !(options.WholeMicroseconds && resamplable)) {
        refusal = {kErrCannotReadFile, traces.IntervalFile, 0,
                   "sample interval " + Microseconds(us) +
                       " us is not a whole number of microseconds from 1 to 65535"};
        return false;
    }
    if (!fits) {
        ResampleToWholeMicroseconds(traces, summary);
    }
    std::size_t samples = traces.Samples;
    if (samples > kMaxSamplesPerTrace) {
        if (!options.FirstSamples) {
            refusal = {kErrNoMemoryForProfile, first, 0,
                       std::to_string(samples) + " samples per trace, more than 2048"};
            return false;
        }
        summary.Note += (summary.Note.empty() ? "" : " ") + std::string("Kept the first 2048 of ") +
                        std::to_string(samples) + " samples.";
        samples = kMaxSamplesPerTrace;
    }

    const auto interval = static_cast<std::uint16_t>(std::lround(traces.IntervalUs));
    ClearImage(SourceImage);
    WriteTextualHeader(traces.Names);
    WriteI32(SourceImage, kLineNumberOffset, 1);
    WriteU16(SourceImage, kTraceCountOffset, static_cast<std::uint16_t>(traces.Records));
    WriteU16(SourceImage, kSampleIntervalOffset, interval);
    WriteU16(SourceImage, kOriginalIntervalOffset, interval);
    WriteU16(SourceImage, kSamplesPerTraceOffset, static_cast<std::uint16_t>(samples));
    WriteU16(SourceImage, kOriginalSamplesOffset, static_cast<std::uint16_t>(samples));
    WriteU16(SourceImage, kSampleFormatOffset, traces.Format);
    for (std::size_t r = 0; r < traces.Records; ++r) {
        const auto sequence = static_cast<std::int32_t>(r / traces.Channels + 1);
        const std::size_t header = RecordOffset(r);
        WriteI32(SourceImage, header + kSequenceInLineOffset, sequence);
        WriteI32(SourceImage, header + kSequenceInFileOffset, sequence);
        WriteI32(SourceImage, header + kTraceInRecordOffset, sequence);
        WriteU16(SourceImage, header + kTraceSamplesOffset, static_cast<std::uint16_t>(samples));
        WriteU16(SourceImage, header + kTraceIntervalOffset, interval);
        std::copy_n(reinterpret_cast<const std::uint8_t*>(traces.Words.data() + r * traces.Samples),
                    samples * kSampleBytes, SourceImage.bytes.begin() + SampleOffset(r, 0));
    }

    summary.Records = static_cast<std::uint32_t>(traces.Records);
    summary.Channels = traces.Channels;
    summary.Samples = static_cast<std::uint32_t>(samples);
    summary.Interval = interval;
    summary.Unit = TimeUnit::kMicroseconds;
    summary.Names = traces.Names;
    return true;
}

}  // namespace karvelo
