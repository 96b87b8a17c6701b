// Shared set-up for the plotting tests: a surface with a recording text painter, clean
// stores, and series drawn from plain values.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <vector>

#include "analysis/analysis_buffers.h"
#include "analysis/quality.h"
#include "fakes/recording_message_sink.h"
#include "fakes/recording_text_painter.h"
#include "fakes/surface_ink.h"
#include "plot/click_regions.h"
#include "plot/colour.h"
#include "plot/draw_plot.h"
#include "plot/pick_store.h"
#include "plot/surface.h"
#include "profile/profile_image.h"

namespace karvelo::testing {

// Axis words first, first + step, ... (count of them).
inline std::vector<std::uint32_t> AxisWords(std::uint32_t first, std::uint32_t step,
                                            std::size_t count) {
    std::vector<std::uint32_t> words(count);
    for (std::size_t i = 0; i < count; ++i) {
        words[i] = first + step * static_cast<std::uint32_t>(i);
    }
    return words;
}

class PlotTest : public ::testing::Test {
  protected:
    PlotTest() { surface.SetTextPainter(&painter); }

    void SetUp() override { ResetAll(); }
    void TearDown() override { ResetAll(); }

    static void ResetAll() {
        ClickRegions.fill(ClickRegion{});
        ClickRegionCount = 0;
    }

    // Draws the series (IEEE singles, one trace record apart) against the axis words.
    PlotData DrawSeries(const PlotLayout& layout, PlotMode mode,
                        const std::vector<std::vector<float>>& series,
                        const std::vector<std::uint32_t>& axis, PlotData data = {}) {
        std::vector<std::uint8_t> bytes(series.size() * kTraceRecordBytes, 0);
        for (std::size_t k = 0; k < series.size(); ++k) {
            std::memcpy(bytes.data() + k * kTraceRecordBytes, series[k].data(),
                        series[k].size() * sizeof(float));
        }
        const auto count = static_cast<std::uint32_t>(series.size());
        DrawPlot(surface, layout, mode, {bytes.data(), kTraceRecordBytes, kFormatIeeeFloat, count},
                 axis, data);
        return data;
    }

    // A white surface and no texts, for the next case of a table.
    void Clear() {
        surface.FillWhite();
        painter.texts.clear();
    }

    bool IsBlack(int x, int y) const { return surface.PixelAt(x, y) == kBlack; }
    bool IsWhite(int x, int y) const { return surface.PixelAt(x, y) == kWhite; }

    // Pixels of the rectangle [left, right] x [top, bottom] (inclusive) that are not white.
    int PaintedIn(int left, int top, int right, int bottom) const {
        return InkIn(surface, left, top, right, bottom);
    }

    // Paints the rectangle black, so that white marks show on it.
    void PaintBlack(int left, int top, int right, int bottom) {
        for (int y = top; y <= bottom; ++y) {
            for (int x = left; x <= right; ++x) {
                surface.SetPixel(x, y, kBlack);
            }
        }
    }

    RecordingMessageSink sink;
    RecordingTextPainter painter;
    Surface surface;
    PickStore picks_;
};

}  // namespace karvelo::testing
