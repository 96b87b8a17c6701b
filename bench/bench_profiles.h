// Longer lines for the scale benchmarks: the built-in 20-record profile repeated.
#pragma once

#include <cstddef>
#include <cstring>

#include "profile/profile.h"
#include "profile/profile_loader.h"

namespace karvelo {

// Loads the built-in profile (both channels) into profile and repeats its records up to
// records, as if a line of that many records had been opened, hitsPerPoint hits per point.
inline bool LoadRepeatedProfile(Profile& profile, std::size_t records, std::uint32_t hitsPerPoint) {
    LoadProfile(profile, 0, kBothChannels, 1);
    Image& image = profile.image;
    const std::size_t base = TraceCount(image);
    for (std::size_t r = base; r < records; ++r) {
        std::memcpy(image.bytes.data() + RecordOffset(r),
                    image.bytes.data() + RecordOffset(r % base), kTraceRecordBytes);
    }
    WriteU16(image, kTraceCountOffset, static_cast<std::uint16_t>(records));
    SetUpProfile(profile, hitsPerPoint, kBothChannels);
    return true;
}

// The built-in profile as File > Open loads it (both channels, one hit a point).
inline bool LoadBuiltInProfile(Profile& profile) {
    return LoadProfile(profile, 0, kBothChannels, 1);
}

}  // namespace karvelo
