// Writing a user-chosen text file, with the error report every analysis export shares.
#pragma once

#include <functional>
#include <ostream>
#include <string>

#include "common/save_file_chooser.h"

namespace karvelo {

inline constexpr const char* kTextFileExtension = "txt";

enum class SaveOutcome {
    Written,    // every line reached the file and it was closed cleanly
    Cancelled,  // the user cancelled the dialog; nothing was touched
    Failed,     // open, write or close failed; error 11 with its code line was reported
};

// Asks chooser for a file (defaultName, extension "txt"), truncates it and lets
// writeLines fill it. The stream is checked after closing, so a full disk or any
// other write error counts as a failure.
SaveOutcome SaveTextFile(SaveFileChooser& chooser, const std::string& defaultName,
                         const std::function<void(std::ostream&)>& writeLines);

}  // namespace karvelo
