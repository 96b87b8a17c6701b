#include "profile/profile_loader.h"

#include <cstring>
#include <new>

#include "common/error_messages.h"
#include "profile/builtin_source.h"
#include "profile/file_sources.h"
#include "profile/profile_image.h"

namespace karvelo {

namespace {

void CopyRecord(Image& image, std::size_t fromRecord, std::size_t toRecord) {
    std::memmove(image.bytes.data() + RecordOffset(toRecord),
                 image.bytes.data() + RecordOffset(fromRecord), kTraceRecordBytes);
}

// Gathers the records of one channel (even or odd records) to the front of the image, in
// place: record k comes from record 2k or 2k + 1, never from one already overwritten. The
// records behind the kept ones stay as the source wrote them.
void KeepOneChannel(Image& image, int channelMode) {
    const std::size_t kept = TraceCount(image) / 2;
    const std::size_t parity = channelMode == kChannel1 ? 0 : 1;
    image.written = ImageExtent(image);  // the records behind stay inside the extent
    for (std::size_t k = 0; k < kept; ++k) {
        CopyRecord(image, 2 * k + parity, k);
    }
    WriteU16(image, kTraceCountOffset, static_cast<std::uint16_t>(kept));
}

}  // namespace

bool LoadProfileFrom(Profile& profile, ProfileSource& source, int channelMode,
                     std::uint32_t hitsPerPoint, const SourceOptions& options) {
    SourceSummary summary;
    SourceRefusal refusal;
    bool written = false;
    try {
        written = source.WriteSourceImage(profile.image, options, summary, refusal);
    } catch (const std::bad_alloc&) {
        // Recordings larger than the memory left: refused, the program goes on.
        refusal = {kErrNoMemoryForProfile, refusal.File, 0, "the recordings do not fit in memory"};
    }
    if (!written) {
        ReportError(refusal.Code, true, RefusalDetail(refusal));
        return false;
    }
    const bool oneChannel = summary.Channels == 1;
    if (oneChannel && channelMode == kChannel2) {
        refusal = {kErrCannotReadFile, summary.Names.front(), 0,
                   "the files have one channel, so there is no channel 2"};
        ReportError(refusal.Code, true, RefusalDetail(refusal));
        return false;
    }
    const std::uint32_t hitsPerChannel = oneChannel ? summary.Records : summary.Records / 2u;
    if (hitsPerPoint < 1 || hitsPerPoint > hitsPerChannel || hitsPerChannel % hitsPerPoint != 0) {
        ReportError(kErrInvalidHits, true);
        return false;
    }
    if (!oneChannel && (channelMode == kChannel1 || channelMode == kChannel2)) {
        KeepOneChannel(profile.image, channelMode);
    }
    profile.HitsPerPoint = hitsPerPoint;
    profile.Unit = summary.Unit;
    SetUpProfile(profile, hitsPerPoint, oneChannel ? kChannel1 : channelMode);
    profile.Source = std::move(summary);
    return true;
}

void ShowLoadNote(const Profile& profile) {
    if (!profile.Source.Note.empty() && CurrentMessageSink() != nullptr) {
        CurrentMessageSink()->Show(profile.Source.Note);
    }
}

bool LoadProfile(Profile& profile, std::uint32_t profileChoice, int channelMode,
                 std::uint32_t hitsPerPoint) {
    BuiltInSource source(profileChoice);
    return LoadProfileFrom(profile, source, channelMode, hitsPerPoint, SourceOptions{});
}

bool LoadProfileFiles(Profile& profile, const std::vector<std::string>& paths, int channelMode,
                      std::uint32_t hitsPerPoint, const SourceOptions& options) {
    SourceRefusal refusal;
    if (paths.empty()) {
        refusal = {kErrCannotOpenFile, "", 0, "no files chosen"};
        ReportError(refusal.Code, true, RefusalDetail(refusal));
        return false;
    }
    const std::unique_ptr<ProfileSource> source = MakeFileSource(paths, refusal);
    if (!source) {
        ReportError(refusal.Code, true, RefusalDetail(refusal));
        return false;
    }
    return LoadProfileFrom(profile, *source, channelMode, hitsPerPoint, options);
}

bool LoadChosenProfile(Profile& profile, const ProfileSourceChoice& choice, int channelMode,
                       std::uint32_t hitsPerPoint) {
    if (choice.Files.empty()) {
        return LoadProfile(profile, choice.BuiltIn, channelMode, hitsPerPoint);
    }
    return LoadProfileFiles(profile, choice.Files, channelMode, hitsPerPoint, choice.Options);
}

std::string FileName(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string DescribeFiles(const std::vector<std::string>& paths) {
    if (paths.empty()) {
        return {};
    }
    const std::string first = FileName(paths.front());
    return paths.size() == 1 ? first : first + " (" + std::to_string(paths.size()) + " files)";
}

}  // namespace karvelo
