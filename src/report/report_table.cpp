#include "report/report_table.h"

#include <ostream>

#include "common/number_format.h"
#include "common/text_file.h"

namespace karvelo {

std::vector<std::string> ReportColumns(bool thicknessGiven) {
    return {"point",       "frequency",   "amplitude",
            "derived",     "refined",     thicknessGiven ? "velocity" : "thickness",
            "uncertainty", "quality",     "hits",
            "hit_fmin",    "hit_fmedian", "hit_fmax",
            "flags"};
}

std::vector<std::string> ReportCells(const PointReport& row, const std::string& missing) {
    const auto number = [&missing](const std::optional<double>& value) {
        return value ? FormatDefault(*value) : missing;
    };
    std::vector<std::string> cells{std::to_string(row.Point)};
    if (row.HasPeak) {
        cells.push_back(std::to_string(row.Frequency));
        cells.push_back(FormatDefault(row.Amplitude));
        cells.push_back(row.Derived ? FormatDefault(*row.Derived) : missing);
        cells.push_back(FormatDefault(row.RefinedFrequency));
        cells.push_back(number(row.Result));
        cells.push_back(number(row.Uncertainty));
        cells.push_back(number(row.Quality));
    } else {
        cells.insert(cells.end(), 7, missing);
    }
    cells.push_back(std::to_string(row.HitsUsed));
    cells.push_back(row.Spread ? FormatDefault(row.Spread->Min) : missing);
    cells.push_back(row.Spread ? FormatDefault(row.Spread->Median) : missing);
    cells.push_back(row.Spread ? FormatDefault(row.Spread->Max) : missing);
    const std::string flags = FlagsText(row.Hits);
    cells.push_back(flags.empty() ? missing : flags);
    return cells;
}

std::string CsvRecord(const std::vector<std::string>& cells) {
    std::string line;
    for (std::size_t i = 0; i < cells.size(); ++i) {
        const std::string& cell = cells[i];
        if (i > 0) {
            line += ',';
        }
        if (cell.find_first_of(",\"\r\n") == std::string::npos) {
            line += cell;
            continue;
        }
        line += '"';
        for (const char c : cell) {
            line += c == '"' ? std::string("\"\"") : std::string(1, c);
        }
        line += '"';
    }
    return line + "\r\n";
}

bool WriteReportCsv(const std::string& path, const std::vector<PointReport>& rows,
                    bool thicknessGiven) {
    return WriteTextFile(path, [&](std::ostream& out) {
        out << CsvRecord(ReportColumns(thicknessGiven));
        for (const PointReport& row : rows) {
            out << CsvRecord(ReportCells(row, ""));
        }
    });
}

}  // namespace karvelo
