// The form as karvelo-cli drives it: controls that hold values instead of widgets,
// recorders for what the analysis shows, and a save dialog answered by an option.
#pragma once

#include <array>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "common/analysis_controls.h"
#include "common/error_messages.h"
#include "common/save_file_chooser.h"
#include "session/value_form_controls.h"

namespace karvelo::cli {

using CliFormControls = ValueFormControls;

// The list of maxima, the five statics and "S", recorded.
class CliAnalysisControls : public AnalysisControls {
  public:
    std::vector<std::string> peakLines;
    std::array<bool, 5> staticShown{};
    bool exportEnabled = false;

    void ClearPeakList() override { peakLines.clear(); }
    void AddPeakLine(const std::string& line) override { peakLines.push_back(line); }
    void SelectFirstPeakLine() override {}
    void ShowStatic(AnalysisStatic which, bool visible) override {
        staticShown[static_cast<std::size_t>(which)] = visible;
    }
    void EnableExportButton(bool enabled) override { exportEnabled = enabled; }
    bool Shown(AnalysisStatic which) const { return staticShown[static_cast<std::size_t>(which)]; }
};

// Answers the save dialog with the path an option named; cancels when none is set.
class OptionSaveFileChooser : public SaveFileChooser {
  public:
    std::optional<std::string> path;
    std::optional<std::string> ChooseSaveFile(const std::string&, const std::string&) override {
        return path;
    }
};

// Prints every message the program raises as "error: TEXT" in order.
class PrintingMessageSink : public MessageSink {
  public:
    explicit PrintingMessageSink(std::ostream& out) : out_(out) {}
    void Show(const std::string& text) override { out_ << "error: " << text << '\n'; }

  private:
    std::ostream& out_;
};

}  // namespace karvelo::cli
