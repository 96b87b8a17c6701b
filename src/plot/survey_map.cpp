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
constexpr int kBarLabels = 5;  // labelled values, both ends included
constexpr int kLabelInset = 4;
constexpr int kLabelHeight = 13;
constexpr int kDistanceSpacing = 50;  // pixels between two distance labels at least

int BarHeight(const SurveyGeometry& geometry) {
    return std::max(kBarMinHeight, geometry.Bottom() - geometry.Top);
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

// A distance in metres without trailing zeros ("1.5", "12").
std::string Metres(double value) {
    return FormatText("%.3g", value);
}

// Column numbers (and, with a spacing, their distances) no closer than the labels need.
void DrawColumnLabels(Surface& surface, const SurveyGrid& grid, const SurveyGeometry& geometry,
                      Language language) {
    int lastLabel = geometry.Left - kSurveyCellWidth;
    for (const std::uint32_t number : grid.Columns) {
        const int left = geometry.ColumnLeft(number);
        if (left - lastLabel < kSurveyCellWidth / 2 && left != geometry.Left) {
            continue;
        }
        lastLabel = left;
        surface.TextOut(left + kLabelInset, geometry.Top - 2 * kSurveyCellHeight / 3,
                        std::to_string(number));
    }
    if (!geometry.Spacing) {
        return;
    }
    const int y = geometry.Bottom();
    int lastDistance = geometry.Left - kDistanceSpacing;
    for (std::uint32_t slot = 0; slot < geometry.ColumnSlots; ++slot) {
        const int x = geometry.ColumnLeft(geometry.FirstColumn + slot);
        if (x - lastDistance < kDistanceSpacing) {
            continue;
        }
        lastDistance = x;
        surface.MoveTo(x, y);
        surface.LineTo(x, y + kBarLabelGap);
        surface.TextOut(x - kLabelInset, y + kBarLabelGap, Metres(slot * geometry.Spacing->Column));
    }
    surface.TextOut(geometry.Left, y + kBarLabelGap + kLabelHeight + 2,
                    InLanguage(language, "Расстояние, м", "Distance, m"));
}

}  // namespace

void DrawSurveyCells(Surface& surface, const SurveyGrid& grid, const SurveyGeometry& geometry,
                     Language language,
                     const std::function<std::optional<Colour>(std::size_t)>& colourOf,
                     const std::function<std::string(std::size_t)>& noteOf) {
    DrawColumnLabels(surface, grid, geometry, language);
    const int width = geometry.CellWidth();
    const int height = geometry.CellHeight();
    for (std::size_t r = 0; r < grid.Rows.size(); ++r) {
        const int top = geometry.RowTop(r);
        std::string label = grid.Rows[r];
        if (geometry.Spacing) {
            label += ' ';
            label += Metres(static_cast<double>(r) * geometry.Spacing->Row);
        }
        surface.TextOut(kLabelInset, top + std::max(0, (height - kLabelHeight) / 2), label);
        for (std::size_t c = 0; c < grid.Columns.size(); ++c) {
            const int left = geometry.ColumnLeft(grid.Columns[c]);
            const std::size_t index = r * grid.Columns.size() + c;
            if (const std::optional<Colour> colour = colourOf(index)) {
                FillRect(surface, left, top, width, height, *colour);
                if (const std::string note = noteOf ? noteOf(index) : std::string();
                    !note.empty()) {
                    surface.TextOut(left + 2, top + kLabelInset, note);
                }
            }
            FrameRect(surface, left, top, width, height);
        }
    }
}

void FillSurfaceRect(Surface& surface, int left, int top, int width, int height, Colour colour) {
    FillRect(surface, left, top, width, height, colour);
    FrameRect(surface, left, top, width, height);
}

int SurveyMapWidth(const SurveyGeometry& geometry) {
    return std::max(Surface::kMinWidth, geometry.Right() + kSurveyRightRoom);
}

int SurveyMapHeight(const SurveyGeometry& geometry) {
    return std::max(
        Surface::kMinHeight,
        geometry.Top +
            std::max(BarHeight(geometry), geometry.Bottom() - geometry.Top + kSurveyBottomRoom) +
            kSurveyTop);
}

void DrawSurveyMap(Surface& surface, const SurveyGrid& grid, const SurveyMapStyle& style,
                   const SurveyGeometry& geometry) {
    const ColourScale scale{style.Low, style.High, kSpectrumMaxIndex};
    const auto colourOf = [&](std::size_t index) -> std::optional<Colour> {
        const SurveyCell& cell = grid.Cells[index];
        if (!cell.Present) {
            return std::nullopt;
        }
        return PaletteColour(kSpectrumPalette, scale.IndexFor(cell.Value));
    };
    const auto noteOf = [&](std::size_t index) {
        const SurveyCell& cell = grid.Cells[index];
        return style.Annotate && cell.Present ? FormatText("%.4g", cell.Value) : std::string();
    };
    DrawSurveyCells(surface, grid, geometry, style.TextLanguage, colourOf, noteOf);

    // The bar: the palette from its last colour at the top to its first at the bottom,
    // its caption (the quantity and its unit) above it, clear of the column labels.
    const int barLeft = geometry.Right() + kBarGap;
    const int barHeight = BarHeight(geometry);
    for (int y = 0; y < barHeight; ++y) {
        const int index = kSpectrumMaxIndex - y * kSpectrumMaxIndex / (barHeight - 1);
        FillRect(surface, barLeft, geometry.Top + y, kBarWidth, 1,
                 PaletteColour(kSpectrumPalette, index));
    }
    FrameRect(surface, barLeft, geometry.Top, kBarWidth, barHeight);
    surface.TextOut(barLeft, geometry.Top - 2 * kLabelHeight - kLabelInset, style.Caption);
    // A grid of one value gets one label, in the middle of the bar.
    const bool flat = style.High == style.Low;
    for (int k = flat ? kBarLabels / 2 : 0; k < (flat ? kBarLabels / 2 + 1 : kBarLabels); ++k) {
        const double value = style.High - (style.High - style.Low) * k / (kBarLabels - 1);
        const int y = geometry.Top + (barHeight - 1) * k / (kBarLabels - 1);
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

}  // namespace karvelo
