// Replacing a file atomically: the new content goes to a temporary file in the target's
// folder, which is renamed over the target only when it was written completely.
#pragma once

#include <functional>
#include <span>
#include <string>

namespace karvelo {

// Calls write(tempPath) with a fresh temporary name beside target (target + ".tmp." and six
// letters or digits); when write returns true the temporary file is flushed to the disk and
// renamed over target. On any failure the temporary file is removed, target is left as it
// was, false is returned and errno gives the system's reason. write must close the file it
// wrote before returning. Temporary files of target that an earlier, killed write left
// behind are removed first (a write in progress locks its own, so it is never touched). A symbolic
// link is followed (the file it names is replaced) and a replaced file keeps its permissions. A
// target that exists and is not a regular file (a device, a pipe) cannot be replaced: write gets
// target itself.
bool ReplaceFileAtomically(const std::string& target,
                           const std::function<bool(const std::string& tempPath)>& write);

// Replaces target atomically with bytes; false (target untouched) when any part of the
// write, flush or close fails.
bool WriteFileAtomically(const std::string& target, std::span<const char> bytes);

// "PATH: REASON" for a write above that failed just now, REASON the system's (from errno):
// the second line of a save failure's message.
std::string WriteFailure(const std::string& path);

// The REASON alone.
std::string WriteFailureReason();

// A write beyond the process's file-size limit stops the program (SIGXFSZ) unless the
// signal is ignored; ignored, the write fails with "File too large" and is reported like
// a full disk. Both programs call this at start.
void ReportFileSizeLimitAsWriteError();

}  // namespace karvelo
