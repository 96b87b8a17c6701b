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
#include "session/form_controls.h"

namespace karvelo::cli {

// The form's controls as plain values: what a user would have typed or clicked.
class CliFormControls : public FormControls {
  public:
    FormState widgets;  // what the controls show
    int contrastBar = 0;
    bool profileSpectrumEnabled = false;
    bool contrastControlsShown = false;

    void ReadControls(FormState& state) override {
        state = widgets;
        state.ContrastPos = contrastBar;
    }
    void WriteControls(const FormState& state) override {
        widgets = state;
        contrastBar = state.ContrastPos;
    }
    void EnableProfileSpectrumRadio() override { profileSpectrumEnabled = true; }
    void ShowContrastControls(bool visible) override { contrastControlsShown = visible; }
    int ContrastBarPosition() const override { return contrastBar; }
    void SetContrastBarPosition(int position) override { contrastBar = position; }
    void Invalidate() override {}
};

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

class NoProgressBox : public ProgressBox {
  public:
    void Open() override {}
    void Close() override {}
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
