// The PDF report of a line, for the engineer who signs it: a first page with the object,
// the method and the summary with its verdict; a page with the profile-spectrum map (its
// colour bar with values) and the curve; the table over as many pages as the points
// need, its header on each; the pick lines and the quality values. A4, vector text of
// 8 pt and more, page numbers. QtGui only, for the desktop program and karvelo-cli.
#pragma once

#include <QImage>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "report/line_report.h"

namespace karvelo {

using NamedValues = std::vector<std::pair<std::string, std::string>>;

// The profile-spectrum map: its plot area's pixels and what the edges stand for.
struct PdfMap {
    QImage Pixels;            // point 0 on the left, the band's first frequency on top
    double FirstPoint = 0.0;  // at the left and right edges
    double LastPoint = 0.0;
    double FirstFrequency = 0.0;  // Hz at the top and bottom edges
    double LastFrequency = 0.0;
    double Top = 1.0;  // the value of the palette's last colour (the contrast)
};

struct PdfReport {
    NamedValues Object;  // label, value; empty values left out
    NamedValues Method;
    NamedValues Summary;
    std::string Verdict;
    std::optional<PdfMap> Map;
    QImage Curve;  // the value along the line
    std::vector<std::string> Columns;
    std::vector<std::vector<std::string>> Cells;
    std::vector<std::string> PickLines;         // as the pick file holds them
    std::vector<std::string> QualityLines;      // as the quality file holds them
    Language TextLanguage = Language::Russian;  // of the headings and captions
};

// Writes the report to path (under a temporary name, renamed when complete); false when
// it could not be written, the old file then kept.
bool WriteReportPdf(const std::string& path, const PdfReport& report);

class FormSession;

// The report of the form's line: the blocks and the table of report, the map of the
// form's band and contrast, the curve, the picks and the quality values. Needs a running
// Qt application for the labels.
PdfReport ComposeReport(FormSession& session, const LineReport& report);

}  // namespace karvelo
