// The condition classes of a survey grid: one per position with a spectrum, and the
// table of positions as CSV.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "report/condition_class.h"
#include "report/survey_grid.h"

namespace karvelo {

// The class of every cell, row-major as grid.Cells: none where no position lies or its
// spectrum listed no maximum (cells laid out without peaks have none either).
std::vector<std::optional<ConditionClass>> ClassifyGrid(const SurveyGrid& grid,
                                                        const ConditionDesign& design);

// A record per position in row and column order: "row,column,value,f_hz,class" with the
// cell's value, its refined dominant frequency and its class word (good, fair, poor,
// serious), empty where it has none. False when the file could not be written.
bool WriteSurveyClassCsv(const std::string& path, const SurveyGrid& grid,
                         const std::vector<std::optional<ConditionClass>>& classes);

}  // namespace karvelo
