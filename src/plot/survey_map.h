// The survey map of a grid: a cell per position coloured with the spectrum palette over
// a value range, the rows and columns labelled, and a colour bar with its scale.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "plot/surface.h"
#include "plot/survey_geometry.h"
#include "report/survey_grid.h"

namespace karvelo {

struct SurveyMapStyle {
    double Low = 0.0;                           // value of the palette's first colour
    double High = 0.0;                          // value of its last
    bool Annotate = false;                      // write each cell's value into it
    std::string Caption;                        // what the values are, above the bar
    Language TextLanguage = Language::Russian;  // of the map's own captions
};

// A style whose palette spans the smallest to the largest value of the grid.
SurveyMapStyle DataRangeStyle(const SurveyGrid& grid, const std::string& caption);

// Width and height of the surface that holds the map of grid as geometry places it (at
// least the smallest surface).
int SurveyMapWidth(const SurveyGeometry& geometry);
int SurveyMapHeight(const SurveyGeometry& geometry);
// Pixels the map needs right of its last column (the bar and its labels) and below its
// last row (the distance axis).
inline constexpr int kSurveyRightRoom = 160;
inline constexpr int kSurveyBottomRoom = 40;

// The cells of grid where geometry puts them, with the row and column labels (and the
// distances with a spacing): a cell colourOf gives a colour (by its index in
// grid.Cells) is filled with it and carries noteOf's text when not empty; every cell is
// framed, a missing column number is a gap.
void DrawSurveyCells(Surface& surface, const SurveyGrid& grid, const SurveyGeometry& geometry,
                     Language language,
                     const std::function<std::optional<Colour>(std::size_t)>& colourOf,
                     const std::function<std::string(std::size_t)>& noteOf = {});

// A filled rectangle with a frame, as the cells are drawn (a legend's swatch).
void FillSurfaceRect(Surface& surface, int left, int top, int width, int height, Colour colour);

// Draws the map onto a white surface with its cells where geometry puts them; empty
// cells stay white inside their border, a missing column number is a gap. With a
// spacing, the columns' distances in metres run along the bottom and each row label
// carries its distance.
void DrawSurveyMap(Surface& surface, const SurveyGrid& grid, const SurveyMapStyle& style,
                   const SurveyGeometry& geometry);

}  // namespace karvelo
