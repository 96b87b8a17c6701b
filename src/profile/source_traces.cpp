#include "profile/source_traces.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "common/error_messages.h"
#include "profile/recording_fit.h"

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

void WriteI32(Image& image, std::size_t offset, std::int32_t value) {
    WriteU32(image, offset, static_cast<std::uint32_t>(value));
}

// The 3200-byte textual header: 40 lines of 80 characters naming the source files.
void WriteTextualHeader(Image& image, const std::vector<std::string>& names) {
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
    std::copy(lines.begin(), lines.end(), image.bytes.begin());
}

// Resamples every trace as the plan says, as IEEE singles.
void ApplyFit(SourceTraces& traces, const FitPlan& plan) {
    TraceResampler resampler(traces.IntervalUs, plan.StepUs);
    std::vector<std::uint32_t> words;
    words.reserve(traces.Records * plan.Resampled);
    std::vector<double> values(plan.InputSamples);
    for (std::size_t r = 0; r < traces.Records; ++r) {
        for (std::size_t s = 0; s < plan.InputSamples; ++s) {
            values[s] = DecodeSample(traces.Format, traces.Words[r * traces.Samples + s]);
        }
        for (const double v : resampler.Resample(values)) {
            words.push_back(EncodeSample(kFormatIeeeFloat, v));
        }
    }
    traces.Words = std::move(words);
    traces.Samples = plan.Resampled;
    traces.IntervalUs = plan.StepUs;
    traces.Format = kFormatIeeeFloat;
}

}  // namespace

std::string FormatMicroseconds(double us) {
    char text[32];
    std::snprintf(text, sizeof text, "%.6g", us);
    return text;
}

std::string MissingIntervalReason(const std::string& what) {
    return what +
           " without a sample interval: give the interval in microseconds (--interval-us, \"" +
           kIntervalFieldName + "\")";
}

bool CheckRecordLimit(std::size_t records, const std::string& file, SourceRefusal& refusal) {
    if (records <= kMaxTraceRecords) {
        return true;
    }
    refusal = {kErrTooManyFiles, file, 0,
               std::to_string(records) + " traces, more than the 1000 a profile holds"};
    return false;
}

bool CheckFiniteSamples(std::span<const std::uint32_t> words, std::uint16_t format,
                        std::size_t samples, const std::string& file, SourceRefusal& refusal,
                        std::size_t firstTrace) {
    if (format != kFormatIeeeFloat || samples == 0) {
        return true;
    }
    const auto bad = std::find_if(words.begin(), words.end(), [](std::uint32_t word) {
        return !std::isfinite(DecodeSample(kFormatIeeeFloat, word));
    });
    if (bad == words.end()) {
        return true;
    }
    const auto index = static_cast<std::size_t>(bad - words.begin());
    const bool nan = std::isnan(DecodeSample(kFormatIeeeFloat, *bad));
    refusal = {
        kErrCannotReadFile, file, 0,
        "trace " + std::to_string(firstTrace + index / samples + 1) + ", sample " +
            std::to_string(index % samples + 1) +
            (nan ? " is not a number (NaN)" : " is infinite or beyond the single-precision range")};
    return false;
}

bool StoreSourceTraces(Image& image, SourceTraces& traces, const SourceOptions& options,
                       SourceSummary& summary, SourceRefusal& refusal) {
    const std::string first = traces.Names.empty() ? std::string() : traces.Names.front();
    if (!CheckRecordLimit(traces.Records, first, refusal)) {
        return false;
    }
    const double us = traces.IntervalUs > 0.0 ? traces.IntervalUs : options.IntervalUs;
    if (!(us > 0.0)) {
        refusal = {kErrCannotReadFile, traces.IntervalFile, 0,
                   MissingIntervalReason("a recording")};
        return false;
    }
    traces.IntervalUs = us;
    const FitPlan plan = PlanFit(traces.Samples, us, options.FirstSamples);
    if (plan.StepUs > kMaxSampleIntervalUs) {
        refusal = {kErrCannotReadFile, traces.IntervalFile, 0,
                   "sample interval " + FormatMicroseconds(us) +
                       " us is longer than the 65535 us a profile holds"};
        return false;
    }
    if (plan.Samples < 2 && traces.Samples >= 2) {
        refusal = {kErrCannotReadFile, traces.IntervalFile, 0,
                   std::to_string(traces.Samples) + " samples at " + FormatMicroseconds(us) +
                       " us last less than two samples at " + FormatMicroseconds(plan.StepUs) +
                       " us"};
        return false;
    }
    const std::size_t recorded = traces.Samples;
    if (plan.Resample) {
        ApplyFit(traces, plan);
    }
    summary.Note = FitNote(recorded, us, plan);
    const std::size_t samples = plan.Samples;

    const auto interval = static_cast<std::uint16_t>(std::lround(traces.IntervalUs));
    ClearImage(image);
    WriteTextualHeader(image, traces.Names);
    WriteI32(image, kLineNumberOffset, 1);
    WriteU16(image, kTraceCountOffset, static_cast<std::uint16_t>(traces.Records));
    WriteU16(image, kSampleIntervalOffset, interval);
    WriteU16(image, kOriginalIntervalOffset, interval);
    WriteU16(image, kSamplesPerTraceOffset, static_cast<std::uint16_t>(samples));
    WriteU16(image, kOriginalSamplesOffset, static_cast<std::uint16_t>(samples));
    WriteU16(image, kSampleFormatOffset, traces.Format);
    for (std::size_t r = 0; r < traces.Records; ++r) {
        const auto sequence = static_cast<std::int32_t>(r / traces.Channels + 1);
        const std::size_t header = RecordOffset(r);
        WriteI32(image, header + kSequenceInLineOffset, sequence);
        WriteI32(image, header + kSequenceInFileOffset, sequence);
        WriteI32(image, header + kTraceInRecordOffset, sequence);
        WriteU16(image, header + kTraceSamplesOffset, static_cast<std::uint16_t>(samples));
        WriteU16(image, header + kTraceIntervalOffset, interval);
        std::copy_n(reinterpret_cast<const std::uint8_t*>(traces.Words.data() + r * traces.Samples),
                    samples * kSampleBytes, image.bytes.begin() + SampleOffset(r, 0));
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
