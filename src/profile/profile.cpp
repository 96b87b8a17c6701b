#include "profile/profile.h"

namespace karvelo {

void SetUpProfile(Profile& profile, std::uint32_t hitsPerPoint, int channelMode) {
    const Image& image = profile.image;
    const std::uint16_t format = SampleFormat(image);
    const std::size_t records = TraceCount(image);
    const std::size_t samples = SamplesPerTrace(image);

    double max = DecodeSample(format, SampleWord(image, 0, 0));
    double min = max;
    for (std::size_t r = 0; r < records; ++r) {
        for (std::size_t s = 0; s < samples; ++s) {
            const double x = DecodeSample(format, SampleWord(image, r, s));
            if (x > max) {
                max = x;
            }
            if (x < min) {
                min = x;
            }
        }
    }
    // The extremes are sample values themselves, so a NaN start stays a NaN word.
    profile.SampleMax = EncodeSample(format, max);
    profile.SampleMin = EncodeSample(format, min);

    const std::uint32_t traces =
        (channelMode == 0 || channelMode == 1) ? hitsPerPoint : 2 * hitsPerPoint;
    profile.TracesPerPoint = traces;
    profile.PointCount = traces == 0 ? 0 : static_cast<std::uint32_t>(records) / traces;
}

double SampleSeconds(const Profile& profile) {
    constexpr double kMicrosecond = 1e-6;
    constexpr double kPicosecond = 1e-12;
    const Image& image = profile.image;
    const bool microseconds = TimeInMicroseconds(SamplesPerTrace(image), profile.Unit);
    return SampleInterval(image) * (microseconds ? kMicrosecond : kPicosecond);
}

}  // namespace karvelo
