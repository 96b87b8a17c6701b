#include "profile/profile_image.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstring>

namespace karvelo {

Image ProfileImage{};
Image SourceImage{};
Image TwoChannelImage{};

std::uint32_t HitsPerPoint = 1;
std::uint32_t ProfileChoice = 0;
std::uint32_t TracesPerPoint = 0;
std::uint32_t PointCount = 0;
std::uint32_t SampleMax = 0;
std::uint32_t SampleMin = 0;
std::uint32_t LoadBusy = 0;
bool LoadCompleted = false;
bool ProfileShown = false;
TimeUnit ProfileTimeUnit = TimeUnit::kByImageRule;

namespace {

template <std::uint16_t Format>
double DecodeAs(std::uint32_t word) {
    if constexpr (Format == kFormatIeeeFloat) {
        return static_cast<double>(std::bit_cast<float>(word));
    } else if constexpr (Format == kFormatInt32) {
        return static_cast<double>(static_cast<std::int32_t>(word));
    } else {
        return static_cast<double>(word);
    }
}

template <std::uint16_t Format>
void DecodeWords(const std::uint8_t* words, std::span<double> out) {
    for (std::size_t i = 0; i < out.size(); ++i) {
        std::uint32_t word;
        std::memcpy(&word, words + kSampleBytes * i, sizeof word);
        out[i] = DecodeAs<Format>(word);
    }
}

}  // namespace

double DecodeSample(std::uint16_t formatCode, std::uint32_t word) {
    switch (formatCode) {
        case kFormatIeeeFloat:
            return DecodeAs<kFormatIeeeFloat>(word);
        case kFormatInt32:
            return DecodeAs<kFormatInt32>(word);
        case kFormatUInt32:
            return DecodeAs<kFormatUInt32>(word);
        default:
            return 0.0;
    }
}

void DecodeSampleWords(std::uint16_t formatCode, const std::uint8_t* words,
                       std::span<double> out) {
    switch (formatCode) {
        case kFormatIeeeFloat:
            return DecodeWords<kFormatIeeeFloat>(words, out);
        case kFormatInt32:
            return DecodeWords<kFormatInt32>(words, out);
        case kFormatUInt32:
            return DecodeWords<kFormatUInt32>(words, out);
        default:
            std::fill(out.begin(), out.end(), 0.0);
    }
}

void DecodeRecordSamples(const Image& image, std::size_t record, std::span<double> out) {
    DecodeSampleWords(SampleFormat(image), RecordSamples(image, record), out);
}

std::uint32_t EncodeSample(std::uint16_t formatCode, double value) {
    switch (formatCode) {
        case kFormatIeeeFloat:
            return std::bit_cast<std::uint32_t>(static_cast<float>(value));
        case kFormatInt32:
            return static_cast<std::uint32_t>(static_cast<std::int32_t>(value));
        case kFormatUInt32:
            return static_cast<std::uint32_t>(value);
        default:
            return 0;
    }
}

std::size_t ImageExtent(const Image& image) {
    const std::size_t records = std::min<std::size_t>(TraceCount(image), kMaxTraceRecords);
    return std::min(kImageBytes, std::max(image.written, RecordOffset(records)));
}

void CopyImage(const Image& from, Image& to) {
    if (&from == &to) {
        return;
    }
    const std::size_t source = ImageExtent(from);
    const std::size_t target = ImageExtent(to);
    std::memcpy(to.bytes.data(), from.bytes.data(), source);
    // What the target held beyond the source's extent is zero in the source.
    if (target > source) {
        std::memset(to.bytes.data() + source, 0, target - source);
    }
    to.written = source;
}

void ClearImage(Image& image) {
    std::memset(image.bytes.data(), 0, ImageExtent(image));
    image.written = 0;
}

void SetUpProfile(std::uint32_t hitsPerPoint, int channelMode) {
    const std::uint16_t format = SampleFormat(ProfileImage);
    const std::size_t records = TraceCount(ProfileImage);
    const std::size_t samples = SamplesPerTrace(ProfileImage);

    double max = DecodeSample(format, SampleWord(ProfileImage, 0, 0));
    double min = max;
    for (std::size_t r = 0; r < records; ++r) {
        for (std::size_t s = 0; s < samples; ++s) {
            const double x = DecodeSample(format, SampleWord(ProfileImage, r, s));
            if (x > max) {
                max = x;
            }
            if (x < min) {
                min = x;
            }
        }
    }
    // The extremes are sample values themselves, so a NaN start stays a NaN word.
    SampleMax = EncodeSample(format, max);
    SampleMin = EncodeSample(format, min);

    TracesPerPoint = (channelMode == 0 || channelMode == 1) ? hitsPerPoint : 2 * hitsPerPoint;
    PointCount = TracesPerPoint == 0 ? 0 : static_cast<std::uint32_t>(records) / TracesPerPoint;
}

void ResetProfileStore() {
    ClearImage(ProfileImage);
    ClearImage(SourceImage);
    ClearImage(TwoChannelImage);
    HitsPerPoint = 1;
    ProfileChoice = 0;
    TracesPerPoint = 0;
    PointCount = 0;
    SampleMax = 0;
    SampleMin = 0;
    LoadBusy = 0;
    LoadCompleted = false;
    ProfileShown = false;
    ProfileTimeUnit = TimeUnit::kByImageRule;
}

}  // namespace karvelo
