// The PDF report of a line: a title block, the profile-spectrum map and the curve as the
// program draws them, the per-point table, the pick lines and the quality values. A4,
// vector text, page numbers. QtGui only, for the desktop program and karvelo-cli.
#pragma once

#include <QImage>
#include <string>
#include <utility>
#include <vector>

#include "report/point_report.h"

namespace karvelo {

struct PdfReport {
    std::vector<std::pair<std::string, std::string>> Title;  // name, value
    QImage Map;    // the profile-spectrum panel with its colour bar
    QImage Curve;  // the thickness (or frequency) along the line
    std::vector<PointReport> Rows;
    bool ThicknessGiven = false;
    std::vector<std::string> PickLines;     // as the pick file holds them
    std::vector<std::string> QualityLines;  // as the quality file holds them
};

// Writes the report to path (under a temporary name, renamed when complete); false when
// it could not be written, the old file then kept.
bool WriteReportPdf(const std::string& path, const PdfReport& report);

class FormSession;

// The report of the form's line: rows as FormSession::ProfileReport gave them, the map of
// the form's band and contrast, the curve, the title, the picks and the quality values.
// Needs a running Qt application for the labels.
PdfReport ComposeReport(FormSession& session, const std::vector<PointReport>& rows);

}  // namespace karvelo
