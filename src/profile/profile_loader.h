// Loading a profile with the chosen channels and hits: from a
// built-in profile or from files on disk, through the same checks.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "profile/profile.h"
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
// order chosen) instead of a built-in profile, and the two options.
struct ProfileSourceChoice {
    std::vector<std::string> Files;
    SourceOptions Options;
    std::uint32_t BuiltIn = 0;  // with no files: 0 "Файл 1", other "Файл 2"
};

// Lets source write profile's image, then checks and sets the profile up: a one-channel
// source refuses "2 канал" (error 8); the hits per point h must divide the hits per
// channel H (records / 2 for two channels, records for one) with 1 <= h <= H, else error 7
// (plain). When everything fits, the image keeps the chosen channels, HitsPerPoint, Unit
// and Source are set and the extremes and point geometry computed (a one-channel source
// keeps every record for "1 канал" and "Оба канала": TracesPerPoint = h). Every refusal is
// reported as the plain table text with a second line naming file, line and reason.
// Returns true on load. profile is the load's own: a refusal leaves it unusable, so a
// caller that shows a profile loads into a scratch one and keeps it on success.
bool LoadProfileFrom(Profile& profile, ProfileSource& source, int channelMode,
                     std::uint32_t hitsPerPoint, const SourceOptions& options);

// The built-in profile (profileChoice 0: 20 records, other: 2 records), as File > Open
// with the chooser's "Файл 1" / "Файл 2".
bool LoadProfile(Profile& profile, std::uint32_t profileChoice, int channelMode,
                 std::uint32_t hitsPerPoint);

// Files from disk (SEG-Y files, text recordings or one image file; see file_sources.h).
bool LoadProfileFiles(Profile& profile, const std::vector<std::string>& paths, int channelMode,
                      std::uint32_t hitsPerPoint, const SourceOptions& options);

// Shows the note of a load that changed the recordings on the way in (resampled,
// shortened) through the message sink; nothing when there is none.
void ShowLoadNote(const Profile& profile);

// The open dialog's OK: files when choice.Files is not empty, else the built-in profile
// of choice.BuiltIn.
bool LoadChosenProfile(Profile& profile, const ProfileSourceChoice& choice, int channelMode,
                       std::uint32_t hitsPerPoint);

// The name of a file without its folder.
std::string FileName(const std::string& path);

// How the open dialog names a file choice: the first file's name, and "(N files)" when
// there are several; empty for no files.
std::string DescribeFiles(const std::vector<std::string>& paths);

}  // namespace karvelo
