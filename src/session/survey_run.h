// Computing a survey grid: each position's files loaded as a profile of one point (its
// files are its hits) and reported as the per-point report reports it. Every position
// is computed on a profile and buffers of its worker's own, without drawing, so the
// main form's document is never touched.
#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <vector>

#include "analysis/analysis_request.h"
#include "profile/profile_loader.h"
#include "profile/profile_source.h"
#include "report/condition_class.h"
#include "report/point_report.h"
#include "report/survey_grid.h"
#include "session/form_session.h"

namespace karvelo {

// What a position's cell shows.
enum class SurveyValue {
    Frequency,  // the dominant refined frequency
    Result,     // the thickness (velocity given) or velocity (thickness given)
};

// How every position is opened and computed.
struct SurveySettings {
    AnalysisRequest Request;  // mode, band, trace, velocity or thickness, beta, trend removal
    ReportSettings Report;
    int ChannelMode = kBothChannels;
    SourceOptions Options;
    SurveyValue Value = SurveyValue::Frequency;
    unsigned Threads = 2;  // workers, each with a profile and buffers of its own
};

// Told after positions complete (done of total), on the calling thread only; returning
// false cancels the survey.
using SurveyProgress = std::function<bool(std::size_t done, std::size_t total)>;

// The value of every position. None for the whole survey when a position's files are
// refused (that refusal reported, the first in position order) or when progress cancels;
// a position without a listed maximum has no value. Messages of the computation itself
// (a band a position cannot show) are reported once, not once per position.
// With peaks given, each position's dominant frequency and listed maxima go there too,
// for its condition class (none without a listed maximum).
std::optional<std::vector<std::optional<double>>> RunSurvey(
    const SurveySettings& settings, const std::vector<GridPosition>& positions,
    const SurveyProgress& progress, std::vector<std::optional<PositionPeaks>>* peaks = nullptr);

// The survey settings of the main form as it stands (its controls read first), with the
// reading options (interval, first samples) of the document's last open until the caller
// sets the survey's own.
SurveySettings FormSurveySettings(FormSession& session, int channelMode, SurveyValue value);

// Opens the line of row (its positions in column order, each position's files its hits)
// as the main form's profile, read with the survey's channels and options, and shows the
// point of column: the user's explicit request.
// False when the load was refused (reported) or the positions of the row have different
// numbers of files (error 7).
bool OpenSurveyRow(FormSession& session, const std::vector<GridPosition>& positions,
                   const std::string& row, std::uint32_t column, int channelMode,
                   const SourceOptions& options);

}  // namespace karvelo
