#include "profile/text_source.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "common/error_messages.h"
#include "common/natural_order.h"
#include "common/whole_file.h"
#include "profile/source_traces.h"
#include "profile/text_recording.h"

namespace karvelo {

namespace {

constexpr std::size_t kMinRecordingSamples = 2;

std::string Seconds(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.7g", value);
    return text;
}

bool ParseAnyLayout(const std::string& file, std::string_view text, TextRecording& out,
                    SourceRefusal& refusal) {
    if (IsLabviewText(text)) {
        return ParseLabviewText(file, text, out, refusal);
    }
    if (IsMetadataCsv(text)) {
        return ParseMetadataCsv(file, text, out, refusal);
    }
    return ParseDelimitedText(file, text, out, refusal);
}

// The recording's sample interval in seconds: the mean step of its time column (every
// step within 1 % of it), else the header's, else the one the user gave.
bool SettleInterval(const std::string& file, const TextRecording& recording,
                    const SourceOptions& options, double& step, SourceRefusal& refusal) {
    const std::size_t n = recording.Amplitude[0].size();
    if (n < kMinRecordingSamples) {
        return RefuseText(refusal, file, recording.FirstLine,
                          "only " + std::to_string(n) + (n == 1 ? " sample" : " samples") +
                              ", at least 2 are needed");
    }
    if (recording.Time.empty()) {
        step = recording.HeaderInterval > 0.0 ? recording.HeaderInterval
                                              : options.IntervalUs / kMicrosecondsPerSecond;
        if (!(step > 0.0)) {
            return RefuseText(refusal, file, 0, MissingIntervalReason(recording.Layout));
        }
        return true;
    }
    const std::vector<double>& time = recording.Time;
    step = (time[n - 1] - time[0]) / static_cast<double>(n - 1);
    if (!(step > 0.0)) {
        return RefuseText(refusal, file, recording.FirstLine, "the time column does not increase");
    }
    for (std::size_t i = 1; i < n; ++i) {
        const double gap = time[i] - time[i - 1];
        if (std::abs(gap - step) > kIntervalTolerance * step) {
            return RefuseText(refusal, file, recording.FirstLine + i,
                              "time step " + Seconds(gap) + " s differs from the mean step " +
                                  Seconds(step) + " s by more than 1 %");
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
    double firstStep = 0.0;
    for (const std::string& path : paths_) {
        MappedFile file;
        if (!MapRecordingFile(path, file, refusal)) {
            return false;
        }
        TextRecording recording;
        double step = 0.0;
        if (!ParseAnyLayout(path, file.Bytes(), recording, refusal) ||
            !SettleInterval(path, recording, options, step, refusal)) {
            return false;
        }
        const std::size_t n = recording.Amplitude[0].size();
        if (traces.Names.empty()) {
            traces.Channels = static_cast<std::uint32_t>(recording.Channels);
            traces.Samples = n;
            traces.IntervalUs = step * kMicrosecondsPerSecond;
            traces.IntervalFile = path;
            firstStep = step;
            if (!CheckRecordLimit(paths_.size() * traces.Channels, path, refusal)) {
                return false;
            }
            traces.Words.reserve(paths_.size() * traces.Channels * n);
        } else if (recording.Channels != traces.Channels) {
            return RefuseText(refusal, path, recording.FirstLine,
                              std::to_string(recording.Channels) + " channels where " +
                                  traces.Names.front() + " has " + std::to_string(traces.Channels));
        } else if (n != traces.Samples) {
            return RefuseText(refusal, path, 0,
                              std::to_string(n) + " samples where " + traces.Names.front() +
                                  " has " + std::to_string(traces.Samples));
        } else if (std::abs(step - firstStep) > kIntervalTolerance * firstStep) {
            return RefuseText(refusal, path, 0,
                              "sample interval " + Seconds(step) + " s where " +
                                  traces.Names.front() + " has " + Seconds(firstStep) + " s");
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
