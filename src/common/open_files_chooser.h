// The standard multi-selection open-file dialog, as the logic needs it.
#pragma once

#include <string>
#include <vector>

namespace karvelo {

class OpenFilesChooser {
  public:
    virtual ~OpenFilesChooser() = default;
    // Asks for one or more existing files to read (SEG-Y files or text recordings).
    // Returns their full paths in the order chosen, or nothing when the user cancelled.
    virtual std::vector<std::string> ChooseOpenFiles() = 0;
};

}  // namespace karvelo
