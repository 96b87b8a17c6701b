// Picks set with the mouse on the profile-spectrum map (snapping, the store and the
// marks) and the pick file with the "Сохранить" action that writes it.
#include "plot/picking.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "analysis/analysis_buffers.h"
#include "fakes/preset_save_file_chooser.h"
#include "fakes/temp_file.h"
#include "plot/click_regions.h"
#include "plot/pick_export.h"
#include "plot/pick_save.h"
#include "plot/pick_store.h"
#include "plot/plot_panels.h"
#include "plot_test_support.h"

namespace karvelo {
namespace {

class PickingTest : public testing::PlotTest {
  protected:
    void SetUp() override {
        PlotTest::SetUp();
        SetUpPickRegion();
        PaintBlack(325, 370, 1125, 620);  // stands in for the map, so white marks show
    }

    // The map's points: columns 325, 414, 503, 592, 681, 770, 859, 948, 1037, 1126.
    static constexpr std::uint32_t kPoints = 10;

    // A left press in the profile-spectrum mode.
    void Press(int x, int y) {
        SetPickRegionActive(true);
        DispatchLeftPress(x, y, surface, kPoints, picks_);
    }

    // The 3 x 3 pixels around (x, y) are white.
    bool Marked(int x, int y) const { return PaintedIn(x - 1, y - 1, x + 1, y + 1) == 0; }

    std::vector<Pick> Line(std::uint32_t r) const {
        const PickLine& line = picks_.PickLines[r];
        return {line.Picks.begin(), line.Picks.begin() + line.PointCount};
    }
};

TEST_F(PickingTest, PressesAreSnappedMarkedAndJoinedByWhiteStrokesWithinALine) {
    Press(700, 400);
    EXPECT_TRUE(Marked(681, 400));
    EXPECT_EQ(PaintedIn(678, 397, 684, 403), 7 * 7 - 9);  // 3 x 3 pixels, no more
    surface.MoveTo(0, 0);  // whatever was drawn meanwhile, the stroke starts at the last pick
    Press(860, 500);
    EXPECT_EQ(Line(0), (std::vector<Pick>{{681, 400}, {859, 500}}));
    EXPECT_FALSE(picks_.PickLineClosed);
    EXPECT_TRUE(Marked(859, 500));
    EXPECT_TRUE(IsWhite(770, 450));                // on the stroke from (681, 400) to (859, 500)
    EXPECT_EQ(surface.SelectedPen(), Pen::Black);  // back for whatever is drawn next

    PickOk(picks_);
    Press(600, 600);
    EXPECT_EQ(picks_.PickLineCount, 2U);
    EXPECT_EQ(Line(1), (std::vector<Pick>{{592, 600}}));
    EXPECT_EQ(PaintedIn(700, 520, 750, 580), 51 * 61);  // no stroke joins the two lines
}

TEST_F(PickingTest, PressesOutsideTheFrameOrWhileInactiveAddNothing) {
    for (const auto& [x, y] :
         {std::pair{324, 400}, std::pair{1126, 400}, std::pair{700, 369}, std::pair{700, 621}}) {
        Press(x, y);
    }
    SetPickRegionActive(true);
    DispatchRightPress(700, 400, surface);
    DispatchLeftPress(700, 400, surface, kPoints, picks_);
    EXPECT_EQ(picks_.PickLineCount, 0U);
    EXPECT_EQ(PaintedIn(325, 370, 1125, 620), 801 * 251);

    Press(325, 370);
    Press(1125, 620);
    EXPECT_EQ(Line(0), (std::vector<Pick>{{325, 370}, {1126, 620}}));
}

using testing::PresetSaveFileChooser;

constexpr std::uint32_t kColumns = 5;  // 0, 500, 1000, 1500 and 2000 Hz

// Two lines of 3 and 2 picks on the map and what the file says of them: point columns of
// 10 points (325 + 89 p), 8 Hz per row from 370 down, map value 10 * row + column.
const std::string kTwoLines =
    "0  0  0\n"
    "4  1000  3562\n"
    "9  2000  1.23457e+006\n"
    "\n"
    "1  240  890\n"
    "2  504  1781\n"
    "\n";

class PickFileTest : public testing::PlotTest {
  protected:
    void SetUp() override {
        PlotTest::SetUp();
        ReservePointRows(buffers_, kBasePoints);
        for (std::uint32_t j = 0; j < kColumns; ++j) {
            buffers_.BinFrequencies[j] = 500 * j;
        }
        for (std::size_t i = 0; i < kMatrixRows; ++i) {
            buffers_.GridRowPoints[i] = 9.0 * static_cast<double>(i) / (kMatrixRows - 1);
            for (std::size_t j = 0; j < kColumns; ++j) {
                buffers_.ProfileSpectrumGrid[i * kMatrixRowStride + j] =
                    static_cast<double>(10 * i + j);
            }
        }
        buffers_.ProfileSpectrumGrid[799 * kMatrixRowStride + 4] = 1234567.0;
    }

