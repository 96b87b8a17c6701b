// Test fake: a multi-selection open-file dialog that answers with preset paths, or
// cancels when there are none.
#pragma once

#include <string>
#include <vector>

#include "common/open_files_chooser.h"

namespace karvelo::testing {

class PresetOpenFilesChooser : public OpenFilesChooser {
  public:
    std::vector<std::string> ChooseOpenFiles() override {
        ++calls;
        return files;
    }

    std::vector<std::string> files;  // the answer of every call; empty: cancel
    int calls = 0;
};

}  // namespace karvelo::testing
