#include "report/line_report.h"

#include <utility>

#include "report/measured_velocity.h"

namespace karvelo {

ReportTableForm LineReport::TableForm(bool words) const {
    const ReportQuantity quantity = Quantity();
    return {quantity, Checks.Design.has_value() && quantity == ReportQuantity::Thickness, words,
            TextLanguage, Settings.ArrivalVelocity != ArrivalVelocityUse::Off};
}

LineReport MakeLineReport(std::vector<PointReport> rows, const ReportSettings& settings,
                          const LineChecks& checks) {
    LineReport report;
    report.Rows = std::move(rows);
    report.Settings = settings;
    report.Checks = checks;
    report.Origin = OriginOf(settings);
    report.Origin.ArrivalMedian = LineVelocityOf(report.Rows);
    UseMeasuredVelocity(report.Rows, settings, report.Origin.ArrivalMedian);
    MarkLine(report.Rows, report.Quantity(), checks);
    return report;
}

}  // namespace karvelo
