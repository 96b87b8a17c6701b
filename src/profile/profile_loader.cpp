#include "profile/profile_loader.h"

#include <cstring>

#include "common/error_messages.h"
#include "profile/builtin_source.h"
#include "profile/file_sources.h"
#include "profile/profile_image.h"

namespace karvelo {

SourceSummary LoadedSource{};

namespace {

void CopyRecord(const Image& from, std::size_t fromRecord, Image& to, std::size_t toRecord) {
    std::memcpy(to.bytes.data() + RecordOffset(toRecord),
                from.bytes.data() + RecordOffset(fromRecord), kTraceRecordBytes);
}

// Gathers the records of one channel (even or odd records) to the front of ProfileImage.
void KeepOneChannel(int channelMode) {
    CopyImage(ProfileImage, TwoChannelImage);
    const std::size_t kept = TraceCount(TwoChannelImage) / 2;
    const std::size_t parity = channelMode == kChannel1 ? 0 : 1;
    for (std::size_t k = 0; k < kept; ++k) {
        CopyRecord(TwoChannelImage, 2 * k + parity, ProfileImage, k);
    }
    WriteU16(ProfileImage, kTraceCountOffset, static_cast<std::uint16_t>(kept));
}

std::string BaseName(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace

bool LoadProfileFrom(ProfileSource& source, int channelMode, std::uint32_t hitsPerPoint,
                     const SourceOptions& options) {
    SourceSummary summary;
    SourceRefusal refusal;
    if (!source.WriteSourceImage(options, summary, refusal)) {
        ReportError(refusal.Code, true, RefusalDetail(refusal));
        return false;
    }
    LoadBusy = 1;

    const bool oneChannel = summary.Channels == 1;
    if (oneChannel && channelMode == kChannel2) {
        LoadBusy = 0;
        refusal = {kErrCannotReadFile, summary.Names.front(), 0,
                   "the files have one channel, so there is no channel 2"};
        ReportError(refusal.Code, true, RefusalDetail(refusal));
        return false;
    }
    const std::uint32_t hitsPerChannel = oneChannel ? summary.Records : summary.Records / 2u;
    if (hitsPerPoint < 1 || hitsPerPoint > hitsPerChannel || hitsPerChannel % hitsPerPoint != 0) {
        LoadBusy = 0;
        ReportError(kErrInvalidHits, true);
        return false;
    }

    CopyImage(SourceImage, ProfileImage);
    if (!oneChannel && (channelMode == kChannel1 || channelMode == kChannel2)) {
        KeepOneChannel(channelMode);
    }

    LoadBusy = 0;
    HitsPerPoint = hitsPerPoint;
    ProfileTimeUnit = summary.Unit;
    SetUpProfile(hitsPerPoint, oneChannel ? kChannel1 : channelMode);
    if (!summary.Note.empty() && CurrentMessageSink() != nullptr) {
        CurrentMessageSink()->Show(summary.Note);
    }
    LoadedSource = std::move(summary);
    LoadCompleted = true;
    return true;
}

bool LoadProfile(std::uint32_t profileChoice, int channelMode, std::uint32_t hitsPerPoint) {
    BuiltInSource source(profileChoice);
    return LoadProfileFrom(source, channelMode, hitsPerPoint, SourceOptions{});
}

bool LoadProfileFiles(const std::vector<std::string>& paths, int channelMode,
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
    return LoadProfileFrom(*source, channelMode, hitsPerPoint, options);
}

bool LoadChosenProfile(const ProfileSourceChoice& choice, std::uint32_t profileChoice,
                       int channelMode, std::uint32_t hitsPerPoint) {
    if (choice.Files.empty()) {
        return LoadProfile(profileChoice, channelMode, hitsPerPoint);
    }
    return LoadProfileFiles(choice.Files, channelMode, hitsPerPoint, choice.Options);
}

std::string DescribeFiles(const std::vector<std::string>& paths) {
    if (paths.empty()) {
        return {};
    }
    const std::string first = BaseName(paths.front());
    return paths.size() == 1 ? first : first + " (" + std::to_string(paths.size()) + " files)";
}

}  // namespace karvelo
