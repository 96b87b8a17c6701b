// Replacing a file atomically: the new content goes to a temporary file in the target's
// folder, which is renamed over the target only when it was written completely.
#pragma once

#include <functional>
#include <string>

namespace karvelo {

// Calls write(tempPath) with a fresh temporary name beside target; when write returns
// true the temporary file is renamed over target. On any failure the temporary file is
// removed, target is left as it was and false is returned. write must close the file it
// wrote before returning.
bool ReplaceFileAtomically(const std::string& target,
                           const std::function<bool(const std::string& tempPath)>& write);

}  // namespace karvelo
