// The survey map's cells: at their column numbers with a gap for a missing one, to the
// scale of the spacing, fitted into a window, and found again under a pixel.
#include <gtest/gtest.h>

#include "plot/survey_geometry.h"

namespace karvelo {
namespace {

TEST(SurveyGeometry, CellsStandAtTheirNumbersToScaleAndAreFoundAgain) {
    // Rows A, B; columns 1, 2 and 4 (no file gave column 3).
    SurveyGrid grid;
    grid.Rows = {"A", "B"};
    grid.Columns = {1, 2, 4};
    grid.Cells.resize(6);
    struct Case {
        std::optional<SurveySpacing> spacing;
        int fitWidth, fitHeight;
        double columnStep, rowStep;
    };
    const Case cases[] = {
        {std::nullopt, 0, 0, 44.0, 26.0},              // the program's cells
        {SurveySpacing{0.5, 0.25}, 0, 0, 22.0, 44.0},  // rows twice as far apart
        // Fitted: 400 - 60 - 100 = 240 pixels for 4 column numbers, 300 - 40 - 40 = 220
        // for 2 rows; to scale the rows decide (110 a row, so 55 a number).
        {SurveySpacing{0.5, 0.25}, 400, 300, 55.0, 110.0},
        {std::nullopt, 400, 300, 60.0, 110.0},  // without a spacing each way fills
        {std::nullopt, 100, 80, 12.0, 12.0},    // never below the smallest cell
        {SurveySpacing{0.5, 0.25}, 100, 80, 12.0, 24.0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.fitWidth << " x " << c.fitHeight);
        const SurveyGeometry g = LayOutSurveyMap(grid, c.spacing, c.fitWidth, c.fitHeight, 100, 40);
        EXPECT_NEAR(g.ColumnStep, c.columnStep, 1e-9);
        EXPECT_NEAR(g.RowStep, c.rowStep, 1e-9);
        EXPECT_EQ(g.ColumnSlots, 4u);
        // Column 4 stands one step right of the gap; the gap holds no cell.
        EXPECT_EQ(g.ColumnLeft(4) - g.ColumnLeft(2), 2 * g.CellWidth());
        const int gapX = g.ColumnLeft(3) + g.CellWidth() / 2;
        EXPECT_FALSE(SurveyCellAt(grid, g, gapX, g.RowTop(0) + 1));
        for (std::size_t r = 0; r < grid.Rows.size(); ++r) {
            for (std::size_t k = 0; k < grid.Columns.size(); ++k) {
                const auto cell = SurveyCellAt(grid, g, g.ColumnLeft(grid.Columns[k]) + 1,
                                               g.RowTop(r) + g.CellHeight() - 1);
                ASSERT_TRUE(cell);
                EXPECT_EQ(cell->Row, r);
                EXPECT_EQ(cell->Column, k);
            }
        }
        EXPECT_FALSE(SurveyCellAt(grid, g, g.Right(), g.Top));
        EXPECT_FALSE(SurveyCellAt(grid, g, g.Left, g.Bottom()));
    }
}

}  // namespace
}  // namespace karvelo
