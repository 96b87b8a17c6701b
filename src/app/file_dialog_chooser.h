// SaveFileChooser of the desktop program: the platform's save dialog, offering a default
// name, appending the default extension to a name typed without one and asking before an
// existing file is overwritten.
#pragma once

#include "common/save_file_chooser.h"

namespace karvelo {

class FileDialogChooser : public SaveFileChooser {
  public:
    std::optional<std::string> ChooseSaveFile(const std::string& defaultName,
                                              const std::string& defaultExtension) override;
};

}  // namespace karvelo
