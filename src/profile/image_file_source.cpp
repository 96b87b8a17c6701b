#include "profile/image_file_source.h"

#include <cstring>
#include <vector>

#include "common/error_messages.h"
#include "common/whole_file.h"
#include "profile/source_traces.h"

namespace karvelo {

ImageFileSource::ImageFileSource(std::string path) : path_(std::move(path)) {}

bool ImageFileSource::WriteSourceImage(Image& image, const SourceOptions& /*options*/,
                                       SourceSummary& summary, SourceRefusal& refusal) {
    MappedFile file;
    if (!MapRecordingFile(path_, file, refusal)) {
        return false;
    }
    const std::string_view content = file.Bytes();
    if (content.size() != kImageBytes) {
        refusal = {kErrCannotReadFile, path_, 0,
                   std::to_string(content.size()) + " bytes where an image file has 8435600"};
        return false;
    }
    // Checked in place: the image is the loader's scratch (too large for the stack).
    std::memcpy(image.bytes.data(), content.data(), content.size());
    image.written = kImageBytes;
    if (!CheckRecordLimit(TraceCount(image), path_, refusal)) {
        return false;
    }
    if (SamplesPerTrace(image) > kMaxSamplesPerTrace) {
        refusal = {kErrCannotReadFile, path_, 0,
                   "the header gives " + std::to_string(SamplesPerTrace(image)) +
                       " samples per trace, more than the image holds"};
        return false;
    }
    std::vector<std::uint32_t> words(SamplesPerTrace(image));
    for (std::size_t r = 0; r < TraceCount(image) && !words.empty(); ++r) {
        std::memcpy(words.data(), RecordSamples(image, r), words.size() * kSampleBytes);
        if (!CheckFiniteSamples(words, SampleFormat(image), words.size(), path_, refusal, r)) {
            return false;
        }
    }
    summary.Records = TraceCount(image);
    summary.Channels = 2;
    summary.Samples = SamplesPerTrace(image);
    summary.Interval = SampleInterval(image);
    summary.Unit = TimeUnit::kByImageRule;
    summary.Names = {path_};
    return true;
}

}  // namespace karvelo
