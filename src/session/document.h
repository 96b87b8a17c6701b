// What the main form shows and works on: the loaded profile, the buffers of its runs,
// the one-shot requests, the quality values collected, and what the profile was read
// from. A computation elsewhere (a survey, a report) never touches it.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>

#include "analysis/analysis_buffers.h"
#include "analysis/analysis_request.h"
#include "analysis/quality.h"
#include "plot/pick_store.h"
#include "profile/profile.h"
#include "profile/profile_loader.h"

namespace karvelo {

class Document {
  public:
    Document();

    const Profile& CurrentProfile() const { return *profile_; }
    // Counts the profiles loaded: a computation that remembers it can tell whether the
    // profile it was made from is still the one on show.
    std::uint64_t Generation() const { return generation_; }
    AnalysisBuffers& Buffers() { return *buffers_; }
    const AnalysisBuffers& Buffers() const { return *buffers_; }

    // Runs load on a profile of its own; when it succeeds that profile replaces the
    // document's, LoadCompleted is set, the source is remembered and the load's note is
    // shown. A refused load changes nothing. Returns what load returned.
    bool Load(const std::function<bool(Profile&)>& load, const ProfileSourceChoice& source);

    RequestFlags Flags;
    QualityTable Quality;
    PickStore Picks;
    bool LoadCompleted = false;  // a new profile waits to be shown
    bool ProfileShown = false;   // a profile has been loaded and shown
    // What the profile on show was read from: files (with their options), or the
    // built-in profile LoadedSource.BuiltIn when there are no files.
    ProfileSourceChoice LoadedSource;

  private:
    std::unique_ptr<Profile> profile_;
    std::unique_ptr<Profile> incoming_;  // scratch of the next load
    std::unique_ptr<AnalysisBuffers> buffers_;
    std::uint64_t generation_ = 0;
};

}  // namespace karvelo
