#include "profile/profile_source.h"

#include "common/error_messages.h"

namespace karvelo {

std::string RefusalDetail(const SourceRefusal& refusal) {
    std::string detail = refusal.File;
    if (refusal.Line > 0) {
        detail += (detail.empty() ? "line " : ", line ") + std::to_string(refusal.Line);
    }
    if (!refusal.Reason.empty()) {
        detail += (detail.empty() ? "" : ": ") + refusal.Reason;
    }
    return detail;
}

SourceRefusal FileFaultRefusal(FileFault fault, const std::string& file, std::string reason) {
    const int code = fault == FileFault::kTooLarge ? kErrCannotReadFile : kErrCannotOpenFile;
    return {code, file, 0, std::move(reason)};
}

bool MapRecordingFile(const std::string& path, MappedFile& file, SourceRefusal& refusal) {
    std::string reason;
    const FileFault fault = file.Open(path, kMaxWholeFileBytes, reason);
    if (fault != FileFault::kNone) {
        refusal = FileFaultRefusal(fault, path, std::move(reason));
        return false;
    }
    return true;
}

}  // namespace karvelo
