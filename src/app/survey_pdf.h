// The survey map as a PDF page: a title, what the map shows and from which files, and
// the map with its legend drawn at a size whose labels stand at 8 pt or more. QtGui
// only, for the desktop program and karvelo-cli.
#pragma once

#include <QImage>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "plot/survey_map.h"

namespace karvelo {

struct SurveyPage {
    std::vector<std::pair<std::string, std::string>> Lines;  // name, value
    QImage Map;
    Language TextLanguage = Language::Russian;  // of the title and the names
};

// The page of grid's map in style (spacing when known) from files. Needs a running Qt
// application for the labels.
SurveyPage ComposeSurveyPage(const SurveyGrid& grid, const SurveyMapStyle& style,
                             const std::optional<SurveySpacing>& spacing,
                             const std::vector<std::string>& files);

// Writes the page as a landscape A4 PDF to path (atomically); false when it could not be
// written, the old file then kept.
bool WriteSurveyPdf(const std::string& path, const SurveyPage& page);

}  // namespace karvelo
