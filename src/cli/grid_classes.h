// The condition classes of karvelo-cli grid: the design and thresholds from the options,
// the table of shares and the class map beside the value map.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "cli/cli_options.h"
#include "plot/survey_geometry.h"
#include "report/condition_class.h"
#include "report/survey_grid.h"

namespace karvelo::cli {

void AddGridClassOptionSpecs(std::vector<OptionSpec>& specs);

// With --classes: the design (--design-thickness MM, --velocity V, beta) and the
// thresholds (--class-near, --class-fair LOW,HIGH, --class-poor, --second-peak); none
// without it. Throws UsageError for a missing or bad value, or a class option without
// --classes.
std::optional<ConditionDesign> ReadConditionDesign(const CliOptions& options, double beta);

// "f_t_hz F", then "class count share" and a line per class, and the positions without
// a class.
void PrintConditionTable(const SurveyGrid& grid,
                         const std::vector<std::optional<ConditionClass>>& classes,
                         const ConditionDesign& design);

// The class map's file beside the value map's: "c.png" gives "c-classes.png".
std::string ConditionPngPath(const std::string& valuePng);

// Draws the class map and writes it as PNG; false (said on standard output) when it could
// not be written.
bool WriteConditionPng(const std::string& path, const SurveyGrid& grid,
                       const std::vector<std::optional<ConditionClass>>& classes,
                       const ConditionDesign& design, const std::optional<SurveySpacing>& spacing);

}  // namespace karvelo::cli
