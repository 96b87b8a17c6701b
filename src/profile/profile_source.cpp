#include "profile/profile_source.h"

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

}  // namespace karvelo
