// The analysis controls as plain values: the list of maxima, which statics are shown and
// whether "S" is enabled. The headless front end reads its output from them, and tests
// check what a run did to the form.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "common/analysis_controls.h"

namespace karvelo {

class RecordedAnalysisControls : public AnalysisControls {
  public:
    void ClearPeakList() override {
        peakLines.clear();
        selectedLine = -1;
        ++clearCount;
    }
    void AddPeakLine(const std::string& line) override { peakLines.push_back(line); }
    void SelectFirstPeakLine() override { selectedLine = peakLines.empty() ? -1 : 0; }
    void ShowStatic(AnalysisStatic which, bool visible) override { visibility[which] = visible; }
    void EnableExportButton(bool enabled) override { exportEnabled = enabled; }

    // Whether a static was last shown; a static never touched counts as hidden.
    bool IsShown(AnalysisStatic which) const {
        const auto found = visibility.find(which);
        return found != visibility.end() && found->second;
    }

    std::vector<std::string> peakLines;
    int selectedLine = -1;  // -1: nothing selected
    int clearCount = 0;
    std::map<AnalysisStatic, bool> visibility;
    bool exportEnabled = false;
};

}  // namespace karvelo
