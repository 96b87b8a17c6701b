// The survey map of a grid: a cell per position coloured with the spectrum palette over
// a value range, the rows and columns labelled, and a colour bar with its scale.
#pragma once

#include <optional>
#include <string>

#include "plot/surface.h"
#include "report/survey_grid.h"

namespace karvelo {

struct SurveyMapStyle {
    double Low = 0.0;       // value of the palette's first colour
    double High = 0.0;      // value of its last
    bool Annotate = false;  // write each cell's value into it
    std::string Caption;    // what the values are, above the bar
};

// A style whose palette spans the smallest to the largest value of the grid.
SurveyMapStyle DataRangeStyle(const SurveyGrid& grid, const std::string& caption);

// Geometry of the map, in surface pixels.
inline constexpr int kSurveyCellWidth = 44;
inline constexpr int kSurveyCellHeight = 26;
inline constexpr int kSurveyLeft = 60;  // room for the row labels
inline constexpr int kSurveyTop = 40;   // room for the column labels

// Width and height of the surface that holds the map of grid (at least the smallest
// surface).
int SurveyMapWidth(const SurveyGrid& grid);
int SurveyMapHeight(const SurveyGrid& grid);

// Draws the map onto a white surface; empty cells stay white inside their border.
void DrawSurveyMap(Surface& surface, const SurveyGrid& grid, const SurveyMapStyle& style);

// The cell under a surface pixel (row, column), if any.
struct SurveyCellIndex {
    std::size_t Row = 0;
    std::size_t Column = 0;
};
std::optional<SurveyCellIndex> SurveyCellAt(const SurveyGrid& grid, int x, int y);

}  // namespace karvelo
