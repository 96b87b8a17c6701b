// Where the cells of a survey map stand: each column at its own number (a number no file
// gave leaves a gap), each row one step below the last, both to scale when the spacing
// of the grid is known, and the whole fitted into a given area when one is given.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>

#include "report/survey_grid.h"

namespace karvelo {

// Metres between two neighbouring rows and between two neighbouring column numbers.
struct SurveySpacing {
    double Row = 0.0;
    double Column = 0.0;
};

// Geometry of the program's map, in surface pixels.
inline constexpr int kSurveyCellWidth = 44;
inline constexpr int kSurveyCellHeight = 26;
inline constexpr int kSurveyLeft = 60;  // room for the row labels
inline constexpr int kSurveyTop = 40;   // room for the column labels
// Smallest cell side a fitted map keeps (below it the map scrolls).
inline constexpr int kSurveyMinCell = 12;

struct SurveyGeometry {
    int Left = kSurveyLeft;                // of the first column number's cell
    int Top = kSurveyTop;                  // of the first row's cell
    double ColumnStep = kSurveyCellWidth;  // pixels from one column number to the next
    double RowStep = kSurveyCellHeight;    // pixels from one row to the next
    std::uint32_t FirstColumn = 0;         // the smallest column number
    std::uint32_t ColumnSlots = 0;         // numbers from the smallest to the largest
    std::size_t Rows = 0;
    std::optional<SurveySpacing> Spacing;  // the axes are in metres when known

    // Cell of column number `number` and of row `row`: its left and top pixel, and its
    // size (the step, so neighbouring cells share their border).
    int ColumnLeft(std::uint32_t number) const;
    int RowTop(std::size_t row) const;
    int CellWidth() const;
    int CellHeight() const;
    // Right and bottom edge of the last slot.
    int Right() const;
    int Bottom() const;
};

// The geometry of grid's map. Without spacing every column number gets 44 pixels and
// every row 26; with it the steps keep the ratio of the spacings (the larger step 44
// pixels). When fitWidth and fitHeight are above 0 the steps are scaled so the map and
// its margins (rightRoom pixels to the right, bottomRoom below) fill that area, never
// below kSurveyMinCell.
SurveyGeometry LayOutSurveyMap(const SurveyGrid& grid, const std::optional<SurveySpacing>& spacing,
                               int fitWidth = 0, int fitHeight = 0, int rightRoom = 0,
                               int bottomRoom = 0);

// The cell under a surface pixel (row index, column index into grid.Columns), if any;
// none in a gap.
struct SurveyCellIndex {
    std::size_t Row = 0;
    std::size_t Column = 0;
};
std::optional<SurveyCellIndex> SurveyCellAt(const SurveyGrid& grid, const SurveyGeometry& geometry,
                                            int x, int y);

}  // namespace karvelo
