// The actions behind every control, mouse press and menu command of the main form:
// what the view's handlers do between reading and writing the controls. Both front
// ends (desktop program and CLI) reach the analysis only through these.
#pragma once

#include <functional>

#include "analysis/analysis_request.h"
#include "analysis/pipeline.h"
#include "common/analysis_controls.h"
#include "common/save_file_chooser.h"
#include "plot/surface.h"
#include "session/form_controls.h"
#include "session/form_state.h"

namespace karvelo {

// Notification codes of the contrast scroll bar.
enum class ScrollCode {
    LineLeft = 0,
    LineRight = 1,
    PageLeft = 2,
    PageRight = 3,
    ThumbPosition = 4,  // thumb released
    ThumbTrack = 5,
    Left = 6,
    Right = 7,
    EndScroll = 8,
};

class FormSession {
  public:
    // All references must outlive the session.
    FormSession(Surface& surface, FormControls& controls, AnalysisControls& analysisControls,
                ProgressBox& progress, SaveFileChooser& chooser);

    FormState& State() { return state_; }
    const FormState& State() const { return state_; }
    Surface& DrawingSurface() { return surface_; }

    // The view's first update (and a re-initialised document): white surface, the
    // statics of a click hidden, members written to the controls.
    void InitialUpdate();

    // File > Open: runOpenDialog runs the open dialog (which loads on OK); when a profile
    // was loaded, the post-load refresh draws it and writes the new band back.
    void OnFileOpen(const std::function<void()>& runOpenDialog);

    void OnViewMode();          // 1031, 1033
    void OnSpectrumSettings();  // 1018, 1019, 1037, 1027, text of 1024 and 1036
    void OnProfileSpectrum();   // 1040
    void OnDefaultBand();       // 1023 "D"
    void OnHScroll(ScrollCode code, int thumbPosition);  // bar 1046
    void OnExportSpectrum();                             // 1052 "S"

    // Mouse presses in surface pixels.
    void OnLButtonDown(int x, int y);
    void OnRButtonDown(int x, int y);

    // Picking bar: "Ok", "Удалить точки", "Сохранить".
    void OnPickOk();
    void OnDeletePicks();
    void OnSavePicks();
    // Full redraw from the current controls (used by the picking bar).
    void RedrawView();

    // What the last pipeline run of an action did.
    const AnalysisOutcome& LastOutcome() const { return lastOutcome_; }

    // Tools > Добротность > "Вкл. отображение"; returns the new check state.
    bool ToggleQualityDisplay();
    // Tools > Добротность > "Сохранить в файл".
    void OnQualitySave();
    // Tools > "Корр. функция": true when the dialog may open, else reports error 12.
    bool CorrelationAvailable() const;

  private:
    // The first steps of every action: clear the surface, read the controls, keep point
    // and trace inside the loaded profile (when correct), fill the request.
    AnalysisRequest PrepareAction(bool correct);
    AnalysisRequest PrepareAction();  // corrects once a profile has been shown
    // The steps after the read: the corrections and the request from the members.
    AnalysisRequest RequestFromState(bool correct);
    AnalysisOutcome Run(AnalysisRequest& request);

    Surface& surface_;
    FormControls& controls_;
    AnalysisControls& analysisControls_;
    ProgressBox& progress_;
    SaveFileChooser& chooser_;
    FormState state_;
    AnalysisOutcome lastOutcome_;
};

}  // namespace karvelo
