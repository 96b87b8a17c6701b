// The frequency band: its reset, the selection of its first and last bin, and the cut
// that moves it to the start of the buffers.
#pragma once

#include <cstdint>
#include <optional>
#include <span>

#include "analysis/analysis_buffers.h"
#include "analysis/analysis_request.h"

namespace karvelo {

// First and last bin of a band, inclusive, in full-spectrum numbering.
struct BandBins {
    std::uint32_t First = 0;
    std::uint32_t Last = 0;
    std::uint32_t Count() const { return Last - First + 1; }  // meaningful for Last >= First
};

// Fewest bins a band must hold (the profile matrix interpolates between them).
inline constexpr std::uint32_t kMinBandBins = 2;

// Applies a pending ResetBandRequest to FMin/FMax (top = highest bin frequency, Hz):
// with BandLimitOnly (first run after a load) FMin = 0 and FMax lowered to top when
// above it, clearing both flags; otherwise FMin = 0, FMax = top, clearing the request.
void ResetBand(RequestFlags& flags, AnalysisRequest& request, std::int32_t top);

// Bins of the band fMin .. fMax (Hz) over the ascending bin frequencies, comparing the
// limits as unsigned 32-bit patterns. First: the bin at fMin, or the one just below it
// when fMin falls between bins; the last bin when every bin lies below fMin. Last: the
// first bin at or above fMax, or the last bin when every bin lies below fMax. Both stay
// inside frequencies (which must not be empty); the band may be inverted.
BandBins SelectBand(std::int32_t fMin, std::int32_t fMax,
                    std::span<const std::uint32_t> frequencies);

// A band is usable when fMax >= 0, fMin <= fMax and it holds at least kMinBandBins bins.
// A negative fMin lies above every bin as an unsigned pattern and fails the bin count.
bool IsUsableBand(std::int32_t fMin, std::int32_t fMax, BandBins band);

// The field line of a band refused by IsUsableBand: fmax below 0, fmin below 0 or above
// fmax, or too narrow a band.
const char* BandRule(std::int32_t fMin, std::int32_t fMax);

// Selects the band of the request over BinFrequencies[0 .. binCount) (as filled before
// the cut). An unusable band (with its field line), or binCount outside 1 ..
// kMaxSpectrumBins, is reported as error 13 (plain) and yields nullopt; nothing is
// changed then.
std::optional<BandBins> SelectRequestBand(const AnalysisBuffers& buffers,
                                          const AnalysisRequest& request, std::uint32_t binCount);

// Moves values[band.First .. band.Last] to the start of values. Does nothing when First
// is 0, or when the band is inverted or reaches beyond values.
template <typename T>
void CutBandValues(std::span<T> values, BandBins band);

// Cuts the band out of BinFrequencies and the spectrum rows in use: row 0 of
// SpectrumRows in modes 0 to 2, rows 0 .. pointCount-1 of ProfileSpectrumGrid in mode 3
// (pointCount at most the rows the grid holds). Afterwards entry 0 of each is bin band.First.
void CutBand(AnalysisBuffers& buffers, std::int32_t spectrumMode, BandBins band,
             std::uint32_t pointCount);

}  // namespace karvelo
