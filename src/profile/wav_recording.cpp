// WAV recordings through libsndfile.
#include <sndfile.h>

#include <memory>

#include "common/error_messages.h"
#include "profile/array_recording.h"
#include "profile/source_traces.h"

namespace karvelo {

namespace {

constexpr int kMaxWavChannels = 2;

}  // namespace

bool ReadWavRecording(const std::string& path, ArrayRecording& out, SourceRefusal& refusal) {
    SF_INFO info{};
    const std::unique_ptr<SNDFILE, int (*)(SNDFILE*)> file(sf_open(path.c_str(), SFM_READ, &info),
                                                           &sf_close);
    if (!file) {
        refusal = {kErrCannotReadFile, path, 0,
                   std::string("not a WAV file libsndfile reads: ") + sf_strerror(nullptr)};
        return false;
    }
    const int major = info.format & SF_FORMAT_TYPEMASK;
    if (major != SF_FORMAT_WAV && major != SF_FORMAT_WAVEX && major != SF_FORMAT_RF64) {
        refusal = {kErrCannotReadFile, path, 0, "a sound file, but not a WAV file"};
        return false;
    }
    if (info.channels < 1 || info.channels > kMaxWavChannels || info.frames < 1 ||
        info.samplerate < 1) {
        refusal = {kErrCannotReadFile, path, 0,
                   std::to_string(info.channels) + " channels of " + std::to_string(info.frames) +
                       " samples; a recording has one or two channels"};
        return false;
    }
    const auto channels = static_cast<std::size_t>(info.channels);
    const auto frames = static_cast<std::size_t>(info.frames);
    std::vector<double> interleaved(frames * channels);
    if (sf_readf_double(file.get(), interleaved.data(), info.frames) != info.frames) {
        refusal = {kErrCannotReadFile, path, 0,
                   std::string("cut short: ") + sf_strerror(file.get())};
        return false;
    }
    out = ArrayRecording{};
    out.Traces = channels;
    out.Samples = frames;
    out.Channels = static_cast<std::uint32_t>(channels);
    out.IntervalUs = kMicrosecondsPerSecond / info.samplerate;
    out.Values.resize(frames * channels);
    for (std::size_t c = 0; c < channels; ++c) {
        for (std::size_t s = 0; s < frames; ++s) {
            out.Values[c * frames + s] = interleaved[s * channels + c];
        }
    }
    return true;
}

}  // namespace karvelo
