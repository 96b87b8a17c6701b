#include "profile/profile_loader.h"

#include <cstring>

#include "common/error_messages.h"
#include "profile/builtin_profiles.h"
#include "profile/profile_image.h"

namespace karvelo {

namespace {

void CopyRecord(const Image& from, std::size_t fromRecord, Image& to, std::size_t toRecord) {
    std::memcpy(to.bytes.data() + RecordOffset(toRecord),
                from.bytes.data() + RecordOffset(fromRecord), kTraceRecordBytes);
}

// Gathers the records of one channel (even or odd records) to the front of ProfileImage.
void KeepOneChannel(int channelMode) {
    TwoChannelImage = ProfileImage;
    const std::size_t kept = TraceCount(TwoChannelImage) / 2;
    const std::size_t parity = channelMode == kChannel1 ? 0 : 1;
    for (std::size_t k = 0; k < kept; ++k) {
        CopyRecord(TwoChannelImage, 2 * k + parity, ProfileImage, k);
    }
    WriteU16(ProfileImage, kTraceCountOffset, static_cast<std::uint16_t>(kept));
}

}  // namespace

bool LoadProfile(std::uint32_t profileChoice, int channelMode, std::uint32_t hitsPerPoint) {
    if (profileChoice == 0) {
        LoadBuiltInProfile1();
    } else {
        LoadBuiltInProfile2();
    }
    LoadBusy = 1;

    const std::uint32_t hitsPerChannel = TraceCount(SourceImage) / 2u;
    if (hitsPerPoint < 1 || hitsPerPoint > hitsPerChannel || hitsPerChannel % hitsPerPoint != 0) {
        LoadBusy = 0;
        ReportError(kErrInvalidHits, true);
        return false;
    }

    ProfileImage = SourceImage;
    if (channelMode == kChannel1 || channelMode == kChannel2) {
        KeepOneChannel(channelMode);
    }

    LoadBusy = 0;
    HitsPerPoint = hitsPerPoint;
    SetUpProfile(hitsPerPoint, channelMode);
    LoadCompleted = true;
    return true;
}

}  // namespace karvelo
