#include "session/form_session.h"

#include <algorithm>

#include "analysis/pipeline.h"
#include "analysis/quality.h"
#include "analysis/spectrum_export.h"
#include "common/error_messages.h"
#include "common/field_rules.h"
#include "plot/click_regions.h"
#include "plot/pick_save.h"
#include "plot/pick_store.h"
#include "profile/profile_image.h"

namespace karvelo {

namespace {

constexpr int kContrastMin = 0;
constexpr int kContrastMax = 100;
constexpr int kContrastLineStep = 10;
constexpr float kContrastScale = 100.0f;

}  // namespace

FormSession::FormSession(Surface& surface, FormControls& controls,
                         AnalysisControls& analysisControls, ProgressBox& progress,
                         SaveFileChooser& chooser)
    : surface_(surface),
      controls_(controls),
      analysisControls_(analysisControls),
      progress_(progress),
      chooser_(chooser) {}

void FormSession::InitialUpdate() {
    surface_.FillWhite();
    HideClickStatics(analysisControls_);
    controls_.WriteControls(state_);
    controls_.Invalidate();
}

void FormSession::ReadCheckedControls() {
    controls_.ReadControls(state_);
    if (!IsValidShapeFactor(state_.ShapeFactor)) {
        // Refused like any value out of its range; the last accepted one stays.
        ReportError(kErrInvalidValue, true, kRuleShapeFactor);
        state_.ShapeFactor = acceptedShapeFactor_;
        controls_.WriteControls(state_);
    }
    acceptedShapeFactor_ = state_.ShapeFactor;
}

AnalysisRequest FormSession::PrepareAction(bool correct) {
    surface_.FillWhite();
    ReadCheckedControls();
    return RequestFromState(correct);
}

AnalysisRequest FormSession::RequestFromState(bool correct) {
    // Point and trace numbers are kept inside the loaded profile; a negative trace
    // number counts as too large.
    if (correct && static_cast<std::uint32_t>(state_.TraceNumber) >= TracesPerPoint) {
        state_.TraceNumber =
            TracesPerPoint == 0 ? 0 : static_cast<std::int32_t>(TracesPerPoint - 1);
        controls_.WriteControls(state_);
    }
    if (correct && state_.PointNumber >= PointCount) {
        state_.PointNumber = PointCount == 0 ? 0 : PointCount - 1;
        controls_.WriteControls(state_);
    }

    AnalysisRequest request;
    request.TraceNumber = static_cast<std::uint32_t>(state_.TraceNumber);
    request.SpectrumMode = state_.SpectrumMode;
    request.FMax = state_.FMax;
    request.FMin = state_.FMin;
    request.Controls = &analysisControls_;
    request.ViewMode = state_.ViewMode;
    request.PointNumber = state_.PointNumber + 1;
    request.RequestKind = kRequestRedraw;
    request.VelocityOrThickness = state_.VelocityOrThickness;
    request.ThicknessGiven = state_.ThicknessGiven;
    request.Contrast = static_cast<float>(state_.ContrastPos) / kContrastScale;
    request.ShapeFactor = state_.ShapeFactor;
    request.Detrend = state_.Detrend != 0;
    return request;
}

AnalysisRequest FormSession::PrepareAction() {
    return PrepareAction(ProfileShown);
}

AnalysisOutcome FormSession::Run(AnalysisRequest& request) {
    lastOutcome_ = RunAnalysis(request, surface_);
    return lastOutcome_;
}

void FormSession::OnFileOpen(const std::function<void()>& runOpenDialog) {
    LoadBusy = 0;
    runOpenDialog();
    if (!LoadCompleted) {
        return;
    }
    if (!ProfileShown) {
        controls_.EnableProfileSpectrumRadio();
    }
    AnalysisRequest request = PrepareAction(true);
    RefreshPeaksRequest = true;
    ResetBandRequest = true;
    BandLimitOnly = true;
    Run(request);
    state_.FMax = request.FMax;
    state_.FMin = request.FMin;
    controls_.WriteControls(state_);
    QualityCount = 0;
    LoadCompleted = false;
    ProfileShown = true;
    controls_.Invalidate();
}

void FormSession::OnViewMode() {
    AnalysisRequest request = PrepareAction();
    ContrastClipRequest = true;
    Run(request);
    controls_.Invalidate();
}

void FormSession::OnSpectrumSettings() {
    AnalysisRequest request = PrepareAction();
    const bool profileSpectrum = state_.SpectrumMode == kProfileSpectrum;
    if (profileSpectrum) {
        progress_.Open();
    } else {
        controls_.ShowContrastControls(false);
    }
    ContrastClipRequest = true;
    RefreshPeaksRequest = true;
    Run(request);
    if (request.SpectrumMode == kProfileSpectrum) {
        progress_.Close();
    }
    controls_.Invalidate();
}

void FormSession::OnProfileSpectrum() {
    AnalysisRequest request = PrepareAction();
    state_.ContrastPos = kContrastMin;
    request.Contrast = 0.0f;
    controls_.ShowContrastControls(true);
    ContrastClipRequest = false;
    RefreshPeaksRequest = true;
    progress_.Open();
    Run(request);
    controls_.WriteControls(state_);
    progress_.Close();
    controls_.Invalidate();
}

void FormSession::OnDefaultBand() {
    AnalysisRequest request = PrepareAction();
    ContrastClipRequest = true;
    RefreshPeaksRequest = true;
    ResetBandRequest = true;
    const bool profileSpectrum = state_.SpectrumMode == kProfileSpectrum;
    if (profileSpectrum) {
        progress_.Open();
    }
    Run(request);
    state_.FMax = request.FMax;
    state_.FMin = request.FMin;
    controls_.WriteControls(state_);
    if (request.SpectrumMode == kProfileSpectrum) {
        progress_.Close();
    }
    controls_.Invalidate();
}

void FormSession::OnHScroll(ScrollCode code, int thumbPosition) {
    int position = controls_.ContrastBarPosition();
    switch (code) {
        case ScrollCode::LineLeft:
            position = std::max(kContrastMin, position - kContrastLineStep);
            break;
        case ScrollCode::LineRight:
            position = std::min(kContrastMax, position + kContrastLineStep);
            break;
        case ScrollCode::ThumbPosition:
            position = thumbPosition;
            break;
        default:
            break;  // page steps, tracking and the end of scrolling keep the position
    }
    controls_.SetContrastBarPosition(position);

    AnalysisRequest request = PrepareAction();
    RefreshPeaksRequest = true;
    ContrastClipRequest = true;
    progress_.Open();
    Run(request);
    progress_.Close();
    controls_.Invalidate();
}

void FormSession::OnExportSpectrum() {
    ExportSpectrum(chooser_);
}

void FormSession::OnLButtonDown(int x, int y) {
    // The controls are read once: a value that does not parse is prompted for once.
    ReadCheckedControls();
    if (state_.SpectrumMode != kProfileSpectrum) {
        ClickSpectrum(x, y, -1);
        SetPickRegionActive(false);
    } else {
        SetPickRegionActive(true);
    }
    DispatchLeftPress(x, y, surface_);
    controls_.Invalidate();
}

void FormSession::OnPeakLineActivated(int line) {
    ReadCheckedControls();
    if (state_.SpectrumMode == kProfileSpectrum || line < 0) {
        return;  // the profile spectrum lists no maxima
    }
    ClickSpectrum(0, 0, line);
    controls_.Invalidate();
}

void FormSession::ClickSpectrum(int x, int y, std::int32_t listedPeak) {
    surface_.FillWhite();
    AnalysisRequest request = RequestFromState(ProfileShown);
    request.RequestKind = kRequestClick;
    request.ClickX = x;
    request.ClickY = y;
    request.ListedPeak = listedPeak;
    Run(request);
    state_.ClickFrequency = request.ClickFrequency;
    state_.DerivedValue = request.DerivedValue;
    state_.QualityValue = request.QualityValue;
    state_.RefinedFrequency = request.RefinedFrequency;
    controls_.WriteControls(state_);
}

void FormSession::OnRButtonDown(int x, int y) {
    SetPickRegionActive(false);
    DispatchRightPress(x, y, surface_);
}

void FormSession::OnPickOk() {
    PickOk();
}

void FormSession::OnDeletePicks() {
    DeletePicks();
    RedrawView();
}

void FormSession::OnSavePicks() {
    SavePicks(chooser_, [this] { RedrawView(); });
}

void FormSession::RenderProfileMap(Surface& target) {
    AnalysisRequest shown = PrepareAction();
    target.FillWhite();
    if (!ProfileShown) {
        return;
    }
    AnalysisRequest map = shown;
    map.SpectrumMode = kProfileSpectrum;
    map.Controls = nullptr;
    ContrastClipRequest = map.Contrast > 0.0f;
    RunAnalysis(map, target);
    surface_.FillWhite();
    RefreshPeaksRequest = true;
    ContrastClipRequest = true;
    Run(shown);
    controls_.Invalidate();
}

void FormSession::SetBand(std::int32_t fMin, std::int32_t fMax) {
    state_.FMin = fMin;
    state_.FMax = fMax;
    controls_.WriteControls(state_);
}

void FormSession::SelectPoint(std::uint32_t point) {
    ReadCheckedControls();  // what was typed stays
    state_.PointNumber = point;
    controls_.WriteControls(state_);
    OnSpectrumSettings();
}

ReportSettings FormSession::CurrentReportSettings() const {
    ReportSettings settings;
    settings.SpectrumMode = state_.SpectrumMode;
    settings.VelocityOrThickness = state_.VelocityOrThickness;
    settings.ThicknessGiven = state_.ThicknessGiven;
    settings.ShapeFactor = state_.ShapeFactor;
    settings.Detrend = state_.Detrend != 0;
    return settings;
}

std::vector<PointReport> FormSession::ProfileReport(bool showAgain) {
    std::vector<PointReport> rows;
    AnalysisRequest shown = PrepareAction();
    if (!ProfileShown || state_.SpectrumMode == kProfileSpectrum) {
        return rows;
    }
    const ReportSettings settings = CurrentReportSettings();
    for (std::uint32_t point = 0; point < PointCount; ++point) {
        AnalysisRequest request = shown;
        request.PointNumber = point + 1;
        surface_.FillWhite();
        RefreshPeaksRequest = true;
        const AnalysisOutcome outcome = Run(request);
        rows.push_back(
            ReportShownPoint(settings, point, outcome.Ran, outcome.BandFirst, outcome.BandLast));
    }
    if (showAgain) {
        surface_.FillWhite();
        RefreshPeaksRequest = true;
        Run(shown);
    }
    controls_.Invalidate();
    return rows;
}

std::optional<double> FormSession::OnCalibrateVelocity() {
    AnalysisRequest request = PrepareAction();
    RefreshPeaksRequest = true;
    const AnalysisOutcome outcome = Run(request);
    controls_.Invalidate();
    if (state_.ThicknessGiven == 0 || state_.SpectrumMode == kProfileSpectrum) {
        ReportError(kErrInvalidValue, true, kRuleCalibration);
        return std::nullopt;
    }
    const PointReport point = ReportShownPoint(CurrentReportSettings(), state_.PointNumber,
                                               outcome.Ran, outcome.BandFirst, outcome.BandLast);
    const std::optional<double> velocity =
        CalibratedVelocity(point, state_.VelocityOrThickness, state_.ShapeFactor);
    if (!velocity) {
        ReportError(kErrInvalidValue, true, kRuleCalibration);
        return std::nullopt;
    }
    state_.VelocityOrThickness = static_cast<float>(*velocity);
    state_.ThicknessGiven = 0;
    controls_.WriteControls(state_);
    return velocity;
}

void FormSession::RedrawView() {
    AnalysisRequest request = PrepareAction();
    RefreshPeaksRequest = true;
    ContrastClipRequest = false;
    Run(request);
    controls_.Invalidate();
}

bool FormSession::ToggleQualityDisplay() {
    QualityDisplayOn = !QualityDisplayOn;
    return QualityDisplayOn;
}

void FormSession::OnQualitySave() {
    SaveQuality(chooser_);
}

bool FormSession::CorrelationAvailable() const {
    if (ProfileShown && TraceCount() != 0) {
        return true;
    }
    ReportError(kErrCannotExecute, true);
    return false;
}

}  // namespace karvelo
