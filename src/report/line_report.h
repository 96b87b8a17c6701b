// A report of a line as it is handed over: the rows, checked along the line and against
// the design, with everything the summary and the method block say about them.
#pragma once

#include <vector>

#include "report/line_checks.h"
#include "report/object_info.h"
#include "report/point_report.h"
#include "report/report_summary.h"
#include "report/report_table.h"

namespace karvelo {

struct LineReport {
    std::vector<PointReport> Rows;  // marked by MarkLine
    ReportSettings Settings;
    LineChecks Checks;
    VelocityOrigin Origin;
    ObjectInfo Object;
    Language TextLanguage = Language::Russian;  // of its words: headers, summary, PDF

    ReportQuantity Quantity() const { return QuantityOf(Settings); }
    // The table's form: a design column when a design thickness is checked; words in
    // TextLanguage.
    ReportTableForm TableForm(bool words) const;
    ReportSummary Summary() const { return Summarise(Rows, Quantity()); }
    // The summary's words (of summary, which must outlive the context) in TextLanguage.
    SummaryContext Context(const ReportSummary& summary) const {
        return {summary, Settings, Origin, Checks, TextLanguage};
    }
};

// The report of rows under settings, checked as checks ask; the velocity's origin is
// the one the settings tell.
LineReport MakeLineReport(std::vector<PointReport> rows, const ReportSettings& settings,
                          const LineChecks& checks);

}  // namespace karvelo
