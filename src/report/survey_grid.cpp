#include "report/survey_grid.h"

#include <algorithm>
#include <charconv>
#include <map>
#include <ostream>
#include <regex>

#include "common/natural_order.h"
#include "common/number_format.h"
#include "common/text_file.h"
#include "report/report_table.h"

namespace karvelo {

namespace {

std::string NameOf(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

struct PositionKey {
    std::string Row;
    std::uint32_t Column = 0;
    bool operator<(const PositionKey& other) const {
        if (Row != other.Row) {
            return NaturalLess(Row, other.Row);
        }
        return Column < other.Column;
    }
};

}  // namespace

bool IsGridNamePattern(const std::string& pattern) {
    try {
        return std::regex(pattern).mark_count() >= 2;
    } catch (const std::regex_error&) {
        return false;
    }
}

GridGrouping GroupByPosition(const std::vector<std::string>& paths, const std::string& pattern) {
    GridGrouping grouping;
    const std::regex expression(pattern);
    const bool byDefault = pattern == kDefaultGridNamePattern;
    const std::regex coordinates(kCoordinateGridNamePattern);
    std::map<PositionKey, std::vector<std::string>> files;
    for (const std::string& path : paths) {
        const std::string name = NameOf(path);
        std::smatch match;
        if (!(byDefault && std::regex_search(name, match, coordinates)) &&
            !std::regex_search(name, match, expression)) {
            grouping.Refusal = name + ": the name gives no grid position (pattern " + pattern + ")";
            return grouping;
        }
        const std::string column = match[2].str();
        std::uint32_t number = 0;
        const auto [end, error] =
            std::from_chars(column.data(), column.data() + column.size(), number);
        if (column.empty() || error != std::errc() || end != column.data() + column.size()) {
            grouping.Refusal = name + ": the column '" + column + "' is not a whole number";
            return grouping;
        }
        files[{match[1].str(), number}].push_back(path);
    }
    for (auto& [key, hits] : files) {
        std::sort(hits.begin(), hits.end(), [](const std::string& a, const std::string& b) {
            return NaturalLess(NameOf(a), NameOf(b));
        });
        grouping.Positions.push_back({key.Row, key.Column, std::move(hits)});
    }
    return grouping;
}

SurveyGrid LayOutGrid(const std::vector<GridPosition>& positions,
                      const std::vector<std::optional<double>>& values,
                      const std::vector<std::optional<PositionPeaks>>* peaks) {
    SurveyGrid grid;
    for (const GridPosition& position : positions) {
        if (std::find(grid.Rows.begin(), grid.Rows.end(), position.Row) == grid.Rows.end()) {
            grid.Rows.push_back(position.Row);
        }
        grid.Columns.push_back(position.Column);
    }
    std::sort(grid.Rows.begin(), grid.Rows.end(),
              [](const std::string& a, const std::string& b) { return NaturalLess(a, b); });
    std::sort(grid.Columns.begin(), grid.Columns.end());
    grid.Columns.erase(std::unique(grid.Columns.begin(), grid.Columns.end()), grid.Columns.end());
    grid.Cells.resize(grid.Rows.size() * grid.Columns.size());
    for (std::size_t i = 0; i < positions.size() && i < values.size(); ++i) {
        const auto row = std::find(grid.Rows.begin(), grid.Rows.end(), positions[i].Row);
        const auto column =
            std::lower_bound(grid.Columns.begin(), grid.Columns.end(), positions[i].Column);
        const auto index = static_cast<std::size_t>(row - grid.Rows.begin()) * grid.Columns.size() +
                           static_cast<std::size_t>(column - grid.Columns.begin());
        SurveyCell& cell = grid.Cells[index];
        cell.Position = true;
        if (values[i]) {
            cell.Present = true;
            cell.Value = *values[i];
        }
        if (peaks != nullptr && i < peaks->size()) {
            cell.Peaks = (*peaks)[i];
        }
    }
    return grid;
}

std::string SurveyValueCaption(bool derived, bool thicknessGiven, Language language) {
    if (!derived) {
        return InLanguage(language, "Частота, Гц", "Frequency, Hz");
    }
    return thicknessGiven ? InLanguage(language, "Скорость, м/с", "Velocity, m/s")
                          : InLanguage(language, "Толщина, м", "Thickness, m");
}

bool WriteSurveyCsv(const std::string& path, const SurveyGrid& grid) {
    return WriteTextFile(path, [&grid](std::ostream& out) {
        std::vector<std::string> header{"row"};
        for (const std::uint32_t column : grid.Columns) {
            header.push_back(std::to_string(column));
        }
        out << CsvRecord(header);
        for (std::size_t r = 0; r < grid.Rows.size(); ++r) {
            std::vector<std::string> record{grid.Rows[r]};
            for (std::size_t c = 0; c < grid.Columns.size(); ++c) {
                const SurveyCell& cell = grid.At(r, c);
                record.push_back(cell.Present ? FormatDefault(cell.Value) : "");
            }
            out << CsvRecord(record);
        }
    });
}

}  // namespace karvelo
