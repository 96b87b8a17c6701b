// The per-point report as a table: its columns, the cells of a row, the CSV file.
#pragma once

#include <string>
#include <vector>

#include "report/point_report.h"

namespace karvelo {

// Column names; the result column is "thickness", or "velocity" when a thickness is
// given. The first four are those of the plain report.
std::vector<std::string> ReportColumns(bool thicknessGiven);

// The cells of a row in the column order, numbers in the stream's default notation;
// a value that does not exist is `missing`.
std::vector<std::string> ReportCells(const PointReport& row, const std::string& missing);

// One CSV record (RFC 4180): cells holding a comma, a quote or a line end are quoted,
// quotes doubled; lines end with CRLF.
std::string CsvRecord(const std::vector<std::string>& cells);

// Writes the header and the rows as CSV to path; false when the file could not be
// written (the old file is then kept).
bool WriteReportCsv(const std::string& path, const std::vector<PointReport>& rows,
                    bool thicknessGiven);

}  // namespace karvelo
