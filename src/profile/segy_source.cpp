#include "profile/segy_source.h"

#include <segyio/segy.h>

#include <bit>
#include <cerrno>
#include <cmath>
#include <cstring>
#include <limits>
#include <memory>
#include <span>

#include "common/error_messages.h"
#include "common/whole_file.h"
#include "profile/source_traces.h"

namespace karvelo {

namespace {

using SegyFile = std::unique_ptr<segy_file, int (*)(segy_file*)>;

bool IsKnownFormat(int format) {
    switch (format) {
        case SEGY_IBM_FLOAT_4_BYTE:
        case SEGY_SIGNED_INTEGER_4_BYTE:
        case SEGY_SIGNED_SHORT_2_BYTE:
        case SEGY_IEEE_FLOAT_4_BYTE:
        case SEGY_SIGNED_CHAR_1_BYTE:
            return true;
        default:
            return false;
    }
}

bool Refuse(SourceRefusal& refusal, const std::string& file, std::string reason) {
    refusal = {kErrCannotReadFile, file, 0, std::move(reason)};
    return false;
}

std::uint32_t BigEndian32(const unsigned char* p) {
    return (std::uint32_t{p[0]} << 24) | (std::uint32_t{p[1]} << 16) | (std::uint32_t{p[2]} << 8) |
           std::uint32_t{p[3]};
}

// One trace as segyio returns it (big-endian on-disk samples) to program sample words.
void AppendSamples(int format, std::vector<unsigned char>& raw, int samples,
                   std::vector<std::uint32_t>& words) {
    if (format == SEGY_IBM_FLOAT_4_BYTE) {
        segy_to_native(format, samples, raw.data());  // native IEEE singles in place
        for (int s = 0; s < samples; ++s) {
            std::uint32_t word;
            std::memcpy(&word, raw.data() + 4 * s, sizeof word);
            words.push_back(word);
        }
        return;
    }
    for (int s = 0; s < samples; ++s) {
        const unsigned char* p = raw.data();
        switch (format) {
            case SEGY_SIGNED_INTEGER_4_BYTE:
            case SEGY_IEEE_FLOAT_4_BYTE:
                words.push_back(BigEndian32(p + 4 * s));
                break;
            case SEGY_SIGNED_SHORT_2_BYTE: {
                const auto v = static_cast<std::int16_t>((p[2 * s] << 8) | p[2 * s + 1]);
                words.push_back(EncodeSample(kFormatIeeeFloat, v));
                break;
            }
            default: {
                const auto v = static_cast<std::int8_t>(p[s]);
                words.push_back(EncodeSample(kFormatIeeeFloat, v));
                break;
            }
        }
    }
}

// The traces of one file, appended to all; sets samples and interval from the first
// file and checks later files against them.
struct FileTraces {
    int Format = 0;
    int Samples = 0;
    float IntervalUs = 0.0f;
    std::vector<std::uint32_t> Words;
    std::vector<std::int32_t> Sequence;
    std::size_t Records = 0;
};

bool ReadSegyFile(const std::string& path, FileTraces& out, SourceRefusal& refusal) {
    // Checked before segyio opens it: a named pipe would block it, a directory is no file.
    std::uint64_t size = 0;
    std::string reason;
    if (const FileFault fault = CheckRegularFile(path, size, reason); fault != FileFault::kNone) {
        refusal = FileFaultRefusal(fault, path, std::move(reason));
        return false;
    }
    errno = 0;
    SegyFile file(segy_open(path.c_str(), "rb"), &segy_close);
    if (!file) {
        refusal = {kErrCannotOpenFile, path, 0,
                   errno != 0 ? std::strerror(errno) : "cannot be opened"};
        return false;
    }
    char binary[SEGY_BINARY_HEADER_SIZE];
    if (size < SEGY_TEXT_HEADER_SIZE + SEGY_BINARY_HEADER_SIZE ||
        segy_binheader(file.get(), binary) != SEGY_OK) {
        return Refuse(refusal, path, "shorter than the 3600-byte file header");
    }
    int format = segy_format(binary);
    if (!IsKnownFormat(format)) {
        // Little-endian files (SEG-Y revision 2 allows them) read as big-endian give a
        // byte-swapped format code.
        segy_set_format(file.get(), int{SEGY_IBM_FLOAT_4_BYTE} | int{SEGY_LSB});
        if (segy_binheader(file.get(), binary) != SEGY_OK || !IsKnownFormat(segy_format(binary))) {
            return Refuse(refusal, path,
                          "sample format code " + std::to_string(format) + " is not supported");
        }
        format = segy_format(binary);
        segy_set_format(file.get(), format | int{SEGY_LSB});
    } else {
        segy_set_format(file.get(), format | int{SEGY_MSB});
    }
    // The field is unsigned: 65535 samples is a long trace, not a negative count.
    const int samples = static_cast<std::uint16_t>(segy_samples(binary));
    if (samples <= 0) {
        return Refuse(refusal, path, "the binary header gives no samples per trace");
    }
    const long trace0 = segy_trace0(binary);
    const int traceBytes = segy_trsize(format, samples);
    const long long body = static_cast<long long>(size) - trace0;
    const long long record = SEGY_TRACE_HEADER_SIZE + static_cast<long long>(traceBytes);
    if (trace0 >= 0 && traceBytes > 0 && body / record > std::numeric_limits<int>::max()) {
        // segyio counts traces in an int and stops the program on more.
        return Refuse(refusal, path,
                      "its size (" + FormatFileSize(size) + ") gives " +
                          std::to_string(body / record) +
                          " traces, more than a SEG-Y file can number");
    }
    int traces = 0;
    if (trace0 < 0 || traceBytes <= 0 ||
        segy_traces(file.get(), &traces, trace0, traceBytes) != SEGY_OK || traces <= 0) {
        return Refuse(refusal, path,
                      body <= 0
                          ? std::string("holds no traces")
                          : "truncated: ends inside trace " + std::to_string(body / record + 1) +
                                " (" + std::to_string(body % record) + " of " +
                                std::to_string(record) + " bytes)");
    }
    float interval = 0.0f;
    if (segy_sample_interval(file.get(), 0.0f, &interval) != SEGY_OK) {
        interval = 0.0f;
    }
    if (!out.Words.empty() && (samples != out.Samples || interval != out.IntervalUs)) {
        return Refuse(refusal, path,
                      std::to_string(samples) + " samples at " +
                          std::to_string(std::lround(interval)) + " us where the first file has " +
                          std::to_string(out.Samples) + " at " +
                          std::to_string(std::lround(out.IntervalUs)) + " us");
    }
    if (out.Words.empty()) {
        out.Samples = samples;
        out.IntervalUs = interval;
        out.Format = format;
    } else if (out.Format != format) {
        out.Format = 0;  // mixed formats: everything becomes IEEE singles
    }
    if (!CheckRecordLimit(out.Records + static_cast<std::size_t>(traces), path, refusal)) {
        return false;
    }
    std::vector<unsigned char> raw(static_cast<std::size_t>(traceBytes));
    char header[SEGY_TRACE_HEADER_SIZE];
    for (int t = 0; t < traces; ++t) {
        std::int32_t sequence = 0;
        if (segy_traceheader(file.get(), t, header, trace0, traceBytes) != SEGY_OK ||
            segy_get_field(header, SEGY_TR_SEQ_LINE, &sequence) != SEGY_OK ||
            segy_readtrace(file.get(), t, raw.data(), trace0, traceBytes) != SEGY_OK) {
            return Refuse(refusal, path, "trace " + std::to_string(t + 1) + " cannot be read");
        }
        out.Sequence.push_back(sequence);
        AppendSamples(format, raw, samples, out.Words);
        if (format == SEGY_SIGNED_INTEGER_4_BYTE && out.Format != format) {
            // this file's integers join float traces: convert them
            for (std::size_t i = out.Words.size() - static_cast<std::size_t>(samples);
                 i < out.Words.size(); ++i) {
                out.Words[i] =
                    EncodeSample(kFormatIeeeFloat, DecodeSample(kFormatInt32, out.Words[i]));
            }
        }
    }
    out.Records += static_cast<std::size_t>(traces);
    const std::size_t fileWords =
        static_cast<std::size_t>(traces) * static_cast<std::size_t>(samples);
    return CheckFiniteSamples(std::span(out.Words).last(fileWords),
                              format == SEGY_SIGNED_INTEGER_4_BYTE && out.Format == format
                                  ? kFormatInt32
                                  : kFormatIeeeFloat,
                              static_cast<std::size_t>(samples), path, refusal);
}

// Two channels when the sequence numbers come in equal pairs that differ pair to pair.
std::uint32_t ChannelsFromSequence(const std::vector<std::int32_t>& sequence) {
    if (sequence.size() < 2 || sequence.size() % 2 != 0) {
        return 1;
    }
    for (std::size_t k = 0; k + 1 < sequence.size(); k += 2) {
        if (sequence[k] != sequence[k + 1] ||
            (k + 2 < sequence.size() && sequence[k + 2] == sequence[k])) {
            return 1;
        }
    }
    return 2;
}

}  // namespace

SegySource::SegySource(std::vector<std::string> paths) : paths_(std::move(paths)) {}

bool SegySource::WriteSourceImage(Image& image, const SourceOptions& options,
                                  SourceSummary& summary, SourceRefusal& refusal) {
    FileTraces all;
    for (const std::string& path : paths_) {
        const int formatBefore = all.Format;
        const std::size_t wordsBefore = all.Words.size();
        if (!ReadSegyFile(path, all, refusal)) {
            return false;
        }
        if (formatBefore == SEGY_SIGNED_INTEGER_4_BYTE && all.Format == 0) {
            // integers read before a float file: convert them as well
            for (std::size_t i = 0; i < wordsBefore; ++i) {
                all.Words[i] =
                    EncodeSample(kFormatIeeeFloat, DecodeSample(kFormatInt32, all.Words[i]));
            }
        }
    }
    SourceTraces traces;
    traces.Format = all.Format == SEGY_SIGNED_INTEGER_4_BYTE ? kFormatInt32 : kFormatIeeeFloat;
    traces.Channels = ChannelsFromSequence(all.Sequence);
    traces.Records = all.Records;
    traces.Samples = static_cast<std::size_t>(all.Samples);
    traces.IntervalUs = all.IntervalUs;
    traces.Words = std::move(all.Words);
    traces.Names = paths_;
    traces.IntervalFile = paths_.front();
    return StoreSourceTraces(image, traces, options, summary, refusal);
}

}  // namespace karvelo
