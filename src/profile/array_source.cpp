#include <cmath>

#include "common/error_messages.h"
#include "profile/array_recording.h"
#include "profile/source_traces.h"

namespace karvelo {

namespace {

bool ReadArrayFile(ArrayKind kind, const std::string& path, const SourceOptions& options,
                   ArrayRecording& out, SourceRefusal& refusal) {
    // libsndfile and matio read what they are given: a file past the bound is refused first.
    std::uint64_t size = 0;
    std::string reason;
    if (const FileFault fault = CheckFileWithin(path, kMaxWholeFileBytes, size, reason);
        fault != FileFault::kNone) {
        refusal = FileFaultRefusal(fault, path, std::move(reason));
        return false;
    }
    switch (kind) {
        case ArrayKind::kNumpy:
            return ReadNumpyRecording(path, out, refusal);
        case ArrayKind::kWav:
            return ReadWavRecording(path, out, refusal);
        case ArrayKind::kMatlab:
            return ReadMatlabRecording(path, options.Variable, out, refusal);
    }
    return false;
}

const char* KindName(ArrayKind kind) {
    switch (kind) {
        case ArrayKind::kNumpy:
            return "NumPy array";
        case ArrayKind::kWav:
            return "WAV file";
        case ArrayKind::kMatlab:
            return "MATLAB array";
    }
    return "";
}

std::string Shape(const ArrayRecording& r) {
    return std::to_string(r.Traces) + " traces of " + std::to_string(r.Samples) + " samples";
}

}  // namespace

ArraySource::ArraySource(ArrayKind kind, std::vector<std::string> paths)
    : kind_(kind), paths_(std::move(paths)) {}

bool ArraySource::WriteSourceImage(Image& image, const SourceOptions& options,
                                   SourceSummary& summary, SourceRefusal& refusal) {
    SourceTraces traces;
    traces.Format = kFormatIeeeFloat;
    ArrayRecording first;
    for (const std::string& path : paths_) {
        ArrayRecording recording;
        if (!ReadArrayFile(kind_, path, options, recording, refusal)) {
            return false;
        }
        if (recording.IntervalUs <= 0.0) {
            recording.IntervalUs = options.IntervalUs;
        }
        if (!(recording.IntervalUs > 0.0)) {
            refusal = {kErrCannotReadFile, path, 0, MissingIntervalReason(KindName(kind_))};
            return false;
        }
        if (traces.Names.empty()) {
            first = recording;
            first.Values.clear();
            traces.Channels = recording.Channels;
            traces.Samples = recording.Samples;
            traces.IntervalUs = recording.IntervalUs;
            traces.IntervalFile = path;
        } else if (recording.Samples != first.Samples || recording.Channels != first.Channels) {
            refusal = {
                kErrCannotReadFile, path, 0,
                Shape(recording) + " where " + traces.Names.front() + " has " + Shape(first)};
            return false;
        } else if (std::abs(recording.IntervalUs - first.IntervalUs) >
                   kIntervalTolerance * first.IntervalUs) {
            refusal = {kErrCannotReadFile, path, 0,
                       "sample interval " + FormatMicroseconds(recording.IntervalUs) +
                           " us where " + traces.Names.front() + " has " +
                           FormatMicroseconds(first.IntervalUs) + " us"};
            return false;
        }
        traces.Records += recording.Traces;
        if (!CheckRecordLimit(traces.Records, path, refusal)) {
            return false;
        }
        for (const double v : recording.Values) {
            traces.Words.push_back(EncodeSample(kFormatIeeeFloat, v));
        }
        if (!CheckFiniteSamples(std::span(traces.Words).last(recording.Values.size()),
                                kFormatIeeeFloat, recording.Samples, path, refusal)) {
            return false;
        }
        traces.Names.push_back(path);
    }
    return StoreSourceTraces(image, traces, options, summary, refusal);
}

}  // namespace karvelo
