// The per-point report as a table: its columns, the cells of a row, the CSV file.
#pragma once

#include <string>
#include <vector>

#include "common/language.h"
#include "report/point_report.h"
#include "report/report_quantity.h"

namespace karvelo {

// Which table: the quantity decides the result columns (thickness in mm, velocity in
// m/s, or the refined frequency's +- alone), a checked design adds the mark column, a
// velocity measured at two sensors its two columns (the point's median of its hits and
// their range, largest minus smallest, in m/s).
// Headers and marks are machine names with units ("thickness_mm", "within"), or the
// interface's words in TextLanguage ("Толщина по уточнённой частоте, мм", "в допуске";
// "Thickness by refined frequency, mm", "within tolerance").
struct ReportTableForm {
    ReportQuantity Quantity = ReportQuantity::Thickness;
    bool Design = false;
    bool Words = false;
    Language TextLanguage = Language::Russian;
    bool Velocity = false;  // the velocity from the arrivals and its spread
};

std::vector<std::string> ReportColumns(const ReportTableForm& form);

// The cells of a row in the column order, at the precision they carry (thickness in mm
// to 0.1, velocity and frequencies in whole units, amplitude to 0.001, quality to 0.1);
// a value that does not exist is `missing`. The flags are "outlier-line" for a point
// off its neighbours, then the flagged hits ("3:weak,outlier"); in words "выброс по
// линии; удар 3: слабый, выброс".
std::vector<std::string> ReportCells(const PointReport& row, const ReportTableForm& form,
                                     const std::string& missing);

// One CSV record (RFC 4180): cells holding a comma, a quote or a line end are quoted,
// quotes doubled; lines end with CRLF.
std::string CsvRecord(const std::vector<std::string>& cells);

// Writes the header of machine names and the rows as CSV to path; false when the file
// could not be written (the old file is then kept).
bool WriteReportCsv(const std::string& path, const std::vector<PointReport>& rows,
                    ReportTableForm form);

}  // namespace karvelo
