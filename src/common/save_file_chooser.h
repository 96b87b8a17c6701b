// The standard save-file dialog, as the logic needs it.
#pragma once

#include <optional>
#include <string>

namespace karvelo {

class SaveFileChooser {
  public:
    virtual ~SaveFileChooser() = default;
    // Asks for a file to write, offering defaultName and appending defaultExtension
    // (without the dot) when the user typed none; asks before overwriting an existing
    // file. Returns the full path, or nullopt when the user cancelled.
    virtual std::optional<std::string> ChooseSaveFile(const std::string& defaultName,
                                                      const std::string& defaultExtension) = 0;
};

}  // namespace karvelo
