// AnalysisControls over the form's widgets: the list of local maxima, the five statics
// under the spectrum and the export button "S".
#pragma once

#include "common/analysis_controls.h"
#include "view/form_widgets.h"

namespace karvelo {

class FormAnalysisControls : public AnalysisControls {
  public:
    // widgets must outlive this object.
    explicit FormAnalysisControls(const FormWidgets& widgets) : w_(widgets) {}

    void ClearPeakList() override;
    void AddPeakLine(const std::string& line) override;
    void SelectFirstPeakLine() override;
    void ShowStatic(AnalysisStatic which, bool visible) override;
    void EnableExportButton(bool enabled) override;

  private:
    const FormWidgets& w_;
};

}  // namespace karvelo
