#include "report/survey_classes.h"

#include <ostream>

#include "common/number_format.h"
#include "common/text_file.h"
#include "report/report_table.h"

namespace karvelo {

std::vector<std::optional<ConditionClass>> ClassifyGrid(const SurveyGrid& grid,
                                                        const ConditionDesign& design) {
    std::vector<std::optional<ConditionClass>> classes(grid.Cells.size());
    for (std::size_t i = 0; i < grid.Cells.size(); ++i) {
        if (grid.Cells[i].Peaks) {
            classes[i] = ClassifyPosition(*grid.Cells[i].Peaks, design);
        }
    }
    return classes;
}

bool WriteSurveyClassCsv(const std::string& path, const SurveyGrid& grid,
                         const std::vector<std::optional<ConditionClass>>& classes) {
    return WriteTextFile(path, [&grid, &classes](std::ostream& out) {
        out << CsvRecord({"row", "column", "value", "f_hz", "class"});
        for (std::size_t r = 0; r < grid.Rows.size(); ++r) {
            for (std::size_t c = 0; c < grid.Columns.size(); ++c) {
                const std::size_t index = r * grid.Columns.size() + c;
                const SurveyCell& cell = grid.Cells[index];
                if (!cell.Position) {
                    continue;
                }
                std::string word;
                if (index < classes.size() && classes[index]) {
                    word = ConditionKey(*classes[index]);
                }
                out << CsvRecord({grid.Rows[r], std::to_string(grid.Columns[c]),
                                  cell.Present ? FormatDefault(cell.Value) : std::string(),
                                  cell.Peaks ? FormatDefault(cell.Peaks->Dominant) : std::string(),
                                  word});
            }
        }
    });
}

}  // namespace karvelo
