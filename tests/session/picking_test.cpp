// Picks on the profile-spectrum map through the form's mouse presses and picking bar.
#include <gtest/gtest.h>

#include "session/session_test_support.h"

namespace karvelo::testing {
namespace {

class PickingTest : public SessionTest {
  protected:
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

TEST_F(PickingTest, PicksOnTheMapOnlyAreSavedAndEveryMapRunRewritesThem) {
    Open();
    controls_.widgets.SpectrumMode = kProfileSpectrum;
    session_.OnProfileSpectrum();
    PickTwoLines();
    ASSERT_EQ(document_.Picks.PickLineCount, 2u);
    EXPECT_EQ(document_.Picks.PickLines[1].Picks[0], (Pick{681, 500}));  // snapped to point 4
    const std::string path = TempFile("pick_data.txt");
    chooser_.SetPath(path);
    session_.OnSavePicks();
    const auto lines = ReadLines(path);
    ASSERT_EQ(lines.size(), 7u);
    EXPECT_EQ(lines[3], "");
    EXPECT_EQ(document_.Picks.PickLineCount, 0u);
    EXPECT_TRUE(messages_.messages.empty());

    PickTwoLines();
    std::ofstream(path, std::ios::trunc).close();
    controls_.contrastBar = 80;
    session_.OnHScroll(ScrollCode::EndScroll, 0);
    const auto rewritten = ReadLines(path);
    ASSERT_EQ(rewritten.size(), 7u);
    EXPECT_EQ(rewritten[0].substr(0, 3), lines[0].substr(0, 3));  // same point number

    // With another spectrum mode shown presses pick nothing and no map run writes the
    // file: the picks are kept.
    controls_.widgets.SpectrumMode = kSingleTrace;
    session_.OnSpectrumSettings();
    session_.OnLButtonDown(700, 400);
    session_.OnSavePicks();
    EXPECT_EQ(messages_.messages,
              std::vector<std::string>{"Cannot open or create file.Error code = 11\n" + path +
                                       ": picks are written while the profile-spectrum map is "
                                       "shown"});
    EXPECT_EQ(document_.Picks.PickLineCount, 2u);
}

}  // namespace
}  // namespace karvelo::testing
