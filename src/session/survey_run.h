// Computing a survey grid through the form: each position's files loaded as a profile of
// one point (its files are its hits) and reported as the per-point report reports it.
#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <vector>

#include "report/survey_grid.h"
#include "session/form_session.h"

namespace karvelo {

// What a position's cell shows.
enum class SurveyValue {
    Frequency,  // the dominant refined frequency
    Result,     // the thickness (velocity given) or velocity (thickness given)
};

// Told after each position (done of total); returning false cancels the survey.
using SurveyProgress = std::function<bool(std::size_t done, std::size_t total)>;

// The value of every position with the form's mode, band, velocity or thickness, beta
// and trend removal (each load's own band reset is undone). None for the whole survey
// when a position's files are refused (the refusal has been reported) or when progress
// cancels; a position without a listed maximum has no value.
std::optional<std::vector<std::optional<double>>> RunSurvey(
    FormSession& session, const std::vector<GridPosition>& positions, int channelMode,
    SurveyValue value, const SurveyProgress& progress);

// Opens the line of row (its positions in column order, each position's files its hits)
// as the profile and shows the point of column. False when the load was refused (reported)
// or the positions of the row have different numbers of files (error 7).
bool OpenSurveyRow(FormSession& session, const std::vector<GridPosition>& positions,
                   const std::string& row, std::uint32_t column, int channelMode);

}  // namespace karvelo