    void TearDown() override {
        std::filesystem::remove(path_);
        PlotTest::TearDown();
    }

    void StoreTwoClosedLines() {
        for (const auto& line : {std::vector<Pick>{{325, 370}, {681, 495}, {1125, 620}},
                                 std::vector<Pick>{{414, 400}, {503, 433}}}) {
            for (const Pick& pick : line) {
                StorePick(picks_, pick.X, pick.Y);
            }
            PickOk(picks_);
        }
    }

    // The pipeline's run of the profile-spectrum mode, as far as the pick file goes.
    void MapRun() { ExportProfilePicks(buffers_, picks_, ProfileMapLayout(500.0f), kColumns); }

    const std::string path_ = testing::TempFile("pick_file_test.txt");
    std::unique_ptr<AnalysisBuffers> store_ = std::make_unique<AnalysisBuffers>();
    AnalysisBuffers& buffers_ = *store_;
};

TEST_F(PickFileTest, SaveWritesTwoClosedLinesAsSevenTextLinesAndEveryRunRewritesTheFile) {
    StoreTwoClosedLines();
    PresetSaveFileChooser chooser(path_);
    EXPECT_EQ(SavePicks(picks_, chooser, [this] { MapRun(); }), PickSaveResult::Written);
    EXPECT_EQ(chooser.offeredExtension, "txt");
    EXPECT_EQ(testing::ReadWholeFile(path_), kTwoLines);
    EXPECT_EQ(picks_.PickLineCount, 0U);

    StorePick(picks_, 1125, 370);
    PickOk(picks_);
    MapRun();
    EXPECT_EQ(testing::ReadWholeFile(path_), "9  0  7990\n\n");
}

TEST_F(PickFileTest, FailedSaveKeepsThePicksAndReportsErrorEleven) {
    const std::string missing = ::testing::TempDir() + "no/such/dir/picks.txt";
    const struct {
        const char* what;
        std::string path;
        std::string reason;  // the message's second line
    } cases[] = {
        {"write error", "/dev/full", "/dev/full: No space left on device"},
        {"no name", "", "(no file name): No such file or directory"},
        {"cannot open", missing, missing + ": No such file or directory"},
    };
    for (const auto& [what, path, reason] : cases) {
        const std::vector<std::string> cannotSave = {
            "Cannot open or create file.Error code = 11\n" + reason};
        picks_ = PickStore{};
        StoreTwoClosedLines();
        sink.messages.clear();
        PresetSaveFileChooser chooser(path);
        EXPECT_EQ(SavePicks(picks_, chooser, [this] { MapRun(); }), PickSaveResult::NotWritten)
            << what;
        EXPECT_EQ(sink.messages, cannotSave) << what;
        EXPECT_EQ(picks_.PickLineCount, 2U) << what;
        EXPECT_TRUE(PicksReadyToSave(picks_)) << what;
    }
}

}  // namespace
}  // namespace karvelo
