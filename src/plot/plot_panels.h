// The program's four panels, filled as their callers hand them to DrawPlot.
#pragma once

#include <string>

#include <cstdint>

#include "common/language.h"
#include "plot/plot_layout.h"
#include "profile/profile_image.h"

namespace karvelo {

// Panel rectangles: left, top, width, height in surface pixels.
inline constexpr int kTracePanelLeft = 175;
inline constexpr int kTracePanelTop = 10;
inline constexpr int kTracePanelWidth = 1000;
inline constexpr int kTracePanelHeight = 350;
inline constexpr int kSpectrumPanelLeft = 175;
inline constexpr int kSpectrumPanelTop = 320;
inline constexpr int kSpectrumPanelWidth = 500;
inline constexpr int kSpectrumPanelHeight = 350;
inline constexpr int kProfileMapLeft = 275;
inline constexpr int kProfileMapTop = 320;
inline constexpr int kProfileMapWidth = 900;
inline constexpr int kProfileMapHeight = 350;
inline constexpr int kCorrelationPanelLeft = 175;
inline constexpr int kCorrelationPanelTop = 20;
inline constexpr int kCorrelationPanelWidth = 500;
inline constexpr int kCorrelationPanelHeight = 350;

// Label multiplier of curves: their value ticks stand 50 pixels apart.
inline constexpr std::uint8_t kCurveLabelStep = 50;

// The trace panel (Wiggle or Density): time in microseconds down the right edge, one
// tick per trace on top. Profiles timed in microseconds (TimeInMicroseconds) are
// labelled in time, others in distance.
// Each panel's captions are those of the interface language (Russian: the captions as
// they have always been drawn).
PlotLayout TracePanelLayout(std::uint16_t samplesPerTrace, std::uint16_t sampleInterval,
                            TimeUnit unit = TimeUnit::kByImageRule,
                            Language language = Language::Russian);

// The spectrum panel (Curve); frequencyStep in Hz between two shown bins.
PlotLayout SpectrumPanelLayout(float frequencyStep, Language language = Language::Russian);

// The profile-spectrum map (ColourMap); frequencyStep in Hz between two matrix columns.
PlotLayout ProfileMapLayout(float frequencyStep, Language language = Language::Russian);

// The correlation curve of the correlation dialog (Curve); lags in microseconds.
PlotLayout CorrelationPanelLayout(std::uint16_t sampleInterval,
                                  Language language = Language::Russian);

}  // namespace karvelo
