#include "session/document.h"

#include <utility>

namespace karvelo {

Document::Document()
    : profile_(std::make_unique<Profile>()),
      incoming_(std::make_unique<Profile>()),
      buffers_(std::make_unique<AnalysisBuffers>()) {}

bool Document::Load(const std::function<bool(Profile&)>& load, const ProfileSourceChoice& source) {
    ClearImage(incoming_->image);
    if (!load(*incoming_)) {
        return false;
    }
    std::swap(profile_, incoming_);
    ++generation_;
    LoadedSource = source;
    LoadCompleted = true;
    ShowLoadNote(*profile_);
    return true;
}

}  // namespace karvelo
