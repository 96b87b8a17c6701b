// The actions behind every control, mouse press and menu command of the main form:
// what the view's handlers do between reading and writing the controls. Both front
// ends (desktop program and CLI) reach the analysis only through these.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "analysis/analysis_request.h"
#include "analysis/pipeline.h"
#include "common/analysis_controls.h"
#include "common/save_file_chooser.h"
#include "plot/map_reading.h"
#include "plot/spectrum_click.h"
#include "plot/surface.h"
#include "plot/trace_reading.h"
#include "report/point_report.h"
#include "session/document.h"
#include "session/form_controls.h"
#include "session/form_state.h"

namespace karvelo {

// The shape factor beta the form accepts (inclusive); others are refused with error 13.
inline constexpr float kMinShapeFactor = 0.5f;
inline constexpr float kMaxShapeFactor = 1.2f;
inline bool IsValidShapeFactor(float beta) {
    return beta >= kMinShapeFactor && beta <= kMaxShapeFactor;
}
// The sensor spacing the form accepts, in mm: above 0, at most this.
inline constexpr float kMaxSensorSpacingMm = 10000.0f;
inline bool IsValidSensorSpacing(float spacingMm) {
    return spacingMm > 0.0f && spacingMm <= kMaxSensorSpacingMm;
}

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
    FormSession(Document& document, Surface& surface, FormControls& controls,
                AnalysisControls& analysisControls, ProgressBox& progress,
                SaveFileChooser& chooser);

    Document& Doc() { return document_; }
    const Document& Doc() const { return document_; }
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
    // Enter or a double click on line `line` of the list of maxima: the click on that
    // maximum in the spectrum panel, with the values a click there shows.
    void OnPeakLineActivated(int line);

    // Picking bar: "Ok", "Удалить точки", "Сохранить".
    void OnPickOk();
    void OnDeletePicks();
    void OnSavePicks();
    // Full redraw from the current controls (used by the picking bar).
    void RedrawView();

    // What the last pipeline run of an action did.
    const AnalysisOutcome& LastOutcome() const { return lastOutcome_; }

    // The per-point report with the form's mode (0 to 2), band, velocity or thickness,
    // beta and trend removal: each point is run as if chosen in "Номер точки", on buffers
    // of the report's own, so the form's picture, buffers and controls stay as they are.
    // Empty in mode 3 or with nothing loaded.
    std::vector<PointReport> ProfileReport();
    // Draws the profile-spectrum map of the form's band and contrast onto target (its
    // colour bar included) on buffers of its own, without changing the form's mode,
    // controls, buffers or picture. Nothing is drawn with no profile loaded.
    void RenderProfileMap(Surface& target);

    // The language of the captions drawn into the panels from the next run on.
    void SetCaptionLanguage(Language language) { captions_ = language; }
    Language CaptionLanguage() const { return captions_; }

    // What the spectrum panel shows at surface pixel (x, y) (modes 0 to 2, once a profile
    // is shown); nothing elsewhere.
    std::optional<SpectrumReading> SpectrumAt(int x, int y) const;
    // What the trace panel shows at surface pixel (x, y) once a profile is shown: the
    // trace of the shown point, its time and sample; nothing elsewhere.
    std::optional<TraceReading> TracesAt(int x, int y) const;
    // What the profile-spectrum map shows at surface pixel (x, y) (mode 3, once a map is
    // drawn): the point, the frequency and the value, as a pick there reads them.
    std::optional<MapReading> ProfileMapAt(int x, int y) const;

    // Reads the form's controls into State() (a bad shape factor refused as always).
    void ReadForm() { ReadCheckedControls(); }
    // The request of the form as it stands (controls read first), its point and trace
    // numbers as typed.
    AnalysisRequest FormRequest() {
        ReadCheckedControls();
        AnalysisRequest request = RequestFromState(false);
        request.Controls = nullptr;
        return request;
    }
    // Writes a band into the state and the controls, as if typed in.
    void SetBand(std::int32_t fMin, std::int32_t fMax);

    // Shows point (0-based) as if typed into "Номер точки".
    void SelectPoint(std::uint32_t point);
    // What a report of the form depends on: the profile loaded, the mode, the band, the
    // velocity or thickness, beta, trend removal and the velocity from the arrivals, as
    // the last action read them. Two
    // keys differ when a report made at one would differ from a report made at the other.
    std::string ReportKey() const;
    // The settings the report reads from the form as it stands.
    ReportSettings CurrentReportSettings() const;

    // "Калибровка Cp": with a thickness given, the velocity Cp = 2 h f / beta from the
    // shown point's refined dominant frequency replaces it in the edit (which then holds
    // a velocity). Reports error 13 when no thickness is given or the point has no
    // listed maximum. Returns the velocity written.
    std::optional<double> OnCalibrateVelocity();

    // Tools > Добротность > "Вкл. отображение"; returns the new check state.
    bool ToggleQualityDisplay();
    // Tools > Добротность > "Сохранить в файл".
    void OnQualitySave();
    // Tools > "Корр. функция": true when the dialog may open, else reports error 12.
    bool CorrelationAvailable() const;

  private:
    // Reads the controls into the state; a shape factor or sensor spacing out of range is
    // refused with error 13 and the last accepted one written back.
    void ReadCheckedControls();
    // The first steps of every action: clear the surface, read the controls, keep point
    // and trace inside the loaded profile (when correct), fill the request.
    AnalysisRequest PrepareAction(bool correct);
    AnalysisRequest PrepareAction();  // corrects once a profile has been shown
    // The steps after the read: the corrections and the request from the members.
    AnalysisRequest RequestFromState(bool correct);
    AnalysisOutcome Run(AnalysisRequest& request);
    // A click on the spectrum panel at (x, y), or on listed maximum listedPeak (>= 0):
    // runs it and writes the click's values to the controls.
    void ClickSpectrum(int x, int y, std::int32_t listedPeak);

    Document& document_;
    Surface& surface_;
    FormControls& controls_;
    AnalysisControls& analysisControls_;
    ProgressBox& progress_;
    SaveFileChooser& chooser_;
    FormState state_;
    float acceptedShapeFactor_ = 1.0f;
    float acceptedSensorSpacing_ = 300.0f;
    Language captions_ = Language::Russian;
    AnalysisOutcome lastOutcome_;
};

}  // namespace karvelo
