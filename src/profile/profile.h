// A loaded profile: the recordings as the image holds them, with what the loader
// derived from them. A load fills a profile of its own; whoever shows or computes it
// owns it.
#pragma once

#include <cstdint>

#include "profile/profile_image.h"
#include "profile/profile_source.h"

namespace karvelo {

struct Profile {
    Image image;
    std::uint32_t HitsPerPoint = 1;          // hits per point the load accepted
    std::uint32_t TracesPerPoint = 0;        // records per measuring point
    std::uint32_t PointCount = 0;            // number of measuring points
    std::uint32_t SampleMax = 0;             // largest sample, as a raw sample word
    std::uint32_t SampleMin = 0;             // smallest sample, as a raw sample word
    TimeUnit Unit = TimeUnit::kByImageRule;  // unit of the sample interval
    SourceSummary Source;                    // what the load read (records, channels, names, note)

    bool Loaded() const { return SampleFormat(image) != 0; }
};

// Recomputes SampleMax, SampleMin, TracesPerPoint and PointCount from the profile's image.
// channelMode: 0 channel 1, 1 channel 2, 2 both. hitsPerPoint >= 1.
void SetUpProfile(Profile& profile, std::uint32_t hitsPerPoint, int channelMode);

// Whether each hit of the profile holds two records, channel 1 then channel 2.
inline bool HoldsTwoChannels(const Profile& profile) {
    return profile.HitsPerPoint > 0 && profile.TracesPerPoint == 2 * profile.HitsPerPoint;
}

// The sample interval of the profile in seconds (its unit read as the image rule says).
double SampleSeconds(const Profile& profile);

// Decoded sample s of record r of the profile's image.
inline double ProfileSample(const Profile& profile, std::size_t record, std::size_t sample) {
    return DecodeSample(SampleFormat(profile.image), SampleWord(profile.image, record, sample));
}

}  // namespace karvelo
