// The file choosers of the desktop program: the platform's save dialog, offering a
// default name, appending the default extension to a name typed without one and asking
// before an existing file is overwritten; and its multi-selection open dialog for
// measurements from disk.
#pragma once

#include "common/open_files_chooser.h"
#include "common/save_file_chooser.h"

namespace karvelo {

class FileDialogChooser : public SaveFileChooser, public OpenFilesChooser {
  public:
    std::optional<std::string> ChooseSaveFile(const std::string& defaultName,
                                              const std::string& defaultExtension) override;
    std::vector<std::string> ChooseOpenFiles() override;
};

}  // namespace karvelo
