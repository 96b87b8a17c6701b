#include "session/form_session.h"

#include <algorithm>
#include <memory>

#include "analysis/frequency_axis.h"
#include "analysis/pipeline.h"
#include "analysis/quality.h"
#include "analysis/spectrum_export.h"
#include "common/error_messages.h"
#include "common/field_rules.h"
#include "plot/click_regions.h"
#include "plot/pick_save.h"
#include "plot/pick_store.h"
#include "plot/plot_panels.h"
#include "profile/profile_image.h"

namespace karvelo {

namespace {

constexpr int kContrastMin = 0;
constexpr int kContrastMax = 100;
constexpr int kContrastLineStep = 10;
constexpr float kContrastScale = 100.0f;

}  // namespace

FormSession::FormSession(Document& document, Surface& surface, FormControls& controls,
                         AnalysisControls& analysisControls, ProgressBox& progress,
                         SaveFileChooser& chooser)
    : document_(document),
      surface_(surface),
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
    if (!IsValidSensorSpacing(state_.SensorSpacingMm)) {
        ReportError(kErrInvalidValue, true, kRuleSensorSpacing);
        state_.SensorSpacingMm = acceptedSensorSpacing_;
        controls_.WriteControls(state_);
    }
    acceptedSensorSpacing_ = state_.SensorSpacingMm;
}

AnalysisRequest FormSession::PrepareAction(bool correct) {
    surface_.FillWhite();
    ReadCheckedControls();
    return RequestFromState(correct);
}

AnalysisRequest FormSession::RequestFromState(bool correct) {
    // Point and trace numbers are kept inside the loaded profile; a negative trace
    // number counts as too large.
    const std::uint32_t traces = document_.CurrentProfile().TracesPerPoint;
    const std::uint32_t points = document_.CurrentProfile().PointCount;
    if (correct && static_cast<std::uint32_t>(state_.TraceNumber) >= traces) {
        state_.TraceNumber = traces == 0 ? 0 : static_cast<std::int32_t>(traces - 1);
        controls_.WriteControls(state_);
    }
    if (correct && state_.PointNumber >= points) {
        state_.PointNumber = points == 0 ? 0 : points - 1;
        controls_.WriteControls(state_);
    }

    AnalysisRequest request;
    request.TraceNumber = static_cast<std::uint32_t>(state_.TraceNumber);
    request.SpectrumMode = state_.SpectrumMode;
    request.FMax = state_.FMax;
    request.FMin = state_.FMin;
    request.Controls = &analysisControls_;
    request.Captions = captions_;
    request.ViewMode = state_.ViewMode;
    request.PointNumber = state_.PointNumber + 1;
    request.RequestKind = kRequestRedraw;
    request.VelocityOrThickness = state_.VelocityOrThickness;
    request.ThicknessGiven = state_.ThicknessGiven;
    request.Contrast = static_cast<float>(state_.ContrastPos) / kContrastScale;
    request.ShapeFactor = state_.ShapeFactor;
    request.Detrend = state_.Detrend != 0;
    request.MarkArrivals = state_.ArrivalVelocity != 0;
    request.Spectral = state_.Spectral;
    return request;
}

AnalysisRequest FormSession::PrepareAction() {
    return PrepareAction(document_.ProfileShown);
}

AnalysisOutcome FormSession::Run(AnalysisRequest& request) {
    lastOutcome_ = RunAnalysis(document_.CurrentProfile(), document_.Buffers(), document_.Flags,
                               request, &surface_, &document_.Quality, &document_.Picks);
    return lastOutcome_;
}

void FormSession::OnFileOpen(const std::function<void()>& runOpenDialog) {
    runOpenDialog();
    if (!document_.LoadCompleted) {
        return;
    }
    if (!document_.ProfileShown) {
        controls_.EnableProfileSpectrumRadio();
    }
    AnalysisRequest request = PrepareAction(true);
    document_.Flags.RefreshPeaksRequest = true;
    document_.Flags.ResetBandRequest = true;
    document_.Flags.BandLimitOnly = true;
    Run(request);
    state_.FMax = request.FMax;
    state_.FMin = request.FMin;
    controls_.WriteControls(state_);
    document_.Quality.QualityCount = 0;
    document_.LoadCompleted = false;
    document_.ProfileShown = true;
    controls_.Invalidate();
}

