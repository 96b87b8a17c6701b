// The survey of a grid of measuring points: each point's position from its files' names,
// its dominant frequency (and thickness), and the grid as rows and columns.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "common/language.h"
#include "report/condition_class.h"

namespace karvelo {

// A row label, a separator and a column number at the start of the name: "B-02.txt",
// "R-58.txt", "C_7 hit2.txt". With this pattern, names that start with x and y
// coordinates are read as such first: "x10y08--00001.txt" is column 10 of row "y08".
inline constexpr const char* kDefaultGridNamePattern = "^([A-Za-z]+)[-_ ]?0*([0-9]+)";
// The x and y coordinates of the default: the row label ("y08", in a look-ahead, so that
// it is group 1 although it follows the column) and the column number (x).
inline constexpr const char* kCoordinateGridNamePattern =
    "^(?=[xX]0*[0-9]+[-_ ]?([yY][0-9]+))[xX]0*([0-9]+)";

// The files of one position, its hits in natural name order.
struct GridPosition {
    std::string Row;
    std::uint32_t Column = 0;
    std::vector<std::string> Files;
};

struct GridGrouping {
    std::vector<GridPosition> Positions;  // by row (natural order), then column
    std::string Refusal;                  // "NAME: reason" when a name does not fit
};

// Groups paths by the position their file names give through pattern (ECMAScript, group
// 1 the row label, group 2 the column number, searched in the name without its folder).
// A name the pattern does not match, or whose column is not a number, refuses the whole
// grouping. With the default pattern a name matching the coordinate pattern is read by it. The
// pattern must be valid and have two groups (checked by the caller).
GridGrouping GroupByPosition(const std::vector<std::string>& paths, const std::string& pattern);

// Whether pattern is a valid expression with at least two groups.
bool IsGridNamePattern(const std::string& pattern);

// The value of every position, laid out in rows (natural order of the labels) and
// columns (ascending numbers); a position without a value is an empty cell. With peaks,
// each position's cell keeps its dominant frequency and listed maxima.
struct SurveyCell {
    bool Present = false;
    double Value = 0.0;
    bool Position = false;  // a position of the grid lies here, with or without a value
    std::optional<PositionPeaks> Peaks;
};
struct SurveyGrid {
    std::vector<std::string> Rows;
    std::vector<std::uint32_t> Columns;
    std::vector<SurveyCell> Cells;  // Rows.size() x Columns.size(), row-major
    const SurveyCell& At(std::size_t row, std::size_t column) const {
        return Cells[row * Columns.size() + column];
    }
};
SurveyGrid LayOutGrid(const std::vector<GridPosition>& positions,
                      const std::vector<std::optional<double>>& values,
                      const std::vector<std::optional<PositionPeaks>>* peaks = nullptr);

// What a survey's values are, with their unit, as the map's legend names it: the
// thickness in m (a velocity given), the velocity in m/s (a thickness given) or the
// dominant frequency in Hz.
std::string SurveyValueCaption(bool derived, bool thicknessGiven,
                               Language language = Language::Russian);

// The grid as CSV: a header "row" and the column numbers, then a record per row with
// its label and the values (empty cells empty). False when it could not be written.
bool WriteSurveyCsv(const std::string& path, const SurveyGrid& grid);

}  // namespace karvelo
