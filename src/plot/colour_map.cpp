// The profile-spectrum map: one pixel column per matrix row, coloured with palette 2.
#include <array>
#include <span>
#include <vector>

#include "plot/axis_ticks.h"
#include "plot/palette.h"
#include "plot/palette_words.h"
#include "plot/series_modes.h"
#include "plot/series_values.h"

namespace karvelo {

namespace {

// The palette index of each value the picture shows, values[columns[j]] into indices[j]
// (ColourScale::IndexFor without its branches, in a loop the compiler can widen).
__attribute__((target_clones("avx2", "default"))) void PaletteIndices(
    const ColourScale& scale, const double* values, std::span<const std::uint32_t> columns,
    std::uint16_t* indices) {
    const std::size_t count = columns.size();
    if (scale.High == scale.Low) {
        std::fill(indices, indices + count, static_cast<std::uint16_t>(scale.IndexFor(0.0)));
        return;
    }
    const double low = scale.Low;
    const double span = scale.High - scale.Low;
    const double top = scale.MaxIndex;
    const std::uint32_t* column = columns.data();
    for (std::size_t j = 0; j < count; ++j) {
        const double scaled = (values[column[j]] - low) * scale.MaxIndex / span;
        const double clamped = scaled > 0.0 ? (scaled >= top ? top : scaled) : 0.0;
        indices[j] = static_cast<std::uint16_t>(static_cast<int>(clamped));
    }
}

// Columns of the map wait here and are written together, a pixel row at a time: one
// column alone would touch a cache line per pixel. They are written before anything
// else is drawn (the next tick and its label), so every pixel ends as it would have,
// drawn column by column. Only the values that show get an index: of the values on one
// pixel row the last paints over the others, and values off the surface paint nothing.
class PendingColumns {
  public:
    static constexpr std::size_t kMaxColumns = 16;

    bool Continues(const Surface& surface, int x, std::span<const int> rows) const {
        return columns_ > 0 && &surface == surface_ && x == firstX_ + static_cast<int>(columns_) &&
               rows.data() == rows_.data() && rows.size() == rows_.size();
    }

    // The values of a column that show, by their index into the column.
    std::span<const std::uint32_t> Shown() const { return shown_; }

    std::uint16_t* Add(Surface& surface, int x, std::span<const int> rows) {
        if (columns_ == 0) {
            surface_ = &surface;
            firstX_ = x;
            rows_ = rows;
            FindShown();
            indices_.resize(kMaxColumns * shown_.size());
        }
        return indices_.data() + shown_.size() * columns_++;
    }

    bool Full() const { return columns_ == kMaxColumns; }

    void Write() {
        if (columns_ == 0) {
            return;
        }
        const std::span<const std::uint32_t> words = PaletteWords(kSpectrumPalette);
        const std::size_t count = shown_.size();
        const auto width = static_cast<std::size_t>(surface_->Width());
        std::uint32_t* first = surface_->Data() + firstX_;
        for (std::size_t j = 0; j < count; ++j) {
            std::uint32_t* pixel = first + static_cast<std::size_t>(rows_[shown_[j]]) * width;
            for (std::size_t c = 0; c < columns_; ++c) {
                pixel[c] = words[indices_[c * count + j]];
            }
        }
        columns_ = 0;
    }

  private:
    void FindShown() {
        shown_.clear();
        const int height = surface_->Height();
        const std::size_t count = rows_.size();
        for (std::size_t j = 0; j < count; ++j) {
            const int y = rows_[j];
            if ((j + 1 == count || rows_[j + 1] != y) && y >= 0 && y < height) {
                shown_.push_back(static_cast<std::uint32_t>(j));
            }
        }
    }

    Surface* surface_ = nullptr;
    int firstX_ = 0;
    std::span<const int> rows_;
    std::vector<std::uint32_t> shown_;
    std::size_t columns_ = 0;
    std::vector<std::uint16_t> indices_;
};

PendingColumns g_pending;

}  // namespace

void DrawColourMapRow(const SeriesContext& context, const std::uint8_t* series, std::uint32_t k) {
    Surface& surface = context.surface;
    const PlotLayout& layout = context.layout;
    const PlotData& data = context.data;
    const int x = layout.FrameLeft() + static_cast<int>(k);

    // A point tick every ColumnsPerLabel rows, labelled with the point counted from 0.
    const auto perLabel =
        static_cast<std::uint32_t>(data.ColumnsPerLabel > 0 ? data.ColumnsPerLabel : 1);
    const auto hasTick = [&](std::uint32_t row) {
        return layout.SeriesTicks && row % perLabel == 0;
    };
    const std::span<const int> rows = context.axisPixels;
    if (!g_pending.Continues(surface, x, rows)) {
        g_pending.Write();
    }
    if (hasTick(k)) {
        DrawTopTick(surface, layout, x,
                    IntegerLabel(static_cast<std::int64_t>(layout.LabelStep) * k / perLabel));
    }
    if (x >= 0 && x < surface.Width()) {
        // Matrix rows are read where they lie; other formats are decoded first.
        const std::size_t count = context.valueCount;
        std::vector<double> decoded;
        const double* values = data.Rows;
        if (context.format != kFormatDoubleRows || values == nullptr) {
            decoded = ReadSeries(series, data.Rows, context.format, count);
            values = decoded.data();
        }
        const ColourScale scale{data.RowsMin, data.RowsMax, kSpectrumMaxIndex, data.Saturated};
        std::uint16_t* indices = g_pending.Add(surface, x, rows);
        PaletteIndices(scale, values, g_pending.Shown(), indices);
    }
    if (k + 1 >= data.Count || hasTick(k + 1) || g_pending.Full()) {
        g_pending.Write();
    }
}

}  // namespace karvelo
