#include "plot/survey_geometry.h"

#include <algorithm>
#include <cmath>

namespace karvelo {

int SurveyGeometry::ColumnLeft(std::uint32_t number) const {
    return Left + static_cast<int>(std::lround((number - FirstColumn) * ColumnStep));
}

int SurveyGeometry::RowTop(std::size_t row) const {
    return Top + static_cast<int>(std::lround(static_cast<double>(row) * RowStep));
}

int SurveyGeometry::CellWidth() const {
    return static_cast<int>(std::lround(ColumnStep));
}

int SurveyGeometry::CellHeight() const {
    return static_cast<int>(std::lround(RowStep));
}

int SurveyGeometry::Right() const {
    return Left + static_cast<int>(std::lround(ColumnSlots * ColumnStep));
}

int SurveyGeometry::Bottom() const {
    return Top + static_cast<int>(std::lround(static_cast<double>(Rows) * RowStep));
}

SurveyGeometry LayOutSurveyMap(const SurveyGrid& grid, const std::optional<SurveySpacing>& spacing,
                               int fitWidth, int fitHeight, int rightRoom, int bottomRoom) {
    SurveyGeometry geometry;
    geometry.Rows = grid.Rows.size();
    if (!grid.Columns.empty()) {
        geometry.FirstColumn = grid.Columns.front();
        geometry.ColumnSlots = grid.Columns.back() - grid.Columns.front() + 1;
    }
    if (spacing && spacing->Row > 0.0 && spacing->Column > 0.0) {
        geometry.Spacing = spacing;
        const double larger = std::max(spacing->Row, spacing->Column);
        geometry.ColumnStep = kSurveyCellWidth * spacing->Column / larger;
        geometry.RowStep = kSurveyCellWidth * spacing->Row / larger;
    }
    if (fitWidth > 0 && fitHeight > 0 && geometry.ColumnSlots > 0 && geometry.Rows > 0) {
        const double across = std::max(0, fitWidth - geometry.Left - rightRoom);
        const double down = std::max(0, fitHeight - geometry.Top - bottomRoom);
        const double columnStep = geometry.ColumnStep;
        const double rowStep = geometry.RowStep;
        const double least = kSurveyMinCell;
        double columnScale =
            std::max(across / (geometry.ColumnSlots * columnStep), least / columnStep);
        double rowScale =
            std::max(down / (static_cast<double>(geometry.Rows) * rowStep), least / rowStep);
        if (geometry.Spacing) {
            // To scale: the tighter way decides, the smaller step no less than the least.
            const double scale =
                std::max(std::min(across / (geometry.ColumnSlots * columnStep),
                                  down / (static_cast<double>(geometry.Rows) * rowStep)),
                         least / std::min(columnStep, rowStep));
            columnScale = scale;
            rowScale = scale;
        }
        geometry.ColumnStep = columnStep * columnScale;
        geometry.RowStep = rowStep * rowScale;
    }
    return geometry;
}

std::optional<SurveyCellIndex> SurveyCellAt(const SurveyGrid& grid, const SurveyGeometry& geometry,
                                            int x, int y) {
    if (x < geometry.Left || y < geometry.Top || x >= geometry.Right() || y >= geometry.Bottom()) {
        return std::nullopt;
    }
    const auto row = static_cast<std::size_t>((y - geometry.Top) / geometry.RowStep);
    const auto slot = static_cast<std::uint32_t>((x - geometry.Left) / geometry.ColumnStep);
    const auto column =
        std::lower_bound(grid.Columns.begin(), grid.Columns.end(), geometry.FirstColumn + slot);
    if (row >= grid.Rows.size() || column == grid.Columns.end() ||
        *column != geometry.FirstColumn + slot) {
        return std::nullopt;
    }
    return SurveyCellIndex{row, static_cast<std::size_t>(column - grid.Columns.begin())};
}

}  // namespace karvelo