void FormSession::OnViewMode() {
    AnalysisRequest request = PrepareAction();
    document_.Flags.ContrastClipRequest = true;
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
    document_.Flags.ContrastClipRequest = true;
    document_.Flags.RefreshPeaksRequest = true;
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
    document_.Flags.ContrastClipRequest = false;
    document_.Flags.RefreshPeaksRequest = true;
    progress_.Open();
    Run(request);
    controls_.WriteControls(state_);
    progress_.Close();
    controls_.Invalidate();
}

void FormSession::OnDefaultBand() {
    AnalysisRequest request = PrepareAction();
    document_.Flags.ContrastClipRequest = true;
    document_.Flags.RefreshPeaksRequest = true;
    document_.Flags.ResetBandRequest = true;
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
    document_.Flags.RefreshPeaksRequest = true;
    document_.Flags.ContrastClipRequest = true;
    progress_.Open();
    Run(request);
    progress_.Close();
    controls_.Invalidate();
}

void FormSession::OnExportSpectrum() {
    ExportSpectrum(document_.Buffers(), chooser_);
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
    DispatchLeftPress(x, y, surface_, document_.CurrentProfile().PointCount, document_.Picks);
    controls_.Invalidate();
}

std::optional<SpectrumReading> FormSession::SpectrumAt(int x, int y) const {
    if (!document_.ProfileShown || state_.SpectrumMode == kProfileSpectrum) {
        return std::nullopt;
    }
    const Profile& profile = document_.CurrentProfile();
    const FrequencyAxis axis =
        MakeFrequencyAxis(SamplesPerTrace(profile.image), SampleInterval(profile.image),
                          profile.Unit, state_.Spectral.ZeroPad);
    const AnalysisBuffers& buffers = document_.Buffers();
    const std::size_t shown = buffers.ShownBinCount;
    return ReadSpectrumAt(
        x, y, SpectrumPanelLayout(static_cast<float>(axis.Step)),
        std::span(buffers.BinFrequencies).first(shown),
        std::span(buffers.SpectrumRows).first(std::min(shown, buffers.SpectrumRows.size())));
}

std::optional<TraceReading> FormSession::TracesAt(int x, int y) const {
    const Profile& profile = document_.CurrentProfile();
    if (!document_.ProfileShown || !profile.Loaded() || state_.PointNumber >= profile.PointCount) {
        return std::nullopt;
    }
    const std::uint32_t samples =
        std::min<std::uint32_t>(SamplesPerTrace(profile.image), kMaxSamplesPerTrace);
    const std::uint32_t interval = SampleInterval(profile.image);
    const PlotLayout layout =
        TracePanelLayout(static_cast<std::uint16_t>(samples), static_cast<std::uint16_t>(interval),
                         profile.Unit, captions_);
    return ReadTracesAt(x, y, layout, state_.ViewMode != 0 ? PlotMode::Density : PlotMode::Wiggle,
                        PointTraces(profile, state_.PointNumber),
                        std::span(document_.Buffers().SampleTimes).first(samples));
}

std::optional<MapReading> FormSession::ProfileMapAt(int x, int y) const {
    if (!document_.ProfileShown || state_.SpectrumMode != kProfileSpectrum) {
        return std::nullopt;
    }
    const AnalysisBuffers& buffers = document_.Buffers();
    return ReadProfileMapAt(buffers, ProfileMapLayout(0.0f, captions_), buffers.MapColumnCount, x,
                            y);
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
    AnalysisRequest request = RequestFromState(document_.ProfileShown);
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
    PickOk(document_.Picks);
}

void FormSession::OnDeletePicks() {
    DeletePicks(document_.Picks);
    RedrawView();
}

void FormSession::OnSavePicks() {
    SavePicks(document_.Picks, chooser_, [this] { RedrawView(); });
}

