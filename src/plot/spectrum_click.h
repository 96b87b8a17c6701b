// A click on the spectrum panel: the frequency under it and the nearest shown bin.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

#include "analysis/analysis_buffers.h"
#include "analysis/analysis_request.h"
#include "analysis/quality.h"
#include "plot/axis_mapping.h"
#include "plot/plot_layout.h"
#include "profile/profile.h"

namespace karvelo {

struct SpectrumHit {
    double Frequency = 0.0;  // Hz under the click, not rounded
    std::size_t Bin = 0;     // nearest shown bin, band-relative
};

// Frequency axis of the spectrum panel: the first shown bin on the frame's left edge,
// the largest bin frequency on its right edge. ValueFor(x) is the frequency at column x,
// PixelAt(f) the column of frequency f.
AxisMapping SpectrumFrequencyAxis(const PlotLayout& layout,
                                  std::span<const std::uint32_t> binFrequencies);

// What the spectrum panel shows under (x, y): the frequency at column x, as a click there
// reads it, and the curve's amplitude at the nearest shown bin.
struct SpectrumReading {
    double Frequency = 0.0;  // Hz
    double Amplitude = 0.0;  // the curve's value (normalised spectrum)
};

// Nothing outside the frame or with no bins; amplitudes holds a value per shown bin.
std::optional<SpectrumReading> ReadSpectrumAt(int x, int y, const PlotLayout& layout,
                                              std::span<const std::uint32_t> binFrequencies,
                                              std::span<const float> amplitudes);

// Aims a click request at line request.ListedPeak of the list of maxima (band firstBin
// .. lastBin): ClickX becomes the frame column whose click lands on that maximum's bin,
// nearest to the bin's frequency, and ClickY the frame's middle row. False, with the
// request unchanged, when there is no such line.
bool AimClickAtListedPeak(const AnalysisBuffers& buffers, AnalysisRequest& request,
                          const PlotLayout& layout, std::span<const std::uint32_t> binFrequencies,
                          std::uint32_t firstBin, std::uint32_t lastBin);

// The click at (request.ClickX, request.ClickY) on the spectrum panel `layout`, whose
// shown bins have the frequencies binFrequencies (Hz, ascending) and start at full-
// spectrum bin firstBin. Outside the frame (borders count as inside) or with no bins:
// nothing, nullopt. Inside: the frequency and the nearest bin (a tie goes to the higher
// bin); for a click request (RequestKind 2) also shows the frequency and derived statics,
// stores ClickFrequency, derives thickness or velocity and, while the quality table
// (if given) has its display on, the quality factor of that bin.
std::optional<SpectrumHit> SpectrumClick(const Profile& profile, const AnalysisBuffers& buffers,
                                         QualityTable* quality, AnalysisRequest& request,
                                         const PlotLayout& layout,
                                         std::span<const std::uint32_t> binFrequencies,
                                         std::uint32_t firstBin);

}  // namespace karvelo
