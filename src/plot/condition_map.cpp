#include "plot/condition_map.h"

#include <algorithm>
#include <string>

#include "common/number_format.h"
#include "plot/survey_map.h"
#include "report/report_numbers.h"

namespace karvelo {

namespace {

constexpr int kLegendGap = 40;  // from the last column to the legend
constexpr int kSwatchWidth = 20;
constexpr int kSwatchHeight = 14;
constexpr int kLineHeight = 16;
constexpr int kClassHeight = 2 * kLineHeight + 8;  // a class's two lines and the gap after
constexpr int kTextInset = 6;
constexpr int kLegendLines = 2 + 2 * static_cast<int>(kConditionClasses) + 2;

}  // namespace

Colour ConditionColour(ConditionClass condition) {
    switch (condition) {
        case ConditionClass::Good:
            return Rgb(0, 170, 0);
        case ConditionClass::Fair:
            return Rgb(250, 220, 0);
        case ConditionClass::Poor:
            return Rgb(255, 130, 0);
        default:
            return Rgb(210, 0, 0);
    }
}

int ConditionMapWidth(const SurveyGeometry& geometry) {
    return std::max(Surface::kMinWidth, geometry.Right() + kConditionLegendRoom);
}

int ConditionMapHeight(const SurveyGeometry& geometry) {
    const int legend = geometry.Top + kLegendLines * kLineHeight +
                       static_cast<int>(kConditionClasses) * (kClassHeight - 2 * kLineHeight);
    return std::max({Surface::kMinHeight, SurveyMapHeight(geometry), legend + kSurveyTop});
}

void DrawConditionMap(Surface& surface, const SurveyGrid& grid,
                      const std::vector<std::optional<ConditionClass>>& classes,
                      const ConditionDesign& design, const SurveyGeometry& geometry,
                      Language language) {
    DrawSurveyCells(surface, grid, geometry, language, [&](std::size_t index) {
        return index < classes.size() && classes[index]
                   ? std::optional(ConditionColour(*classes[index]))
                   : std::nullopt;
    });

    // The legend: what f_T is, then per class its colour, name, count and share, and rule.
    const int left = geometry.Right() + kLegendGap;
    int y = geometry.Top - kLineHeight;
    surface.TextOut(left, y, InLanguage(language, "Состояние плиты", "Plate condition"));
    y += kLineHeight;
    surface.TextOut(
        left, y,
        "f_T = β·Cp/(2T) = " + FormatFixed(design.ThicknessFrequency(), 0) +
            InLanguage(language, " Гц (T ", " Hz (T ") + FormatDefault(design.Thickness * 1000.0) +
            InLanguage(language, " мм, Cp ", " mm, Cp ") + FormatDefault(design.Velocity) +
            InLanguage(language, " м/с, β ", " m/s, β ") + FormatDefault(design.Beta) + ")");
    y += kLineHeight + kTextInset;
    const ConditionCounts counts = CountConditions(classes);
    for (const ConditionClass condition : kAllConditions) {
        FillSurfaceRect(surface, left, y, kSwatchWidth, kSwatchHeight, ConditionColour(condition));
        const std::size_t count = counts.Count[static_cast<std::size_t>(condition)];
        surface.TextOut(left + kSwatchWidth + kTextInset, y,
                        std::string(ConditionName(condition, language)) + ": " +
                            std::to_string(count) + " (" +
                            FormatFixed(counts.Share(condition) * 100.0, 1) + " %)");
        surface.TextOut(left + kSwatchWidth + kTextInset, y + kLineHeight,
                        ConditionRule(condition, design.Thresholds, language));
        y += kClassHeight;
    }
    std::size_t positions = 0;
    for (const SurveyCell& cell : grid.Cells) {
        positions += cell.Position ? 1 : 0;
    }
    FillSurfaceRect(surface, left, y, kSwatchWidth, kSwatchHeight, kWhite);
    surface.TextOut(left + kSwatchWidth + kTextInset, y,
                    InLanguage(language, "без результата: ", "no result: ") +
                        std::to_string(positions - counts.Classified));
}

}  // namespace karvelo
