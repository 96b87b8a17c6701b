#include "plot/survey_map.h"

#include <algorithm>

#include "common/number_format.h"
#include "plot/palette.h"

namespace karvelo {

namespace {

constexpr int kBarGap = 40;  // from the last column to the colour bar
constexpr int kBarWidth = 20;
constexpr int kBarMinHeight = 200;
constexpr int kBarLabelGap = 6;
constexpr int kBarLabels = 5;    // labelled values, both ends included
constexpr int kRightRoom = 160;  // the bar and its labels
constexpr int kLabelInset = 4;

int GridRight(const SurveyGrid& grid) {
    return kSurveyLeft + static_cast<int>(grid.Columns.size()) * kSurveyCellWidth;
}

int BarHeight(const SurveyGrid& grid) {
    return std::max(kBarMinHeight, static_cast<int>(grid.Rows.size()) * kSurveyCellHeight);
}

void FillRect(Surface& surface, int left, int top, int width, int height, Colour colour) {
    for (int y = top; y < top + height; ++y) {
        for (int x = left; x < left + width; ++x) {
            surface.SetPixel(x, y, colour);
        }
    }
}

void FrameRect(Surface& surface, int left, int top, int width, int height) {
    surface.MoveTo(left, top);
    surface.LineTo(left + width, top);
    surface.LineTo(left + width, top + height);
    surface.LineTo(left, top + height);
    surface.LineTo(left, top);
}

}  // namespace

int SurveyMapWidth(const SurveyGrid& grid) {
    return std::max(Surface::kMinWidth, GridRight(grid) + kRightRoom);
}

int SurveyMapHeight(const SurveyGrid& grid) {
    return std::max(Surface::kMinHeight, kSurveyTop + BarHeight(grid) + kSurveyTop);
}

void DrawSurveyMap(Surface& surface, const SurveyGrid& grid, const SurveyMapStyle& style) {
    const ColourScale scale{style.Low, style.High, kSpectrumMaxIndex};
    for (std::size_t c = 0; c < grid.Columns.size(); ++c) {
        surface.TextOut(kSurveyLeft + static_cast<int>(c) * kSurveyCellWidth + kLabelInset,
                        kSurveyTop - 2 * kSurveyCellHeight / 3, std::to_string(grid.Columns[c]));
    }
    for (std::size_t r = 0; r < grid.Rows.size(); ++r) {
        const int top = kSurveyTop + static_cast<int>(r) * kSurveyCellHeight;
        surface.TextOut(kLabelInset, top + kLabelInset, grid.Rows[r]);
        for (std::size_t c = 0; c < grid.Columns.size(); ++c) {
            const int left = kSurveyLeft + static_cast<int>(c) * kSurveyCellWidth;
            const SurveyCell& cell = grid.At(r, c);
            if (cell.Present) {
                FillRect(surface, left, top, kSurveyCellWidth, kSurveyCellHeight,
                         PaletteColour(kSpectrumPalette, scale.IndexFor(cell.Value)));
                if (style.Annotate) {
                    surface.TextOut(left + 2, top + kLabelInset, FormatText("%.4g", cell.Value));
                }
            }
            FrameRect(surface, left, top, kSurveyCellWidth, kSurveyCellHeight);
        }
    }

    // The bar: the palette from its last colour at the top to its first at the bottom.
    const int barLeft = GridRight(grid) + kBarGap;
    const int barHeight = BarHeight(grid);
    for (int y = 0; y < barHeight; ++y) {
        const int index = kSpectrumMaxIndex - y * kSpectrumMaxIndex / (barHeight - 1);
        FillRect(surface, barLeft, kSurveyTop + y, kBarWidth, 1,
                 PaletteColour(kSpectrumPalette, index));
    }
    FrameRect(surface, barLeft, kSurveyTop, kBarWidth, barHeight);
    surface.TextOut(barLeft, kSurveyTop - 2 * kSurveyCellHeight / 3, style.Caption);
    for (int k = 0; k < kBarLabels; ++k) {
        const double value = style.High - (style.High - style.Low) * k / (kBarLabels - 1);
        const int y = kSurveyTop + (barHeight - 1) * k / (kBarLabels - 1);
        surface.MoveTo(barLeft + kBarWidth, y);
        surface.LineTo(barLeft + kBarWidth + kBarLabelGap, y);
        surface.TextOut(barLeft + kBarWidth + 2 * kBarLabelGap, y - kLabelInset * 2,
                        FormatDefault(value));
    }
}

SurveyMapStyle DataRangeStyle(const SurveyGrid& grid, const std::string& caption) {
    SurveyMapStyle style;
    style.Caption = caption;
    bool first = true;
    for (const SurveyCell& cell : grid.Cells) {
        if (cell.Present) {
            style.Low = first ? cell.Value : std::min(style.Low, cell.Value);
            style.High = first ? cell.Value : std::max(style.High, cell.Value);
            first = false;
        }
    }
    return style;
}

std::optional<SurveyCellIndex> SurveyCellAt(const SurveyGrid& grid, int x, int y) {
    if (x < kSurveyLeft || y < kSurveyTop) {
        return std::nullopt;
    }
    const auto column = static_cast<std::size_t>((x - kSurveyLeft) / kSurveyCellWidth);
    const auto row = static_cast<std::size_t>((y - kSurveyTop) / kSurveyCellHeight);
    if (column >= grid.Columns.size() || row >= grid.Rows.size()) {
        return std::nullopt;
    }
    return SurveyCellIndex{row, column};
}

}  // namespace karvelo
