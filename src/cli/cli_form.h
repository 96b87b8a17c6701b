// The form as karvelo-cli drives it: controls that hold values instead of widgets,
// recorders for what the analysis shows, and a save dialog answered by an option.
#pragma once

#include <optional>
#include <ostream>
#include <string>

#include "common/error_messages.h"
#include "common/field_rules.h"
#include "common/save_file_chooser.h"
#include "session/recorded_analysis_controls.h"
#include "session/value_form_controls.h"

namespace karvelo::cli {

using CliFormControls = ValueFormControls;

using CliAnalysisControls = RecordedAnalysisControls;

// Answers the save dialog with the path an option named; cancels when none is set.
class OptionSaveFileChooser : public SaveFileChooser {
  public:
    std::optional<std::string> path;
    std::optional<std::string> ChooseSaveFile(const std::string&, const std::string&) override {
        return path;
    }
};

// Prints every message the program raises as "error: TEXT" in order, without the lines
// that name a field of the desktop form (the options name their own values).
class PrintingMessageSink : public MessageSink {
  public:
    explicit PrintingMessageSink(std::ostream& out) : out_(out) {}
    void Show(const std::string& text) override {
        out_ << "error: " << WithoutFieldRules(text) << '\n';
    }

  private:
    std::ostream& out_;
};

}  // namespace karvelo::cli
