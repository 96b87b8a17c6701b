// Longer lines for the scale benchmarks: the built-in 20-record profile repeated.
#pragma once

#include <cstddef>
#include <cstring>

#include "profile/profile_image.h"
#include "profile/profile_loader.h"

namespace karvelo {

// Loads the built-in profile (both channels) and repeats its records up to records, as
// if a line of that many records had been opened, hitsPerPoint hits per point.
inline void LoadRepeatedProfile(std::size_t records, std::uint32_t hitsPerPoint) {
    LoadProfile(0, kBothChannels, 1);
    const std::size_t base = TraceCount();
    for (std::size_t r = base; r < records; ++r) {
        std::memcpy(ProfileImage.bytes.data() + RecordOffset(r),
                    ProfileImage.bytes.data() + RecordOffset(r % base), kTraceRecordBytes);
    }
    WriteU16(ProfileImage, kTraceCountOffset, static_cast<std::uint16_t>(records));
    SetUpProfile(hitsPerPoint, kBothChannels);
}

}  // namespace karvelo