void FormSession::RenderProfileMap(Surface& target) {
    ReadCheckedControls();
    target.FillWhite();
    if (!document_.ProfileShown) {
        return;
    }
    AnalysisRequest map = RequestFromState(true);
    map.SpectrumMode = kProfileSpectrum;
    map.Controls = nullptr;
    RequestFlags flags;
    flags.ContrastClipRequest = map.Contrast > 0.0f;
    const auto buffers = std::make_unique<AnalysisBuffers>();
    RunAnalysis(document_.CurrentProfile(), *buffers, flags, map, &target, nullptr,
                &document_.Picks);
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

std::string FormSession::ReportKey() const {
    const ReportSettings settings = CurrentReportSettings();
    return std::to_string(document_.Generation()) + ' ' + std::to_string(settings.SpectrumMode) +
           ' ' + std::to_string(state_.FMin) + ' ' + std::to_string(state_.FMax) + ' ' +
           std::to_string(state_.TraceNumber) + ' ' + std::to_string(settings.VelocityOrThickness) +
           ' ' + std::to_string(settings.ThicknessGiven) + ' ' +
           std::to_string(settings.ShapeFactor) + ' ' +
           std::to_string(static_cast<int>(settings.Detrend)) + ' ' +
           std::to_string(static_cast<int>(settings.ArrivalVelocity)) + ' ' +
           std::to_string(settings.SensorSpacingMm) + ' ' +
           std::to_string(static_cast<int>(settings.Spectral.Window)) + ' ' +
           std::to_string(settings.Spectral.DecayShare) + ' ' +
           std::to_string(settings.Spectral.ZeroPad);
}

ReportSettings FormSession::CurrentReportSettings() const {
    ReportSettings settings;
    settings.SpectrumMode = state_.SpectrumMode;
    settings.VelocityOrThickness = state_.VelocityOrThickness;
    settings.ThicknessGiven = state_.ThicknessGiven;
    settings.ShapeFactor = state_.ShapeFactor;
    settings.Detrend = state_.Detrend != 0;
    settings.ArrivalVelocity = static_cast<ArrivalVelocityUse>(
        std::clamp(state_.ArrivalVelocity, 0, static_cast<int>(ArrivalVelocityUse::Line)));
    settings.SensorSpacingMm = state_.SensorSpacingMm;
    settings.Spectral = state_.Spectral;
    return settings;
}

std::vector<PointReport> FormSession::ProfileReport() {
    std::vector<PointReport> rows;
    ReadCheckedControls();
    AnalysisRequest shown = RequestFromState(document_.ProfileShown);
    if (!document_.ProfileShown || state_.SpectrumMode == kProfileSpectrum) {
        return rows;
    }
    shown.Controls = nullptr;
    const ReportSettings settings = CurrentReportSettings();
    const Profile& profile = document_.CurrentProfile();
    const auto buffers = std::make_unique<AnalysisBuffers>();
    for (std::uint32_t point = 0; point < profile.PointCount; ++point) {
        rows.push_back(ReportPoint(profile, *buffers, shown, settings, point));
    }
    return rows;
}

std::optional<double> FormSession::OnCalibrateVelocity() {
    AnalysisRequest request = PrepareAction();
    document_.Flags.RefreshPeaksRequest = true;
    const AnalysisOutcome outcome = Run(request);
    controls_.Invalidate();
    if (state_.ThicknessGiven == 0 || state_.SpectrumMode == kProfileSpectrum) {
        ReportError(kErrInvalidValue, true, kRuleCalibration);
        return std::nullopt;
    }
    const PointReport point =
        ReportShownPoint(document_.CurrentProfile(), document_.Buffers(), CurrentReportSettings(),
                         state_.PointNumber, outcome.Ran, outcome.BandFirst, outcome.BandLast);
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
    document_.Flags.RefreshPeaksRequest = true;
    document_.Flags.ContrastClipRequest = false;
    Run(request);
    controls_.Invalidate();
}

bool FormSession::ToggleQualityDisplay() {
    bool& on = document_.Quality.QualityDisplayOn;
    on = !on;
    return on;
}

void FormSession::OnQualitySave() {
    SaveQuality(document_.Quality, chooser_);
}

bool FormSession::CorrelationAvailable() const {
    if (document_.ProfileShown && TraceCount(document_.CurrentProfile().image) != 0) {
        return true;
    }
    ReportError(kErrCannotExecute, true);
    return false;
}

}  // namespace karvelo
