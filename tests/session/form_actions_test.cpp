// The form's actions end to end, as a user drives them, over the built-in profile.
#include <gtest/gtest.h>

#include "common/field_rules.h"
#include "session/session_test_support.h"

namespace karvelo::testing {
namespace {

TEST_F(SessionTest, BeforeAnyLoadActionsOnlyClearTheSurface) {
    controls_.widgets.TraceNumber = 7;
    session_.OnSpectrumSettings();
    EXPECT_EQ(InkIn(0, 0, surface_.Width() - 1, surface_.Height() - 1), 0);
    EXPECT_EQ(controls_.widgets.TraceNumber, 7);  // no profile: nothing corrected
    EXPECT_EQ(analysis_.clearCount, 0);
    EXPECT_FALSE(session_.CorrelationAvailable());
    EXPECT_EQ(messages_.messages, std::vector<std::string>{"Cannot execute command."});
}

TEST_F(SessionTest, LoadLowersOnlyABandAboveTheTopAndDefaultBandWidensIt) {
    struct Case {
        std::int32_t fMin, fMax;
        std::int32_t loadedMax;
    };
    for (const Case c : {Case{0, 3000, 3000}, Case{500, 90000, 80645}}) {
        controls_.widgets.FMin = c.fMin;
        controls_.widgets.FMax = c.fMax;
        Open();
        EXPECT_EQ(controls_.widgets.FMin, 0);
        EXPECT_EQ(controls_.widgets.FMax, c.loadedMax);
    }
    EXPECT_TRUE(document_.ProfileShown && !document_.LoadCompleted &&
                controls_.profileSpectrumEnabled);
    EXPECT_GT(InkIn(225, 60, 1125, 310), 0);  // traces
    EXPECT_GT(InkIn(226, 371, 624, 619), 0);  // spectrum curve
    session_.OnDefaultBand();
    EXPECT_EQ(controls_.widgets.FMax, 80645);
    EXPECT_FALSE(document_.Flags.ResetBandRequest);

    const int writes = controls_.writes;
    session_.OnFileOpen([] {});  // cancelled
    EXPECT_EQ(controls_.writes, writes);
}

TEST_F(SessionTest, PointAndTraceAreCorrectedIntoTheProfile) {
    Open();  // 2 traces per point, 10 points
    controls_.widgets.TraceNumber = 7;
    controls_.widgets.PointNumber = 25;
    session_.OnSpectrumSettings();
    EXPECT_EQ(controls_.widgets.TraceNumber, 1);
    EXPECT_EQ(controls_.widgets.PointNumber, 9u);
    controls_.widgets.TraceNumber = -3;  // a negative number counts as too large
    controls_.widgets.PointNumber = 10;
    session_.OnViewMode();
    EXPECT_EQ(controls_.widgets.TraceNumber, 1);
    EXPECT_EQ(controls_.widgets.PointNumber, 9u);
}

// A press on the spectrum shows the clicked values; the quality is collected in the
// product mode only, the next run hides every value and a new load drops the quality.
TEST_F(SessionTest, ClicksShowTheValuesAndCollectTheQualityInTheProductModeOnly) {
    controls_.widgets.VelocityOrThickness = 3780.0f;
    Open();
    constexpr int kPeakX = 433;  // the dominant peak of point 0, 1559 Hz
    session_.OnLButtonDown(kPeakX, 400);
    EXPECT_GT(controls_.widgets.ClickFrequency, 1500.0);
    EXPECT_GT(controls_.widgets.DerivedValue, 1.0f);
    EXPECT_TRUE(analysis_.IsShown(AnalysisStatic::Frequency));
    EXPECT_TRUE(analysis_.IsShown(AnalysisStatic::Derived));
    EXPECT_FALSE(analysis_.IsShown(AnalysisStatic::Quality));  // display off

    session_.ToggleQualityDisplay();
    session_.OnLButtonDown(kPeakX, 400);
    EXPECT_TRUE(analysis_.IsShown(AnalysisStatic::Quality));
    EXPECT_GT(controls_.widgets.QualityValue, 1.0f);
    EXPECT_EQ(document_.Quality.QualityCount, 0);
    controls_.widgets.SpectrumMode = kSpectrumProduct;
    session_.OnSpectrumSettings();
    session_.OnLButtonDown(kPeakX, 400);
    EXPECT_EQ(document_.Quality.QualityCount, 1);
    session_.ToggleQualityDisplay();  // off: shown no more, stored no more
    session_.OnLButtonDown(kPeakX, 400);
    EXPECT_FALSE(analysis_.IsShown(AnalysisStatic::Quality));
    EXPECT_EQ(document_.Quality.QualityCount, 1);

    session_.OnViewMode();
    for (AnalysisStatic which :
         {AnalysisStatic::Frequency, AnalysisStatic::Derived, AnalysisStatic::DerivedCaption,
          AnalysisStatic::Quality, AnalysisStatic::QualityCaption}) {
        EXPECT_FALSE(analysis_.IsShown(which));
    }
    session_.OnLButtonDown(700, 400);  // right of the frame: nothing shown, panel redrawn
    EXPECT_FALSE(analysis_.IsShown(AnalysisStatic::Frequency));
    EXPECT_GT(InkIn(226, 371, 624, 619), 0);
    Open();
    EXPECT_EQ(document_.Quality.QualityCount, 0);
}

// Which actions show the progress box, refresh the list, enable the export and keep the
// contrast request pending, with the profile spectrum shown and without it.
TEST_F(SessionTest, ProgressBoxAndRequestsPerAction) {
    Open();
    struct Case {
        const char* name;
        std::int32_t mode;
        void (FormSession::*action)();
        bool progress;
        bool refreshesList;
    };
    const Case cases[] = {
        {"view mode, single trace", kSingleTrace, &FormSession::OnViewMode, false, false},
        {"settings, single trace", kSingleTrace, &FormSession::OnSpectrumSettings, false, true},
        {"D, single trace", kSingleTrace, &FormSession::OnDefaultBand, false, true},
        {"profile spectrum", kProfileSpectrum, &FormSession::OnProfileSpectrum, true, true},
        {"settings, profile", kProfileSpectrum, &FormSession::OnSpectrumSettings, true, true},
        {"D, profile", kProfileSpectrum, &FormSession::OnDefaultBand, true, true},
        {"view mode, profile", kProfileSpectrum, &FormSession::OnViewMode, false, false},
        {"back to a single trace", kSingleTrace, &FormSession::OnSpectrumSettings, false, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        controls_.widgets.SpectrumMode = c.mode;
        const int opened = progress_.opened;
        const int clears = analysis_.clearCount;
        (session_.*c.action)();
        EXPECT_EQ(progress_.opened - opened, c.progress ? 1 : 0);
        EXPECT_FALSE(progress_.open);
        EXPECT_EQ(analysis_.clearCount > clears, c.refreshesList);
        EXPECT_FALSE(document_.Flags.RefreshPeaksRequest);
        EXPECT_EQ(analysis_.exportEnabled, c.mode != kProfileSpectrum);
        EXPECT_EQ(analysis_.peakLines.empty(), c.mode == kProfileSpectrum);
        EXPECT_EQ(controls_.contrastControlsShown, c.mode == kProfileSpectrum);
        // Only a profile-spectrum run acts on the contrast request.
        EXPECT_EQ(document_.Flags.ContrastClipRequest, c.mode != kProfileSpectrum);
    }
}

TEST_F(SessionTest, ContrastSteps) {
    Open();
    controls_.widgets.SpectrumMode = kProfileSpectrum;
    session_.OnProfileSpectrum();
    struct Step {
        int from;
        ScrollCode code;
        int thumb;
        int to;
    };
    const Step steps[] = {
        {5, ScrollCode::LineLeft, 0, 0},         {95, ScrollCode::LineRight, 0, 100},
        {50, ScrollCode::LineLeft, 0, 40},       {40, ScrollCode::PageRight, 0, 40},
        {40, ScrollCode::ThumbPosition, 70, 70}, {70, ScrollCode::ThumbTrack, 10, 70},
    };
    for (const Step& step : steps) {
        controls_.contrastBar = step.from;
        const int opened = progress_.opened;
        session_.OnHScroll(step.code, step.thumb);
        EXPECT_EQ(controls_.contrastBar, step.to) << step.from;
        EXPECT_EQ(progress_.opened, opened + 1);  // every notification recomputes
    }
}

// The export holds the shown band; a refused band draws the traces only, leaves the
// typed band for the user to fix and nothing to export.
TEST_F(SessionTest, SpectrumFileHoldsTheShownBandAndARefusedBandDrawsTracesOnly) {
    Open();
    const std::string path = TempFile("spectre_data.txt");
    chooser_.SetPath(path);
    controls_.widgets.FMin = 100;
    session_.OnSpectrumSettings();
    session_.OnExportSpectrum();
    const auto lines = ReadLines(path);
    ASSERT_EQ(lines.size(), 186u);  // 94 .. 3008 Hz
    EXPECT_EQ(lines.front().rfind("94  ", 0), 0u);
    EXPECT_EQ(lines.back().rfind("3008  ", 0), 0u);

    controls_.widgets.FMin = 3000;
    controls_.widgets.FMax = 100;
    session_.OnSpectrumSettings();
    EXPECT_EQ(messages_.messages,
              std::vector<std::string>{std::string("Invalid value entered.\n") + kRuleFMin});
    EXPECT_TRUE(analysis_.peakLines.empty());
    EXPECT_FALSE(analysis_.exportEnabled);
    EXPECT_GT(InkIn(225, 60, 1125, 310), 0);
    EXPECT_EQ(InkIn(175, 320, 675, 670), 0);  // no spectrum panel
    EXPECT_EQ(buffers().ShownBinCount, lines.size());
    EXPECT_EQ(controls_.widgets.FMin, 3000);
}

}  // namespace
}  // namespace karvelo::testing
