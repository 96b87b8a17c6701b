// The two records that describe one plot: the panel (PlotLayout) and the series
// bookkeeping (PlotData), with the panel's frame geometry.
#pragma once

#include <cstdint>
#include <string>

#include "profile/profile_image.h"

namespace karvelo {

// How the series of a plot are drawn.
enum class PlotMode {
    Curve = 1,      // one polyline; the axis values run to the right
    Wiggle = 2,     // one vertical wiggle trace per series
    Density = 3,    // one grey pixel column per series
    ColourMap = 4,  // one coloured pixel column per matrix row
};

// Sample format of series read as doubles through PlotData::Rows instead of the series
// pointer (formats 1 to 3 are those of DecodeSample).
inline constexpr std::uint16_t kFormatDoubleRows = 4;

// Geometry shared by every panel, in pixels.
inline constexpr int kFrameInset = 50;    // frame to panel edge, on every side
inline constexpr int kTickSpacing = 50;   // distance between two ticks
inline constexpr int kTickLength = 10;    // every tick is this long, outward from the frame
inline constexpr int kLabelOffset = 25;   // label to frame edge (top labels, right labels)
inline constexpr int kCaptionMargin = 5;  // x caption below the panel top, y caption left
                                          // of the panel's right edge
inline constexpr int kYCaptionTop = 10;   // y caption below the panel top
// Characters a caption holds; longer captions are cut.
inline constexpr std::size_t kCaptionCapacity = 19;

// A panel: a fixed pixel rectangle with the frame inset by kFrameInset on every side.
// Filled by the caller, read only by the plotting code.
struct PlotLayout {
    std::int32_t Left = 0;
    std::int32_t Top = 0;
    std::int32_t Width = 0;
    std::int32_t Height = 0;
    bool DrawFrame = false;
    bool ShowXCaption = false;
    bool ShowYCaption = false;
    std::string XCaption;        // UTF-8, drawn at (Left + 50, Top + 5)
    std::string YCaption;        // UTF-8, drawn at (Left + Width - 5, Top + 10)
    bool SeriesTicks = false;    // ticks drawn per series, or the value ticks of a curve
    bool AxisTicks = false;      // ticks of the axis values
    std::uint8_t LabelStep = 1;  // multiplier of the per-series labels (1 or 50)
    float AxisStep = 0.0f;       // axis value between two consecutive axis entries

    // The frame, borders included.
    int FrameLeft() const { return Left + kFrameInset; }
    int FrameRight() const { return Left + Width - kFrameInset; }
    int FrameTop() const { return Top + kFrameInset; }
    int FrameBottom() const { return Top + Height - kFrameInset; }
    // Size of the plot area; every scale divides by these.
    int PlotWidth() const { return Width - 2 * kFrameInset; }
    int PlotHeight() const { return Height - 2 * kFrameInset; }

    bool FrameContains(int x, int y) const {
        return x >= FrameLeft() && x <= FrameRight() && y >= FrameTop() && y <= FrameBottom();
    }
};

// The series record: owned by the caller, partly written by DrawPlot.
struct PlotData {
    std::uint32_t Count = 0;                  // series drawn; written by DrawPlot
    const std::uint8_t* NextTrace = nullptr;  // series after the one being drawn (Density)
    std::uint32_t RangeMax = 0;               // largest value, raw sample word (Density)
    std::uint32_t RangeMin = 0;               // smallest value, raw sample word (Density)
    std::uint16_t AxisFormat = kFormatInt32;  // format of the axis value words
    const double* Rows = nullptr;             // current matrix row (format 4); advanced
    double RowsMax = 0.0;                     // largest matrix value (ColourMap)
    double RowsMin = 0.0;                     // smallest matrix value (ColourMap)
    std::int32_t ColumnsPerLabel = 1;         // ColourMap: a point tick every this many rows
    bool Saturated = false;  // ColourMap: the contrast clipped every value to the top
};

// Where the series of a plot are stored: series k starts First + k * Stride bytes on and
// holds one 4-byte value per axis value in Format (format 4: doubles read through
// PlotData::Rows, which DrawPlot advances by Stride bytes per series).
struct SeriesSet {
    const std::uint8_t* First = nullptr;
    std::size_t Stride = 0;
    std::uint16_t Format = 0;
    std::uint32_t Count = 0;
};

}  // namespace karvelo
