// Local maxima of the normalised spectrum, their list, and thickness/velocity.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "analysis/analysis_buffers.h"
#include "analysis/analysis_request.h"

namespace karvelo {

// A local maximum of a spectrum: the bin it is recorded at, and the first and last bin
// of its plateau (both Bin for a sharp maximum).
struct LocalMaximum {
    std::uint32_t Bin = 0;
    std::uint32_t First = 0;
    std::uint32_t Last = 0;
};

// The local maxima of a[0 .. size) in increasing bin order: a bin above both neighbours;
// a plateau rising from its left that does not rise after it (recorded at its last bin,
// or at its first when it reaches the last bin); a flat start that does not rise after
// it. The bin after a plateau that rises again is scanned like any other, so a maximum
// right after a rising plateau is found. Bin 0 and the last bin are never sharp maxima.
// Fewer than 3 values have none.
std::vector<LocalMaximum> LocalMaximaOf(std::span<const float> a);

// Fills PeakCount/PeakBins/PeakAmplitudes/PeakFrequencies from SelectionSpectrum[0..M-1]
// and BinFrequencies as they stand before the band cut (a plateau's frequency is the
// truncated mean of its edge frequencies). M >= 3.
void FindLocalMaxima(AnalysisBuffers& buffers, std::uint32_t binCount);

// Index into the Peak arrays of the maximum recorded at fullBin (full-spectrum
// numbering), if there is one.
std::optional<std::size_t> PeakAtBin(const AnalysisBuffers& buffers, std::uint32_t fullBin);

// Indices into the Peak arrays of the maxima whose bin lies in iMin..iMax (inclusive,
// full-spectrum numbering), in list order: line k of the list is maximum result[k].
std::vector<std::size_t> ListedPeaks(const AnalysisBuffers& buffers, std::uint32_t iMin,
                                     std::uint32_t iMax);

// Rewrites the list of maxima: the maxima whose bin lies in iMin..iMax (inclusive,
// full-spectrum numbering) as "(%d;%.3e)" lines; empty in mode 3. Selects line 0.
void FillPeakList(const AnalysisBuffers& buffers, AnalysisRequest& request, std::uint32_t iMin,
                  std::uint32_t iMax);

// f in Hz, beta = ShapeFactor. With ThicknessGiven: DerivedValue = 2 h f / beta (a
// velocity); otherwise DerivedValue = beta v / (2 f) (a thickness), or for f = 0 hides
// the derived statics and leaves DerivedValue unchanged. With beta = 1 the values are
// those of the plain formulas, bit for bit. A result beyond single precision is refused:
// error 13, the derived statics hidden, DerivedValue unchanged and false returned.
bool DeriveThicknessOrVelocity(AnalysisRequest& request, double frequency);

}  // namespace karvelo
