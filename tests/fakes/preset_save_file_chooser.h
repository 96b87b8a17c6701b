// Test fake: a save-file dialog that answers with a preset path, or cancels.
#pragma once

#include <optional>
#include <string>
#include <utility>

#include "common/save_file_chooser.h"

namespace karvelo::testing {

class PresetSaveFileChooser : public SaveFileChooser {
  public:
    // nullopt makes every call a cancel.
    explicit PresetSaveFileChooser(std::optional<std::string> path) : path_(std::move(path)) {}

    std::optional<std::string> ChooseSaveFile(const std::string& defaultName,
                                              const std::string& defaultExtension) override {
        ++calls;
        offeredName = defaultName;
        offeredExtension = defaultExtension;
        return path_;
    }

    // Changes the answer of later calls (nullopt: cancel).
    void SetPath(std::optional<std::string> path) { path_ = std::move(path); }

    int calls = 0;
    std::string offeredName;
    std::string offeredExtension;

  private:
    std::optional<std::string> path_;
};

}  // namespace karvelo::testing
