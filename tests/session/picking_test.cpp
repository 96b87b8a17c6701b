// Picks on the profile-spectrum map through the form's mouse presses and picking bar.
#include <gtest/gtest.h>

#include "session/session_test_support.h"

namespace karvelo::testing {
namespace {

class PickingTest : public SessionTest {
  protected:
    void ShowProfileSpectrum() {
        Open();
        controls_.widgets.SpectrumMode = kProfileSpectrum;
        session_.OnProfileSpectrum();
    }
    void PickTwoLines() {
        for (int x : {400, 500, 600}) {
            session_.OnLButtonDown(x, 450);
        }
        session_.OnPickOk();
        for (int x : {700, 800}) {
            session_.OnLButtonDown(x, 500);
        }
        session_.OnPickOk();
    }
};

TEST_F(PickingTest, PicksOnlyInTheProfileSpectrum) {
    Open();
    session_.OnLButtonDown(700, 400);
    EXPECT_EQ(PickLineCount, 0u);

    controls_.widgets.SpectrumMode = kProfileSpectrum;
    session_.OnProfileSpectrum();
    session_.OnLButtonDown(700, 400);
    ASSERT_EQ(PickLineCount, 1u);
    EXPECT_EQ(PickLines[0].Picks[0], (Pick{681, 400}));  // snapped to point 4
    EXPECT_EQ(surface_.PixelAt(681, 400), 0x00FFFFFFU);  // white mark
    session_.OnLButtonDown(700, 300);                    // outside the map frame
    EXPECT_EQ(PickLines[0].PointCount, 1u);
    session_.OnRButtonDown(700, 400);  // no visible effect
    EXPECT_EQ(PickLines[0].PointCount, 1u);
}

TEST_F(PickingTest, TwoClosedLinesAreWrittenAndRewrittenAfterAContrastChange) {
    ShowProfileSpectrum();
    PickTwoLines();
    const std::string path = TempPath("pick_data.txt");
    chooser_.SetPath(path);

    // Saving redraws: the file is written by that run, and the store is emptied after.
    session_.OnSavePicks();
    auto lines = ReadLines(path);
    ASSERT_EQ(lines.size(), 7u);
    EXPECT_EQ(lines[3], "");
    EXPECT_EQ(lines[6], "");
    EXPECT_EQ(PickLineCount, 0u);
    EXPECT_TRUE(messages_.messages.empty());

    // Closed lines are rewritten into the chosen file by every profile-spectrum run.
    PickTwoLines();
    std::ofstream(path, std::ios::trunc).close();
    controls_.contrastBar = 80;
    session_.OnHScroll(ScrollCode::EndScroll, 0);
    const auto rewritten = ReadLines(path);
    ASSERT_EQ(rewritten.size(), 7u);
    EXPECT_EQ(rewritten[0].substr(0, 3), lines[0].substr(0, 3));  // same point number
}

TEST_F(PickingTest, SaveWithoutOkOrWithNothingDoesNothing) {
    ShowProfileSpectrum();
    chooser_.SetPath(TempPath("never.txt"));
    session_.OnSavePicks();
    EXPECT_EQ(chooser_.calls, 0);
    session_.OnLButtonDown(500, 450);
    session_.OnSavePicks();
    EXPECT_EQ(chooser_.calls, 0);
    EXPECT_EQ(PickLineCount, 1u);
}

// A save that writes no file keeps every pick and says so, whatever the reason.
TEST_F(PickingTest, UnwrittenPickFileKeepsThePicksAndReportsIt) {
    struct Case {
        const char* what;
        bool otherMode;
        std::string path;
    };
    const Case cases[] = {
        {"another spectrum mode shown", true, TempPath("other_mode.txt")},
        {"file that cannot be created", false, "/nonexistent-folder/picks.txt"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ResetAll();
        messages_.messages.clear();
        ShowProfileSpectrum();
        PickTwoLines();
        if (c.otherMode) {
            controls_.widgets.SpectrumMode = kSingleTrace;
            session_.OnSpectrumSettings();
        }
        chooser_.SetPath(c.path);
        session_.OnSavePicks();
        EXPECT_EQ(messages_.messages,
                  std::vector<std::string>{"Cannot open or create file.Error code = 11"});
        EXPECT_EQ(PickLineCount, 2u);
    }
}

TEST_F(PickingTest, DeleteEmptiesTheStoreAndTheRedrawRemovesTheMarks) {
    ShowProfileSpectrum();
    session_.OnLButtonDown(681, 400);
    session_.OnLButtonDown(770, 420);
    EXPECT_EQ(surface_.PixelAt(681, 400), 0x00FFFFFFU);
    session_.OnDeletePicks();
    EXPECT_EQ(PickLineCount, 0u);
    EXPECT_NE(surface_.PixelAt(681, 400), 0x00FFFFFFU);
}

}  // namespace
}  // namespace karvelo::testing
