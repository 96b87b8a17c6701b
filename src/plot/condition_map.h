// The condition map of a survey grid: each position's cell in its class's colour (green
// good, yellow fair, orange poor, red serious, white where it has no class), and a legend
// with f_T, each class's rule and its count and share of the positions.
#pragma once

#include <optional>
#include <vector>

#include "plot/colour.h"
#include "plot/surface.h"
#include "plot/survey_geometry.h"
#include "report/condition_class.h"
#include "report/survey_grid.h"

namespace karvelo {

// Pixels the legend needs right of the last column.
inline constexpr int kConditionLegendRoom = 430;

Colour ConditionColour(ConditionClass condition);

// Width and height of the surface that holds the condition map of geometry.
int ConditionMapWidth(const SurveyGeometry& geometry);
int ConditionMapHeight(const SurveyGeometry& geometry);

// Draws the map of classes (one per cell of grid, as ClassifyGrid gives them) onto a
// white surface, with its legend for design.
void DrawConditionMap(Surface& surface, const SurveyGrid& grid,
                      const std::vector<std::optional<ConditionClass>>& classes,
                      const ConditionDesign& design, const SurveyGeometry& geometry,
                      Language language);

}  // namespace karvelo
