// Frames, captions, ticks and labels of the program's panels.
#include "plot/draw_plot.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "plot/plot_panels.h"
#include "plot_test_support.h"

namespace karvelo {
namespace {

using testing::AxisWords;
using testing::RecordedText;

class DrawPlotTest : public testing::PlotTest {
  protected:
    // Columns of the frame's top edge (top) or rows of its right edge with a tick outside.
    std::vector<int> Ticks(const PlotLayout& l, bool top) const {
        const auto out = [&](int p, int d) {
            return top ? surface.PixelAt(p, l.FrameTop() - d)
                       : surface.PixelAt(l.FrameRight() + d, p);
        };
        std::vector<int> ticks;
        for (int p = top ? l.FrameLeft() : l.FrameTop();
             p <= (top ? l.FrameRight() : l.FrameBottom()); ++p) {
            if (out(p, 1) == kBlack) {
                EXPECT_EQ(out(p, kTickLength - 1), kBlack) << p;
                EXPECT_EQ(out(p, kTickLength), kWhite) << p;
                ticks.push_back(p);
            }
        }
        return ticks;
    }

    // The frame's four edges in black, nothing just below it or left of it.
    void ExpectFrame(const PlotLayout& l) const {
        const int left = l.FrameLeft(), right = l.FrameRight();
        const int top = l.FrameTop(), bottom = l.FrameBottom();
        for (const int y : {top, bottom}) {
            EXPECT_EQ(PaintedIn(left, y, right, y), right - left + 1) << y;
        }
        for (const int x : {left, right}) {
            EXPECT_EQ(PaintedIn(x, top, x, bottom), bottom - top + 1) << x;
        }
        EXPECT_EQ(PaintedIn(left, bottom + 1, right, bottom + 1), 0);
        EXPECT_EQ(PaintedIn(left - 1, top, left - 1, bottom), 0);
    }
};

TEST_F(DrawPlotTest, SpectrumPanelHasNineFrequencyTicksAndSixAmplitudeTicks) {
    const PlotLayout layout = SpectrumPanelLayout(5.0f);
    std::vector<float> spectrum(401);
    for (std::size_t i = 0; i < spectrum.size(); ++i) {
        spectrum[i] = static_cast<float>(i) / 400.0f;
    }
    DrawSeries(layout, PlotMode::Curve, {spectrum}, AxisWords(1000, 5, 401));
    ExpectFrame(layout);
    EXPECT_EQ(Ticks(layout, true), (std::vector<int>{225, 275, 325, 375, 425, 475, 525, 575, 625}));
    EXPECT_EQ(Ticks(layout, false), (std::vector<int>{370, 420, 470, 520, 570, 620}));
    const std::vector<RecordedText> labels = painter.TextsOnRow(345);
    ASSERT_EQ(labels.size(), 9u);
    for (int n = 0; n < 9; ++n) {
        EXPECT_EQ(labels[n], (RecordedText{225 + 50 * n, 345, std::to_string(1000 + 250 * n)}));
    }
    EXPECT_EQ(painter.TextAt(650, 620), "0.000e+000");
    EXPECT_EQ(painter.TextAt(650, 570), "2.000e-001");
    EXPECT_EQ(painter.TextAt(650, 370), "1.000e+000");
    EXPECT_EQ(painter.TextAt(225, 325), "Frequency,Hz.");
}

}  // namespace
}  // namespace karvelo
