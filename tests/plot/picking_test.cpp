// Picks set with the mouse on the profile-spectrum map: snapping, the store and the marks.
#include "plot/picking.h"

#include <gtest/gtest.h>

#include "plot/click_regions.h"
#include "plot/pick_store.h"
#include "plot_test_support.h"

namespace karvelo {
namespace {

class PickingTest : public testing::PlotTest {
  protected:
    void SetUp() override {
        PlotTest::SetUp();
        PointCount = 10;  // point columns 325, 414, 503, 592, 681, 770, 859, 948, 1037, 1126
        SetUpPickRegion();
        PaintBlack(325, 370, 1125, 620);  // stands in for the map, so white marks show
    }

    // A left press in the profile-spectrum mode.
    void Press(int x, int y) {
        SetPickRegionActive(true);
        DispatchLeftPress(x, y, surface);
    }

    // The 3 x 3 pixels around (x, y) are white.
    bool Marked(int x, int y) const { return PaintedIn(x - 1, y - 1, x + 1, y + 1) == 0; }

    static std::vector<Pick> Line(std::uint32_t r) {
        const PickLine& line = PickLines[r];
        return {line.Picks.begin(), line.Picks.begin() + line.PointCount};
    }
};

TEST_F(PickingTest, PressIsSnappedToThePointColumnAndMarked) {
    Press(700, 400);
    EXPECT_EQ(PickLineCount, 1U);
    EXPECT_FALSE(PickLineClosed);
    EXPECT_EQ(Line(0), (std::vector<Pick>{{681, 400}}));
    EXPECT_TRUE(Marked(681, 400));
    EXPECT_TRUE(IsBlack(679, 400));
    EXPECT_TRUE(IsBlack(681, 402));
    EXPECT_TRUE(IsBlack(700, 400));
    EXPECT_EQ(surface.CurrentPosition(), (PixelPosition{681, 400}));
}

TEST_F(PickingTest, NextPressContinuesTheLineWithAWhiteStrokeAndRestoresTheBlackPen) {
    Press(700, 400);
    Press(860, 500);
    EXPECT_EQ(Line(0), (std::vector<Pick>{{681, 400}, {859, 500}}));
    EXPECT_TRUE(Marked(859, 500));
    // The stroke from (681, 400) to (859, 500) passes (770, 450).
    EXPECT_TRUE(IsWhite(770, 450));
    EXPECT_EQ(surface.SelectedPen(), Pen::Black);
    surface.MoveTo(400, 600);
    surface.LineTo(410, 600);
    EXPECT_TRUE(IsBlack(405, 600) && IsBlack(409, 600));
}

TEST_F(PickingTest, StrokeStartsFromThePreviousPickWhateverWasDrawnMeanwhile) {
    Press(700, 400);
    surface.MoveTo(0, 0);
    Press(700, 500);
    EXPECT_EQ(PaintedIn(681, 399, 681, 501), 0);
}

TEST_F(PickingTest, ClosedLineMakesTheNextPickStartANewLine) {
    Press(400, 400);
    Press(500, 420);
    PickOk();
    Press(600, 600);
    EXPECT_EQ(PickLineCount, 2U);
    EXPECT_FALSE(PickLineClosed);
    EXPECT_EQ(Line(1), (std::vector<Pick>{{592, 600}}));
    // No stroke joins the two lines.
    EXPECT_TRUE(IsBlack(550, 510));
}

TEST_F(PickingTest, PressesOutsideTheFrameOrWhileInactiveAddNothing) {
    for (const auto& [x, y] :
         {std::pair{324, 400}, std::pair{1126, 400}, std::pair{700, 369}, std::pair{700, 621}}) {
        Press(x, y);
    }
    EXPECT_EQ(PickLineCount, 0U);

    SetPickRegionActive(false);
    DispatchLeftPress(700, 400, surface);
    EXPECT_EQ(PickLineCount, 0U);

    Press(325, 370);
    Press(1125, 620);
    EXPECT_EQ(Line(0), (std::vector<Pick>{{325, 370}, {1126, 620}}));
}

TEST_F(PickingTest, RightPressDeactivatesThePickRegion) {
    SetPickRegionActive(true);
    DispatchRightPress(700, 400, surface);
    DispatchLeftPress(700, 400, surface);
    EXPECT_EQ(PickLineCount, 0U);
    EXPECT_EQ(PaintedIn(325, 370, 1125, 620), 801 * 251);
}

TEST_F(PickingTest, PickBeyondTheStoreIsIgnoredAndNotMarked) {
    for (std::uint32_t r = 0; r < kMaxPickLines; ++r) {
        Press(400, 400);
        PickOk();
    }
    ASSERT_EQ(PickLineCount, kMaxPickLines);
    Press(700, 600);
    EXPECT_EQ(PickLineCount, kMaxPickLines);
    EXPECT_TRUE(PickLineClosed);
    EXPECT_TRUE(IsBlack(681, 600));

    DeletePicks();
    for (std::size_t k = 0; k < kMaxPicksPerLine; ++k) {
        ASSERT_EQ(StorePick(681, 400), k == 0 ? PickJoin::StartedLine : PickJoin::ContinuedLine);
    }
    Press(700, 600);
    EXPECT_EQ(PickLines[0].PointCount, kMaxPicksPerLine);
    EXPECT_EQ(PickLineCount, 1U);
    EXPECT_TRUE(IsBlack(681, 600));
}

TEST_F(PickingTest, DeleteEmptiesTheStoreButKeepsTheFile) {
    PickFilePath = "/tmp/picks.txt";
    Press(700, 400);
    PickOk();
    DeletePicks();
    EXPECT_EQ(PickLineCount, 0U);
    EXPECT_FALSE(PickLineClosed);
    EXPECT_FALSE(PicksReadyToSave());
    EXPECT_EQ(PickFilePath, "/tmp/picks.txt");
}

TEST_F(PickingTest, FewerThanTwoPointsSnapOnlyToTheLeftEdge) {
    PointCount = 1;
    Press(325, 400);
    Press(700, 400);
    EXPECT_EQ(Line(0), (std::vector<Pick>{{325, 400}, {700, 400}}));
}

}  // namespace
}  // namespace karvelo
