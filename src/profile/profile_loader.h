// Loading a built-in profile into the working image with the chosen channels and hits.
#pragma once

#include <cstdint>

namespace karvelo {

// Channel choice of the open dialog.
enum ChannelMode : int {
    kChannel1 = 0,
    kChannel2 = 1,
    kBothChannels = 2,
};

// Range that the open dialog accepts for the hits per point (inclusive).
inline constexpr std::uint32_t kMinHitsPerPoint = 1;
inline constexpr std::uint32_t kMaxHitsPerPoint = 20;

// Writes the chosen built-in profile (profileChoice 0: 20 records, other: 2 records)
// into SourceImage, checks the hits per point against its hits per channel and, when
// they fit, fills ProfileImage with the chosen channels, sets HitsPerPoint, runs
// SetUpProfile and sets LoadCompleted. A refused hits count reports error 7 (plain)
// and leaves ProfileImage and every derived value as they were. Returns true on load.
bool LoadProfile(std::uint32_t profileChoice, int channelMode, std::uint32_t hitsPerPoint);

}  // namespace karvelo
