// The pick file and the "Сохранить" action that writes it.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "analysis/analysis_buffers.h"
#include "fakes/preset_save_file_chooser.h"
#include "fakes/temp_file.h"
#include "plot/pick_export.h"
#include "plot/pick_save.h"
#include "plot/pick_store.h"
#include "plot/plot_panels.h"
#include "plot_test_support.h"

namespace karvelo {
namespace {

using testing::PresetSaveFileChooser;

constexpr std::uint32_t kColumns = 5;  // 0, 500, 1000, 1500 and 2000 Hz
const std::string kCannotSave = "Cannot open or create file.Error code = 11";

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
        for (std::uint32_t j = 0; j < kColumns; ++j) {
            BinFrequencies[j] = 500 * j;
        }
        for (std::size_t i = 0; i < kMatrixRows; ++i) {
            GridRowPoints[i] = 9.0 * static_cast<double>(i) / (kMatrixRows - 1);
            for (std::size_t j = 0; j < kColumns; ++j) {
                ProfileSpectrumGrid[i * kMatrixRowStride + j] = static_cast<double>(10 * i + j);
            }
        }
        ProfileSpectrumGrid[799 * kMatrixRowStride + 4] = 1234567.0;
        path_ = testing::TempFile("pick_file_test.txt");
        std::filesystem::remove(path_);
    }

    void TearDown() override {
        std::filesystem::remove(path_);
        PlotTest::TearDown();
    }

    static void StoreTwoClosedLines() {
        for (const Pick& pick : {Pick{325, 370}, Pick{681, 495}, Pick{1125, 620}}) {
            StorePick(pick.X, pick.Y);
        }
        PickOk();
        for (const Pick& pick : {Pick{414, 400}, Pick{503, 433}}) {
            StorePick(pick.X, pick.Y);
        }
        PickOk();
    }

    std::string FileText() const {
        std::ifstream in(path_);
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }

    // The pipeline's run of the profile-spectrum mode, as far as the pick file goes.
    static void MapRun() { ExportProfilePicks(ProfileMapLayout(500.0f), kColumns); }

    std::string path_;
};

TEST_F(PickFileTest, TwoClosedLinesOfThreeAndTwoPicksWriteSevenTextLines) {
    StoreTwoClosedLines();
    PickFilePath = path_;
    EXPECT_TRUE(ExportProfilePicks(ProfileMapLayout(500.0f), kColumns));
    EXPECT_TRUE(PickFileWritten);
    EXPECT_EQ(FileText(), kTwoLines);
}

TEST_F(PickFileTest, EveryRunRewritesTheWholeFile) {
    StoreTwoClosedLines();
    PickFilePath = path_;
    MapRun();
    DeletePicks();
    StorePick(1125, 370);
    PickOk();
    MapRun();
    EXPECT_EQ(FileText(), "9  0  7990\n\n");
}

TEST_F(PickFileTest, NothingIsWrittenWithoutAClosedLineOrMatrixColumns) {
    PickFilePath = path_;
    StorePick(325, 370);
    EXPECT_FALSE(ExportProfilePicks(ProfileMapLayout(500.0f), kColumns));
    PickOk();
    EXPECT_FALSE(ExportProfilePicks(ProfileMapLayout(500.0f), 0));
    EXPECT_FALSE(PickFileWritten);
    EXPECT_FALSE(std::filesystem::exists(path_));
}

TEST_F(PickFileTest, FileThatCannotBeWrittenIsReportedAsNotWritten) {
    StoreTwoClosedLines();
    for (const std::string& path : {std::string(), ::testing::TempDir() + "no/such/dir/picks.txt",
                                    std::string("/dev/full")}) {
        PickFilePath = path;
        PickFileWritten = true;
        EXPECT_FALSE(ExportProfilePicks(ProfileMapLayout(500.0f), kColumns)) << path;
        EXPECT_FALSE(PickFileWritten) << path;
    }
    EXPECT_TRUE(sink.messages.empty());
}

TEST_F(PickFileTest, SaveWritesTheChosenFileAndEmptiesTheStore) {
    StoreTwoClosedLines();
    PresetSaveFileChooser chooser(path_);
    EXPECT_EQ(SavePicks(chooser, MapRun), PickSaveResult::Written);
    EXPECT_EQ(chooser.offeredName, "pick_data.txt");
    EXPECT_EQ(chooser.offeredExtension, "txt");
    EXPECT_EQ(FileText(), kTwoLines);
    EXPECT_EQ(PickFilePath, path_);
    EXPECT_EQ(PickLineCount, 0U);
    EXPECT_FALSE(PickLineClosed);
    EXPECT_TRUE(sink.messages.empty());
}

TEST_F(PickFileTest, FailedSaveKeepsThePicksAndReportsErrorEleven) {
    struct Case {
        const char* what;
        std::string path;
        void (*redraw)();
    };
    const Case cases[] = {
        {"write error", "/dev/full", MapRun},
        {"cannot open", ::testing::TempDir() + "no/such/dir/picks.txt", MapRun},
        {"another spectrum mode shown", path_, [] {}},
    };
    for (const Case& c : cases) {
        ResetPickStore();
        StoreTwoClosedLines();
        sink.messages.clear();
        PresetSaveFileChooser chooser(c.path);
        EXPECT_EQ(SavePicks(chooser, c.redraw), PickSaveResult::NotWritten) << c.what;
        EXPECT_EQ(sink.messages, std::vector<std::string>{kCannotSave}) << c.what;
        EXPECT_EQ(PickLineCount, 2U) << c.what;
        EXPECT_TRUE(PickLineClosed) << c.what;
        EXPECT_EQ(PickLines[0].PointCount, 3U) << c.what;
        EXPECT_EQ(PickLines[1].PointCount, 2U) << c.what;
    }
    EXPECT_FALSE(std::filesystem::exists(path_));
}

TEST_F(PickFileTest, SaveWithoutAClosedLineOrWhenCancelledChangesNothing) {
    int redraws = 0;
    const auto countRedraw = [&redraws] { ++redraws; };
    PresetSaveFileChooser chooser(path_);
    EXPECT_EQ(SavePicks(chooser, countRedraw), PickSaveResult::NothingToSave);
    StorePick(325, 370);
    EXPECT_EQ(SavePicks(chooser, countRedraw), PickSaveResult::NothingToSave);
    EXPECT_EQ(chooser.calls, 0);

    PickOk();
    PickFilePath = "/earlier/choice.txt";
    PresetSaveFileChooser cancelling(std::nullopt);
    EXPECT_EQ(SavePicks(cancelling, countRedraw), PickSaveResult::Cancelled);
    EXPECT_EQ(redraws, 0);
    EXPECT_EQ(PickFilePath, "/earlier/choice.txt");
    EXPECT_EQ(PickLineCount, 1U);
    EXPECT_TRUE(sink.messages.empty());
}

}  // namespace
}  // namespace karvelo
