// Replacing a file atomically: the new content goes to a temporary file in the target's
// folder, which is renamed over the target only when it was written completely.
#pragma once

#include <functional>
#include <span>
#include <string>

namespace karvelo {

// Calls write(tempPath) with a fresh temporary name beside target; when write returns
// true the temporary file is flushed to the disk and renamed over target. On any failure
// the temporary file is removed, target is left as it was and false is returned. write
// must close the file it wrote before returning. A symbolic link is followed (the file it
// names is replaced) and a replaced file keeps its permissions. A target that exists and
// is not a regular file (a device, a pipe) cannot be replaced: write gets target itself.
bool ReplaceFileAtomically(const std::string& target,
                           const std::function<bool(const std::string& tempPath)>& write);

// Replaces target atomically with bytes; false (target untouched) when any part of the
// write, flush or close fails.
bool WriteFileAtomically(const std::string& target, std::span<const char> bytes);

}  // namespace karvelo
