// Loading a profile into the working image with the chosen channels and hits: from a
// built-in profile or from files on disk, through the same checks.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "profile/profile_source.h"

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

// What the open dialog's chooser has picked: files from disk (Files not empty, in the
// order chosen) instead of the built-in profile of ProfileChoice, and the two options.
struct ProfileSourceChoice {
    std::vector<std::string> Files;
    SourceOptions Options;
};

// What the last successful load read (records, channels, samples, interval, unit, file
// names, and the note of a resampling or shortening).
extern SourceSummary LoadedSource;

// Lets source write SourceImage, then checks and loads it: a one-channel source refuses
// "2 канал" (error 8); the hits per point h must divide the hits per channel H (records / 2
// for two channels, records for one) with 1 <= h <= H, else error 7 (plain). When
// everything fits, ProfileImage gets the chosen channels, HitsPerPoint, ProfileTimeUnit
// and LoadedSource are set, SetUpProfile runs (a one-channel source keeps every record
// for "1 канал" and "Оба канала": TracesPerPoint = h) and LoadCompleted is set. A note
// (resampled, shortened) is shown through the message sink. Every refusal is reported as
// the plain table text with a second line naming file, line and reason, and leaves
// ProfileImage and every derived value as they were. Returns true on load.
bool LoadProfileFrom(ProfileSource& source, int channelMode, std::uint32_t hitsPerPoint,
                     const SourceOptions& options);

// The built-in profile (profileChoice 0: 20 records, other: 2 records), as File > Open
// with the chooser's "Файл 1" / "Файл 2".
bool LoadProfile(std::uint32_t profileChoice, int channelMode, std::uint32_t hitsPerPoint);

// Files from disk (SEG-Y files, text recordings or one image file; see file_sources.h).
bool LoadProfileFiles(const std::vector<std::string>& paths, int channelMode,
                      std::uint32_t hitsPerPoint, const SourceOptions& options);

// The open dialog's OK: files when choice.Files is not empty, else the built-in profile
// of profileChoice.
bool LoadChosenProfile(const ProfileSourceChoice& choice, std::uint32_t profileChoice,
                       int channelMode, std::uint32_t hitsPerPoint);

// How the open dialog names a file choice: the first file's name, and "(N files)" when
// there are several; empty for no files.
std::string DescribeFiles(const std::vector<std::string>& paths);

}  // namespace karvelo
